#include "engine/solver/squareindex.h"

#include "engine/solver/phrasepattern.h"

#include <algorithm>

namespace zadrovec {
namespace {

// The vectors of an index while it is made.
struct OwnedIndex {
    std::vector<Square> squares;
    std::vector<std::uint32_t> start;
    std::vector<SquareSet> letters;
    std::vector<std::uint32_t> lengthStart;
    std::vector<std::uint32_t> byLength;
    std::vector<std::uint32_t> postingStart;
    std::vector<std::uint32_t> postings;
    std::vector<std::uint32_t> phrases;
    std::vector<std::uint32_t> phraseWordStart{0};
    std::vector<std::uint8_t> phraseWords;
};

} // namespace

SquareIndex::SquareIndex(const SquareRules& rules, Arrays arrays)
    : rules_(rules), arrays_(std::move(arrays)), wordOrdersMade_(true) {}

SquareIndex::SquareIndex(const AnswerSpace& space, const SquareRules& rules) : rules_(rules) {
    OwnedIndex o;
    const std::size_t count = space.size();
    o.start.reserve(count + 1);
    o.start.push_back(0);
    o.letters.resize(count);
    o.squares.reserve(count * 8);
    std::size_t longest = 0;
    for (std::uint32_t id = 0; id < count; ++id) {
        const std::string_view text = space.text(id);
        TextSquares(text, rules, o.squares);
        o.start.push_back(static_cast<std::uint32_t>(o.squares.size()));
        // Clues are in the lists by length too, to be matched as clues.
        longest = std::max<std::size_t>(longest, o.start[id + 1] - o.start[id]);
        if (!IsAnswerText(text)) continue; // only a clue: no letters of an answer
        for (std::size_t p = o.start[id]; p < o.squares.size(); ++p)
            o.letters[id].set(o.squares[p]);
        if (o.start[id + 1] > o.start[id] && AppendWordSquares(text, rules, o.phraseWords) > 1) {
            o.phrases.push_back(id);
            o.phraseWordStart.push_back(static_cast<std::uint32_t>(o.phraseWords.size()));
        } else {
            o.phraseWords.resize(o.phraseWordStart.back());
        }
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
    arrays_.squares = PagedArray<Square>(std::move(o.squares));
    arrays_.start = PagedArray<std::uint32_t>(std::move(o.start));
    arrays_.letters = PagedArray<SquareSet>(std::move(o.letters));
    arrays_.lengthStart = PagedArray<std::uint32_t>(std::move(o.lengthStart));
    arrays_.byLength = PagedArray<std::uint32_t>(std::move(o.byLength));
    arrays_.postingStart = PagedArray<std::uint32_t>(std::move(o.postingStart));
    arrays_.postings = PagedArray<std::uint32_t>(std::move(o.postings));
    arrays_.phrases = PagedArray<std::uint32_t>(std::move(o.phrases));
    arrays_.phraseWordStart = PagedArray<std::uint32_t>(std::move(o.phraseWordStart));
    arrays_.phraseWords = PagedArray<std::uint8_t>(std::move(o.phraseWords));
}

void SquareIndex::prefetch(std::span<const std::uint32_t> ids) const {
    if (!arrays_.start.stored()) return;
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (const std::uint32_t id : ids)
        ranges.emplace_back(id, std::size_t{id} + 2);
    arrays_.start.prefetch(ranges);
    std::vector<std::pair<std::size_t, std::size_t>> squares;
    for (auto& [from, to] : ranges) {
        to = from + 1;
        if (from + 2 <= arrays_.start.size()) {
            const auto bounds = arrays_.start.slice(from, 2);
            squares.emplace_back(bounds[0], bounds[1]);
        }
    }
    arrays_.letters.prefetch(ranges);
    arrays_.squares.prefetch(squares);
}

void SquareIndex::prefetchStarts(std::span<const std::uint32_t> ids) const {
    if (!arrays_.start.stored()) return;
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (const std::uint32_t id : ids)
        ranges.emplace_back(id, std::size_t{id} + 2);
    arrays_.start.prefetch(ranges);
}

void SquareIndex::prefetchLetters(std::span<const std::uint32_t> ids) const {
    if (!arrays_.letters.stored()) return;
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    for (const std::uint32_t id : ids)
        ranges.emplace_back(id, std::size_t{id} + 1);
    arrays_.letters.prefetch(ranges);
}

std::vector<std::uint32_t> SquareIndex::orderBy(const PagedArray<Square>& flat) const {
    std::vector<std::uint32_t> ids;
    for (std::uint32_t id = 0; id + 1 < arrays_.start.size(); ++id)
        if (length(id) > 0) ids.push_back(id);
    std::stable_sort(ids.begin(), ids.end(), [&](std::uint32_t a, std::uint32_t b) {
        const auto x = squareSpan(flat, a);
        const auto y = squareSpan(flat, b);
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end());
    });
    return ids;
}

std::span<const std::uint32_t> SquareIndex::equalRange(const PagedArray<std::uint32_t>& ids,
                                                       const PagedArray<Square>& flat,
                                                       const Squares& wanted) const {
    // A binary search that reads only the entries it looks at.
    const auto less = [&](std::size_t at) {
        const auto x = squareSpan(flat, ids[at]);
        return std::lexicographical_compare(x.begin(), x.end(), wanted.begin(), wanted.end());
    };
    const auto equal = [&](std::size_t at) {
        const auto x = squareSpan(flat, ids[at]);
        return std::equal(x.begin(), x.end(), wanted.begin(), wanted.end());
    };
    std::size_t first = 0;
    for (std::size_t count = ids.size(); count > 0;) {
        const std::size_t half = count / 2;
        if (less(first + half)) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    std::size_t last = first;
    while (last < ids.size() && equal(last))
        ++last;
    return ids.slice(first, last - first);
}

std::span<const std::uint32_t> SquareIndex::ofLength(std::size_t length) const {
    if (length == 0 || length > longest()) return {};
    const auto bounds = arrays_.lengthStart.slice(length, 2);
    return arrays_.byLength.slice(bounds[0], bounds[1] - bounds[0]);
}

std::span<const std::uint32_t> SquareIndex::withSquareAt(std::size_t length, std::size_t position,
                                                         Square square) const {
    if (length > kIndexedLength || position >= length || square >= kSquareCount) return {};
    const auto bounds = arrays_.postingStart.slice(postingKey(length, position, square), 2);
    return arrays_.postings.slice(bounds[0], bounds[1] - bounds[0]);
}

void SquareIndex::makeWordOrders() const {
    if (wordOrdersMade_) return;
    wordOrdersMade_ = true;
    std::vector<Square> sorted(arrays_.squares.whole().begin(), arrays_.squares.whole().end());
    const auto start = arrays_.start.whole();
    for (std::uint32_t id = 0; id + 1 < start.size(); ++id)
        std::sort(sorted.begin() + start[id], sorted.begin() + start[id + 1]);
    arrays_.sortedSquares = PagedArray<Square>(std::move(sorted));
    arrays_.bySquares = PagedArray<std::uint32_t>(orderBy(arrays_.squares));
    arrays_.bySortedSquares = PagedArray<std::uint32_t>(orderBy(arrays_.sortedSquares));
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
