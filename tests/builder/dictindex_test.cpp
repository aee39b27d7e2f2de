// The index the builder makes: slots in byte order, end slots, full tables, the choice of slots
// when a table cannot hold every next character, and searches through the engine.
#include "engine/dictionary/wordsearch.h"
#include "tests/common/clitest.h"
#include "tools/dictbuilder.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace zadrovec::build {
namespace {

using clitest::firstSlotOffset;
using clitest::secondSlotOffset;
using clitest::slotAt;
using clitest::thirdSlotOffset;

BuiltDictionary buildFrom(const std::vector<std::string>& headwords) {
    std::vector<SourceEntry> entries;
    for (std::size_t n = 0; n < headwords.size(); ++n)
        entries.push_back(SourceEntry{headwords[n], {"m"}, n + 1});
    return buildDictionary(std::move(entries), "H");
}

// The characters and record numbers of a table up to its end slot (or all slots when full).
std::vector<std::pair<char, int>> table(const BuiltDictionary& built,
                                        const std::function<std::size_t(int)>& offsetOfSlot,
                                        int slots) {
    std::vector<std::pair<char, int>> used;
    for (int s = 1; s <= slots; ++s) {
        const auto slot = slotAt(built.index, offsetOfSlot(s));
        if (slot.record == -1) break;
        used.emplace_back(static_cast<char>(slot.character), slot.record);
    }
    return used;
}

using Table = std::vector<std::pair<char, int>>;

TEST(BuilderIndex, SlotsInByteOrderPointAtTheFirstRecordOfEachRun) {
    // records: 1 A, 2 AB, 3 ABC, 4 ABC, 5 ABD, 6 AC, 7 B, 8 BA
    const auto built = buildFrom({"BA", "ABD", "ABC", "AC", "A", "B", "AB", "ABC"});
    EXPECT_EQ(built.index.size(), 1'236'720u);
    EXPECT_EQ(table(built, firstSlotOffset, 60), (Table{{'A', 1}, {'B', 7}}));
    EXPECT_EQ(table(
                  built, [](int j) { return secondSlotOffset(1, j); }, 50),
              (Table{{'B', 2}, {'C', 6}}));
    EXPECT_EQ(table(
                  built, [](int k) { return thirdSlotOffset(1, 1, k); }, 50),
              (Table{{'C', 3}, {'D', 5}}));
    EXPECT_EQ(table(
                  built, [](int j) { return secondSlotOffset(2, j); }, 50),
              (Table{{'A', 8}}));
    // "BA" has no third character: its table holds nothing but the end slot.
    EXPECT_EQ(slotAt(built.index, thirdSlotOffset(2, 1, 1)).record, -1);
}

TEST(BuilderIndex, EveryByteBesidesUsedAndEndSlotsIsZero) {
    auto built = buildFrom({"ABC", "ABD", "BCD", "X"});
    std::vector<std::size_t> slots = {firstSlotOffset(1), firstSlotOffset(2), firstSlotOffset(3),
                                      firstSlotOffset(4)};
    for (int i : {1, 2, 3}) {
        slots.push_back(secondSlotOffset(i, 1));
        slots.push_back(secondSlotOffset(i, 2));
    }
    for (int i : {1, 2}) {
        slots.push_back(thirdSlotOffset(i, 1, 1));
        slots.push_back(thirdSlotOffset(i, 1, 2));
    }
    slots.push_back(thirdSlotOffset(1, 1, 3));
    slots.push_back(thirdSlotOffset(3, 1, 1)); // "X" has no second character
    for (std::size_t slot : slots) {
        built.index[slot] = 0;
        std::fill_n(built.index.begin() + static_cast<long>(slot) + 4, 4, 0);
    }
    EXPECT_EQ(std::count(built.index.begin(), built.index.end(), 0),
              static_cast<long>(built.index.size()));
}

TEST(BuilderIndex, EndSlotFollowsTheUsedSlotsOfEveryTableWithRoom) {
    const auto built = buildFrom({"ABC", "ABD", "BCD", "X"});
    EXPECT_EQ(slotAt(built.index, firstSlotOffset(4)).record, -1);
    EXPECT_EQ(slotAt(built.index, secondSlotOffset(1, 2)).record, -1);
    EXPECT_EQ(slotAt(built.index, thirdSlotOffset(1, 1, 3)).record, -1);
    EXPECT_EQ(slotAt(built.index, secondSlotOffset(3, 1)).record, -1);
}

std::string oneByte(int c) {
    return std::string(1, static_cast<char>(c));
}

// Characters that the folding leaves as they are: A..Z and 0xA0 on.
std::vector<int> unfoldedCharacters(std::size_t count) {
    std::vector<int> characters;
    for (int c = 'A'; c <= 'Z' && characters.size() < count; ++c)
        characters.push_back(c);
    for (int c = 0xA0; characters.size() < count; ++c)
        characters.push_back(c);
    return characters;
}

TEST(BuilderIndex, FullTablesHaveNoEndSlot) {
    std::vector<std::string> headwords;
    for (int c : unfoldedCharacters(60))
        headwords.push_back(oneByte(c) + "X");
    for (int c = 0xA0; c < 0xA0 + 50; ++c)
        headwords.push_back("A" + oneByte(c));
    for (int c = 0xA0; c < 0xA0 + 50; ++c)
        headwords.push_back("AB" + oneByte(c));
    const auto built = buildFrom(headwords);
    for (int i = 1; i <= 60; ++i)
        EXPECT_NE(slotAt(built.index, firstSlotOffset(i)).record, -1);
    EXPECT_EQ(table(
                  built, [](int j) { return secondSlotOffset(1, j); }, 50)
                  .size(),
              50u);
    // 'B' sorts before 0xA0..., so the "AB" run sits in slot 1 of the second table.
    EXPECT_EQ(slotAt(built.index, secondSlotOffset(1, 1)).character, 'B');
    EXPECT_EQ(table(
                  built, [](int k) { return thirdSlotOffset(1, 1, k); }, 50)
                  .size(),
              50u);
}

TEST(BuilderIndex, MoreThanSixtyFirstCharactersIsAnErrorNamingTheLine) {
    std::vector<SourceEntry> entries;
    // Lines 1..61 hold 61 first characters in reverse byte order: the one past the sixtieth in
    // byte order is the highest, on line 1.
    std::vector<int> characters = unfoldedCharacters(61);
    std::reverse(characters.begin(), characters.end());
    for (std::size_t n = 0; n < characters.size(); ++n)
        entries.push_back(SourceEntry{oneByte(characters[n]) + "Y", {"m"}, n + 1});
    try {
        buildDictionary(entries, "H");
        FAIL() << "no error";
    } catch (const BuildError& error) {
        EXPECT_EQ(error.line(), 1u);
    }
    entries.erase(entries.begin());
    EXPECT_NO_THROW(buildDictionary(entries, "H"));
}

// Under "K": 52 next characters. Runs of sizes: L 1 record, M 1, the others 2 or more. L and M
// are the smallest; among the runs of one record only L and M exist, so they lose their slots.
TEST(BuilderIndex, OverFiftyNextCharactersGiveSlotsToTheLargestRuns) {
    std::vector<std::string> headwords;
    std::vector<int> seconds;
    for (int c = 0x41; c <= 0x5A; ++c)
        seconds.push_back(c); // A..Z
    for (int c = 0xC0; seconds.size() < 52; ++c)
        seconds.push_back(c); // then 26 more
    for (int c : seconds) {
        const int size = (c == 'L' || c == 'M') ? 1 : 2;
        for (int n = 0; n < size; ++n)
            headwords.push_back("K" + oneByte(c) + oneByte('A' + n));
    }
    const auto built = buildFrom(headwords);
    const Table slots = table(
        built, [](int j) { return secondSlotOffset(1, j); }, 50);
    ASSERT_EQ(slots.size(), 50u); // full: no end slot
    std::vector<int> chosen;
    for (const auto& [c, record] : slots)
        chosen.push_back(static_cast<unsigned char>(c));
    std::vector<int> expected;
    for (int c : seconds)
        if (c != 'L' && c != 'M') expected.push_back(c);
    EXPECT_EQ(chosen, expected);
}

TEST(BuilderIndex, EqualRunsBeyondFiftyKeepTheEarlierCharacters) {
    std::vector<std::string> headwords;
    for (int c = 0xA0; c < 0xA0 + 53; ++c)
        headwords.push_back("Q" + oneByte(c));
    const auto built = buildFrom(headwords);
    const Table slots = table(
        built, [](int j) { return secondSlotOffset(1, j); }, 50);
    ASSERT_EQ(slots.size(), 50u);
    EXPECT_EQ(static_cast<unsigned char>(slots.front().first), 0xA0);
    EXPECT_EQ(static_cast<unsigned char>(slots.back().first), 0xA0 + 49);
    EXPECT_EQ(slots.back().second, 50);
}

// Building, writing and searching with the engine: every prefix finds exactly the headwords
// that begin with it, also those whose next character had no slot.
class BuiltDictionarySearch : public ::testing::Test {
protected:
    std::set<std::string> expectedFor(const std::string& prefix) const {
        std::set<std::string> found;
        for (const std::string& h : headwords_)
            if (h.starts_with(prefix)) found.insert(h);
        return found;
    }

