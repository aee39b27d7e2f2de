// A plain, slow matcher to hold the fast one to: the pattern stands anywhere in the headword,
// "?" for exactly one character, "*" for any run; an empty headword never matches.
#pragma once

#include <string_view>
#include <vector>

namespace zadrovec::fuzz {

inline bool referenceMatch(std::string_view pattern, std::string_view headword) {
    if (headword.empty()) return false;
    // fits[p][h]: the first p pattern characters, as a whole, fit the headword's first h, where
    // the pattern may start anywhere (an implied "*" before it and after it).
    const std::size_t n = headword.size();
    std::vector<bool> fits(n + 1, true); // p = 0: the leading implied star takes any prefix
    for (const char c : pattern) {
        std::vector<bool> next(n + 1, false);
        for (std::size_t h = 0; h <= n; ++h) {
            if (c == '*')
                next[h] = fits[h] || (h > 0 && next[h - 1]);
            else if (h > 0)
                next[h] = fits[h - 1] && (c == '?' || c == headword[h - 1]);
        }
        fits = std::move(next);
    }
    for (const bool fit : fits)
        if (fit) return true; // the trailing implied star takes the rest
    return false;
}

} // namespace zadrovec::fuzz
