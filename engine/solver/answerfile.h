// The answers and their index of the default rules stored in one file beside the dictionaries,
// so that a question reads only the parts it needs instead of every record.
//
// The file says what it is: a header with a magic text, the format version, the byte order and
// the constants its arrays depend on, the content stamps of the dictionaries it was made from
// and a table of contents (offset, size and per-chunk checksums of every array), itself under a
// checksum. The header is read and checked first, against a bound on the size; an array's chunk
// is checked against its checksum when a question first reads it.
#pragma once

#include "engine/files/contentstamp.h"
#include "engine/solver/answerspace.h"
#include "engine/solver/lemmaindex.h"
#include "engine/solver/squareindex.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

inline constexpr std::string_view kAnswerFileName = "odpovedi.idx";
inline constexpr std::uint32_t kAnswerFileVersion = 6;
// Larger files are not read at all.
inline constexpr std::uint64_t kLargestAnswerFile = std::uint64_t{8} << 30;

// Whether the stored answers are used, or why not.
struct StoredAnswersState {
    enum class Kind {
        Used,
        Missing,           // no file
        Unreadable,        // cannot be opened or read, or is no regular file
        Foreign,           // not a file of stored answers
        OtherVersion,      // another format version, byte order or layout
        OtherDictionaries, // made from dictionaries other than those there now
        Damaged,           // a checksum or a number that fails
    };
    Kind kind = Kind::Missing;
    std::string detail; // what failed: the dictionary file, the array, the system's reason

    bool used() const { return kind == Kind::Used; }
    // In words, for the command line: "used", "not used: damaged: array postings".
    std::string describe() const;
};

// The content stamps of the dictionaries' files, .dat and .idx of each of kDictionaryFiles.
std::vector<ContentStamp> DictionaryContentStamps(const std::string& folder);

// Writes the file whole or not at all (a temporary file renamed into place). Throws
// std::runtime_error naming the file or its folder on failure.
void WriteAnswerFile(const std::string& path, const AnswerSpace& space, const SquareIndex& index,
                     const LemmaIndex& lemmas, const std::vector<ContentStamp>& stamps);

struct OpenedAnswerFile {
    std::optional<AnswerSpace> space; // with its storedIndex; arrays read as used
    StoredAnswersState state;
};

// Opens the file and checks its header against the stamps of the dictionaries there now; the
// answer space comes with its storedIndex and lemmas.
OpenedAnswerFile OpenAnswerFile(const std::string& path, const std::vector<ContentStamp>& stamps);

// Reads every array of stored answers and checks it: Used, or Damaged naming the first array
// that fails.
StoredAnswersState VerifyStoredAnswers(const AnswerSpace& space);

} // namespace zadrovec
