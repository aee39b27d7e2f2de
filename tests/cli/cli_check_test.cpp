// check: faults put into a built pair on purpose, each reported with its record or slot.
#include "tests/common/clitest.h"

#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

// Records: 0 header, 1 AB, 2 ABC, 3 AC, 4 B, 5 BA.
class CheckFaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(buildWithCli(folder_, "d", "B@1;\nAB@2;\nBA@3;\nAC@4;\nABC@5;\n").exitCode, 0);
        words_ = readFile(folder_.file("d.dat"));
        index_ = readFile(folder_.file("d.idx"));
    }

    RunResult checkWith(const std::string& words, const std::string& index) {
        writeFile(folder_.file("d.dat"), words);
        writeFile(folder_.file("d.idx"), index);
        return runCli({"check", folder_.file("d")});
    }

    static void expectProblem(const RunResult& result, const std::string& text) {
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.out.find(text), std::string::npos) << result.out;
        EXPECT_NE(result.out.find("problem(s) found"), std::string::npos) << result.out;
    }

    std::string record(const std::string& text) const {
        return std::string(1, static_cast<char>(text.size())) + text +
               std::string(80 - text.size(), '\0');
    }

    TempFolder folder_;
    std::string words_;
    std::string index_;
};

TEST_F(CheckFaults, IntactPairIsOk) {
    const RunResult result = checkWith(words_, index_);
    EXPECT_EQ(result.exitCode, 0) << result.out;
    EXPECT_EQ(result.out,
              "OK: 6 records; index slots used: 2 first, 3 second, 1 third character\n");
}

TEST_F(CheckFaults, SlotRecordOutsideTheWordRecords) {
    std::string index = index_;
    setRecordNumber(index, secondSlotOffset(2, 1), 6);
    expectProblem(checkWith(words_, index), "slot 2.1 \"BA\": record 6 lies outside");
    setRecordNumber(index, secondSlotOffset(2, 1), 0);
    expectProblem(checkWith(words_, index), "slot 2.1 \"BA\": record 0 lies outside");
}

TEST_F(CheckFaults, SlotNotAtTheFirstRecordOfItsRun) {
    std::string index = index_;
    setRecordNumber(index, thirdSlotOffset(1, 1, 1), 1);
    expectProblem(checkWith(words_, index),
                  "slot 1.1.1 \"ABC\": record 1, but the run of \"ABC\" begins at record 2");
}

TEST_F(CheckFaults, DuplicateCharacterInATable) {
    std::string index = index_;
    index[firstSlotOffset(2)] = 'A';
    const RunResult result = checkWith(words_, index);
    expectProblem(result, "slot 2 \"A\": the same character as slot 1");
    // B lost its slot, so its words are out of reach.
    expectProblem(result, "record 4: the first character \"B\" has no index slot");
}

TEST_F(CheckFaults, SlotForACharacterNoHeadwordBeginsWith) {
    std::string index = index_;
    index[secondSlotOffset(1, 2)] = 'Q';
    expectProblem(checkWith(words_, index), "slot 1.2 \"AQ\": no headword begins with \"AQ\"");
}

TEST_F(CheckFaults, MissingFirstSlotWhileTheTableHasRoom) {
    std::string index = index_;
    setRecordNumber(index, firstSlotOffset(2), -1);
    expectProblem(checkWith(words_, index),
                  "record 4: the first character \"B\" has no index slot");
}

TEST_F(CheckFaults, MissingSecondAndThirdSlotsAreNoFault) {
    std::string index = index_;
    setRecordNumber(index, secondSlotOffset(1, 2), -1); // AC found by the scan of A
    setRecordNumber(index, thirdSlotOffset(1, 1, 1), -1);
    EXPECT_EQ(checkWith(words_, index).exitCode, 0);
}

TEST_F(CheckFaults, RecordsOutOfGroupingOrder) {
    std::string words = words_;
    // Swap records 3 (AC) and 4 (B): B now stands between A runs.
    words.replace(81 * 3, 81, words_.substr(81 * 4, 81));
    words.replace(81 * 4, 81, words_.substr(81 * 3, 81));
    const RunResult result = checkWith(words, index_);
    expectProblem(result, "record 4: headword \"AC\" stands apart from the earlier records "
                          "beginning \"A\"");
}

TEST_F(CheckFaults, HeadwordsNotFoldedOrEmpty) {
    std::string words = words_;
    words.replace(81 * 1, 81, record("ab@2;"));
    words.replace(81 * 5, 81, record("no separator"));
    const RunResult result = checkWith(words, index_);
    expectProblem(result, "record 1: headword \"ab\" is not in capitals (\"AB\")");
    expectProblem(result, "record 5: no \"@\" after the headword");

    words = words_;
    words.replace(81 * 2, 81, record("@5;"));
    expectProblem(checkWith(words, index_), "record 2: empty headword");
}

TEST_F(CheckFaults, LengthByteAboveEighty) {
    std::string words = words_;
    words[81 * 5] = static_cast<char>(81);
    expectProblem(checkWith(words, index_), "record 5: length byte 81 above 80");
}

TEST_F(CheckFaults, ShortIndex) {
    expectProblem(checkWith(words_, index_.substr(0, 1'236'719)),
                  "1236719 bytes, fewer than the 1236720 of an index");
}

TEST_F(CheckFaults, MissingFilesAreAFailure) {
    const RunResult result = runCli({"check", folder_.file("none")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("none.dat"), std::string::npos) << result.err;
}

} // namespace
} // namespace zadrovec::clitest
