// Case folding, the word search and the meanings of a found word.
#include "engine/dictionary/hits_p.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/ioerror.h"
#include "tests/engine/fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

using Items = std::vector<std::string>;

// Keeps the outcome's hits, as a window shows them, then raises its read error as a window does.
void keep(SearchOutcome outcome, WordHits& hits) {
    hits = std::move(outcome.hits);
    if (outcome.error) throw *outcome.error;
}

class WordSearch : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedMessages messages;
    Dictionary dictionary{folder.path().string(), messages};
    WordHits hits;

    void open(const Items& texts) {
        writeDictionary(folder, "hlavni", texts);
        openAs("hlavni");
    }
    void openAs(std::string_view name) {
        dictionary.close();
        ASSERT_TRUE(dictionary.open(name));
    }
    void writeWords(const Items& texts) { writeBytes(folder.file("hlavni.dat"), wordFile(texts)); }
    void search(std::string_view text) { keep(SearchWords(dictionary, text), hits); }
    Items found() const { return hits.found; }
    Items meanings() const { return hits.meanings; }
};

const Items kWords = {
    "1.1.2026",    "AB@X;",       "ABC@A1;",       "ABCD@A2;A3;", "ABCD@A4;", "ABD@B1;",
    "AC@C1;",      cp("ČES@Č1;"), cp("ČESKO@Č2;"), "P@P0;",       "PAS@P1;",  "PES@P2;P3;",
    "PES @BLANK;", "PES;@SEMI;",  "PESEK@P4;",     "PS@P5;",
};

} // namespace

TEST(CzechUpperCase, FoldsExactlyAsciiAndTheFifteenCzechLetters) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string folded = all;
    CzechUpperCase(folded);
    ASSERT_EQ(folded.size(), 256u);
    const std::string smallCzech = cp("áčďéěíňóřšťúůýž");
    const std::string capitalCzech = cp("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<char>(b);
        char expected = c;
        if (b >= 'a' && b <= 'z') expected = static_cast<char>(b - 0x20);
        if (const auto at = smallCzech.find(c); at != std::string::npos)
            expected = capitalCzech[at];
        EXPECT_EQ(folded[b], expected) << "byte " << b;
    }
    std::string others = cp("äöüôľĺŕśźłąęß");
    const std::string before = others;
    CzechUpperCase(others);
    EXPECT_EQ(others, before);
}

TEST_F(WordSearch, PrefixSearchThroughAllThreeIndexLevels) {
    open(kWords);
    search("ab");
    EXPECT_EQ(found(), (Items{"AB", "ABC", "ABCD", "ABD"}));
    search("abc");
    EXPECT_EQ(found(), (Items{"ABC", "ABCD"}));
    search("abcd"); // longer than three: the rest is compared record by record
    EXPECT_EQ(found(), (Items{"ABCD"}));
    search("a"); // one character lists its whole run
    EXPECT_EQ(found(), (Items{"AB", "ABC", "ABCD", "ABD", "AC"}));
    search("p");
    EXPECT_EQ(found(), (Items{"P", "PAS", "PES", "PES ", "PES;", "PESEK", "PS"}));
}

TEST_F(WordSearch, TextIsFoldedButTheCallersTextStays) {
    open(kWords);
    const std::string typed = cp("čes");
    search(typed);
    EXPECT_EQ(found(), (Items{cp("ČES"), cp("ČESKO")}));
    EXPECT_EQ(typed, cp("čes"));
    search(cp("äb")); // ä has no capital here: looked up as ä, not found
    EXPECT_TRUE(found().empty());
}

TEST_F(WordSearch, BlanksAndPunctuationAreOrdinaryCharacters) {
    open(kWords);
    search("PES ");
    EXPECT_EQ(found(), (Items{"PES "}));
    search("PES;");
    EXPECT_EQ(found(), (Items{"PES;"}));
    EXPECT_EQ(meanings(), (Items{"SEMI"}));
    search("pes");
    EXPECT_EQ(found(), (Items{"PES", "PES ", "PES;", "PESEK"}));
}

TEST_F(WordSearch, DuplicateHeadwordsListedOnceWithBothRowsKept) {
    open(kWords);
    search("abcd");
    EXPECT_EQ(hits.hitHeadwords, (Items{"ABCD", "ABCD"}));
    EXPECT_EQ(hits.hitMeanings, (Items{"A2;A3;", "A4;"}));
    EXPECT_EQ(meanings(), (Items{"A2", "A3", "A4"}));
}

TEST_F(WordSearch, HitTableIsInFileOrderAndMeaningsAreOfTheFirstFoundWord) {
    open(kWords);
    search("ab");
    EXPECT_EQ(hits.hitHeadwords, (Items{"AB", "ABC", "ABCD", "ABCD", "ABD"}));
    EXPECT_EQ(hits.hitMeanings, (Items{"X;", "A1;", "A2;A3;", "A4;", "B1;"}));
    EXPECT_EQ(meanings(), (Items{"X"}));
}

