#include "tools/dictbuilder.h"

#include "engine/dictionary/dictionaryfiles.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <limits>
#include <string_view>

namespace zadrovec::build {
namespace {

std::string withLine(std::size_t line, const std::string& what) {
    return line == 0 ? what : "line " + std::to_string(line) + ": " + what;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Cuts "A;B;" into A and B. The caller has made sure the text ends with ";".
std::vector<std::string> splitAtSemicolons(std::string_view meaningsText) {
    std::vector<std::string> meanings;
    SplitMeanings(meaningsText, meanings);
    return meanings;
}

SourceEntry parseLine(std::string_view utf8, std::size_t line) {
    const auto text = Utf8ToCp1250(utf8);
    if (!text)
        throw BuildError(line, "not valid UTF-8, or a character that Windows-1250 cannot hold");
    const auto at = text->find('@');
    if (at == std::string::npos)
        throw BuildError(line, "no \"@\" between the headword and its meanings");
    if (at == 0) throw BuildError(line, "empty headword");

    std::string meaningsText = text->substr(at + 1);
    // An entry without meanings stays without; otherwise the last meaning gets its ";".
    if (!meaningsText.empty() && meaningsText.back() != ';') meaningsText += ';';
    return SourceEntry{text->substr(0, at), splitAtSemicolons(meaningsText), line};
}

void requireStorable(const SourceEntry& entry) {
    if (entry.headword.empty()) throw BuildError(entry.line, "empty headword");
    if (entry.headword.find('@') != std::string::npos)
        throw BuildError(entry.line, "a headword cannot hold \"@\"");
    for (const std::string& meaning : entry.meanings)
        if (meaning.find(';') != std::string::npos)
            throw BuildError(entry.line, "a meaning cannot hold \";\"");
}

// The records of one entry: "HEADWORD@" followed by as many whole meanings as fit in 80 bytes,
// then the next record with the same headword for the rest.
void appendRecords(const SourceEntry& entry, std::vector<std::string>& records) {
    const std::string start = entry.headword + '@';
    if (start.size() > kRecordTextSize)
        throw BuildError(entry.line, "the headword is longer than a record can hold");
    std::string record = start;
    for (const std::string& meaning : entry.meanings) {
        const std::size_t piece = meaning.size() + 1;
        if (start.size() + piece > kRecordTextSize)
            throw BuildError(entry.line, "the meaning \"" + Cp1250ToUtf8(meaning) +
                                             "\" does not fit in one record with its headword");
        if (record.size() + piece > kRecordTextSize) {
            records.push_back(record);
            record = start;
        }
        record += meaning;
        record += ';';
    }
    records.push_back(record);
}

// A run of records whose headwords share a prefix: the character that ends the prefix, the
// run's first record and size, and its entries [firstEntry, endEntry).
struct Run {
    unsigned char character;
    std::int32_t firstRecord;
    std::size_t size;
    std::size_t firstEntry;
    std::size_t endEntry;
};

// The sorted entries with the records each was given.
struct PlacedEntries {
    const std::vector<SourceEntry>& entries;
    std::vector<std::int32_t> firstRecords;
    std::vector<std::size_t> recordCounts;

    // The runs of entries [begin, end) by their character at position depth; entries too short
    // to have one are left out. The entries are sorted, so equal characters stand together.
    std::vector<Run> runsAt(std::size_t begin, std::size_t end, std::size_t depth) const {
        std::vector<Run> runs;
        for (std::size_t e = begin; e < end; ++e) {
            const std::string& headword = entries[e].headword;
            if (headword.size() <= depth) continue;
            const auto c = static_cast<unsigned char>(headword[depth]);
            if (runs.empty() || runs.back().character != c)
                runs.push_back(Run{c, firstRecords[e], 0, e, e});
            runs.back().size += recordCounts[e];
            runs.back().endEntry = e + 1;
        }
        return runs;
    }
};

// Keeps the largest runs when there are more than a table holds (ties: the earlier one), in
// their byte order. The others are still found, by reading the whole run above them.
void keepLargest(std::vector<Run>& runs, std::size_t slots) {
    if (runs.size() <= slots) return;
    std::stable_sort(runs.begin(), runs.end(),
                     [](const Run& a, const Run& b) { return a.size > b.size; });
    runs.resize(slots);
    std::sort(runs.begin(), runs.end(),
              [](const Run& a, const Run& b) { return a.character < b.character; });
}

struct TableShape {
    std::size_t slotSize;
    std::size_t slotCount;
};
constexpr std::array<TableShape, 3> kTables = {{
    {PrefixIndex::kFirstSlotSize, PrefixIndex::kFirstSlots},
    {PrefixIndex::kSecondSlotSize, PrefixIndex::kSecondSlots},
    {PrefixIndex::kThirdSlotSize, PrefixIndex::kThirdSlots},
}};

void putSlot(std::vector<unsigned char>& image, std::size_t offset, unsigned char c,
             std::int32_t record) {
    image[offset] = c;
    const auto value = static_cast<std::uint32_t>(record);
    for (std::size_t b = 0; b < 4; ++b)
        image[offset + 4 + b] = static_cast<unsigned char>(value >> (8 * b));
}

// Writes the table of the characters at position depth: the used slots, each with the table of
// its next characters, then an end slot when the table has room.
void putTable(std::vector<unsigned char>& image, const PlacedEntries& placed,
              std::size_t tableOffset, std::vector<Run> runs, std::size_t depth) {
    const TableShape shape = kTables[depth];
    keepLargest(runs, shape.slotCount);
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const std::size_t slot = tableOffset + k * shape.slotSize;
        putSlot(image, slot, runs[k].character, runs[k].firstRecord);
        if (depth + 1 < kTables.size())
            putTable(image, placed, slot + PrefixIndex::kSubTableOffset,
                     placed.runsAt(runs[k].firstEntry, runs[k].endEntry, depth + 1), depth + 1);
    }
    if (runs.size() < shape.slotCount)
        putSlot(image, tableOffset + runs.size() * shape.slotSize, 0, PrefixIndex::kEndOfTable);
}

std::vector<unsigned char> makeIndex(const PlacedEntries& placed) {
    std::vector<Run> firsts = placed.runsAt(0, placed.entries.size(), 0);
    // Unlike the next characters, a first character without a slot could never be found.
    if (firsts.size() > PrefixIndex::kFirstSlots) {
        const SourceEntry& extra = placed.entries[firsts[PrefixIndex::kFirstSlots].firstEntry];
        throw BuildError(extra.line, "more than " + std::to_string(PrefixIndex::kFirstSlots) +
                                         " different first characters of headwords");
    }
    std::vector<unsigned char> image(PrefixIndex::kSize, 0);
    putTable(image, placed, 0, std::move(firsts), 0);
    return image;
}

} // namespace

BuildError::BuildError(std::size_t line, const std::string& what)
    : std::runtime_error(withLine(line, what)), line_(line) {}

void forEachSourceLine(std::istream& in,
                       const std::function<void(std::string_view, std::size_t)>& entry) {
    // The longest line and the terminating zero getline writes; a longer line fails the read.
    std::string line(kLongestSourceLine + 1, '\0');
    for (std::size_t number = 1;; ++number) {
        in.getline(line.data(), static_cast<std::streamsize>(line.size()));
        const auto got = static_cast<std::size_t>(in.gcount()); // with the line break
        if (in.fail() && !in.bad() && got == line.size() - 1)
            throw BuildError(number, "longer than " + std::to_string(kLongestSourceLine) +
                                         " bytes; no entry needs as much");
        if (got == 0) break;
        std::string_view text(line.data(), in.eof() ? got : got - 1);
        if (number == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        if (text.ends_with('\r')) text.remove_suffix(1);
        if (!isBlank(text) && !text.starts_with('#')) entry(text, number);
        if (in.eof()) break;
    }
    if (in.bad()) throw BuildError(0, "the source could not be read");
}

std::vector<SourceEntry> parseSource(std::istream& in) {
    std::vector<SourceEntry> entries;
    forEachSourceLine(in, [&](std::string_view text, std::size_t number) {
        entries.push_back(parseLine(text, number));
    });
    return entries;
}

BuiltDictionary buildDictionary(std::vector<SourceEntry> entries, const std::string& header) {
    if (header.size() > kRecordTextSize)
        throw BuildError(0,
                         "the header is longer than " + std::to_string(kRecordTextSize) + " bytes");
    for (SourceEntry& entry : entries) {
        CzechUpperCase(entry.headword);
        requireStorable(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SourceEntry& a, const SourceEntry& b) {
                         return a.headword < b.headword; // std::string compares bytes unsigned
                     });

    BuiltDictionary built;
    built.records.push_back(header);
    PlacedEntries placed{entries, {}, {}};
    for (const SourceEntry& entry : entries) {
        const std::size_t first = built.records.size();
        if (first > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            throw BuildError(entry.line, "too many records for the index");
        appendRecords(entry, built.records);
        placed.firstRecords.push_back(static_cast<std::int32_t>(first));
        placed.recordCounts.push_back(built.records.size() - first);
    }
    built.index = makeIndex(placed);
    return built;
}

std::string todayHeader() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_mday) + "." + std::to_string(local.tm_mon + 1) + "." +
           std::to_string(local.tm_year + 1900);
}

} // namespace zadrovec::build
