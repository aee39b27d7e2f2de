// The word search and the meanings of a found word.
#pragma once

#include "engine/dictionary/dictionaryfiles.h"
#include "engine/files/ioerror.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// Folds a Windows-1250 text to capitals in place: a..z and the fifteen Czech small letters,
// nothing else (ä, ö, ľ, ß and the like stay as they are). Independent of the locale.
void CzechUpperCase(std::string& text);

// What a word search found: the found headwords (sorted, each once), the hit rows of one per
// matching record (headword and meanings text side by side, in file order), and the meanings
// of the first found headword (sorted, each once).
struct WordHits {
    std::vector<std::string> found;
    std::vector<std::string> hitHeadwords;
    std::vector<std::string> hitMeanings;
    std::vector<std::string> meanings;
};

// A search that read records: its hits, and the read error that ended it early, if any. After
// an error the hits are those read until then: the found headwords as they came, repeats and
// all, sorted, and no meanings.
struct SearchOutcome {
    WordHits hits;
    std::optional<IoError> error;
};

// The headwords of the open dictionary that begin with text (folded first), and the meanings
// of the first of them. Raises IoError from the index reads and the seek, before any record is
// read; a failed record read ends the outcome.
SearchOutcome SearchWords(Dictionary& dictionary, std::string_view text);

// The meanings of headword, merged over its hit rows: sorted, each once.
std::vector<std::string> MeaningsOf(std::string_view headword,
                                    std::span<const std::string> hitHeadwords,
                                    std::span<const std::string> hitMeanings);

// Appends the meanings of one meanings text: each ";" ends one; text after the last is none.
void SplitMeanings(std::string_view meaningsText, std::vector<std::string>& out);

} // namespace zadrovec
