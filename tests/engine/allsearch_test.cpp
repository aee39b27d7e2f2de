// The search in all dictionaries: the two tests of a headword and the scan of the eight files.
#include "engine/dictionary/allsearch.h"
#include "engine/files/ioerror.h"
#include "tests/engine/fixture.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

using Items = std::vector<std::string>;

TEST(MatchPattern, QuestionMarkIsExactlyOneCharacterAnywhere) {
    EXPECT_TRUE(MatchPattern("P?S", "PES"));
    EXPECT_TRUE(MatchPattern("P?S", "PAS"));
    EXPECT_TRUE(MatchPattern("P?S", "OPASEK")); // PAS stands inside it
    EXPECT_FALSE(MatchPattern("P?S", "PS"));
    EXPECT_FALSE(MatchPattern("P?S", "PEES"));
    EXPECT_TRUE(MatchPattern("A?B", "AACB")); // fits at the second character
    EXPECT_TRUE(MatchPattern("?", cp("Ž")));
    EXPECT_TRUE(MatchPattern("A?", "A A"));
}

TEST(MatchPattern, QuestionMarkAtTheEndNeedsACharacterThere) {
    EXPECT_TRUE(MatchPattern("PE?", "PES"));
    EXPECT_TRUE(MatchPattern("PE?", "LOPEZ"));
    EXPECT_FALSE(MatchPattern("PE?", "LOPE"));
    EXPECT_FALSE(MatchPattern("????", "PES"));
    EXPECT_TRUE(MatchPattern("???", "PES"));
}

TEST(MatchPattern, StarIsAnyRunAlsoNone) {
    EXPECT_TRUE(MatchPattern("P*S", "PES"));
    EXPECT_TRUE(MatchPattern("P*S", "POKUS"));
    EXPECT_TRUE(MatchPattern("P*S", "PS"));
    EXPECT_TRUE(MatchPattern("P*S", "SPOUST"));
    EXPECT_FALSE(MatchPattern("P*S", "SP"));
    EXPECT_TRUE(MatchPattern("A*B*C", "XAYBZC"));
    EXPECT_FALSE(MatchPattern("A*B*C", "ACB"));
    EXPECT_TRUE(MatchPattern("*", "X"));
    EXPECT_TRUE(MatchPattern("**", "X"));
    EXPECT_TRUE(MatchPattern("K?*?K", "KOLEK"));
    EXPECT_TRUE(MatchPattern("K?*?K", "KOLK"));
    EXPECT_FALSE(MatchPattern("K?*?K", "KOK"));
    // A later piece is looked for after the earlier one, not over it.
    EXPECT_FALSE(MatchPattern("AB*BA", "ABA"));
    EXPECT_TRUE(MatchPattern("AB*BA", "ABBA"));
}

TEST(MatchPattern, OtherCharactersStandForThemselvesByteForByte) {
    EXPECT_FALSE(MatchPattern("p?s", "PES")); // the caller folds; the test does not
    EXPECT_FALSE(MatchPattern(cp("Č?S"), "CES"));
    EXPECT_TRUE(MatchPattern(cp("Č?S"), cp("ČES")));
    EXPECT_TRUE(MatchPattern(" ?ES", "HA PES"));
    EXPECT_FALSE(MatchPattern(" ?ES", "PES"));
}

TEST(MatchPattern, EmptyHeadwordNeverMatches) {
    EXPECT_FALSE(MatchPattern("*", ""));
    EXPECT_FALSE(MatchPattern("", ""));
    EXPECT_FALSE(MatchPattern("?", ""));
    EXPECT_FALSE(HoldsText("", ""));
    EXPECT_FALSE(HoldsText("A", ""));
}

TEST(HoldsText, AtTheStartInsideOrAtTheEnd) {
    EXPECT_TRUE(HoldsText("ES", "ESO"));
    EXPECT_TRUE(HoldsText("ES", "LESY"));
    EXPECT_TRUE(HoldsText("ES", "PES"));
    EXPECT_FALSE(HoldsText("ES", "E S"));
    EXPECT_FALSE(HoldsText("es", "PES"));
    EXPECT_FALSE(HoldsText("PESY", "PES"));
    EXPECT_TRUE(HoldsText(" PES", "HA PES"));
    EXPECT_FALSE(HoldsText(" PES", "PES"));
}

