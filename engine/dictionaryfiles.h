// The dictionary file pair and the one open dictionary: a word file of 81-byte records and an
// index file giving, for the first one, two and three characters of the headwords, the first
// record of their run.
#pragma once

#include "engine/dictionarytable.h"
#include "engine/lengthprefixedrecord.h"
#include "engine/messages.h"
#include "engine/pagebuffer.h"
#include "engine/recordfile.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

inline constexpr std::size_t kRecordTextSize = 80;
inline constexpr std::size_t kRecordSize = 1 + kRecordTextSize;

// One record of a word file.
using WordRecord = LengthPrefixedRecord<kRecordTextSize>;
static_assert(sizeof(WordRecord) == kRecordSize);

// The text of the word record whose bytes start at record, as WordRecord::text() gives it.
std::string_view RecordText(const unsigned char* record);

// A word record's text is Headword "@" MeaningsText, split at the first "@". A text without
// "@" has an empty headword and is all meanings.
std::string_view Headword(std::string_view recordText);
std::string_view MeaningsText(std::string_view recordText);

// The index file as the searches read it: three nested tables of slots (character, first record
// number). Read whole, it is an image in memory that answers every search until the next
// reading, whatever becomes of the file. Read on demand, a slot is read when a search first
// looks at it, and the tables below a first slot all at once, so a search reads a few kilobytes
// of the 1.2 MB, and the search in all dictionaries none.
class PrefixIndex {
public:
    static constexpr std::size_t kSize = 1'236'720;
    static constexpr std::size_t kFirstSlots = 60;
    static constexpr std::size_t kFirstSlotSize = 20'612;
    static constexpr std::size_t kSecondSlots = 50;
    static constexpr std::size_t kSecondSlotSize = 412;
    static constexpr std::size_t kThirdSlots = 50;
    static constexpr std::size_t kThirdSlotSize = 8;
    static constexpr std::size_t kSubTableOffset = 12; // of a slot's table of next characters
    static constexpr std::int32_t kEndOfTable = -1;

    // A slot: its byte offset in the file.
    using Slot = std::size_t;

    // The record number of the slot whose bytes start at slot (little-endian at offset 4).
    static std::int32_t recordNumberAt(const unsigned char* slot);

    // Reads the whole file into the image, over the one read before as far as the file goes
    // (a short file leaves the rest as it was): from now on the slots come from the image, which
    // is all zero until first read. True when the file held the whole index.
    bool readWhole(RecordFile& file);
    // From now on the slots come from file, none read yet; slots read stay until the next reading.
    void readFrom(RecordFile& file);

    // The first slot of the table holding c, looking at slots up to the end slot (-1) or the
    // table's last slot. Read on demand, these read the file as needed: IoError 100 when it no
    // longer holds the slots, 103 when slots not read yet are wanted with the file closed.
    std::optional<Slot> findFirst(unsigned char c);
    std::optional<Slot> findSecond(Slot first, unsigned char c);
    std::optional<Slot> findThird(Slot second, unsigned char c);

    unsigned char character(Slot slot) { return bytesOf(slot)[0]; }
    std::int32_t recordNumber(Slot slot) { return recordNumberAt(bytesOf(slot)); }

private:
    static constexpr std::size_t kSlotBytes = 8; // the character, three unused, the record number
    static constexpr std::size_t kBelowSize = kFirstSlotSize - kSubTableOffset;

    // The bytes of a slot in the image, or read on demand: a first slot, or one in the tables
    // below the first slot read last.
    const unsigned char* bytesOf(Slot slot);
    void readTablesBelow(Slot first);
    std::optional<Slot> findIn(std::size_t tableOffset, std::size_t slotSize, std::size_t slotCount,
                               unsigned char c);

    std::optional<PageBuffer> image_; // made at the first whole reading
    RecordFile* file_ = nullptr;      // read on demand from it; none: from the image
    std::array<unsigned char, kFirstSlots * kSlotBytes> firstTable_{};
    std::bitset<kFirstSlots> firstRead_;
    std::unique_ptr<unsigned char[]> below_; // the tables below one first slot
    std::optional<Slot> belowFirst_;         // that slot
};

// How OpenDictionary reads the index.
enum class IndexReading {
    // All of it at opening, as the window has it: its searches answer from the index as it was
    // then, also after the file was changed, and after a failed switch from the image read last.
    Whole,
    // Only what a search needs, when it needs it: for a dictionary opened to search once or to
    // scan its words, where the 1.2 MB read would be much of the time.
    OnDemand,
};

// The open dictionary: its two files, the index slots read, the record buffer and the open flag.
struct Dictionary {
    Dictionary(std::string dataFolder, Messages& userMessages)
        : folder(std::move(dataFolder)), messages(&userMessages) {}

    std::string folder; // where the data files lie (the program's folder)
    Messages* messages;
    RecordFile words{kRecordSize};
    RecordFile index{PrefixIndex::kSize};
    PrefixIndex prefixIndex;
    IndexReading indexReading = IndexReading::Whole;
    WordRecord wordRecord;
    bool DictionaryOpen = false;
};

// The message of a dictionary whose files could not be opened.
const std::string& DictionaryNotFoundText();
// The status line's text for a word file of recordCount records.
std::string WordCountText(std::int64_t recordCount);

// Opens folder/name.idx and folder/name.dat. A failure is told to the user and leaves
// DictionaryOpen clear; it is never raised.
void OpenDictionary(Dictionary& dictionary, std::string_view name);
void CloseDictionary(Dictionary& dictionary);

// Record access; these raise IoError (see recordfile.h).
void SeekRecord(Dictionary& dictionary, std::int64_t record);
void ReadRecord(Dictionary& dictionary);
// Up to most records at once, for a scan that looks at them where they lie (see
// RecordFile::readRecords); the last of them is also the word record, as after ReadRecord.
std::span<const unsigned char> ReadRecords(Dictionary& dictionary, std::size_t most);
bool AtEndOfWords(Dictionary& dictionary);

} // namespace zadrovec
