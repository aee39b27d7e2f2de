#include "dictionaryfiles.h"

#include "cp1250.h"

#include <cstring>
#include <filesystem>

namespace zadrovec {

std::string_view Headword(std::string_view recordText) {
    const auto at = recordText.find('@');
    return at == std::string_view::npos ? std::string_view{} : recordText.substr(0, at);
}

std::string_view MeaningsText(std::string_view recordText) {
    const auto at = recordText.find('@');
    return at == std::string_view::npos ? recordText : recordText.substr(at + 1);
}

std::int32_t PrefixIndex::recordNumber(Slot slot) const {
    const unsigned char* p = bytes_.data() + slot + 4;
    const std::uint32_t value =
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(value);
}

std::optional<PrefixIndex::Slot> PrefixIndex::findIn(std::size_t tableOffset, std::size_t slotSize,
                                                     std::size_t slotCount, unsigned char c) const {
    for (std::size_t k = 0; k < slotCount; ++k) {
        const Slot slot = tableOffset + k * slotSize;
        if (recordNumber(slot) == kEndOfTable) break; // its character is not compared
        if (character(slot) == c) return slot;
    }
    return std::nullopt;
}

std::optional<PrefixIndex::Slot> PrefixIndex::findFirst(unsigned char c) const {
    return findIn(0, kFirstSlotSize, kFirstSlots, c);
}

std::optional<PrefixIndex::Slot> PrefixIndex::findNext(Slot parent, unsigned char c,
                                                       std::size_t slotSize,
                                                       std::size_t slotCount) const {
    return findIn(parent + kSubTableOffset, slotSize, slotCount, c);
}

const std::string& DictionaryNotFoundText() {
    static const std::string text = cp1250Literal("Tento slovník nebyl nalezen.");
    return text;
}

std::string WordCountText(std::int64_t recordCount) {
    static const std::string label = cp1250Literal("Počet slov: ");
    // A file without even the header record holds no words.
    return label + std::to_string(recordCount > 0 ? recordCount - 1 : 0);
}

void OpenDictionary(Dictionary& dictionary, std::string_view name) {
    const std::filesystem::path base = std::filesystem::path(dictionary.folder) / name;
    dictionary.DictionaryOpen = true;
    bool ok = dictionary.index.open(base.string() + ".idx") &&
              dictionary.words.open(base.string() + ".dat");
    if (ok) {
        dictionary.messages->setStatusText(WordCountText(dictionary.words.recordCount()));
        ok = dictionary.index.readHead(dictionary.prefixIndex.data(), PrefixIndex::kSize) ==
             PrefixIndex::kSize;
    }
    if (!ok) {
        dictionary.DictionaryOpen = false;
        dictionary.messages->showMessage(DictionaryNotFoundText());
        CloseDictionary(dictionary);
    }
}

void CloseDictionary(Dictionary& dictionary) {
    dictionary.words.close();
    dictionary.index.close();
}

void SeekRecord(Dictionary& dictionary, std::int64_t record) {
    dictionary.words.seek(record);
}

void ReadRecord(Dictionary& dictionary) {
    dictionary.words.read(&dictionary.wordRecord);
}

bool AtEndOfWords(Dictionary& dictionary) {
    return dictionary.words.atEnd();
}

} // namespace zadrovec
