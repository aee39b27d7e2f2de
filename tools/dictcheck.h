// Verifying a dictionary pair: everything the search relies on, each fault named by its record
// or index slot.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zadrovec::check {

struct CheckReport {
    std::int64_t records = 0;
    std::array<std::size_t, 3> usedSlots{}; // of the first-, second- and third-character tables
    std::vector<std::string> problems;      // UTF-8, one sentence each
};

// Reads base.dat and base.idx. Throws std::runtime_error when a file cannot be read at all.
CheckReport checkDictionary(const std::string& base);

} // namespace zadrovec::check
