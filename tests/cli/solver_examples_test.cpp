// The examples of solving that the help page and the README give hold on the bundled data.
#include "tests/common/clitest.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace zadrovec::clitest {
namespace {

namespace fs = std::filesystem;

std::string sourceFile(const std::string& name) {
    return readFile(fs::path(ZADROVEC_SOURCE_DIR) / name);
}

// An answer listed on a line of its own, with a dictionary it comes from at least (the main
// dictionary is the thesaurus or a sample, so the examples rest on the others).
struct Listed {
    std::string text;
    std::string dictionary;
    std::string clue; // with --clue
};

struct Example {
    std::vector<std::string> args; // after the command name
    std::vector<Listed> listed;
};

bool holds(const std::string& output, const Listed& wanted) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(wanted.text + '\t', 0) != 0) continue;
        const std::string rest = line.substr(wanted.text.size() + 1);
        const std::string dictionaries = rest.substr(0, rest.find('\t'));
        if (("," + dictionaries + ",").find("," + wanted.dictionary + ",") == std::string::npos)
            return false;
        return wanted.clue.empty() || rest.find('\t' + wanted.clue) != std::string::npos;
    }
    return false;
}

TEST(SolverExamples, HoldOnTheBundledDataAndStandInTheHelpAndTheReadme) {
    const std::vector<Example> examples = {
        {{"solve", "B?RL?N"}, {{"BERLÍN", "mesta", ""}}},
        {{"solve", "--anagram", "AHPAR"}, {{"PRAHA", "mesta", ""}}},
        {{"solve", "P????", "--clue", "Česko"}, {{"PRAHA", "mesta", "ČESKO"}}},
        {{"solve", "--from", "AELST", "--length", "5"}, {{"TESLA", "podniky", ""}}},
        {{"solve", "CH??", "--ch"}, {{"CHEB", "mpzspz", ""}, {"CHON", "meny", ""}}},
        {{"clues", "praha"}, {{"ČESKO", "mesta", ""}}},
    };
    const std::string help = sourceFile("data/zadrov.html");
    const std::string readme = sourceFile("README.md");
    const std::string data = fs::path(cliPath()).parent_path().string();
    for (const Example& example : examples) {
        std::string commandLine = "zadrovec-cli";
        for (const std::string& arg : example.args)
            commandLine += ' ' + arg;
        EXPECT_NE(help.find("<code>" + commandLine + "</code>"), std::string::npos) << commandLine;
        EXPECT_NE(readme.find("`" + commandLine + "`"), std::string::npos) << commandLine;

        std::vector<std::string> args = {"--data", data};
        args.insert(args.end(), example.args.begin(), example.args.end());
        const RunResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 0) << commandLine << '\n' << result.err;
        for (const Listed& wanted : example.listed)
            EXPECT_TRUE(holds(result.out, wanted)) << commandLine << ": " << wanted.text << '\n'
                                                   << result.out.substr(0, 400);
    }
}

} // namespace
} // namespace zadrovec::clitest
