#include "engine/solver/questionproblem.h"

namespace zadrovec {
namespace {

// The field as the command line names it.
std::string fieldName(QuestionField field) {
    switch (field) {
    case QuestionField::Pattern:
        return "pattern";
    case QuestionField::WordLengths:
        return "word lengths";
    case QuestionField::Anagram:
        return "--anagram";
    case QuestionField::From:
        return "--from";
    case QuestionField::Contains:
        return "--contains";
    case QuestionField::Clue:
        return "clue";
    case QuestionField::Length:
        return "length";
    case QuestionField::Exclude:
        return "--exclude";
    case QuestionField::Word:
        return "word";
    case QuestionField::Question:
        return "question";
    }
    return "question";
}

std::string quoted(char c) {
    return "\"" + std::string(1, c) + "\"";
}

} // namespace

bool QuestionProblem::refused() const {
    switch (reason) {
    case QuestionReason::SquaresAgainstLength:
    case QuestionReason::AtLeastSquaresAgainstLength:
    case QuestionReason::AtMostSquaresAgainstLength:
    case QuestionReason::LetterAlsoExcluded:
        return false;
    default:
        return true;
    }
}

bool QuestionProblem::unfinished() const {
    return reason == QuestionReason::UnclosedSet || reason == QuestionReason::LengthUnfinished ||
           reason == QuestionReason::WordLengthsUnfinished;
}

std::string DescribeProblem(const QuestionProblem& problem, std::string_view fieldText) {
    const std::string name = fieldName(problem.field);
    const std::string the = "the " + name;
    const char c = problem.character;
    const std::string squares = std::to_string(problem.squares) + " squares";
    switch (problem.reason) {
    case QuestionReason::Empty:
        return the + " is empty";
    case QuestionReason::OnlySpaces:
        return the + " holds only spaces";
    case QuestionReason::UnclosedSet:
        return the + " has a \"[\" without its \"]\"";
    case QuestionReason::EmptySet:
        return the + " has an empty set of letters";
    case QuestionReason::SetHoldsNonLetter:
        return "a set of letters in the " + name + " holds " + quoted(c) + ", which is no letter";
    case QuestionReason::UnopenedSet:
        return the + " has a \"]\" without its \"[\"";
    case QuestionReason::Digit:
        return the + " holds the digit " + quoted(c) + "; answers have letters only";
    case QuestionReason::Space:
        return the + " holds a space; squares have no spaces";
    case QuestionReason::NoPatternCharacter:
        return the + " holds " + quoted(c) + ", which is no letter, ?, *, @, # or [set]";
    case QuestionReason::NoLetters:
        return name + " needs at least one letter";
    case QuestionReason::NotLetter:
        return name + " takes letters" + (TakesBlanks(problem.field) ? " and ?" : "") + ", not " +
               quoted(c);
    case QuestionReason::LengthNoNumber:
    case QuestionReason::LengthUnfinished:
        return "the length \"" + std::string(fieldText) + "\" is not N or N-M with whole numbers";
    case QuestionReason::LengthBelowOne:
        return "the length must be at least 1";
    case QuestionReason::LengthReversed:
        return "the length range " + std::string(fieldText) + " ends below its start";
    case QuestionReason::WordLengthsUnfinished:
    case QuestionReason::WordLengthsInvalid:
        return "the word lengths are numbers from 1 to " + std::to_string(kLongestWordLength) +
               " separated by commas";
    case QuestionReason::NoSquares:
        return the + " has no squares: it needs letters and no digits";
    case QuestionReason::NothingAsked:
        return "give a pattern, letters or a clue";
    case QuestionReason::SquaresAgainstLength:
        return the + " has " + squares + ", against the length " + std::string(fieldText);
    case QuestionReason::AtLeastSquaresAgainstLength:
        return the + " has at least " + squares + ", against the length " + std::string(fieldText);
    case QuestionReason::AtMostSquaresAgainstLength:
        return the + " has at most " + squares + ", against the length " + std::string(fieldText);
    case QuestionReason::LetterAlsoExcluded:
        return the + " holds " + quoted(c) + ", which is excluded too";
    }
    return "the question means nothing";
}

} // namespace zadrovec
