// solve and clues: crossword answers of all dictionaries from a terminal, as text and as JSON.
#include "tests/common/clitest.h"

#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

class CliSolve : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(buildWithCli(folder_, "hlavni",
                               "herka@kobyla;stará herka;\nkůň@hřebec;kobyla;\nkun@lesní šelma;\n"
                               "pes@hafan;čokl;\nchochol@vrchol;\n")
                      .exitCode,
                  0);
        ASSERT_EQ(
            buildWithCli(folder_, "mesta", "kobyla@herka;\nbrno@město;\nF1@závod;\n").exitCode, 0);
    }

    RunResult run(const std::string& command, std::vector<std::string> args) {
        args.insert(args.begin(), {"--data", folder_.path().string(), command});
        return runCli(args);
    }

    TempFolder folder_;
};

TEST_F(CliSolve, TextGroupsByLengthWithCountsAndDictionaries) {
    const RunResult result = run("solve", {"k*"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "3 squares: 2\nKUN\thlavni\nKŮŇ\thlavni\n"
                          "6 squares: 1\nKOBYLA\thlavni,mesta\n");
    // The six dictionaries that are not there are told, one line each.
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 6);
    EXPECT_EQ(run("solve", {"x*"}).out, "");
    EXPECT_EQ(run("solve", {"x*"}).exitCode, 0);
}

TEST_F(CliSolve, JsonAsDocumented) {
    EXPECT_EQ(run("solve", {"h?rka", "--json"}).out,
              "{\"answers\": [{\"text\": \"HERKA\", \"squares\": 5, \"dictionaries\": "
              "[\"hlavni\", \"mesta\"]}], \"count\": 1}\n");
    EXPECT_EQ(run("solve", {"--clue", "kobyl?", "--length", "5-9", "--json"}).out,
              "{\"answers\": [{\"text\": \"HERKA\", \"squares\": 5, \"dictionaries\": "
              "[\"hlavni\", \"mesta\"], \"clues\": [\"KOBYLA\"]}], \"count\": 1}\n");
    // A legend as printed: each answer with the clue text that matched and its score.
    EXPECT_EQ(run("solve", {"--clue", "kobyla", "--length", "5", "--json"}).out,
              "{\"answers\": [{\"text\": \"HERKA\", \"squares\": 5, \"dictionaries\": "
              "[\"hlavni\", \"mesta\"], \"clues\": [\"KOBYLA\"], \"score\": 10.986}], "
              "\"count\": 1}\n");
    EXPECT_EQ(run("solve", {"--anagram", "ZZZ", "--json"}).out,
              "{\"answers\": [], \"count\": 0}\n");
}

TEST_F(CliSolve, QuestionKindsAndOptions) {
    EXPECT_EQ(run("solve", {"--anagram", "nuk", "--strict"}).out, "3 squares: 1\nKUN\thlavni\n");
    EXPECT_EQ(run("solve", {"--from", "sepk?"}).out, "3 squares: 1\nPES\thlavni\n");
    EXPECT_EQ(run("solve", {"--contains", "chl", "--ch"}).out,
              "5 squares: 2\nCHOCHOL\thlavni\nVRCHOL\thlavni\n");
    EXPECT_EQ(run("solve", {"?????", "--exclude", "ak"}).out, "5 squares: 1\nMĚSTO\tmesta\n");
    EXPECT_EQ(run("solve", {"--words", "5,5"}).out,
              "10 squares: 2\nLESNÍ ŠELMA\thlavni\nSTARÁ HERKA\thlavni\n");
    EXPECT_EQ(run("solve", {"--clue", "k?b*"}).out,
              "3 squares: 1\nKŮŇ\thlavni\tKOBYLA\n5 squares: 1\nHERKA\thlavni,mesta\tKOBYLA\n");
}

TEST_F(CliSolve, RankedOrderPutsAnswersWithCluesAndTheMainDictionaryFirst) {
    ASSERT_EQ(buildWithCli(folder_, "slova", "ahoja@\n").exitCode, 0); // a bare word
    EXPECT_EQ(run("solve", {"?????"}).out,
              "5 squares: 5\nAHOJA\tslova\nHAFAN\thlavni\nHERKA\thlavni,mesta\n"
              "MĚSTO\tmesta\nZÁVOD\tmesta\n");
    EXPECT_EQ(run("solve", {"?????", "--order", "rank"}).out,
              "5 squares: 5\nHAFAN\thlavni\nHERKA\thlavni,mesta\nMĚSTO\tmesta\n"
              "ZÁVOD\tmesta\nAHOJA\tslova\n");
    EXPECT_EQ(run("solve", {"--clue", "kobyla", "--order", "alpha"}).out,
              "3 squares: 1\nKŮŇ\thlavni\tKOBYLA\n5 squares: 1\nHERKA\thlavni,mesta\tKOBYLA\n"
              "6 squares: 1\nHŘEBEC\thlavni\tKŮŇ\n10 squares: 1\nSTARÁ HERKA\thlavni\tHERKA\n");
}

