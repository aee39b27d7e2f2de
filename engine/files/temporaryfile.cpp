#include "engine/files/temporaryfile.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <signal.h>
#include <stdexcept>
#include <string_view>
#include <unistd.h>

namespace zadrovec {
namespace {

[[noreturn]] void fail(const std::string& file, const std::string& what, int error) {
    throw std::runtime_error(file + ": " + what + ": " + std::strerror(error));
}

// Keeps the two signals away while the slots change.
struct SignalsBlocked {
    sigset_t old{};
    SignalsBlocked() {
        sigset_t both{};
        sigemptyset(&both);
        sigaddset(&both, SIGINT);
        sigaddset(&both, SIGTERM);
        ::sigprocmask(SIG_BLOCK, &both, &old);
    }
    ~SignalsBlocked() { ::sigprocmask(SIG_SETMASK, &old, nullptr); }
};

std::array<std::array<char, InterruptCleanup::kLongestPath>, InterruptCleanup::kSlots> paths{};
volatile std::sig_atomic_t inUse[InterruptCleanup::kSlots] = {};

void onSignal(int signal) {
    for (std::size_t slot = 0; slot < InterruptCleanup::kSlots; ++slot)
        if (inUse[slot]) ::unlink(paths[slot].data());
    ::raise(signal);
}

void installOnce() {
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND; // the signal then ends the program as it would have
        ::sigaction(SIGINT, &action, nullptr);
        ::sigaction(SIGTERM, &action, nullptr);
        return true;
    }();
    (void)installed;
}

// The process that made a temporary file, from its name: TARGET.tmp-PID-N or TARGET.old-PID;
// nothing for other names.
std::optional<pid_t> makerOf(const std::string& name, const std::string& target) {
    std::string_view rest = name;
    if (!rest.starts_with(target)) return std::nullopt;
    rest.remove_prefix(target.size());
    const bool temporary = rest.starts_with(".tmp-");
    if (!temporary && !rest.starts_with(".old-")) return std::nullopt;
    rest.remove_prefix(5);
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (error != std::errc{} || pid <= 0) return std::nullopt;
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    if (temporary) {
        unsigned attempt = 0;
        if (!rest.starts_with('-')) return std::nullopt;
        rest.remove_prefix(1);
        const auto [attemptEnd, attemptError] =
            std::from_chars(rest.data(), rest.data() + rest.size(), attempt);
        if (attemptError != std::errc{} || attemptEnd != rest.data() + rest.size())
            return std::nullopt;
        return pid;
    }
    return rest.empty() ? std::optional<pid_t>(pid) : std::nullopt;
}

} // namespace

std::size_t InterruptCleanup::add(const std::string& path) {
    if (path.size() >= kLongestPath) return kSlots;
    const SignalsBlocked blocked;
    installOnce();
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        if (inUse[slot]) continue;
        std::memcpy(paths[slot].data(), path.c_str(), path.size() + 1);
        inUse[slot] = 1;
        return slot;
    }
    return kSlots;
}

void InterruptCleanup::remove(std::size_t slot) {
    if (slot >= kSlots) return;
    const SignalsBlocked blocked;
    inUse[slot] = 0;
}

std::string FolderOf(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

void RemoveStaleTemporaries(const std::string& target) {
    const std::string name = std::filesystem::path(target).filename().string();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FolderOf(target), error)) {
        const auto maker = makerOf(entry.path().filename().string(), name);
        if (!maker || *maker == ::getpid()) continue;
        if (::kill(*maker, 0) == 0 || errno != ESRCH) continue; // still running, or not ours
        std::error_code ignored;
        if (entry.is_regular_file(ignored)) ::unlink(entry.path().c_str());
    }
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return; // the files are whole already; only the durability of the names is lost
    ::fsync(fd);
    ::close(fd);
}

TemporaryFile::TemporaryFile(const std::string& target) : target_(target) {
    RemoveStaleTemporaries(target);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        path_ = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        // Registered before it exists, so that no moment leaves it behind on a signal.
        cleanupSlot_ = InterruptCleanup::add(path_);
        // O_EXCL: a name that exists, a planted symbolic link too, is never opened.
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const int error = errno;
        if (fd_ >= 0) break;
        InterruptCleanup::remove(cleanupSlot_);
        cleanupSlot_ = InterruptCleanup::kSlots;
        if (error == EROFS || error == EACCES || error == EPERM)
            fail(FolderOf(target), "the folder cannot be written", error);
        if (error != EEXIST) fail(target, "cannot create a temporary file", error);
    }
    if (fd_ < 0) {
        path_.clear();
        fail(target, "cannot create a temporary file", EEXIST);
    }
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
    InterruptCleanup::remove(cleanupSlot_);
}

void TemporaryFile::write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) fail(target_, "cannot write", written < 0 ? errno : EIO);
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

void TemporaryFile::finish() {
    if (::fsync(fd_) != 0) fail(target_, "cannot write", errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail(target_, "cannot write", errno);
}

void TemporaryFile::renameIntoPlace() {
    if (::rename(path_.c_str(), target_.c_str()) != 0) fail(target_, "cannot replace", errno);
    InterruptCleanup::remove(cleanupSlot_);
    cleanupSlot_ = InterruptCleanup::kSlots;
    path_.clear();
}

} // namespace zadrovec
