#include "tests/settings/filehelpers.h"

#include "settings/profile.h"

#include <cstdlib>

namespace zadrovec::testing {

namespace fs = std::filesystem;

void saveString(std::string_view section, std::string_view key, std::string_view value,
                const fs::path& file) {
    ProfileEdit edit(file);
    edit.writeString(section, key, value);
    edit.commit();
}

void saveInteger(std::string_view section, std::string_view key, int value, const fs::path& file) {
    ProfileEdit edit(file);
    edit.writeInteger(section, key, value);
    edit.commit();
}

void saveBool(std::string_view section, std::string_view key, bool value, const fs::path& file) {
    ProfileEdit edit(file);
    edit.writeBool(section, key, value);
    edit.commit();
}

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) previous_ = old;
    if (value)
        ::setenv(name_.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name_.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    if (previous_)
        ::setenv(name_.c_str(), previous_->c_str(), 1);
    else
        ::unsetenv(name_.c_str());
}

} // namespace zadrovec::testing
