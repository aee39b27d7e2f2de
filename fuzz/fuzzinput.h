// Shared pieces of the fuzz targets: taking a fuzz input apart, and a scratch folder.
#pragma once

#include "engine/solver/answerspace.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace zadrovec::fuzz {

// Reads a fuzz input from the front; past the end every field is empty or zero, so any input
// is a valid one.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto value = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return value;
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    std::string_view bytes(std::size_t count) {
        const std::string_view part = rest_.substr(0, count);
        rest_.remove_prefix(part.size());
        return part;
    }
    // A text of up to 255 bytes, its length first.
    std::string_view text() { return bytes(byte()); }
    std::string_view rest() const { return rest_; }
    bool empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

// The answer space of records one a line, the first byte of each choosing its dictionary.
inline AnswerSpace answersOfRecords(std::string_view rest) {
    AnswerSpaceBuilder builder;
    while (!rest.empty()) {
        const auto end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!line.empty())
            builder.addRecord(static_cast<unsigned char>(line[0]) % kDictionaryFiles.size(),
                              line.substr(1, 80));
    }
    return builder.finish();
}

// One folder for the whole run of a target (libFuzzer runs inputs one after another), removed
// when the process ends normally.
inline const std::filesystem::path& scratchFolder() {
    struct Folder {
        std::filesystem::path path;
        Folder() {
            std::string name = (std::filesystem::temp_directory_path() / "zadrovec-fuzz-XXXXXX");
            if (!::mkdtemp(name.data())) std::abort();
            path = name;
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
}

// A broken promise of the code under test: a crash libFuzzer reports with the input.
inline void require(bool condition) {
    if (!condition) __builtin_trap();
}

} // namespace zadrovec::fuzz
