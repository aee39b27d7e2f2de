// The language of a question's fields. Patterns, square by square: "?" any one square, "*" any run
// of squares (also none), "@" a vowel, "#" any other square, "[ABC]" one of these, "[!ABC]" or
// "[^ABC]" none of these, a letter itself, in any case. The letters of the options (anagram, from,
// contains, exclude): letters, with "?" as a blank where one is allowed. And lengths, "N" or "N-M".
#pragma once

#include "engine/solver/questionproblem.h"
#include "engine/solver/squares.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zadrovec {

// One step of a pattern: a run of squares, or one square out of a set.
struct PatternStep {
    bool star = false;
    SquareSet squares; // when not a star
};

class SquarePattern {
public:
    // Throws SolverInputError for an empty pattern, digits and other characters, an unclosed or
    // empty set, and (only when nothing else is wrong) a space. field is the one it was typed in.
    SquarePattern(std::string_view cp1250, const SquareRules& rules, QuestionField field);

    const std::vector<PatternStep>& steps() const { return steps_; }
    bool hasStar() const { return fixedSteps_ != steps_.size(); }
    // The squares every match has at least (the steps that are no star).
    std::size_t minimumLength() const { return fixedSteps_; }
    // The steps before the first star and after the last one.
    std::size_t prefixLength() const { return prefix_; }
    std::size_t suffixLength() const { return suffix_; }

    bool matches(const Square* squares, std::size_t count) const;

    // The letters typed outside sets, as squares, and where each square's letters begin.
    const Squares& letters() const { return letters_; }
    const std::vector<std::size_t>& letterPositions() const { return letterPositions_; }

private:
    std::vector<PatternStep> steps_;
    Squares letters_;
    std::vector<std::size_t> letterPositions_;
    std::size_t fixedSteps_ = 0;
    std::size_t prefix_ = 0;
    std::size_t suffix_ = 0;
};

// Letters of an option: their squares and the number of "?" blanks.
struct OptionLetters {
    Squares letters;
    std::vector<std::size_t> positions; // where each square's letters begin in the text
    std::size_t blanks = 0;
};

// Throws SolverInputError for no letters at all, or any other character (also "?" where the
// field takes no blanks: only an anagram's and "from" letters do).
OptionLetters ParseOptionLetters(std::string_view cp1250, const SquareRules& rules,
                                 QuestionField field);

struct LengthRange {
    std::size_t shortest = 1;
    std::size_t longest = SIZE_MAX;
};

// "N" or "N-M" with N at least 1 and M not below N; throws SolverInputError otherwise.
LengthRange ParseLengthRange(std::string_view text);

} // namespace zadrovec
