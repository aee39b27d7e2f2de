#include "engine/solver/answerfile.h"

#include "engine/files/temporaryfile.h"
#include "engine/solver/lemmaindex.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <type_traits>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace zadrovec {
namespace {

constexpr char kMagic[16] = "ZADROVEC ANSWER";
constexpr std::uint32_t kByteOrder = 0x01020304;
constexpr std::uint32_t kChunkSize = 4096;

// The arrays in the order of the table of contents.
enum ArrayId : std::size_t {
    kTextBytes,
    kTextStart,
    kDictionaryMasks,
    kPartnerStart,
    kPartners,
    kSquares,
    kSquareStart,
    kLetters,
    kLengthStart,
    kByLength,
    kPostingStart,
    kPostings,
    kSortedSquares,
    kBySortedSquares,
    kBySquares,
    kPhrases,
    kPhraseWordStart,
    kPhraseWords,
    kLemmaBytes,
    kLemmaStart,
    kLemmaTextStart,
    kLemmaTexts,
    kTextWords,
    kFormHash,
    kFormLemma,
    kFrequency,
    kArrayCount
};
constexpr std::array<const char*, kArrayCount> kArrayNames = {
    "texts",           "textStarts",   "dictionaries",  "partnerStarts",   "partners",
    "squares",         "squareStarts", "letters",       "lengthStarts",    "byLength",
    "postingStarts",   "postings",     "sortedSquares", "bySortedSquares", "bySquares",
    "phrases",         "phraseStarts", "phraseWords",   "lemmas",          "lemmaStarts",
    "lemmaTextStarts", "lemmaTexts",   "textWords",     "formHashes",      "formLemmas",
    "frequencies"};
static_assert(kArrayNames.back() != nullptr, "every array has its name");

// The header's fields, all in the byte order of the machine that wrote them (which byteOrder
// tells): fixed-width numbers only, no padding.
struct FixedHeader {
    char magic[16];
    std::uint32_t version;
    std::uint32_t byteOrder;
    std::uint32_t headerBytes;
    std::uint32_t chunkSize;
    std::uint32_t squareCount;
    std::uint32_t indexedLength;
    std::uint32_t squareSetBytes;
    std::uint32_t partnerBytes;
    std::uint32_t dictionaryCount;
    std::uint32_t arrayCount;
    std::uint64_t fileBytes;
    std::uint64_t answerCount;
};
// A dictionary of the header: its name and the content stamps of its two files.
struct StampEntry {
    char name[16];
    std::uint64_t datSize, datHash, idxSize, idxHash;
};
struct ArrayEntry {
    char name[16];
    std::uint64_t offset, bytes, elementBytes, checksumsOffset, checksumsHash;
};
static_assert(sizeof(FixedHeader) == 72 && sizeof(StampEntry) == 48 && sizeof(ArrayEntry) == 56);
static_assert(std::is_trivially_copyable_v<SquareSet> &&
              std::is_trivially_copyable_v<AnswerPartner>);

constexpr std::size_t headerBytes(std::size_t dictionaries, std::size_t arrays) {
    return sizeof(FixedHeader) + dictionaries * sizeof(StampEntry) + arrays * sizeof(ArrayEntry) +
           sizeof(std::uint64_t);
}

// What each array holds: its bytes to store, the size of one element, and what its values
// must satisfy beyond their checksum.
struct ArrayBytes {
    std::span<const std::byte> bytes;
    std::size_t elementBytes;
};

template <typename T> ArrayBytes bytesOf(const PagedArray<T>& array) {
    return {std::as_bytes(array.whole()), sizeof(T)};
}

bool squaresValid(const std::byte* chunk, std::size_t size) {
    const auto* squares = reinterpret_cast<const Square*>(chunk);
    Square largest = 0; // a loop without a branch, which the compiler vectorizes
    for (std::size_t i = 0; i < size; ++i)
        largest = std::max(largest, squares[i]);
    return largest < kSquareCount;
}

bool lettersValid(const std::byte* chunk, std::size_t size) {
    for (std::size_t at = 0; at + sizeof(SquareSet) <= size; at += sizeof(SquareSet)) {
        SquareSet set;
        std::memcpy(&set, chunk + at, sizeof set);
        if (!set.valid()) return false;
    }
    return true;
}

std::string describeStamp(const ContentStamp& stored, const ContentStamp& now) {
    if (now.size == ContentStamp::kMissing) return "missing";
    if (now.size == ContentStamp::kUnreadable) return "cannot be read";
    if (stored.size == ContentStamp::kMissing) return "not there when the answers were stored";
    return "other content";
}

StoredAnswersState state(StoredAnswersState::Kind kind, std::string detail = {}) {
    return {kind, std::move(detail)};
}

} // namespace

