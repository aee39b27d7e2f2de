// Settings files of the sizes a user can meet: tens of megabytes, and lines of a megabyte.
#include "settings/profile.h"
#include "tests/settings/filehelpers.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using zadrovec::testing::readBytes;
using zadrovec::testing::saveString;
using zadrovec::testing::TempFolder;
using zadrovec::testing::writeBytes;

namespace {

class LargeSettingsFile : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder / "zadrovec.ini";
};

} // namespace

TEST_F(LargeSettingsFile, FiftyMegabytesAreReadAndWrittenKeepingEveryOtherByte) {
    std::string bytes;
    bytes.reserve(51 << 20);
    for (int section = 0; bytes.size() < (50u << 20); ++section) {
        bytes += "[Section" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 100; ++key)
            bytes += "Key" + std::to_string(key) + "=value of a setting\r\n";
    }
    bytes += "[Last]\r\nWanted=found\r\n";
    writeBytes(file, bytes);

    EXPECT_EQ(ReadProfileString("last", "wanted", "", file), "found");
    EXPECT_EQ(ReadProfileString("Section7", "Key99", "", file), "value of a setting");
    EXPECT_EQ(ReadProfileString("Missing", "Key1", "default", file), "default");

    saveString("Last", "Wanted", "changed", file);
    const std::string after = readBytes(file);
    const std::size_t at = bytes.size() - std::string("found\r\n").size();
    ASSERT_EQ(after.size(), at + std::string("changed\r\n").size());
    EXPECT_EQ(after.compare(0, at, bytes, 0, at), 0);
    EXPECT_EQ(after.substr(at), "changed\r\n");
}

TEST_F(LargeSettingsFile, MegabyteLinesAreReadAndLongValuesCut) {
    const std::string longComment = "; " + std::string(1 << 20, 'c');
    const std::string longValue(1 << 20, 'v');
    const std::string longKey(1 << 20, 'k');
    const std::string bytes =
        longComment + "\r\n[Main]\r\nLong=" + longValue + "\r\n" + longKey + "=1\r\nShort=2\r\n";
    writeBytes(file, bytes);

    EXPECT_EQ(ReadProfileString("Main", "Long", "", file), std::string(2047, 'v'));
    EXPECT_EQ(ReadProfileString("Main", longKey, "", file), "1");
    EXPECT_EQ(ReadProfileString("Main", "Short", "", file), "2");

    saveString("Main", "New", "3", file);
    EXPECT_EQ(readBytes(file), bytes + "New=3\r\n");
    EXPECT_EQ(ReadProfileString("Main", "Long", "", file), std::string(2047, 'v'));
}
