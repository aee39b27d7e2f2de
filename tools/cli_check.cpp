// check BASE: the problems of a dictionary pair, or a short summary when there are none.
#include "cli_commands.h"
#include "dictcheck.h"

#include <iostream>

namespace zadrovec::cli {

int runCheck(const Arguments& arguments) {
    const check::CheckReport report = check::checkDictionary(arguments.operands[0]);
    for (const std::string& problem : report.problems)
        std::cout << problem << '\n';
    if (!report.problems.empty()) {
        std::cout << report.problems.size() << " problem(s) found\n";
        return kExitFailure;
    }
    std::cout << "OK: " << report.records << " records; index slots used: " << report.usedSlots[0]
              << " first, " << report.usedSlots[1] << " second, " << report.usedSlots[2]
              << " third character\n";
    return kExitOk;
}

} // namespace zadrovec::cli
