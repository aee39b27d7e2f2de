#include "engine/dictionary/dictionaryfiles.h"

#include "engine/files/ioerror.h"
#include "engine/text/cp1250.h"

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

std::string_view RecordText(const unsigned char* record) {
    return {reinterpret_cast<const char*>(record) + 1,
            std::min<std::size_t>(record[0], kRecordTextSize)};
}

std::int32_t PrefixIndex::recordNumberAt(const unsigned char* slot) {
    const unsigned char* p = slot + 4;
    const std::uint32_t value =
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(value);
}

bool PrefixIndex::readWhole(RecordFile& file) {
    file_ = nullptr;
    if (!image_) image_.emplace(kSize);
    return file.readAt(0, image_->data(), kSize) == kSize;
}

void PrefixIndex::readFrom(RecordFile& file) {
    file_ = &file;
    firstRead_.reset();
    belowFirst_.reset();
}

const unsigned char* PrefixIndex::bytesOf(Slot slot) {
    static constexpr std::array<unsigned char, kSlotBytes> kEmpty{};
    if (file_ == nullptr) return image_ ? image_->data() + slot : kEmpty.data();
    if (slot % kFirstSlotSize == 0 && slot / kFirstSlotSize < kFirstSlots) {
        const std::size_t k = slot / kFirstSlotSize;
        unsigned char* bytes = &firstTable_[k * kSlotBytes];
        if (firstRead_[k]) return bytes;
        if (file_->readAt(slot, bytes, kSlotBytes) < kSlotBytes)
            throw IoError(IoError::kReadBeyondEnd);
        firstRead_[k] = true;
        return bytes;
    }
    if (belowFirst_ && slot >= *belowFirst_ + kSubTableOffset &&
        slot + kSlotBytes <= *belowFirst_ + kFirstSlotSize)
        return &below_[slot - *belowFirst_ - kSubTableOffset];
    return kEmpty.data();
}

void PrefixIndex::readTablesBelow(Slot first) {
    if (file_ == nullptr || belowFirst_ == first) return; // in the image, or read already
    belowFirst_.reset();
    if (!below_) below_ = std::make_unique_for_overwrite<unsigned char[]>(kBelowSize);
    if (file_->readAt(first + kSubTableOffset, below_.get(), kBelowSize) < kBelowSize)
        throw IoError(IoError::kReadBeyondEnd);
    belowFirst_ = first;
}

std::optional<PrefixIndex::Slot> PrefixIndex::findIn(std::size_t tableOffset, std::size_t slotSize,
                                                     std::size_t slotCount, unsigned char c) {
    for (std::size_t k = 0; k < slotCount; ++k) {
        const Slot slot = tableOffset + k * slotSize;
        if (recordNumber(slot) == kEndOfTable) break; // its character is not compared
        if (character(slot) == c) return slot;
    }
    return std::nullopt;
}

std::optional<PrefixIndex::Slot> PrefixIndex::findFirst(unsigned char c) {
    return findIn(0, kFirstSlotSize, kFirstSlots, c);
}

std::optional<PrefixIndex::Slot> PrefixIndex::findSecond(Slot first, unsigned char c) {
    readTablesBelow(first);
    return findIn(first + kSubTableOffset, kSecondSlotSize, kSecondSlots, c);
}

std::optional<PrefixIndex::Slot> PrefixIndex::findThird(Slot second, unsigned char c) {
    return findIn(second + kSubTableOffset, kThirdSlotSize, kThirdSlots, c);
}

const std::string& DictionaryNotFoundText() {
    static const std::string text = Cp1250Literal("Tento slovník nebyl nalezen.");
    return text;
}

std::string WordCountText(std::int64_t recordCount) {
    static const std::string label = Cp1250Literal("Počet slov: ");
    // A file without even the header record holds no words.
    return label + std::to_string(recordCount > 0 ? recordCount - 1 : 0);
}

bool Dictionary::open(std::string_view name) {
    const std::filesystem::path base = std::filesystem::path(folder_) / name;
    opened_ = true;
    bool ok = index_.open(base.string() + ".idx") && words_.open(base.string() + ".dat");
    if (ok) {
        messages_.setStatusText(WordCountText(words_.recordCount()));
        if (indexReading_ == IndexReading::Whole) {
            ok = prefixIndex_.readWhole(index_);
        } else {
            ok = index_.recordCount() > 0; // the whole index is there
            if (ok) prefixIndex_.readFrom(index_);
        }
    }
    if (!ok) {
        opened_ = false;
        messages_.showMessage(DictionaryNotFoundText());
        close();
    }
    return ok;
}

void Dictionary::close() {
    words_.close();
    index_.close();
}

std::span<const unsigned char> Dictionary::readRecords(std::size_t most) {
    const std::span<const unsigned char> records = words_.readRecords(most);
    std::memcpy(&record_, records.last(kRecordSize).data(), kRecordSize);
    return records;
}

} // namespace zadrovec
