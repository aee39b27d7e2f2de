// The answers stored beside the dictionaries: stored on request, used while the dictionaries
// have the content they were made from, and never used when anything about them fails; the
// answers are then read from the dictionaries and are the same.
#include "engine/solver/answerfile.h"
#include "engine/solver/answersource.h"
#include "engine/solver/lemmaindex.h"
#include "engine/solver/solver.h"
#include "engine/solver/squareindex.h"
#include "tests/engine/fixture.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zadrovec;
using namespace zadrovec::testing;
namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;
using Kind = StoredAnswersState::Kind;

// Every question's answers and clues as text, to compare two answer spaces.
Texts everything(Solver& solver) {
    const AnswerSpace& space = solver.space();
    Texts out;
    const auto ask = [&](QuestionKind kind, std::string text, std::string clue, SquareRules rules) {
        Question q;
        q.kind = kind;
        q.text = std::move(text);
        q.clue = std::move(clue);
        q.rules = rules;
        std::string line;
        for (const SolvedAnswer& a : solver.solve(q)) {
            line += std::string(space.text(a.text)) + "/" + std::to_string(a.squares) + "/" +
                    std::to_string(space.dictionaries(a.text));
            for (const std::uint32_t c : a.clues)
                line += "<" + std::string(space.text(c));
            line += ' ';
        }
        out.push_back(line);
    };
    ask(QuestionKind::Pattern, "*", "", {});
    ask(QuestionKind::Pattern, "K?N", "", {});
    ask(QuestionKind::Pattern, "???OL", "", {false, true});
    ask(QuestionKind::Anagram, "AKREH", "", {});
    ask(QuestionKind::From, "SEPNUK?", "", {true, false});
    ask(QuestionKind::Contains, "O", "", {});
    ask(QuestionKind::Pattern, "", "K*", {});
    for (const AnswerPartner& p : solver.clues("kun", false))
        out.push_back(std::string(space.text(p.text)) + std::to_string(p.dictionaries));
    return out;
}

// Reads every array of the answers whole, as some question may; stored answers throw
// StoredFileError at their first damaged chunk.
void readEveryArray(const AnswerSpace& space) {
    const auto read = [](const auto&... arrays) { (static_cast<void>(arrays.whole()), ...); };
    const AnswerSpace::Arrays& s = space.arrays();
    read(s.textBytes, s.textStart, s.dictionaries, s.partnerStart, s.partners);
    if (space.storedIndex()) {
        const SquareIndex::Arrays& a = space.storedIndex()->arrays();
        read(a.squares, a.start, a.letters, a.lengthStart, a.byLength, a.postingStart, a.postings,
             a.sortedSquares, a.bySortedSquares, a.bySquares, a.phrases, a.phraseWordStart,
             a.phraseWords);
    }
    if (space.lemmas()) {
        const LemmaIndex::Arrays& l = space.lemmas()->arrays();
        read(l.lemmaBytes, l.lemmaStart, l.textStart, l.texts, l.textWords, l.formHash, l.formLemma,
             l.frequency);
    }
}

class AnswerFile : public ::testing::Test {
protected:
    void SetUp() override {
        writeDictionary(folder, "hlavni",
                        sortedDictionary({cp("HERKA@kobyla;stará herka;"), cp("KŮŇ@hřebec;kobyla;"),
                                          cp("KUN@lesní šelma;"), cp("CHOCHOL@vrchol;")}));
        writeDictionary(folder, "mesta", sortedDictionary({cp("KOBYLA@herka;")}));
    }
    std::string stored() const { return folder.file(std::string(kAnswerFileName)); }
    std::string data() const { return folder.path().string(); }

    // The answers as the program gives them now, and whether the stored ones were used.
    Texts answered(StoredAnswersState* state = nullptr) {
        RecordedMessages quiet;
        AnswerSource source(data(), quiet);
        const Texts texts = source.ask([](Solver& solver) { return everything(solver); });
        if (state) *state = source.stored();
        return texts;
    }
    Texts fromDictionaries() {
        RecordedMessages quiet;
        const LoadedAnswers loaded = ReadAnswerSpace(data(), quiet);
        Solver solver(loaded.space);
        return everything(solver);
    }

    TempFolder folder;
    RecordedMessages messages;
};

