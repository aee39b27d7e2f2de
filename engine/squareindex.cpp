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

    for (std::uint32_t id = 0; id < count; ++id) {
        const std::size_t n = length(id);
        if (n == 0) continue;
        Squares own(squares(id), squares(id) + n);
        bySquares_[key(own)].push_back(id);
        std::sort(own.begin(), own.end());
        bySortedSquares_[key(own)].push_back(id);
    }
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

std::span<const std::uint32_t> SquareIndex::withSortedSquares(const Squares& sorted) const {
    const auto found = bySortedSquares_.find(key(sorted));
    if (found == bySortedSquares_.end()) return {};
    return found->second;
}

std::span<const std::uint32_t> SquareIndex::withSquares(const Squares& squares) const {
    const auto found = bySquares_.find(key(squares));
    if (found == bySquares_.end()) return {};
    return found->second;
}

} // namespace zadrovec
