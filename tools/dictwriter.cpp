// Writing a dictionary pair so that readers see the old pair or the new one, never a mix and
// never half a file: both files go to temporary files beside their targets, reach the disk, and
// are renamed into place; a failure on the way takes every change back.
#include "dictbuilder.h"
#include "dictionaryfiles.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <signal.h>
#include <string_view>
#include <unistd.h>

namespace zadrovec::build {
namespace {

[[noreturn]] void fail(const std::string& file, const std::string& what, int error) {
    throw std::runtime_error(file + ": " + what + ": " + std::strerror(error));
}

std::string folderOf(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

// The files a build has made and not yet renamed into place, removed when SIGINT or SIGTERM
// ends the build. The handler can only use what is safe in a signal handler: fixed buffers, a
// flag per slot and unlink.
class InterruptCleanup {
public:
    static constexpr std::size_t kSlots = 4; // two temporary files and a kept old file
    static constexpr std::size_t kLongestPath = 4096;

    // The slot now holding path, or kSlots when all are taken (the file is then only removed
    // at a normal end).
    static std::size_t add(const std::string& path) {
        if (path.size() >= kLongestPath) return kSlots;
        const Blocked blocked;
        installOnce();
        for (std::size_t slot = 0; slot < kSlots; ++slot) {
            if (inUse[slot]) continue;
            std::memcpy(paths[slot].data(), path.c_str(), path.size() + 1);
            inUse[slot] = 1;
            return slot;
        }
        return kSlots;
    }
    static void remove(std::size_t slot) {
        if (slot >= kSlots) return;
        const Blocked blocked;
        inUse[slot] = 0;
    }

private:
    // Keeps the two signals away while the slots change.
    struct Blocked {
        sigset_t old{};
        Blocked() {
            sigset_t both{};
            sigemptyset(&both);
            sigaddset(&both, SIGINT);
            sigaddset(&both, SIGTERM);
            ::sigprocmask(SIG_BLOCK, &both, &old);
        }
        ~Blocked() { ::sigprocmask(SIG_SETMASK, &old, nullptr); }
    };

    static void installOnce() {
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

    static void onSignal(int signal) {
        for (std::size_t slot = 0; slot < kSlots; ++slot)
            if (inUse[slot]) ::unlink(paths[slot].data());
        ::raise(signal);
    }

    static inline std::array<std::array<char, kLongestPath>, kSlots> paths{};
    static inline volatile std::sig_atomic_t inUse[kSlots] = {};
};

// The process that made a temporary file of this tool, from its name: TARGET.tmp-PID-N or
// TARGET.old-PID; nothing for other names.
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

// Removes what an earlier build of target that was killed left beside it: this tool's
// temporary files whose process is gone.
void removeStaleTemporaries(const std::string& target) {
    const std::string name = std::filesystem::path(target).filename().string();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folderOf(target), error)) {
        const auto maker = makerOf(entry.path().filename().string(), name);
        if (!maker || *maker == ::getpid()) continue;
        if (::kill(*maker, 0) == 0 || errno != ESRCH) continue; // still running, or not ours
        std::error_code ignored;
        if (entry.is_regular_file(ignored)) ::unlink(entry.path().c_str());
    }
}

// A file that is removed again unless it is released.
class TempFile {
public:
    explicit TempFile(const std::string& target) : target_(target) {
        removeStaleTemporaries(target);
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            // Registered before it exists, so that no moment leaves it behind on a signal.
            cleanupSlot_ = InterruptCleanup::add(path_);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0) InterruptCleanup::remove(cleanupSlot_);
            if (fd_ < 0 && errno != EEXIST) fail(target, "cannot create a temporary file", errno);
        }
        if (fd_ < 0) fail(target, "cannot create a temporary file", EEXIST);
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
        InterruptCleanup::remove(cleanupSlot_);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void write(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        while (size > 0) {
            const ssize_t written = ::write(fd_, bytes, size);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) fail(target_, "cannot write", written < 0 ? errno : EIO);
            bytes += written;
            size -= static_cast<std::size_t>(written);
        }
    }

