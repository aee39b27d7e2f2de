// Hits gathered during a scan of word records and made into the search's lists in one step
// each: sorting once is far faster than placing every hit as it comes. During the scan the
// hits' texts go one after another into one buffer, and each list is made from it in one piece
// at the end: lists grown hit by hit would copy themselves again and again.
#pragma once

#include "engine/dictionary/wordsearch.h"
#include "engine/text/collation.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// How the found headwords are put in order. The sort needs memory of its own (a key for every
// headword); tests put one in its place that fails as it does when memory runs out.
inline void (*sortFoundHeadwords)(std::vector<std::string>&) = SortCzech;

class Hits {
public:
    void add(std::string_view headword, std::string_view meaningsText) {
        rows_.push_back({texts_.size(), static_cast<std::uint32_t>(headword.size()),
                         static_cast<std::uint32_t>(meaningsText.size())});
        texts_.append(headword);
        texts_.append(meaningsText);
    }

    // The hits after a failed read: those found up to that record, the found headwords as they
    // came, repeats and all, in Czech order.
    WordHits partial() const {
        WordHits hits;
        hits.found = headwordList();
        SortCzech(hits.found);
        hits.hitHeadwords = headwordList();
        hits.hitMeanings = meaningsList();
        return hits;
    }

    // The end of a scan that read to its end: each headword listed once, and the meanings of
    // the first one. A failure while sorting the hits is no failure of the search: when there
    // is no memory to sort them, the headwords stay in the order they were read (the failed sort
    // leaves them as they were), since an unsorted list is better than none.
    WordHits finish() const {
        WordHits hits;
        hits.found = distinctHeadwords();
        try {
            sortFoundHeadwords(hits.found);
        } catch (const std::bad_alloc&) {
        }
        hits.found.erase(std::unique(hits.found.begin(), hits.found.end()), hits.found.end());
        hits.hitHeadwords = headwordList();
        hits.hitMeanings = meaningsList();
        if (!hits.found.empty())
            hits.meanings = MeaningsOf(hits.found.front(), hits.hitHeadwords, hits.hitMeanings);
        return hits;
    }

private:
    struct Row {
        std::size_t at; // of the headword in texts_, the meanings text right after it
        std::uint32_t headwordSize;
        std::uint32_t meaningsSize;
    };

    std::string_view headword(const Row& row) const {
        return {texts_.data() + row.at, row.headwordSize};
    }

    std::vector<std::string> headwordList() const {
        std::vector<std::string> list;
        list.reserve(rows_.size());
        for (const Row& row : rows_)
            list.emplace_back(headword(row));
        return list;
    }

    // The headwords without their immediate repeats.
    std::vector<std::string> distinctHeadwords() const {
        std::vector<std::string> list;
        list.reserve(rows_.size());
        for (const Row& row : rows_)
            if (list.empty() || list.back() != headword(row)) list.emplace_back(headword(row));
        return list;
    }

    std::vector<std::string> meaningsList() const {
        std::vector<std::string> list;
        list.reserve(rows_.size());
        for (const Row& row : rows_)
            list.emplace_back(texts_.data() + row.at + row.headwordSize, row.meaningsSize);
        return list;
    }

    std::string texts_;
    std::vector<Row> rows_;
};

} // namespace zadrovec
