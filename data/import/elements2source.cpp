// Makes the chemical elements' links for the crossword supplement from the table prvky.tsv (number,
// symbol, name, genitive, kind, state at room temperature): each element linked to "prvek", its
// kind and number, each symbol to "chemická značka" and its element:
//
//   STŘÍBRO@prvek;chemický prvek;kov;prvek č. 47;
//   AG@chemická značka;chemická značka stříbra;značka stříbra;
//
// A gas or a liquid says so ("plyn", "kapalný kov"); beyond einsteinium the state is only
// predicted and is left out.
//
//   elements2source PRVKY.tsv OUTPUT.txt
#include "data/import/packagefiles.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/wholefilestream.h"
#include "engine/text/cp1250.h"

#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The last element whose state at room temperature has been seen rather than predicted.
constexpr int kLastObservedState = 99;

const std::set<std::string> kKinds = {"kov", "nekov", "polokov", "vzácný plyn"};
const std::set<std::string> kStates = {"pevný", "kapalný", "plynný"};

std::string folded(const std::string& utf8) {
    auto text = zadrovec::Utf8ToCp1250(utf8);
    if (!text) return {};
    zadrovec::CzechUpperCase(*text);
    return zadrovec::Cp1250ToUtf8(*text);
}

std::vector<std::string> columns(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: elements2source PRVKY.tsv OUTPUT.txt\n";
        return 2;
    }
    try {
        std::istringstream table(zadrovec::import::readWhole(argv[1]));
        zadrovec::WholeFileStream file(argv[2]);
        std::ostream& out = file.stream();
        out << "# Made by elements2source from prvky.tsv; do not edit.\n";
        int lineNumber = 0, expected = 1;
        for (std::string line; std::getline(table, line);) {
            ++lineNumber;
            if (line.empty() || line[0] == '#') continue;
            const auto f = columns(line);
            // The numbers go up by one from 1, so a line lost or repeated shows.
            if (f.size() != 6 || f[0] != std::to_string(expected) || f[1].empty() ||
                folded(f[2]).empty() || folded(f[3]).empty() || !kKinds.contains(f[4]) ||
                !kStates.contains(f[5])) {
                std::cerr << "elements2source: " << argv[1] << ":" << lineNumber << ": not \""
                          << expected << "<TAB>symbol<TAB>name<TAB>genitive<TAB>kind<TAB>state\"\n";
                return 1;
            }
            const std::string &number = f[0], &symbol = f[1], &name = f[2], &genitive = f[3],
                              &kind = f[4], &state = f[5];
            out << folded(name) << "@prvek;chemický prvek;" << kind << ';';
            if (expected <= kLastObservedState) {
                if (state == "plynný") out << "plyn;";
                if (state == "kapalný") out << "kapalný " << kind << ';';
            }
            out << "prvek č. " << number << ";\n";
            out << folded(symbol) << "@chemická značka;chemická značka " << genitive << ";značka "
                << genitive << ";\n";
            ++expected;
        }
        if (!file.isOpen() || !file.commit()) {
            std::cerr << "elements2source: cannot write " << argv[2] << '\n';
            return 1;
        }
        std::cout << "elements2source: " << expected - 1 << " elements and their symbols written\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "elements2source: " << e.what() << '\n';
        return 1;
    }
}
