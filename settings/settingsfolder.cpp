#include "settings/settingsfolder.h"

#include "settings/wholefile.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zadrovec {
namespace {

namespace fs = std::filesystem;

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return fs::current_path();
}

// The base folder of user settings as the XDG rules give it; a relative value is ignored.
fs::path configHome() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr) {
        const fs::path folder = config;
        if (folder.is_absolute()) return folder;
    }
    return homeFolder() / ".config";
}

// A read-only file inherited from installation media must take the settings of this user.
void makeWritableByOwner(const fs::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        ::chmod(file.c_str(), (status.st_mode & 07777) | S_IWUSR);
}

} // namespace

fs::path SettingsFolder() {
    const fs::path folder = configHome() / "zadrovec";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return folder;
}

fs::path SettingsFilePath() {
    return SettingsFolder() / kSettingsFileName;
}

void CopySettingsFileAtStart(const fs::path& programFolder) {
    const auto startedAt = fs::file_time_type::clock::now();
    const fs::path target = SettingsFilePath();
    RemoveTemporariesLeftBefore(target, startedAt);
    std::error_code error;
    if (!fs::exists(fs::symlink_status(target, error))) {
        const FileContents source = ReadWholeFile(programFolder / kSettingsFileName);
        if (source.status == FileContents::Status::Read)
            WriteWholeFile(target, source.bytes, ExistingFile::Keep);
    }
    makeWritableByOwner(target);
}

} // namespace zadrovec