    std::set<std::string> search(const std::string& text) {
        SearchOutcome outcome = SearchWords(dictionary_, text);
        if (outcome.error) throw *outcome.error;
        const WordHits& hits = outcome.hits;
        EXPECT_EQ(hits.hitHeadwords.size(), hits.hitMeanings.size());
        return {hits.found.begin(), hits.found.end()};
    }

    void SetUp() override {
        // 60 first characters; under "K" 55 second characters; under "KA" 55 third ones.
        for (int c : unfoldedCharacters(60))
            headwords_.push_back(oneByte(c) + "Z");
        for (int c = 0xA0; c < 0xA0 + 55; ++c) {
            headwords_.push_back("K" + std::string(1, char(c)) + "X");
            headwords_.push_back("KA" + std::string(1, char(c)));
            headwords_.push_back("KA" + std::string(1, char(c)) + "Q");
        }
        headwords_.push_back("K");
        write(buildFrom(headwords_), folder_.file("words"));
        ASSERT_TRUE(dictionary_.open("words"));
    }

    std::vector<std::string> headwords_;
    clitest::TempFolder folder_;
    RecordedMessages messages_;
    Dictionary dictionary_{folder_.path().string(), messages_};

private:
    static void write(const BuiltDictionary& built, const std::string& base) {
        writeDictionary(built, base);
    }
};

TEST_F(BuiltDictionarySearch, EveryPrefixFindsExactlyItsHeadwords) {
    std::set<std::string> prefixes;
    for (const std::string& h : headwords_)
        for (std::size_t n = 1; n <= h.size(); ++n)
            prefixes.insert(h.substr(0, n));
    for (const std::string& prefix : prefixes)
        EXPECT_EQ(search(prefix), expectedFor(prefix)) << prefix;
}

TEST_F(BuiltDictionarySearch, NextCharactersWithoutSlotsAreFoundByTheLongerScan) {
    const std::string late = "K" + std::string(1, char(0xA0 + 54)); // past the fifty slots
    EXPECT_EQ(search(late), expectedFor(late));
    EXPECT_EQ(search(late).size(), 1u);
    const std::string lateThird = "KA" + std::string(1, char(0xA0 + 53));
    EXPECT_EQ(search(lateThird).size(), 2u);
}

} // namespace
} // namespace zadrovec::build
