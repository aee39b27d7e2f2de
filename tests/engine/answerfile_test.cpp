// The answers stored beside the dictionaries: stored on request, taken while the dictionaries
// are the same files, left aside when one changes, and never trusted when damaged.
#include "answerfile.h"
#include "fixture.h"
#include "solver.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

using Texts = std::vector<std::string>;

// Every question's answers and clues as text, to compare two answer spaces.
Texts everything(const AnswerSpace& space) {
    Solver solver(space);
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

class AnswerFile : public ::testing::Test {
protected:
    void SetUp() override {
        writeDictionary(folder, "hlavni",
                        sortedDictionary({cp("HERKA@kobyla;stará herka;"), cp("KŮŇ@hřebec;kobyla;"),
                                          cp("KUN@lesní šelma;"), cp("CHOCHOL@vrchol;")}));
        writeDictionary(folder, "mesta", sortedDictionary({cp("KOBYLA@herka;")}));
    }
    std::string stored() const { return folder.file(std::string(kAnswerFileName)); }

    TempFolder folder;
    RecordedMessages messages;
};

TEST_F(AnswerFile, StoredOnRequestThenTakenWithTheSameAnswers) {
    const AnswerSpace first = LoadAnswerSpace(folder.path().string(), messages);
    EXPECT_FALSE(std::filesystem::exists(stored())); // loading alone writes nothing
    RecordedMessages storing;
    ASSERT_TRUE(StoreAnswerSpace(folder.path().string(), storing));
    ASSERT_TRUE(std::filesystem::exists(stored()));
    const Texts expected = everything(first);
    const auto messagesOfFirst = messages.shown;

    messages.shown.clear();
    const AnswerSpace second = LoadAnswerSpace(folder.path().string(), messages);
    ASSERT_NE(second.storedIndex, nullptr);
    EXPECT_EQ(everything(second), expected);
    EXPECT_EQ(messages.shown, messagesOfFirst); // the six missing ones, told again
    EXPECT_EQ(second.openedDictionaries, 2);
    EXPECT_EQ(ReadAnswerFile(stored(), DictionaryStamps(folder.path().string()))->size(),
              first.size());
}

TEST_F(AnswerFile, LeftAsideWhenADictionaryChanges) {
    ASSERT_TRUE(StoreAnswerSpace(folder.path().string(), messages));
    writeDictionary(folder, "mesta", sortedDictionary({cp("BRNO@město;")}));
    const AnswerSpace changed = LoadAnswerSpace(folder.path().string(), messages);
    Solver solver(changed);
    Question q;
    q.text = "BRNO";
    EXPECT_EQ(solver.solve(q).size(), 1u);
    q.text = "KOBYLA";
    EXPECT_EQ(DictionaryNames(changed.dictionaries(solver.solve(q).at(0).text)),
              std::vector<std::string_view>{"hlavni"});
    EXPECT_EQ(changed.storedIndex, nullptr);
    ASSERT_TRUE(StoreAnswerSpace(folder.path().string(), messages));
    const AnswerSpace again = LoadAnswerSpace(folder.path().string(), messages);
    EXPECT_NE(again.storedIndex, nullptr);
    EXPECT_EQ(everything(again), everything(changed));
}

TEST_F(AnswerFile, ADamagedFileIsNeverTrusted) {
    const Texts expected = everything(LoadAnswerSpace(folder.path().string(), messages));
    ASSERT_TRUE(StoreAnswerSpace(folder.path().string(), messages));
    const auto stamps = DictionaryStamps(folder.path().string());
    std::string bytes;
    {
        std::ifstream in(stored(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(bytes.size(), 200u);
    // Cut short, every length and offset field broken in turn, and bytes flipped throughout.
    std::vector<std::string> damaged = {bytes.substr(0, bytes.size() / 2), bytes + "x", ""};
    for (std::size_t at = 0; at < bytes.size(); at += 1 + bytes.size() / 97) {
        std::string broken = bytes;
        broken[at] = static_cast<char>(broken[at] ^ 0x5A);
        damaged.push_back(broken);
    }
    for (const std::string& file : damaged) {
        writeBytes(stored(), file);
        const auto read = ReadAnswerFile(stored(), stamps);
        // What is taken in spite of a flipped byte (a letter of a text) reads within bounds.
        if (read) everything(*read);
        const AnswerSpace loaded = LoadAnswerSpace(folder.path().string(), messages);
        if (!read) {
            EXPECT_EQ(everything(loaded), expected);
        }
    }
}

} // namespace

TEST_F(AnswerFile, NothingStoredWhenADictionaryCannotBeRead) {
    writeBytes(folder.file("mesta.idx"), "short");
    EXPECT_FALSE(StoreAnswerSpace(folder.path().string(), messages));
    EXPECT_FALSE(std::filesystem::exists(stored()));
    std::filesystem::remove_all(folder.path() / "hlavni.dat");
    std::filesystem::remove_all(folder.path() / "mesta.idx");
    EXPECT_FALSE(StoreAnswerSpace(folder.path().string(), messages));
}
