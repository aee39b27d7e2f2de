// The squares of a crossword answer: its Windows-1250 letters in capitals, one square each, with
// diacritics folded away unless matching is strict, and CH as one square when the puzzle wants
// it. Everything the solver compares is a sequence of squares.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// A square as a small number: one per capital letter of Windows-1250, one for CH.
using Square = std::uint8_t;
inline constexpr std::size_t kSquareCount = 72;
using SquareSet = std::bitset<kSquareCount>;
using Squares = std::vector<Square>;

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

// The square of one letter byte (any case) under the rules, CH aside. The byte must be a letter.
Square LetterSquare(unsigned char letter, bool strict);

// Joins every C followed by H into the one CH square.
void JoinChSquares(Squares& squares);

// Appends the squares of a text: its letters in order, other characters taking no square.
// False (and nothing appended) for a text with a digit or without any letter.
bool TextSquares(std::string_view text, const SquareRules& rules, Squares& out);

// A square whose letter without diacritics is A E I O U or Y; CH is a consonant.
bool IsVowel(Square square);
const SquareSet& AllSquares();
const SquareSet& VowelSquares();

// The square as Windows-1250 text, for messages ("CH" for the joined one).
std::string SquareText(Square square);

} // namespace zadrovec
