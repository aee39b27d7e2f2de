#include "tests/common/clitest.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zadrovec::clitest {

namespace {
template <typename Bytes> Slot readSlot(const Bytes& image, std::size_t offset) {
    std::uint32_t value = 0;
    for (int b = 3; b >= 0; --b)
        value = value << 8 | static_cast<unsigned char>(image.at(offset + 4 + b));
    return {static_cast<unsigned char>(image.at(offset)), static_cast<std::int32_t>(value)};
}
} // namespace

Slot slotAt(const std::vector<unsigned char>& image, std::size_t offset) {
    return readSlot(image, offset);
}
Slot slotAt(const std::string& image, std::size_t offset) {
    return readSlot(image, offset);
}

void setRecordNumber(std::string& image, std::size_t slotOffset, std::int32_t record) {
    const auto value = static_cast<std::uint32_t>(record);
    for (int b = 0; b < 4; ++b)
        image.at(slotOffset + 4 + b) = static_cast<char>(value >> (8 * b));
}

RunResult runProgram(const std::string& program, const std::vector<std::string>& args) {
    TempFolder capture;
    const std::string outPath = capture.file("out");
    const std::string errPath = capture.file("err");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStrings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + program);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    }
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

std::string cliPath() {
    return ZADROVEC_CLI;
}

RunResult runCli(const std::vector<std::string>& args) {
    return runProgram(cliPath(), args);
}

RunResult buildWithCli(const TempFolder& folder, const std::string& name, const std::string& source,
                       const std::string& header) {
    writeFile(folder.file(name + ".txt"), source);
    return runCli({"build", folder.file(name + ".txt"), folder.file(name), "--header", header});
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

bool hasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

Found searchWithCli(const std::string& data, const std::string& name, const std::string& text,
                    int select) {
    const RunResult run =
        runCli({"--data", data, "search", name, text, "--select", std::to_string(select)});
    EXPECT_EQ(run.exitCode, 0) << name << " " << text << ": " << run.err;
    Found found;
    bool meanings = false;
    for (const std::string& line : lines(run.out)) {
        if (line == "--")
            meanings = true;
        else
            (meanings ? found.meanings : found.headwords).push_back(line);
    }
    return found;
}

} // namespace zadrovec::clitest
