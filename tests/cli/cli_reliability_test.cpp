// zadrovec-cli under hostile conditions: output that cannot be written, a reader that goes away,
// outputs that are the input, interrupted builds, huge or endless sources, damaged files and
// record bytes that would drive a terminal.
#include "tests/common/clitest.h"

#include <chrono>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace zadrovec::clitest {
namespace {

namespace fs = std::filesystem;

RunResult shell(const std::string& script) {
    return runProgram("/bin/bash", {"-c", script});
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// A source of n entries, enough to fill a pipe many times over when printed.
std::string manyEntries(int n) {
    std::string source;
    for (int i = 0; i < n; ++i)
        source += "SLOVO" + std::to_string(i) + "@význam číslo " + std::to_string(i) + ";\n";
    return source;
}

bool hasTemporaries(const TempFolder& folder) {
    for (const std::string& name : folder.listing())
        if (name.find(".tmp-") != std::string::npos || name.find(".old-") != std::string::npos)
            return true;
    return false;
}

class CliOutput : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(buildWithCli(folder, "d", manyEntries(5000)).exitCode, 0); }
    std::string cli() const { return quoted(cliPath()); }
    std::string base() const { return quoted(folder.file("d")); }
    std::string data() const { return quoted(folder.path().string()); }
    TempFolder folder;
};

TEST_F(CliOutput, AFullDiskOrAClosedOutputIsAWriteErrorWithStatusOne) {
    const RunResult full = shell(cli() + " dump " + base() + " >/dev/full");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "zadrovec-cli: write error: No space left on device\n");

    const RunResult closed = shell(cli() + " --data " + data() + " search d slovo1 >&-");
    EXPECT_EQ(closed.exitCode, 1);
    EXPECT_EQ(closed.err, "zadrovec-cli: write error: Bad file descriptor\n");

    // A short output reaches the disk only at the final flush: that is checked too.
    for (const std::string& command : std::vector<std::string>{
             " check " + base(), " --data " + data() + " info d", std::string(" --help"),
             " --data " + data() + " find slovo1 --json"}) {
        const RunResult result = shell(cli() + command + " >/dev/full");
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(result.err.ends_with("zadrovec-cli: write error: No space left on device\n"))
            << command << result.err;
    }
}

TEST_F(CliOutput, AReaderThatStopsEarlyEndsTheProgramQuietlyBySigpipe) {
    for (const std::string& prefix : {std::string(), std::string("trap '' PIPE; ")}) {
        const RunResult result =
            shell(prefix + cli() + " dump " + base() + " 2>" + quoted(folder.file("err")) +
                  " | head -1; echo \"${PIPESTATUS[0]}\"");
        EXPECT_EQ(result.out, "1.2.2024\n141\n") << prefix;
        EXPECT_EQ(readFile(folder.file("err")), "") << prefix;
    }
}

TEST(CliCheck, ProblemsAreStreamedTheFirstThousandListedAndTheRestCounted) {
    TempFolder folder;
    ASSERT_EQ(buildWithCli(folder, "d", "A@1;\n").exitCode, 0);
    // 1,500 records without "@" after the header: one problem each.
    std::string words = readFile(folder.file("d.dat")).substr(0, 81);
    for (int i = 0; i < 1500; ++i)
        words += std::string(1, '\1') + "A" + std::string(79, '\0');
    writeFile(folder.file("d.dat"), words);
    const RunResult result = runCli({"check", folder.file("d")});
    EXPECT_EQ(result.exitCode, 1);
    std::size_t lines = 0;
    for (const char c : result.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 1000u + 2u);
    EXPECT_NE(result.out.find("record 1000: no \"@\""), std::string::npos);
    EXPECT_EQ(result.out.find("record 1001: no \"@\""), std::string::npos);
    EXPECT_TRUE(result.out.ends_with("\n... and 501 more\n1501 problem(s) found\n")) << result.out;
}