    // Flushes to the disk and closes; the file stays a temporary one.
    void finish() {
        if (::fsync(fd_) != 0) fail(target_, "cannot write", errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) fail(target_, "cannot write", errno);
    }

    const std::string& path() const { return path_; }
    const std::string& target() const { return target_; }
    void released() {
        InterruptCleanup::remove(cleanupSlot_);
        path_.clear();
    }

private:
    std::string target_;
    std::string path_;
    int fd_ = -1;
    std::size_t cleanupSlot_ = InterruptCleanup::kSlots;
};

void writeRecords(TempFile& file, const std::vector<std::string>& records) {
    std::vector<unsigned char> chunk;
    chunk.reserve(4096 * kRecordSize);
    for (const std::string& text : records) {
        if (text.size() > kRecordTextSize)
            throw std::runtime_error(file.target() + ": a record longer than " +
                                     std::to_string(kRecordTextSize) + " bytes");
        std::array<unsigned char, kRecordSize> record{};
        record[0] = static_cast<unsigned char>(text.size());
        std::memcpy(record.data() + 1, text.data(), text.size());
        chunk.insert(chunk.end(), record.begin(), record.end());
        if (chunk.size() >= 4096 * kRecordSize) {
            file.write(chunk.data(), chunk.size());
            chunk.clear();
        }
    }
    file.write(chunk.data(), chunk.size());
}

// The target as it was, kept under another name until the new pair stands, so that a failed
// second rename can put it back. Without a hard link (or without an old file) the failed
// rename removes the new file instead: no pair rather than a mismatched one.
class OldFile {
public:
    explicit OldFile(const std::string& target) : target_(target) {
        backup_ = target + ".old-" + std::to_string(::getpid());
        ::unlink(backup_.c_str());
        cleanupSlot_ = InterruptCleanup::add(backup_);
        if (::link(target.c_str(), backup_.c_str()) != 0) backup_.clear();
    }
    ~OldFile() {
        if (!backup_.empty()) ::unlink(backup_.c_str());
        InterruptCleanup::remove(cleanupSlot_);
    }
    OldFile(const OldFile&) = delete;
    OldFile& operator=(const OldFile&) = delete;

    void restore() {
        if (backup_.empty()) {
            ::unlink(target_.c_str());
        } else if (::rename(backup_.c_str(), target_.c_str()) == 0) {
            backup_.clear();
        }
    }

private:
    std::string target_;
    std::string backup_;
    std::size_t cleanupSlot_ = InterruptCleanup::kSlots;
};

void renameInto(TempFile& file) {
    if (::rename(file.path().c_str(), file.target().c_str()) != 0)
        fail(file.target(), "cannot replace", errno);
    file.released();
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return; // the files are whole already; only the durability of the names is lost
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void writeDictionary(const BuiltDictionary& dictionary, const std::string& outBase) {
    if (dictionary.index.size() != PrefixIndex::kSize)
        throw std::runtime_error(outBase + ".idx: the index image has the wrong size");

    TempFile words(outBase + ".dat");
    writeRecords(words, dictionary.records);
    words.finish();

    TempFile index(outBase + ".idx");
    index.write(dictionary.index.data(), dictionary.index.size());
    index.finish();

    OldFile oldWords(words.target());
    renameInto(words);
    try {
        renameInto(index);
    } catch (...) {
        oldWords.restore();
        throw;
    }
    syncFolder(folderOf(outBase));
}

void writeFileWhole(const std::string& path, std::string_view bytes) {
    TempFile file(path);
    file.write(bytes.data(), bytes.size());
    file.finish();
    renameInto(file);
    syncFolder(folderOf(path));
}

} // namespace zadrovec::build