TEST_F(WordSearch, NothingFoundOrNoSlotClearsAllFourLists) {
    open(kWords);
    search("ab");
    ASSERT_FALSE(found().empty());
    search("zz"); // no first-character slot
    EXPECT_TRUE(found().empty());
    EXPECT_TRUE(hits.hitHeadwords.empty());
    EXPECT_TRUE(hits.hitMeanings.empty());
    EXPECT_TRUE(meanings().empty());
    search("ab");
    search("");
    EXPECT_TRUE(found().empty() && hits.hitHeadwords.empty() && hits.hitMeanings.empty() &&
                meanings().empty());
    search("ab");
    search("AX"); // first character found, second not: the A run is read, nothing matches
    EXPECT_TRUE(found().empty() && hits.hitHeadwords.empty() && hits.hitMeanings.empty() &&
                meanings().empty());
}

TEST_F(WordSearch, MissingSecondSlotScansTheWholeFirstRun) {
    Items texts = kWords;
    writeWords(texts);
    // Index with the A run's second-character table empty: every A search reads the whole run.
    IndexImage index = completeIndex(texts);
    index.endSecond(1, 1);
    writeBytes(folder.file("hlavni.idx"), index.bytes());
    openAs("hlavni");
    search("abc");
    EXPECT_EQ(found(), (Items{"ABC", "ABCD"}));
    search("ac");
    EXPECT_EQ(found(), (Items{"AC"}));
}

TEST_F(WordSearch, EndSlotHidesTheSlotsAfterIt) {
    writeWords({"h", "A@1;", "B@2;", "C@3;"});
    IndexImage index;
    index.setFirst(1, 'A', 1);
    index.setFirst(2, 'B', 2);
    index.endFirst(3);
    index.setFirst(4, 'C', 3); // never looked at
    writeBytes(folder.file("hlavni.idx"), index.bytes());
    openAs("hlavni");
    search("b");
    EXPECT_EQ(found(), (Items{"B"}));
    search("c");
    EXPECT_TRUE(found().empty());
}

TEST_F(WordSearch, FullTablesHaveNoEndSlot) {
    // 60 first characters and, under the last, 50 second characters, each with 50 third ones
    // (characters the folding leaves alone).
    Items texts = {"h"};
    IndexImage index;
    for (int i = 1; i <= 60; ++i) {
        const auto c1 = static_cast<char>(0xA0 + i);
        index.setFirst(i, static_cast<unsigned char>(c1), static_cast<int>(texts.size()));
        if (i < 60) {
            texts.push_back(std::string(1, c1) + "@" + std::to_string(i) + ";");
            continue;
        }
        for (int j = 1; j <= 50; ++j) {
            const auto c2 = static_cast<char>(0xA0 + j);
            index.setSecond(i, j, static_cast<unsigned char>(c2), static_cast<int>(texts.size()));
            for (int k = 1; k <= 50; ++k) {
                const auto c3 = static_cast<char>(0xA0 + k);
                index.setThird(i, j, k, static_cast<unsigned char>(c3),
                               static_cast<int>(texts.size()));
                texts.push_back(std::string{c1, c2, c3} + "@M;");
            }
        }
    }
    writeWords(texts);
    writeBytes(folder.file("hlavni.idx"), index.bytes());
    openAs("hlavni");
    const std::string last{static_cast<char>(0xA0 + 60), static_cast<char>(0xA0 + 50),
                           static_cast<char>(0xA0 + 50)};
    search(last);
    EXPECT_EQ(found(), (Items{last}));
    EXPECT_EQ(hits.hitHeadwords.size(), 1u);
}

TEST_F(WordSearch, RunReachingTheEndOfTheFileEndsThere) {
    open({"h", "A@1;", "Z@2;", "ZA@3;", "ZB@4;"});
    search("z");
    EXPECT_EQ(found(), (Items{"Z", "ZA", "ZB"}));
}

