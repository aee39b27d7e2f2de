// build-catalogue and characters: the catalogue file made from a UTF-8 source, then the
// characters window's filters and clicks from a terminal, as text and as JSON.
#include "tests/common/clitest.h"

#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

constexpr std::size_t kRecord = 151;

const std::string kSource = "# díla\n"
                            "Čapek Karel@R.U.R.@Domin;Helena;\n"
                            "\n"
                            "Čapek Karel@Krakatit@Prokop;Tomeš\r\n"
                            "čapek josef@Povídání o pejskovi a kočičce@Pejsek;Kočička;\n"
                            "Marlowe@Doktor Faustus@Faustus;Wagner;\n"
                            "Mann Thomas@Doktor Faustus@Zeitblom;\n";

RunResult buildCatalogue(const TempFolder& folder, const std::string& source,
                         std::vector<std::string> extra = {"--header", "1.1.2024"}) {
    writeFile(folder.file("postavy.txt"), source);
    std::vector<std::string> args = {"build-catalogue", folder.file("postavy.txt"),
                                     folder.file("postavy.dat")};
    args.insert(args.end(), extra.begin(), extra.end());
    return runCli(args);
}

std::string recordText(const std::string& file, std::size_t record) {
    const std::string bytes = file.substr(record * kRecord, kRecord);
    return bytes.substr(1, static_cast<unsigned char>(bytes[0]));
}

class CliCharacters : public ::testing::Test {
protected:
    void SetUp() override {
        const RunResult built = buildCatalogue(folder_, kSource);
        ASSERT_EQ(built.exitCode, 0) << built.err;
    }

    RunResult characters(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data", folder_.path().string(), "characters"});
        return runCli(args);
    }

    TempFolder folder_;
};

TEST_F(CliCharacters, BuildWritesHeaderAndOneRecordPerLineInWindows1250) {
    const std::string file = readFile(folder_.file("postavy.dat"));
    ASSERT_EQ(file.size(), 6 * kRecord);
    EXPECT_EQ(recordText(file, 0), "1.1.2024");
    EXPECT_EQ(recordText(file, 1), cp("Čapek Karel@R.U.R.@Domin;Helena;"));
    // The line end is dropped and the last name gets its ";".
    EXPECT_EQ(recordText(file, 2), cp("Čapek Karel@Krakatit@Prokop;Tomeš;"));
    EXPECT_EQ(recordText(file, 5), "Mann Thomas@Doktor Faustus@Zeitblom;");
    // The filler after the text is zero bytes.
    const std::size_t length = cp("Čapek Karel@R.U.R.@Domin;Helena;").size();
    EXPECT_EQ(file.substr(kRecord + 1 + length, kRecord - 1 - length),
              std::string(kRecord - 1 - length, '\0'));
}