TEST(IsPattern, StarOrQuestionMarkAnywhere) {
    EXPECT_TRUE(IsPattern("P?S"));
    EXPECT_TRUE(IsPattern("*"));
    EXPECT_TRUE(IsPattern("ABC*"));
    EXPECT_FALSE(IsPattern("PES"));
    EXPECT_FALSE(IsPattern(""));
}

// Keeps the outcome's hits, as a window shows them, then raises its read error as a window does.
void keep(SearchOutcome outcome, WordHits& hits) {
    hits = std::move(outcome.hits);
    if (outcome.error) throw *outcome.error;
}

// Each dictionary holds a word telling where it came from, so the hit table shows the order.
class AllDictionaries : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedMessages messages;
    Dictionary dictionary{folder.path().string(), messages};
    WordHits results;

    void SetUp() override {
        writeDictionary(folder, "hlavni",
                        {"1.1.2026", "ESO@KARTA;", "LESY@HVOZDY;", "PAS@DOKLAD;",
                         "PES@HAFAN;PSISKO;", "PES@VOLEK;", "PS@POZN;"});
        writeDictionary(folder, "mesta", {"1.1.2026", "BERN@CH;", "PESKOV@X;"});
        writeDictionary(folder, "chzn", {"1.1.2026", "ES@EINSTEINIUM;"});
        writeDictionary(folder, "meny", {"1.1.2026"});
        writeDictionary(folder, "mpzspz", {"1.1.2026", "PE@X;", "PS@NEMECKO;"});
        writeDictionary(folder, "osobnost", {"1.1.2026", "PES@HAFAN;ARGOS;", cp("ČESKÝ@LEV;")});
        writeDictionary(folder, "letadla", {"1.1.2026", "OK@CESKO;", "POKUS@Y;"});
        writeDictionary(folder, "podniky", {"PES@HEADER;", "OPASEK@BATA;", "SPOUST@Z;"});
    }

    void find(std::string_view text) { keep(SearchAllDictionaries(dictionary, text), results); }
    Items found() const { return results.found; }
    Items meanings() const { return results.meanings; }
};

TEST_F(AllDictionaries, TextIsFoundAnywhereInHeadwordsOfEveryDictionary) {
    find("es");
    EXPECT_EQ(found(), (Items{cp("ČESKÝ"), "ES", "ESO", "LESY", "PES", "PESKOV"}));
    // One row per matching record, in the dictionaries' order and file order; the header record
    // of "podniky" holds "@" and is tested like any other.
    EXPECT_EQ(results.hitHeadwords,
              (Items{"ESO", "LESY", "PES", "PES", "PESKOV", "ES", "PES", cp("ČESKÝ"), "PES"}));
    EXPECT_EQ(results.hitMeanings, (Items{"KARTA;", "HVOZDY;", "HAFAN;PSISKO;", "VOLEK;", "X;",
                                          "EINSTEINIUM;", "HAFAN;ARGOS;", "LEV;", "HEADER;"}));
    EXPECT_EQ(meanings(), (Items{"LEV"})); // of the first found headword
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AllDictionaries, MeaningsOfAHeadwordFromSeveralDictionariesAreMerged) {
    find("pes");
    EXPECT_EQ(found(), (Items{"PES", "PESKOV"}));
    EXPECT_EQ(meanings(), (Items{"ARGOS", "HAFAN", "HEADER", "PSISKO", "VOLEK"}));
    EXPECT_EQ(MeaningsOf("PESKOV", results.hitHeadwords, results.hitMeanings), (Items{"X"}));
}

TEST_F(AllDictionaries, TextIsFoldedAndBlanksCount) {
    find(cp("čes"));
    EXPECT_EQ(found(), (Items{cp("ČESKÝ")}));
    find("1.1."); // header records without "@" have an empty headword
    EXPECT_TRUE(found().empty());
    find(" pes");
    EXPECT_TRUE(found().empty());
}

TEST_F(AllDictionaries, QuestionMarkOrStarSelectsThePatternTest) {
    find("p?s");
    EXPECT_EQ(found(), (Items{"OPASEK", "PAS", "PES", "PESKOV"}));
    find("p*s");
    EXPECT_EQ(found(), (Items{"OPASEK", "PAS", "PES", "PESKOV", "POKUS", "PS", "SPOUST"}));
    find("pe?");
    EXPECT_EQ(found(), (Items{"PES", "PESKOV"})); // not PE
}

