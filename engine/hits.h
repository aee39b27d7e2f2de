// Hits gathered during a scan of word records and handed to a window's result lists in one
// step each: sorting once is far faster than placing every hit as it comes.
#pragma once

#include "dbunit.h"

#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

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
    // the meanings of the first one shown while none is selected.
    void finish(ResultLists& lists) {
        moveTo(lists, true);
        lists.found.removeAdjacentDuplicates();
        if (!lists.found.empty())
            ShowMeanings(lists, 0);
        else
            lists.meanings.clear();
    }
};

} // namespace zadrovec
