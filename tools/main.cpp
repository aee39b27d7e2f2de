// zadrovec-cli: the dictionary engine in a terminal.
#include "tools/cli_arguments.h"
#include "tools/cli_commands.h"
#include "tools/cli_output.h"
#include "tools/cli_text.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <iostream>
#include <malloc.h>
#include <map>
#include <optional>
#include <unistd.h>

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
        {"solve", runSolve},
        {"clues", runClues},
        {"store-answers", runStoreAnswers},
        {"answers", runAnswers},
    };
    return commands.at(arguments.command)(arguments);
}

// CLI11 declares every command with its options and help before it reads a word, which takes
// more time than a whole search. The plainest lines of the two searching commands,
// "[--data DIR] search NAME TEXT" and "[--data DIR] find TEXT" with no word empty or starting
// with "-", mean the same to it as read here; every other line goes to it.
std::optional<Arguments> plainSearchArguments(const std::vector<std::string>& args) {
    Arguments arguments;
    std::size_t at = 0;
    if (args.size() >= 2 && args[0] == "--data") {
        arguments.dataFolder = args[1];
        at = 2;
    }
    if (at == args.size()) return std::nullopt;
    arguments.command = args[at++];
    const std::size_t operands = arguments.command == "search" ? 2
                                 : arguments.command == "find" ? 1
                                                               : 0;
    if (operands == 0 || args.size() - at != operands) return std::nullopt;
    arguments.operands.assign(args.begin() + static_cast<std::ptrdiff_t>(at), args.end());
    const auto plain = [](const std::string& word) { return !word.empty() && word[0] != '-'; };
    if ((arguments.dataFolder && !plain(*arguments.dataFolder)) ||
        !std::ranges::all_of(arguments.operands, plain))
        return std::nullopt;
    return arguments;
}

int run(const std::vector<std::string>& args) {
    Arguments arguments;
    try {
        auto plain = plainSearchArguments(args);
        arguments = plain ? std::move(*plain) : parseArguments(args);
        if (arguments.command == "help") {
            std::cout << helpText(arguments.operands.empty() ? "" : arguments.operands[0]);
            return kExitOk;
        }
        return runCommand(arguments);
    } catch (const UsageError& error) {
        // A command's own usage errors concern that command.
        const std::string& command = error.command().empty() ? arguments.command : error.command();
        std::cerr << "zadrovec-cli: " << error.what() << '\n' << usageText(command);
        return kExitUsage;
    }
}

// Output that did not reach its file (a full disk, a closed stdout) is an error of the whole
// command: it is told on stderr and the status is 1.
int withOutputChecked(int status, const CheckedOutput& output) {
    std::cout.flush();
    if (output.firstError() == 0) return status;
    std::cerr << "zadrovec-cli: write error: " << std::strerror(output.firstError()) << '\n';
    return kExitFailure;
}

} // namespace

int main(int argc, char** argv) {
    // A reader that goes away early (| head) ends the program quietly by SIGPIPE, as other
    // tools end, also when the caller had it ignored.
    std::signal(SIGPIPE, SIG_DFL);
#ifdef M_MMAP_THRESHOLD
    // Blocks of megabytes, as the lists of a search with many hits grow, come from the heap, so
    // that the memory of those given up is taken again: each page newly mapped costs a fault.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
    CheckedOutput output(STDOUT_FILENO);
    // std::cout outlives main: it gets its own buffer back before this one goes.
    const struct RestoreOutput {
        std::streambuf* old;
        ~RestoreOutput() { std::cout.rdbuf(old); }
    } restore{std::cout.rdbuf(&output)};
    try {
        return withOutputChecked(run(std::vector<std::string>(argv + 1, argv + argc)), output);
    } catch (const ArgumentTextError& error) {
        std::cerr << "zadrovec-cli: " << error.what() << '\n';
        return kExitUsage;
    } catch (const std::exception& error) {
        std::cerr << "zadrovec-cli: " << error.what() << '\n';
        return withOutputChecked(kExitFailure, output);
    }
}
