// zadrovec-cli: the dictionary engine in a terminal.
#include "cli_arguments.h"
#include "cli_commands.h"
#include "cli_text.h"

#include <iostream>
#include <map>

namespace {

using namespace zadrovec::cli;

int runCommand(const Arguments& arguments) {
    static const std::map<std::string, int (*)(const Arguments&)> commands = {
        {"info", runInfo},
        {"search", runSearch},
        {"find", runFind},
        {"build", runBuild},
        {"dump", runDump},
        {"check", runCheck},
        {"characters", runCharacters},
        {"build-catalogue", runBuildCatalogue},
    };
    return commands.at(arguments.command)(arguments);
}

int run(const std::vector<std::string>& args) {
    Arguments arguments;
    try {
        arguments = parseArguments(args);
        if (arguments.command == "help") {
            std::cout << helpText(arguments.operands.empty() ? "" : arguments.operands[0]);
            return kExitOk;
        }
        return runCommand(arguments);
    } catch (const UsageError& error) {
        // A command's own usage errors (such as --select past the end) concern that command.
        const std::string& command = error.command().empty() ? arguments.command : error.command();
        std::cerr << "zadrovec-cli: " << error.what() << '\n' << usageText(command);
        return kExitUsage;
    }
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ArgumentTextError& error) {
        std::cerr << "zadrovec-cli: " << error.what() << '\n';
        return kExitUsage;
    } catch (const std::exception& error) {
        std::cerr << "zadrovec-cli: " << error.what() << '\n';
        return kExitFailure;
    }
}
