// Verifying a dictionary pair: everything the search relies on, each fault named by its record
// or index slot.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zadrovec::check {

struct CheckReport {
    std::int64_t records = 0;
    std::array<std::size_t, 3> usedSlots{}; // of the first-, second- and third-character tables
    std::uint64_t problems = 0;
};

// Reads base.dat and base.idx and hands each problem (UTF-8, one sentence) to problem as it is
// found, so that a file with millions of them needs no more memory than one without. Throws
// std::runtime_error when a file cannot be read at all.
CheckReport checkDictionary(const std::string& base,
                            const std::function<void(const std::string&)>& problem);

} // namespace zadrovec::check
