// Reading a file at once and replacing one whole or not at all. A new content goes to a
// temporary file in the same folder, is flushed to the disk and renamed into place, so a crash
// or a full disk leaves either the old file or the new one, never a mix.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zadrovec {

// Which file, in which state: the same identity means the same bytes (a save makes a new
// file, any other change moves the modification time).
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = -1;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

struct FileContents {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
    FileIdentity identity; // of the file read, when Read
};

// The identity of the file a path names now (links followed); nothing when there is none.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& file);

FileContents ReadWholeFile(const std::filesystem::path& file);

enum class ExistingFile { Replace, Keep };

// Writes bytes as the file's whole content and tells whether it did. A file that its user may
// not write is refused, as is a missing folder. With ExistingFile::Keep an existing file (even
// one appearing meanwhile) stays as it is and counts as a failure. A replaced file keeps its
// permissions, owner and group; where the owner or group cannot be kept (a user who may write
// another user's file) the file is not replaced and the write fails. A symbolic link keeps
// pointing at the file it names, which gets the new content; a dangling link gets the file it
// names created. The new content is a new file: a hard link to the old one keeps the old bytes.
bool WriteWholeFile(const std::filesystem::path& file, std::string_view bytes,
                    ExistingFile existing = ExistingFile::Replace);

// Removes the temporary files that WriteWholeFile left beside file (".NAME.xxxxxxxx", NAME the
// name of the file a link names) when a crash stopped it: only those last written before
// startedAt and held by no save in progress.
void RemoveTemporariesLeftBefore(const std::filesystem::path& file,
                                 std::filesystem::file_time_type startedAt);

} // namespace zadrovec
