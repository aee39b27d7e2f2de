#include "tests/engine/fixture.h"

#include "engine/text/cp1250.h"

#include <algorithm>
#include <map>

namespace zadrovec::testing {

std::string wordRecord(std::string_view text, int lengthByte, char filler) {
    std::string record(81, filler);
    record[0] = static_cast<char>(lengthByte < 0 ? static_cast<int>(text.size()) : lengthByte);
    record.replace(1, std::min<std::size_t>(text.size(), 80), text.substr(0, 80));
    return record;
}

std::string wordFile(const std::vector<std::string>& texts) {
    std::string bytes;
    for (const auto& text : texts)
        bytes += wordRecord(text);
    return bytes;
}

void IndexImage::put(std::size_t offset, unsigned char c, std::int32_t record) {
    bytes_[offset] = static_cast<char>(c);
    const auto value = static_cast<std::uint32_t>(record);
    for (int b = 0; b < 4; ++b)
        bytes_[offset + 4 + b] = static_cast<char>((value >> (8 * b)) & 0xFF);
}

std::string catalogueRecord(std::string_view text, int lengthByte) {
    constexpr std::size_t kRecord = 151;
    std::string record(kRecord, '#');
    record[0] = static_cast<char>(lengthByte < 0 ? static_cast<int>(text.size()) : lengthByte);
    record.replace(1, text.size(), text);
    return record.substr(0, kRecord);
}

std::string catalogueFile(const std::vector<std::string>& texts) {
    std::string bytes;
    for (const auto& text : texts)
        bytes += catalogueRecord(text);
    return bytes;
}

std::size_t firstSlotOffset(int i) {
    return 20'612 * static_cast<std::size_t>(i - 1);
}
std::size_t secondSlotOffset(int i, int j) {
    return firstSlotOffset(i) + 12 + 412 * static_cast<std::size_t>(j - 1);
}
std::size_t thirdSlotOffset(int i, int j, int k) {
    return secondSlotOffset(i, j) + 12 + 8 * static_cast<std::size_t>(k - 1);
}

void IndexImage::setFirst(int i, unsigned char c, std::int32_t record) {
    put(firstSlotOffset(i), c, record);
}

void IndexImage::setSecond(int i, int j, unsigned char c, std::int32_t record) {
    put(secondSlotOffset(i, j), c, record);
}

void IndexImage::setThird(int i, int j, int k, unsigned char c, std::int32_t record) {
    put(thirdSlotOffset(i, j, k), c, record);
}

IndexImage completeIndex(const std::vector<std::string>& texts) {
    IndexImage index;
    // Slot numbers by prefix, in the order the prefixes first appear.
    std::map<std::string, int> first, second, third;
    std::map<std::string, int> secondCount, thirdCount;
    for (std::size_t r = 1; r < texts.size(); ++r) {
        const std::string h = texts[r].substr(0, texts[r].find('@'));
        if (h.empty()) continue;
        const auto rec = static_cast<std::int32_t>(r);
        const std::string p1 = h.substr(0, 1);
        if (!first.count(p1)) {
            const int i = static_cast<int>(first.size()) + 1;
            first[p1] = i;
            index.setFirst(i, static_cast<unsigned char>(h[0]), rec);
        }
        if (h.size() >= 2 && !second.count(h.substr(0, 2))) {
            const int j = ++secondCount[p1];
            second[h.substr(0, 2)] = j;
            index.setSecond(first[p1], j, static_cast<unsigned char>(h[1]), rec);
        }
        if (h.size() >= 3 && !third.count(h.substr(0, 3))) {
            const std::string p2 = h.substr(0, 2);
            const int k = ++thirdCount[p2];
            third[h.substr(0, 3)] = k;
            index.setThird(first[p1], second[p2], k, static_cast<unsigned char>(h[2]), rec);
        }
    }
    // Close every table that has room.
    if (first.size() < 60) index.endFirst(static_cast<int>(first.size()) + 1);
    for (const auto& [p1, i] : first) {
        const int used = secondCount[p1];
        if (used < 50) index.endSecond(i, used + 1);
    }
    for (const auto& [p2, j] : second) {
        const int used = thirdCount[p2];
        if (used < 50) index.endThird(first[p2.substr(0, 1)], j, used + 1);
    }
    return index;
}

std::vector<std::string> sortedDictionary(std::vector<std::string> entries, std::string header) {
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.substr(0, a.find('@')) < b.substr(0, b.find('@'));
    });
    entries.insert(entries.begin(), std::move(header));
    return entries;
}

void writeDictionary(const TempFolder& folder, std::string_view name,
                     const std::vector<std::string>& texts) {
    writeBytes(folder.file(std::string(name) + ".dat"), wordFile(texts));
    writeBytes(folder.file(std::string(name) + ".idx"), completeIndex(texts).bytes());
}

std::string cp(std::string_view utf8) {
    return Cp1250Literal(utf8);
}

} // namespace zadrovec::testing
