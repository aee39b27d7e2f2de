// Turns a StarDict dictionary (BASE.ifo, BASE.idx and BASE.dict.dz or BASE.dict) into the source
// of a dictionary: one entry a line "HEADWORD@MEANING;MEANING;".
//
// Each article's word is the headword; "fazona, fazóna" gives both spellings. Its definition,
// without markup and pronunciation, is cut into meanings at the numbered senses ("1. ...; 2. ...")
// and at ";". A meaning too long for one record with its headword is cut at the last clause that
// fits, else at a word (marked with "…"), or dropped when nothing fits; what is cut or dropped
// is counted.
//
//   stardict2source BASE OUTPUT.txt
#include "data/import/packagefiles.h"
#include "data/import/sourcelimits.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/wholefilestream.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zadrovec::import::fitsRecord;
using zadrovec::import::readGzip;
using zadrovec::import::readWhole;

struct ImportError {
    std::string what;
};

// The .dict.dz is gzip with a random-access table (dictzip); zlib reads it, and a plain .dict.
std::string readDictionary(const std::string& base) {
    const std::string packed = base + ".dict.dz";
    return readGzip(std::ifstream(packed) ? packed : base + ".dict");
}

struct Info {
    std::size_t wordCount = 0;
    int offsetBits = 32;
};

Info readInfo(const std::string& path) {
    std::istringstream in(readWhole(path));
    std::string line;
    if (!std::getline(in, line) || line.find("StarDict") == std::string::npos)
        throw ImportError{path + " is no StarDict .ifo file"};
    Info info;
    bool textOnly = false;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "wordcount") info.wordCount = std::stoul(value);
        if (key == "idxoffsetbits") info.offsetBits = std::stoi(value);
        // One field of text per article (plain, Pango or HTML markup).
        if (key == "sametypesequence") textOnly = value.size() == 1 && std::islower(value[0]);
    }
    if (!textOnly) throw ImportError{path + ": only articles of one text field are read"};
    return info;
}

struct Article {
    std::string word;
    std::string_view definition;
};

std::uint64_t bigEndian(std::string_view bytes) {
    std::uint64_t value = 0;
    for (unsigned char b : bytes)
        value = value << 8 | b;
    return value;
}

std::vector<Article> readArticles(const std::string& idx, const std::string& dict, int offsetBits,
                                  std::size_t& damaged) {
    std::vector<Article> articles;
    const std::size_t offsetSize = offsetBits == 64 ? 8 : 4;
    for (std::size_t at = 0; at < idx.size();) {
        const auto end = idx.find('\0', at);
        if (end == std::string::npos || end + 1 + offsetSize + 4 > idx.size())
            throw ImportError{"the .idx file ends inside an entry"};
        const std::string_view view(idx);
        const std::uint64_t offset = bigEndian(view.substr(end + 1, offsetSize));
        const std::uint64_t size = bigEndian(view.substr(end + 1 + offsetSize, 4));
        if (offset > dict.size() || size > dict.size() - offset)
            ++damaged;
        else
            articles.push_back(
                {idx.substr(at, end - at), std::string_view(dict).substr(offset, size)});
        at = end + 1 + offsetSize + 4;
    }
    return articles;
}

