// Makes the Roman numerals' links for the crossword supplement: every number from 1 to 3999 in its
// standard subtractive form, linked to its value:
//
//   XIV@římsky 14;římské číslo 14;římskými číslicemi 14;
//   V@římsky 5;římská číslice 5;římskými číslicemi 5;
//
// A "číslice" is one letter; a number of several letters is a "číslo".
//
//   numerals2source OUTPUT.txt
#include "engine/files/wholefilestream.h"

#include <array>
#include <iostream>
#include <string>
#include <utility>

namespace {

constexpr int kLargest = 3999; // MMMCMXCIX: four thousand has no standard form

std::string roman(int n) {
    static constexpr std::array<std::pair<int, const char*>, 13> kSteps = {{{1000, "M"},
                                                                            {900, "CM"},
                                                                            {500, "D"},
                                                                            {400, "CD"},
                                                                            {100, "C"},
                                                                            {90, "XC"},
                                                                            {50, "L"},
                                                                            {40, "XL"},
                                                                            {10, "X"},
                                                                            {9, "IX"},
                                                                            {5, "V"},
                                                                            {4, "IV"},
                                                                            {1, "I"}}};
    std::string text;
    for (const auto& [value, letters] : kSteps)
        for (; n >= value; n -= value)
            text += letters;
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: numerals2source OUTPUT.txt\n";
        return 2;
    }
    zadrovec::WholeFileStream file(argv[1]);
    std::ostream& out = file.stream();
    out << "# Made by numerals2source; do not edit.\n";
    for (int n = 1; n <= kLargest; ++n) {
        const std::string value = std::to_string(n);
        const std::string letters = roman(n);
        out << letters << "@římsky " << value
            << (letters.size() == 1 ? ";římská číslice " : ";římské číslo ") << value
            << ";římskými číslicemi " << value << ";\n";
    }
    if (!file.isOpen() || !file.commit()) {
        std::cerr << "numerals2source: cannot write " << argv[1] << '\n';
        return 1;
    }
    std::cout << "numerals2source: " << kLargest << " Roman numerals written\n";
    return 0;
}
