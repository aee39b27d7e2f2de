#include "cli_text.h"

#include "cp1250.h"

namespace zadrovec::cli {

namespace {

// The length of the UTF-8 sequence at the start of text, or 0 when none starts there.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = lead < 0x80                    ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    // No overlong forms, no surrogates, nothing beyond U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return length;
}

// Where and why a text argument cannot become Windows-1250, without repeating the argument,
// which may be long and hold anything.
std::string whyNotCp1250(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = sequenceLength(utf8.substr(at));
        if (length == 0) return "is not valid UTF-8 at byte " + std::to_string(at + 1);
        if (!utf8ToCp1250(utf8.substr(at, length)))
            return "holds a character that Windows-1250 cannot hold, at byte " +
                   std::to_string(at + 1);
        at += length;
    }
    return "cannot be converted to Windows-1250";
}

} // namespace

std::string argumentToCp1250(const std::string& utf8, std::string_view what) {
    auto converted = utf8ToCp1250(utf8);
    if (!converted) throw ArgumentTextError(std::string(what) + " " + whyNotCp1250(utf8));
    return std::move(*converted);
}

std::string terminalText(std::string_view cp1250) {
    std::string shown;
    shown.reserve(cp1250.size());
    std::size_t plainFrom = 0;
    const auto flushPlain = [&](std::size_t upTo) {
        shown += cp1250ToUtf8(cp1250.substr(plainFrom, upTo - plainFrom));
    };
    for (std::size_t i = 0; i < cp1250.size(); ++i) {
        const char32_t c = cp1250ToCodePoint(static_cast<unsigned char>(cp1250[i]));
        if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F)) continue;
        flushPlain(i);
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto byte = static_cast<unsigned char>(cp1250[i]);
        shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        plainFrom = i + 1;
    }
    flushPlain(cp1250.size());
    return shown;
}

void printLine(std::ostream& out, std::string_view cp1250) {
    out << terminalText(cp1250) << '\n';
}

} // namespace zadrovec::cli
