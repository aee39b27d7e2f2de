// A read-only text file read line by line through a buffer, with the rules of the user's text
// files: a line ends at CR (one LF right after it belongs to that break) or at a lone LF, the
// character 26 (Ctrl+Z) ends the file, and a line may be of any length. Bytes are kept as they
// are (Windows-1250).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <system_error>

namespace zadrovec {

class TextFile {
public:
    TextFile() = default;
    ~TextFile() { close(); }
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens a regular file for reading, positioned at its start. The error says why not: the
    // system's own, or "is a directory" / "invalid argument" for what is no regular file (a
    // pipe would block the program, a device never end).
    std::error_code open(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // True when no line is left: at the end of the bytes or at a Ctrl+Z.
    bool atEnd();
    // The next line without its break; false (and an empty line) when none is left.
    // A failed read throws IoError with the system's error number.
    bool readLine(std::string& line);

private:
    bool fill();

    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    std::size_t position_ = 0; // in the buffer
    std::size_t filled_ = 0;
    bool ended_ = false; // a Ctrl+Z was met
};

} // namespace zadrovec
