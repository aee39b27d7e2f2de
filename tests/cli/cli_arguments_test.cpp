// The command line itself: help, usage errors and text arguments Windows-1250 cannot hold.
#include "tests/common/clitest.h"

#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

TEST(CliArguments, HelpDocumentsEveryCommandAndOption) {
    const RunResult help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* word :
         {"info NAME", "search NAME TEXT", "--select I", "--json", "build SOURCE OUTBASE",
          "--header TEXT", "dump BASE", "check BASE", "--data DIR"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    EXPECT_TRUE(help.err.empty());
}

TEST(CliArguments, UsageErrorsPrintTheUsageAndExitWithTwo) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"lookup", "x"},
        {"info"},
        {"info", "a", "b"},
        {"search", "hlavni"},
        {"search", "hlavni", "a", "b"},
        {"search", "hlavni", "a", "--select"},
        {"search", "hlavni", "a", "--select", "one"},
        {"search", "hlavni", "a", "--select", "1x"},
        {"search", "hlavni", "a", "--verbose"},
        {"--data"},
        {"build", "src"},
        {"--data", "somewhere", "dump", "x"},
        {"dump", "x", "--json"},
        {"check", "x", "--header", "h"},
        {"info", "some/name"},
        {"search", "", "a"},
    };
    for (const auto& args : wrong) {
        const RunResult result = runCli(args);
        std::string shown;
        for (const auto& arg : args)
            shown += "[" + arg + "]";
        EXPECT_EQ(result.exitCode, 2) << shown;
        EXPECT_NE(result.err.find("Usage:"), std::string::npos) << shown;
        EXPECT_TRUE(result.out.empty()) << shown;
    }
}

TEST(CliArguments, TextThatWindows1250CannotHoldIsRefusedWithTwo) {
    TempFolder folder;
    ASSERT_EQ(buildWithCli(folder, "d", "A@b;\n").exitCode, 0);
    const std::string data = folder.path().string();
    // Told by the byte where the fault begins and the code point; the argument is not repeated.
    const std::pair<std::string, std::string> cases[] = {
        {"日本", "TEXT holds U+65E5, a character that Windows-1250 cannot hold, at byte 1\n"},
        {"a\xC3", "TEXT is not valid UTF-8 at byte 2\n"},
        {"€ok✓", "TEXT holds U+2713, a character that Windows-1250 cannot hold, at byte 6\n"},
        {"ok\xED\xA0\x80", "TEXT is not valid UTF-8 at byte 3\n"},
        {std::string(100'000, 'a') + "\xFF" + std::string(1000, '\x1b'),
         "TEXT is not valid UTF-8 at byte 100001\n"}};
    for (const auto& [text, message] : cases) {
        const RunResult result = runCli({"--data", data, "search", "d", text});
        EXPECT_EQ(result.exitCode, 2) << message;
        EXPECT_EQ(result.err, "zadrovec-cli: " + message);
        EXPECT_TRUE(result.out.empty());
    }
    const RunResult header =
        runCli({"build", folder.file("d.txt"), folder.file("e"), "--header", "λ"});
    EXPECT_EQ(header.exitCode, 2);
    EXPECT_NE(header.err.find("Windows-1250"), std::string::npos) << header.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("e.dat")));
}

