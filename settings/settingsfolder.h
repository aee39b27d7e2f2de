// The per-user folder of the settings file, standing where the Windows program used the
// Windows directory, and the start-up copy that seeds it from the file beside the program.
#pragma once

#include <filesystem>
#include <string_view>

namespace zadrovec {

inline constexpr std::string_view kSettingsFileName = "zadrovec.ini";

// $XDG_CONFIG_HOME/zadrovec, or ~/.config/zadrovec when that is unset or not absolute;
// created when missing (a failure shows later, as failed writes and default values).
std::filesystem::path SettingsFolder();

// The settings file in SettingsFolder(): every read and write of the settings goes here.
std::filesystem::path SettingsFilePath();

// At every start: removes the temporary files that saves stopped by a crash left behind, then
// copies programFolder/zadrovec.ini into the settings folder when no file of
// that name is there yet (never overwriting one), then makes that file writable by its owner.
// Nothing is reported: a missing source or a failed step leaves things as they are. The file
// beside the program is only read.
void CopySettingsFileAtStart(const std::filesystem::path& programFolder);

} // namespace zadrovec