// "&amp;#8211;" is escaped twice in some articles: decodes until nothing changes.
std::string decodeEntities(std::string text) {
    for (int pass = 0; pass < 3; ++pass) {
        std::string out;
        bool changed = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto semi = text[i] == '&' ? text.find(';', i) : std::string::npos;
            if (semi == std::string::npos || semi - i > 10) {
                out += text[i];
                continue;
            }
            const std::string name = text.substr(i + 1, semi - i - 1);
            std::u32string code;
            if (name == "amp")
                code = U"&";
            else if (name == "lt")
                code = U"<";
            else if (name == "gt")
                code = U">";
            else if (name == "quot")
                code = U"\"";
            else if (name == "apos")
                code = U"'";
            else if (name == "nbsp")
                code = U" ";
            else if (name.size() > 1 && name[0] == '#') {
                const bool hex = name[1] == 'x' || name[1] == 'X';
                try {
                    code = char32_t(std::stoul(name.substr(hex ? 2 : 1), nullptr, hex ? 16 : 10));
                } catch (const std::exception&) {
                }
            }
            if (code.empty() || code[0] == 0 || code[0] > 0x10FFFF) {
                out += text[i];
                continue;
            }
            const char32_t c = code[0];
            if (c < 0x80) {
                out += char(c);
            } else if (c < 0x800) {
                out += char(0xC0 | c >> 6);
                out += char(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                out += char(0xE0 | c >> 12);
                out += char(0x80 | (c >> 6 & 0x3F));
                out += char(0x80 | (c & 0x3F));
            } else {
                out += char(0xF0 | c >> 18);
                out += char(0x80 | (c >> 12 & 0x3F));
                out += char(0x80 | (c >> 6 & 0x3F));
                out += char(0x80 | (c & 0x3F));
            }
            changed = true;
            i = semi;
        }
        text = std::move(out);
        if (!changed) break;
    }
    return text;
}

// The definition as plain text on one line: no pronunciation "[<i>...</i>]" (which may hold a
// variant with brackets of its own: "[<i>agreman], agreement [egríment</i>]") or "[ejkr]", no
// tags, entities decoded, blanks squeezed. Counts the pronunciations found inside the text (the
// usual one before it is no fault of the source).
std::string plainText(std::string_view markup, std::size_t& pronunciations) {
    std::string text;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        if (markup.substr(i).starts_with("[<i>")) {
            const auto italicEnd = markup.find("</i>]", i);
            const auto bracket = markup.find(']', i);
            if (italicEnd != std::string_view::npos && bracket < italicEnd) {
                ++pronunciations;
                i = italicEnd + 4;
                continue;
            }
            if (bracket != std::string_view::npos) {
                i = bracket;
                continue;
            }
        }
        if (markup[i] == '<') {
            const auto close = markup.find('>', i);
            if (close != std::string_view::npos) {
                // Each bold block is a sense of its own.
                if (markup.substr(i, close - i + 1) == "</b>") text += "; ";
                i = close;
                continue;
            }
        }
        text += markup[i];
    }
    text = decodeEntities(std::move(text));
    // A pronunciation written in plain brackets inside the definition: "acre [ejkr]".
    for (auto open = text.find(" ["); open != std::string::npos; open = text.find(" [", open + 1)) {
        const auto close = text.find(']', open);
        if (close == std::string::npos || close - open > 24) continue;
        if (text.substr(open + 2, close - open - 2).find(' ') != std::string::npos) continue;
        text.erase(open + 1, close - open);
        if (text.compare(open, 3, " , ") == 0) text.erase(open, 2); // "výměna, [bártr], směna"
        ++pronunciations;
    }
    std::string squeezed;
    for (char c : text) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
        if (c == ' ' && (squeezed.empty() || squeezed.back() == ' ')) continue;
        squeezed += c;
    }
    while (!squeezed.empty() && squeezed.back() == ' ')
        squeezed.pop_back();
    return squeezed;
}

