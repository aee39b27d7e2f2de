// A read-only file of fixed-size records, read through a buffer: one record per read() call
// for the caller, a chunk of records per system call underneath. Nothing is memory-mapped and
// nothing is locked, so another program may change the file; a record that is no longer there
// gives an I/O error, never a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace zadrovec {

class RecordFile {
public:
    explicit RecordFile(std::size_t recordSize) : recordSize_(recordSize) {}
    ~RecordFile() { close(); }
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // False when the file cannot be opened for reading.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Whole records in the file now. Throws IoError when the file is not open.
    std::int64_t recordCount() const;

    // Any record number from 0 on, also past the end: only a read there fails. Throws IoError
    // 103 when not open, 100 for a negative record number.
    void seek(std::int64_t record);
    // Copies the record at the position into dest (recordSize bytes) and moves on by one.
    // Throws IoError 103 when not open, 100 when no whole record is left.
    void read(void* dest);
    // Reads up to most records from the position on, as many as the buffer holds (at least one,
    // reading as read() does), and moves past them: their bytes, valid until the next read, seek
    // or close. For a scan, which then looks at records where they lie. Throws as read().
    std::span<const unsigned char> readRecords(std::size_t most);
    // True when the position is at or after the end of the last record.
    bool atEnd();

    // Reads up to size bytes from the byte offset on, past the records' buffer; how many came.
    // Throws IoError 103 when not open.
    std::size_t readAt(std::uint64_t offset, void* dest, std::size_t size);

private:
    void requireOpen() const;
    bool buffered() const;
    bool fill();

    std::size_t recordSize_;
    int fd_ = -1;
    std::int64_t position_ = 0;
    std::unique_ptr<unsigned char[]>
        buffer_;                    // filled by reads only, so untouched parts cost nothing
    std::size_t bufferRecords_ = 0; // what it can hold
    std::int64_t bufferFirst_ = 0;  // record number of the first buffered record
    std::size_t bufferedRecords_ = 0;
    std::size_t readsSinceSeek_ = 0;
};

} // namespace zadrovec
