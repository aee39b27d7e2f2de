// Windows-1250 conversion and the Czech order of sorted lists.
#include "engine/text/collation.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <unicode/ucol.h>

using namespace zadrovec;

TEST(Cp1250, EveryByteConvertsToUtf8AndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = Utf8ToCp1250(Cp1250ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1250, CzechLettersHaveTheirCodePageBytes) {
    EXPECT_EQ(Cp1250Literal("č"), "\xE8");
    EXPECT_EQ(Cp1250Literal("Š"), "\x8A");
    EXPECT_EQ(Cp1250Literal("ž"), "\x9E");
    EXPECT_EQ(Cp1250Literal("ů"), "\xF9");
    EXPECT_EQ(Cp1250Literal("€"), "\x80");
    EXPECT_EQ(Cp1250ToUtf8("\xC8"
                           "ES"),
              "ČES");
}

TEST(Cp1250, RefusesWhatTheCodePageCannotHoldAndBrokenUtf8) {
    EXPECT_FALSE(Utf8ToCp1250("жук").has_value());              // Cyrillic
    EXPECT_FALSE(Utf8ToCp1250("ø").has_value());                // not in Central European
    EXPECT_FALSE(Utf8ToCp1250("\xC3").has_value());             // cut short
    EXPECT_FALSE(Utf8ToCp1250("\xC0\xAF").has_value());         // overlong "/"
    EXPECT_FALSE(Utf8ToCp1250("\xED\xA0\x80").has_value());     // surrogate
    EXPECT_FALSE(Utf8ToCp1250("\xF0\x9F\x98\x80").has_value()); // emoji
}

TEST(Collation, CzechOrderOfLetters) {
    std::vector<std::string> words = {
        Cp1250Literal("CHLÉB"), "HRAD", "IVAN", Cp1250Literal("ČAS"), "CUKR",
        Cp1250Literal("ŘEKA"),  "RYBA", "SOVA", Cp1250Literal("ŠÍP")};
    SortCzech(words);
    const std::vector<std::string> expected = {
        "CUKR", Cp1250Literal("ČAS"),  "HRAD", Cp1250Literal("CHLÉB"), "IVAN",
        "RYBA", Cp1250Literal("ŘEKA"), "SOVA", Cp1250Literal("ŠÍP")};
    EXPECT_EQ(words, expected);
}

TEST(Collation, CaseIsIgnoredAndBytesBreakTies) {
    EXPECT_LT(CompareCzech("abc", "ABD"), 0);
    EXPECT_GT(CompareCzech("abd", "ABC"), 0);
    // Equal but for case: still a total order, capitals (smaller bytes) first.
    EXPECT_LT(CompareCzech("ABC", "abc"), 0);
    EXPECT_EQ(CompareCzech("abc", "abc"), 0);
    // Accents count.
    EXPECT_NE(CompareCzech("a", Cp1250Literal("á")), 0);
}

TEST(Collation, SortKeysAgreeWithComparison) {
    std::vector<std::string> words = {"Abc",
                                      "abc",
                                      "ABC",
                                      "ab",
                                      "",
                                      " a",
                                      "a;b",
                                      "A@",
                                      Cp1250Literal("čáp"),
                                      Cp1250Literal("Čáp"),
                                      "ch",
                                      "h",
                                      "x"};
    for (const auto& a : words)
        for (const auto& b : words) {
            const int byKey = CzechSortKey(a).compare(CzechSortKey(b));
            const int direct = CompareCzech(a, b);
            EXPECT_EQ(byKey < 0, direct < 0) << a << " / " << b;
            EXPECT_EQ(byKey == 0, direct == 0) << a << " / " << b;
        }
    auto sorted = words;
    SortCzech(sorted);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return CompareCzech(a, b) < 0;
    }));
}

// The keys are made from a table read out of ICU once; here ICU itself judges them.
TEST(Collation, KeysOrderTextsAsTheCzechCollationOfIcuDoes) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* icu = ucol_open("cs", &status);
    ASSERT_TRUE(U_SUCCESS(status));
    ucol_setStrength(icu, UCOL_SECONDARY);
    auto icuCompare = [icu](const std::string& a, const std::string& b) {
        const std::string ua = Cp1250ToUtf8(a);
        const std::string ub = Cp1250ToUtf8(b);
        UErrorCode error = U_ZERO_ERROR;
        const UCollationResult r =
            ucol_strcollUTF8(icu, ua.data(), static_cast<int32_t>(ua.size()), ub.data(),
                             static_cast<int32_t>(ub.size()), &error);
        return r == UCOL_EQUAL ? a.compare(b) : (r == UCOL_LESS ? -1 : 1);
    };
    // Letters that contract (CH), expand (ß), carry accents, and the rest of the code page.
    std::string alphabet = Cp1250Literal("cChHhaAáÁčČdDďeéěEÉĚiIíoOóuUúůrRřŘsSšŠzZžŽßäÄöüľĽĺł");
    alphabet += " -.,;@'?*0189";
    for (int b = 0x80; b < 0x100; b += 3)
        alphabet += static_cast<char>(b);
    std::mt19937 random(1250);
    auto word = [&] {
        std::string w;
        const int length = static_cast<int>(random() % 7);
        for (int i = 0; i < length; ++i)
            w += alphabet[random() % alphabet.size()];
        return w;
    };
    int disagreements = 0;
    for (int n = 0; n < 50'000; ++n) {
        const std::string a = word();
        const std::string b = random() % 4 == 0 ? a + word() : word();
        const int expected = icuCompare(a, b);
        const int actual = CompareCzech(a, b);
        if ((expected < 0) != (actual < 0) || (expected == 0) != (actual == 0)) {
            if (++disagreements <= 5) ADD_FAILURE() << Cp1250ToUtf8(a) << " / " << Cp1250ToUtf8(b);
        }
    }
    EXPECT_EQ(disagreements, 0);
    ucol_close(icu);
}
