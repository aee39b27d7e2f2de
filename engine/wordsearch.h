// The word search and the meanings of a found word.
#pragma once

#include "dictionaryfiles.h"
#include "stringlist.h"

#include <string>
#include <string_view>

namespace zadrovec {

// Folds a Windows-1250 text to capitals in place: a..z and the fifteen Czech small letters,
// nothing else (ä, ö, ľ, ß and the like stay as they are). Independent of the locale.
void CzechUpperCase(std::string& text);

// A window's result lists: the found headwords (sorted, each once), the hidden hit table of
// one row per matching record (headword and meanings text side by side, in file order), and the
// meanings of one found headword (sorted).
struct ResultLists {
    StringList& found;
    StringList& hitHeadwords;
    StringList& hitMeanings;
    StringList& meanings;
};

// Lists the headwords of the open dictionary that begin with text (folded first), and the
// meanings of the first of them. Raises IoError from the record reads, the lists then holding
// what was found until then, and from the index reads, before the lists change.
void SearchWords(Dictionary& dictionary, ResultLists& lists, std::string_view text);

// Lists in `meanings` the meanings of found[index], merged over every hit row of that headword.
// A negative index (no selection) does nothing.
void ShowMeanings(ResultLists& lists, int index);

// Appends the meanings of one meanings text: each ";" ends one; text after the last is none.
void SplitMeanings(std::string_view meaningsText, std::vector<std::string>& out);

} // namespace zadrovec
