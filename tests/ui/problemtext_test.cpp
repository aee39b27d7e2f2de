// What the engine finds wrong with a question, said in Czech with the field it concerns: every
// reason of the closed list the window can meet, and the fields read top to bottom.
#include "engine/solver/diagnose.h"
#include "engine/solver/phrasepattern.h"
#include "ui/problemtext.h"
#include "ui/widgets/qtext.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using namespace zadrovec::ui;

namespace {

struct Row {
    QuestionKind kind;
    const char* pattern; // UTF-8, as typed
    const char* length;
    const char* exclude;
    const char* clue;
    QString said;
    bool unfinished; // typing on may mend it: said as no error
};

// The problem the window tells for the fields of a row: a tajenka's word lengths are read first.
std::optional<QuestionProblem> problemOf(const Row& row, Question& question) {
    question.kind = row.kind;
    question.text = fromQString(QString::fromUtf8(row.pattern));
    question.length = row.length;
    question.exclude = fromQString(QString::fromUtf8(row.exclude));
    question.clue = fromQString(QString::fromUtf8(row.clue));
    if (IsWordLengths(question.text)) {
        try {
            question.text = WordLengthsPattern(question.text);
        } catch (const SolverInputError& error) {
            return error.problem();
        }
    }
    return Diagnose(question);
}

} // namespace

TEST(ProblemText, EveryProblemIsToldInCzechNamingItsField) {
    using enum QuestionKind;
    const Row rows[] = {
        // The solver refuses the question.
        {Pattern, "[ab", "", "", "", "Vzor: nedokončená množina [ ]", true},
        {Pattern, "k[]", "", "", "", "Vzor: prázdná množina [ ]", false},
        {Pattern, "k[a1]", "", "", "", "Vzor: v množině [ ] smějí být jen písmena, ne „1“", false},
        {Pattern, "k]", "", "", "", "Vzor: „]“ bez „[“", false},
        {Pattern, "k n1", "", "", "", "Vzor: číslice „1“, odpovědi mají jen písmena", false},
        {Pattern, "k%", "", "", "", "Vzor: „%“ není písmeno ani ?, *, @, # nebo [ ]", false},
        {Anagram, "ab1", "", "", "", "Písmena: jen písmena a ?, ne „1“", false},
        {From, "a b", "", "", "", "Písmena: jen písmena a ?, bez mezer", false},
        {Contains, "a?", "", "", "", "Písmena: jen písmena, ne „?“", false},
        {Pattern, "k*", "x", "", "", "Délka: počet políček, např. 5, nebo rozsah, např. 4-6",
         false},
        {Pattern, "k? n*", "x", "", "", "Délka: počet políček, např. 5, nebo rozsah, např. 4-6",
         false},
        {Pattern, "k*", "0", "", "", "Délka: aspoň 1 políčko", false},
        {Pattern, "k*", "6-4", "", "", "Délka: rozsah 6-4 končí níž, než začíná", false},
        {Pattern, "k*", "4-", "", "", "Délka: nedokončený rozsah 4-", true},
        {Pattern, "k*", "", "1", "", "Vyloučit písmena: jen písmena, ne „1“", false},
        {Pattern, "", "", "", "k?[", "Legenda: nedokončená množina [ ]", true},
        // A space is told only when nothing else is wrong.
        {Pattern, "", "", "", "k? 1", "Legenda: číslice „1“, odpovědi mají jen písmena", false},
        {Pattern, "", "", "", "k? n", "Legenda: mezera, odpovědi se píší bez mezer", false},
        {Pattern, "3,6,", "", "", "", "Vzor: nedokončený výčet délek slov", true},
        {Pattern, "3,,6", "", "", "",
         "Vzor: délky slov oddělené čárkou, např. 5,2,3, každá od 1 do délky nejdelší odpovědi",
         false},
        {Pattern, "", "", "", "", "Napište vzor, písmena nebo legendu.", false},
        // The fields top to bottom: the pattern's message before the length's.
        {Pattern, "k1", "x", "1", "", "Vzor: číslice „1“, odpovědi mají jen písmena", false},
        // The fields contradict each other.
        {Pattern, "herka", "4", "", "", "Vzor má 5 políček, Délka je 4.", false},
        {Pattern, "kob*", "2", "", "", "Vzor má aspoň 3 políčka, Délka je 2.", false},
        {Anagram, "ekrha", "4-4", "", "", "Přesmyčka má 5 políček, Délka je 4-4.", false},
        {From, "pes", "4", "", "", "Z písmen je nejvýš 3 políčka, Délka je 4.", false},
        {Contains, "kobyl", "3", "", "", "Hledaná písmena zaberou 5 políček, Délka je 3.", false},
        {Pattern, "k?n", "", "n", "", "Písmeno N je ve vzoru i mezi vyloučenými.", false},
        {Anagram, "pes", "", "s", "", "Písmeno S je mezi písmeny i mezi vyloučenými.", false},
        {Pattern, "k?ň", "", "ň", "", "Písmeno Ň je ve vzoru i mezi vyloučenými.", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.said.toStdString());
        Question question;
        const std::optional<QuestionProblem> problem = problemOf(row, question);
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problemText(*problem, question), row.said);
        EXPECT_EQ(problem->unfinished(), row.unfinished);
    }
}

TEST(ProblemText, FieldsThatAgreeHaveNoProblem) {
    Question question;
    question.text = "k?n";
    question.length = "3";
    question.exclude = "x";
    EXPECT_EQ(Diagnose(question), std::nullopt);
    // CH as one square: neither its C nor its H is in the pattern.
    question.text = "ch??";
    question.length = "";
    question.rules.chOneSquare = true;
    for (const char* excluded : {"c", "h"}) {
        question.exclude = excluded;
        EXPECT_EQ(Diagnose(question), std::nullopt) << excluded;
    }
}

TEST(ProblemText, AProblemInAWordOfAPhraseIsPlacedInTheWholePattern) {
    Question question;
    question.text = "kdo * p1";
    const std::optional<QuestionProblem> problem = Diagnose(question);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(*problem, (QuestionProblem{QuestionField::Pattern, QuestionReason::Digit, 7, '1'}));
}
