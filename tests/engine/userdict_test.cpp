// The user dictionary file uziv.dat: where it lies, how its lines split, opening it, creating it
// when it is missing, and that the user's file is never changed.
#include "engine/dictionary/userdict.h"
#include "tests/engine/fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace zadrovec;
using namespace zadrovec::testing;
namespace fs = std::filesystem;

namespace {

using Kind = RecordedMessages::Kind;
using Texts = std::vector<std::string>;

const std::string kNoFolder =
    cp("Nebyla zadána cesta k uživatelskému slovníku (menu Nástroje/Nastavení).");
const std::string kCreated = cp("Nebyl nalezen uživatelský slovník, bude vytvořen nový.");

class UserDictionaryFile : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedMessages messages;
    UserDictionary dictionary{messages};
    Texts headwords;
    Texts meanings;

    fs::path file() const { return folder.path() / "uziv.dat"; }
    void load(const std::string& dictionaryFolder) {
        LoadUserDictionary(dictionary, dictionaryFolder, headwords, meanings);
    }
    void load() { load(folder.path().string()); }
};

} // namespace

TEST(UserDictionaryPath, TheFileNameFollowsTheFolderWithOneSeparator) {
    EXPECT_EQ(UserDictionaryPath("/home/eva/slovnik"), "/home/eva/slovnik/uziv.dat");
    EXPECT_EQ(UserDictionaryPath("/home/eva/slovnik/"), "/home/eva/slovnik/uziv.dat");
    EXPECT_EQ(UserDictionaryPath("/"), "/uziv.dat");
    EXPECT_EQ(UserDictionaryPath("C:\\DATA"), "C:\\DATA/uziv.dat");
}

TEST_F(UserDictionaryFile, AFolderEndingWithABackslashGetsTheFileInsideIt) {
    // A backslash is an ordinary character of a name: the file goes into that folder, not
    // beside it under the name "slovnik\uziv.dat".
    EXPECT_EQ(UserDictionaryPath("/home/eva/slovnik\\"), "/home/eva/slovnik\\/uziv.dat");
    const fs::path inner = folder.path() / "slovnik\\";
    fs::create_directory(inner);
    load(inner.string());
    EXPECT_TRUE(fs::exists(inner / "uziv.dat"));
    EXPECT_FALSE(fs::exists(folder.path() / "slovnik\\uziv.dat"));
}

TEST(UserDictionaryLine, SplitsAtTheFirstAt) {
    const std::string line = cp("PES@ZVÍŘE;HLÍDAČ;");
    auto entry = SplitUserDictionaryLine(line);
    EXPECT_EQ(entry.headword, "PES");
    EXPECT_EQ(entry.meaningsText, cp("ZVÍŘE;HLÍDAČ;"));
    entry = SplitUserDictionaryLine("A@B@C;");
    EXPECT_EQ(entry.headword, "A");
    EXPECT_EQ(entry.meaningsText, "B@C;");
    entry = SplitUserDictionaryLine("PES@");
    EXPECT_EQ(entry.headword, "PES");
    EXPECT_EQ(entry.meaningsText, "");
    entry = SplitUserDictionaryLine("BEZ ZAVINACE;");
    EXPECT_EQ(entry.headword, "");
    EXPECT_EQ(entry.meaningsText, "BEZ ZAVINACE;");
}

TEST(UserDictionaryMeanings, RemovingTakesTheFirstWholeMeaningOnly) {
    const auto removed = [](std::string text, std::string_view meaning) {
        RemoveWholeMeaning(text, meaning);
        return text;
    };
    EXPECT_EQ(removed("XAB;CD;AB;", "AB"), "XAB;CD;");
    EXPECT_EQ(removed("A;B;A;", "A"), "B;A;");
    EXPECT_EQ(removed("A;;B;", ""), "A;B;");
    EXPECT_EQ(removed("AB;", "A"), "AB;");
    // Text after the last ";" is no meaning.
    EXPECT_EQ(removed(cp("ZVÍŘE;HLÍDAČKOČKA;"), cp("KOČKA")), cp("ZVÍŘE;HLÍDAČKOČKA;"));
    EXPECT_EQ(removed("A;B", "B"), "A;B");
    EXPECT_EQ(removed("", ""), "");
}

TEST(UserDictionaryMeanings, TrimmingTakesBlanksAndControlCharactersFromBothEnds) {
    EXPECT_EQ(TrimBlanksAndControls(" \t PES  X\x01 \r"), "PES  X");
    EXPECT_EQ(TrimBlanksAndControls("    "), "");
    EXPECT_EQ(TrimBlanksAndControls("\xA0PES\xA0"), "\xA0PES\xA0"); // no-break space is no blank
}

