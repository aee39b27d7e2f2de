// The index of the answers' squares under one set of rules: the squares of every answer, the
// answers of every length, posting lists per length, position and square, the answers by their
// sorted squares (anagrams) and by their squares (look-up of a word). Every list holds answer
// numbers in ascending, that is Czech, order.
#pragma once

#include "answerspace.h"
#include "squares.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zadrovec {

class SquareIndex {
public:
    // Lengths up to this have posting lists per position; longer answers are rare and scanned.
    static constexpr std::size_t kIndexedLength = 48;

    SquareIndex(const AnswerSpace& space, const SquareRules& rules);

    const SquareRules& rules() const { return rules_; }
    // The squares of a text; none for a text that is no answer.
    std::size_t length(std::uint32_t id) const { return start_[id + 1] - start_[id]; }
    const Square* squares(std::uint32_t id) const { return squares_.data() + start_[id]; }
    // The squares an answer holds at least once.
    const SquareSet& letters(std::uint32_t id) const { return letters_[id]; }

    std::size_t longest() const { return byLength_.empty() ? 0 : byLength_.size() - 1; }
    std::span<const std::uint32_t> ofLength(std::size_t length) const;
    // The answers of a length with this square at this position; empty beyond kIndexedLength.
    std::span<const std::uint32_t> withSquareAt(std::size_t length, std::size_t position,
                                                Square square) const;
    std::span<const std::uint32_t> withSortedSquares(const Squares& sorted) const;
    std::span<const std::uint32_t> withSquares(const Squares& squares) const;

private:
    static std::size_t postingKey(std::size_t length, std::size_t position, Square square) {
        return (length * kIndexedLength + position) * kSquareCount + square;
    }
    void orderBy(const std::vector<Square>& flat, std::vector<std::uint32_t>& ids) const;
    // The answers of the squares in order (sorted squares: in byOrderedSquares_), by id.
    std::span<const std::uint32_t> equalRange(const std::vector<std::uint32_t>& ids,
                                              const std::vector<Square>& flat,
                                              const Squares& wanted) const;

    SquareRules rules_;
    std::vector<Square> squares_;
    std::vector<std::uint32_t> start_;
    std::vector<SquareSet> letters_;
    std::vector<std::vector<std::uint32_t>> byLength_;
    std::vector<std::uint32_t> postingStart_;
    std::vector<std::uint32_t> postings_;
    // Made by the first look-up that needs them: a pattern needs neither.
    mutable std::vector<Square> sortedSquares_;          // each answer's squares sorted, at start_
    mutable std::vector<std::uint32_t> bySortedSquares_; // ordered by sorted squares, then id
    mutable std::vector<std::uint32_t> bySquares_;       // ordered by squares, then id
};

} // namespace zadrovec