TEST_F(AnswerFile, StoredOnRequestThenUsedWithTheSameAnswers) {
    const Texts expected = fromDictionaries();
    StoredAnswersState state;
    EXPECT_EQ(answered(&state), expected);
    EXPECT_EQ(state.kind, Kind::Missing);
    EXPECT_FALSE(fs::exists(stored())); // answering alone writes nothing
    {
        // A reading told to stop (its window closing) ends with no answers.
        AnswerSource stopped(data(), messages);
        const std::atomic<bool> stop = true;
        stopped.readDictionaries(&stop);
        EXPECT_FALSE(stopped.ready());
    }

    ASSERT_NO_THROW(StoreAnswerSpace(data(), messages));
    EXPECT_EQ(answered(&state), expected);
    EXPECT_EQ(state.kind, Kind::Used) << state.describe();
    RecordedMessages told;
    AnswerSource source(data(), told);
    ASSERT_TRUE(source.ready()); // nothing read from the dictionaries
    EXPECT_EQ(source.openedDictionaries(), 2);
    EXPECT_EQ(told.shown.size(), 6u); // the six missing dictionaries, told as when reading them
    EXPECT_EQ(VerifyStoredAnswers(source.space()).kind, Kind::Used);
}

// What may happen to the dictionaries or the file after storing, and what the file is then.
TEST_F(AnswerFile, UsedOnlyWhileTheDictionariesHaveTheirContent) {
    const fs::path copy = folder.path() / "copy";
    const auto sameSizeOtherContent = [&](const fs::path& base) {
        // Another word of the same length: the same size, another content, the old time put back.
        const fs::file_time_type time = fs::last_write_time(base / "mesta.dat");
        writeDictionary(folder, "mesta", sortedDictionary({cp("KOBYLO@herka;")}));
        fs::last_write_time(base / "mesta.dat", time);
        fs::last_write_time(base / "mesta.idx", time);
    };
    struct Case {
        const char* what;
        std::function<void()> change;
        Kind expected;
        std::string detail;
    };
    const std::vector<Case> cases = {
        {"copied to a new folder, times not kept",
         [&] {
             fs::create_directory(copy);
             for (const auto& entry : fs::directory_iterator(folder.path()))
                 if (entry.is_regular_file())
                     writeBytes((copy / entry.path().filename()).string(),
                                readBytes(entry.path().string()));
         },
         Kind::Used, ""},
        {"all files touched",
         [&] {
             for (const auto& entry : fs::directory_iterator(folder.path()))
                 fs::last_write_time(entry.path(), fs::file_time_type::clock::now());
         },
         Kind::Used, ""},
        {"rebuilt with other content, size and time kept",
         [&] { sameSizeOtherContent(folder.path()); }, Kind::OtherDictionaries,
         "mesta.dat other content"},
        {"a dictionary removed", [&] { fs::remove(folder.path() / "mesta.idx"); },
         Kind::OtherDictionaries, "mesta.idx missing"},
        {"a dictionary added",
         [&] { writeDictionary(folder, "chzn", sortedDictionary({cp("AG@stříbro;")})); },
         Kind::OtherDictionaries, "chzn.dat not there when the answers were stored"},
        {"a FIFO in its place",
         [&] {
             fs::remove(stored());
             ASSERT_EQ(::mkfifo(stored().c_str(), 0600), 0);
         },
         Kind::Unreadable, "not a regular file"},
        {"another version",
         [&] {
             std::string bytes = readBytes(stored());
             bytes[16] = 2; // the version follows the 16 bytes of the magic text
             writeBytes(stored(), bytes);
         },
         Kind::OtherVersion, "format 2, this program reads " + std::to_string(kAnswerFileVersion)},
        {"another byte order",
         [&] {
             std::string bytes = readBytes(stored());
             std::reverse(bytes.begin() + 20, bytes.begin() + 24);
             writeBytes(stored(), bytes);
         },
         Kind::OtherVersion, "other byte order"},
        {"no file of answers", [&] { writeBytes(stored(), std::string(4096, 'x')); }, Kind::Foreign,
         ""},
        {"a huge sparse file", [&] { fs::resize_file(stored(), kLargestAnswerFile + 1); },
         Kind::Foreign, "too large"},
        {"cut short",
         [&] {
             const std::string bytes = readBytes(stored());
             writeBytes(stored(), bytes.substr(0, bytes.size() - 1));
         },
         Kind::Damaged, "cut short"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(copy);
        SetUp(); // the dictionaries as they were stored
        ASSERT_NO_THROW(StoreAnswerSpace(data(), messages));
        c.change();
        const std::string folderUsed = fs::exists(copy) ? copy.string() : data();
        const OpenedAnswerFile opened = OpenAnswerFile(
            (fs::path(folderUsed) / kAnswerFileName).string(), DictionaryContentStamps(folderUsed));
        EXPECT_EQ(opened.state.kind, c.expected) << opened.state.describe();
        EXPECT_EQ(opened.state.detail, c.detail);
        StoredAnswersState state;
        EXPECT_EQ(answered(&state), fromDictionaries()); // never a stale answer
        fs::remove(stored());
    }
}

// Every byte of the file lies under a checksum: a flipped one anywhere, in the header, a
// table of checksums or any array, keeps the file from answering.
TEST_F(AnswerFile, AFlippedByteAnywhereIsNeverUsed) {
    const Texts expected = fromDictionaries();
    ASSERT_NO_THROW(StoreAnswerSpace(data(), messages));
    const std::string bytes = readBytes(stored());
    // The arrays' places from the table of contents: 72 bytes of fixed header, 48 bytes per
    // dictionary, then 56 bytes per array: name, offset, size, element size, checksums' offset.
    const std::size_t table = 72 + kDictionaryFiles.size() * 48;
    constexpr std::size_t kArrays = 26;
    std::vector<std::size_t> places;
    std::vector<std::string> names;
    for (std::size_t at = table; names.size() < kArrays; at += 56) {
        std::uint64_t offset = 0, size = 0, checksums = 0;
        std::memcpy(&offset, bytes.data() + at + 16, 8);
        std::memcpy(&size, bytes.data() + at + 24, 8);
        std::memcpy(&checksums, bytes.data() + at + 40, 8);
        names.emplace_back(bytes.data() + at);
        if (size == 0) continue;
        places.insert(places.end(), {checksums, offset, offset + size / 2, offset + size - 1});
    }
    ASSERT_EQ(names.front(), "texts");
    ASSERT_EQ(names.back(), "frequencies");
    for (std::size_t at = 0; at < table + kArrays * 56 + 8; at += 37)
        places.push_back(at);
    for (const std::size_t at : places) {
        SCOPED_TRACE("byte " + std::to_string(at));
        std::string broken = bytes;
        broken[at] = static_cast<char>(broken[at] ^ 0x5A);
        writeBytes(stored(), broken);
        // The whole check finds it, in the header or in an array.
        const OpenedAnswerFile opened = OpenAnswerFile(stored(), DictionaryContentStamps(data()));
        EXPECT_NE(opened.space ? VerifyStoredAnswers(*opened.space).kind : opened.state.kind,
                  Kind::Used);
        // A question that reads the damaged place gets its answers from the dictionaries.
        RecordedMessages quiet;
        AnswerSource source(data(), quiet);
        const Texts texts = source.ask([](Solver& solver) {
            readEveryArray(solver.space());
            return everything(solver);
        });
        EXPECT_EQ(texts, expected);
        EXPECT_NE(source.stored().kind, Kind::Used) << source.stored().describe();
    }
}

TEST_F(AnswerFile, StoringLeavesNothingBehindAndFollowsNoLink) {
    const std::string target = stored();
    // A link planted under the name of this process's temporary file, and the temporary file of
    // a process that is gone.
    const std::string victim = folder.file("victim");
    writeBytes(victim, "untouched");
    const std::string planted = target + ".tmp-" + std::to_string(::getpid()) + "-0";
    fs::create_symlink(victim, planted);
    const std::string stale = target + ".tmp-2147483646-0";
    writeBytes(stale, "left by a killed store");
    ASSERT_NO_THROW(StoreAnswerSpace(data(), messages));
    EXPECT_EQ(readBytes(victim), "untouched");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_EQ(OpenAnswerFile(target, DictionaryContentStamps(data())).state.kind, Kind::Used);
    fs::remove(planted);

    if (::geteuid() != 0) { // the superuser writes anywhere
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
        try {
            StoreAnswerSpace(data(), messages);
            ADD_FAILURE() << "stored into a read-only folder";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("the folder cannot be written"),
                      std::string::npos)
                << error.what();
        }
        fs::permissions(folder.path(), fs::perms::owner_all);
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 6u); // two dictionaries, the answers and the victim
}

} // namespace

TEST_F(AnswerFile, NothingStoredWhenADictionaryCannotBeRead) {
    writeBytes(folder.file("mesta.idx"), "short");
    EXPECT_THROW(StoreAnswerSpace(data(), messages), std::runtime_error);
    EXPECT_FALSE(fs::exists(stored()));
    fs::remove_all(folder.path() / "hlavni.dat");
    fs::remove_all(folder.path() / "mesta.idx");
    EXPECT_THROW(StoreAnswerSpace(data(), messages), std::runtime_error);
}
