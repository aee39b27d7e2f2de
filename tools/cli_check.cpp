// check BASE: the problems of a dictionary pair, or a short summary when there are none.
#include "tools/cli_commands.h"
#include "tools/dictcheck.h"

#include <iostream>

namespace zadrovec::cli {
namespace {

// Enough to see what is wrong; the rest is only counted, so any file is checked in little
// memory and a damaged one does not flood the terminal.
constexpr std::uint64_t kProblemsListed = 1000;

} // namespace

int runCheck(const Arguments& arguments) {
    const check::CheckReport report = check::checkDictionary(
        arguments.operands[0], [listed = std::uint64_t{0}](const std::string& problem) mutable {
            // Each line is out at once: a large file takes long to read to its end.
            if (listed++ < kProblemsListed) std::cout << problem << std::endl;
        });
    if (report.problems > 0) {
        if (report.problems > kProblemsListed)
            std::cout << "... and " << report.problems - kProblemsListed << " more\n";
        std::cout << report.problems << " problem(s) found\n";
        return kExitFailure;
    }
    std::cout << "OK: " << report.records << " records; index slots used: " << report.usedSlots[0]
              << " first, " << report.usedSlots[1] << " second, " << report.usedSlots[2]
              << " third character\n";
    return kExitOk;
}

} // namespace zadrovec::cli