TEST_F(CliCharacters, AuthorFilterPrintsAuthorsWorksOfTheFirstAndItsFirstWorksCast) {
    const RunResult result = characters({"--author", "č"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "ČAPEK JOSEF\nČAPEK KAREL\n--\nPOVÍDÁNÍ O PEJSKOVI A KOČIČCE\n--\n"
                          "KOČIČKA\nPEJSEK\n");

    EXPECT_EQ(characters({"--author", "č", "--click-author", "1"}).out,
              "ČAPEK JOSEF\nČAPEK KAREL\n--\nKRAKATIT\nR.U.R.\n--\nPROKOP\nTOMEŠ\n");
    EXPECT_EQ(characters({"--author", "nikdo"}).out, "--\n--\n");
}

TEST_F(CliCharacters, TitleFilterAndClickListTheTitlesAuthors) {
    EXPECT_EQ(characters({"--title", "d"}).out,
              "MANN THOMAS\nMARLOWE\n--\nDOKTOR FAUSTUS\n--\nFAUSTUS\nWAGNER\nZEITBLOM\n");
    EXPECT_EQ(characters({"--author", "ma", "--click-title", "0"}).out,
              "MANN THOMAS\nMARLOWE\n--\nDOKTOR FAUSTUS\n--\nFAUSTUS\nWAGNER\nZEITBLOM\n");
    EXPECT_EQ(characters({"--author", "č", "--click-author", "1", "--click-title", "1"}).exitCode,
              2);
}

TEST_F(CliCharacters, JsonHoldsStatusTheThreeListsAndTheWorkingRows) {
    const RunResult result = characters({"--json", "--author", "mar"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "{\"status\":\"Počet slov: 5\",\"authors\":[\"MARLOWE\"],"
                          "\"titles\":[\"DOKTOR FAUSTUS\"],"
                          "\"characters\":[\"FAUSTUS\",\"WAGNER\"],"
                          "\"working\":[[\"MARLOWE\",\"DOKTOR FAUSTUS\",\"FAUSTUS;WAGNER;\"]]}\n");
}

TEST_F(CliCharacters, BadCommandLinesAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--author", "a", "--title", "b"},
        {"--author", "č", "--click-author", "2"},
        {"--author", "č", "--click-author", "-1"},
        {"--title", "d", "--click-title", "x"},
        {"--author", "a", "--select", "0"},
        {"--author", "a", "extra"},
        {"--author", "ж"},
    };
    for (const auto& args : bad) {
        const RunResult result = characters(args);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(result.out.empty()) << ::testing::PrintToString(args);
    }
}

TEST(CliCharactersCatalogue, HelpDocumentsBothCommandsAndTheirOptions) {
    const RunResult help = runCli({"--help"});
    for (const char* word :
         {"characters (--author TEXT | --title TEXT)", "--click-author I", "--click-title I",
          "build-catalogue SOURCE OUT", "AUTHOR@TITLE@NAME;NAME;"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    const RunResult characters = runCli({"characters", "--help"});
    EXPECT_EQ(characters.exitCode, 0);
    for (const char* word : {"--author TEXT", "--click-title I", "\"working\""})
        EXPECT_NE(characters.out.find(word), std::string::npos) << word;
    const RunResult catalogue = runCli({"build-catalogue", "--help"});
    EXPECT_NE(catalogue.out.find("without \"@\""), std::string::npos) << catalogue.out;
}

TEST(CliCharactersCatalogue, MissingCatalogueFailsWithTheWindowsMessage) {
    TempFolder folder;
    const RunResult result =
        runCli({"--data", folder.path().string(), "characters", "--author", "a"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Tento slovník nebyl nalezen.\n");
    EXPECT_TRUE(result.out.empty());
}

TEST(CliBuildCatalogue, FaultyLinesAreNamedAndNothingIsWritten) {
    TempFolder folder;
    writeFile(folder.file("postavy.dat"), "old");
    const std::string longLine = "A@B@" + std::string(146, 'x') + ";"; // 151 bytes
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"A@B@C;\n" + longLine + "\n", "line 2: "},
        {"A@B@C;\n\n# x\nbez titulu@C;\n", "line 4: "},
        {"A@B@\xC5\xBE;\nA@B@\xD0\xB6;\n", "line 2: "}, // ž fits, the Cyrillic letter does not
    };
    for (const auto& [source, line] : faults) {
        const RunResult result = buildCatalogue(folder, source);
        EXPECT_EQ(result.exitCode, 1) << line;
        EXPECT_NE(result.err.find(line), std::string::npos) << result.err;
        EXPECT_EQ(readFile(folder.file("postavy.dat")), "old");
    }
    EXPECT_EQ(folder.listing(), (std::vector<std::string>{"postavy.dat", "postavy.txt"}));

    // 150 bytes fit, and the header may not hold "@".
    const std::string fullLine = "A@B@" + std::string(145, 'x') + ";";
    EXPECT_EQ(buildCatalogue(folder, fullLine + "\n").exitCode, 0);
    EXPECT_EQ(readFile(folder.file("postavy.dat")).size(), 2 * kRecord);
    EXPECT_EQ(buildCatalogue(folder, "A@B@C;\n", {"--header", "a@b"}).exitCode, 2);
}

} // namespace
} // namespace zadrovec::clitest
