// Whose file a save leaves, symbolic and hard links to the settings file, line breaks that must
// never reach it, and the temporary files a crash leaves behind.
#include "settings/profile.h"
#include "settings/settingsfolder.h"
#include "tests/settings/filehelpers.h"

#include <array>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zadrovec;
using zadrovec::testing::entriesOf;
using zadrovec::testing::readBytes;
using zadrovec::testing::saveString;
using zadrovec::testing::ScopedEnvironment;
using zadrovec::testing::TempFolder;
using zadrovec::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

constexpr const char* kNotRoot = "needs the superuser to hand files to another user";

struct Account {
    uid_t uid;
    gid_t gid;
};

// The unprivileged account the owner cases hand their files to.
Account unprivileged() {
    const passwd* user = ::getpwnam("nobody");
    return user ? Account{user->pw_uid, user->pw_gid} : Account{65534, 65534};
}

struct stat statusOf(const fs::path& file) {
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
    return status;
}

// Runs body in a child process as the unprivileged account; its result is the exit status.
int asUnprivileged(const std::function<bool()>& body) {
    const Account account = unprivileged();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(account.gid) == 0 &&
                             ::setuid(account.uid) == 0;
        ::_exit(dropped ? (body() ? 0 : 1) : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

bool writeRaisesTheError(const fs::path& file) {
    try {
        saveString("S", "k", "new", file);
    } catch (const ProfileWriteError& error) {
        return std::string(error.what()) == "Unable to write to zadrovec.ini";
    }
    return false;
}

// A folder others may enter and write, as a home folder shared with the test's other user.
void openToEveryone(const fs::path& folder) {
    fs::permissions(folder, fs::perms::all);
}

TEST(SettingsOwner, ASaveByTheSuperuserKeepsTheUsersOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << kNotRoot;
    TempFolder folder;
    const fs::path file = folder / "zadrovec.ini";
    writeBytes(file, "[S]\r\nk=old\r\n");
    const Account user = unprivileged();
    ASSERT_EQ(::chown(file.c_str(), user.uid, user.gid), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);

    saveString("S", "k", "new", file);
    const struct stat after = statusOf(file);
    EXPECT_EQ(readBytes(file), "[S]\r\nk=new\r\n");
    EXPECT_EQ(after.st_uid, user.uid);
    EXPECT_EQ(after.st_gid, user.gid);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"zadrovec.ini"});
}

TEST(SettingsOwner, AFileWhoseOwnerCannotBeKeptIsNotReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << kNotRoot;
    // The superuser's file, writable by everyone, in a folder everyone may write: another
    // user could replace it, but it would then become that user's file.
    TempFolder folder;
    openToEveryone(folder.path());
    const fs::path file = folder / "zadrovec.ini";
    writeBytes(file, "[S]\r\nk=old\r\n");
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);

    EXPECT_EQ(asUnprivileged([&] { return writeRaisesTheError(file); }), 0);
    EXPECT_EQ(readBytes(file), "[S]\r\nk=old\r\n");
    EXPECT_EQ(statusOf(file).st_uid, 0u);
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"zadrovec.ini"});
}

class SettingsLink : public ::testing::Test {
protected:
    TempFolder root;
    fs::path settings = root / "settings";
    fs::path dotfiles = root / "dotfiles";
    fs::path link = settings / "zadrovec.ini";
    fs::path real = dotfiles / "zadrovec.ini";

    void SetUp() override {
        fs::create_directory(settings);
        fs::create_directory(dotfiles);
    }
};

TEST_F(SettingsLink, ALinkIntoAnotherFolderIsFollowedAndItsTargetReplacedThere) {
    writeBytes(real, "[S]\r\nk=old\r\n");
    fs::create_symlink(real, link);
    EXPECT_EQ(ReadProfileString("S", "k", "", link), "old");
    saveString("S", "k", "new", link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), real);
    EXPECT_EQ(readBytes(real), "[S]\r\nk=new\r\n");
    EXPECT_EQ(entriesOf(settings), std::set<std::string>{"zadrovec.ini"});
    EXPECT_EQ(entriesOf(dotfiles), std::set<std::string>{"zadrovec.ini"});
}

