// The dictionary file pair and the one open dictionary: a word file of 81-byte records and an
// index file giving, for the first one, two and three characters of the headwords, the first
// record of their run.
#pragma once

#include "lengthprefixedrecord.h"
#include "messages.h"
#include "pagebuffer.h"
#include "recordfile.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// The eight dictionaries, in the order in which every visit of all of them goes.
inline constexpr std::array<std::string_view, 8> DictionaryName = {
    "hlavni", "mesta", "chzn", "meny", "mpzspz", "osobnost", "letadla", "podniky"};

inline constexpr std::size_t kRecordTextSize = 80;
inline constexpr std::size_t kRecordSize = 1 + kRecordTextSize;

// One record of a word file.
using WordRecord = LengthPrefixedRecord<kRecordTextSize>;
static_assert(sizeof(WordRecord) == kRecordSize);

// A word record's text is Headword "@" MeaningsText, split at the first "@". A text without
// "@" has an empty headword and is all meanings.
std::string_view Headword(std::string_view recordText);
std::string_view MeaningsText(std::string_view recordText);

// The image of an index file: three nested tables of slots (character, first record number).
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

    // A slot: its byte offset in the image.
    using Slot = std::size_t;

    unsigned char* data() { return bytes_.data(); }
    const unsigned char* data() const { return bytes_.data(); }

    // The first slot of the table holding c, looking at slots up to the end slot (-1) or the
    // table's last slot. parent is the slot whose next characters are searched.
    std::optional<Slot> findFirst(unsigned char c) const;
    std::optional<Slot> findNext(Slot parent, unsigned char c, std::size_t slotSize,
                                 std::size_t slotCount) const;
    std::optional<Slot> findSecond(Slot first, unsigned char c) const {
        return findNext(first, c, kSecondSlotSize, kSecondSlots);
    }
    std::optional<Slot> findThird(Slot second, unsigned char c) const {
        return findNext(second, c, kThirdSlotSize, kThirdSlots);
    }

    unsigned char character(Slot slot) const { return bytes_.data()[slot]; }
    std::int32_t recordNumber(Slot slot) const;

private:
    std::optional<Slot> findIn(std::size_t tableOffset, std::size_t slotSize, std::size_t slotCount,
                               unsigned char c) const;

    PageBuffer bytes_{kSize};
};

// The open dictionary: its two files, the index image, the record buffer and the open flag.
struct Dictionary {
    Dictionary(std::string dataFolder, Messages& messages)
        : folder(std::move(dataFolder)), messages(&messages) {}

    std::string folder; // where the data files lie (the program's folder)
    Messages* messages;
    RecordFile words{kRecordSize};
    RecordFile index{PrefixIndex::kSize};
    PrefixIndex prefixIndex;
    WordRecord wordRecord;
    bool DictionaryOpen = false;
};

// The message of a dictionary whose files could not be opened.
const std::string& DictionaryNotFoundText();
// Panel 0's text for a word file of recordCount records.
std::string WordCountText(std::int64_t recordCount);

// Opens folder/name.idx and folder/name.dat. A failure is told to the user and leaves
// DictionaryOpen clear; it is never raised.
void OpenDictionary(Dictionary& dictionary, std::string_view name);
void CloseDictionary(Dictionary& dictionary);

// Record access; these raise IoError (see recordfile.h).
void SeekRecord(Dictionary& dictionary, std::int64_t record);
void ReadRecord(Dictionary& dictionary);
bool AtEndOfWords(Dictionary& dictionary);

} // namespace zadrovec