// Quotes left over in the source ("ten kdo má strach\"\""): an empty pair goes, and all quotes go
// when they do not pair up. True when something was removed.
bool removeStrayQuotes(std::string& text) {
    bool removed = false;
    for (auto at = text.find("\"\""); at != std::string::npos; at = text.find("\"\"", at)) {
        text.erase(at, 2);
        removed = true;
    }
    if (std::count(text.begin(), text.end(), '"') % 2 != 0) {
        std::erase(text, '"');
        removed = true;
    }
    if (removed)
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
    return removed;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A sense number "N." or "N)" at AT: at the text's start or after a blank, ";" or ",", and not
// part of a longer number. Its number, or 0.
int senseNumberAt(const std::string& text, std::size_t at) {
    if (at > 0 && text[at - 1] != ' ' && text[at - 1] != ';' && text[at - 1] != ',') return 0;
    std::size_t end = at;
    while (end < text.size() && end - at < 2 && isDigit(text[end]))
        ++end;
    if (end == at || end >= text.size() || (text[end] != '.' && text[end] != ')')) return 0;
    if (end + 1 < text.size() && isDigit(text[end + 1])) return 0;
    return std::stoi(text.substr(at, end - at));
}

// "odchylka; 1. vada čočky; 2. mutace" -> the senses, numbers removed. The numbers start at 1
// (or at 2 after an unnumbered first sense) and go up by one or two (the source repeats or skips
// one now and then), so "ve 20. století" stays whole. A number standing alone counts only at the
// start or after ";", so "v 1. polovině" stays whole too.
std::vector<std::string> splitSenses(const std::string& text) {
    std::vector<std::size_t> starts;
    int last = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const int n = isDigit(text[at]) ? senseNumberAt(text, at) : 0;
        if (n == 0 || (last == 0 ? n > 2 : n < last || n > last + 2)) continue;
        starts.push_back(at);
        last = n;
    }
    if (starts.size() == 1) {
        const auto before = text.find_last_not_of(' ', starts[0] == 0 ? 0 : starts[0] - 1);
        if (starts[0] != 0 && (before == std::string::npos || text[before] != ';')) starts.clear();
    }
    if (starts.empty()) return {text};
    std::vector<std::string> senses;
    senses.push_back(text.substr(0, starts[0]));
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t body = text.find_first_of(".)", starts[k]) + 1;
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        senses.push_back(text.substr(body, end - body));
    }
    return senses;
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == ','))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == ',' || text.back() == ';'))
        text.remove_suffix(1);
    // A closing full stop goes, unless it ends an abbreviation such as "aj." or "tzv.".
    if (text.size() > 1 && text.back() == '.' && text.find(' ') != std::string_view::npos) {
        const auto lastWord = text.substr(text.rfind(' ') + 1);
        if (lastWord.size() > 4) text.remove_suffix(1);
    }
    return std::string(text);
}

// "raser 1." -> "raser": the number tells homonyms apart in the source, not in a headword.
std::string withoutHomonymNumber(std::string word) {
    std::size_t end = word.size();
    if (end > 0 && word[end - 1] == '.') --end;
    std::size_t digits = end;
    while (digits > 0 && isDigit(word[digits - 1]))
        --digits;
    if (digits < end && digits > 1 && word[digits - 1] == ' ') word.erase(digits - 1);
    return word;
}

struct Counts {
    std::size_t damaged = 0;      // .idx entries pointing outside the .dict
    std::size_t notCp1250 = 0;    // headwords or meanings outside Windows-1250
    std::size_t headwordLong = 0; // headwords too long for a record
    std::size_t cutAtClause = 0;  // meanings cut at a clause to fit
    std::size_t cutAtWord = 0;    // meanings cut at a word to fit
    std::size_t tooLong = 0;      // meanings dropped, no clause fitting
    std::size_t rareFirst = 0;    // headwords dropped for the index's first-character table
    std::size_t withoutMeaning = 0;
    std::size_t meanings = 0;
    // Clean-ups of the source's own faults.
    std::size_t wordParts = 0;         // word parts given their dash: "-GAMIE", "AERO-"
    std::size_t spellingsSplit = 0;    // "vendeta vendetta": two headwords
    std::size_t phrasesWrittenOut = 0; // "artéský, a. pramen": ARTÉSKÝ PRAMEN
    std::size_t phrasesDropped = 0;    // an abbreviated item that cannot be written out
    std::size_t pronunciations = 0;    // pronunciations left inside a definition
    std::size_t strayQuotes = 0;       // meanings with quotes that do not pair up
};

