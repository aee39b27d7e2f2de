// The dictionary file pair and the one open dictionary: a word file of 81-byte records and an
// index file giving, for the first one, two and three characters of the headwords, the first
// record of their run.
#pragma once

#include "engine/dictionary/dictionarytable.h"
#include "engine/dictionary/lengthprefixedrecord.h"
#include "engine/dictionary/messages.h"
#include "engine/files/pagebuffer.h"
#include "engine/files/recordfile.h"

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

// How Dictionary::open reads the index.
enum class IndexReading {
    // All of it at opening, as the window has it: its searches answer from the index as it was
    // then, also after the file was changed, and after a failed switch from the image read last.
    Whole,
    // Only what a search needs, when it needs it: for a dictionary opened to search once or to
    // scan its words, where the 1.2 MB read would be much of the time.
    OnDemand,
};

// The message of a dictionary whose files could not be opened.
const std::string& DictionaryNotFoundText();
// The status line's text for a word file of recordCount records.
std::string WordCountText(std::int64_t recordCount);

// A dictionary of the data folder: its two files, the index slots read and the record read last.
// One object is opened, closed and opened again under its users; its prefix index outlives each
// opening, so a failed open leaves the image read before for the searches that still come.
class Dictionary {
public:
    Dictionary(std::string dataFolder, Messages& messages,
               IndexReading indexReading = IndexReading::Whole)
        : folder_(std::move(dataFolder)), messages_(messages), indexReading_(indexReading) {}
    // The prefix index reads from the index file in place.
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // Opens folder/name.idx and folder/name.dat and shows the word count on the status line. A
    // failure is told to the user, closes the files and returns false; it is never raised.
    bool open(std::string_view name);
    // Closes the files. opened() stays as it was: a window that still searches after it is told
    // of the closed file (IoError::kFileNotOpen) rather than finding nothing.
    void close();
    // Whether the last open succeeded.
    bool opened() const { return opened_; }
    // Whether a file is open: from an open until close() or a failed open.
    bool filesOpen() const { return words_.isOpen() || index_.isOpen(); }

    // Record access; these raise IoError (see recordfile.h).
    std::int64_t recordCount() const { return words_.recordCount(); }
    void seek(std::int64_t record) { words_.seek(record); }
    void read() { words_.read(&record_); }
    // Up to most records at once, for a scan that looks at them where they lie (see
    // RecordFile::readRecords); the last of them is also the record, as after read().
    std::span<const unsigned char> readRecords(std::size_t most);
    bool atEnd() { return words_.atEnd(); }
    // The text of the record read last.
    std::string_view record() const { return record_.text(); }

    PrefixIndex& prefixIndex() { return prefixIndex_; }

private:
    std::string folder_; // where the data files lie (the program's folder)
    Messages& messages_;
    IndexReading indexReading_;
    RecordFile words_{kRecordSize};
    RecordFile index_{PrefixIndex::kSize};
    PrefixIndex prefixIndex_;
    WordRecord record_;
    bool opened_ = false;
};

} // namespace zadrovec
