// Reading the user's text files line by line: line breaks of every kind, Ctrl+Z, long lines
// and what cannot be read at all.
#include "engine/files/textfile.h"
#include "tests/engine/fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

class TextFiles : public ::testing::Test {
protected:
    TempFolder folder;

    std::vector<std::string> linesOf(std::string_view bytes) {
        const std::string path = folder.file("text.dat");
        writeBytes(path, bytes);
        TextFile file;
        EXPECT_FALSE(file.open(path));
        std::vector<std::string> lines;
        for (std::string line; file.readLine(line);)
            lines.push_back(line);
        return lines;
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(TextFiles, CrLfCrAndLoneLfEachEndOneLine) {
    EXPECT_EQ(linesOf("A\r\nB\rC\nD"), (Lines{"A", "B", "C", "D"}));
    // CR takes one LF with it, no more; a CR after a CR is an empty line.
    EXPECT_EQ(linesOf("A\r\n\nB\r\rC"), (Lines{"A", "", "B", "", "C"}));
    EXPECT_EQ(linesOf("A\n\rB"), (Lines{"A", "", "B"}));
    // The break of the last line makes no empty line after it; an empty line before it stays.
    EXPECT_EQ(linesOf("A\r\n"), (Lines{"A"}));
    EXPECT_EQ(linesOf("A\r\n\r\n"), (Lines{"A", ""}));
    EXPECT_EQ(linesOf("\r\n"), (Lines{""}));
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST_F(TextFiles, CtrlZEndsTheFileWhereverItStands) {
    EXPECT_EQ(linesOf("A\r\nB\x1A"
                      "C\r\nD\r\n"),
              (Lines{"A", "B"}));
    EXPECT_EQ(linesOf("A\r\n\x1A\r\nB"), (Lines{"A"}));
    EXPECT_EQ(linesOf("A\r\x1A\nB"), (Lines{"A"}));
    EXPECT_EQ(linesOf("\x1A"
                      "A"),
              Lines{});
}

TEST_F(TextFiles, EveryOtherByteIsKeptAsItIs) {
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        if (c != '\r' && c != '\n' && c != 26) bytes += static_cast<char>(c);
    EXPECT_EQ(linesOf(bytes + "\r\n" + bytes), (Lines{bytes, bytes}));
}

TEST_F(TextFiles, LinesHaveNoLengthLimitAndBreaksMayStraddleReads) {
    // Lines around the size of one read, so that a CR falls on the last byte of a read and its
    // LF on the first byte of the next one.
    for (std::size_t length : {65'534u, 65'535u, 65'536u, 1'000'000u}) {
        const std::string line(length, 'X');
        EXPECT_EQ(linesOf(line + "\r\nB"), (Lines{line, "B"})) << length;
    }
}

TEST_F(TextFiles, WhatIsNoReadableFileCannotBeOpened) {
    TextFile file;
    EXPECT_EQ(file.open(folder.file("missing.dat")), std::errc::no_such_file_or_directory);
    EXPECT_EQ(file.open(folder.path().string()), std::errc::is_a_directory);
    // A named pipe without a writer would block the program for ever.
    const std::string pipe = folder.file("pipe.dat");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(file.open(pipe), std::errc::invalid_argument);
    EXPECT_FALSE(file.isOpen());
    std::string line = "old";
    EXPECT_FALSE(file.readLine(line));
    EXPECT_EQ(line, "");
}
