#include "engine/solver/solverpattern.h"

#include "engine/text/cp1250.h"

#include <string>

namespace zadrovec {
namespace {

// A character of the user's text for a message, in the program's own code page.
std::string quotedChar(char c) {
    return "\"" + std::string(1, c) + "\"";
}

// The squares of a run of letters, CH joined when the rules say so.
Squares lettersToSquares(std::string_view letters, const SquareRules& rules) {
    Squares squares;
    LetterSquares(letters, rules, squares);
    return squares;
}

bool isLetter(char c) {
    return IsCp1250Letter(static_cast<unsigned char>(c));
}

} // namespace

SquarePattern::SquarePattern(std::string_view text, const SquareRules& rules,
                             std::string_view what) {
    const std::string name(what);
    if (text.empty()) throw SolverInputError("the " + name + " is empty");
    const auto single = [this](Square s) {
        PatternStep step;
        step.squares.set(s);
        steps_.push_back(step);
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (isLetter(c)) {
            std::size_t end = i;
            while (end < text.size() && isLetter(text[end]))
                ++end;
            for (const Square s : lettersToSquares(text.substr(i, end - i), rules))
                single(s);
            i = end;
            continue;
        }
        PatternStep step;
        if (c == '*') {
            step.star = true;
        } else if (c == '?') {
            step.squares = AllSquares();
        } else if (c == '@') {
            step.squares = VowelSquares();
        } else if (c == '#') {
            step.squares = AllSquares() & ~VowelSquares();
        } else if (c == '[') {
            const std::size_t close = text.find(']', i + 1);
            if (close == std::string_view::npos)
                throw SolverInputError("the " + name + " has a \"[\" without its \"]\"");
            std::string_view inside = text.substr(i + 1, close - i - 1);
            const bool negated = !inside.empty() && (inside[0] == '!' || inside[0] == '^');
            if (negated) inside.remove_prefix(1);
            if (inside.empty())
                throw SolverInputError("the " + name + " has an empty set of letters");
            for (const char l : inside)
                if (!isLetter(l))
                    throw SolverInputError("a set of letters in the " + name + " holds " +
                                           quotedChar(l) + ", which is no letter");
            for (const Square s : lettersToSquares(inside, rules))
                step.squares.set(s);
            if (negated) step.squares = AllSquares() & ~step.squares;
            i = close;
        } else if (c == ']') {
            throw SolverInputError("the " + name + " has a \"]\" without its \"[\"");
        } else if (c >= '0' && c <= '9') {
            throw SolverInputError("the " + name + " holds the digit " + quotedChar(c) +
                                   "; answers have letters only");
        } else if (c == ' ') {
            throw SolverInputError("the " + name + " holds a space; squares have no spaces");
        } else {
            throw SolverInputError("the " + name + " holds " + quotedChar(c) +
                                   ", which is no letter, ?, *, @, # or [set]");
        }
        // A run of stars is one star: each more would only cost a pass over every answer.
        if (!(step.star && !steps_.empty() && steps_.back().star)) steps_.push_back(step);
        ++i;
    }
    for (const PatternStep& step : steps_)
        if (!step.star) ++fixedSteps_;
    while (prefix_ < steps_.size() && !steps_[prefix_].star)
        ++prefix_;
    if (prefix_ < steps_.size())
        while (!steps_[steps_.size() - 1 - suffix_].star)
            ++suffix_;
}

bool SquarePattern::matches(const Square* squares, std::size_t count) const {
    // The usual glob walk: on a mismatch after a star, that star takes one square more.
    const std::size_t stepCount = steps_.size();
    std::size_t p = 0;
    std::size_t s = 0;
    std::size_t starStep = stepCount;
    std::size_t starSquare = 0;
    while (s < count) {
        if (p < stepCount && !steps_[p].star && steps_[p].squares.test(squares[s])) {
            ++p;
            ++s;
        } else if (p < stepCount && steps_[p].star) {
            starStep = p++;
            starSquare = s;
        } else if (starStep != stepCount) {
            p = starStep + 1;
            s = ++starSquare;
        } else {
            return false;
        }
    }
    while (p < stepCount && steps_[p].star)
        ++p;
    return p == stepCount;
}

OptionLetters ParseOptionLetters(std::string_view text, const SquareRules& rules,
                                 bool blanksAllowed, std::string_view what) {
    const std::string name(what);
    OptionLetters parsed;
    std::string letters;
    for (const char c : text) {
        if (isLetter(c)) {
            letters += c;
        } else if (c == '?' && blanksAllowed) {
            ++parsed.blanks;
            letters += ' '; // keeps C?H from joining into CH
        } else {
            throw SolverInputError(name + " takes letters" + (blanksAllowed ? " and ?" : "") +
                                   ", not " + quotedChar(c));
        }
    }
    if (letters.empty()) throw SolverInputError(name + " needs at least one letter");
    std::size_t start = 0;
    while (start < letters.size()) {
        std::size_t end = letters.find(' ', start);
        if (end == std::string::npos) end = letters.size();
        const Squares run =
            lettersToSquares(std::string_view(letters).substr(start, end - start), rules);
        parsed.letters.insert(parsed.letters.end(), run.begin(), run.end());
        start = end + 1;
    }
    return parsed;
}

} // namespace zadrovec