TEST_F(UserDictionaryFile, LoadsEveryLineInFileOrderAndLeavesTheFileAsItWas) {
    const std::string bytes = cp("PES@ZVÍŘE;HLÍDAČ\r\n"
                                 "A@B@C;\r\n"
                                 "bez zavináče\n"
                                 "KOS@PTÁK;\r"
                                 "PES@A;;B;\r\n"
                                 "\x1A"
                                 "ZA@KONCEM;\r\n");
    writeBytes(file().string(), bytes);
    const auto written = fs::last_write_time(file());
    load(folder.path().string() + "/");
    EXPECT_EQ(headwords, (Texts{"PES", "A", "", "KOS", "PES"}));
    EXPECT_EQ(meanings,
              (Texts{cp("ZVÍŘE;HLÍDAČ"), "B@C;", cp("bez zavináče"), cp("PTÁK;"), "A;;B;"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readBytes(file()), bytes);
    EXPECT_EQ(fs::last_write_time(file()), written);
    EXPECT_FALSE(dictionary.file.isOpen());
}

TEST_F(UserDictionaryFile, AHundredThousandLinesAllArrive) {
    std::string bytes;
    for (int i = 0; i < 100'000; ++i)
        bytes += "SLOVO" + std::to_string(i) + "@V;\r\n";
    writeBytes(file().string(), bytes);
    load();
    ASSERT_EQ(headwords.size(), 100'000u);
    ASSERT_EQ(meanings.size(), 100'000u);
    EXPECT_EQ(headwords.front(), "SLOVO0");
    EXPECT_EQ(headwords.back(), "SLOVO99999");
    EXPECT_EQ(meanings.back(), "V;");
}

TEST_F(UserDictionaryFile, WithoutAFolderNothingIsOpenedAndTheUserIsTold) {
    load("");
    EXPECT_TRUE(headwords.empty());
    EXPECT_EQ(messages.shown, Texts{kNoFolder});
    EXPECT_EQ(messages.kinds, std::vector<Kind>{Kind::Error});
    EXPECT_FALSE(OpenUserDictionary(dictionary, ""));
}

TEST_F(UserDictionaryFile, AMissingFileIsCreatedEmptyAfterTheUserIsTold) {
    // The message must come while the file is still missing.
    struct WatchingMessages : RecordedMessages {
        fs::path watched;
        bool existedWhenTold = true;
        void showInformation(const std::string& text) override {
            existedWhenTold = fs::exists(watched);
            RecordedMessages::showInformation(text);
        }
    } watching;
    watching.watched = file();
    UserDictionary created(watching);
    EXPECT_FALSE(OpenUserDictionary(created, folder.path().string()));
    CloseUserDictionary(created);
    EXPECT_FALSE(watching.existedWhenTold);
    EXPECT_EQ(watching.shown, Texts{kCreated});
    EXPECT_EQ(watching.kinds, std::vector<Kind>{Kind::Information});
    ASSERT_TRUE(fs::is_regular_file(file()));
    EXPECT_EQ(fs::file_size(file()), 0u);

    // The next time it opens as an empty dictionary, without a word.
    load();
    EXPECT_TRUE(headwords.empty());
    EXPECT_TRUE(messages.shown.empty());
    CloseUserDictionary(dictionary); // closing twice is harmless
}

TEST_F(UserDictionaryFile, AFileThatCannotBeCreatedIsReportedWithTheSystemsReason) {
    const std::string missingFolder = folder.file("chybi");
    load(missingFolder);
    EXPECT_TRUE(headwords.empty());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0], kCreated);
    EXPECT_EQ(messages.kinds, (std::vector<Kind>{Kind::Information, Kind::Error}));
    EXPECT_NE(messages.shown[1].find(missingFolder + "/uziv.dat"), std::string::npos);
    EXPECT_NE(messages.shown[1].find(std::error_code(ENOENT, std::generic_category()).message()),
              std::string::npos);
    EXPECT_FALSE(fs::exists(missingFolder));

    // A file where the folder should be.
    writeBytes(folder.file("soubor"), "X");
    messages = {};
    load(folder.file("soubor"));
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(readBytes(folder.file("soubor")), "X");
}

TEST_F(UserDictionaryFile, AFileThatCannotBeReadIsNeitherReplacedNorTouched) {
    fs::create_directory(file()); // there, but no file to read
    fs::create_directory(file() / "uvnitr");
    load();
    EXPECT_TRUE(headwords.empty());
    EXPECT_EQ(messages.kinds, std::vector<Kind>{Kind::Error});
    EXPECT_TRUE(fs::is_directory(file() / "uvnitr"));
}

TEST_F(UserDictionaryFile, AFileWithoutReadPermissionIsNeitherReplacedNorTouched) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads any file";
    writeBytes(file().string(), "PES@A;\r\n");
    fs::permissions(file(), fs::perms::none);
    load();
    EXPECT_TRUE(headwords.empty());
    EXPECT_EQ(messages.kinds, std::vector<Kind>{Kind::Error});
    fs::permissions(file(), fs::perms::owner_read);
    EXPECT_EQ(readBytes(file()), "PES@A;\r\n");
}
