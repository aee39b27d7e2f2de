// A question to the solver, its fields as the user typed them.
#pragma once

#include "engine/solver/questionproblem.h"
#include "engine/solver/squares.h"

#include <string>

namespace zadrovec {

enum class QuestionKind { Pattern, Anagram, From, Contains };

// Every text is Windows-1250 as typed. An empty field is no filter; an empty pattern asks for
// the clue alone.
struct Question {
    QuestionKind kind = QuestionKind::Pattern;
    std::string text;   // the pattern, or the letters of the other kinds
    std::string length; // "N" or "N-M" squares
    std::string exclude;
    std::string clue; // a legend as printed, or a pattern when it holds "*" or "?"
    SquareRules rules;
};

// The field of a question's letters, by its kind; Pattern for a pattern.
inline QuestionField LettersField(QuestionKind kind) {
    switch (kind) {
    case QuestionKind::Anagram:
        return QuestionField::Anagram;
    case QuestionKind::From:
        return QuestionField::From;
    case QuestionKind::Contains:
        return QuestionField::Contains;
    case QuestionKind::Pattern:
        break;
    }
    return QuestionField::Pattern;
}

} // namespace zadrovec
