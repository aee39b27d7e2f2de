// The reader of the stored answers on files that someone altered: a file is written from the
// input's records, bytes of it are overwritten as the input says, and, when the input asks,
// every checksum is made right again, so that the altered numbers reach the reader's bounds
// checks instead of stopping at a checksum. Whatever the file holds, opening it and asking it
// questions ends in answers or in StoredFileError, never outside a buffer.
//
// Input: a flags byte (bit 0: make the checksums right), a count of changes, each change an
// array number (23: the header), an offset in it (two bytes) and a byte; then records as in
// fuzz_solver, one a line, the first byte choosing the dictionary.
#include "engine/solver/answerfile.h"
#include "engine/solver/lemmaindex.h"
#include "engine/solver/solver.h"
#include "fuzz/fuzzinput.h"

#include <cstring>
#include <fstream>
#include <iterator>

#define XXH_INLINE_ALL
#include <xxhash.h>

using namespace zadrovec;

namespace {

// The places of the file's parts, read from its header as the format lays it out.
constexpr std::size_t kFixed = 72, kDictionaryEntry = 48, kArrayEntry = 56, kArrays = 23;
constexpr std::size_t kTable = kFixed + 10 * kDictionaryEntry;
constexpr std::size_t kHeader = kTable + kArrays * kArrayEntry + 8;
constexpr std::size_t kChunk = 4096;

std::uint64_t field(const std::string& file, std::size_t at) {
    std::uint64_t value = 0;
    if (at + 8 <= file.size()) std::memcpy(&value, file.data() + at, 8);
    return value;
}

void setField(std::string& file, std::size_t at, std::uint64_t value) {
    if (at + 8 <= file.size()) std::memcpy(file.data() + at, &value, 8);
}

// Makes every checksum agree with the bytes again: each chunk's, each table's, the header's.
void sealAgain(std::string& file) {
    if (file.size() < kHeader) return;
    for (std::size_t i = 0; i < kArrays; ++i) {
        const std::size_t entry = kTable + i * kArrayEntry;
        const std::uint64_t offset = field(file, entry + 16), bytes = field(file, entry + 24);
        const std::uint64_t checksums = field(file, entry + 40);
        const std::uint64_t chunks = (bytes + kChunk - 1) / kChunk;
        if (offset > file.size() || bytes > file.size() - offset || checksums > file.size() ||
            chunks > (file.size() - checksums) / 8)
            continue;
        for (std::uint64_t c = 0; c < chunks; ++c)
            setField(file, checksums + 8 * c,
                     XXH3_64bits(file.data() + offset + c * kChunk,
                                 std::min<std::uint64_t>(kChunk, bytes - c * kChunk)));
        setField(file, entry + 48, XXH3_64bits(file.data() + checksums, chunks * 8));
    }
    setField(file, kHeader - 8, XXH3_64bits(file.data(), kHeader - 8));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t flags = input.byte();
    struct Change {
        std::uint8_t array;
        std::uint16_t offset;
        std::uint8_t value;
    };
    std::vector<Change> changes(input.byte() % 16);
    for (Change& change : changes) {
        change.array = input.byte() % (kArrays + 1);
        change.offset = input.u16();
        change.value = input.byte();
    }
    const AnswerSpace space = fuzz::answersOfRecords(input.rest());
    const SquareIndex index(space, {});
    const std::string path = (fuzz::scratchFolder() / "answers").string();
    const std::vector<ContentStamp> stamps(2 * kDictionaryFiles.size(), ContentStamp{7, 7});
    WriteAnswerFile(path, space, index, LemmaIndex::Build(space, nullptr, nullptr), stamps);

    std::string file;
    {
        std::ifstream in(path, std::ios::binary);
        file.assign(std::istreambuf_iterator<char>(in), {});
    }
    for (const Change& change : changes) {
        std::size_t at = change.offset % kHeader;
        if (change.array < kArrays) {
            const std::size_t entry = kTable + change.array * kArrayEntry;
            const std::uint64_t bytes = field(file, entry + 24);
            if (bytes == 0) continue;
            at = field(file, entry + 16) + change.offset % bytes;
        }
        if (at < file.size()) file[at] = static_cast<char>(change.value);
    }
    if (flags & 1) sealAgain(file);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
    }

    OpenedAnswerFile opened = OpenAnswerFile(path, stamps);
    if (!opened.space) return 0;
    VerifyStoredAnswers(*opened.space);
    Solver solver(std::make_shared<const AnswerSpace>(std::move(*opened.space)));
    const auto ask = [&](QuestionKind kind, const char* text, const char* clue) {
        Question q;
        q.kind = kind;
        q.text = text;
        q.clue = clue;
        try {
            for (const SolvedAnswer& answer : solver.solve(q)) {
                solver.space().text(answer.text);
                solver.space().dictionaries(answer.text);
            }
        } catch (const StoredFileError&) {
        }
    };
    ask(QuestionKind::Pattern, "*", "");
    ask(QuestionKind::Pattern, "K?N", "");
    ask(QuestionKind::Pattern, "*A", "");
    ask(QuestionKind::Anagram, "AKREH", "");
    ask(QuestionKind::From, "SEPNUK?", "");
    ask(QuestionKind::Pattern, "", "K*");
    try {
        for (const AnswerPartner& p : solver.clues("kun", false))
            solver.space().text(p.text);
    } catch (const StoredFileError&) {
    }
    return 0;
}
