// Turns a Hunspell dictionary (its .dic word list and the .aff file that names its encoding) into
// the source of a dictionary of headwords without meanings, one a line "WORD@": the stems of the
// .dic, folded to capitals, each once. For pattern search and anagrams.
//
//   hunspell2source DIC AFF OUTPUT.txt
#include "data/import/sourcelimits.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/wholefilestream.h"
#include "engine/solver/squares.h"
#include "engine/text/cp1250.h"

#include <cerrno>
#include <fstream>
#include <iconv.h>
#include <iostream>
#include <optional>
#include <set>
#include <string>

namespace {

// The encoding the .aff names on its "SET" line; Hunspell's default when there is none.
std::string encodingOf(std::istream& aff) {
    std::string line;
    while (std::getline(aff, line)) {
        if (!line.starts_with("SET ") && !line.starts_with("SET\t")) continue;
        std::string name = line.substr(4);
        while (!name.empty() && (name.front() == ' ' || name.front() == '\t'))
            name.erase(0, 1);
        while (!name.empty() && (name.back() == '\r' || name.back() == ' ' || name.back() == '\t'))
            name.pop_back();
        if (!name.empty()) return name;
    }
    return "ISO8859-1";
}

// Converts the .dic's text to UTF-8.
class ToUtf8 {
public:
    explicit ToUtf8(const std::string& encoding)
        : identity_(encoding == "UTF-8" || encoding == "utf-8"),
          cd_(identity_ ? iconv_t(-1) : iconv_open("UTF-8", encoding.c_str())) {}
    ~ToUtf8() {
        if (cd_ != iconv_t(-1)) iconv_close(cd_);
    }
    ToUtf8(const ToUtf8&) = delete;
    ToUtf8& operator=(const ToUtf8&) = delete;

    bool usable() const { return identity_ || cd_ != iconv_t(-1); }

    std::optional<std::string> operator()(const std::string& text) {
        if (identity_) return text;
        std::string out(text.size() * 4 + 4, '\0');
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char* to = out.data();
        std::size_t outLeft = out.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &in, &inLeft, &to, &outLeft) == std::size_t(-1)) return std::nullopt;
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    bool identity_;
    iconv_t cd_;
};

// "slovo/ABC" or "slovo/ABC\tpo:noun": the stem before the flags and fields.
std::string stemOf(const std::string& line) {
    const auto end = line.find_first_of("/\t \r");
    return line.substr(0, end);
}

struct Counts {
    std::size_t stems = 0, notCp1250 = 0, unusable = 0, abbreviations = 0, symbols = 0,
                lettersAlone = 0;
};

// A stem as a folded Windows-1250 headword; none (and counted) for one that cannot be one or
// that a solver does not want: abbreviations ("ATD."), symbols ("µA") and letters that are no
// words ("R").
std::optional<std::string> headwordOf(const std::string& stem, ToUtf8& toUtf8, Counts& counts) {
    const auto utf8 = toUtf8(stem);
    auto word = utf8 ? zadrovec::Utf8ToCp1250(*utf8) : std::nullopt;
    if (!word) {
        ++counts.notCp1250;
        return std::nullopt;
    }
    zadrovec::CzechUpperCase(*word);
    if (word->front() == '#' || word->find_first_of("@;") != std::string::npos ||
        !zadrovec::import::fitsRecord(word->size(), 0)) {
        ++counts.unusable;
        return std::nullopt;
    }
    if (word->find('.') != std::string::npos) {
        ++counts.abbreviations;
        return std::nullopt;
    }
    if (!zadrovec::IsAnswerText(*word) || word->find_first_of(",'") != std::string::npos) {
        ++counts.symbols;
        return std::nullopt;
    }
    if (word->size() == 1 && std::string_view("AIKOSUVZ").find((*word)[0]) == std::string::npos) {
        ++counts.lettersAlone;
        return std::nullopt;
    }
    return word;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: hunspell2source DIC AFF OUTPUT.txt\n";
        return 2;
    }
    std::ifstream dic(argv[1], std::ios::binary), aff(argv[2], std::ios::binary);
    if (!dic || !aff) {
        std::cerr << "hunspell2source: cannot read " << (dic ? argv[2] : argv[1]) << '\n';
        return 1;
    }
    const std::string encoding = encodingOf(aff);
    ToUtf8 toUtf8(encoding);
    if (!toUtf8.usable()) {
        std::cerr << "hunspell2source: unknown encoding " << encoding << " in " << argv[2] << '\n';
        return 1;
    }

    std::set<std::string> words; // folded Windows-1250 headwords
    Counts counts;
    std::string line;
    std::getline(dic, line); // the word count
    while (std::getline(dic, line)) {
        const std::string stem = stemOf(line);
        if (stem.empty()) continue;
        ++counts.stems;
        if (auto word = headwordOf(stem, toUtf8, counts)) words.insert(std::move(*word));
    }
    if (dic.bad()) {
        std::cerr << "hunspell2source: cannot read " << argv[1] << '\n';
        return 1;
    }
    const std::size_t rareFirst = zadrovec::import::dropRareFirstCharacters(words);

    zadrovec::WholeFileStream file(argv[3]);
    std::ostream& out = file.stream();
    out << "# Made by hunspell2source from a Hunspell word list; do not edit.\n";
    for (const std::string& word : words)
        out << zadrovec::Cp1250ToUtf8(word) << "@\n";
    if (!file.isOpen() || !file.commit()) {
        std::cerr << "hunspell2source: cannot write " << argv[3] << '\n';
        return 1;
    }
    std::cout << "hunspell2source: " << counts.stems << " stems (" << encoding << "), "
              << words.size() << " headwords written; dropped " << counts.notCp1250
              << " outside Windows-1250, " << counts.unusable << " unusable as a headword, "
              << rareFirst << " beyond the index's first characters; left out "
              << counts.abbreviations << " abbreviations with a dot, " << counts.symbols
              << " words with a digit or a symbol, " << counts.lettersAlone
              << " single letters that are no words\n";
    return 0;
}
