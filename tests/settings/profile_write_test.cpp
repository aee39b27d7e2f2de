// Writing values: where a value, a key or a section goes, and that every other byte of the file
// stays as it was.
#include "engine/text/cp1250.h"
#include "settings/profile.h"
#include "tests/settings/filehelpers.h"

#include <gtest/gtest.h>
#include <random>

using namespace zadrovec;
using zadrovec::testing::readBytes;
using zadrovec::testing::saveString;
using zadrovec::testing::TempFolder;
using zadrovec::testing::writeBytes;

namespace {

class ProfileWrite : public ::testing::Test {
protected:
    // The file's bytes after writing key=value into a file that held before.
    std::string afterWrite(std::string_view before, std::string_view section, std::string_view key,
                           std::string_view value) {
        writeBytes(file, before);
        saveString(section, key, value, file);
        return readBytes(file);
    }

    TempFolder folder;
    std::filesystem::path file = folder / "zadrovec.ini";
};

TEST_F(ProfileWrite, ExistingKeyKeepsItsLineSpellingAndPlace) {
    EXPECT_EQ(afterWrite("; head\r\n[Main window]\r\n  SpinEdit1_Value = 5 \r\nOther=1\r\n",
                         "main WINDOW", "spinedit1_value", "7"),
              "; head\r\n[Main window]\r\n  SpinEdit1_Value =7\r\nOther=1\r\n");
    // The line break of the line stays what it was.
    EXPECT_EQ(afterWrite("[A]\nk=1\nm=2\n", "A", "k", "long value"), "[A]\nk=long value\nm=2\n");
    EXPECT_EQ(afterWrite("[A]\r\nk=1", "A", "k", ""), "[A]\r\nk=");
}

TEST_F(ProfileWrite, AccentedNamesFindTheirKeyWithoutRegardToCase) {
    const std::string before = Cp1250Literal("[Okno nalezených výrazů]\r\nPanel2_Width=231\r\n");
    EXPECT_EQ(afterWrite(before, Cp1250Literal("OKNO NALEZENÝCH VÝRAZŮ"), "PANEL2_width", "300"),
              Cp1250Literal("[Okno nalezených výrazů]\r\nPanel2_Width=300\r\n"));
}

TEST_F(ProfileWrite, NewKeyFollowsTheLastKeyLineOfItsSection) {
    EXPECT_EQ(afterWrite("[A]\r\nk=1\r\n; note\r\n\r\n[B]\r\nx=1\r\n", "A", "j", "2"),
              "[A]\r\nk=1\r\nj=2\r\n; note\r\n\r\n[B]\r\nx=1\r\n");
    // Comments and lines without "=" are no key lines; the header is the last line then.
    EXPECT_EQ(afterWrite("k=0\r\n[A]\r\n;k=1\r\nk\r\n\r\n[B]\r\n", "A", "k", "2"),
              "k=0\r\n[A]\r\nk=2\r\n;k=1\r\nk\r\n\r\n[B]\r\n");
    // In an LF-only file the new line still ends with CR LF; the others keep LF.
    EXPECT_EQ(afterWrite("[A]\nk=1\n[B]\n", "A", "j", "2"), "[A]\nk=1\nj=2\r\n[B]\n");
}

TEST_F(ProfileWrite, NewKeyAfterALastLineWithoutLineBreak) {
    EXPECT_EQ(afterWrite("[A]\r\nk=1", "A", "j", "2"), "[A]\r\nk=1\r\nj=2\r\n");
    EXPECT_EQ(afterWrite("[A]", "a", "j", "2"), "[A]\r\nj=2\r\n");
}

TEST_F(ProfileWrite, RepeatedSectionOnlyTheFirstIsWritten) {
    EXPECT_EQ(afterWrite("[A]\r\nk=1\r\n[B]\r\n[A]\r\nk=2\r\nj=3\r\n", "A", "j", "9"),
              "[A]\r\nk=1\r\nj=9\r\n[B]\r\n[A]\r\nk=2\r\nj=3\r\n");
}

TEST_F(ProfileWrite, NewSectionIsAppendedWithoutBlankLine) {
    EXPECT_EQ(afterWrite("[A]\r\nk=1\r\n", "Menu", "acHlavni_Caption", "x"),
              "[A]\r\nk=1\r\n[Menu]\r\nacHlavni_Caption=x\r\n");
    EXPECT_EQ(afterWrite("[A]\r\nk=1", "B", "j", "2"), "[A]\r\nk=1\r\n[B]\r\nj=2\r\n");
    EXPECT_EQ(afterWrite("[A]\n\n", "B", "j", "2"), "[A]\n\n[B]\r\nj=2\r\n");
    EXPECT_EQ(afterWrite("", "B", "j", "2"), "[B]\r\nj=2\r\n");
}

TEST_F(ProfileWrite, MissingFileIsCreatedWithTrimmedNames) {
    saveString(" Menu ", " acHlavni_Caption\t", Cp1250Literal("Hlavní"), file);
    EXPECT_EQ(readBytes(file), Cp1250Literal("[Menu]\r\nacHlavni_Caption=Hlavní\r\n"));
}

TEST_F(ProfileWrite, ValueIsWrittenVerbatimAndReadsBackByTheReadRules) {
    const std::string quoted = "\"\"caption\"\"";
    EXPECT_EQ(afterWrite("[Menu]\r\n", "Menu", "k", quoted), "[Menu]\r\nk=" + quoted + "\r\n");
    EXPECT_EQ(ReadProfileString("Menu", "k", "", file), "\"caption\"");
    EXPECT_EQ(afterWrite("[Menu]\r\n", "Menu", "k", "  a;b  "), "[Menu]\r\nk=  a;b  \r\n");
    EXPECT_EQ(ReadProfileString("Menu", "k", "", file), "a;b");
}

TEST_F(ProfileWrite, ArbitraryBytesAroundAreKept) {
    std::mt19937 random(1250);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise)
        c = static_cast<char>(random() & 0xFF);
    std::erase(noise, '['); // no section header may arise by chance
    const std::string before = "[S]\r\nk=old\r\n" + noise;

    const std::string afterNew = afterWrite(before, "New", "key", "v");
    const std::string lineBreak = noise.back() == '\n' ? "" : "\r\n";
    EXPECT_EQ(afterNew, before + lineBreak + "[New]\r\nkey=v\r\n");

    const std::string afterReplace = afterWrite(afterNew, "S", "k", "new");
    EXPECT_EQ(afterReplace, "[S]\r\nk=new\r\n" + noise + lineBreak + "[New]\r\nkey=v\r\n");
    EXPECT_EQ(ReadProfileString("New", "key", "", file), "v");
}

TEST_F(ProfileWrite, SuccessiveWritesBuildTheSectionInOrder) {
    saveString("Main window", "FormVersion", "0", file);
    saveString("Main window", "Flags", "0", file);
    saveString("Menu", "FormVersion", "0", file);
    saveString("Main window", "ShowCmd", "3", file);
    saveString("MAIN WINDOW", "flags", "2", file);
    EXPECT_EQ(readBytes(file), "[Main window]\r\nFormVersion=0\r\nFlags=2\r\nShowCmd=3\r\n"
                               "[Menu]\r\nFormVersion=0\r\n");
}

} // namespace
