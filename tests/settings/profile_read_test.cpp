// Reading values: which lines hold keys, how names match, what a value looks like when it comes
// back, and the defaults.
#include "engine/text/cp1250.h"
#include "settings/profile.h"
#include "tests/settings/filehelpers.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using zadrovec::testing::TempFolder;
using zadrovec::testing::writeBytes;

namespace {

class ProfileRead : public ::testing::Test {
protected:
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue = "default") {
        return ReadProfileString(section, key, defaultValue, file);
    }

    TempFolder folder;
    std::filesystem::path file = folder / "zadrovec.ini";
};

TEST_F(ProfileRead, ValueIsTrimmedAndKeepsSemicolonsAndEqualSigns) {
    writeBytes(file, "[Main window]\r\n  Key1 =  a;b=c \t\r\nKey2=\r\n");
    EXPECT_EQ(read("Main window", "Key1"), "a;b=c");
    EXPECT_EQ(read("Main window", "Key2"), ""); // an empty value is no missing one
}

TEST_F(ProfileRead, NamesMatchWithoutRegardToCaseOrSurroundingBlanks) {
    writeBytes(file, Cp1250Literal("[Okno nalezených výrazů]\r\nPanel2_Width=231\r\n"
                                   "[Menu]\r\nacUziv_Hint=Uživatelský slovník\r\n"));
    EXPECT_EQ(read(Cp1250Literal("OKNO NALEZENÝCH VÝRAZŮ"), "panel2_WIDTH"), "231");
    EXPECT_EQ(read(" menu\t", "  ACUZIV_HINT "), Cp1250Literal("Uživatelský slovník"));
    EXPECT_EQ(read(Cp1250Literal("Okno nalezenych vyrazu"), "Panel2_Width"), "default");
}

TEST_F(ProfileRead, SectionHeaderNameIsTrimmedAndTextAfterBracketIgnored) {
    writeBytes(file, "  [  Window Postavy ]  ; comment ] here\r\nFlags=0\r\n");
    EXPECT_EQ(read("Window Postavy", "Flags"), "0");
}

TEST_F(ProfileRead, FirstSectionAndFirstKeyOfTheNameWin) {
    writeBytes(file, "[A]\r\nk=1\r\nK=2\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nonlyLater=5\r\n");
    EXPECT_EQ(read("A", "k"), "1");
    EXPECT_EQ(read("B", "k"), "3");
    EXPECT_EQ(read("A", "onlyLater"), "default"); // a repeated section is not looked at
}

TEST_F(ProfileRead, LinesThatHoldNoKey) {
    writeBytes(file, "before=1\r\n" // before the first section
                     "[S]\r\n"
                     ";comment=2\r\n"      // comment
                     "   ; indented=3\r\n" // comment after blanks
                     "noEqualSign\r\n"     // no "="
                     "[unclosed=4\r\n"     // no "]": an ordinary key line of [S]
                     "key=5\r\n");
    EXPECT_EQ(read("S", "before"), "default");
    EXPECT_EQ(read("S", ";comment"), "default");
    EXPECT_EQ(read("S", "; indented"), "default");
    EXPECT_EQ(read("S", "noEqualSign"), "default");
    EXPECT_EQ(read("S", "[unclosed"), "4");
    EXPECT_EQ(read("S", "key"), "5");
}

TEST_F(ProfileRead, OnePairOfEnclosingQuotesIsRemoved) {
    writeBytes(file, "[Q]\r\n"
                     "double=\"a b\"\r\n"
                     "single=  'a b'  \r\n"
                     "mixed=\"a b'\r\n"
                     "lone=\"\r\n"
                     "empty=''\r\n"
                     "twice=\"\"a\"\"\r\n"
                     "inner=a\"b\"\r\n");
    EXPECT_EQ(read("Q", "double"), "a b");
    EXPECT_EQ(read("Q", "single"), "a b");
    EXPECT_EQ(read("Q", "mixed"), "\"a b'");
    EXPECT_EQ(read("Q", "lone"), "\"");
    EXPECT_EQ(read("Q", "empty"), "");
    EXPECT_EQ(read("Q", "twice"), "\"a\"");
    EXPECT_EQ(read("Q", "inner"), "a\"b\"");
}

TEST_F(ProfileRead, AtMost2047CharactersComeBack) {
    const std::string longValue(3000, 'x');
    writeBytes(file, "[L]\r\nplain=" + longValue + "\r\nquoted=\"" + longValue + "\"\r\n" +
                         "exact=" + std::string(2047, 'y') + "\r\n");
    EXPECT_EQ(read("L", "plain"), std::string(2047, 'x'));
    EXPECT_EQ(read("L", "quoted"), std::string(2047, 'x')); // quotes go before the cut
    EXPECT_EQ(read("L", "exact"), std::string(2047, 'y'));
    EXPECT_EQ(read("L", "missing", longValue), std::string(2047, 'x'));
}

TEST_F(ProfileRead, DefaultsLoseTrailingSpacesOnly) {
    writeBytes(file, "[S]\r\nkey=value\r\n");
    EXPECT_EQ(read("S", "other", "  text  "), "  text");
    EXPECT_EQ(read("Other", "key", "text \t  "), "text \t");
    EXPECT_EQ(read("S", "other", "\"quoted\""), "\"quoted\""); // a default is not unquoted
    EXPECT_EQ(read("S", "other", "   "), "");
    EXPECT_EQ(ReadProfileString("S", "key", "none ", folder / "missing.ini"), "none");
}

TEST_F(ProfileRead, LineBreaksMayBeLfOrCrLf) {
    writeBytes(file, "[A]\nk=lf\n[B]\r\nk=crlf\r\n[C]\nk=last");
    EXPECT_EQ(read("A", "k"), "lf");
    EXPECT_EQ(read("B", "k"), "crlf");
    EXPECT_EQ(read("C", "k"), "last");
}

TEST_F(ProfileRead, BytesOfTheCodePageComeBackUnchanged) {
    const std::string value = "\x80\x8A\x9E\xA0\xE8\xFF\x01 mid";
    writeBytes(file, "[S]\r\nkey=" + value + "\r\n");
    EXPECT_EQ(read("S", "key"), value);
}

TEST_F(ProfileRead, FileIsReadAgainOnEveryCall) {
    writeBytes(file, "[S]\r\nkey=old\r\n");
    EXPECT_EQ(read("S", "key"), "old");
    writeBytes(file, "[S]\r\nkey=new\r\n");
    EXPECT_EQ(read("S", "key"), "new");
    std::filesystem::remove(file);
    EXPECT_EQ(read("S", "key"), "default");
}

} // namespace
