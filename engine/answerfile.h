// The answer space and its index of the default rules stored in one file beside the
// dictionaries, so that a question needs no reading of every record: the file is read in one
// piece and used as it lies. It names the sizes and times of the dictionaries it was made from and is
// made again when they differ.
#pragma once

#include "answerspace.h"
#include "squareindex.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

inline constexpr std::string_view kAnswerFileName = "odpovedi.idx";

// For each dictionary of kAnswerDictionaries: the sizes and modification times of its two files
// (-1 for a file that is not there).
std::vector<std::int64_t> DictionaryStamps(const std::string& folder);

// Writes the file whole or not at all. Throws std::runtime_error naming it on failure.
void WriteAnswerFile(const std::string& path, const AnswerSpace& space, const SquareIndex& index,
                     const std::vector<std::int64_t>& stamps);

// The answers of the file with its index as storedIndex; nothing when the file is missing, made
// from other dictionaries, or damaged in any way.
std::optional<AnswerSpace> ReadAnswerFile(const std::string& path,
                                          const std::vector<std::int64_t>& stamps);

} // namespace zadrovec
