// Integers and Booleans: how a value becomes a number and how numbers are written.
#include "settings/profile.h"
#include "tests/settings/filehelpers.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using zadrovec::testing::readBytes;
using zadrovec::testing::saveBool;
using zadrovec::testing::saveInteger;
using zadrovec::testing::TempFolder;
using zadrovec::testing::writeBytes;

namespace {

class ProfileNumber : public ::testing::Test {
protected:
    // The integer a file holding "[S]" and "n=" followed by value gives, with default -99.
    int integerOf(std::string_view value) {
        writeBytes(file, "[S]\r\nn=" + std::string(value) + "\r\n");
        return ReadProfileInteger("S", "n", -99, file);
    }

    TempFolder folder;
    std::filesystem::path file = folder / "zadrovec.ini";
};

TEST_F(ProfileNumber, DecimalIntegers) {
    EXPECT_EQ(integerOf("42"), 42);
    EXPECT_EQ(integerOf("-17"), -17);
    EXPECT_EQ(integerOf("+5"), 5);
    EXPECT_EQ(integerOf("  007 "), 7);
    EXPECT_EQ(integerOf("\"8\""), 8); // read as text first, so quotes go
    EXPECT_EQ(integerOf("2147483647"), 2147483647);
    EXPECT_EQ(integerOf("-2147483648"), -2147483647 - 1);
}

TEST_F(ProfileNumber, TextWithMoreThanANumberIsNoInteger) {
    EXPECT_EQ(integerOf("12px"), -99);
    EXPECT_EQ(integerOf("3,4"), -99);
    EXPECT_EQ(integerOf("-0x10"), -99); // a sign before "0x" makes it decimal
}

TEST_F(ProfileNumber, TextThatIsNoIntegerGivesTheDefault) {
    EXPECT_EQ(integerOf(""), -99);
    EXPECT_EQ(integerOf("abc"), -99);
    EXPECT_EQ(integerOf("-"), -99);
    EXPECT_EQ(integerOf("--5"), -99);
    EXPECT_EQ(integerOf("+-5"), -99);
    EXPECT_EQ(integerOf("2147483648"), -99);
    EXPECT_EQ(integerOf("-2147483649"), -99);
    EXPECT_EQ(integerOf("99999999999999999999999"), -99);
    EXPECT_EQ(ReadProfileInteger("S", "missing", 7, file), 7);
    EXPECT_EQ(ReadProfileInteger("S", "n", 7, folder / "none.ini"), 7);
}

TEST_F(ProfileNumber, HexadecimalAfter0x) {
    EXPECT_EQ(integerOf("0x1A"), 26);
    EXPECT_EQ(integerOf("0X1a"), 26);
    EXPECT_EQ(integerOf("0x7FFFFFFF"), 2147483647);
    EXPECT_EQ(integerOf("0xFFFFFFFF"), -1); // all 32 bits, as a signed number
    EXPECT_EQ(integerOf("0x1G"), -99);
    EXPECT_EQ(integerOf("0xZZ"), -99);
    EXPECT_EQ(integerOf("0x100000000"), -99);
    EXPECT_EQ(integerOf("0x"), -99); // two characters only: read as decimal, and no number
}

TEST_F(ProfileNumber, IntegersAndBooleansAreWrittenAsDecimalText) {
    saveInteger("S", "negative", -5, file);
    saveInteger("S", "large", 2147483647, file);
    saveBool("S", "Visible", true, file);
    saveBool("S", "Hidden", false, file);
    EXPECT_EQ(readBytes(file),
              "[S]\r\nnegative=-5\r\nlarge=2147483647\r\nVisible=1\r\nHidden=0\r\n");
    EXPECT_EQ(ReadProfileInteger("S", "negative", 0, file), -5);
    saveBool("S", "visible", false, file);
    EXPECT_EQ(ReadProfileInteger("S", "Visible", 7, file), 0);
}

} // namespace
