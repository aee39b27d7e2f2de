// What info and search share: where the dictionaries lie and which names they take.
#include "tools/cli_commands.h"

#include <filesystem>

namespace zadrovec::cli {

std::string dataFolder(const Arguments& arguments) {
    if (arguments.dataFolder) return *arguments.dataFolder;
    std::error_code error;
    const auto program = std::filesystem::canonical("/proc/self/exe", error);
    if (error)
        throw std::runtime_error("cannot find the folder of this program: " + error.message());
    return program.parent_path().string();
}

const std::string& requireDictionaryName(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos)
        throw UsageError("NAME must be a dictionary name without a folder, not \"" + name + "\"");
    return name;
}

} // namespace zadrovec::cli
