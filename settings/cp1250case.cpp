#include "settings/cp1250case.h"

#include <algorithm>
#include <array>

namespace zadrovec {
namespace {

// Capitals of the upper half whose small letter is not simply 0x20 above them.
struct CasePair {
    unsigned char capital;
    unsigned char small;
};
constexpr std::array<CasePair, 10> kScatteredPairs = {{
    {0x8A, 0x9A}, // Š š
    {0x8C, 0x9C}, // Ś ś
    {0x8D, 0x9D}, // Ť ť
    {0x8E, 0x9E}, // Ž ž
    {0x8F, 0x9F}, // Ź ź
    {0xA3, 0xB3}, // Ł ł
    {0xA5, 0xB9}, // Ą ą
    {0xAA, 0xBA}, // Ş ş
    {0xAF, 0xBF}, // Ż ż
    {0xBC, 0xBE}, // Ľ ľ
}};

constexpr std::array<unsigned char, 256> makeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b)
        table[b] = static_cast<unsigned char>(b + 0x20);
    // Ŕ..Ţ pair with ŕ..ţ, except the multiplication sign (0xD7) and ß (0xDF, no capital).
    for (int b = 0xC0; b <= 0xDE; ++b)
        if (b != 0xD7) table[b] = static_cast<unsigned char>(b + 0x20);
    for (const auto& pair : kScatteredPairs)
        table[pair.capital] = pair.small;
    return table;
}

constexpr std::array<unsigned char, 256> kLower = makeLowerTable();

} // namespace

unsigned char Cp1250ToLower(unsigned char byte) {
    return kLower[byte];
}

bool EqualIgnoringCaseCp1250(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return kLower[static_cast<unsigned char>(x)] == kLower[static_cast<unsigned char>(y)];
    });
}

} // namespace zadrovec
