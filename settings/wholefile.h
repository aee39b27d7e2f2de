// Reading a file at once and replacing one whole or not at all. A new content goes to a
// temporary file in the same folder, is flushed to the disk and renamed into place, so a crash
// or a full disk leaves either the old file or the new one, never a mix.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zadrovec {

struct FileContents {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
};

FileContents readWholeFile(const std::filesystem::path& file);

enum class ExistingFile { Replace, Keep };

// Writes bytes as the file's whole content and tells whether it did. A file that its user may
// not write is refused, as is a missing folder. With ExistingFile::Keep an existing file (even
// one appearing meanwhile) stays as it is and counts as a failure. A replaced file keeps its
// permissions; a symbolic link keeps pointing at the file it names, which gets the new content.
bool writeWholeFile(const std::filesystem::path& file, std::string_view bytes,
                    ExistingFile existing = ExistingFile::Replace);

} // namespace zadrovec
