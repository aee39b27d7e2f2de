// A dictionary pair from the fuzz input: opened, searched for a few texts, meanings shown.
//
// Input: a mode byte, a 16-bit length and that many bytes of index part, a text part (its length
// in one byte, search texts separated by LF), and the rest: the word file as it is.
// Mode bit 0: the index part is the whole index file (usually too short to open). Otherwise the
// index is a full image, consistent with the word file when mode bit 1 is set, and the index
// part is a list of slots written into it: 8 bytes each (first, second and third slot numbers,
// 0 for "none" in the last two, the character, the record number little-endian).
#include "engine/dictionary/wordsearch.h"
#include "engine/files/ioerror.h"
#include "engine/text/collation.h"
#include "fuzz/fuzzinput.h"
#include "tests/engine/fixture.h"

#include <cstring>
#include <vector>

using namespace zadrovec;

namespace {

constexpr std::string_view kName = "hlavni";

std::vector<std::string> recordTexts(std::string_view wordFile) {
    std::vector<std::string> texts;
    for (std::size_t at = 0; at + kRecordSize <= wordFile.size(); at += kRecordSize) {
        WordRecord record;
        std::memcpy(&record, wordFile.data() + at, kRecordSize);
        texts.emplace_back(record.text());
    }
    return texts;
}

std::string indexFile(std::uint8_t mode, std::string_view part,
                      const std::vector<std::string>& texts) {
    if (mode & 1) return std::string(part);
    testing::IndexImage image = (mode & 2) ? testing::completeIndex(texts) : testing::IndexImage();
    fuzz::InputReader slots(reinterpret_cast<const std::uint8_t*>(part.data()), part.size());
    while (!slots.empty()) {
        const int i = slots.byte() % 60 + 1;
        const int j = slots.byte() % 51;
        const int k = slots.byte() % 51;
        const unsigned char c = slots.byte();
        const auto record =
            static_cast<std::int32_t>(slots.u16() | std::uint32_t{slots.u16()} << 16);
        if (j == 0)
            image.setFirst(i, c, record);
        else if (k == 0)
            image.setSecond(i, j, c, record);
        else
            image.setThird(i, j, k, c, record);
    }
    return image.bytes();
}

// The texts asked for, then the first one, two and three characters and the whole headword of
// a few records, so that searches reach the records.
std::vector<std::string> searchTexts(std::string_view part, const std::vector<std::string>& texts) {
    std::vector<std::string> searches;
    for (std::size_t at = 0; at <= part.size();) {
        const std::size_t lf = std::min(part.find('\n', at), part.size());
        searches.emplace_back(part.substr(at, lf - at));
        at = lf + 1;
    }
    for (std::size_t r = 1; r < texts.size() && r <= 3; ++r) {
        const std::string_view h = Headword(texts[r]);
        for (std::size_t n = 1; n <= 3 && n <= h.size(); ++n)
            searches.emplace_back(h.substr(0, n));
        searches.emplace_back(h);
    }
    return searches;
}

void checkResults(const WordHits& hits, std::string folded) {
    const std::vector<std::string>& found = hits.found;
    for (std::size_t i = 0; i < found.size(); ++i) {
        fuzz::require(found[i].starts_with(folded));
        // Sorted, each headword once.
        if (i > 0) fuzz::require(CompareCzech(found[i - 1], found[i]) < 0);
    }
    fuzz::require(hits.hitHeadwords.size() == hits.hitMeanings.size());
    fuzz::require(hits.found.size() <= hits.hitHeadwords.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t mode = input.byte();
    const std::string_view indexPart = input.bytes(input.u16());
    const std::string_view textPart = input.text();
    const std::string_view wordFile = input.rest();
    const std::vector<std::string> texts = recordTexts(wordFile);

    const auto& folder = fuzz::scratchFolder();
    fuzz::writeFile(folder / "hlavni.dat", wordFile);
    fuzz::writeFile(folder / "hlavni.idx", indexFile(mode, indexPart, texts));

    // One dictionary for every input, as the window has it: each opening reads over the index
    // image of the one before.
    static RecordedMessages messages;
    static Dictionary dictionary(folder.string(), messages);
    messages.shown.clear();
    messages.kinds.clear();
    dictionary.close();
    if (!dictionary.open(kName)) return 0;

    for (const std::string& text : searchTexts(textPart, texts)) {
        SearchOutcome outcome;
        try {
            outcome = SearchWords(dictionary, text);
        } catch (const IoError& error) {
            fuzz::require(error.code() == IoError::kReadBeyondEnd);
            continue;
        }
        if (outcome.error) {
            fuzz::require(outcome.error->code() == IoError::kReadBeyondEnd);
            continue;
        }
        std::string folded = text;
        CzechUpperCase(folded);
        const WordHits& hits = outcome.hits;
        checkResults(hits, folded);
        for (const std::string& word : hits.found)
            for (const std::string& meaning : MeaningsOf(word, hits.hitHeadwords, hits.hitMeanings))
                fuzz::require(meaning.find(';') == std::string::npos);
    }
    return 0;
}
