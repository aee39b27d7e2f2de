#include "engine/files/recordfile.h"

#include "engine/files/ioerror.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zadrovec {
namespace {

// A search reads a run of records from where it seeks: often a few records, sometimes many
// thousands. The first read after a seek takes a little, the next ones take much.
constexpr std::size_t kFirstReadBytes = 8 * 1024;
constexpr std::size_t kBufferBytes = 64 * 1024;

} // namespace

bool RecordFile::open(const std::string& path) {
    close();
    // Not blocking, so that a named pipe cannot hang the open; only regular files are taken.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        close();
        return false;
    }
    ::fcntl(fd_, F_SETFL, 0); // blocking again: O_NONBLOCK was the only status flag given
    position_ = 0;
    bufferFirst_ = 0;
    bufferedRecords_ = 0;
    readsSinceSeek_ = 0;
    return true;
}

void RecordFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    bufferedRecords_ = 0;
    position_ = 0;
}

void RecordFile::requireOpen() const {
    if (fd_ < 0) throw IoError(IoError::kFileNotOpen);
}

std::int64_t RecordFile::recordCount() const {
    requireOpen();
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw IoError(IoError::kReadBeyondEnd);
    return static_cast<std::int64_t>(info.st_size) / static_cast<std::int64_t>(recordSize_);
}

void RecordFile::seek(std::int64_t record) {
    requireOpen();
    if (record < 0) throw IoError(IoError::kReadBeyondEnd);
    position_ = record;
    bufferedRecords_ = 0; // a seek reads afresh, so a search sees the file as it is now
    readsSinceSeek_ = 0;
}

bool RecordFile::fill() {
    if (!buffer_) {
        bufferRecords_ = std::max<std::size_t>(1, kBufferBytes / recordSize_);
        buffer_ = std::make_unique_for_overwrite<unsigned char[]>(bufferRecords_ * recordSize_);
    }
    const std::size_t records =
        readsSinceSeek_++ == 0
            ? std::clamp<std::size_t>(kFirstReadBytes / recordSize_, 1, bufferRecords_)
            : bufferRecords_;
    const std::size_t wanted = records * recordSize_;
    std::size_t got = 0;
    const auto offset = static_cast<off_t>(position_) * static_cast<off_t>(recordSize_);
    while (got < wanted) {
        const ssize_t n =
            ::pread(fd_, buffer_.get() + got, wanted - got, offset + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    bufferFirst_ = position_;
    bufferedRecords_ = got / recordSize_;
    return bufferedRecords_ > 0;
}

bool RecordFile::buffered() const {
    return position_ >= bufferFirst_ &&
           position_ < bufferFirst_ + static_cast<std::int64_t>(bufferedRecords_);
}

void RecordFile::read(void* dest) {
    std::memcpy(dest, readRecords(1).data(), recordSize_);
}

std::span<const unsigned char> RecordFile::readRecords(std::size_t most) {
    requireOpen();
    if (!buffered() && !fill()) throw IoError(IoError::kReadBeyondEnd);
    const auto slot = static_cast<std::size_t>(position_ - bufferFirst_);
    const std::size_t count = std::min(most, bufferedRecords_ - slot);
    position_ += static_cast<std::int64_t>(count);
    return {buffer_.get() + slot * recordSize_, count * recordSize_};
}

bool RecordFile::atEnd() {
    requireOpen();
    if (buffered()) return false; // the record is in the buffer already
    return position_ >= recordCount();
}

std::size_t RecordFile::readAt(std::uint64_t offset, void* dest, std::size_t size) {
    requireOpen();
    std::size_t got = 0;
    auto* bytes = static_cast<unsigned char*>(dest);
    while (got < size) {
        const ssize_t n = ::pread(fd_, bytes + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

} // namespace zadrovec
