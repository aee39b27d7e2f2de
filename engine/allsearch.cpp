#include "allsearch.h"

#include "hits.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zadrovec {
namespace {

// Processing pending events costs about a microsecond even when none are pending: the clock
// is looked at every so many records, the events processed when enough time has passed.
constexpr unsigned kRecordsBetweenClockChecks = 256;

class EventPacer {
public:
    EventPacer(const ProcessEvents& processEvents, std::chrono::milliseconds interval)
        : processEvents_(processEvents), interval_(interval), last_(Clock::now()) {}

    void afterRecord() {
        if (!processEvents_ || ++records_ % kRecordsBetweenClockChecks != 0) return;
        const auto now = Clock::now();
        if (now - last_ < interval_) return;
        processEvents_();
        last_ = Clock::now();
    }

private:
    using Clock = std::chrono::steady_clock;
    const ProcessEvents& processEvents_;
    Clock::duration interval_;
    Clock::time_point last_;
    unsigned records_ = 0;
};

// The first position at or after `from` where a piece of a pattern (no "*", "?" for any one
// character) fits in the headword.
std::size_t findPiece(std::string_view piece, std::string_view headword, std::size_t from) {
    if (piece.size() > headword.size()) return std::string_view::npos;
    for (std::size_t at = from; at + piece.size() <= headword.size(); ++at) {
        std::size_t k = 0;
        while (k < piece.size() && (piece[k] == '?' || piece[k] == headword[at + k]))
            ++k;
        if (k == piece.size()) return at;
    }
    return std::string_view::npos;
}

template <typename Test>
void scanWords(Dictionary& dictionary, Hits& hits, EventPacer& pacer, Test test) {
    SeekRecord(dictionary, 0);
    while (!AtEndOfWords(dictionary)) {
        ReadRecord(dictionary);
        const std::string_view record = dictionary.wordRecord.text();
        const std::string_view headword = Headword(record);
        if (test(headword)) hits.add(headword, MeaningsText(record));
        pacer.afterRecord();
    }
}

} // namespace

bool MatchPattern(std::string_view pattern, std::string_view headword) {
    if (headword.empty()) return false;
    // A run of "*" means what one does; it is skipped eight bytes at a time, so that even a
    // pattern of the search field's full length costs little more than reading it once.
    const auto afterStarRun = [](std::string_view text) {
        constexpr std::uint64_t kEightStars = 0x2A2A2A2A2A2A2A2AULL;
        std::size_t n = 0;
        for (std::uint64_t word = 0; n + sizeof word <= text.size(); n += sizeof word) {
            std::memcpy(&word, text.data() + n, sizeof word);
            if (word != kEightStars) break;
        }
        while (n < text.size() && text[n] == '*')
            ++n;
        return text.substr(n);
    };
    // The pieces between the stars are found one after another, each as far left as it fits:
    // the pattern stands anywhere, so whatever a piece leaves behind it is free for the next.
    std::size_t from = 0;
    while (true) {
        const std::size_t star = pattern.find('*');
        const std::string_view piece = pattern.substr(0, star);
        const std::size_t at = findPiece(piece, headword, from);
        if (at == std::string_view::npos) return false;
        if (star == std::string_view::npos) return true;
        from = at + piece.size();
        pattern = afterStarRun(pattern.substr(star));
    }
}

bool HoldsText(std::string_view text, std::string_view headword) {
    return !headword.empty() && headword.find(text) != std::string_view::npos;
}

bool IsPattern(std::string_view foldedText) {
    return foldedText.find_first_of("*?") != std::string_view::npos;
}

void SearchAllDictionaries(Dictionary& dictionary, ResultLists& lists, std::string_view text,
                           const ProcessEvents& processEvents,
                           std::chrono::milliseconds eventInterval) {
    lists.found.clear();
    lists.meanings.clear();
    lists.hitHeadwords.clear();
    lists.hitMeanings.clear();

    std::string folded(text);
    CzechUpperCase(folded);
    const bool pattern = IsPattern(folded);

    Hits hits;
    EventPacer pacer(processEvents, eventInterval);
    try {
        for (const std::string_view name : DictionaryName) {
            CloseDictionary(dictionary);
            OpenDictionary(dictionary, name);
            if (!dictionary.DictionaryOpen) continue;
            if (pattern)
                scanWords(dictionary, hits, pacer,
                          [&](std::string_view h) { return MatchPattern(folded, h); });
            else
                scanWords(dictionary, hits, pacer,
                          [&](std::string_view h) { return HoldsText(folded, h); });
        }
    } catch (...) {
        hits.moveTo(lists, false);
        throw;
    }
    hits.finish(lists);
}

} // namespace zadrovec
