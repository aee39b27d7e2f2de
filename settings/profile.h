// The settings file's profile functions, behaving as the Windows ones do: an INI text of
// Windows-1250 bytes, seen as it is on the disk at every call, names matched without regard to
// case, and every write keeping all bytes it does not change.
#pragma once

#include "settings/inilayout.h"
#include "settings/profileerror.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace zadrovec {

// The most a read gives back: the Windows functions read into a buffer of 2,048 bytes.
inline constexpr std::size_t kProfileValueMaxLength = 2047;

// The value of key in section, blanks trimmed and one enclosing pair of quotes (" or ')
// removed. A missing file, section or key gives defaultValue less its trailing spaces.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, const std::filesystem::path& file);

// A decimal integer with an optional sign, or a hexadecimal one written "0x..." or "0X..."
// (more than two characters). A text that is no integer as a whole ("12px"), or one beyond
// 32 bits, gives defaultValue.
int ReadProfileInteger(std::string_view section, std::string_view key, int defaultValue,
                       const std::filesystem::path& file);

// Writes to one file, kept in memory and written once at the end: saving a window's section
// costs one write to the disk, and a save that fails leaves the file as it was.
class ProfileEdit {
public:
    // Reads the file; raises ProfileWriteError when it is there but cannot be read.
    explicit ProfileEdit(std::filesystem::path file);

    // Sets key in section to value, written as it is. An existing key keeps its line, a new key
    // follows the last key of its section, a new section goes to the end of the file; commit
    // creates a missing file. Raises ProfileWriteError when the section, the key or the value
    // holds a line break (CR or LF), which would add lines of its own.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    // Written as "1" or "0".
    void writeBool(std::string_view section, std::string_view key, bool value);

    // Writes the file whole; raises ProfileWriteError when it cannot.
    void commit();

private:
    std::filesystem::path file_;
    std::string bytes_;
    std::unique_ptr<SectionIndex> sections_; // of bytes_, kept up to date by every write
};

} // namespace zadrovec
