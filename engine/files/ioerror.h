// The error of a failed read of a data file: a number and the text "I/O error N".
#pragma once

#include <stdexcept>
#include <string>

namespace zadrovec {

class IoError : public std::runtime_error {
public:
    static constexpr int kReadBeyondEnd = 100; // no whole record left, or a record past the end
    static constexpr int kFileNotOpen = 103;

    explicit IoError(int code)
        : std::runtime_error("I/O error " + std::to_string(code)), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

} // namespace zadrovec
