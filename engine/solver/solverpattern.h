// The pattern language of the solver, square by square: "?" any one square, "*" any run of
// squares (also none), "@" a vowel, "#" any other square, "[ABC]" one of these, "[!ABC]" or
// "[^ABC]" none of these, a letter itself, in any case. And the letters of the options
// (anagram, from, contains, exclude): letters, with "?" as a blank where one is allowed.
#pragma once

#include "engine/solver/squares.h"

#include <stdexcept>
#include <string_view>
#include <vector>

namespace zadrovec {

// A pattern or letters the user typed that mean nothing; the text says what is wrong.
class SolverInputError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// One step of a pattern: a run of squares, or one square out of a set.
struct PatternStep {
    bool star = false;
    SquareSet squares; // when not a star
};

class SquarePattern {
public:
    // Throws SolverInputError for an empty pattern, digits, spaces and other characters, and an
    // unclosed or empty set. what names the field in the message ("pattern", "clue").
    SquarePattern(std::string_view cp1250, const SquareRules& rules, std::string_view what);

    const std::vector<PatternStep>& steps() const { return steps_; }
    bool hasStar() const { return fixedSteps_ != steps_.size(); }
    // The squares every match has at least (the steps that are no star).
    std::size_t minimumLength() const { return fixedSteps_; }
    // The steps before the first star and after the last one.
    std::size_t prefixLength() const { return prefix_; }
    std::size_t suffixLength() const { return suffix_; }

    bool matches(const Square* squares, std::size_t count) const;

private:
    std::vector<PatternStep> steps_;
    std::size_t fixedSteps_ = 0;
    std::size_t prefix_ = 0;
    std::size_t suffix_ = 0;
};

// Letters of an option: their squares and the number of "?" blanks.
struct OptionLetters {
    Squares letters;
    std::size_t blanks = 0;
};

// Throws SolverInputError for no letters at all, or any other character (also "?" unless
// blanksAllowed). what is the option's name for the message.
OptionLetters ParseOptionLetters(std::string_view cp1250, const SquareRules& rules,
                                 bool blanksAllowed, std::string_view what);

} // namespace zadrovec
