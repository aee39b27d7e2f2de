// Turns a MyThes thesaurus (the ".dat" text of an OpenOffice/LibreOffice thesaurus) into the
// source of a dictionary: one entry a line "HEADWORD@MEANING;MEANING;".
//
// The thesaurus lists, for each word, lines of synonyms. A solver reads a clue and looks for its
// answer, and either side of a synonym pair can be the clue, so both directions are kept:
// word -> its synonyms and synonym -> the word. Meanings are merged per headword.
//
// Nothing is lost without a word: what cannot be stored is counted by its reason and the counts
// are printed. An item "A; B" is two items; "Andul(ka)" is both "Andul" and "Andulka". A pair
// too long for one record keeps what means the same in fewer words ("NASA National Aeronautics
// and Space Administration" is "NASA" as a meaning, and gives NASA <-> its expansion); any other
// meaning too long is dropped, and its headword keeps its other meanings.
//
//   thesaurus2source THESAURUS.dat OUTPUT.txt
#include "data/import/sourcelimits.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/wholefilestream.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zadrovec::import::fitsRecord;

// One headword's meanings in the order first met, each once.
struct Meanings {
    std::vector<std::string> items; // Windows-1250
    bool contains(const std::string& m) const {
        return std::find(items.begin(), items.end(), m) != items.end();
    }
};

// Keyed by the folded headword, so spellings that differ only in case merge into one entry.
using Entries = std::map<std::string, Meanings>;

// What could not be stored, each distinct item (or pair) once, by reason.
struct Losses {
    std::set<std::string> notCp1250;       // items with a character outside Windows-1250
    std::set<std::string> reserved;        // items holding "@" or a control character
    std::set<std::string> headwordTooLong; // headwords that fill a record alone
    std::set<std::string> meaningTooLong;  // "HEADWORD@MEANING" pairs over a record
    std::set<std::string> shortened;       // acronym items kept as their acronym
};

