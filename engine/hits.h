// Hits gathered during a scan of word records and handed to a window's result lists in one
// step each: sorting once is far faster than placing every hit as it comes. During the scan the
// hits' texts go one after another into one buffer, and each list is made from it in one piece
// at the end: lists grown hit by hit would copy themselves again and again.
#pragma once

#include "collation.h"
#include "wordsearch.h"

#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// How the found headwords are put in order. The sort needs memory of its own (a key for every
// headword); tests put one in its place that fails as it does when memory runs out.
inline void (*sortFoundHeadwords)(std::vector<std::string>&) = sortCzech;

class Hits {
public:
    void add(std::string_view headword, std::string_view meaningsText) {
        rows_.push_back({texts_.size(), static_cast<std::uint32_t>(headword.size()),
                         static_cast<std::uint32_t>(meaningsText.size())});
        texts_.append(headword);
        texts_.append(meaningsText);
    }

    // Also after a failed read: the lists then show what was found up to that record, the
    // found list as it stood, repeats and all (complete = false).
    void moveTo(ResultLists& lists, bool complete) {
        std::vector<std::string> headwords = headwordList();
        lists.found.assign(complete ? distinctHeadwords() : headwords);
        lists.hitHeadwords.assign(std::move(headwords));
        lists.hitMeanings.assign(meaningsList());
    }

    // The end of a scan that read to its end: the lists filled, each headword listed once, and
    // the meanings of the first one shown while none is selected. A failure while adding the
    // hits is no failure of the search: when there is no memory to sort them, the headwords
    // stay in the order they were read (the failed sort leaves them as they were), since an
    // unsorted list is better than none.
    void finish(ResultLists& lists) {
        std::vector<std::string> distinct = distinctHeadwords();
        try {
            sortFoundHeadwords(distinct);
        } catch (const std::bad_alloc&) {
        }
        lists.found.assignInOrder(std::move(distinct));
        lists.hitHeadwords.assign(headwordList());
        lists.hitMeanings.assign(meaningsList());
        lists.found.removeAdjacentDuplicates();
        if (!lists.found.empty())
            ShowMeanings(lists, 0);
        else
            lists.meanings.clear();
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
