#include "settings/wholefile.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
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

// The file a chain of symbolic links ends at, also when that file does not exist yet (a
// dangling link is followed, so the write creates the file it names); other paths as they are.
// A loop of links gives the path itself, whose writing then fails.
fs::path resolvedTarget(const fs::path& file) {
    constexpr int kMostLinks = 40; // as the kernel allows
    fs::path path = file;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return file;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return file;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

constexpr std::size_t kTemporarySuffixDigits = 8;

// ".NAME." and eight hexadecimal digits: the temporary files of the file NAME.
bool isTemporaryOf(const std::string& candidate, const std::string& name) {
    const std::string prefix = "." + name + ".";
    if (candidate.size() != prefix.size() + kTemporarySuffixDigits ||
        !candidate.starts_with(prefix))
        return false;
    for (std::size_t i = prefix.size(); i < candidate.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(candidate[i]))) return false;
    return true;
}

// A new, empty file beside target with a name no other file has; created with the usual
// permissions (0666 less the umask), like any new file of the user. It is locked while it is
// open, so that the clean-up at start leaves a temporary file being written alone.
FileDescriptor createTemporaryBeside(const fs::path& target, fs::path& temporary) {
    std::random_device randomBits;
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::array<char, 16> suffix{};
        std::snprintf(suffix.data(), suffix.size(), ".%08x", randomBits());
        temporary = folderOf(target) / ("." + target.filename().string() + suffix.data());
        FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid()) {
            ::flock(fd.get(), LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST) return fd;
    }
    return FileDescriptor(-1);
}

// Gives the new file the owner and group of the one it replaces, then its permissions (a
// change of owner clears the set-user-ID bits, so the mode comes last). False when the owner
// cannot be kept: the file then must not be replaced, or its owner would lose it.
bool takeOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
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

FileIdentity identityFrom(const struct stat& status) {
    return FileIdentity{static_cast<unsigned long long>(status.st_dev),
                        static_cast<unsigned long long>(status.st_ino),
                        static_cast<long long>(status.st_size),
                        static_cast<long long>(status.st_mtim.tv_sec),
                        static_cast<long long>(status.st_mtim.tv_nsec)};
}

} // namespace

std::optional<FileIdentity> IdentityOf(const fs::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return std::nullopt;
    return identityFrom(status);
}

FileContents ReadWholeFile(const fs::path& file) {
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
    contents.identity = identityFrom(status);
    return contents;
}

bool WriteWholeFile(const fs::path& file, std::string_view bytes, ExistingFile existing) {
    const fs::path target = resolvedTarget(file);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && (existing == ExistingFile::Keep || !S_ISREG(old.st_mode) ||
                   ::access(target.c_str(), W_OK) != 0))
        return false;

    fs::path temporary;
    FileDescriptor fd = createTemporaryBeside(target, temporary);
    if (!fd.valid()) return false;
    const bool written = (!exists || takeOwnerAndMode(fd.get(), old)) &&
                         writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.close() &&
                         moveIntoPlace(temporary, target, existing);
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

void RemoveTemporariesLeftBefore(const fs::path& file, fs::file_time_type startedAt) {
    const fs::path target = resolvedTarget(file);
    const std::string name = target.filename().string();
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folderOf(target), error)) {
        if (!isTemporaryOf(entry.path().filename().string(), name)) continue;
        FileDescriptor fd(
            ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!fd.valid()) continue;
        // A save in progress holds its lock; a file written since the start is no leftover.
        struct stat status {};
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(fd.get(), &status) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        std::error_code timeError;
        const fs::file_time_type modified = fs::last_write_time(entry.path(), timeError);
        if (timeError || modified >= startedAt) continue;
        ::unlink(entry.path().c_str());
    }
}

} // namespace zadrovec
