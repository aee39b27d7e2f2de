// Where a key lies in the bytes of an INI text, by the rules of the Windows profile functions:
// lines end at LF (a CR before it is a blank), "[name]" starts a section, lines before the
// first section, lines starting with ";" and lines without "=" hold no key, and the first
// matching section and, in it, the first matching key win. Names match without regard to case.
#pragma once

#include <cstddef>
#include <string_view>

namespace zadrovec {

// Spaces, tabs and the other blanks trimmed from names and values.
std::string_view trimBlanks(std::string_view text);

struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    // The bytes after the key's "=" up to its line break, untrimmed (when keyFound).
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
    // Where a new key line of the found section goes: right after its last key line, or after
    // its header when it has none. That line may be the last one and lack a line break.
    std::size_t newKeyAt = 0;
    bool newKeyNeedsLineBreakFirst = false;
};

// section and key are taken trimmed.
KeyPlace findKey(std::string_view text, std::string_view section, std::string_view key);

} // namespace zadrovec
