// The error of a settings write that did not reach the disk.
#pragma once

#include <stdexcept>
#include <string>

namespace zadrovec {

class ProfileWriteError : public std::runtime_error {
public:
    // fileName without its folder, as the settings components name the file.
    explicit ProfileWriteError(const std::string& fileName)
        : std::runtime_error("Unable to write to " + fileName) {}
};

} // namespace zadrovec
