// Legends as a crossword prints them, through the stored answers with word forms and word
// frequencies: the answer each gives first.
#include "engine/solver/answersource.h"
#include "tests/engine/fixture.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

TEST(Legends, GiveTheirAnswerFirst) {
    TempFolder folder;
    writeDictionary(
        folder, "hlavni",
        sortedDictionary(
            {cp("OTTAWA@hlavní město Kanada;"), cp("QUÉBEC@Kanada;"), cp("TORONTO@město v Kanadě;"),
             cp("AG@chemická značka stříbra;"), cp("AU@zlato;"), cp("XIV@římská číslice 14;"),
             cp("XVI@římská číslice 16;"), cp("TARANIS@bůh Keltů;"), cp("HERKA@kobyla;"),
             cp("ZEBRA@pruhovaná kobyla;"), cp("KOBYLA@samice koně;"), cp("LEV@zvíře;"),
             cp("PES@zvíře;"), cp("BOLÍVIE@jezero Titicaca;jezero v Andách;")}));
    // Word forms as the build takes them from the Czech word list, and word frequencies.
    writeBytes(folder.file("forms.txt"), "Kanada\tKanady Kanadě Kanadu\n"
                                         "stříbro\tstříbra stříbru\n"
                                         "Kelt\tKelta Keltů Keltové\n"
                                         "kůň\tkoně koni koněm\n"
                                         "římský\třímská římské římsky\n");
    writeBytes(folder.file("words.txt"), "pes\nzvíře\n");
    RecordedMessages messages;
    ASSERT_NO_THROW(StoreAnswerSpace(folder.path().string(), messages,
                                     {folder.file("forms.txt"), folder.file("words.txt")}));

    struct Row {
        const char* legend;
        const char* length;
        const char* first; // empty: no answer at all
    };
    const std::vector<Row> rows = {
        {"hlavní město Kanady", "6", "OTTAWA"}, // a form; the whole legend above a part of it
        {"město v Kanadě", "7", "TORONTO"},     // "v" weighs nothing
        {"chem. zn. stříbra", "2", "AG"},       // abbreviations written out
        {"římsky 14", "3", "XIV"},              // a number is a word
        {"bůh Keltů", "7", "TARANIS"},
        {"samice koně", "5", "HERKA"}, // one step further: HERKA is a KOBYLA
        {"kobyla", "5", "HERKA"},      // the clue text itself above "pruhovaná kobyla"
        {"Kanadou", "6", "OTTAWA"},    // a form not listed, by its first letters
        {"zvíře", "3", "PES"},         // equal scores: the more common word first
        {"Bolívie", "8", "TITICACA"},  // the name of "jezero Titicaca" on its own
        {"a v na", "", ""},            // only words that weigh nothing
        {"...!", "", ""},              // no word at all
    };
    AnswerSource source(folder.path().string(), messages);
    ASSERT_TRUE(source.stored().used()) << source.stored().describe();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        Question question;
        question.clue = cp(row.legend);
        question.length = row.length;
        const auto answers = source.ask([&](Solver& solver) { return solver.solve(question); });
        if (*row.first == '\0') {
            EXPECT_TRUE(answers.empty());
            continue;
        }
        ASSERT_FALSE(answers.empty());
        EXPECT_EQ(source.space().text(answers.front().text), cp(row.first));
        EXPECT_GT(answers.front().score, 0);
    }
    // A legend of ten thousand words answers as its first words do.
    Question huge;
    for (int i = 0; i < 10'000; ++i)
        huge.clue += i == 0 ? "kobyla" : " slovo" + std::to_string(i % 200);
    huge.length = "5";
    const auto answers = source.ask([&](Solver& solver) { return solver.solve(huge); });
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(source.space().text(answers.front().text), "HERKA");
}

} // namespace
