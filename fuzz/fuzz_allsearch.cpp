// The search in all dictionaries over eight word files from the fuzz input, its found list held
// to a plain matcher run over the same records.
//
// Input: a byte whose bits say which of the eight word files exist, the search text (its length
// in one byte), then for each existing word file a 16-bit length and its bytes.
#include "engine/dictionary/allsearch.h"
#include "engine/files/ioerror.h"
#include "fuzz/fuzzinput.h"
#include "fuzz/referencematch.h"

#include <cstring>
#include <set>

using namespace zadrovec;

namespace {

// The index files are never read by the scan beyond opening: full-size zero images, written once.
void writeIndexFiles(const std::filesystem::path& folder) {
    static bool written = false;
    if (written) return;
    const std::string image(PrefixIndex::kSize, '\0');
    for (const std::string_view name : kMainWindowDictionaryFiles)
        fuzz::writeFile(folder / (std::string(name) + ".idx"), image);
    written = true;
}

void addMatches(std::string_view wordFile, const std::string& folded, std::set<std::string>& out) {
    const bool pattern = IsPattern(folded);
    for (std::size_t at = 0; at + kRecordSize <= wordFile.size(); at += kRecordSize) {
        WordRecord record;
        std::memcpy(&record, wordFile.data() + at, kRecordSize);
        const std::string_view headword = Headword(record.text());
        const bool hit = pattern ? fuzz::referenceMatch(folded, headword)
                                 : !headword.empty() && headword.find(folded) != std::string::npos;
        if (hit) out.emplace(headword);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = fuzz::scratchFolder();
    writeIndexFiles(folder);

    fuzz::InputReader input(data, size);
    const std::uint8_t present = input.byte();
    const std::string text(input.text());
    std::string folded = text;
    CzechUpperCase(folded);

    std::set<std::string> expected;
    for (std::size_t d = 0; d < kMainWindowDictionaryFiles.size(); ++d) {
        const auto path = folder / (std::string(kMainWindowDictionaryFiles[d]) + ".dat");
        if (!(present >> d & 1)) {
            std::filesystem::remove(path);
            continue;
        }
        const std::string_view wordFile = input.bytes(input.u16());
        fuzz::writeFile(path, wordFile);
        addMatches(wordFile, folded, expected);
    }

    RecordedMessages messages;
    Dictionary dictionary(folder.string(), messages);
    int events = 0;
    const WordHits hits = SearchAllDictionaries(
                              dictionary, text, [&] { ++events; }, std::chrono::milliseconds(0))
                              .hits;

    // Each matching headword once, nothing else.
    const std::set<std::string> listed(hits.found.begin(), hits.found.end());
    fuzz::require(listed == expected);
    fuzz::require(listed.size() == hits.found.size());
    fuzz::require(hits.hitHeadwords.size() == hits.hitMeanings.size());
    for (const std::string& word : hits.found)
        MeaningsOf(word, hits.hitHeadwords, hits.hitMeanings);
    return 0;
}
