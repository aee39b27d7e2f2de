// The limits of a dictionary that the importers keep to: the record a source line must fit, and
// the index's slots for first characters of headwords.
#pragma once

#include "engine/dictionary/dictionaryfiles.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zadrovec::import {

// Whether "HEADWORD@MEANING;" fits in one record (Windows-1250 byte counts).
inline bool fitsRecord(std::size_t headwordBytes, std::size_t meaningBytes) {
    return headwordBytes + 1 + meaningBytes + 1 <= kRecordTextSize;
}

// The headword of a map entry or a set item.
template <typename Entry> const std::string& headwordOf(const Entry& entry) {
    if constexpr (requires { entry.first; })
        return entry.first;
    else
        return entry;
}

// The index of a dictionary has a slot for at most kFirstSlots different first characters of
// headwords. Keeps the headwords of the most frequent first characters (keyed by the folded
// headword, in a map or a set) and returns how many it dropped.
template <typename Entries> std::size_t dropRareFirstCharacters(Entries& entries) {
    std::map<unsigned char, std::size_t> counts;
    for (const auto& entry : entries)
        ++counts[static_cast<unsigned char>(headwordOf(entry).front())];
    if (counts.size() <= PrefixIndex::kFirstSlots) return 0;
    std::vector<std::pair<std::size_t, unsigned char>> byCount;
    for (const auto& [c, n] : counts)
        byCount.emplace_back(n, c);
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::set<unsigned char> rare;
    for (std::size_t k = PrefixIndex::kFirstSlots; k < byCount.size(); ++k)
        rare.insert(byCount[k].second);
    return std::erase_if(entries, [&](const auto& entry) {
        return rare.contains(static_cast<unsigned char>(headwordOf(entry).front()));
    });
}

} // namespace zadrovec::import
