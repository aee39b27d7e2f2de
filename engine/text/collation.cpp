#include "engine/text/collation.h"

#include "engine/text/cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace zadrovec {
namespace {

// The collation weights of a character or contraction: primaries (two bytes each, never starting
// with a zero byte) and secondaries (one byte each, never zero). Held inline: keys are made for
// every found word, and copying a few bytes must not cost a call.
struct Weights {
    static constexpr std::size_t kCapacity = 24;
    std::array<char, kCapacity> primary{};
    std::array<char, kCapacity> secondary{};
    std::uint8_t primaryLength = 0;
    std::uint8_t secondaryLength = 0;
};

// The weights as the generated table states them.
struct TableWeights {
    const char* primary;
    std::size_t primaryLength;
    const char* secondary;
    std::size_t secondaryLength;
};

struct TableContraction {
    const char* text;
    std::size_t length;
    TableWeights weights;
};

#include "czech_table.inc"

// Every text of the program is Windows-1250, so ICU's Czech collation is taken over as a table,
// made when the program is built: the weights of each of the 256 bytes and of the few
// contractions (CH) among them. Keys made from it order texts as ICU does.
class CzechTable {
public:
    // Made when the program is built: a table of weights too long is an error then.
    constexpr CzechTable() {
        for (std::size_t b = 0; b < single_.size(); ++b)
            single_[b] = inline_(kCzechBytes[b]);
        for (const TableContraction& c : kCzechContractions) {
            if (c.length == 0) break;
            contractions_[contractionCount_++] = {{c.text, c.length}, inline_(c.weights)};
            mayContract_[static_cast<unsigned char>(c.text[0])] = true;
        }
        std::sort(contractions_.begin(), contractions_.begin() + contractionCount_,
                  [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    }

    // Appends the key of text to out: the primaries, a zero, the secondaries, a zero, then the
    // bytes themselves, which order texts that collate equal. A level that ends sorts before
    // one that goes on, since no weight holds a zero where the separator stands.
    void appendKey(std::string& out, std::string_view text) const {
        // Scratch room for the longest weights of every character, kept between calls.
        thread_local std::string primaries;
        thread_local std::string secondaries;
        const std::size_t room = text.size() * Weights::kCapacity;
        if (primaries.size() < room) primaries.resize(room);
        if (secondaries.size() < room) secondaries.resize(room);
        char* primary = primaries.data();
        char* secondary = secondaries.data();
        for (std::size_t i = 0; i < text.size();) {
            const Weights& weights = weightsAt(text, i);
            // The whole arrays go, a copy of a fixed size being a few moves; the lengths say how
            // much of them counts, and the room holds the longest weights of every character.
            std::memcpy(primary, weights.primary.data(), Weights::kCapacity);
            primary += weights.primaryLength;
            std::memcpy(secondary, weights.secondary.data(), Weights::kCapacity);
            secondary += weights.secondaryLength;
        }
        // One step for out, which a sort makes grow by a key for every found word.
        const auto primaryLength = static_cast<std::size_t>(primary - primaries.data());
        const auto secondaryLength = static_cast<std::size_t>(secondary - secondaries.data());
        const std::size_t start = out.size();
        out.resize(start + primaryLength + 1 + secondaryLength + 1 + text.size());
        char* key = out.data() + start;
        std::memcpy(key, primaries.data(), primaryLength);
        key[primaryLength] = '\0';
        key += primaryLength + 1;
        std::memcpy(key, secondaries.data(), secondaryLength);
        key[secondaryLength] = '\0';
        std::memcpy(key + secondaryLength + 1, text.data(), text.size());
    }

private:
    static constexpr Weights inline_(const TableWeights& table) {
        if (table.primaryLength > Weights::kCapacity || table.secondaryLength > Weights::kCapacity)
            throw std::length_error("collation weights too long");
        Weights weights;
        std::copy_n(table.primary, table.primaryLength, weights.primary.begin());
        std::copy_n(table.secondary, table.secondaryLength, weights.secondary.begin());
        weights.primaryLength = static_cast<std::uint8_t>(table.primaryLength);
        weights.secondaryLength = static_cast<std::uint8_t>(table.secondaryLength);
        return weights;
    }

    // The weights of the character or contraction at i; moves i past it.
    const Weights& weightsAt(std::string_view text, std::size_t& i) const {
        const auto first = static_cast<unsigned char>(text[i]);
        if (mayContract_[first])
            for (std::size_t k = 0; k < contractionCount_; ++k) { // longest first
                const auto& [piece, weights] = contractions_[k];
                if (text.substr(i).starts_with(piece)) {
                    i += piece.size();
                    return weights;
                }
            }
        ++i;
        return single_[first];
    }

    std::array<Weights, 256> single_{};
    std::array<std::pair<std::string_view, Weights>, std::size(kCzechContractions)> contractions_{};
    std::size_t contractionCount_ = 0;
    std::array<bool, 256> mayContract_{};
};

constexpr CzechTable kCzechTable;

const CzechTable& table() {
    return kCzechTable;
}

} // namespace

int CompareCzech(std::string_view a, std::string_view b) {
    const int c = CzechSortKey(a).compare(CzechSortKey(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string CzechSortKey(std::string_view text) {
    std::string key;
    key.reserve(text.size() * 4 + 2);
    table().appendKey(key, text);
    return key;
}

void SortCzech(std::vector<std::string>& items) {
    if (items.size() < 2) return;
    // All keys in one buffer; the sort moves small entries whose first key bytes decide most
    // comparisons without touching the buffer.
    struct Entry {
        std::uint64_t head;     // the first 8 key bytes, big-endian
        std::uint64_t nextHead; // the 8 after them
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t item;
    };
    const CzechTable& czech = table();
    std::string keys;
    keys.reserve(items.size() * 64);
    std::vector<Entry> entries;
    entries.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::size_t offset = keys.size();
        czech.appendKey(keys, items[i]);
        entries.push_back({0, 0, static_cast<std::uint32_t>(offset),
                           static_cast<std::uint32_t>(keys.size() - offset),
                           static_cast<std::uint32_t>(i)});
    }
    const std::string_view all = keys;
    // Found words share their beginning, and so do their keys: the heads start after that. Heads
    // of sixteen bytes hold the primaries of eight characters, which tell most words apart.
    const std::string_view firstKey = all.substr(entries[0].offset, entries[0].length);
    std::size_t common = firstKey.size();
    for (const Entry& e : entries) {
        const std::string_view key = all.substr(e.offset, e.length);
        std::size_t n = 0;
        while (n < common && n < key.size() && key[n] == firstKey[n])
            ++n;
        common = n;
    }
    const auto bigEndian = [](const unsigned char* bytes) {
        std::uint64_t value = 0;
        for (std::size_t b = 0; b < 8; ++b)
            value = value << 8 | bytes[b];
        return value;
    };
    for (Entry& e : entries) {
        std::array<unsigned char, 16> head{}; // zeros after a key's end
        if (e.length > common)
            std::memcpy(head.data(), all.data() + e.offset + common,
                        std::min<std::size_t>(head.size(), e.length - common));
        e.head = bigEndian(head.data());
        e.nextHead = bigEndian(head.data() + 8);
    }
    std::stable_sort(entries.begin(), entries.end(), [all](const Entry& a, const Entry& b) {
        if (a.head != b.head) return a.head < b.head;
        if (a.nextHead != b.nextHead) return a.nextHead < b.nextHead;
        const int c = all.substr(a.offset, a.length).compare(all.substr(b.offset, b.length));
        return c != 0 ? c < 0 : a.item < b.item;
    });
    std::vector<std::string> sorted;
    sorted.reserve(items.size());
    for (const Entry& e : entries)
        sorted.push_back(std::move(items[e.item]));
    items = std::move(sorted);
}

} // namespace zadrovec
