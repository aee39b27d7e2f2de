#include "engine/files/pagedarray.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace zadrovec {

std::shared_ptr<const ReadOnlyFile> ReadOnlyFile::open(const std::string& path, std::string& why,
                                                       bool& missing) {
    missing = false;
    // Without blocking: a FIFO under the name must not hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        missing = errno == ENOENT;
        why = std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = "not a regular file";
        ::close(fd);
        return nullptr;
    }
    return std::shared_ptr<const ReadOnlyFile>(
        new ReadOnlyFile(fd, static_cast<std::uint64_t>(info.st_size)));
}

ReadOnlyFile::~ReadOnlyFile() {
    ::close(fd_);
}

void ReadOnlyFile::readAt(std::uint64_t offset, void* into, std::size_t size) const {
    auto* bytes = static_cast<char*>(into);
    while (size > 0) {
        const ssize_t n = ::pread(fd_, bytes, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw StoredFileError(false, std::strerror(errno));
        if (n == 0) throw StoredFileError(false, "cut short");
        bytes += n;
        offset += static_cast<std::uint64_t>(n);
        size -= static_cast<std::size_t>(n);
    }
}

void ThrowOutsideArray(const std::string& name) {
    throw StoredFileError(true, "array " + (name.empty() ? std::string("in memory") : name));
}

StoredBytes::StoredBytes(std::shared_ptr<const ReadOnlyFile> file, StoredArrayPlace place)
    : file_(std::move(file)), place_(std::move(place)) {
    chunks_ = place_.bytes == 0 ? 0 : (place_.bytes - 1) / place_.chunkSize + 1;
    present_ = std::make_unique<std::atomic<bool>[]>(chunks_);
    if (place_.bytes == 0) {
        complete_ = true;
        return;
    }
    // Anonymous memory: untouched pages cost nothing, so an array only partly read takes only
    // what was read.
    void* memory =
        ::mmap(nullptr, place_.bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw StoredFileError(false, std::strerror(errno));
    memory_ = static_cast<std::byte*>(memory);
    // A hint: a large array read in full then faults in a few huge pages instead of thousands.
    ::madvise(memory, place_.bytes, MADV_HUGEPAGE);
}

StoredBytes::~StoredBytes() {
    if (memory_) ::munmap(memory_, place_.bytes);
}

void StoredBytes::readChecksums() const {
    if (!checksums_.empty() || chunks_ == 0) return;
    std::vector<std::uint64_t> checksums(chunks_);
    file_->readAt(place_.checksumsOffset, checksums.data(), chunks_ * sizeof(std::uint64_t));
    if (XXH3_64bits(checksums.data(), chunks_ * sizeof(std::uint64_t)) != place_.checksumsHash)
        throw StoredFileError(true, "array " + place_.name);
    checksums_ = std::move(checksums);
}

void StoredBytes::load(std::size_t from, std::size_t to) const {
    if (to <= from) return;
    std::vector<std::size_t> chunks;
    for (std::size_t c = from / place_.chunkSize; c <= (to - 1) / place_.chunkSize; ++c)
        chunks.push_back(c);
    loadChunks(chunks);
}

void StoredBytes::loadChunks(std::span<const std::size_t> chunks) const {
    // Chunks this close are read together: reading the few between costs less than a call. A
    // run never holds a present chunk, so the bytes go straight to their place.
    constexpr std::size_t kGap = 4;
    constexpr std::size_t kLongestRun = 1024;
    const std::lock_guard lock(mutex_);
    readChecksums();
    std::size_t first = 0, last = 0;
    bool open = false;
    const auto gapFree = [this](std::size_t from, std::size_t to) {
        for (std::size_t c = from; c < to; ++c)
            if (present_[c].load(std::memory_order_relaxed)) return false;
        return true;
    };
    for (const std::size_t c : chunks) {
        if (c >= chunks_ || present_[c].load(std::memory_order_relaxed)) continue;
        if (open && c <= last + kGap && c - first < kLongestRun && gapFree(last + 1, c)) {
            last = c;
            continue;
        }
        if (open) readRun(first, last);
        first = last = c;
        open = true;
    }
    if (open) readRun(first, last);
}

void StoredBytes::readRun(std::size_t first, std::size_t last) const {
    const std::size_t start = first * place_.chunkSize;
    const std::size_t end = std::min<std::size_t>((last + 1) * place_.chunkSize, place_.bytes);
    // Until its chunk is checked and marked present, nothing reads this memory.
    file_->readAt(place_.offset + start, memory_ + start, end - start);
    for (std::size_t c = first; c <= last; ++c) {
        const std::byte* chunk = memory_ + c * place_.chunkSize;
        const std::size_t size =
            std::min<std::size_t>(place_.chunkSize, end - c * place_.chunkSize);
        if (XXH3_64bits(chunk, size) != checksums_[c] ||
            (place_.valuesValid && !place_.valuesValid(chunk, size)))
            throw StoredFileError(true, "array " + place_.name);
        present_[c].store(true, std::memory_order_release);
        if (++presentCount_ == chunks_) complete_.store(true, std::memory_order_release);
    }
}

} // namespace zadrovec