std::string StoredAnswersState::describe() const {
    switch (kind) {
    case Kind::Used:
        return "used";
    case Kind::Missing:
        return "not used: missing";
    case Kind::Unreadable:
        return "not used: cannot be read: " + detail;
    case Kind::Foreign:
        return "not used: not a file of stored answers" + (detail.empty() ? "" : ": " + detail);
    case Kind::OtherVersion:
        return "not used: other version: " + detail;
    case Kind::OtherDictionaries:
        return "not used: made from other dictionaries: " + detail;
    case Kind::Damaged:
        return "not used: damaged: " + detail;
    }
    return "not used";
}

std::vector<ContentStamp> DictionaryContentStamps(const std::string& folder) {
    std::vector<ContentStamp> stamps;
    // The index is made from the records, so fewer samples of it do.
    for (const std::string_view name : kDictionaryFiles) {
        const auto files = AnswerSourceFiles(name);
        stamps.push_back(StampContent((std::filesystem::path(folder) / files[0]).string(), 8));
        stamps.push_back(
            files[1].empty()
                ? ContentStamp{}
                : StampContent((std::filesystem::path(folder) / files[1]).string(), 2));
    }
    return stamps;
}

namespace {

// Each array's chunk checksums and its entry of the table of contents. The layout: the header,
// then each array's chunk checksums and its bytes, with nothing in between, so that every byte
// of the file is under a checksum. Returns the size of the file.
std::uint64_t placeArraysInFile(const std::array<ArrayBytes, kArrayCount>& arrays,
                                std::vector<std::vector<std::uint64_t>>& checksums,
                                std::vector<ArrayEntry>& entries) {
    checksums.assign(kArrayCount, {});
    entries.assign(kArrayCount, {});
    std::uint64_t at = headerBytes(kDictionaryFiles.size(), kArrayCount);
    for (std::size_t i = 0; i < kArrayCount; ++i) {
        const auto bytes = arrays[i].bytes;
        for (std::size_t from = 0; from < bytes.size(); from += kChunkSize)
            checksums[i].push_back(XXH3_64bits(
                bytes.data() + from, std::min<std::size_t>(kChunkSize, bytes.size() - from)));
        ArrayEntry& entry = entries[i];
        std::strncpy(entry.name, kArrayNames[i], sizeof entry.name - 1);
        entry.checksumsOffset = at;
        entry.checksumsHash =
            XXH3_64bits(checksums[i].data(), checksums[i].size() * sizeof(std::uint64_t));
        entry.offset = entry.checksumsOffset + checksums[i].size() * sizeof(std::uint64_t);
        entry.bytes = bytes.size();
        entry.elementBytes = arrays[i].elementBytes;
        at = entry.offset + entry.bytes;
    }
    return at;
}

// The header: the fixed part, the dictionaries with their stamps, the table of contents and the
// checksum of all of them.
std::string makeHeader(std::uint64_t fileBytes, std::size_t answerCount,
                       const std::vector<ContentStamp>& stamps,
                       const std::vector<ArrayEntry>& entries) {
    std::string header(headerBytes(kDictionaryFiles.size(), kArrayCount), '\0');
    FixedHeader fixed{};
    std::memcpy(fixed.magic, kMagic, sizeof kMagic);
    fixed.version = kAnswerFileVersion;
    fixed.byteOrder = kByteOrder;
    fixed.headerBytes = static_cast<std::uint32_t>(header.size());
    fixed.chunkSize = kChunkSize;
    fixed.squareCount = kSquareCount;
    fixed.indexedLength = SquareIndex::kIndexedLength;
    fixed.squareSetBytes = sizeof(SquareSet);
    fixed.partnerBytes = sizeof(AnswerPartner);
    fixed.dictionaryCount = kDictionaryFiles.size();
    fixed.arrayCount = kArrayCount;
    fixed.fileBytes = fileBytes;
    fixed.answerCount = answerCount;
    char* out = header.data();
    std::memcpy(out, &fixed, sizeof fixed);
    out += sizeof fixed;
    for (std::size_t d = 0; d < kDictionaryFiles.size(); ++d) {
        StampEntry entry{};
        kDictionaryFiles[d].copy(entry.name, sizeof entry.name - 1);
        entry.datSize = stamps.at(2 * d).size;
        entry.datHash = stamps.at(2 * d).hash;
        entry.idxSize = stamps.at(2 * d + 1).size;
        entry.idxHash = stamps.at(2 * d + 1).hash;
        std::memcpy(out, &entry, sizeof entry);
        out += sizeof entry;
    }
    std::memcpy(out, entries.data(), entries.size() * sizeof(ArrayEntry));
    out += entries.size() * sizeof(ArrayEntry);
    const std::uint64_t headerHash =
        XXH3_64bits(header.data(), static_cast<std::size_t>(out - header.data()));
    std::memcpy(out, &headerHash, sizeof headerHash);
    return header;
}

} // namespace