// Whether the full stop at DOT ends a short word, such as "obv." or "tzv.", rather than a sentence.
bool endsAbbreviation(const std::string& text, std::size_t dot) {
    const auto blank = text.rfind(' ', dot);
    const std::size_t start = blank == std::string::npos ? 0 : blank + 1;
    return dot - start <= 4;
}

struct Cut {
    std::string text;
    bool atClause;
};

// MEANING cut before position END: without the punctuation and the short words ("k", "tj") that
// would dangle at the cut, ended with "…".
std::string cutBefore(const std::string& meaning, std::size_t end) {
    std::string head = meaning.substr(0, end);
    for (bool trimmed = true; trimmed;) {
        while (!head.empty() &&
               std::string_view(",;:.- \x96").find(head.back()) != std::string::npos)
            head.pop_back();
        const auto blank = head.rfind(' ');
        trimmed = blank != std::string::npos && head.size() - blank - 1 <= 2;
        if (trimmed) head.erase(blank);
    }
    return head + "\x85"; // "…" in Windows-1250
}

// The longest start of MEANING that fits a record with the headword, ended with "…": at a clause
// (", ", " – ", " - ", ". ", outside brackets) when that keeps two words and most of what a cut at
// a word would keep, else at a word of three at least. Nothing when neither fits.
std::optional<Cut> cutToFit(const std::string& meaning, std::size_t headwordSize) {
    std::optional<Cut> clauseCut, wordCut;
    int depth = 0, words = 1;
    for (std::size_t i = 0; i + 1 < meaning.size(); ++i) {
        const char c = meaning[i];
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (c != ' ' && meaning[i + 1] != ' ') continue;
        const bool clause =
            depth == 0 && (c == ',' || (c == '.' && !endsAbbreviation(meaning, i)) ||
                           (c == ' ' && (meaning[i + 1] == '-' || meaning[i + 1] == '\x96')));
        const std::string head = cutBefore(meaning, i);
        if (!fitsRecord(headwordSize, head.size())) break;
        if (c == ' ') ++words;
        if (clause && words >= 2) clauseCut = Cut{head, true};
        if (c == ' ' && words >= 3) wordCut = Cut{head, false};
    }
    if (clauseCut && wordCut && clauseCut->text.size() * 3 < wordCut->text.size() * 2)
        return wordCut;
    return clauseCut ? clauseCut : wordCut;
}

struct Meanings {
    std::vector<std::string> items; // Windows-1250
};

// The side a word part stands on, from a definition such as "druhá část složených slov
// mající význam …": -1 for a second part ("-GAMIE"), 1 for a first part ("AERO-"), 0 for a word.
int wordPartSide(std::string_view piece) {
    if (piece.starts_with("druhá část složen")) return -1;
    if (piece.starts_with("první část složen")) return 1;
    return 0;
}

std::string asWordPart(const std::string& word, int side) {
    if (side < 0) return word.front() == '-' ? word : "-" + word;
    return word.back() == '-' ? word : word + "-";
}

// Levenshtein distance of two short words, without regard to case, capped at 2.
int closeness(std::string_view a, std::string_view b) {
    const auto lower = [](std::string_view w) {
        std::string out(w);
        for (char& c : out)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    const std::string x = lower(a), y = lower(b);
    std::vector<std::size_t> row(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] != y[j - 1])});
            diagonal = above;
        }
    }
    return static_cast<int>(std::min<std::size_t>(row[y.size()], 2));
}

