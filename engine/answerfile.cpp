#include "answerfile.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zadrovec {
namespace {

constexpr char kMagic[16] = "Zadrovec answ 2";
constexpr char kEnd[8] = "answend";

// A whole file read into memory, freed with the last answer space that uses it. It is read,
// not mapped: a file that another program truncates meanwhile must never crash the reader. The
// memory is anonymous and page-aligned (so the arrays in the file keep their alignment), in
// huge pages where the system gives them: a read then faults in a few hundred pages instead of
// tens of thousands, which is most of its cost.
class LoadedFile {
public:
    explicit LoadedFile(const std::string& path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && info.st_size > 0) {
            const auto size = static_cast<std::size_t>(info.st_size);
            void* memory =
                ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (memory != MAP_FAILED) {
                ::madvise(memory, size, MADV_HUGEPAGE); // a hint: without it, plain pages
                std::size_t done = 0;
                while (done < size) {
                    const ssize_t n = ::read(fd, static_cast<char*>(memory) + done, size - done);
                    if (n <= 0) break;
                    done += static_cast<std::size_t>(n);
                }
                if (done == size) {
                    data_ = static_cast<char*>(memory);
                    size_ = size;
                } else {
                    ::munmap(memory, size);
                }
            }
        }
        ::close(fd);
    }
    ~LoadedFile() {
        if (data_) ::munmap(data_, size_);
    }
    LoadedFile(const LoadedFile&) = delete;
    LoadedFile& operator=(const LoadedFile&) = delete;

    const char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
};

// Reads the arrays one after another: a byte length, the bytes, padding to 8.
class Reader {
public:
    Reader(const char* data, std::size_t size) : data_(data), size_(size) {}

    bool bytes(const void* expected, std::size_t n) {
        if (size_ - at_ < n || std::memcmp(data_ + at_, expected, n) != 0) return false;
        at_ += n;
        return true;
    }
    template <typename T> bool array(Array<T>& out) {
        std::uint64_t length = 0;
        if (size_ - at_ < sizeof length) return false;
        std::memcpy(&length, data_ + at_, sizeof length);
        at_ += sizeof length;
        if (length % sizeof(T) != 0 || length > size_ - at_) return false;
        out = {reinterpret_cast<const T*>(data_ + at_), length / sizeof(T)};
        at_ += (length + 7) / 8 * 8;
        at_ = std::min(at_, size_);
        return true;
    }
    bool atEnd() const { return at_ == size_; }

private:
    const char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

class Writer {
public:
    explicit Writer(std::ofstream& out) : out_(out) {}
    void bytes(const void* data, std::size_t n) {
        out_.write(static_cast<const char*>(data), static_cast<std::streamsize>(n));
    }
    template <typename T> void array(Array<T> items) {
        const std::uint64_t length = items.size_bytes();
        bytes(&length, sizeof length);
        bytes(items.data(), items.size_bytes());
        static constexpr char zeros[8] = {};
        bytes(zeros, (8 - length % 8) % 8);
    }

private:
    std::ofstream& out_;
};

// Offsets that start at 0, never go down and end at `end`.
bool offsets(Array<std::uint32_t> starts, std::size_t count, std::size_t end) {
    if (starts.size() != count + 1 || starts[0] != 0 || starts[count] != end) return false;
    return std::is_sorted(starts.begin(), starts.end());
}

bool below(Array<std::uint32_t> ids, std::size_t limit) {
    return std::all_of(ids.begin(), ids.end(), [limit](std::uint32_t id) { return id < limit; });
}

} // namespace

std::vector<std::int64_t> DictionaryStamps(const std::string& folder) {
    std::vector<std::int64_t> stamps;
    for (const std::string_view name : kAnswerDictionaries)
        for (const char* extension : {".dat", ".idx"}) {
            const std::string path = (std::filesystem::path(folder) / name).string() + extension;
            struct stat info {};
            if (::stat(path.c_str(), &info) != 0) {
                stamps.insert(stamps.end(), {-1, -1});
                continue;
            }
            stamps.push_back(info.st_size);
            stamps.push_back(static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                             info.st_mtim.tv_nsec);
        }
    return stamps;
}

