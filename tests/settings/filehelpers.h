// Single saves, folder listings and environment variables for the settings tests, beside the shared
// temporary folders and byte-exact file access.
#pragma once

#include "tests/common/testfiles.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace zadrovec::testing {

// One key saved the way a window saves its section: one ProfileEdit, one write, one commit.
void saveString(std::string_view section, std::string_view key, std::string_view value,
                const std::filesystem::path& file);
void saveInteger(std::string_view section, std::string_view key, int value,
                 const std::filesystem::path& file);
void saveBool(std::string_view section, std::string_view key, bool value,
              const std::filesystem::path& file);

// The names of the entries of a folder, hidden ones included.
std::set<std::string> entriesOf(const std::filesystem::path& folder);

// Sets (or, with nothing, unsets) an environment variable and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::optional<std::string>& value);
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();

private:
    std::string name_;
    std::optional<std::string> previous_;
};

} // namespace zadrovec::testing
