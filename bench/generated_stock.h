// A generated dictionary of a million records, the size the search must feel instant at:
// Czech-like headwords in capitals (first letters as often as in a Czech word list) with short
// meanings, one record each. Built once per run into a temporary folder, removed at exit.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace zadrovec::bench {

inline constexpr std::size_t kRecords = 1'000'000; // the header included
inline constexpr std::size_t kSampleWords = 256;

class GeneratedDictionary {
public:
    GeneratedDictionary();
    ~GeneratedDictionary();

    std::string folder() const { return folder_.string(); }
    std::size_t records() const { return records_; }
    // Words a user looks for: spread evenly over the file, so common beginnings come often.
    const std::vector<std::string>& sampleWords() const { return sample_; }

private:
    std::filesystem::path folder_;
    std::size_t records_ = 0;
    std::vector<std::string> sample_;
};

// The one generated dictionary of the run: "hlavni" in its folder.
GeneratedDictionary& generated();

} // namespace zadrovec::bench
