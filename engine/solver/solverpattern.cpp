#include "engine/solver/solverpattern.h"

#include "engine/text/cp1250.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace zadrovec {
namespace {

bool isLetter(char c) {
    return IsCp1250Letter(static_cast<unsigned char>(c));
}

} // namespace

SquarePattern::SquarePattern(std::string_view text, const SquareRules& rules, QuestionField field) {
    const auto refuse = [&](QuestionReason reason, std::size_t at) {
        throw SolverInputError({field, reason, at, at < text.size() ? text[at] : '\0'}, text);
    };
    if (text.empty()) refuse(QuestionReason::Empty, 0);
    // A space is told only when nothing else is wrong: the rest may show that it was meant to part
    // the words of a phrase, and an error after it is the more useful one.
    std::size_t firstSpace = std::string_view::npos;
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
            const std::size_t before = letters_.size();
            LetterSquares(text.substr(i, end - i), rules, letters_, letterPositions_, i);
            for (std::size_t k = before; k < letters_.size(); ++k)
                single(letters_[k]);
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
            if (close == std::string_view::npos) refuse(QuestionReason::UnclosedSet, i);
            std::size_t first = i + 1;
            const bool negated = first < close && (text[first] == '!' || text[first] == '^');
            if (negated) ++first;
            if (first == close) refuse(QuestionReason::EmptySet, i);
            for (std::size_t at = first; at < close; ++at)
                if (!isLetter(text[at])) refuse(QuestionReason::SetHoldsNonLetter, at);
            const std::string_view inside = text.substr(first, close - first);
            Squares members;
            LetterSquares(inside, rules, members);
            for (const Square s : members)
                step.squares.set(s);
            if (negated) step.squares = AllSquares() & ~step.squares;
            i = close;
        } else if (c == ']') {
            refuse(QuestionReason::UnopenedSet, i);
        } else if (c >= '0' && c <= '9') {
            refuse(QuestionReason::Digit, i);
        } else if (c == ' ') {
            if (firstSpace == std::string_view::npos) firstSpace = i;
            ++i;
            continue;
        } else {
            refuse(QuestionReason::NoPatternCharacter, i);
        }
        // A run of stars is one star: each more would only cost a pass over every answer.
        if (!(step.star && !steps_.empty() && steps_.back().star)) steps_.push_back(step);
        ++i;
    }
    if (firstSpace != std::string_view::npos) refuse(QuestionReason::Space, firstSpace);
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
                                 QuestionField field) {
    const bool blanksAllowed = TakesBlanks(field);
    OptionLetters parsed;
    std::string letters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isLetter(c)) {
            letters += c;
        } else if (c == '?' && blanksAllowed) {
            ++parsed.blanks;
            letters += ' '; // keeps C?H from joining into CH
        } else {
            throw SolverInputError({field, QuestionReason::NotLetter, i, c}, text);
        }
    }
    if (letters.empty()) throw SolverInputError({field, QuestionReason::NoLetters}, text);
    std::size_t start = 0;
    while (start < letters.size()) {
        std::size_t end = letters.find(' ', start);
        if (end == std::string::npos) end = letters.size();
        LetterSquares(std::string_view(letters).substr(start, end - start), rules, parsed.letters,
                      parsed.positions, start);
        start = end + 1;
    }
    return parsed;
}

LengthRange ParseLengthRange(std::string_view text) {
    const auto refuse = [&](QuestionReason reason) {
        throw SolverInputError({QuestionField::Length, reason}, text);
    };
    const auto number = [&](std::string_view part) {
        std::size_t value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc{} || end != part.data() + part.size())
            refuse(QuestionReason::LengthNoNumber);
        return value;
    };
    const auto dash = text.find('-');
    LengthRange range;
    range.shortest = number(text.substr(0, dash));
    if (range.shortest < 1) refuse(QuestionReason::LengthBelowOne);
    if (dash == std::string_view::npos) {
        range.longest = range.shortest;
    } else {
        if (dash + 1 == text.size()) refuse(QuestionReason::LengthUnfinished);
        range.longest = number(text.substr(dash + 1));
    }
    if (range.longest < range.shortest) refuse(QuestionReason::LengthReversed);
    return range;
}

} // namespace zadrovec
