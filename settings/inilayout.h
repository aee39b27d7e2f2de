// Where a key lies in the bytes of an INI text, by the rules of the Windows profile functions:
// lines end at LF (a CR before it is a blank), "[name]" starts a section, lines before the
// first section, lines starting with ";" and lines without "=" hold no key, and the first
// matching section and, in it, the first matching key win. Names match without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zadrovec {

// Spaces, tabs and the other blanks trimmed from names and values.
std::string_view TrimBlanks(std::string_view text);

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
KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key);

// Where the first section of each name begins, so that a look-up can start there rather than
// at the top of a large file. At most mostNames names are kept; the rest of the text is then
// searched from where the index stopped.
class SectionIndex {
public:
    SectionIndex(std::string_view text, std::size_t mostNames);

    // The same as FindKey(text, section, key) for the text the index was made of.
    KeyPlace findKey(std::string_view text, std::string_view section, std::string_view key) const;

    // Follows a change of the text: delta bytes inserted (or, negative, removed) at position,
    // which lies inside a line or at the start of one; sections from there on move.
    void moved(std::size_t position, std::ptrdiff_t delta);
    // Follows a section header added at offset, after every other section.
    void appended(std::string_view section, std::size_t offset);

private:
    std::unordered_map<std::string, std::size_t> firstHeaders_; // by the name in small letters
    std::size_t unindexedFrom_;                                 // text.size() when complete
    std::size_t mostNames_;
    bool complete_ = true;
};

} // namespace zadrovec