// Drops "(...)" remarks such as "(podst. jm.)" or "dřepnout (si)", squeezes blanks and trims.
std::string stripRemarks(std::string_view item) {
    std::string out;
    int depth = 0;
    for (char c : item) {
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth > 0) --depth;
        } else if (depth == 0) {
            if (c == '\t') c = ' ';
            if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

bool isLetterByte(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

// "Andul(ka)": an ending in brackets right after a word, with no blank inside, is optional; the
// item stands for both spellings. Anything else in brackets is a remark.
std::vector<std::string> spellings(std::string_view item) {
    const auto open = item.find('(');
    if (open == std::string_view::npos || open == 0 || !isLetterByte(item[open - 1]))
        return {std::string(item)};
    const auto close = item.find(')', open);
    if (close == std::string_view::npos) return {std::string(item)};
    const std::string_view ending = item.substr(open + 1, close - open - 1);
    if (ending.empty() || !std::all_of(ending.begin(), ending.end(), isLetterByte))
        return {std::string(item)};
    const std::string before(item.substr(0, open));
    const std::string after(item.substr(close + 1));
    return {before + after, before + std::string(ending) + after};
}

// The Windows-1250 items of one thesaurus field: "A; B" holds two. Items that cannot be stored
// are counted in the losses.
std::vector<std::string> cleanItems(std::string_view utf8, Losses& losses) {
    std::vector<std::string> items;
    for (std::size_t start = 0; start <= utf8.size();) {
        auto end = utf8.find(';', start);
        if (end == std::string_view::npos) end = utf8.size();
        for (const std::string& spelling : spellings(utf8.substr(start, end - start))) {
            const std::string text = stripRemarks(spelling);
            if (text.empty()) continue;
            auto bytes = zadrovec::Utf8ToCp1250(text);
            if (!bytes) {
                losses.notCp1250.insert(text);
                continue;
            }
            const bool control = std::any_of(bytes->begin(), bytes->end(),
                                             [](unsigned char c) { return c < 0x20 || c == 0x7F; });
            if (control || bytes->find('@') != std::string::npos) {
                losses.reserved.insert(text);
                continue;
            }
            items.push_back(std::move(*bytes));
        }
        start = end + 1;
    }
    return items;
}

// A headword: folded, and never one the source reader would take for a comment.
std::optional<std::string> headwordOf(const std::string& item) {
    std::string h = item;
    zadrovec::CzechUpperCase(h);
    if (h.front() == '#') return std::nullopt;
    return h;
}

bool isAcronym(std::string_view word) {
    int letters = 0;
    for (char c : word) {
        if (std::isupper(static_cast<unsigned char>(c)))
            ++letters;
        else if (!std::isdigit(static_cast<unsigned char>(c)) && c != '&')
            return false;
    }
    return letters >= 2;
}

// "NASA National Aeronautics and Space Administration" or the same with the acronym last: the
// acronym and its expansion (two words at least, not all capitals).
struct AcronymItem {
    std::string acronym;
    std::string expansion;
};
std::optional<AcronymItem> acronymItem(const std::string& item) {
    const auto first = item.find(' ');
    const auto last = item.rfind(' ');
    if (first == std::string::npos || first == last) return std::nullopt;
    AcronymItem split;
    if (isAcronym(std::string_view(item).substr(0, first)))
        split = {item.substr(0, first), item.substr(first + 1)};
    else if (isAcronym(std::string_view(item).substr(last + 1)))
        split = {item.substr(last + 1), item.substr(0, last)};
    else
        return std::nullopt;
    if (isAcronym(split.expansion) ||
        std::none_of(split.expansion.begin(), split.expansion.end(),
                     [](unsigned char c) { return std::islower(c) || c >= 0x80; }))
        return std::nullopt;
    return split;
}

class Importer {
public:
    Entries entries;
    Losses losses;

    // Both directions of a synonym pair.
    void addPair(const std::string& word, const std::string& synonym) {
        addMeaning(word, synonym);
        addMeaning(synonym, word);
    }

private:
    void addMeaning(const std::string& word, const std::string& meaning) {
        const auto headword = headwordOf(word);
        if (!headword) return;
        std::string folded = meaning;
        zadrovec::CzechUpperCase(folded);
        if (folded == *headword) return; // a word is no clue to itself
        if (!fitsRecord(headword->size(), 1)) {
            losses.headwordTooLong.insert(*headword);
            return;
        }
        Meanings& m = entries[*headword]; // the headword is met, even if no meaning fits
        std::string kept = meaning;
        if (!fitsRecord(headword->size(), kept.size())) {
            const auto acronym = acronymItem(meaning);
            if (!acronym || !fitsRecord(headword->size(), acronym->acronym.size())) {
                losses.meaningTooLong.insert(*headword + '@' + meaning);
                return;
            }
            // The acronym means what the whole item means; the item itself tells the expansion.
            losses.shortened.insert(meaning);
            kept = acronym->acronym;
            if (fitsRecord(acronym->acronym.size(), acronym->expansion.size()))
                addPair(acronym->acronym, acronym->expansion);
            const auto wordAcronym = acronymItem(word);
            if (!wordAcronym || wordAcronym->acronym != acronym->acronym)
                addMeaning(acronym->acronym, word);
        }
        if (!m.contains(kept)) m.items.push_back(kept);
    }
};

std::vector<std::string_view> splitBars(std::string_view line) {
    std::vector<std::string_view> fields;
    for (auto bar = line.find('|'); bar != std::string_view::npos; bar = line.find('|')) {
        fields.push_back(line.substr(0, bar));
        line.remove_prefix(bar + 1);
    }
    fields.push_back(line);
    return fields;
}

// "word|N": the word and the number of synonym lines that follow.
std::optional<std::pair<std::string_view, int>> parseEntryLine(std::string_view line) {
    const auto bar = line.rfind('|');
    if (bar == std::string_view::npos || bar == 0) return std::nullopt;
    const std::string_view number = line.substr(bar + 1);
    int count = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), count);
    if (ec != std::errc() || end != number.data() + number.size() || count < 0) return std::nullopt;
    return std::pair{line.substr(0, bar), count};
}

