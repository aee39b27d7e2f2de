// The command line itself: help, usage errors and text arguments Windows-1250 cannot hold.
#include "test_support.h"

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
    // Told by the byte where the fault begins; the argument itself is not repeated.
    const std::pair<std::string, std::string> cases[] = {
        {"日本", "TEXT holds a character that Windows-1250 cannot hold, at byte 1\n"},
        {"a\xC3", "TEXT is not valid UTF-8 at byte 2\n"},
        {"€ok✓", "TEXT holds a character that Windows-1250 cannot hold, at byte 6\n"},
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

} // namespace
} // namespace zadrovec::clitest
