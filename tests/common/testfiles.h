// Temporary folders and whole-file reads and writes, for the tests of every layer.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec::testing {

// A fresh folder under the system's temporary folder, removed with everything in it, read-only
// parts included.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    // The names of the entries of the folder, hidden ones included, sorted.
    std::vector<std::string> listing() const;

private:
    std::filesystem::path path_;
};

// The exact bytes; both throw std::runtime_error naming the file when it fails.
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
std::string readBytes(const std::filesystem::path& file);

} // namespace zadrovec::testing