// The items of an article's word: "fazona, fazóna" gives both; two spellings written side by
// side ("vendeta vendetta", "don Don": one letter apart, not "ex lex" or "hokus pokus") give each;
// "artéský, a. pramen" gives ARTÉSKÝ and ARTÉSKÝ PRAMEN, its adjective agreeing with the noun.
std::vector<std::string> headwordItems(const std::string& words, Counts& counts) {
    std::vector<std::string> items;
    for (std::size_t start = 0; start <= words.size();) {
        auto comma = words.find(',', start);
        if (comma == std::string::npos) comma = words.size();
        std::string word =
            withoutHomonymNumber(trimmed(std::string_view(words).substr(start, comma - start)));
        start = comma + 1;
        if (word.empty()) continue;
        const auto blank = word.find(' ');
        if (!items.empty() && blank != std::string::npos && blank >= 2 &&
            word.find(' ', blank + 1) == std::string::npos && word[blank - 1] == '.') {
            // An abbreviation of the first item: "a. pramen".
            const std::string& first = items.front();
            if (blank == 2 && first.find(' ') == std::string::npos &&
                std::tolower(static_cast<unsigned char>(first[0])) ==
                    std::tolower(static_cast<unsigned char>(word[0]))) {
                std::string adjective = first;
                const std::string noun = word.substr(blank + 1);
                if (adjective.ends_with("ý") && !noun.empty()) {
                    adjective.erase(adjective.size() - std::string("ý").size());
                    adjective += noun.back() == 'a' ? "á" : noun.back() == 'o' ? "é" : "ý";
                }
                items.push_back(adjective + " " + noun);
                ++counts.phrasesWrittenOut;
            } else {
                ++counts.phrasesDropped;
            }
            continue;
        }
        if (blank != std::string::npos && word.find(' ', blank + 1) == std::string::npos) {
            const std::string a = word.substr(0, blank), b = word.substr(blank + 1);
            const int distance = closeness(a, b);
            const bool sameWord = distance == 0,
                       variant = distance == 1 && a.size() >= 4 && b.size() >= 4 && a[0] == b[0];
            if (a != b && (sameWord || variant)) {
                items.push_back(a);
                items.push_back(b);
                ++counts.spellingsSplit;
                continue;
            }
        }
        items.push_back(std::move(word));
    }
    return items;
}

void addArticle(const Article& article, std::map<std::string, Meanings>& entries, Counts& counts) {
    std::string definition = plainText(article.definition, counts.pronunciations);
    if (removeStrayQuotes(definition)) ++counts.strayQuotes;
    std::vector<std::string> pieces; // UTF-8
    for (const std::string& sense : splitSenses(definition)) {
        std::size_t start = 0;
        for (auto semi = sense.find(';'); start <= sense.size(); semi = sense.find(';', start)) {
            if (semi == std::string::npos) semi = sense.size();
            std::string piece = trimmed(std::string_view(sense).substr(start, semi - start));
            if (!piece.empty()) pieces.push_back(std::move(piece));
            start = semi + 1;
        }
    }

    // The headword of an item in Windows-1250 capitals, or nothing (counted) when it cannot be one.
    const auto headwordOf = [&counts](const std::string& word) -> std::optional<std::string> {
        auto headword = zadrovec::Utf8ToCp1250(word);
        if (!headword || headword->find_first_of("@;") != std::string::npos) {
            ++counts.notCp1250;
            return std::nullopt;
        }
        zadrovec::CzechUpperCase(*headword);
        if (headword->front() == '#') return std::nullopt;
        if (!fitsRecord(headword->size(), 1)) {
            ++counts.headwordLong;
            return std::nullopt;
        }
        return headword;
    };
    for (const std::string& item : headwordItems(article.word, counts)) {
        const auto plain = headwordOf(item);
        if (!plain) continue;
        if (pieces.empty()) entries[*plain]; // told as a headword without a meaning
        // A word part's sense belongs to the part, marked with its dash, not to the word.
        std::optional<std::string> parts[2];
        for (const std::string& piece : pieces) {
            const int side = item.find(' ') == std::string::npos ? wordPartSide(piece) : 0;
            auto& part = parts[side > 0];
            if (side != 0 && !part) {
                part = headwordOf(asWordPart(item, side));
                if (part && *part != *plain) ++counts.wordParts;
            }
            if (side != 0 && !part) continue;
            const std::string& headword = side != 0 ? *part : *plain;
            auto meaning = zadrovec::Utf8ToCp1250(piece);
            if (!meaning || meaning->find('@') != std::string::npos) {
                ++counts.notCp1250;
                continue;
            }
            if (!fitsRecord(headword.size(), meaning->size())) {
                auto cut = cutToFit(*meaning, headword.size());
                if (!cut) {
                    ++counts.tooLong;
                    continue;
                }
                ++(cut->atClause ? counts.cutAtClause : counts.cutAtWord);
                meaning = std::move(cut->text);
            }
            Meanings& m = entries[headword];
            if (std::find(m.items.begin(), m.items.end(), *meaning) == m.items.end())
                m.items.push_back(std::move(*meaning));
        }
    }
}

