#include "squareindex.h"

#include <algorithm>

namespace zadrovec {

SquareIndex::SquareIndex(const AnswerSpace& space, const SquareRules& rules) : rules_(rules) {
    const std::size_t count = space.size();
    start_.reserve(count + 1);
    start_.push_back(0);
    letters_.resize(count);
    squares_.reserve(count * 8);
    for (std::uint32_t id = 0; id < count; ++id) {
        TextSquares(space.text(id), rules, squares_);
        start_.push_back(static_cast<std::uint32_t>(squares_.size()));
        for (std::size_t p = start_[id]; p < squares_.size(); ++p)
            letters_[id].set(squares_[p]);
    }

    postingStart_.assign(postingKey(kIndexedLength + 1, 0, 0) + 1, 0);
    for (std::uint32_t id = 0; id < count; ++id) {
        const std::size_t n = length(id);
        if (n == 0) continue;
        if (byLength_.size() <= n) byLength_.resize(n + 1);
        byLength_[n].push_back(id);
        if (n > kIndexedLength) continue;
        for (std::size_t p = 0; p < n; ++p)
            ++postingStart_[postingKey(n, p, squares(id)[p]) + 1];
    }
    for (std::size_t k = 1; k < postingStart_.size(); ++k)
        postingStart_[k] += postingStart_[k - 1];
    postings_.resize(postingStart_.back());
    std::vector<std::uint32_t> fill(postingStart_.begin(), postingStart_.end() - 1);
    for (std::uint32_t id = 0; id < count; ++id) {
        const std::size_t n = length(id);
        if (n == 0 || n > kIndexedLength) continue;
        for (std::size_t p = 0; p < n; ++p)
            postings_[fill[postingKey(n, p, squares(id)[p])]++] = id;
    }
}

std::span<const std::uint32_t> SquareIndex::equalRange(const std::vector<std::uint32_t>& ids,
                                                       const std::vector<Square>& flat,
                                                       const Squares& wanted) const {
    const auto compare = [&](std::uint32_t id, const Squares& w) {
        return std::lexicographical_compare(flat.begin() + start_[id],
                                            flat.begin() + start_[id + 1], w.begin(), w.end());
    };
    const auto first = std::lower_bound(ids.begin(), ids.end(), wanted, compare);
    auto last = first;
    while (last != ids.end() &&
           std::equal(flat.begin() + start_[*last], flat.begin() + start_[*last + 1],
                      wanted.begin(), wanted.end()))
        ++last;
    return {ids.data() + (first - ids.begin()), static_cast<std::size_t>(last - first)};
}

std::span<const std::uint32_t> SquareIndex::ofLength(std::size_t length) const {
    if (length >= byLength_.size()) return {};
    return byLength_[length];
}

std::span<const std::uint32_t> SquareIndex::withSquareAt(std::size_t length, std::size_t position,
                                                         Square square) const {
    if (length > kIndexedLength || position >= length || square >= kSquareCount) return {};
    const std::size_t k = postingKey(length, position, square);
    return {postings_.data() + postingStart_[k], postings_.data() + postingStart_[k + 1]};
}

void SquareIndex::orderBy(const std::vector<Square>& flat, std::vector<std::uint32_t>& ids) const {
    for (std::uint32_t id = 0; id + 1 < start_.size(); ++id)
        if (length(id) > 0) ids.push_back(id);
    std::stable_sort(ids.begin(), ids.end(), [&](std::uint32_t a, std::uint32_t b) {
        return std::lexicographical_compare(flat.begin() + start_[a], flat.begin() + start_[a + 1],
                                            flat.begin() + start_[b], flat.begin() + start_[b + 1]);
    });
}

std::span<const std::uint32_t> SquareIndex::withSortedSquares(const Squares& sorted) const {
    if (bySortedSquares_.empty()) {
        sortedSquares_ = squares_;
        for (std::uint32_t id = 0; id + 1 < start_.size(); ++id)
            std::sort(sortedSquares_.begin() + start_[id], sortedSquares_.begin() + start_[id + 1]);
        orderBy(sortedSquares_, bySortedSquares_);
    }
    return equalRange(bySortedSquares_, sortedSquares_, sorted);
}

std::span<const std::uint32_t> SquareIndex::withSquares(const Squares& squares) const {
    if (bySquares_.empty()) orderBy(squares_, bySquares_);
    return equalRange(bySquares_, squares_, squares);
}

} // namespace zadrovec
