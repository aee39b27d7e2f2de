// Windows-1250 <-> Unicode. Every text inside the program is Windows-1250 bytes; this is the one
// place that converts them for terminals, files in UTF-8 and the collation.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zadrovec {

// The Unicode code point of one Windows-1250 byte. The five bytes the code page leaves undefined
// map to the C1 control with the same number, so every byte converts there and back unchanged.
char32_t cp1250ToCodePoint(unsigned char byte);

// The Windows-1250 byte of a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> codePointToCp1250(char32_t codePoint);

std::string cp1250ToUtf8(std::string_view bytes);

// Nothing when the text is not valid UTF-8 or holds a character Windows-1250 cannot hold.
std::optional<std::string> utf8ToCp1250(std::string_view utf8);

// For the program's own fixed texts, written in UTF-8 in the sources: all of them fit.
std::string cp1250Literal(std::string_view utf8);

} // namespace zadrovec
