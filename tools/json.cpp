#include "tools/json.h"

#include <cstdio>

namespace zadrovec::json {
namespace {

std::string unicodeEscape(unsigned code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
    return buffer;
}

} // namespace

std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += unicodeEscape(c);
            } else if (c == 0xC2 && i + 1 < utf8.size() &&
                       static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                       static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
                out += unicodeEscape(static_cast<unsigned char>(utf8[++i])); // a C1 control
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
    return out;
}

std::string array(const std::vector<std::string>& utf8Items) {
    std::string out = "[";
    for (std::size_t i = 0; i < utf8Items.size(); ++i) {
        if (i > 0) out += ',';
        out += quoted(utf8Items[i]);
    }
    out += ']';
    return out;
}

} // namespace zadrovec::json
