// Hits gathered during a scan of word records and handed to a window's result lists in one
// step each: sorting once is far faster than placing every hit as it comes.
#pragma once

#include "collation.h"
#include "wordsearch.h"

#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// How the found headwords are put in order. The sort needs memory of its own (a key for every
// headword); tests put one in its place that fails as it does when memory runs out.
inline void (*sortFoundHeadwords)(std::vector<std::string>&) = sortCzech;

struct Hits {
    std::vector<std::string> headwords;
    std::vector<std::string> meanings;
    std::vector<std::string> distinct; // headwords without their immediate repeats

    void add(std::string_view headword, std::string_view meaningsText) {
        if (distinct.empty() || distinct.back() != headword) distinct.emplace_back(headword);
        headwords.emplace_back(headword);
        meanings.emplace_back(meaningsText);
    }

    // Also after a failed read: the lists then show what was found up to that record, the
    // found list as it stood, repeats and all (complete = false).
    void moveTo(ResultLists& lists, bool complete) {
        lists.found.assign(complete ? std::move(distinct) : headwords);
        lists.hitHeadwords.assign(std::move(headwords));
        lists.hitMeanings.assign(std::move(meanings));
    }

    // The end of a scan that read to its end: the lists filled, each headword listed once, and
    // the meanings of the first one shown while none is selected. A failure while adding the
    // hits is no failure of the search: when there is no memory to sort them, the headwords
    // stay in the order they were read (the failed sort leaves them as they were), since an
    // unsorted list is better than none.
    void finish(ResultLists& lists) {
        try {
            sortFoundHeadwords(distinct);
        } catch (const std::bad_alloc&) {
        }
        lists.found.assignInOrder(std::move(distinct));
        lists.hitHeadwords.assign(std::move(headwords));
        lists.hitMeanings.assign(std::move(meanings));
        lists.found.removeAdjacentDuplicates();
        if (!lists.found.empty())
            ShowMeanings(lists, 0);
        else
            lists.meanings.clear();
    }
};

} // namespace zadrovec
