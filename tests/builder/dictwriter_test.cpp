// Writing a dictionary pair: the bytes of both files, and nothing half-done when writing fails.
#include "tests/common/clitest.h"
#include "tools/dictbuilder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zadrovec::build {
namespace {

using clitest::readFile;
using clitest::TempFolder;
using clitest::writeFile;

BuiltDictionary smallDictionary() {
    return buildDictionary({SourceEntry{"PES", {"hafan"}, 1}, SourceEntry{"A", {}, 2}}, "1.1.2000");
}

TEST(BuilderWrite, RecordsAreLengthByteTextAndZeroFiller) {
    TempFolder folder;
    writeDictionary(smallDictionary(), folder.file("d"));
    const std::string words = readFile(folder.file("d.dat"));
    ASSERT_EQ(words.size(), 3u * 81);
    const auto record = [&](std::size_t n) { return words.substr(81 * n, 81); };
    EXPECT_EQ(record(0), std::string(1, '\x08') + "1.1.2000" + std::string(72, '\0'));
    EXPECT_EQ(record(1), std::string(1, '\x02') + "A@" + std::string(78, '\0'));
    EXPECT_EQ(record(2), std::string(1, '\x0A') + "PES@hafan;" + std::string(70, '\0'));

    const std::string index = readFile(folder.file("d.idx"));
    const std::vector<unsigned char> expectedIndex = smallDictionary().index;
    EXPECT_EQ(index, std::string(expectedIndex.begin(), expectedIndex.end()));
    EXPECT_EQ(folder.listing(), (std::vector<std::string>{"d.dat", "d.idx"}));
}

TEST(BuilderWrite, ReplacesAnExistingPair) {
    TempFolder folder;
    writeFile(folder.file("d.dat"), "old words");
    writeFile(folder.file("d.idx"), "old index");
    writeDictionary(smallDictionary(), folder.file("d"));
    EXPECT_EQ(readFile(folder.file("d.dat")).size(), 3u * 81);
    EXPECT_EQ(readFile(folder.file("d.idx")).size(), 1'236'720u);
    EXPECT_EQ(folder.listing(), (std::vector<std::string>{"d.dat", "d.idx"}));
}

TEST(BuilderWrite, MissingFolderFailsNamingTheFileAndLeavesNothing) {
    TempFolder folder;
    const std::string base = folder.file("missing/d");
    try {
        writeDictionary(smallDictionary(), base);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(base + ".dat"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(folder.listing().empty());
}

TEST(BuilderWrite, FailureOnTheSecondFileKeepsTheOldFirstFile) {
    TempFolder folder;
    writeFile(folder.file("d.dat"), "old words");
    // A folder where the index should go: the index cannot be renamed into place.
    std::filesystem::create_directories(folder.path() / "d.idx" / "occupied");
    try {
        writeDictionary(smallDictionary(), folder.file("d"));
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("d.idx"), std::string::npos) << error.what();
    }
    EXPECT_EQ(readFile(folder.file("d.dat")), "old words");
    EXPECT_EQ(folder.listing(), (std::vector<std::string>{"d.dat", "d.idx"}));
}

TEST(BuilderWrite, FailureWithoutAnOldFirstFileLeavesNoneBehind) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "d.idx" / "occupied");
    EXPECT_THROW(writeDictionary(smallDictionary(), folder.file("d")), std::runtime_error);
    EXPECT_EQ(folder.listing(), std::vector<std::string>{"d.idx"});
}

} // namespace
} // namespace zadrovec::build
