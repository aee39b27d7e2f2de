// Turns a dictd dictionary of FreeDict (BASE.index and BASE.dict.dz, English to Czech) into the
// source of the dictionary "anglicky": each English word with its Czech translations, each marked
// as English for the legend "kočka (anglicky)":
//
//   CAT@kočkovitá šelma (anglicky);traktor (anglicky);kočka (anglicky);
//
// Only headwords of one word of letters are kept, in capitals (phrases are no crossword answers).
// A translation loses its domain mark ("[eko]") and its remarks in brackets, is cut at "," and ";"
// into translations, and is dropped when it repeats the headword, holds a character Windows-1250
// cannot hold, or does not fit a record with " (anglicky)".
//
//   freedict2source BASE OUTPUT.txt
#include "data/import/dictd.h"
#include "data/import/packagefiles.h"
#include "data/import/sourcelimits.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/wholefilestream.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zadrovec::import::fitsRecord;

const std::string kMark = " (anglicky)";

struct Article {
    std::string headword;
    std::string_view text;
};

bool isWord(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// Whether the article's own spelling, on its first line before the part of speech ("cat <n>"),
// is in lower case: the .index folds it ("cat" stands for "CAT" too).
bool writtenInLowerCase(std::string_view article) {
    const auto end = article.find_first_of(" <\n");
    const std::string_view word = article.substr(0, end);
    return std::all_of(word.begin(), word.end(), [](char c) { return c < 'A' || c > 'Z'; });
}

struct Counts {
    std::size_t articles = 0;
    std::size_t notAWord = 0;
    std::size_t damaged = 0;
    std::size_t sameAsHeadword = 0;
    std::size_t notCp1250 = 0;
    std::size_t tooLong = 0;
    std::size_t meanings = 0;
};

// The index's articles whose headword is one word, in the dictionary's text; the word in lower
// case before its abbreviation ("cat" before "CAT").
std::vector<Article> readArticles(const std::string& index, const std::string& dict,
                                  Counts& counts) {
    std::vector<Article> articles;
    std::size_t damaged = 0;
    for (const auto& article : zadrovec::import::dictdArticles(index, dict, damaged)) {
        ++counts.articles;
        if (!isWord(article.headword)) {
            ++counts.notAWord; // phrases, numbers, the dictd's own "00database..." entries
            continue;
        }
        articles.push_back({article.headword, article.text});
    }
    counts.articles += damaged;
    counts.damaged += damaged;
    std::stable_sort(articles.begin(), articles.end(), [](const Article& a, const Article& b) {
        return writtenInLowerCase(a.text) && !writtenInLowerCase(b.text);
    });
    return articles;
}

// Each English word in capitals with its Czech translations (Windows-1250, marked), each once;
// words left without one are dropped.
std::map<std::string, std::vector<std::string>> entriesOf(const std::vector<Article>& articles,
                                                          Counts& counts) {
    std::map<std::string, std::vector<std::string>> entries;
    for (const Article& article : articles) {
        std::string headword = article.headword;
        zadrovec::CzechUpperCase(headword);
        auto& meanings = entries[headword];
        for (const std::string& translation : zadrovec::import::dictdTranslations(article.text)) {
            auto meaning = zadrovec::Utf8ToCp1250(translation);
            if (!meaning || meaning->find('@') != std::string::npos) {
                ++counts.notCp1250;
                continue;
            }
            std::string upper = *meaning;
            zadrovec::CzechUpperCase(upper);
            if (upper == headword) {
                ++counts.sameAsHeadword;
                continue;
            }
            *meaning += kMark;
            if (!fitsRecord(headword.size(), meaning->size())) {
                ++counts.tooLong;
                continue;
            }
            if (std::find(meanings.begin(), meanings.end(), *meaning) == meanings.end())
                meanings.push_back(std::move(*meaning));
        }
    }
    std::erase_if(entries, [](const auto& entry) { return entry.second.empty(); });
    return entries;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: freedict2source BASE OUTPUT.txt\n";
        return 2;
    }
    const std::string base = argv[1];
    try {
        const std::string index = zadrovec::import::readWhole(base + ".index");
        const std::string dict = zadrovec::import::readGzip(base + ".dict.dz");
        Counts counts;
        const auto entries = entriesOf(readArticles(index, dict, counts), counts);
        zadrovec::WholeFileStream file(argv[2]);
        std::ostream& out = file.stream();
        out << "# Made by freedict2source from FreeDict's English-Czech dictionary; do not edit.\n";
        for (const auto& [headword, meanings] : entries) {
            out << headword << '@';
            for (const std::string& m : meanings)
                out << zadrovec::Cp1250ToUtf8(m) << ';';
            out << '\n';
            counts.meanings += meanings.size();
        }
        if (!file.isOpen() || !file.commit()) {
            std::cerr << "freedict2source: cannot write " << argv[2] << '\n';
            return 1;
        }
        std::cout << "freedict2source: " << counts.articles << " articles, " << entries.size()
                  << " English words written with " << counts.meanings << " translations; dropped "
                  << counts.notAWord << " headwords not one word of letters, "
                  << counts.sameAsHeadword << " translations repeating the headword, "
                  << counts.notCp1250 << " outside Windows-1250, " << counts.tooLong
                  << " too long for a record, " << counts.damaged << " damaged index entries\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "freedict2source: " << e.what() << '\n';
        return 1;
    }
}
