// What is wrong with a question, as a value: the field, a reason from a closed list, where in the
// field's text and which character. The solver refuses a question with such a value; Diagnose
// (engine/solver/diagnose.h) finds it for a whole question, with the contradictions between its
// fields. The window says it in Czech, the command line in English (DescribeProblem).
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zadrovec {

enum class QuestionField {
    Pattern,     // a pattern of squares, or of words with spaces
    WordLengths, // the lengths of a tajenka's words, "5,2,3"
    Anagram,     // the letters of the kinds other than a pattern
    From,
    Contains,
    Clue,   // a legend, or a pattern of clue texts when it holds "*" or "?"
    Length, // "N" or "N-M" squares
    Exclude,
    Word,     // the word whose clues are asked for
    Question, // the question as a whole
};

enum class QuestionReason {
    // A pattern of squares or of words.
    Empty,
    OnlySpaces,
    UnclosedSet, // "[" without "]": typing may still close it
    EmptySet,
    SetHoldsNonLetter,  // the character
    UnopenedSet,        // "]" without "["
    Digit,              // the character
    Space,              // a pattern of squares has no spaces
    NoPatternCharacter, // the character: no letter, ?, *, @, # or [set]
    // Letters of an option.
    NoLetters,
    NotLetter, // the character: no letter (and no "?" where blanks are allowed)
    // A length.
    LengthNoNumber,
    LengthUnfinished, // "4-" on the way to "4-6"
    LengthBelowOne,
    LengthReversed, // "6-4"
    // The lengths of words.
    WordLengthsUnfinished, // "5,2," on the way
    WordLengthsInvalid,
    // The word of a look-up of clues.
    NoSquares,
    // The question as a whole.
    NothingAsked,
    // Contradictions: the solver takes the question, but its own fields leave it no answer.
    // squares is what the field has; the field is Pattern or one of the letters' kinds.
    SquaresAgainstLength,        // exactly that many squares
    AtLeastSquaresAgainstLength, // at least
    AtMostSquaresAgainstLength,  // at most
    LetterAlsoExcluded,          // the character, asked for and excluded
};

// Whether the field's letters may hold "?" for a blank: an anagram's and "from" letters do.
inline bool TakesBlanks(QuestionField field) {
    return field == QuestionField::Anagram || field == QuestionField::From;
}

// The longest word the lengths of a tajenka's words may ask for.
inline constexpr int kLongestWordLength = 100;

struct QuestionProblem {
    QuestionField field = QuestionField::Question;
    QuestionReason reason = QuestionReason::NothingAsked;
    std::size_t position = 0; // of the character in the field's text
    char character = 0;       // Windows-1250, where the reason names one
    std::size_t squares = 0;  // with a contradiction

    // A question with this problem is refused; one with a contradiction merely has no answer.
    bool refused() const;
    // Typing on may mend it ("[AB", "4-", "5,2,").
    bool unfinished() const;
    bool operator==(const QuestionProblem&) const = default;
};

// The problem in English for the command line: fieldText is the text of the field it concerns
// (for a contradiction, the length it contradicts).
std::string DescribeProblem(const QuestionProblem& problem, std::string_view fieldText);

// A question the solver refuses; what() is DescribeProblem's text.
class SolverInputError : public std::invalid_argument {
public:
    SolverInputError(const QuestionProblem& problem, std::string_view fieldText)
        : std::invalid_argument(DescribeProblem(problem, fieldText)), problem_(problem) {}
    const QuestionProblem& problem() const { return problem_; }

private:
    QuestionProblem problem_;
};

} // namespace zadrovec
