// find: the search in all dictionaries from a terminal, as text and as JSON.
#include "tests/common/clitest.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

constexpr std::array<const char*, 8> kNames = {"hlavni", "mesta",    "chzn",    "meny",
                                               "mpzspz", "osobnost", "letadla", "podniky"};

class CliFind : public ::testing::Test {
protected:
    void SetUp() override {
        const std::array<std::string, 8> sources = {
            "pes@hafan;čokl;\nles@hvozd;\neso@karta;\n",
            "peskov@město;\n",
            "es@einsteinium;\n",
            "",
            "ps@Německo;\n",
            "pes@Argos;\nčeský lev@znak;\n",
            "pokus@let;\n",
            "opasek@Baťa;\n",
        };
        for (std::size_t n = 0; n < kNames.size(); ++n) {
            const RunResult built = buildWithCli(folder_, kNames[n], sources[n]);
            ASSERT_EQ(built.exitCode, 0) << built.err;
        }
    }

    RunResult find(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data", folder_.path().string(), "find"});
        return runCli(args);
    }

    TempFolder folder_;
};

TEST_F(CliFind, ListsHeadwordsOfAllDictionariesThenMeaningsOfTheFirst) {
    const RunResult result = find({"es"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "ČESKÝ LEV\nES\nESO\nLES\nPES\nPESKOV\n--\nznak\n");
    EXPECT_TRUE(result.err.empty());
}

TEST_F(CliFind, SelectShowsMeaningsMergedOverTheDictionaries) {
    EXPECT_EQ(find({"pes", "--select", "0"}).out, "PES\nPESKOV\n--\nArgos\nčokl\nhafan\n");
    EXPECT_EQ(find({"--select", "1", "pes"}).out, "PES\nPESKOV\n--\nměsto\n");
    const RunResult beyond = find({"pes", "--select", "2"});
    EXPECT_EQ(beyond.exitCode, 1);
    EXPECT_EQ(beyond.err, "zadrovec-cli: --select 2: 2 headword(s) found\n");
    const RunResult negative = find({"pes", "--select", "-1"});
    EXPECT_EQ(negative.exitCode, 2);
    EXPECT_NE(negative.err.find("Usage:"), std::string::npos);
}

TEST_F(CliFind, WildcardsAndBlanks) {
    EXPECT_EQ(find({"p?s"}).out, "OPASEK\nPES\nPESKOV\n--\nBaťa\n");
    EXPECT_EQ(find({"p*s"}).out, "OPASEK\nPES\nPESKOV\nPOKUS\nPS\n--\nBaťa\n");
    EXPECT_EQ(find({" l"}).out, "ČESKÝ LEV\n--\nznak\n");
    EXPECT_EQ(find({"nic"}).out, "--\n");
}

TEST_F(CliFind, JsonHoldsFoundHitsMeaningsAndMessages) {
    std::filesystem::remove(folder_.file("chzn.dat"));
    const RunResult result = find({"pes", "--json"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, R"({"found":["PES","PESKOV"],)"
                          R"("hits":[["PES","hafan;čokl;"],["PESKOV","město;"],["PES","Argos;"]],)"
                          R"("meanings":["Argos","čokl","hafan"],)"
                          R"("messages":["Tento slovník nebyl nalezen."]})"
                          "\n");
    EXPECT_EQ(result.err, "Tento slovník nebyl nalezen.\n");
}

TEST_F(CliFind, MissingDictionaryIsToldOnceAndSkipped) {
    std::filesystem::remove(folder_.file("hlavni.idx"));
    const RunResult result = find({"es"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "ČESKÝ LEV\nES\nPES\nPESKOV\n--\nznak\n");
    EXPECT_EQ(result.err, "Tento slovník nebyl nalezen.\n");
}

TEST_F(CliFind, NoDictionaryAtAllFails) {
    TempFolder empty;
    const RunResult result = runCli({"--data", empty.path().string(), "find", "es", "--json"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find(R"("found":[])"), std::string::npos);
    std::size_t told = 0;
    for (auto at = result.err.find("nalezen"); at != std::string::npos;
         at = result.err.find("nalezen", at + 1))
        ++told;
    EXPECT_EQ(told, 8u);
}

TEST_F(CliFind, BadCommandLines) {
    EXPECT_EQ(find({""}).exitCode, 2);
    EXPECT_EQ(find({}).exitCode, 2);
    EXPECT_EQ(find({"a", "b"}).exitCode, 2);
    EXPECT_EQ(runCli({"find", "es", "--header", "x"}).exitCode, 2);
    EXPECT_EQ(find({"\xF0\x9F\x98\x80"}).exitCode, 2); // no Windows-1250 character
}

} // namespace
} // namespace zadrovec::clitest
