// Windows-1250 conversion and the Czech order of sorted lists.
#include "collation.h"
#include "cp1250.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace zadrovec;

TEST(Cp1250, EveryByteConvertsToUtf8AndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto back = utf8ToCp1250(cp1250ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1250, CzechLettersHaveTheirCodePageBytes) {
    EXPECT_EQ(cp1250Literal("č"), "\xE8");
    EXPECT_EQ(cp1250Literal("Š"), "\x8A");
    EXPECT_EQ(cp1250Literal("ž"), "\x9E");
    EXPECT_EQ(cp1250Literal("ů"), "\xF9");
    EXPECT_EQ(cp1250Literal("€"), "\x80");
    EXPECT_EQ(cp1250ToUtf8("\xC8" "ES"), "ČES");
}

TEST(Cp1250, RefusesWhatTheCodePageCannotHoldAndBrokenUtf8) {
    EXPECT_FALSE(utf8ToCp1250("жук").has_value());   // Cyrillic
    EXPECT_FALSE(utf8ToCp1250("ø").has_value());     // not in Central European
    EXPECT_FALSE(utf8ToCp1250("\xC3").has_value());  // cut short
    EXPECT_FALSE(utf8ToCp1250("\xC0\xAF").has_value()); // overlong "/"
    EXPECT_FALSE(utf8ToCp1250("\xED\xA0\x80").has_value()); // surrogate
    EXPECT_FALSE(utf8ToCp1250("\xF0\x9F\x98\x80").has_value()); // emoji
}

TEST(Collation, CzechOrderOfLetters) {
    std::vector<std::string> words = {cp1250Literal("CHLÉB"), "HRAD",      "IVAN",
                                      cp1250Literal("ČAS"),   "CUKR",      cp1250Literal("ŘEKA"),
                                      "RYBA",                 "SOVA",      cp1250Literal("ŠÍP")};
    sortCzech(words);
    const std::vector<std::string> expected = {
        "CUKR", cp1250Literal("ČAS"), "HRAD", cp1250Literal("CHLÉB"), "IVAN",
        "RYBA", cp1250Literal("ŘEKA"), "SOVA", cp1250Literal("ŠÍP")};
    EXPECT_EQ(words, expected);
}

TEST(Collation, CaseIsIgnoredAndBytesBreakTies) {
    EXPECT_LT(compareCzech("abc", "ABD"), 0);
    EXPECT_GT(compareCzech("abd", "ABC"), 0);
    // Equal but for case: still a total order, capitals (smaller bytes) first.
    EXPECT_LT(compareCzech("ABC", "abc"), 0);
    EXPECT_EQ(compareCzech("abc", "abc"), 0);
    // Accents count.
    EXPECT_NE(compareCzech("a", cp1250Literal("á")), 0);
}

TEST(Collation, SortKeysAgreeWithComparison) {
    std::vector<std::string> words = {"Abc", "abc", "ABC", "ab", "", " a", "a;b", "A@",
                                      cp1250Literal("čáp"), cp1250Literal("Čáp"), "ch", "h", "x"};
    for (const auto& a : words)
        for (const auto& b : words) {
            const int byKey = czechSortKey(a).compare(czechSortKey(b));
            const int direct = compareCzech(a, b);
            EXPECT_EQ(byKey < 0, direct < 0) << a << " / " << b;
            EXPECT_EQ(byKey == 0, direct == 0) << a << " / " << b;
        }
    auto sorted = words;
    sortCzech(sorted);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return compareCzech(a, b) < 0;
    }));
}