void WriteAnswerFile(const std::string& path, const AnswerSpace& space, const SquareIndex& index,
                     const std::vector<std::int64_t>& stamps) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        Writer writer(out);
        writer.bytes(kMagic, sizeof kMagic);
        writer.array(Array<std::int64_t>(stamps));
        writer.array(AnswerSpaceArrays::textBytes(space));
        writer.array(AnswerSpaceArrays::textStart(space));
        writer.array(AnswerSpaceArrays::dictionaries(space));
        writer.array(AnswerSpaceArrays::partnerStart(space));
        writer.array(AnswerSpaceArrays::partners(space));
        const SquareIndex::Arrays& a = index.arrays();
        writer.array(a.squares);
        writer.array(a.start);
        writer.array(a.letters);
        writer.array(a.lengthStart);
        writer.array(a.byLength);
        writer.array(a.postingStart);
        writer.array(a.postings);
        index.makeWordOrders();
        writer.array(a.sortedSquares);
        writer.array(a.bySortedSquares);
        writer.array(a.bySquares);
        writer.bytes(kEnd, sizeof kEnd);
        out.close();
        if (!out) {
            std::filesystem::remove(temporary);
            throw std::runtime_error("cannot write " + path);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot write " + path);
    }
}

std::optional<AnswerSpace> ReadAnswerFile(const std::string& path,
                                          const std::vector<std::int64_t>& stamps) {
    auto file = std::make_shared<LoadedFile>(path);
    if (!file->data()) return std::nullopt;
    Reader reader(file->data(), file->size());
    Array<std::int64_t> stored;
    if (!reader.bytes(kMagic, sizeof kMagic) || !reader.array(stored) ||
        !std::equal(stored.begin(), stored.end(), stamps.begin(), stamps.end()))
        return std::nullopt;

    AnswerSpace space;
    SquareIndex::Arrays a;
    if (!reader.array(AnswerSpaceArrays::textBytes(space)) ||
        !reader.array(AnswerSpaceArrays::textStart(space)) ||
        !reader.array(AnswerSpaceArrays::dictionaries(space)) ||
        !reader.array(AnswerSpaceArrays::partnerStart(space)) ||
        !reader.array(AnswerSpaceArrays::partners(space)) || !reader.array(a.squares) ||
        !reader.array(a.start) || !reader.array(a.letters) || !reader.array(a.lengthStart) ||
        !reader.array(a.byLength) || !reader.array(a.postingStart) || !reader.array(a.postings) ||
        !reader.array(a.sortedSquares) || !reader.array(a.bySortedSquares) ||
        !reader.array(a.bySquares) || !reader.bytes(kEnd, sizeof kEnd) || !reader.atEnd())
        return std::nullopt;

    // Every number that leads to another place is checked once, so no use reads astray.
    const std::size_t n = AnswerSpaceArrays::dictionaries(space).size();
    const auto partners = AnswerSpaceArrays::partners(space);
    if (!offsets(AnswerSpaceArrays::textStart(space), n,
                 AnswerSpaceArrays::textBytes(space).size()) ||
        !offsets(AnswerSpaceArrays::partnerStart(space), n, partners.size()) ||
        !std::all_of(partners.begin(), partners.end(),
                     [n](const AnswerPartner& p) { return p.text < n; }) ||
        !offsets(a.start, n, a.squares.size()) || a.letters.size() != n ||
        !std::all_of(a.squares.begin(), a.squares.end(),
                     [](Square s) { return s < kSquareCount; }) ||
        a.lengthStart.empty() ||
        !offsets(a.lengthStart, a.lengthStart.size() - 1, a.byLength.size()) ||
        !below(a.byLength, n) ||
        !offsets(a.postingStart, SquareIndex::kPostingKeys, a.postings.size()) ||
        !below(a.postings, n))
        return std::nullopt;

    AnswerSpaceArrays::storage(space) = file;
    space.storedIndex = std::make_shared<const SquareIndex>(SquareRules{}, a, file);
    return space;
}

} // namespace zadrovec
