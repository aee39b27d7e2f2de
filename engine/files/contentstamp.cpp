#include "engine/files/contentstamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace zadrovec {
namespace {

// Closes the file at the end of a scope.
struct OpenFile {
    int fd;
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
};

bool readAt(int fd, std::uint64_t offset, char* into, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::pread(fd, into, size, static_cast<off_t>(offset));
        if (n <= 0) return false;
        into += n;
        offset += static_cast<std::uint64_t>(n);
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

ContentStamp StampContent(const std::string& path, std::uint64_t samples) {
    // Without blocking: a FIFO under the name must not hang the reader.
    const OpenFile file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) return {errno == ENOENT ? ContentStamp::kMissing : ContentStamp::kUnreadable};
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return {ContentStamp::kUnreadable};
    const auto size = static_cast<std::uint64_t>(info.st_size);

    std::vector<char> bytes;
    if (size <= kStampWhole) {
        bytes.resize(size);
        if (!readAt(file.fd, 0, bytes.data(), bytes.size())) return {ContentStamp::kUnreadable};
    } else {
        bytes.resize(samples * kStampBlock);
        const std::uint64_t last = size - kStampBlock;
        for (std::uint64_t i = 0; i < samples; ++i)
            if (!readAt(file.fd, last * i / (samples - 1), bytes.data() + i * kStampBlock,
                        kStampBlock))
                return {ContentStamp::kUnreadable};
    }
    return {size, XXH3_64bits_withSeed(bytes.data(), bytes.size(), size)};
}

} // namespace zadrovec
