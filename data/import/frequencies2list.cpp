// Turns lists of Czech words ordered by frequency, each a JSON array of strings (the npm package
// @zxcvbn-ts/language-cs: words of film subtitles, words of the Czech Wikipedia), into one list,
// one word a line, UTF-8: the lists interleaved, so that a word's place is about twice its best
// place in any of them. The solver ranks equal answers by it.
//
//   frequencies2list OUTPUT.txt LIST.json...
#include "engine/files/wholefilestream.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The strings of a JSON array of strings; escapes other than \" and \\ are kept as written,
// which no word of these lists holds.
std::vector<std::string> stringsOf(const std::string& json) {
    std::vector<std::string> words;
    std::string word;
    bool inside = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (!inside) {
            if (c == '"') {
                inside = true;
                word.clear();
            }
        } else if (c == '\\' && i + 1 < json.size()) {
            word += json[++i];
        } else if (c == '"') {
            inside = false;
            words.push_back(word);
        } else {
            word += c;
        }
    }
    return words;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: frequencies2list OUTPUT.txt LIST.json...\n";
        return 2;
    }
    std::vector<std::vector<std::string>> lists;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::cerr << "frequencies2list: cannot read " << argv[i] << '\n';
            return 1;
        }
        lists.push_back(stringsOf({std::istreambuf_iterator<char>(in), {}}));
    }
    zadrovec::WholeFileStream out(argv[1]);
    std::size_t written = 0;
    for (std::size_t place = 0;; ++place) {
        bool any = false;
        for (const auto& list : lists)
            if (place < list.size()) {
                out.stream() << list[place] << '\n';
                any = true;
                ++written;
            }
        if (!any) break;
    }
    if (!out.commit()) return 1;
    std::cout << "frequencies2list: " << written << " words of " << lists.size() << " lists\n";
    return 0;
}
