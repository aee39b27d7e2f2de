#include "engine/files/textfile.h"

#include "engine/files/ioerror.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zadrovec {
namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;
constexpr char kEndOfFile = 26; // Ctrl+Z
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

std::error_code systemError(int number) {
    return {number, std::generic_category()};
}

} // namespace

std::error_code TextFile::open(const std::string& path) {
    close();
    // Not blocking, so that a named pipe cannot hang the open; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return systemError(errno);
    struct stat info {};
    const int number = ::fstat(fd, &info) != 0  ? errno
                       : S_ISDIR(info.st_mode)  ? EISDIR
                       : !S_ISREG(info.st_mode) ? EINVAL
                                                : 0;
    if (number != 0) {
        ::close(fd);
        return systemError(number);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
    position_ = filled_ = 0;
    ended_ = false;
    return {};
}

void TextFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    position_ = filled_ = 0;
    ended_ = false;
}

bool TextFile::fill() {
    if (fd_ < 0) return false;
    if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(kBufferBytes);
    position_ = filled_ = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.get(), kBufferBytes);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw IoError(errno);
        filled_ = static_cast<std::size_t>(n);
        return filled_ > 0;
    }
}

bool TextFile::atEnd() {
    if (ended_) return true;
    if (position_ == filled_ && !fill()) return true;
    ended_ = buffer_[position_] == kEndOfFile;
    return ended_;
}

bool TextFile::readLine(std::string& line) {
    line.clear();
    if (atEnd()) return false;
    for (;;) {
        if (position_ == filled_ && !fill()) return true; // the last line has no break
        const char* begin = buffer_.get() + position_;
        const char* end = buffer_.get() + filled_;
        const char* stop = std::find_if(begin, end, [](char c) {
            return c == kCarriageReturn || c == kLineFeed || c == kEndOfFile;
        });
        line.append(begin, stop);
        position_ += static_cast<std::size_t>(stop - begin);
        if (stop == end) continue;
        if (*stop == kEndOfFile) {
            ended_ = true;
            return true;
        }
        ++position_;
        if (*stop == kCarriageReturn && !atEnd() && buffer_[position_] == kLineFeed) ++position_;
        return true;
    }
}

} // namespace zadrovec
