// Dictionary files for tests, written byte by byte so that malformed ones can be made on purpose.
// Offsets are computed here from the file layout, not taken from the engine.
#pragma once

#include "tests/common/testfiles.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec::testing {

// One 81-byte record: the length byte (the text's length unless given) and the text padded
// with filler.
std::string wordRecord(std::string_view text, int lengthByte = -1, char filler = '#');

// The records of texts, one after another; texts are Windows-1250 (write UTF-8 with u8 and
// convert, or use escapes).
std::string wordFile(const std::vector<std::string>& texts);

// One 151-byte record of the works' catalogue: the length byte (the text's length unless given),
// the text (cut to the record) and filler.
std::string catalogueRecord(std::string_view text, int lengthByte = -1);
// The catalogue records of texts, one after another.
std::string catalogueFile(const std::vector<std::string>& texts);

// Where a slot of an index image starts; slot numbers count from 1 as the layout does.
std::size_t firstSlotOffset(int i);
std::size_t secondSlotOffset(int i, int j);
std::size_t thirdSlotOffset(int i, int j, int k);

// An index image: all zero until slots are set; a slot number counts from 1.
class IndexImage {
public:
    static constexpr std::size_t kSize = 1'236'720;

    IndexImage() : bytes_(kSize, '\0') {}

    void setFirst(int i, unsigned char c, std::int32_t record);
    void setSecond(int i, int j, unsigned char c, std::int32_t record);
    void setThird(int i, int j, int k, unsigned char c, std::int32_t record);
    void endFirst(int i) { setFirst(i, 0, -1); }
    void endSecond(int i, int j) { setSecond(i, j, 0, -1); }
    void endThird(int i, int j, int k) { setThird(i, j, k, 0, -1); }

    std::string bytes() const { return bytes_; }

private:
    void put(std::size_t offset, unsigned char c, std::int32_t record);

    std::string bytes_;
};

// A complete index for word records sorted by headword (texts[0] is the header): every first
// one, two and three characters get their slot, each table closed by an end slot.
IndexImage completeIndex(const std::vector<std::string>& texts);

// The texts of a word file: a header, then the entries sorted by headword bytes, as a
// dictionary's records stand.
std::vector<std::string> sortedDictionary(std::vector<std::string> entries,
                                          std::string header = "1.12.2026");

// Writes folder/name.dat and folder/name.idx for the texts with a complete index.
void writeDictionary(const TempFolder& folder, std::string_view name,
                     const std::vector<std::string>& texts);

// Windows-1250 bytes of a UTF-8 literal.
std::string cp(std::string_view utf8);

} // namespace zadrovec::testing