TEST(CliCheck, AnEmptyWordFileIsToldAsSuch) {
    TempFolder folder;
    ASSERT_EQ(buildWithCli(folder, "d", "A@1;\n").exitCode, 0);
    writeFile(folder.file("d.dat"), "");
    const RunResult result = runCli({"check", folder.file("d")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("d.dat: an empty file (0 bytes), not even a header record"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("record 1 given, but there are no word records"), std::string::npos);
    EXPECT_EQ(result.out.find("to -1"), std::string::npos) << result.out;

    writeFile(folder.file("d.dat"), std::string(50, '\0'));
    EXPECT_NE(runCli({"check", folder.file("d")})
                  .out.find("d.dat: 50 bytes, less than a record, not even a header record"),
              std::string::npos);
}

TEST(CliMessages, FilesThatCannotBeUsedAreNamedWithTheReason) {
    TempFolder folder;
    fs::create_directory(folder.file("dir.dat"));
    const RunResult directory = runCli({"dump", folder.file("dir")});
    EXPECT_EQ(directory.exitCode, 1);
    EXPECT_EQ(directory.err, "zadrovec-cli: " + folder.file("dir.dat") + ": is a directory\n");

    const RunResult missing = runCli({"check", folder.file("none")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "zadrovec-cli: " + folder.file("none.dat") +
                               ": cannot be opened: No such file or directory\n");

    const RunResult source = runCli({"build", folder.file("none.txt"), folder.file("out")});
    EXPECT_EQ(source.exitCode, 1);
    EXPECT_EQ(source.err, "zadrovec-cli: " + folder.file("none.txt") +
                              ": cannot be opened: No such file or directory\n");

    writeFile(folder.file("locked.txt"), "A@1;\n");
    ::chmod(folder.file("locked.txt").c_str(), 0);
    // The superuser may read any file: the tool then runs as an unprivileged user.
    const bool root = ::geteuid() == 0;
    if (root && !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "needs setpriv to drop privileges";
    if (root) ::chmod(folder.path().c_str(), 0755);
    const RunResult locked =
        root ? runProgram("/usr/bin/setpriv",
                          {"--reuid=nobody", "--regid=nogroup", "--clear-groups", cliPath(),
                           "build", folder.file("locked.txt"), folder.file("out")})
             : runCli({"build", folder.file("locked.txt"), folder.file("out")});
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.err, "zadrovec-cli: " + folder.file("locked.txt") +
                              ": cannot be opened: Permission denied\n");
}

TEST(CliBuildSafety, AnOutputThatIsTheSourceIsRefusedBeforeAnythingIsRead) {
    TempFolder folder;
    const std::string source = "A@1;\n";
    writeFile(folder.file("s.dat"), source);
    writeFile(folder.file("s.txt"), source);
    fs::create_hard_link(folder.file("s.txt"), folder.file("link.idx"));
    fs::create_symlink(folder.file("s.txt"), folder.file("sym"));

    for (const auto& [input, out] : std::vector<std::pair<std::string, std::string>>{
             {"s.dat", "s"}, {"s.txt", "link"}, {"sym", "link"}}) {
        const RunResult result = runCli({"build", folder.file(input), folder.file(out)});
        EXPECT_EQ(result.exitCode, 1) << input;
        EXPECT_NE(result.err.find("is the source"), std::string::npos) << result.err;
    }
    const RunResult catalogue =
        runCli({"build-catalogue", folder.file("s.txt"), folder.file("sym")});
    EXPECT_EQ(catalogue.exitCode, 1);
    EXPECT_EQ(catalogue.err, "zadrovec-cli: " + folder.file("sym") + ": is the source " +
                                 folder.file("s.txt") + "; it would be overwritten\n");
    EXPECT_EQ(readFile(folder.file("s.dat")), source);
    EXPECT_EQ(readFile(folder.file("s.txt")), source);
    EXPECT_EQ(folder.listing(), (std::vector<std::string>{"link.idx", "s.dat", "s.txt", "sym"}));
}

TEST(CliBuildSafety, SourcesThatAreNoRegularFileOrHaveAnEndlessLineAreRefused) {
    TempFolder folder;
    for (const char* special : {"/dev/zero", "/dev/null"}) {
        const RunResult result = runCli({"build", special, folder.file("out")});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err,
                  std::string("zadrovec-cli: ") + special + ": is not a regular file\n");
        const RunResult catalogue = runCli({"build-catalogue", special, folder.file("p.dat")});
        EXPECT_EQ(catalogue.exitCode, 1);
    }
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(runCli({"build", folder.file("pipe"), folder.file("out")}).exitCode, 1);

    // A megabyte is the longest line; one byte more names its line.
    writeFile(folder.file("long.txt"), "A@1;\n#" + std::string((1 << 20) - 1, 'x') + "\nB@2;\n" +
                                           std::string((1 << 20) + 1, 'y') + "\n");
    const RunResult result = runCli({"build", folder.file("long.txt"), folder.file("out")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "zadrovec-cli: " + folder.file("long.txt") +
                              ": line 4: longer than 1048576 bytes; no entry needs as much\n");
    EXPECT_EQ(folder.listing(), (std::vector<std::string>{"long.txt", "pipe"}));
}

TEST(CliBuildSafety, AHeaderWithAnAtSignIsRefused) {
    TempFolder folder;
    const RunResult result = buildWithCli(folder, "d", "A@1;\n", "DATUM@HLAVIČKA;");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("--header: holds \"@\""), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(folder.file("d.dat")));
}

TEST(CliBuildSafety, StaleTemporariesOfThisToolAreRemovedByTheNextBuild) {
    TempFolder folder;
    // A process number that no process has: the highest one the kernel can give, plus one.
    const std::string gone = "4194305";
    const std::string alive = std::to_string(::getpid());
    for (const std::string& name : std::vector<std::string>{
             "d.dat.tmp-" + gone + "-0", "d.idx.tmp-" + gone + "-3", "d.dat.old-" + gone,
             "d.dat.tmp-" + alive + "-0", std::string("d.dat.tmp-x-0"), "e.dat.tmp-" + gone + "-0",
             std::string("d.dat.tmp-")})
        writeFile(folder.file(name), "half");
    ASSERT_EQ(buildWithCli(folder, "d", "A@1;\n").exitCode, 0);
    EXPECT_EQ(
        folder.listing(),
        (std::vector<std::string>{"d.dat", "d.dat.tmp-", "d.dat.tmp-" + alive + "-0",
                                  "d.dat.tmp-x-0", "d.idx", "d.txt", "e.dat.tmp-" + gone + "-0"}));
}

TEST(CliBuildSafety, AnInterruptedBuildLeavesNoTemporaryFile) {
    TempFolder folder;
    writeFile(folder.file("big.txt"), manyEntries(400'000));
    for (const int signal : {SIGTERM, SIGINT}) {
        const std::string out = folder.file("out");
        std::string program = cliPath();
        std::string build = "build", source = folder.file("big.txt"), outBase = out;
        char* argv[] = {program.data(), build.data(), source.data(), outBase.data(), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);
        // Waits until the build writes its temporary files, then interrupts it.
        bool seen = false;
        for (int wait = 0; wait < 20'000 && !seen; ++wait) {
            seen = hasTemporaries(folder);
            if (!seen) std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        ::kill(pid, signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!seen || !WIFSIGNALED(status)) {
            // The build ended before it could be caught writing: nothing to judge this time.
            fs::remove(out + ".dat");
            fs::remove(out + ".idx");
            continue;
        }
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_FALSE(hasTemporaries(folder)) << ::testing::PrintToString(folder.listing());
        EXPECT_FALSE(fs::exists(out + ".dat"));
    }
}

TEST(CliTerminal, ControlCharactersOfRecordsAreShownEscapedInText) {
    TempFolder folder;
    ASSERT_EQ(buildWithCli(folder, "d", "PES@red\x1b[31mdog;\nPESEK@bell\x07;\n").exitCode, 0);
    // A NUL put into a record by hand.
    std::string words = readFile(folder.file("d.dat"));
    const std::size_t bell = words.find('\x07');
    ASSERT_NE(bell, std::string::npos);
    words[bell] = '\0';
    writeFile(folder.file("d.dat"), words);

    const RunResult dump = runCli({"dump", folder.file("d")});
    EXPECT_EQ(dump.out, "1.2.2024\nPES@red\\x1B[31mdog;\nPESEK@bell\\x00;\n");
    const RunResult search = runCli({"--data", folder.path().string(), "search", "d", "pes"});
    EXPECT_EQ(search.out, "PES\nPESEK\n--\nred\\x1B[31mdog\n");
    const RunResult json =
        runCli({"--data", folder.path().string(), "search", "d", "pes", "--json"});
    EXPECT_NE(json.out.find("red\\u001b[31mdog"), std::string::npos) << json.out;
    EXPECT_EQ(json.out.find('\x1b'), std::string::npos);

    // The solver's lists, and a message that quotes what the user typed.
    ASSERT_EQ(buildWithCli(folder, "hlavni", "PES@red\x1b[31mdog;\n").exitCode, 0);
    const RunResult clues = runCli({"--data", folder.path().string(), "clues", "pes"});
    EXPECT_EQ(clues.out, "RED\\x1B[31MDOG\thlavni\n");
    const RunResult typed = runCli({"--data", folder.path().string(), "solve", "A\x01"});
    EXPECT_EQ(typed.exitCode, 2);
    EXPECT_NE(typed.err.find("\\x01"), std::string::npos) << typed.err;
    EXPECT_EQ(typed.err.find('\x01'), std::string::npos);
}

} // namespace
} // namespace zadrovec::clitest
