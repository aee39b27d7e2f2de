// The settings file's profile functions on an INI file from the fuzz input: a key is read,
// written and read again. A write must change nothing but the value (or add one key line, or one
// section), and a written value must read back.
//
// Input: the section, the key and the value (each its length in one byte, then its bytes), then
// the file's bytes.
#include "fuzz/fuzzinput.h"
#include "settings/profile.h"
#include "settings/profileerror.h"

#include <algorithm>

using namespace zadrovec;

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Names that the INI syntax reads back as the same name.
bool plainName(std::string_view name, std::string_view forbidden) {
    name = trimmed(name);
    return name.find_first_of(forbidden) == std::string_view::npos &&
           (name.empty() || (name.front() != ';' && name.front() != '['));
}

// The value a read gives for a written one.
std::string readBack(std::string_view value) {
    value = trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// The longest common prefix and suffix of two texts, each on its own (they may overlap).
std::size_t commonPrefix(std::string_view a, std::string_view b) {
    return std::ranges::mismatch(a, b).in1 - a.begin();
}
std::size_t commonSuffix(std::string_view a, std::string_view b) {
    return std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first - a.rbegin();
}

// True when now is old with `removed` bytes at some place replaced by one of the texts, and the
// bytes replaced hold no line break: every byte outside them is as before.
bool replacedAtOnePlace(std::string_view old, std::string_view now, std::size_t removed,
                        std::initializer_list<std::string_view> texts) {
    const std::size_t prefix = commonPrefix(old, now);
    const std::size_t suffix = commonSuffix(old, now);
    for (const std::string_view text : texts) {
        if (old.size() - removed + text.size() != now.size()) continue;
        const std::size_t kept = old.size() - removed; // bytes before and after, together
        const std::size_t first = kept > suffix ? kept - suffix : 0;
        for (std::size_t at = first; at <= std::min(prefix, kept); ++at)
            if (now.substr(at, text.size()) == text &&
                old.substr(at, removed).find('\n') == std::string_view::npos)
                return true;
    }
    return false;
}

// One key saved as a window's save writes it: one edit, committed.
void saveString(std::string_view section, std::string_view key, std::string_view value,
                const std::filesystem::path& file) {
    zadrovec::ProfileEdit edit(file);
    edit.writeString(section, key, value);
    edit.commit();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::string_view section = input.text();
    const std::string_view key = input.text();
    const std::string_view value = input.text();
    const std::string old(input.rest());
    const auto file = fuzz::scratchFolder() / "zadrovec.ini";
    fuzz::writeFile(file, old);

    // A key with a value reads the same whatever the default.
    const std::string before = ReadProfileString(section, key, "A", file);
    const bool existed = before != "A" || ReadProfileString(section, key, "B", file) != "B";
    ReadProfileInteger(section, key, 7, file);

    // A line break in a name or value would make lines of its own: the write is refused and the
    // file stays byte for byte as it was.
    const auto breaksLine = [](std::string_view text) {
        return text.find_first_of("\r\n") != std::string_view::npos;
    };
    if (breaksLine(section) || breaksLine(key) || breaksLine(value)) {
        bool refused = false;
        try {
            saveString(section, key, value, file);
        } catch (const ProfileWriteError&) {
            refused = true;
        }
        fuzz::require(refused && readBytes(file) == old);
        return 0;
    }
    saveString(section, key, value, file);
    const std::string now = readBytes(file);

    const std::string k(trimmed(key)), v(value), crlf("\r\n");
    const std::string keyLine = k + "=" + v + crlf;
    if (existed) {
        // Only the value changed: the bytes between "=" and the line break.
        fuzz::require(old.size() + value.size() >= now.size());
        fuzz::require(replacedAtOnePlace(old, now, old.size() + value.size() - now.size(), {v}));
    } else {
        // One key line added, after a line break where the line before had none, or a section
        // with its key line.
        const std::string sectionLines = "[" + std::string(trimmed(section)) + "]" + crlf + keyLine;
        fuzz::require(now.size() > old.size());
        fuzz::require(replacedAtOnePlace(
            old, now, 0, {keyLine, crlf + keyLine, sectionLines, crlf + sectionLines}));
    }

    if (plainName(section, "]\n") && plainName(key, "=\n") &&
        value.find('\n') == std::string_view::npos) {
        fuzz::require(ReadProfileString(section, key, "A", file) == readBack(value));
    }
    return 0;
}