TEST_F(SettingsLink, ALinkToAReadOnlyFileGetsTheOwnersWriteBitAtStartAndNothingElse) {
    const ScopedEnvironment config("XDG_CONFIG_HOME", root.path().string());
    const fs::path configured = root / "zadrovec" / "zadrovec.ini";
    fs::create_directory(root / "zadrovec");
    writeBytes(real, "[S]\r\nk=old\r\n");
    ASSERT_EQ(::chmod(real.c_str(), 0400), 0);
    fs::create_symlink("../dotfiles/zadrovec.ini", configured);

    CopySettingsFileAtStart(root / "no program folder");
    EXPECT_TRUE(fs::is_symlink(configured));
    EXPECT_EQ(statusOf(real).st_mode & 07777, 0600u);
    saveString("S", "k", "new", configured);
    EXPECT_EQ(readBytes(real), "[S]\r\nk=new\r\n");
    EXPECT_EQ(statusOf(real).st_mode & 07777, 0600u);
    EXPECT_TRUE(fs::is_symlink(configured));
}

TEST_F(SettingsLink, ADanglingLinkReadsAsNoFileAndTheSaveCreatesTheFileItNames) {
    fs::create_symlink("../dotfiles/zadrovec.ini", link);
    EXPECT_EQ(ReadProfileString("S", "k", "default", link), "default");
    saveString("S", "k", "new", link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(real), "[S]\r\nk=new\r\n");
    EXPECT_EQ(entriesOf(settings), std::set<std::string>{"zadrovec.ini"});

    // A link to a missing folder, and a loop of links, fail as any unwritable file does.
    fs::remove(link);
    fs::create_symlink("../nowhere/zadrovec.ini", link);
    EXPECT_THROW(saveString("S", "k", "v", link), ProfileWriteError);
    fs::remove(link);
    fs::create_symlink("zadrovec.ini", link);
    EXPECT_THROW(saveString("S", "k", "v", link), ProfileWriteError);
    EXPECT_TRUE(fs::is_symlink(link));
}

