// info and search: the open dictionary and the main window's lists, as text and as JSON.
#include "tests/common/clitest.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

class CliSearch : public ::testing::Test {
protected:
    void SetUp() override {
        const RunResult built = buildWithCli(folder_, "zv",
                                             "kos@pták;černý pták;\n"
                                             "kočka@zvíře;mňau\n"
                                             "kos@jméno;pták;\n"
                                             "kostel@stavba;\n"
                                             "pes@zvíře;\n"
                                             "citát@řekl \"někdo\";a\\b;tab\there;\n"
                                             "ctrl@c1\xC2\x81"
                                             "del\x7f;\n",
                                             "1.2.2024");
        ASSERT_EQ(built.exitCode, 0) << built.err;
    }

    RunResult search(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data", folder_.path().string(), "search", "zv"});
        return runCli(args);
    }

    TempFolder folder_;
};

TEST_F(CliSearch, InfoShowsCountsAndHeader) {
    const RunResult info = runCli({"--data", folder_.path().string(), "info", "zv"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "records: 8\nwords: 7\nheader: 1.2.2024\n");
}

TEST_F(CliSearch, TextListsFoundWordsThenMeaningsOfTheFirst) {
    const RunResult result = search({"ko"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // Czech order: Č after C, so KOČKA before KOS before KOSTEL.
    EXPECT_EQ(result.out, "KOČKA\nKOS\nKOSTEL\n--\nmňau\nzvíře\n");
    EXPECT_TRUE(result.err.empty());
}

TEST_F(CliSearch, SelectShowsTheMergedMeaningsOfThatWord) {
    const RunResult result = search({"kos", "--select", "0"});
    EXPECT_EQ(result.out, "KOS\nKOSTEL\n--\nčerný pták\njméno\npták\n");
    EXPECT_EQ(search({"--select", "1", "kos"}).out, "KOS\nKOSTEL\n--\nstavba\n");
}

TEST_F(CliSearch, SelectBeyondTheFoundWordsIsAPlainFailure) {
    for (const std::string index : {"2", "99999999999"}) {
        const RunResult result = search({"kos", "--select", index});
        EXPECT_EQ(result.exitCode, 1) << index;
        EXPECT_EQ(result.err, "zadrovec-cli: --select " + index + ": 2 headword(s) found\n");
    }
    const RunResult negative = search({"kos", "--select", "-1"});
    EXPECT_EQ(negative.exitCode, 2); // no number of a list at all: a usage error
    EXPECT_NE(negative.err.find("Usage:"), std::string::npos);
}

TEST_F(CliSearch, JsonHoldsStatusFoundHitsAndMeanings) {
    const RunResult result = search({"kos", "--json"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, R"({"status":"Počet slov: 7","found":["KOS","KOSTEL"],)"
                          R"("hits":[["KOS","pták;černý pták;"],["KOS","jméno;pták;"],)"
                          R"(["KOSTEL","stavba;"]],"meanings":["černý pták","jméno","pták"]})"
                          "\n");
}

TEST_F(CliSearch, JsonEscapesQuotesBackslashesAndControls) {
    const RunResult result = search({"cit", "--json"});
    EXPECT_NE(result.out.find(R"("řekl \"někdo\";a\\b;tab\there;")"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find(R"("meanings":["a\\b","řekl \"někdo\"","tab\there"])"),
              std::string::npos)
        << result.out;
    EXPECT_NE(search({"ctr", "--json"}).out.find(R"(["CTRL","c1\u0081del\u007f;"])"),
              std::string::npos);
}

TEST_F(CliSearch, NoHitsGiveEmptyLists) {
    EXPECT_EQ(search({"x"}).out, "--\n");
    EXPECT_EQ(search({""}).out, "--\n");
    EXPECT_EQ(search({"kosa", "--json"}).out,
              R"({"status":"Počet slov: 7","found":[],"hits":[],"meanings":[]})"
              "\n");
}

TEST_F(CliSearch, TextStartingWithADashAfterTheEndOfOptions) {
    const RunResult result = search({"--", "-x"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "--\n");
}

TEST_F(CliSearch, MissingDictionaryShowsTheProgramsMessage) {
    for (const std::string command : {"search", "info"}) {
        std::vector<std::string> args = {"--data", folder_.path().string(), command, "hlavni"};
        if (command == "search") args.push_back("a");
        const RunResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "Tento slovník nebyl nalezen.\n");
        EXPECT_TRUE(result.out.empty());
    }
}

TEST_F(CliSearch, IoErrorShowsTheListsAsTheyStood) {
    // The run of "P" now starts at record 8, the end of the word file.
    std::string index = readFile(folder_.file("zv.idx"));
    ASSERT_EQ(slotAt(index, firstSlotOffset(3)).character, 'P');
    setRecordNumber(index, firstSlotOffset(3), 8);
    writeFile(folder_.file("zv.idx"), index);

    const RunResult result = search({"p", "--json"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "I/O error 100.\n");
    EXPECT_EQ(result.out, R"({"status":"Počet slov: 7","found":[],"hits":[],"meanings":[]})"
                          "\n");

    setRecordNumber(index, firstSlotOffset(3), 9); // beyond the end: the first read fails
    writeFile(folder_.file("zv.idx"), index);
    const RunResult beyond = search({"p"});
    EXPECT_EQ(beyond.exitCode, 1);
    EXPECT_EQ(beyond.err, "I/O error 100.\n");
    EXPECT_EQ(beyond.out, "--\n");
}

TEST_F(CliSearch, DataFolderDefaultsToTheProgramsFolderThroughLinks) {
    TempFolder programFolder;
    const std::string program = programFolder.file("zadrovec-cli");
    std::filesystem::copy_file(cliPath(), program);
    std::filesystem::copy_file(folder_.file("zv.dat"), programFolder.file("zv.dat"));
    std::filesystem::copy_file(folder_.file("zv.idx"), programFolder.file("zv.idx"));
    TempFolder linkFolder;
    std::filesystem::create_symlink(program, linkFolder.file("zc"));

    for (const std::string& started : {program, linkFolder.file("zc")}) {
        const RunResult result = runProgram(started, {"search", "zv", "pes"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "PES\n--\nzvíře\n");
    }
}

} // namespace
} // namespace zadrovec::clitest