TEST_F(CliSolve, CluesBothWaysWithTheirDictionaries) {
    EXPECT_EQ(run("clues", {"kun"}).out, "HŘEBEC\thlavni\nKOBYLA\thlavni\nLESNÍ ŠELMA\thlavni\n");
    EXPECT_EQ(run("clues", {"herka", "--json"}).out,
              "{\"clues\": [{\"text\": \"KOBYLA\", \"dictionaries\": [\"hlavni\", \"mesta\"]}, "
              "{\"text\": \"STARÁ HERKA\", \"dictionaries\": [\"hlavni\"]}]}\n");
    EXPECT_EQ(run("clues", {"kůň", "--strict"}).out, "HŘEBEC\thlavni\nKOBYLA\thlavni\n");
}

TEST_F(CliSolve, UsageErrorsSayWhatIsWrong) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"solve", "A1"}, "digit"},
        {{"solve", "   "}, "only spaces"},
        {{"solve", "--words", "5,x"}, "--words: the word lengths"},
        {{"solve", "A", "--words", "1"}, "only one of"},
        {{"solve", "[AB"}, "without its"},
        {{"solve", "[]"}, "empty set"},
        {{"solve", "A", "--anagram", "B"}, "only one of"},
        {{"solve"}, "give a PATTERN"},
        {{"solve", "A", "--length", "0"}, "at least 1"},
        {{"solve", "A", "--length", "5-3"}, "below its start"},
        {{"solve", "A", "--length", "\u0661"},
         "--length holds U+0661, a character"}, // Arabic-Indic 1
        {{"solve", "--contains", "A?"}, "--contains takes letters"},
        {{"solve", "A", "--exclude", ""}, "at least one letter"},
        {{"solve", "--from", ""}, "at least one letter"},
        {{"solve", "A", "B"}, "operand"},
        {{"solve", "A", "--order", "best"}, "--order takes rank or alpha"},
        {{"clues", "123"}, "no squares"},
        {{"clues"}, "WORD is required"},
        {{"clues", "A", "--ch"}, "does not apply"},
    };
    for (const auto& [args, message] : cases) {
        std::vector<std::string> rest(args.begin() + 1, args.end());
        const RunResult result = run(args[0], rest);
        EXPECT_EQ(result.exitCode, 2) << args[0] << ' ' << (rest.empty() ? "" : rest[0]);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
}

TEST_F(CliSolve, StoredAnswersGiveTheSameOutputWhileTheDictionariesStay) {
    const std::vector<std::vector<std::string>> questions = {
        {"solve", "k*"},
        {"solve", "--clue", "k?b*", "--json"},
        {"clues", "kun"},
        {"solve", "--anagram", "AKREH"},
        {"solve", "--contains", "chl", "--ch"}};
    std::vector<std::string> before;
    for (const auto& q : questions)
        before.push_back(run(q[0], {q.begin() + 1, q.end()}).out);
    const RunResult stored = runCli({"--data", folder_.path().string(), "store-answers"});
    EXPECT_EQ(stored.exitCode, 0) << stored.err;
    for (std::size_t i = 0; i < questions.size(); ++i)
        EXPECT_EQ(run(questions[i][0], {questions[i].begin() + 1, questions[i].end()}).out,
                  before[i]);
    ASSERT_EQ(buildWithCli(folder_, "mesta", "kobyla@herka;\nbrno@město;\nkůň@oř;\n").exitCode, 0);
    EXPECT_EQ(run("clues", {"kun"}).out,
              "HŘEBEC\thlavni\nKOBYLA\thlavni\nLESNÍ ŠELMA\thlavni\nOŘ\tmesta\n");
}

TEST(CliSolveWithoutData, NoDictionaryIsAFailureToldForEach) {
    TempFolder empty;
    EXPECT_EQ(runCli({"--data", empty.path().string(), "store-answers"}).exitCode, 1);
    for (const std::string command : {"solve", "clues"}) {
        const RunResult result = runCli({"--data", empty.path().string(), command, "pes"});
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 8) << result.err;
    }
}

} // namespace
} // namespace zadrovec::clitest