TEST_F(SettingsLink, ALinkToAnotherUsersFileKeepsThatOwnerOrIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << kNotRoot;
    const Account user = unprivileged();
    writeBytes(real, "[S]\r\nk=old\r\n");
    fs::create_symlink(real, link);
    ASSERT_EQ(::chown(real.c_str(), user.uid, user.gid), 0);
    saveString("S", "k", "new", link);
    EXPECT_EQ(statusOf(real).st_uid, user.uid);
    EXPECT_EQ(readBytes(real), "[S]\r\nk=new\r\n");

    // The other way round: the superuser's file behind the user's link stays untouched.
    ASSERT_EQ(::chown(real.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(real.c_str(), 0644), 0);
    openToEveryone(root.path());
    openToEveryone(settings);
    openToEveryone(dotfiles);
    EXPECT_EQ(asUnprivileged([&] { return writeRaisesTheError(link); }), 0);
    EXPECT_EQ(readBytes(real), "[S]\r\nk=new\r\n");
    EXPECT_EQ(statusOf(real).st_uid, 0u);
    EXPECT_EQ(entriesOf(dotfiles), std::set<std::string>{"zadrovec.ini"});
}

TEST_F(SettingsLink, AHardLinkKeepsTheOldContentAsASeparateCopy) {
    writeBytes(real, "[S]\r\nk=old\r\n");
    fs::create_hard_link(real, link);
    saveString("S", "k", "new", link);
    EXPECT_EQ(readBytes(link), "[S]\r\nk=new\r\n");
    EXPECT_EQ(readBytes(real), "[S]\r\nk=old\r\n");
}

TEST(SettingsLineBreaks, AValueKeyOrSectionWithALineBreakIsNeverWritten) {
    TempFolder folder;
    const fs::path file = folder / "zadrovec.ini";
    const std::string before = "[Main window]\r\nCesta_k_uzivatelskemu_slovniku_Caption=/a\r\n";
    writeBytes(file, before);
    for (const char* injected : {"/b\r\n[Menu]\r\nacHlavni_Caption=X", "/b\n[Menu]", "/b\rX"}) {
        EXPECT_THROW(
            saveString("Main window", "Cesta_k_uzivatelskemu_slovniku_Caption", injected, file),
            ProfileWriteError)
            << injected;
        EXPECT_THROW(saveString("Main window", injected, "1", file), ProfileWriteError);
        EXPECT_THROW(saveString(injected, "k", "1", file), ProfileWriteError);
    }
    // In a save of several keys, one bad value stops the save: nothing of it is written.
    ProfileEdit edit(file);
    edit.writeString("Main window", "FormVersion", "0");
    EXPECT_THROW(
        edit.writeString("Main window", "Cesta_k_uzivatelskemu_slovniku_Caption", "/b\n[Menu]"),
        ProfileWriteError);
    EXPECT_EQ(readBytes(file), before);
    // Other control characters stay a value's own business, as they always were.
    saveString("S", "k", std::string("a\tb\x01", 4), file);
    EXPECT_EQ(ReadProfileString("S", "k", "", file), std::string("a\tb\x01", 4));
}

void setModified(const fs::path& file, std::time_t seconds, long nanoseconds) {
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

TEST(SettingsReread, AnUnchangedFileIsNotReadAgainButAnyChangeIsSeen) {
    TempFolder folder;
    const fs::path file = folder / "zadrovec.ini";
    writeBytes(file, "[S]\r\nk=one\r\n");
    setModified(file, 1'700'000'000, 5);
    EXPECT_EQ(ReadProfileString("S", "k", "", file), "one");

    // The same bytes count, changed in place with the size and time put back: not read again.
    {
        std::FILE* in = std::fopen(file.c_str(), "r+");
        ASSERT_NE(in, nullptr);
        std::fseek(in, 7, SEEK_SET);
        std::fputs("two", in);
        std::fclose(in);
    }
    setModified(file, 1'700'000'000, 5);
    EXPECT_EQ(ReadProfileString("S", "k", "", file), "one");
    // One nanosecond later is another file.
    setModified(file, 1'700'000'000, 6);
    EXPECT_EQ(ReadProfileString("S", "k", "", file), "two");
    // So is another size with the same time, and another inode.
    writeBytes(file, "[S]\r\nk=three\r\n");
    setModified(file, 1'700'000'000, 6);
    EXPECT_EQ(ReadProfileString("S", "k", "", file), "three");
    saveString("S", "k", "fou", file);
    setModified(file, 1'700'000'000, 6);
    EXPECT_EQ(ReadProfileString("S", "k", "", file), "fou");
    fs::remove(file);
    EXPECT_EQ(ReadProfileString("S", "k", "gone", file), "gone");
}

TEST(SettingsReread, SectionsBeyondTheIndexedOnesAreStillFound) {
    TempFolder folder;
    const fs::path file = folder / "zadrovec.ini";
    std::string text = "[Dup]\r\nk=first\r\n";
    for (int i = 0; i < 5000; ++i)
        text += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    text += "[dup]\r\nk=second\r\n[Late]\r\nk=late\r\n[S4999]\r\nk=again\r\n";
    writeBytes(file, text);
    EXPECT_EQ(ReadProfileString("s0", "K", "", file), "0");
    EXPECT_EQ(ReadProfileString("S4999", "k", "", file), "4999"); // the first one wins
    EXPECT_EQ(ReadProfileString("DUP", "k", "", file), "first");
    EXPECT_EQ(ReadProfileString(" Late ", "k", "", file), "late");
    EXPECT_EQ(ReadProfileString("Missing", "k", "d", file), "d");
}

class StaleTemporaries : public ::testing::Test {
protected:
    TempFolder root;
    ScopedEnvironment config{"XDG_CONFIG_HOME", root.path().string()};
    fs::path folder = root / "zadrovec";

    void SetUp() override { fs::create_directory(folder); }

    fs::path makeFile(const std::string& name, fs::file_time_type modified) {
        writeBytes(folder / name, "[S]\r\nk=half");
        fs::last_write_time(folder / name, modified);
        return folder / name;
    }
};

TEST_F(StaleTemporaries, OnlyOldUnheldFilesOfTheSavesPatternAreRemovedAtStart) {
    using namespace std::chrono_literals;
    const auto past = fs::file_time_type::clock::now() - 1h;
    const auto future = fs::file_time_type::clock::now() + 1h;
    writeBytes(folder / "zadrovec.ini", "[S]\r\nk=whole\r\n");
    makeFile(".zadrovec.ini.0a1b2c3d", past);
    makeFile(".zadrovec.ini.FFFFFFFF", past);
    makeFile(".zadrovec.ini.12345678", future); // written after the start: a save of another run
    const fs::path held = makeFile(".zadrovec.ini.aaaaaaaa", past);
    for (const char* other :
         {".zadrovec.ini.1234567", ".zadrovec.ini.123456789", ".zadrovec.ini.1234567g",
          "zadrovec.ini.12345678", ".other.ini.12345678", ".zadrovec.ini.tmp-1-0"})
        makeFile(other, past);
    fs::create_directory(folder / ".zadrovec.ini.bbbbbbbb");

    // A save in progress holds its temporary file locked.
    const int fd = ::open(held.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    CopySettingsFileAtStart(root / "no program folder");
    ::close(fd);

    EXPECT_EQ(entriesOf(folder),
              (std::set<std::string>{"zadrovec.ini", ".zadrovec.ini.12345678",
                                     ".zadrovec.ini.aaaaaaaa", ".zadrovec.ini.1234567",
                                     ".zadrovec.ini.123456789", ".zadrovec.ini.1234567g",
                                     "zadrovec.ini.12345678", ".other.ini.12345678",
                                     ".zadrovec.ini.tmp-1-0", ".zadrovec.ini.bbbbbbbb"}));
    EXPECT_EQ(readBytes(folder / "zadrovec.ini"), "[S]\r\nk=whole\r\n");
}

TEST_F(StaleTemporaries, BehindALinkTheyAreRemovedBesideTheFileItNames) {
    using namespace std::chrono_literals;
    const auto past = fs::file_time_type::clock::now() - 1h;
    fs::create_directory(root / "dotfiles");
    writeBytes(root / "dotfiles" / "mine.ini", "[S]\r\n");
    fs::create_symlink("../dotfiles/mine.ini", folder / "zadrovec.ini");
    writeBytes(root / "dotfiles" / ".mine.ini.0000abcd", "x");
    fs::last_write_time(root / "dotfiles" / ".mine.ini.0000abcd", past);
    CopySettingsFileAtStart(root / "no program folder");
    EXPECT_EQ(entriesOf(root / "dotfiles"), std::set<std::string>{"mine.ini"});
}

} // namespace

namespace {

// The same writes, once as one save and once each on its own, must give the same bytes: a
// save finds its sections through an index that every write moves along.
TEST(SettingsSave, ManyWritesInOneSaveEqualTheSameWritesOneByOne) {
    std::string start = "; comment\r\n[A]\r\nk=1\r\n[b]\r\n[C]\r\nx=long value\r\n[a]\r\nk=dup\r\n";
    for (int i = 0; i < 4100; ++i) // more sections than the index keeps
        start += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    start += "[Tail]\r\nk=t";
    const std::vector<std::array<std::string, 3>> writes = {
        {"c", "X", ""}, // shorter: the sections after it move back
        {"S4000", "k", "changed"},
        {"A", "k", "a much longer value than before"},
        {"B", "new", "1"},
        {"A", "k2", "2"},
        {"New", "k", "n"},
        {"S4099", "k", "changed"},
        {"Tail", "k", "t2"},
        {"Tail", "k3", "3"},
        {"S5000", "k", "appended"},
        {"new", "k2", "n2"},
        {"b", "new", "22"},
        {"S0", "added", "0"},
        {"s4099", "k", "again"},
        {"A", "k", ""},
        {"S1", "k", "after a shorter one"}};

    TempFolder folder;
    const fs::path together = folder / "together.ini";
    const fs::path apart = folder / "apart.ini";
    writeBytes(together, start);
    writeBytes(apart, start);
    ProfileEdit edit(together);
    for (const auto& [section, key, value] : writes) {
        edit.writeString(section, key, value);
        saveString(section, key, value, apart);
    }
    edit.commit();
    EXPECT_EQ(readBytes(together), readBytes(apart));
    EXPECT_EQ(ReadProfileString("new", "K2", "", together), "n2");
    EXPECT_EQ(ReadProfileString("S4099", "k", "", together), "again");
    EXPECT_EQ(ReadProfileString("S5000", "k", "", together), "appended");
}

} // namespace