// A synonym line starts with its part of speech: empty or "(...)". Anything else is no synonym
// line, and is read again as the start of an entry.
bool isSynonymLine(std::string_view line) {
    const auto bar = line.find('|');
    if (bar == std::string_view::npos) return false;
    const std::string_view pos = line.substr(0, bar);
    return pos.empty() || (pos.front() == '(' && pos.back() == ')');
}

void stripLineEnd(std::string& line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
}

struct Counts {
    std::size_t entries = 0; // thesaurus entries read
    std::size_t skipped = 0; // lines that were no part of an entry
};

Counts readThesaurus(std::istream& in, Importer& importer) {
    Counts counts;
    std::string line;
    if (std::getline(in, line)) {
        stripLineEnd(line);
        if (line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (line != "UTF-8" && line != "utf-8")
            std::cerr << "thesaurus2source: encoding \"" << line.substr(0, 40)
                      << "\" is not UTF-8; items that are no valid UTF-8 are skipped\n";
    }

    std::optional<std::string> pending; // a line read ahead that starts the next entry
    for (;;) {
        if (!pending) {
            if (!std::getline(in, line)) break;
            stripLineEnd(line);
        } else {
            line = std::move(*pending);
            pending.reset();
        }
        const auto entry = parseEntryLine(line);
        if (!entry) {
            if (!line.empty()) ++counts.skipped;
            continue;
        }
        ++counts.entries;
        const auto words = cleanItems(entry->first, importer.losses);
        for (int n = 0; n < entry->second; ++n) {
            std::string synonyms;
            if (!std::getline(in, synonyms)) break;
            stripLineEnd(synonyms);
            if (!isSynonymLine(synonyms)) {
                pending = std::move(synonyms);
                break;
            }
            const auto fields = splitBars(synonyms);
            for (std::size_t f = 1; f < fields.size(); ++f)
                for (const std::string& synonym : cleanItems(fields[f], importer.losses))
                    for (const std::string& word : words)
                        importer.addPair(word, synonym);
        }
    }
    return counts;
}

// Writes the entries as UTF-8 source lines; the file appears whole or not at all. Counts the
// headwords written and those left without any meaning.
bool writeSource(const Entries& entries, const std::string& path, std::size_t& written,
                 std::size_t& empty) {
    zadrovec::WholeFileStream file(path);
    if (!file.isOpen()) return false;
    std::ostream& out = file.stream();
    out << "# Made by thesaurus2source from a MyThes thesaurus; do not edit.\n";
    for (const auto& [headword, meanings] : entries) {
        if (meanings.items.empty()) {
            ++empty;
            continue;
        }
        out << zadrovec::Cp1250ToUtf8(headword) << '@';
        for (const auto& m : meanings.items)
            out << zadrovec::Cp1250ToUtf8(m) << ';';
        out << '\n';
        ++written;
    }
    return file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: thesaurus2source THESAURUS.dat OUTPUT.txt\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "thesaurus2source: cannot read " << argv[1] << '\n';
        return 1;
    }
    Importer importer;
    const Counts counts = readThesaurus(in, importer);
    std::size_t written = 0, empty = 0;
    if (!writeSource(importer.entries, argv[2], written, empty)) {
        std::cerr << "thesaurus2source: cannot write " << argv[2] << '\n';
        return 1;
    }
    const Losses& l = importer.losses;
    std::cout << "thesaurus2source: " << counts.entries << " thesaurus entries, " << counts.skipped
              << " stray lines skipped, " << written << " headwords written\n"
              << "thesaurus2source: dropped " << l.meaningTooLong.size()
              << " meanings too long for a record, " << l.headwordTooLong.size()
              << " headwords too long for a record, " << l.notCp1250.size()
              << " items outside Windows-1250, " << l.reserved.size()
              << " items holding @ or a control character; " << l.shortened.size()
              << " items shortened to their acronym; " << empty
              << " headwords left without a meaning\n";
    return 0;
}
