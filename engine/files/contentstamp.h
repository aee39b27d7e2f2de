// What identifies a file's content without reading all of it: its size and a hash of its
// bytes, of all of them for a small file, of evenly spread samples (the first and the last
// block among them) for a larger one. A copy has the stamp of its original whatever its times;
// a file written anew with other content has another one unless every change falls between
// the samples and keeps the size.
#pragma once

#include <cstdint>
#include <string>

namespace zadrovec {

struct ContentStamp {
    static constexpr std::uint64_t kMissing = ~std::uint64_t{0};
    static constexpr std::uint64_t kUnreadable = ~std::uint64_t{0} - 1;

    std::uint64_t size = kMissing; // or kMissing, kUnreadable
    std::uint64_t hash = 0;
    bool operator==(const ContentStamp&) const = default;
};

// Files up to this size are hashed whole; larger ones by `samples` blocks of kStampBlock. Each
// block costs a system call, which is most of the time a stamp takes.
inline constexpr std::uint64_t kStampWhole = 64 * 1024;
inline constexpr std::uint64_t kStampBlock = 1024;

// The stamp of the file at path: kMissing when there is none, kUnreadable when it is no regular
// file or cannot be read. samples is at least 2.
ContentStamp StampContent(const std::string& path, std::uint64_t samples);

} // namespace zadrovec