void WriteAnswerFile(const std::string& path, const AnswerSpace& space, const SquareIndex& index,
                     const LemmaIndex& lemmas, const std::vector<ContentStamp>& stamps) {
    index.makeWordOrders();
    const AnswerSpace::Arrays& s = space.arrays();
    const SquareIndex::Arrays& a = index.arrays();
    const LemmaIndex::Arrays& l = lemmas.arrays();
    const std::array<ArrayBytes, kArrayCount> arrays = {
        bytesOf(s.textBytes),     bytesOf(s.textStart),       bytesOf(s.dictionaries),
        bytesOf(s.partnerStart),  bytesOf(s.partners),        bytesOf(a.squares),
        bytesOf(a.start),         bytesOf(a.letters),         bytesOf(a.lengthStart),
        bytesOf(a.byLength),      bytesOf(a.postingStart),    bytesOf(a.postings),
        bytesOf(a.sortedSquares), bytesOf(a.bySortedSquares), bytesOf(a.bySquares),
        bytesOf(a.phrases),       bytesOf(a.phraseWordStart), bytesOf(a.phraseWords),
        bytesOf(l.lemmaBytes),    bytesOf(l.lemmaStart),      bytesOf(l.textStart),
        bytesOf(l.texts),         bytesOf(l.textWords),       bytesOf(l.formHash),
        bytesOf(l.formLemma),     bytesOf(l.frequency)};
    std::vector<std::vector<std::uint64_t>> checksums;
    std::vector<ArrayEntry> entries;
    const std::uint64_t fileBytes = placeArraysInFile(arrays, checksums, entries);
    const std::string header = makeHeader(fileBytes, space.size(), stamps, entries);

    TemporaryFile file(path);
    const auto put = [&](const void* data, std::size_t size) { file.write(data, size); };
    put(header.data(), header.size());
    for (std::size_t i = 0; i < kArrayCount; ++i) {
        put(checksums[i].data(), checksums[i].size() * sizeof(std::uint64_t));
        put(arrays[i].bytes.data(), arrays[i].bytes.size());
    }
    file.finish();
    file.renameIntoPlace();
    SyncFolder(FolderOf(path));
}

