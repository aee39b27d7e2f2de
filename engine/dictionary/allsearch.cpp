#include "engine/dictionary/allsearch.h"

#include "engine/dictionary/hits_p.h"
#include "engine/files/ioerror.h"

#include <bit>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace zadrovec {
namespace {

// Processing pending events costs about a microsecond even when none are pending: the clock
// is looked at every so many records, the events processed when enough time has passed.
constexpr unsigned kRecordsBetweenClockChecks = 256;

class EventPacer {
public:
    EventPacer(const ProcessEvents& processEvents, std::chrono::milliseconds interval)
        : processEvents_(processEvents), interval_(interval), last_(Clock::now()) {}

    // How many records a scan may take in one piece before the clock is looked at again.
    std::size_t recordsBeforeClockCheck() const {
        if (!processEvents_) return std::numeric_limits<std::size_t>::max();
        return kRecordsBetweenClockChecks - records_ % kRecordsBetweenClockChecks;
    }

    void afterRecords(std::size_t count) {
        if (!processEvents_) return;
        records_ += count;
        if (records_ % kRecordsBetweenClockChecks != 0) return;
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
    std::size_t records_ = 0;
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

// Reads the word file from its first record to its end in pieces that end where the pacer looks
// at the clock, and hands each piece's records to scanPiece as the bytes they lie in.
template <typename ScanPiece>
void scanWords(Dictionary& dictionary, EventPacer& pacer, ScanPiece scanPiece) {
    dictionary.seek(0);
    while (!dictionary.atEnd()) {
        const auto records = dictionary.readRecords(pacer.recordsBeforeClockCheck());
        scanPiece(records);
        pacer.afterRecords(records.size() / kRecordSize);
    }
}

// Adds the records whose headword passes the test.
template <typename Test> auto testEach(Hits& hits, Test test) {
    return [&hits, test](std::span<const unsigned char> records) {
        for (std::size_t at = 0; at < records.size(); at += kRecordSize) {
            const std::string_view record = RecordText(records.data() + at);
            const std::string_view headword = Headword(record);
            if (test(headword)) hits.add(headword, MeaningsText(record));
        }
    };
}

// The first place at or after from where text stands in bytes, or npos. Sixteen places are looked
// at in one step for the text's first and last bytes, which seldom stand together at the text's
// length apart where the text itself does not.
std::size_t findText(std::string_view bytes, std::string_view text, std::size_t from) {
#ifdef __SSE2__
    if (text.size() >= 2) {
        const std::size_t lastAt = text.size() - 1;
        const __m128i first = _mm_set1_epi8(text.front());
        const __m128i last = _mm_set1_epi8(text.back());
        const std::string_view middle = text.substr(1, lastAt - 1);
        for (; from + lastAt + 16 <= bytes.size(); from += 16) {
            const char* at = bytes.data() + from;
            const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            const __m128i ends = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + lastAt));
            auto candidates = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(starts, first), _mm_cmpeq_epi8(ends, last))));
            for (; candidates != 0; candidates &= candidates - 1) {
                const std::size_t place =
                    from + static_cast<std::size_t>(std::countr_zero(candidates));
                if (bytes.substr(place + 1, middle.size()) == middle) return place;
            }
        }
    }
#endif
    return bytes.find(text, from);
}

// Adds the records whose headword holds text. The text is looked for through all the records'
// bytes at once, as grep does through a file, and only a record where it stands is looked at:
// the text there may lie in its meanings, its filler or across its end.
auto findEach(Hits& hits, std::string_view text) {
    return [&hits, text](std::span<const unsigned char> records) {
        const std::string_view bytes(reinterpret_cast<const char*>(records.data()), records.size());
        for (std::size_t from = 0;;) {
            const std::size_t found = findText(bytes, text, from);
            // An empty text is found at the end too, where no record starts.
            if (found == std::string_view::npos || found >= bytes.size()) break;
            const std::size_t start = found - found % kRecordSize;
            const std::string_view record = RecordText(records.data() + start);
            const std::string_view headword = Headword(record);
            if (HoldsText(text, headword)) hits.add(headword, MeaningsText(record));
            from = start + kRecordSize;
        }
    };
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

SearchOutcome SearchAllDictionaries(Dictionary& dictionary, std::string_view text,
                                    const ProcessEvents& processEvents,
                                    std::chrono::milliseconds eventInterval) {
    std::string folded(text);
    CzechUpperCase(folded);
    const bool pattern = IsPattern(folded);

    Hits hits;
    EventPacer pacer(processEvents, eventInterval);
    try {
        for (const std::string_view name : kMainWindowDictionaryFiles) {
            dictionary.close();
            if (!dictionary.open(name)) continue;
            if (pattern)
                scanWords(dictionary, pacer, testEach(hits, [&](std::string_view h) {
                              return MatchPattern(folded, h);
                          }));
            else
                scanWords(dictionary, pacer, findEach(hits, folded));
        }
    } catch (const IoError& error) {
        return {hits.partial(), error};
    }
    return {hits.finish(), std::nullopt};
}

} // namespace zadrovec