TEST_F(AllDictionaries, NothingFoundEmptiesEveryListWithoutAMessage) {
    find("es");
    ASSERT_FALSE(found().empty());
    find("QQ");
    EXPECT_TRUE(found().empty());
    EXPECT_TRUE(results.hitHeadwords.empty());
    EXPECT_TRUE(results.hitMeanings.empty());
    EXPECT_TRUE(meanings().empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AllDictionaries, LastDictionaryStaysOpenWithItsWordCount) {
    find("es");
    EXPECT_TRUE(dictionary.opened());
    EXPECT_EQ(messages.status, WordCountText(3));
    std::filesystem::remove(folder.file("podniky.idx"));
    find("es");
    EXPECT_FALSE(dictionary.opened());
}

TEST_F(AllDictionaries, FailedDictionaryIsToldOnceAndSkipped) {
    std::filesystem::remove(folder.file("chzn.dat"));
    find("es");
    EXPECT_EQ(messages.shown, (Items{DictionaryNotFoundText()}));
    EXPECT_EQ(found(), (Items{cp("ČESKÝ"), "ESO", "LESY", "PES", "PESKOV"}));
}

TEST_F(AllDictionaries, FirstDictionaryFailingStillSearchesTheOthers) {
    std::filesystem::remove(folder.file("hlavni.dat"));
    std::filesystem::remove(folder.file("podniky.idx"));
    find("pes");
    EXPECT_EQ(messages.shown, (Items{DictionaryNotFoundText(), DictionaryNotFoundText()}));
    EXPECT_EQ(found(), (Items{"PES", "PESKOV"}));
    EXPECT_EQ(meanings(), (Items{"ARGOS", "HAFAN"}));
}

TEST_F(AllDictionaries, PendingEventsAreProcessedDuringALongScan) {
    std::vector<std::string> words = {"1.1.2026"};
    for (int n = 0; n < 3000; ++n)
        words.push_back("W" + std::to_string(100000 + n) + "@M;");
    writeDictionary(folder, "hlavni", words);
    int calls = 0;
    keep(SearchAllDictionaries(
             dictionary, "W1000", [&] { ++calls; }, std::chrono::milliseconds(0)),
         results);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(found().size(), 100u); // W100000 to W100099
}

TEST_F(AllDictionaries, ReadErrorLeavesTheHitsFoundSoFar) {
    std::vector<std::string> words = {"1.1.2026"};
    for (int n = 0; n < 1000; ++n)
        words.push_back("PES@" + std::to_string(n) + ";");
    writeDictionary(folder, "hlavni", words);
    // Something closing the dictionary while events are processed makes the next read fail.
    const auto closeIt = [&] { dictionary.close(); };
    EXPECT_THROW(
        keep(SearchAllDictionaries(dictionary, "PES", closeIt, std::chrono::milliseconds(0)),
             results),
        IoError);
    // The found list stands as it was at that moment: no repeats removed, no meanings shown.
    EXPECT_GE(found().size(), 2u);
    EXPECT_LT(found().size(), 1000u);
    EXPECT_EQ(found().front(), "PES");
    EXPECT_EQ(found().back(), "PES");
    EXPECT_EQ(results.hitHeadwords.size(), found().size());
    EXPECT_EQ(results.hitMeanings.size(), found().size());
    EXPECT_EQ(results.hitMeanings[0], "0;");
    EXPECT_TRUE(meanings().empty());
}

} // namespace

TEST(MatchPattern, RunsOfStarsMeanOneStarAtAnyLength) {
    const std::string field(32767, '*');
    EXPECT_TRUE(MatchPattern(field, "A"));
    EXPECT_FALSE(MatchPattern(field, ""));
    const std::string wide(20000, '*');
    EXPECT_TRUE(MatchPattern(wide + "P" + wide + "S" + wide, "OPASEK"));
    EXPECT_FALSE(MatchPattern(wide + "S" + wide + "P" + wide, "OPASEK"));
    EXPECT_TRUE(MatchPattern("P*******?E", "PASEKE"));
    EXPECT_FALSE(MatchPattern("P*******??E", "PAE"));
    // Runs across the eight-byte steps of the skip, ending at every offset.
    for (std::size_t n = 1; n <= 17; ++n) {
        EXPECT_TRUE(MatchPattern("A" + std::string(n, '*') + "B", "AxB")) << n;
        EXPECT_TRUE(MatchPattern("A" + std::string(n, '*') + "B", "AB")) << n;
        EXPECT_FALSE(MatchPattern("A" + std::string(n, '*') + "B", "BA")) << n;
    }
}