namespace {

using Kind = StoredAnswersState::Kind;
// Why a stored file is not used; none when the part looked at is sound.
using Refusal = std::optional<StoredAnswersState>;

// The fixed part and a bound on the size come before anything else is read; then the whole
// header (fixed part, dictionaries, table of contents) under its checksum into `header`.
Refusal readHeader(const ReadOnlyFile& file, FixedHeader& fixed, std::string& header) {
    if (file.size() < sizeof fixed) return state(Kind::Foreign, "too short");
    if (file.size() > kLargestAnswerFile) return state(Kind::Foreign, "too large");
    file.readAt(0, &fixed, sizeof fixed);
    if (std::memcmp(fixed.magic, kMagic, sizeof kMagic) != 0) return state(Kind::Foreign);
    if (fixed.byteOrder != kByteOrder) return state(Kind::OtherVersion, "other byte order");
    if (fixed.version != kAnswerFileVersion)
        return state(Kind::OtherVersion, "format " + std::to_string(fixed.version) +
                                             ", this program reads " +
                                             std::to_string(kAnswerFileVersion));
    const std::size_t expectedHeader = headerBytes(kDictionaryFiles.size(), kArrayCount);
    if (fixed.dictionaryCount != kDictionaryFiles.size() || fixed.arrayCount != kArrayCount ||
        fixed.headerBytes != expectedHeader)
        return state(Kind::OtherVersion, "other table of contents");
    if (fixed.headerBytes > file.size()) return state(Kind::Damaged, "cut short");
    header.assign(expectedHeader, '\0');
    file.readAt(0, header.data(), header.size());
    std::uint64_t headerHash = 0;
    std::memcpy(&headerHash, header.data() + header.size() - sizeof headerHash, sizeof headerHash);
    if (XXH3_64bits(header.data(), header.size() - sizeof headerHash) != headerHash)
        return state(Kind::Damaged, "header");
    if (fixed.chunkSize != kChunkSize || fixed.squareCount != kSquareCount ||
        fixed.indexedLength != SquareIndex::kIndexedLength ||
        fixed.squareSetBytes != sizeof(SquareSet) || fixed.partnerBytes != sizeof(AnswerPartner))
        return state(Kind::OtherVersion, "other layout of the arrays");
    if (fixed.fileBytes != file.size())
        return state(Kind::Damaged, fixed.fileBytes > file.size() ? "cut short" : "size");
    return std::nullopt;
}

// The header's dictionaries, from `in` on, against the stamps of the files beside it.
Refusal checkDictionaries(const char*& in, const std::vector<ContentStamp>& stamps) {
    for (std::size_t d = 0; d < kDictionaryFiles.size(); ++d, in += sizeof(StampEntry)) {
        StampEntry entry{};
        std::memcpy(&entry, in, sizeof entry);
        if (std::string_view(entry.name, strnlen(entry.name, sizeof entry.name)) !=
            kDictionaryFiles[d])
            return state(Kind::OtherVersion, "other dictionaries");
        const std::array<ContentStamp, 2> stored = {ContentStamp{entry.datSize, entry.datHash},
                                                    ContentStamp{entry.idxSize, entry.idxHash}};
        for (std::size_t f = 0; f < 2; ++f)
            if (stored[f] != stamps.at(2 * d + f))
                return state(Kind::OtherDictionaries,
                             AnswerSourceFiles(kDictionaryFiles[d])[f] + " " +
                                 describeStamp(stored[f], stamps.at(2 * d + f)));
    }
    return std::nullopt;
}

using StoredArrays = std::array<std::shared_ptr<const StoredBytes>, kArrayCount>;

// The table of contents, from `in` on: every array's place, inside the file, with its name.
Refusal placeArrays(const std::shared_ptr<const ReadOnlyFile>& file, const FixedHeader& fixed,
                    const char* in, StoredArrays& stored) {
    for (std::size_t i = 0; i < kArrayCount; ++i, in += sizeof(ArrayEntry)) {
        ArrayEntry entry{};
        std::memcpy(&entry, in, sizeof entry);
        const std::uint64_t chunks = (entry.bytes + kChunkSize - 1) / kChunkSize;
        const bool fits = entry.offset <= fixed.fileBytes &&
                          entry.bytes <= fixed.fileBytes - entry.offset &&
                          entry.checksumsOffset <= fixed.fileBytes &&
                          chunks <= (fixed.fileBytes - entry.checksumsOffset) / 8;
        if (std::string_view(entry.name, strnlen(entry.name, sizeof entry.name)) !=
                kArrayNames[i] ||
            !fits || entry.elementBytes == 0 || entry.bytes % entry.elementBytes != 0)
            return state(Kind::Damaged, "table of contents");
        StoredArrayPlace place{kArrayNames[i], entry.offset,          entry.bytes,
                               kChunkSize,     entry.checksumsOffset, entry.checksumsHash};
        if (i == kSquares || i == kSortedSquares) place.valuesValid = squaresValid;
        if (i == kLetters) place.valuesValid = lettersValid;
        stored[i] = std::make_shared<const StoredBytes>(file, std::move(place));
    }
    return std::nullopt;
}

// The answer space over the stored arrays, when their sizes agree with each other and with the
// number of answers.
std::optional<AnswerSpace> spaceOf(const StoredArrays& stored, std::size_t answers) {
    const auto array = [&]<typename T>(ArrayId id, PagedArray<T>& out) {
        out = PagedArray<T>(stored[id]);
        return stored[id]->size() % sizeof(T) == 0;
    };
    AnswerSpace::Arrays s;
    SquareIndex::Arrays a;
    const bool sizesFit =
        array(kTextBytes, s.textBytes) && array(kTextStart, s.textStart) &&
        array(kDictionaryMasks, s.dictionaries) && array(kPartnerStart, s.partnerStart) &&
        array(kPartners, s.partners) && array(kSquares, a.squares) &&
        array(kSquareStart, a.start) && array(kLetters, a.letters) &&
        array(kLengthStart, a.lengthStart) && array(kByLength, a.byLength) &&
        array(kPostingStart, a.postingStart) && array(kPostings, a.postings) &&
        array(kSortedSquares, a.sortedSquares) && array(kBySortedSquares, a.bySortedSquares) &&
        array(kBySquares, a.bySquares) && array(kPhrases, a.phrases) &&
        array(kPhraseWordStart, a.phraseWordStart) && array(kPhraseWords, a.phraseWords);
    LemmaIndex::Arrays l;
    const bool lemmasFit = array(kLemmaBytes, l.lemmaBytes) && array(kLemmaStart, l.lemmaStart) &&
                           array(kLemmaTextStart, l.textStart) && array(kLemmaTexts, l.texts) &&
                           array(kTextWords, l.textWords) && array(kFormHash, l.formHash) &&
                           array(kFormLemma, l.formLemma) && array(kFrequency, l.frequency);
    const std::size_t n = answers;
    if (!sizesFit || s.dictionaries.size() != n || s.textStart.size() != n + 1 ||
        s.partnerStart.size() != n + 1 || a.start.size() != n + 1 || a.letters.size() != n ||
        a.postingStart.size() != SquareIndex::kPostingKeys + 1 || a.lengthStart.empty() ||
        a.sortedSquares.size() != a.squares.size() || a.bySquares.size() != a.byLength.size() ||
        a.bySortedSquares.size() != a.byLength.size() ||
        a.phraseWordStart.size() != a.phrases.size() + 1 || !lemmasFit || l.lemmaStart.empty() ||
        l.textStart.size() != l.lemmaStart.size() || l.textWords.size() != n ||
        l.frequency.size() != n || l.formHash.size() != l.formLemma.size())
        return std::nullopt;
    return AnswerSpace(std::move(s),
                       std::make_shared<const SquareIndex>(SquareRules{}, std::move(a)),
                       std::make_shared<const LemmaIndex>(std::move(l)));
}

} // namespace

