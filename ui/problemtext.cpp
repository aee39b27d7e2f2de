#include "ui/problemtext.h"

#include "ui/widgets/qtext.h"

namespace zadrovec::ui {
namespace {

QString quoted(const QString& character) {
    return QStringLiteral("„%1“").arg(character);
}

// The caption of a field of the window ("Vzor", "Písmena", "Legenda", ...).
QString fieldCaption(QuestionField field) {
    switch (field) {
    case QuestionField::Pattern:
    case QuestionField::WordLengths:
        return QStringLiteral("Vzor");
    case QuestionField::Anagram:
    case QuestionField::From:
    case QuestionField::Contains:
        return QStringLiteral("Písmena");
    case QuestionField::Clue:
        return QStringLiteral("Legenda");
    case QuestionField::Length:
        return QStringLiteral("Délka");
    case QuestionField::Exclude:
        return QStringLiteral("Vyloučit písmena");
    case QuestionField::Word:
        return QStringLiteral("Slovo");
    case QuestionField::Question:
        break;
    }
    return {};
}

} // namespace

QString squaresText(std::size_t squares) {
    return QStringLiteral("%1 %2").arg(squares).arg(squares == 1  ? QStringLiteral("políčko")
                                                    : squares < 5 ? QStringLiteral("políčka")
                                                                  : QStringLiteral("políček"));
}

QString problemText(const QuestionProblem& problem, const Question& question) {
    const QString field = fieldCaption(problem.field) + QStringLiteral(": ");
    const QString squares = squaresText(problem.squares);
    const char c = problem.character;
    const QString character = toQString(std::string_view(&c, 1));
    const QString lengthText = toQString(question.length);
    const QString length = QStringLiteral(", Délka je ") + lengthText + '.';
    const bool pattern = problem.field == QuestionField::Pattern;
    switch (problem.reason) {
    case QuestionReason::Empty:
    case QuestionReason::OnlySpaces:
        return field + QStringLiteral("prázdné pole");
    case QuestionReason::UnclosedSet:
        return field + QStringLiteral("nedokončená množina [ ]");
    case QuestionReason::EmptySet:
        return field + QStringLiteral("prázdná množina [ ]");
    case QuestionReason::SetHoldsNonLetter:
        return field + QStringLiteral("v množině [ ] smějí být jen písmena, ne ") +
               (c == ' ' ? QStringLiteral("mezera") : quoted(character));
    case QuestionReason::UnopenedSet:
        return field + QStringLiteral("„]“ bez „[“");
    case QuestionReason::Digit:
        return field +
               QStringLiteral("číslice %1, odpovědi mají jen písmena").arg(quoted(character));
    case QuestionReason::Space:
        return field + QStringLiteral("mezera, odpovědi se píší bez mezer");
    case QuestionReason::NoPatternCharacter:
        return field +
               QStringLiteral("%1 není písmeno ani ?, *, @, # nebo [ ]").arg(quoted(character));
    case QuestionReason::NoLetters:
        return field + QStringLiteral("aspoň jedno písmeno");
    case QuestionReason::NotLetter:
        return field +
               (TakesBlanks(problem.field) ? QStringLiteral("jen písmena a ?")
                                           : QStringLiteral("jen písmena")) +
               (c == ' ' ? QStringLiteral(", bez mezer")
                         : QStringLiteral(", ne ") + quoted(character));
    case QuestionReason::LengthNoNumber:
        return field + QStringLiteral("počet políček, např. 5, nebo rozsah, např. 4-6");
    case QuestionReason::LengthUnfinished:
        return field + QStringLiteral("nedokončený rozsah ") + lengthText;
    case QuestionReason::LengthBelowOne:
        return field + QStringLiteral("aspoň 1 políčko");
    case QuestionReason::LengthReversed:
        return field + QStringLiteral("rozsah %1 končí níž, než začíná").arg(lengthText);
    case QuestionReason::WordLengthsUnfinished:
        return field + QStringLiteral("nedokončený výčet délek slov");
    case QuestionReason::WordLengthsInvalid:
        return field + QStringLiteral("délky slov oddělené čárkou, např. 5,2,3, "
                                      "každá od 1 do délky nejdelší odpovědi");
    case QuestionReason::NoSquares:
        return field + QStringLiteral("žádné písmeno");
    case QuestionReason::NothingAsked:
        return QStringLiteral("Napište vzor, písmena nebo legendu.");
    case QuestionReason::SquaresAgainstLength:
        return (pattern ? QStringLiteral("Vzor má ") : QStringLiteral("Přesmyčka má ")) + squares +
               length;
    case QuestionReason::AtLeastSquaresAgainstLength:
        return (pattern ? QStringLiteral("Vzor má aspoň ")
                        : QStringLiteral("Hledaná písmena zaberou ")) +
               squares + length;
    case QuestionReason::AtMostSquaresAgainstLength:
        return QStringLiteral("Z písmen je nejvýš ") + squares + length;
    case QuestionReason::LetterAlsoExcluded: {
        const QString letter = character.toUpper();
        return pattern
                   ? QStringLiteral("Písmeno %1 je ve vzoru i mezi vyloučenými.").arg(letter)
                   : QStringLiteral("Písmeno %1 je mezi písmeny i mezi vyloučenými.").arg(letter);
    }
    }
    return {};
}

} // namespace zadrovec::ui
