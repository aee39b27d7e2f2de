#include "squareindex.h"

#include <algorithm>

namespace zadrovec {
namespace {

// The vectors an index made in memory points into.
struct OwnedIndex {
    std::vector<Square> squares;
    std::vector<std::uint32_t> start;
    std::vector<SquareSet> letters;
    std::vector<std::uint32_t> lengthStart;
    std::vector<std::uint32_t> byLength;
    std::vector<std::uint32_t> postingStart;
    std::vector<std::uint32_t> postings;
};

} // namespace

SquareIndex::SquareIndex(const SquareRules& rules, const Arrays& arrays,
                         std::shared_ptr<const void> storage)
    : rules_(rules), arrays_(arrays), storage_(std::move(storage)) {}

SquareIndex::SquareIndex(const AnswerSpace& space, const SquareRules& rules) : rules_(rules) {
    auto owned = std::make_shared<OwnedIndex>();
    OwnedIndex& o = *owned;
    const std::size_t count = space.size();
    o.start.reserve(count + 1);
    o.start.push_back(0);
    o.letters.resize(count);
    o.squares.reserve(count * 8);
    std::size_t longest = 0;
    for (std::uint32_t id = 0; id < count; ++id) {
        TextSquares(space.text(id), rules, o.squares);
        o.start.push_back(static_cast<std::uint32_t>(o.squares.size()));
        for (std::size_t p = o.start[id]; p < o.squares.size(); ++p)
            o.letters[id].set(o.squares[p]);
        longest = std::max<std::size_t>(longest, o.start[id + 1] - o.start[id]);
    }
    const auto lengthOf = [&o](std::uint32_t id) { return o.start[id + 1] - o.start[id]; };

    // Counting sorts: by length, and by length, position and square.
    o.lengthStart.assign(longest + 2, 0);
    o.postingStart.assign(kPostingKeys + 1, 0);
    for (std::uint32_t id = 0; id < count; ++id) {
        const std::size_t n = lengthOf(id);
        if (n == 0) continue;
        ++o.lengthStart[n + 1];
        if (n > kIndexedLength) continue;
        for (std::size_t p = 0; p < n; ++p)
            ++o.postingStart[postingKey(n, p, o.squares[o.start[id] + p]) + 1];
    }
    for (std::size_t k = 1; k < o.lengthStart.size(); ++k)
        o.lengthStart[k] += o.lengthStart[k - 1];
    for (std::size_t k = 1; k < o.postingStart.size(); ++k)
        o.postingStart[k] += o.postingStart[k - 1];
    o.byLength.resize(o.lengthStart.back());
    o.postings.resize(o.postingStart.back());
    std::vector<std::uint32_t> lengthFill(o.lengthStart.begin(), o.lengthStart.end() - 1);
    std::vector<std::uint32_t> postingFill(o.postingStart.begin(), o.postingStart.end() - 1);
    for (std::uint32_t id = 0; id < count; ++id) {
        const std::size_t n = lengthOf(id);
        if (n == 0) continue;
        o.byLength[lengthFill[n]++] = id;
        if (n > kIndexedLength) continue;
        for (std::size_t p = 0; p < n; ++p)
            o.postings[postingFill[postingKey(n, p, o.squares[o.start[id] + p])]++] = id;
    }
    arrays_ = {o.squares, o.start, o.letters, o.lengthStart, o.byLength, o.postingStart, o.postings,
               {},        {},      {}};
    storage_ = std::move(owned);
}

void SquareIndex::orderBy(Array<Square> flat, std::vector<std::uint32_t>& ids) const {
    const auto& start = arrays_.start;
    for (std::uint32_t id = 0; id + 1 < start.size(); ++id)
        if (length(id) > 0) ids.push_back(id);
    std::stable_sort(ids.begin(), ids.end(), [&](std::uint32_t a, std::uint32_t b) {
        return std::lexicographical_compare(flat.begin() + start[a], flat.begin() + start[a + 1],
                                            flat.begin() + start[b], flat.begin() + start[b + 1]);
    });
}

std::span<const std::uint32_t> SquareIndex::equalRange(Array<std::uint32_t> ids, Array<Square> flat,
                                                       const Squares& wanted) const {
    const auto& start = arrays_.start;
    const auto compare = [&](std::uint32_t id, const Squares& w) {
        return std::lexicographical_compare(flat.begin() + start[id], flat.begin() + start[id + 1],
                                            w.begin(), w.end());
    };
    const auto first = std::lower_bound(ids.begin(), ids.end(), wanted, compare);
    auto last = first;
    while (last != ids.end() &&
           std::equal(flat.begin() + start[*last], flat.begin() + start[*last + 1], wanted.begin(),
                      wanted.end()))
        ++last;
    return {ids.data() + (first - ids.begin()), static_cast<std::size_t>(last - first)};
}

std::span<const std::uint32_t> SquareIndex::ofLength(std::size_t length) const {
    if (length == 0 || length > longest()) return {};
    return arrays_.byLength.subspan(arrays_.lengthStart[length],
                                    arrays_.lengthStart[length + 1] - arrays_.lengthStart[length]);
}

std::span<const std::uint32_t> SquareIndex::withSquareAt(std::size_t length, std::size_t position,
                                                         Square square) const {
    if (length > kIndexedLength || position >= length || square >= kSquareCount) return {};
    const std::size_t k = postingKey(length, position, square);
    return arrays_.postings.subspan(arrays_.postingStart[k],
                                    arrays_.postingStart[k + 1] - arrays_.postingStart[k]);
}

void SquareIndex::makeWordOrders() const {
    if (wordOrdersMade_) return;
    wordOrdersMade_ = true;
    // Orders read from a file are taken when every number in them leads somewhere.
    const std::size_t count = arrays_.letters.size();
    const auto inRange = [count](std::uint32_t id) { return id < count; };
    Arrays& a = arrays_;
    if (a.sortedSquares.size() == a.squares.size() && a.bySquares.size() == a.byLength.size() &&
        a.bySortedSquares.size() == a.byLength.size() &&
        std::all_of(a.sortedSquares.begin(), a.sortedSquares.end(),
                    [](Square s) { return s < kSquareCount; }) &&
        std::all_of(a.bySquares.begin(), a.bySquares.end(), inRange) &&
        std::all_of(a.bySortedSquares.begin(), a.bySortedSquares.end(), inRange))
        return;
    madeSortedSquares_.assign(a.squares.begin(), a.squares.end());
    for (std::uint32_t id = 0; id + 1 < a.start.size(); ++id)
        std::sort(madeSortedSquares_.begin() + a.start[id],
                  madeSortedSquares_.begin() + a.start[id + 1]);
    madeBySquares_.clear();
    madeBySortedSquares_.clear();
    orderBy(a.squares, madeBySquares_);
    orderBy(madeSortedSquares_, madeBySortedSquares_);
    a.sortedSquares = madeSortedSquares_;
    a.bySquares = madeBySquares_;
    a.bySortedSquares = madeBySortedSquares_;
}

std::span<const std::uint32_t> SquareIndex::withSortedSquares(const Squares& sorted) const {
    makeWordOrders();
    return equalRange(arrays_.bySortedSquares, arrays_.sortedSquares, sorted);
}

std::span<const std::uint32_t> SquareIndex::withSquares(const Squares& squares) const {
    makeWordOrders();
    return equalRange(arrays_.bySquares, arrays_.squares, squares);
}

} // namespace zadrovec
