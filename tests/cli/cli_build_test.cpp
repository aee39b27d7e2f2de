// build and dump: from a UTF-8 source to a checked pair and back to text.
#include "tests/common/clitest.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

const std::string kSource = "# zvířata\n"
                            "pes@zvíře;hafan;\n"
                            "\n"
                            "Čáp@pták;\r\n"
                            "kos@pták;černý pták\n"
                            "kos@jméno;\n"
                            "AB@x;\n";

TEST(CliBuild, BuildCheckDumpRoundTrip) {
    TempFolder folder;
    const RunResult built = buildWithCli(folder, "zv", kSource, "24.12.2023");
    ASSERT_EQ(built.exitCode, 0) << built.err;

    const RunResult check = runCli({"check", folder.file("zv")});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_TRUE(check.out.starts_with("OK: 6 records")) << check.out;

    const RunResult dump = runCli({"dump", folder.file("zv")});
    EXPECT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dump.out, "24.12.2023\n"
                        "AB@x;\n"
                        "KOS@pták;černý pták;\n"
                        "KOS@jméno;\n"
                        "PES@zvíře;hafan;\n"
                        "ČÁP@pták;\n");
}

TEST(CliBuild, LongEntriesSplitAndStillCheckClean) {
    TempFolder folder;
    std::string source = "DLOUHÉ@";
    for (int m = 0; m < 20; ++m)
        source += "význam číslo " + std::to_string(m) + ";";
    ASSERT_EQ(buildWithCli(folder, "d", source + "\n").exitCode, 0);
    EXPECT_EQ(runCli({"check", folder.file("d")}).exitCode, 0);
    const RunResult dump = runCli({"dump", folder.file("d")});
    std::size_t records = 0;
    for (std::size_t at = dump.out.find("\nDLOUHÉ@"); at != std::string::npos;
         at = dump.out.find("\nDLOUHÉ@", at + 1))
        ++records;
    EXPECT_GT(records, 1u);
    EXPECT_NE(dump.out.find("význam číslo 19;\n"), std::string::npos);
}

TEST(CliBuild, BadSourceNamesTheLineAndWritesNothing) {
    TempFolder folder;
    writeFile(folder.file("d.dat"), "old");
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"A@x;\nB@y;\nno at sign\n", "line 3"},
        {"A@x;\n@y;\n", "line 2"},
        {"# comment\nA@ω;\n", "line 2"},
        {"A@x;\nB@" + std::string(90, 'y') + ";\n", "line 2"},
    };
    for (const auto& [source, line] : faults) {
        const RunResult result = buildWithCli(folder, "d", source);
        EXPECT_EQ(result.exitCode, 1) << source;
        EXPECT_NE(result.err.find(line), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("d.txt"), std::string::npos) << result.err;
        EXPECT_EQ(readFile(folder.file("d.dat")), "old");
        EXPECT_EQ(folder.listing(), (std::vector<std::string>{"d.dat", "d.txt"}));
    }
}

TEST(CliBuild, UnreadableSourceOrTooLongHeaderFail) {
    TempFolder folder;
    const RunResult missing = runCli({"build", folder.file("none.txt"), folder.file("d")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.txt"), std::string::npos);

    const RunResult header = buildWithCli(folder, "d", "A@b;\n", std::string(81, 'h'));
    EXPECT_EQ(header.exitCode, 2);
    EXPECT_EQ(folder.listing(), std::vector<std::string>{"d.txt"});
}

TEST(CliBuild, DefaultHeaderIsADate) {
    TempFolder folder;
    writeFile(folder.file("s.txt"), "A@b;\n");
    ASSERT_EQ(runCli({"build", folder.file("s.txt"), folder.file("d")}).exitCode, 0);
    const std::string header = runCli({"dump", folder.file("d")}).out;
    EXPECT_EQ(std::count(header.begin(), header.end(), '.'), 2) << header;
}

TEST(CliDump, ShowsEveryRecordAsTextWithLongLengthBytesCut) {
    TempFolder folder;
    std::string words = std::string(1, '\x03') + "H" + cp("ř") + "X" + std::string(77, 'z');
    words += std::string(1, '\xFF') + std::string(80, 'w'); // length above 80: taken as 80
    words += "partial";                                     // no whole record: ignored
    writeFile(folder.file("d.dat"), words);
    const RunResult dump = runCli({"dump", folder.file("d")});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out, "HřX\n" + std::string(80, 'w') + "\n");

    const RunResult missing = runCli({"dump", folder.file("none")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.dat"), std::string::npos);
}

} // namespace
} // namespace zadrovec::clitest
