// A file written whole through a std::ostream, for writers that format their text as they go (the
// importers of the data build): the bytes go into a TemporaryFile beside the target, and commit()
// puts it in place. Until then, and after any failure, readers see the old file or none.
#pragma once

#include "engine/files/temporaryfile.h"

#include <array>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

namespace zadrovec {

class WholeFileStream {
public:
    // A temporary file that cannot be made leaves the stream closed: writes go nowhere and
    // commit() fails.
    explicit WholeFileStream(const std::string& target);
    WholeFileStream(const WholeFileStream&) = delete;
    WholeFileStream& operator=(const WholeFileStream&) = delete;

    bool isOpen() const { return file_.has_value(); }
    std::ostream& stream() { return stream_; }
    // Writes what is buffered, flushes it to the disk and renames the file over the target;
    // false when any of it failed (the temporary file is then removed).
    bool commit();

private:
    // Buffers the stream's bytes and hands them to the temporary file; a failed write fails
    // the stream.
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(std::optional<TemporaryFile>& file);

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        std::optional<TemporaryFile>& file_;
        std::array<char, 64 * 1024> bytes_{};
    };

    std::optional<TemporaryFile> file_;
    Buffer buffer_{file_};
    std::ostream stream_{&buffer_};
};

} // namespace zadrovec
