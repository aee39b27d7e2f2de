// The per-user settings folder and the start-up copy of the settings file beside the program.
#include "settings/profile.h"
#include "settings/settingsfolder.h"
#include "tests/settings/filehelpers.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using zadrovec::testing::entriesOf;
using zadrovec::testing::readBytes;
using zadrovec::testing::saveString;
using zadrovec::testing::ScopedEnvironment;
using zadrovec::testing::TempFolder;
using zadrovec::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

TEST(SettingsFolder, LiesInXdgConfigHomeAndIsCreated) {
    TempFolder home;
    const ScopedEnvironment config("XDG_CONFIG_HOME", (home / "config").string());
    EXPECT_EQ(SettingsFolder(), home / "config" / "zadrovec");
    EXPECT_TRUE(fs::is_directory(home / "config" / "zadrovec"));
    EXPECT_EQ(SettingsFilePath(), home / "config" / "zadrovec" / "zadrovec.ini");
}

TEST(SettingsFolder, FallsBackToDotConfigInHome) {
    TempFolder home;
    const ScopedEnvironment homeVariable("HOME", home.path().string());
    {
        const ScopedEnvironment unset("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(SettingsFolder(), home / ".config" / "zadrovec");
    }
    {
        const ScopedEnvironment empty("XDG_CONFIG_HOME", "");
        EXPECT_EQ(SettingsFolder(), home / ".config" / "zadrovec");
    }
    {
        const ScopedEnvironment relative("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(SettingsFolder(), home / ".config" / "zadrovec");
    }
    EXPECT_TRUE(fs::is_directory(home / ".config" / "zadrovec"));
}

class StartUpCopy : public ::testing::Test {
protected:
    TempFolder root;
    ScopedEnvironment config{"XDG_CONFIG_HOME", (root / "config").string()};
    fs::path programFolder = root / "program";
    fs::path shipped = programFolder / "zadrovec.ini";
    fs::path target = root / "config" / "zadrovec" / "zadrovec.ini";

    void SetUp() override { fs::create_directory(programFolder); }
};

TEST_F(StartUpCopy, SeedsTheSettingsFileOnceAndNeverOverwritesIt) {
    const std::string seed = "[Menu]\r\nacHlavniMesta_Caption=Hlavn\xED m\x9Ds\r\n";
    writeBytes(shipped, seed);
    CopySettingsFileAtStart(programFolder);
    EXPECT_EQ(readBytes(target), seed);
    EXPECT_EQ(entriesOf(target.parent_path()), std::set<std::string>{"zadrovec.ini"});

    saveString("Menu", "FormVersion", "0", target);
    writeBytes(shipped, "[Menu]\r\nchanged=1\r\n");
    CopySettingsFileAtStart(programFolder);
    EXPECT_EQ(readBytes(target), seed + "FormVersion=0\r\n");
    EXPECT_EQ(readBytes(shipped), "[Menu]\r\nchanged=1\r\n"); // the shipped copy is only read
}

TEST_F(StartUpCopy, MakesAReadOnlySettingsFileWritableByItsOwner) {
    writeBytes(shipped, "[S]\r\n");
    fs::permissions(shipped, fs::perms::owner_read | fs::perms::group_read);
    CopySettingsFileAtStart(programFolder);
    EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);

    fs::permissions(target, fs::perms::owner_read);
    CopySettingsFileAtStart(programFolder); // at every start, copied or not
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(shipped).permissions(), fs::perms::owner_read | fs::perms::group_read);
}

TEST_F(StartUpCopy, MissingSourceIsSilentAndCreatesNothing) {
    EXPECT_NO_THROW(CopySettingsFileAtStart(programFolder));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(entriesOf(target.parent_path()).empty());
    EXPECT_NO_THROW(CopySettingsFileAtStart(root / "no such folder"));
}

TEST_F(StartUpCopy, UnusableSettingsFolderIsSilent) {
    writeBytes(shipped, "[S]\r\n");
    writeBytes(root / "config", "a file where the folder should be");
    EXPECT_NO_THROW(CopySettingsFileAtStart(programFolder));
    EXPECT_EQ(readBytes(root / "config"), "a file where the folder should be");
    EXPECT_THROW(saveString("S", "k", "v", SettingsFilePath()), ProfileWriteError);
}

} // namespace
