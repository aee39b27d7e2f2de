// The squares of a crossword answer: its Windows-1250 letters in capitals, one square each, with
// diacritics folded away unless matching is strict, and CH as one square when the puzzle wants
// it. Everything the solver compares is a sequence of squares.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// A square as a small number: one per capital letter of Windows-1250, one for CH.
using Square = std::uint8_t;
inline constexpr std::size_t kSquareCount = 72;
using Squares = std::vector<Square>;

// A set of squares as two 64-bit words, bit i for square i: a layout of its own, so that the
// stored answers can keep it as it is. Bits from kSquareCount up are always clear.
class SquareSet {
public:
    static constexpr std::size_t kWords = 2;

    bool test(Square s) const { return s < kSquareCount && (words_[s / 64] >> (s % 64) & 1) != 0; }
    SquareSet& set(Square s) {
        if (s < kSquareCount) words_[s / 64] |= std::uint64_t{1} << (s % 64);
        return *this;
    }
    std::size_t count() const {
        return static_cast<std::size_t>(std::popcount(words_[0]) + std::popcount(words_[1]));
    }
    bool any() const { return (words_[0] | words_[1]) != 0; }
    bool none() const { return !any(); }
    // True when no bit from kSquareCount up is set, as in every set made here.
    bool valid() const { return (words_[1] & ~kHighMask) == 0; }

    SquareSet operator~() const { return words(~words_[0], ~words_[1] & kHighMask); }
    SquareSet operator&(const SquareSet& o) const {
        return words(words_[0] & o.words_[0], words_[1] & o.words_[1]);
    }
    SquareSet operator|(const SquareSet& o) const {
        return words(words_[0] | o.words_[0], words_[1] | o.words_[1]);
    }
    SquareSet& operator|=(const SquareSet& o) { return *this = *this | o; }
    SquareSet& operator&=(const SquareSet& o) { return *this = *this & o; }
    bool operator==(const SquareSet&) const = default;

private:
    static constexpr std::uint64_t kHighMask = (std::uint64_t{1} << (kSquareCount - 64)) - 1;
    static SquareSet words(std::uint64_t low, std::uint64_t high) {
        SquareSet set;
        set.words_ = {low, high};
        return set;
    }
    std::array<std::uint64_t, kWords> words_{};
};
static_assert(kSquareCount > 64 && kSquareCount <= 128);
static_assert(sizeof(SquareSet) == 16);

// How typed text and answers become squares.
struct SquareRules {
    bool strict = false;      // compare diacritics too (Č is not C)
    bool chOneSquare = false; // C followed by H is one square
    bool operator==(const SquareRules&) const = default;
};

// True for the Windows-1250 bytes that are upper- or lower-case letters.
bool IsCp1250Letter(unsigned char byte);

// The capital of every Windows-1250 letter that has one in Windows-1250; other bytes unchanged.
std::string UpperCaseCp1250(std::string_view text);

// The capitals of the letters without their diacritics (Č is C, Ů is U); other bytes unchanged.
std::string FoldedCapitals(std::string_view text);

// The square of one letter byte (any case) under the rules, CH aside. The byte must be a letter.
Square LetterSquare(unsigned char letter, bool strict);

// Appends the squares of letters (every byte a letter, any case): CH one square when the rules
// say so, and only where the letters are C and H themselves.
void LetterSquares(std::string_view letters, const SquareRules& rules, Squares& out);
// The same, appending to starts where each square's letters begin, offset added.
void LetterSquares(std::string_view letters, const SquareRules& rules, Squares& out,
                   std::vector<std::size_t>& starts, std::size_t offset);

// Appends the squares of a text: its letters in order, other characters taking no square.
// False (and nothing appended) for a text with a digit or without any letter.
bool TextSquares(std::string_view text, const SquareRules& rules, Squares& out);

// Whether a text can be written into squares as an answer: letters, with spaces, the punctuation
// of a sentence (. , ' ! ? : ; and a dash between words) and hyphens between letters ("BLU-RAY",
// "ATD.", "BEZ PRÁCE NEJSOU KOLÁČE!"). Word parts ("-ISMUS", "AERO-"), symbols ("°C", "µA"),
// digits and texts cut short ("…") are clues only.
bool IsAnswerText(std::string_view text);

const SquareSet& AllSquares();
const SquareSet& VowelSquares();

} // namespace zadrovec
