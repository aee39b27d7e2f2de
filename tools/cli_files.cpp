#include "tools/cli_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zadrovec::cli {

std::string whyNotOpened(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) return "is a directory";
        if (!S_ISREG(status.st_mode)) return "is not a regular file";
    }
    // Not blocking, so that a named pipe cannot hang the question.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::string("cannot be opened: ") + std::strerror(errno);
    ::close(fd);
    return "cannot be opened";
}

std::string sourceRefusal(const std::string& source, const std::vector<std::string>& outputs) {
    struct stat status {};
    if (::stat(source.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return source + ": " + whyNotOpened(source);
    for (const std::string& output : outputs) {
        struct stat target {};
        if (::stat(output.c_str(), &target) == 0 && target.st_dev == status.st_dev &&
            target.st_ino == status.st_ino)
            return output + ": is the source " + source + "; it would be overwritten";
    }
    return {};
}

} // namespace zadrovec::cli