bool writeSource(const std::map<std::string, Meanings>& entries, const std::string& path,
                 Counts& counts, std::size_t& written) {
    zadrovec::WholeFileStream file(path);
    if (!file.isOpen()) return false;
    std::ostream& out = file.stream();
    out << "# Made by stardict2source from a StarDict dictionary; do not edit.\n";
    for (const auto& [headword, meanings] : entries) {
        if (meanings.items.empty()) {
            ++counts.withoutMeaning;
            continue;
        }
        out << zadrovec::Cp1250ToUtf8(headword) << '@';
        for (const std::string& m : meanings.items)
            out << zadrovec::Cp1250ToUtf8(m) << ';';
        out << '\n';
        ++written;
        counts.meanings += meanings.items.size();
    }
    return file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: stardict2source BASE OUTPUT.txt\n";
        return 2;
    }
    const std::string base = argv[1];
    try {
        const Info info = readInfo(base + ".ifo");
        const std::string idx = readWhole(base + ".idx");
        const std::string dict = readDictionary(base);
        Counts counts;
        const auto articles = readArticles(idx, dict, info.offsetBits, counts.damaged);
        if (info.wordCount != 0 && info.wordCount != articles.size() + counts.damaged)
            std::cerr << "stardict2source: " << base << ".ifo promises " << info.wordCount
                      << " articles, the .idx holds " << articles.size() + counts.damaged << '\n';
        std::map<std::string, Meanings> entries;
        for (const Article& article : articles)
            addArticle(article, entries, counts);
        counts.rareFirst = zadrovec::import::dropRareFirstCharacters(entries);
        std::size_t written = 0;
        if (!writeSource(entries, argv[2], counts, written)) {
            std::cerr << "stardict2source: cannot write " << argv[2] << '\n';
            return 1;
        }
        std::cout << "stardict2source: " << articles.size() << " articles, " << written
                  << " headwords written with " << counts.meanings << " meanings\n"
                  << "stardict2source: meanings cut to fit a record: " << counts.cutAtClause
                  << " at a clause, " << counts.cutAtWord << " at a word; dropped "
                  << counts.tooLong << " meanings too long for a record, " << counts.notCp1250
                  << " items outside Windows-1250, " << counts.headwordLong
                  << " headwords too long for a record, " << counts.rareFirst
                  << " headwords beyond the index's first characters, " << counts.damaged
                  << " damaged index entries; " << counts.withoutMeaning
                  << " headwords left without a meaning\n"
                  << "stardict2source: cleaned: " << counts.wordParts
                  << " word parts given their dash, " << counts.spellingsSplit
                  << " headwords of two spellings split, " << counts.phrasesWrittenOut
                  << " abbreviated phrases written out, " << counts.phrasesDropped << " dropped, "
                  << counts.pronunciations << " pronunciations removed from inside definitions, "
                  << counts.strayQuotes << " definitions with stray quotes\n";
        return 0;
    } catch (const ImportError& e) {
        std::cerr << "stardict2source: " << e.what << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "stardict2source: " << base << ": " << e.what() << '\n';
        return 1;
    }
}
