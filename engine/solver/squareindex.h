// The index of the answers' squares under one set of rules: the squares of every answer, the
// answers of every length, posting lists per length, position and square, the answers by their
// sorted squares (anagrams) and by their squares (look-up of a word). Every list holds answer
// numbers in ascending, that is Czech, order.
#pragma once

#include "engine/solver/answerspace.h"
#include "engine/solver/squares.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zadrovec {

class SquareIndex {
public:
    // Lengths up to this have posting lists per position; longer answers are rare and scanned.
    static constexpr std::size_t kIndexedLength = 48;

    // The arrays of an index, to store and to read back.
    struct Arrays {
        PagedArray<Square> squares;             // every answer's squares, one after another
        PagedArray<std::uint32_t> start;        // where each text's squares start, and the end
        PagedArray<SquareSet> letters;          // the squares each answer holds; none for a clue
        PagedArray<std::uint32_t> lengthStart;  // where each length's answers start in byLength
        PagedArray<std::uint32_t> byLength;     // the answers by length, then number
        PagedArray<std::uint32_t> postingStart; // per length, position and square
        PagedArray<std::uint32_t> postings;
        // The orders of words and anagrams: made the first time a look-up needs them.
        PagedArray<Square> sortedSquares;          // each answer's squares sorted, at start
        PagedArray<std::uint32_t> bySortedSquares; // the answers by sorted squares, then id
        PagedArray<std::uint32_t> bySquares;       // the answers by squares, then id
        // The answers of two words or more (the tajenka's phrases) in number order, with the
        // squares of each of their words.
        PagedArray<std::uint32_t> phrases;
        PagedArray<std::uint32_t> phraseWordStart; // where each phrase's words start, and the end
        PagedArray<std::uint8_t> phraseWords;      // a word's squares, 255 for a longer one
    };

    SquareIndex(const AnswerSpace& space, const SquareRules& rules);
    // An index read back, with its word orders.
    SquareIndex(const SquareRules& rules, Arrays arrays);

    const SquareRules& rules() const { return rules_; }
    const Arrays& arrays() const { return arrays_; }
    // Makes the orders of words and anagrams now (read ones are checked first), so that
    // arrays() holds them too.
    void makeWordOrders() const;
    // The squares of a text; none for a text without letters. The lists below hold every text
    // with squares, answers and texts that are only clues (see isAnswer) alike.
    std::size_t length(std::uint32_t id) const {
        const auto bounds = arrays_.start.slice(id, 2);
        return bounds[1] - bounds[0];
    }
    const Square* squares(std::uint32_t id) const { return squareSpan(arrays_.squares, id).data(); }
    // The squares an answer holds at least once; none for a text that is only a clue.
    SquareSet letters(std::uint32_t id) const { return arrays_.letters[id]; }
    bool isAnswer(std::uint32_t id) const { return letters(id).any(); }
    // Makes the squares and letters of these answers present at once (see PagedArray).
    void prefetch(std::span<const std::uint32_t> ids) const;
    // Makes only where their squares start present: enough for length().
    void prefetchStarts(std::span<const std::uint32_t> ids) const;
    // Makes only their letters present: enough for isAnswer().
    void prefetchLetters(std::span<const std::uint32_t> ids) const;

    std::size_t longest() const {
        return arrays_.lengthStart.size() < 2 ? 0 : arrays_.lengthStart.size() - 2;
    }
    std::span<const std::uint32_t> ofLength(std::size_t length) const;
    // The answers of a length with this square at this position; empty beyond kIndexedLength.
    std::span<const std::uint32_t> withSquareAt(std::size_t length, std::size_t position,
                                                Square square) const;
    std::span<const std::uint32_t> withSortedSquares(const Squares& sorted) const;
    std::span<const std::uint32_t> withSquares(const Squares& squares) const;

    static constexpr std::size_t kPostingKeys =
        (kIndexedLength + 1) * kIndexedLength * kSquareCount;

private:
    static std::size_t postingKey(std::size_t length, std::size_t position, Square square) {
        return (length * kIndexedLength + position) * kSquareCount + square;
    }
    // An answer's part of flat, an array of squares laid out as `squares` is.
    std::span<const Square> squareSpan(const PagedArray<Square>& flat, std::uint32_t id) const {
        const auto bounds = arrays_.start.slice(id, 2);
        return flat.slice(bounds[0], bounds[1] - bounds[0]);
    }
    std::vector<std::uint32_t> orderBy(const PagedArray<Square>& flat) const;
    // The answers whose squares (in flat) equal wanted, from ids ordered by them.
    std::span<const std::uint32_t> equalRange(const PagedArray<std::uint32_t>& ids,
                                              const PagedArray<Square>& flat,
                                              const Squares& wanted) const;

    SquareRules rules_;
    mutable Arrays arrays_; // the word orders come later
    mutable bool wordOrdersMade_ = false;
};

} // namespace zadrovec
