// The commands of zadrovec-cli. Each returns the exit status; a bad command line is raised as
// UsageError, a text argument that Windows-1250 cannot hold as ArgumentTextError.
#pragma once

#include "tools/cli_arguments.h"

#include <cstddef>
#include <string>

namespace zadrovec {
class AnswerSource;
struct WordHits;
} // namespace zadrovec

namespace zadrovec::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int runInfo(const Arguments& arguments);
int runSearch(const Arguments& arguments);
int runFind(const Arguments& arguments);
int runBuild(const Arguments& arguments);
int runDump(const Arguments& arguments);
int runCheck(const Arguments& arguments);
int runCharacters(const Arguments& arguments);
int runBuildCatalogue(const Arguments& arguments);
int runSolve(const Arguments& arguments);
int runClues(const Arguments& arguments);
int runStoreAnswers(const Arguments& arguments);
int runAnswers(const Arguments& arguments);

// Says on stderr, in one line, why stored answers that are there were not used.
void sayStoredState(const AnswerSource& source);

// The folder of the dictionaries: --data, else the folder of this program (links resolved).
std::string dataFolder(const Arguments& arguments);

// The --header of a file whose records hold up to longest characters, in Windows-1250. Raises
// UsageError for a longer one and for one with "@": a header is read like any record, and with
// an "@" it would be found as a headword.
std::string headerArgument(const std::string& utf8, std::size_t longest);

// --select N of a search: the meanings of the N-th headword found become the hits' meanings.
// Raises std::runtime_error when fewer headwords were found.
void selectMeanings(WordHits& hits, long long select);

// A dictionary name as the windows use it: a file name without folder or extension.
const std::string& requireDictionaryName(const std::string& name);

} // namespace zadrovec::cli
