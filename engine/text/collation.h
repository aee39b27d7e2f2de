// The order of every sorted list: Czech collation, case-insensitive, whatever the locale of the
// session says. Items that collate equal are ordered by their bytes, so the order is total and
// byte-equal items always stand side by side.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// Negative, zero or positive as a sorts before, with or after b (Windows-1250 texts).
int CompareCzech(std::string_view a, std::string_view b);

// A byte string whose plain byte order is the collation order (bytes tie-break included).
std::string CzechSortKey(std::string_view text);

// Sorts in collation order; one sort key per item, so it is the fast way to fill a list. All
// its memory is taken before any item moves: when that fails (std::bad_alloc), the items are
// left as they were.
void SortCzech(std::vector<std::string>& items);

} // namespace zadrovec
