// Names of sections and keys match without regard to case, accented letters included.
#include "engine/text/cp1250.h"
#include "settings/cp1250case.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>

using namespace zadrovec;

TEST(Cp1250Case, EveryByteFoldsAsUnicodeLowercasesIt) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const auto lower = static_cast<char32_t>(u_tolower(Cp1250ToCodePoint(byte)));
        const unsigned char expected = CodePointToCp1250(lower).value_or(byte);
        EXPECT_EQ(Cp1250ToLower(byte), expected) << "byte " << b;
    }
}

TEST(Cp1250Case, NamesCompareWithoutRegardToCase) {
    EXPECT_TRUE(EqualIgnoringCaseCp1250(Cp1250Literal("Okno nalezených výrazů"),
                                        Cp1250Literal("OKNO NALEZENÝCH VÝRAZŮ")));
    EXPECT_TRUE(EqualIgnoringCaseCp1250(Cp1250Literal("ŠŤŽŹŚĽŁĄŞŻ"), Cp1250Literal("šťžźśľłąşż")));
    EXPECT_TRUE(EqualIgnoringCaseCp1250("", ""));

    EXPECT_FALSE(EqualIgnoringCaseCp1250("Menu", "Menu1"));
    EXPECT_FALSE(EqualIgnoringCaseCp1250(Cp1250Literal("ř"), "r")); // accents count
    EXPECT_FALSE(EqualIgnoringCaseCp1250(Cp1250Literal("ß"), "SS"));
    EXPECT_FALSE(EqualIgnoringCaseCp1250(Cp1250Literal("×"), Cp1250Literal("÷"))); // no letters
    EXPECT_FALSE(EqualIgnoringCaseCp1250("[", "{")); // 0x20 apart, yet no case pair
}