TEST(CliArguments, EachCommandHasItsOwnHelp) {
    for (const char* command :
         {"info", "search", "find", "build", "dump", "check", "characters", "build-catalogue"}) {
        const RunResult help = runCli({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(help.out.starts_with("Usage: zadrovec-cli ")) << help.out;
        EXPECT_NE(help.out.find(std::string(" ") + command + " "), std::string::npos) << help.out;
        EXPECT_NE(help.out.find("Exit status:"), std::string::npos) << command;
        EXPECT_TRUE(help.err.empty()) << command;
    }
    const RunResult search = runCli({"search", "--help"});
    for (const char* word : {"[--data DIR] search NAME TEXT [--select I] [--json]",
                             "--select I     then shows the meanings", "\"hits\" (one [headword"})
        EXPECT_NE(search.out.find(word), std::string::npos) << word;
    EXPECT_EQ(runCli({"--help", "search"}).out, search.out);
    EXPECT_EQ(runCli({"search", "hlavni", "-h"}).out, search.out);
    EXPECT_EQ(runCli({"search", "--select", "x", "a", "b", "c", "--help"}).out, search.out);
    EXPECT_EQ(runCli({"dump", "--help"}).out.find("--select"), std::string::npos);
}

TEST(CliArguments, UsageErrorsSayWhatIsWrongAndShowTheUsageOfTheCommand) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> wrong = {
        {{}, "no command given"},
        {{"lookup", "x"}, "unknown command \"lookup\""},
        {{"--", "--data", "d", "info", "x"}, "unknown command \"--data\""},
        {{"info", "a", "b"}, "info takes 1 operand(s); \"b\" is one too many"},
        {{"search", "d"}, "TEXT is required"},
        {{"search", "d", "a", "--select", "one"}, "--select: needs a whole number, not \"one\""},
        {{"search", "d", "a", "--select", " 1"}, "--select: needs a whole number, not \" 1\""},
        {{"search", "d", "a", "--verbose"}, "unknown option --verbose"},
        {{"--json", "search", "d", "a"}, "--json goes after the command's name"},
        {{"dump", "x", "--json"}, "--json does not apply to dump"},
        {{"--data", "x", "dump", "y"}, "--data does not apply to dump"},
        {{"search", "d", "a", "--", "-x"}, "search takes 2 operand(s); \"-x\" is one too many"},
    };
    for (const auto& [args, message] : wrong) {
        const RunResult result = runCli(args);
        const std::string shown = ::testing::PrintToString(args);
        EXPECT_EQ(result.exitCode, 2) << shown;
        EXPECT_TRUE(result.err.starts_with("zadrovec-cli: " + message + "\nUsage:")) << result.err;
        EXPECT_TRUE(result.out.empty()) << shown;
    }
    // The usage shown is the command's own when the command is known.
    const RunResult search = runCli({"search", "d", "a", "--select", "one"});
    EXPECT_NE(search.err.find("Usage: zadrovec-cli [--data DIR] search NAME TEXT"),
              std::string::npos);
    EXPECT_EQ(search.err.find("build-catalogue"), std::string::npos) << search.err;
    EXPECT_NE(runCli({}).err.find("build-catalogue SOURCE OUT"), std::string::npos);
}

class CliOperands : public ::testing::Test {
protected:
    void SetUp() override {
        std::string source;
        for (char c = 'A'; c <= 'L'; ++c)
            source += std::string("K") + c + "@" + c + ";\n";
        source += "INFO@command name;\n-X@dash;\n";
        ASSERT_EQ(buildWithCli(folder_, "d", source).exitCode, 0);
    }

    RunResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data", folder_.path().string()});
        return runCli(args);
    }

    TempFolder folder_;
};

TEST_F(CliOperands, NumbersAreDecimalAndTheLastOfAnOptionGivenTwiceCounts) {
    // "010" is ten, not eight as octal; the eleventh headword is KK.
    EXPECT_EQ(run({"search", "d", "k", "--select", "010"}).out.substr(36), "--\nK\n");
    EXPECT_EQ(run({"search", "d", "k", "--select", "1", "--select", "0"}).out.substr(36),
              "--\nA\n");
    EXPECT_EQ(run({"search", "d", "k", "--select=2"}).out.substr(36), "--\nC\n");
    EXPECT_EQ(run({"search", "--json", "d", "--json", "ka"}).exitCode, 0);
}

TEST_F(CliOperands, WordsThatLookLikeCommandsOrOptionsAreOperandsWhereOperandsGo) {
    EXPECT_EQ(run({"search", "d", "info"}).out, "INFO\n--\ncommand name\n");
    EXPECT_EQ(run({"find", "search"}).exitCode, 1); // searched for, in no dictionary
    EXPECT_EQ(run({"search", "d", "-"}).out, "-X\n--\ndash\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"search", "d", "--", "-x"},
          std::vector<std::string>{"search", "--", "d", "-x"},
          std::vector<std::string>{"--", "search", "d", "-x"}}) {
        const RunResult result = run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "-X\n--\ndash\n") << ::testing::PrintToString(args);
    }
    // An option's value is taken as it stands, even when it starts with "-".
    const RunResult header =
        runCli({"build", folder_.file("none.txt"), folder_.file("e"), "--header", "-1"});
    EXPECT_EQ(header.exitCode, 1) << header.err; // the source is missing, the header was fine
}

} // namespace
} // namespace zadrovec::clitest
