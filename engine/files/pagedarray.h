// Arrays of fixed-width numbers the solver works on: made in memory, or read from the stored
// answers chunk by chunk the first time a chunk is used, each chunk checked against its checksum
// before anything in it is used. Every access is bounds-checked, so that no number read from a
// file can lead outside an array.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zadrovec {

// The stored answers cannot be used after all: a chunk that fails its checksum, a number leading
// outside its array, or a read that fails. The answers are then read from the dictionaries.
class StoredFileError : public std::runtime_error {
public:
    // detail names the array when damaged, else the system's reason the file cannot be read.
    StoredFileError(bool damaged, const std::string& detail)
        : std::runtime_error((damaged ? "damaged: " : "cannot be read: ") + detail),
          damaged_(damaged), detail_(detail) {}
    bool damaged() const { return damaged_; }
    const std::string& detail() const { return detail_; }

private:
    bool damaged_;
    std::string detail_;
};

// A regular file opened for reading without blocking, read with pread (never mapped: a file
// truncated underneath gives an error, not a crash).
class ReadOnlyFile {
public:
    // The open file, or nothing with why set to the system's reason ("No such file or
    // directory", "not a regular file").
    static std::shared_ptr<const ReadOnlyFile> open(const std::string& path, std::string& why,
                                                    bool& missing);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    std::uint64_t size() const { return size_; }
    // Reads size bytes at offset whole; throws StoredFileError otherwise.
    void readAt(std::uint64_t offset, void* into, std::size_t size) const;

private:
    ReadOnlyFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    int fd_;
    std::uint64_t size_;
};

// Where one array lies in a stored file and how to check it.
struct StoredArrayPlace {
    std::string name;
    std::uint64_t offset = 0;
    std::uint64_t bytes = 0;
    std::uint64_t chunkSize = 0;
    std::uint64_t checksumsOffset = 0; // a 64-bit checksum per chunk
    std::uint64_t checksumsHash = 0;   // of those checksums
    // Checks the values of a chunk beyond its checksum; may be empty.
    bool (*valuesValid)(const std::byte* chunk, std::size_t size) = nullptr;
};

// The bytes of one stored array, in memory of their own that fills as chunks are read.
class StoredBytes {
public:
    StoredBytes(std::shared_ptr<const ReadOnlyFile> file, StoredArrayPlace place);
    ~StoredBytes();
    StoredBytes(const StoredBytes&) = delete;
    StoredBytes& operator=(const StoredBytes&) = delete;

    const std::byte* data() const { return memory_; }
    std::size_t size() const { return place_.bytes; }
    const std::string& name() const { return place_.name; }
    std::size_t chunkSize() const { return place_.chunkSize; }
    bool complete() const { return complete_.load(std::memory_order_acquire); }
    bool chunkPresent(std::size_t chunk) const {
        return chunk < chunks_ && present_[chunk].load(std::memory_order_acquire);
    }
    // Makes the chunks present and checked (numbers ascending, each once), reading chunks that
    // lie close together in one call; throws StoredFileError.
    void loadChunks(std::span<const std::size_t> chunks) const;
    // Makes bytes [from, to) present and checked; throws StoredFileError.
    void ensure(std::size_t from, std::size_t to) const {
        if (complete_.load(std::memory_order_acquire) || to <= from) return;
        const std::size_t first = from / place_.chunkSize;
        if (first == (to - 1) / place_.chunkSize && present_[first].load(std::memory_order_acquire))
            return;
        load(from, to);
    }

private:
    void load(std::size_t from, std::size_t to) const;
    void readChecksums() const;
    // Reads chunks [first, last] in one call and takes those not yet present.
    void readRun(std::size_t first, std::size_t last) const;

    std::shared_ptr<const ReadOnlyFile> file_;
    StoredArrayPlace place_;
    std::byte* memory_ = nullptr;
    std::size_t chunks_ = 0;
    mutable std::mutex mutex_;
    mutable std::atomic<bool> complete_{false};
    mutable std::unique_ptr<std::atomic<bool>[]> present_;
    mutable std::size_t presentCount_ = 0;
    mutable std::vector<std::uint64_t> checksums_;
};

[[noreturn]] void ThrowOutsideArray(const std::string& name);

template <typename T> class PagedArray {
public:
    PagedArray() = default;
    // An array made in memory.
    explicit PagedArray(std::vector<T> items) {
        auto owned = std::make_shared<const std::vector<T>>(std::move(items));
        data_ = owned->data();
        size_ = owned->size();
        owner_ = std::move(owned);
    }
    // An array of a stored file.
    explicit PagedArray(std::shared_ptr<const StoredBytes> stored)
        : data_(reinterpret_cast<const T*>(stored->data())), size_(stored->size() / sizeof(T)),
          stored_(stored.get()), owner_(std::move(stored)) {}

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    bool stored() const { return stored_ != nullptr; }

    std::span<const T> slice(std::size_t from, std::size_t count) const {
        if (from > size_ || count > size_ - from) ThrowOutsideArray(stored_ ? stored_->name() : "");
        if (stored_) stored_->ensure(from * sizeof(T), (from + count) * sizeof(T));
        return {data_ + from, count};
    }
    T operator[](std::size_t i) const { return slice(i, 1)[0]; }
    std::span<const T> whole() const { return slice(0, size_); }

    // Makes the elements of these ranges [from, to) present at once, in fewer reads than one
    // range at a time. Ranges outside the array are left to slice() to refuse.
    void prefetch(const std::vector<std::pair<std::size_t, std::size_t>>& ranges) const {
        if (!stored_ || stored_->complete()) return;
        // Many ranges share a chunk and most chunks are often present: only the missing are
        // sorted and read.
        std::vector<std::size_t> chunks;
        const std::size_t chunk = stored_->chunkSize();
        for (const auto& [from, to] : ranges)
            if (from < to && to <= size_)
                for (std::size_t c = from * sizeof(T) / chunk; c <= (to * sizeof(T) - 1) / chunk;
                     ++c)
                    if ((chunks.empty() || chunks.back() != c) && !stored_->chunkPresent(c))
                        chunks.push_back(c);
        std::sort(chunks.begin(), chunks.end());
        chunks.erase(std::unique(chunks.begin(), chunks.end()), chunks.end());
        stored_->loadChunks(chunks);
    }

private:
    const T* data_ = nullptr;
    std::size_t size_ = 0;
    const StoredBytes* stored_ = nullptr;
    std::shared_ptr<const void> owner_;
};

} // namespace zadrovec