TEST_F(WordSearch, RecordNumberPastTheEndEmptiesTheListsBeforeTheReadFails) {
    Items texts = {"h", "A@1;", "B@2;", "C@3;"};
    writeWords(texts);
    IndexImage index = completeIndex(texts);
    index.setFirst(2, 'B', 99); // far past the end
    index.setFirst(3, 'C', 4);  // just past the last record
    index.setFirst(1, 'A', -7); // no record at all: the seek itself fails
    writeBytes(folder.file("hlavni.idx"), index.bytes());
    openAs("hlavni");
    for (const char* text : {"b", "c"}) {
        hits.found.push_back("STARE");
        hits.hitHeadwords.push_back("STARE");
        hits.hitMeanings.push_back("X;");
        hits.meanings.push_back("X");
        try {
            search(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const IoError& error) {
            EXPECT_EQ(error.code(), IoError::kReadBeyondEnd);
        }
        EXPECT_TRUE(hits.found.empty()) << text;
        EXPECT_TRUE(hits.hitHeadwords.empty()) << text;
        EXPECT_TRUE(hits.hitMeanings.empty()) << text;
        EXPECT_TRUE(hits.meanings.empty()) << text;
    }
    // A negative record number fails before anything is cleared.
    hits.found.push_back("STARE");
    EXPECT_THROW(search("a"), IoError);
    EXPECT_EQ(found(), (Items{"STARE"}));
}

TEST_F(WordSearch, ASearchAfterAFailedSwitchUsesTheIndexReadBefore) {
    // The window searches once more when a switch key is handled while the progress window
    // paints: the index image read last decides, a record is then read from closed files.
    const struct {
        std::string_view name;
        std::size_t indexSize; // of mesta.idx, 0 for none
        bool wordFile;         // mesta.dat there
        int error;             // of the search for "p", 0 for nothing found
    } rows[] = {
        {"index missing", 0, true, IoError::kFileNotOpen},
        {"word file missing", IndexImage::kSize, false, IoError::kFileNotOpen},
        {"short index read over the image", IndexImage::kSize - 1, true, 0},
    };
    for (const auto& row : rows) {
        std::filesystem::remove(folder.file("mesta.idx"));
        std::filesystem::remove(folder.file("mesta.dat"));
        if (row.indexSize > 0)
            writeBytes(folder.file("mesta.idx"), IndexImage().bytes().substr(0, row.indexSize));
        if (row.wordFile) writeBytes(folder.file("mesta.dat"), wordFile({"h", "M@1;"}));
        open(kWords);
        search("a");
        dictionary.close();
        ASSERT_FALSE(dictionary.open("mesta")) << row.name;
        int error = 0;
        try {
            search("p");
        } catch (const IoError& e) {
            error = e.code();
        }
        EXPECT_EQ(error, row.error) << row.name;
        EXPECT_EQ(found().empty(), row.error == 0) << row.name; // an error leaves the lists
    }
}

TEST_F(WordSearch, AnIndexChangedWhileOpenIsSearchedAsItWasAtOpening) {
    // Another program cuts the file short (before P's first slot at 30,000) or empties it.
    for (const std::size_t size : {std::size_t{0}, std::size_t{30'000}, IndexImage::kSize}) {
        open(kWords);
        if (size < IndexImage::kSize)
            std::filesystem::resize_file(folder.file("hlavni.idx"), size);
        else
            writeBytes(folder.file("hlavni.idx"), IndexImage().bytes());
        search("pes");
        EXPECT_EQ(found(), (Items{"PES", "PES ", "PES;", "PESEK"})) << size;
    }
}

TEST_F(WordSearch, HitsThatCannotBeSortedAreKeptInTheOrderTheyWereRead) {
    open({"h", "C@1;", "CH@2;", "CH@3;", "CZ@4;", "D@5;"});
    search("c");
    ASSERT_EQ(found(), (Items{"C", "CZ", "CH"})); // CH comes after H in Czech

    // The sort runs out of memory: the search still ends normally with every hit kept.
    struct FailingSort {
        FailingSort() {
            sortFoundHeadwords = [](std::vector<std::string>&) { throw std::bad_alloc(); };
        }
        ~FailingSort() { sortFoundHeadwords = SortCzech; }
    } failing;
    hits.found.push_back("OLD");
    EXPECT_NO_THROW(search("c"));
    EXPECT_EQ(found(), (Items{"C", "CH", "CZ"}));
    EXPECT_EQ(hits.hitHeadwords, (Items{"C", "CH", "CH", "CZ"}));
    EXPECT_EQ(hits.hitMeanings, (Items{"1;", "2;", "3;", "4;"}));
    EXPECT_EQ(meanings(), (Items{"1"}));
}

class Meanings : public WordSearch {};

TEST_F(Meanings, SplitAtSemicolonsDroppingTheRest) {
    open({"h", "A@X;Y;", "B@X;Y", "C@X; Y;", "D@XY", "E@X;;Y;", "F@Abc;ABC;Abc;"});
    search("a");
    EXPECT_EQ(meanings(), (Items{"X", "Y"}));
    search("b");
    EXPECT_EQ(meanings(), (Items{"X"}));
    search("c");
    EXPECT_EQ(meanings(), (Items{" Y", "X"}));
    search("d");
    EXPECT_EQ(found(), (Items{"D"}));
    EXPECT_TRUE(meanings().empty());
    search("e");
    EXPECT_EQ(meanings(), (Items{"", "X", "Y"}));
    search("f");
    EXPECT_EQ(meanings(), (Items{"ABC", "Abc"}));
}

TEST_F(Meanings, MergedOverRecordsSortedEachOnce) {
    open({"h", "W@B;A;", "W@A;C;", "WA@Z;"});
    search("w");
    EXPECT_EQ(found(), (Items{"W", "WA"}));
    EXPECT_EQ(meanings(), (Items{"A", "B", "C"}));
    EXPECT_EQ(MeaningsOf("WA", hits.hitHeadwords, hits.hitMeanings), (Items{"Z"}));
}
