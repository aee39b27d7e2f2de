// Writes that cannot happen, what they leave behind, and files far larger than any settings
// file should be.
#include "settings/profile.h"
#include "tests/settings/filehelpers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zadrovec;
using zadrovec::testing::entriesOf;
using zadrovec::testing::readBytes;
using zadrovec::testing::saveBool;
using zadrovec::testing::saveInteger;
using zadrovec::testing::saveString;
using zadrovec::testing::TempFolder;
using zadrovec::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

// The text of the error a write into file raised, or "" when it raised none.
std::string writeError(const fs::path& file) {
    try {
        saveString("S", "k", "v", file);
    } catch (const ProfileWriteError& error) {
        return error.what();
    }
    return "";
}

TEST(ProfileFailure, UnwritableFolderRaisesTheErrorNamingTheFile) {
    TempFolder folder;
    writeBytes(folder / "plain-file", "x");
    const fs::path underFile = folder / "plain-file" / "zadrovec.ini";
    const fs::path inMissingFolder = folder / "missing" / "zadrovec.ini";

    EXPECT_EQ(writeError(underFile), "Unable to write to zadrovec.ini");
    EXPECT_EQ(writeError(inMissingFolder), "Unable to write to zadrovec.ini");
    EXPECT_THROW(saveInteger("S", "k", 1, underFile), ProfileWriteError);
    EXPECT_THROW(saveBool("S", "k", true, inMissingFolder), ProfileWriteError);
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"plain-file"});
    EXPECT_EQ(readBytes(folder / "plain-file"), "x");
    // Reading the same paths quietly gives the default.
    EXPECT_EQ(ReadProfileString("S", "k", "d", underFile), "d");
}

TEST(ProfileFailure, AFolderInPlaceOfTheFileIsNeitherReadNorReplaced) {
    TempFolder folder;
    fs::create_directory(folder / "zadrovec.ini");
    EXPECT_EQ(writeError(folder / "zadrovec.ini"), "Unable to write to zadrovec.ini");
    EXPECT_TRUE(fs::is_directory(folder / "zadrovec.ini"));
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"zadrovec.ini"});
    EXPECT_EQ(ReadProfileString("S", "k", "d", folder / "zadrovec.ini"), "d");
}

TEST(ProfileFailure, ANamedPipeInPlaceOfTheFileIsNeitherWaitedForNorReplaced) {
    // Opening a pipe for reading waits until something writes into it: for ever, here.
    TempFolder folder;
    const fs::path pipe = folder / "zadrovec.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadProfileString("S", "k", "d", pipe), "d");
    EXPECT_EQ(writeError(pipe), "Unable to write to zadrovec.ini");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"zadrovec.ini"});
}

TEST(ProfileFailure, ReadOnlyFileIsRefusedAndKept) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write any file";
    TempFolder folder;
    const fs::path file = folder / "zadrovec.ini";
    writeBytes(file, "[S]\r\nk=old\r\n");
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(writeError(file), "Unable to write to zadrovec.ini");
    EXPECT_EQ(readBytes(file), "[S]\r\nk=old\r\n");
}

TEST(ProfileWriteInPlace, LeavesNoTemporaryFileAndKeepsPermissions) {
    TempFolder folder;
    const fs::path file = folder / "zadrovec.ini";
    writeBytes(file, "[S]\r\nk=old\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    for (int i = 0; i < 3; ++i)
        saveInteger("S", "k", i, file);
    EXPECT_EQ(readBytes(file), "[S]\r\nk=2\r\n");
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"zadrovec.ini"});
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ProfileWriteInPlace, SymbolicLinkStaysAndItsTargetChanges) {
    TempFolder folder;
    writeBytes(folder / "real.ini", "[S]\r\nk=old\r\n");
    fs::create_symlink("real.ini", folder / "zadrovec.ini");
    saveString("S", "k", "new", folder / "zadrovec.ini");
    EXPECT_TRUE(fs::is_symlink(folder / "zadrovec.ini"));
    EXPECT_EQ(readBytes(folder / "real.ini"), "[S]\r\nk=new\r\n");
    EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"real.ini", "zadrovec.ini"}));
}

TEST(ProfileHugeFile, FiftyMegabytesWithMegabyteLinesAreReadAndWrittenWhole) {
    TempFolder folder;
    const fs::path file = folder / "zadrovec.ini";
    std::string content;
    content.reserve(52'000'000);
    const std::string filler = "key=" + std::string(90, 'v') + "\r\n";
    for (int section = 0; content.size() < 50'000'000; ++section) {
        content += "[S" + std::to_string(section) + "]\r\n";
        for (int line = 0; line < 100; ++line)
            content += filler;
    }
    content += "[Last]\r\nhuge=" + std::string(1'000'000, 'h') + "\r\n" +
               std::string(1'000'000, '=') + "\r\nafter=1\r\n";
    writeBytes(file, content);

    EXPECT_EQ(ReadProfileString("Last", "huge", "", file), std::string(2047, 'h'));
    EXPECT_EQ(ReadProfileString("Last", "after", "", file), "1");
    EXPECT_EQ(ReadProfileString("Nowhere", "k", "d", file), "d");

    saveString("Last", "new", "2", file);
    saveString("S0", "key", "changed", file);
    const std::string after = readBytes(file);
    ASSERT_EQ(after.size(), content.size() + (7 - 90) + std::string("new=2\r\n").size());
    EXPECT_EQ(after.substr(0, 10), "[S0]\r\nkey=");
    EXPECT_EQ(after.compare(10, 9, "changed\r\n"), 0);
    EXPECT_EQ(after.compare(19, content.size() - 10 - 92, content, 10 + 92), 0);
    EXPECT_TRUE(after.ends_with("\r\nafter=1\r\nnew=2\r\n"));
}

} // namespace
