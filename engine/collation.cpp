#include "collation.h"

#include "cp1250.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <unicode/ucol.h>

namespace zadrovec {
namespace {

struct CollatorCloser {
    void operator()(UCollator* c) const { ucol_close(c); }
};

UCollator* czechCollator() {
    static const std::unique_ptr<UCollator, CollatorCloser> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("cs", &status);
        if (U_FAILURE(status)) throw std::runtime_error("Czech collation is not available");
        ucol_setStrength(c, UCOL_SECONDARY); // accents count, case does not
        return std::unique_ptr<UCollator, CollatorCloser>(c);
    }();
    return collator.get();
}

// Windows-1250 to UTF-16 for ICU; every byte is one code unit.
std::u16string toUtf16(std::string_view text) {
    std::u16string out(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = static_cast<char16_t>(cp1250ToCodePoint(static_cast<unsigned char>(text[i])));
    return out;
}

int compareBytes(std::string_view a, std::string_view b) {
    const int c = a.compare(b); // char_traits<char> compares as unsigned bytes
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace

int compareCzech(std::string_view a, std::string_view b) {
    const std::u16string ua = toUtf16(a);
    const std::u16string ub = toUtf16(b);
    const UCollationResult r =
        ucol_strcoll(czechCollator(), reinterpret_cast<const UChar*>(ua.data()),
                     static_cast<int32_t>(ua.size()), reinterpret_cast<const UChar*>(ub.data()),
                     static_cast<int32_t>(ub.size()));
    if (r != UCOL_EQUAL) return r == UCOL_LESS ? -1 : 1;
    return compareBytes(a, b);
}

std::string czechSortKey(std::string_view text) {
    const std::u16string u = toUtf16(text);
    std::string key(u.size() * 4 + 16, '\0');
    for (;;) {
        const int32_t needed = ucol_getSortKey(
            czechCollator(), reinterpret_cast<const UChar*>(u.data()), static_cast<int32_t>(u.size()),
            reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
        if (needed <= static_cast<int32_t>(key.size())) {
            key.resize(needed > 0 ? needed - 1 : 0); // drop the terminating zero
            break;
        }
        key.resize(needed);
    }
    // The collation key never holds a zero byte, so a zero separator keeps the bytes as tie-break.
    key += '\0';
    key.append(text);
    return key;
}

void sortCzech(std::vector<std::string>& items) {
    if (items.size() < 2) return;
    std::vector<std::string> keys;
    keys.reserve(items.size());
    for (const auto& item : items) keys.push_back(czechSortKey(item));
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<std::string> sorted;
    sorted.reserve(items.size());
    for (std::size_t i : order) sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
}

} // namespace zadrovec
