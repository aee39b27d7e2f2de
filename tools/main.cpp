// zadrovec-cli: the dictionary engine in a terminal.
#include "cli_arguments.h"
#include "cli_commands.h"
#include "cli_text.h"

#include <iostream>
#include <map>

namespace {

using namespace zadrovec::cli;

int run(const std::vector<std::string>& args) {
    const Arguments arguments = parseArguments(args);
    if (arguments.command == "help") {
        std::cout << usageText();
        return kExitOk;
    }
    static const std::map<std::string, int (*)(const Arguments&)> commands = {
        {"info", runInfo},
        {"search", runSearch},
        {"find", runFind},
        {"build", runBuild},
        {"dump", runDump},
        {"check", runCheck},
        {"characters", runCharacters},
        {"build-catalogue", runBuildCatalogue},
        {"solve", runSolve},
        {"clues", runClues},
        {"store-answers", runStoreAnswers},
    };
    return commands.at(arguments.command)(arguments);
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "zadrovec-cli: " << error.what() << "\n\n" << usageText();
        return kExitUsage;
    } catch (const ArgumentTextError& error) {
        std::cerr << "zadrovec-cli: " << error.what() << '\n';
        return kExitUsage;
    } catch (const std::exception& error) {
        std::cerr << "zadrovec-cli: " << error.what() << '\n';
        return kExitFailure;
    }
}
