#include "wholefile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zadrovec {
namespace {

namespace fs = std::filesystem;

// Closes the descriptor it holds when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now, reporting the error a delayed write may only show here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a symbolic link names, so that writing keeps the link; other paths as they are.
fs::path resolvedTarget(const fs::path& file) {
    std::error_code error;
    if (!fs::is_symlink(file, error)) return file;
    const fs::path target = fs::canonical(file, error);
    return error ? file : target;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A new, empty file beside target with a name no other file has; created with the usual
// permissions (0666 less the umask), like any new file of the user.
FileDescriptor createTemporaryBeside(const fs::path& target, fs::path& temporary) {
    std::random_device randomBits;
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::array<char, 16> suffix{};
        std::snprintf(suffix.data(), suffix.size(), ".%08x", randomBits());
        temporary = folderOf(target) / ("." + target.filename().string() + suffix.data());
        FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid() || errno != EEXIST) return fd;
    }
    return FileDescriptor(-1);
}

// Makes the rename itself survive a crash; the file is whole either way, so a failure is no
// failure of the write.
void syncFolder(const fs::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

// Puts the finished temporary file in target's place; with ExistingFile::Keep only while no
// file of that name exists (a hard link cannot replace one).
bool moveIntoPlace(const fs::path& temporary, const fs::path& target, ExistingFile existing) {
    if (existing == ExistingFile::Replace) return ::rename(temporary.c_str(), target.c_str()) == 0;
    if (::link(temporary.c_str(), target.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return true;
    }
    if (errno == EEXIST) return false;
    // A file system without hard links: check, then rename.
    struct stat status {};
    if (::lstat(target.c_str(), &status) == 0 || errno != ENOENT) return false;
    return ::rename(temporary.c_str(), target.c_str()) == 0;
}

} // namespace

FileContents readWholeFile(const fs::path& file) {
    FileContents contents;
    // Not blocking, so that a named pipe cannot hang the open; only regular files are read.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        contents.status =
            missing ? FileContents::Status::Missing : FileContents::Status::Unreadable;
        return contents;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        contents.status = FileContents::Status::Unreadable;
        return contents;
    }
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (status.st_size > 0) contents.bytes.reserve(static_cast<std::size_t>(status.st_size));
    std::array<char, 1 << 16> buffer;
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            contents.status = FileContents::Status::Unreadable;
            contents.bytes.clear();
            return contents;
        }
        if (got == 0) break;
        contents.bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    contents.status = FileContents::Status::Read;
    return contents;
}

bool writeWholeFile(const fs::path& file, std::string_view bytes, ExistingFile existing) {
    const fs::path target = resolvedTarget(file);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && (existing == ExistingFile::Keep || !S_ISREG(old.st_mode) ||
                   ::access(target.c_str(), W_OK) != 0))
        return false;

    fs::path temporary;
    FileDescriptor fd = createTemporaryBeside(target, temporary);
    if (!fd.valid()) return false;
    const bool written = (!exists || ::fchmod(fd.get(), old.st_mode & 07777) == 0) &&
                         writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.close() &&
                         moveIntoPlace(temporary, target, existing);
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

} // namespace zadrovec