OpenedAnswerFile OpenAnswerFile(const std::string& path, const std::vector<ContentStamp>& stamps) {
    std::string why;
    bool missing = false;
    const auto file = ReadOnlyFile::open(path, why, missing);
    if (!file) return {std::nullopt, state(missing ? Kind::Missing : Kind::Unreadable, why)};
    try {
        FixedHeader fixed{};
        std::string header;
        if (Refusal refused = readHeader(*file, fixed, header)) return {std::nullopt, *refused};
        const char* in = header.data() + sizeof fixed;
        if (Refusal refused = checkDictionaries(in, stamps)) return {std::nullopt, *refused};
        StoredArrays stored;
        if (Refusal refused = placeArrays(file, fixed, in, stored)) return {std::nullopt, *refused};
        std::optional<AnswerSpace> space = spaceOf(stored, fixed.answerCount);
        if (!space) return {std::nullopt, state(Kind::Damaged, "table of contents")};
        return {std::move(space), state(Kind::Used)};
    } catch (const StoredFileError& error) {
        return {std::nullopt,
                state(error.damaged() ? Kind::Damaged : Kind::Unreadable, error.detail())};
    }
}

StoredAnswersState VerifyStoredAnswers(const AnswerSpace& space) {
    try {
        const AnswerSpace::Arrays& s = space.arrays();
        s.textBytes.whole();
        s.textStart.whole();
        s.dictionaries.whole();
        s.partnerStart.whole();
        s.partners.whole();
        if (space.storedIndex()) {
            const SquareIndex::Arrays& a = space.storedIndex()->arrays();
            a.squares.whole();
            a.start.whole();
            a.letters.whole();
            a.lengthStart.whole();
            a.byLength.whole();
            a.postingStart.whole();
            a.postings.whole();
            a.sortedSquares.whole();
            a.bySortedSquares.whole();
            a.bySquares.whole();
            a.phrases.whole();
            a.phraseWordStart.whole();
            a.phraseWords.whole();
        }
        if (space.lemmas()) {
            const LemmaIndex::Arrays& l = space.lemmas()->arrays();
            l.lemmaBytes.whole();
            l.lemmaStart.whole();
            l.textStart.whole();
            l.texts.whole();
            l.textWords.whole();
            l.formHash.whole();
            l.formLemma.whole();
            l.frequency.whole();
        }
    } catch (const StoredFileError& error) {
        return state(error.damaged() ? StoredAnswersState::Kind::Damaged
                                     : StoredAnswersState::Kind::Unreadable,
                     error.detail());
    }
    return state(StoredAnswersState::Kind::Used);
}

} // namespace zadrovec
