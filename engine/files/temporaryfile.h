// Files written beside their target under a temporary name and renamed into place, so that
// readers see the old file or the new one, never half a file. A temporary file is created
// anew (never opened through a link someone planted), removed again when SIGINT or SIGTERM ends
// the program, and one that a killed process left behind is removed by the next writer.
#pragma once

#include <cstddef>
#include <string>

namespace zadrovec {

// Paths removed when SIGINT or SIGTERM ends the program. The handler uses only what is safe in a
// signal handler: fixed buffers, a flag per slot and unlink; the signal then ends the program
// as it would have.
class InterruptCleanup {
public:
    static constexpr std::size_t kSlots = 8;
    static constexpr std::size_t kLongestPath = 4096;

    // The slot now holding path, or kSlots when all are taken (the file is then only removed
    // at a normal end).
    static std::size_t add(const std::string& path);
    static void remove(std::size_t slot);
};

// Removes the temporary files of target (TARGET.tmp-PID-N, TARGET.old-PID) whose process is gone.
void RemoveStaleTemporaries(const std::string& target);

// The folder of a path, "." for a bare name.
std::string FolderOf(const std::string& path);

// Makes the names in folder durable; a failure only loses that.
void SyncFolder(const std::string& folder);

// A temporary file beside target, removed again unless it is renamed into place. Failures throw
// std::runtime_error naming the target; a folder that cannot be written is said so.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(const void* data, std::size_t size);
    // Flushes to the disk and closes; the file stays a temporary one.
    void finish();
    // Renames the finished file over the target.
    void renameIntoPlace();

    const std::string& path() const { return path_; }
    const std::string& target() const { return target_; }

private:
    std::string target_;
    std::string path_;
    int fd_ = -1;
    std::size_t cleanupSlot_ = InterruptCleanup::kSlots;
};

} // namespace zadrovec
