// A record of a data file: a length byte and up to Size Windows-1250 characters after it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace zadrovec {

template <std::size_t Size> struct LengthPrefixedRecord {
    unsigned char length = 0;
    std::array<char, Size> chars{};

    // The first `length` characters; a length above Size is taken as Size, so the text never
    // reaches past the record.
    std::string_view text() const { return {chars.data(), std::min<std::size_t>(length, Size)}; }
};

} // namespace zadrovec
