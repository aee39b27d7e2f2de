#include "tools/cli_text.h"

#include "engine/text/cp1250.h"
#include "tools/json.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

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
        if (!Utf8ToCp1250(utf8.substr(at, length))) {
            // Named by its code point: the terminal may not show it as typed.
            const auto lead = static_cast<unsigned char>(utf8[at]);
            char32_t code = length == 1 ? lead : lead & (0x7F >> length);
            for (std::size_t i = 1; i < length; ++i)
                code = code << 6 | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
            return "holds " + std::string(name) +
                   ", a character that Windows-1250 cannot hold, at byte " + std::to_string(at + 1);
        }
        at += length;
    }
    return "cannot be converted to Windows-1250";
}

} // namespace

std::string argumentToCp1250(const std::string& utf8, std::string_view what) {
    auto converted = Utf8ToCp1250(utf8);
    if (!converted) throw ArgumentTextError(std::string(what) + " " + whyNotCp1250(utf8));
    return std::move(*converted);
}

namespace {

// How one byte is shown: its character in UTF-8, or \xNN for a control character (C0, DEL, C1),
// which could move the cursor or recolour the screen. Each byte is shown on its own, so a table
// of all 256 shows any text.
struct ShownByte {
    std::array<char, 4> bytes; // UTF-8 takes at most three for Windows-1250, \xNN four
    std::size_t size;
};

constexpr ShownByte shownByte(unsigned char byte) {
    const char32_t c = Cp1250ToCodePoint(byte);
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F)) {
        constexpr char kHex[] = "0123456789ABCDEF";
        return {{'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]}, 4};
    }
    // UTF-8, as Cp1250ToUtf8 writes it: every code point of the code page lies below 0x10000.
    const auto byteOf = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) return {{byteOf(c)}, 1};
    if (c < 0x800) return {{byteOf(0xC0 | c >> 6), byteOf(0x80 | (c & 0x3F))}, 2};
    return {{byteOf(0xE0 | c >> 12), byteOf(0x80 | (c >> 6 & 0x3F)), byteOf(0x80 | (c & 0x3F))}, 3};
}

constexpr std::array<ShownByte, 256> kShownBytes = [] {
    std::array<ShownByte, 256> bytes{};
    for (std::size_t b = 0; b < bytes.size(); ++b)
        bytes[b] = shownByte(static_cast<unsigned char>(b));
    return bytes;
}();

} // namespace

std::string terminalText(std::string_view cp1250) {
    std::string shown;
    appendTerminalText(shown, cp1250);
    return shown;
}

void appendTerminalText(std::string& out, std::string_view cp1250) {
    const std::size_t start = out.size();
    out.resize(start + cp1250.size() * 4);
    char* next = out.data() + start;
    for (const char c : cp1250) {
        const ShownByte& shown = kShownBytes[static_cast<unsigned char>(c)];
        std::memcpy(next, shown.bytes.data(), shown.bytes.size());
        next += shown.size;
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
}

std::string foundText(const std::vector<std::string>& found,
                      const std::vector<std::string>& meanings) {
    std::string out;
    for (const std::string& item : found) {
        appendTerminalText(out, item);
        out += '\n';
    }
    out += "--\n";
    for (const std::string& item : meanings) {
        appendTerminalText(out, item);
        out += '\n';
    }
    return out;
}

void printLine(std::ostream& out, std::string_view cp1250) {
    out << terminalText(cp1250) << '\n';
}

std::vector<std::string> utf8Items(const std::vector<std::string>& cp1250Items) {
    std::vector<std::string> items;
    items.reserve(cp1250Items.size());
    for (const std::string& item : cp1250Items)
        items.push_back(Cp1250ToUtf8(item));
    return items;
}

std::string hitRowsJson(const std::vector<std::string>& hitHeadwords,
                        const std::vector<std::string>& hitMeanings) {
    std::string rowsJson = "[";
    const std::size_t rows = std::max(hitHeadwords.size(), hitMeanings.size());
    for (std::size_t row = 0; row < rows; ++row) {
        const auto cell = [row](const std::vector<std::string>& list) {
            return row < list.size() ? Cp1250ToUtf8(list[row]) : std::string();
        };
        if (row > 0) rowsJson += ',';
        rowsJson += json::array({cell(hitHeadwords), cell(hitMeanings)});
    }
    return rowsJson + ']';
}

} // namespace zadrovec::cli
