// Turns a MyThes thesaurus (the ".dat" text of an OpenOffice/LibreOffice thesaurus) into the
// source of a dictionary: one entry a line "HEADWORD@MEANING;MEANING;".
//
// The thesaurus lists, for each word, lines of synonyms. A solver reads a clue and looks for its
// answer, and either side of a synonym pair can be the clue, so both directions are kept:
// word -> its synonyms and synonym -> the word. Meanings are merged per headword.
//
//   thesaurus2source THESAURUS.dat OUTPUT.txt
#include "cp1250.h"
#include "dbunit.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zadrovec::kRecordTextSize;

// One headword's meanings in the order first met, each once.
struct Meanings {
    std::vector<std::string> items; // Windows-1250
    bool contains(const std::string& m) const {
        return std::find(items.begin(), items.end(), m) != items.end();
    }
};

// Keyed by the folded headword, so spellings that differ only in case merge into one entry.
using Entries = std::map<std::string, Meanings>;

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

// The Windows-1250 text of a thesaurus item, or nothing when it cannot be stored: empty, holding
// a character of the record syntax or a control, or outside the code page.
std::optional<std::string> cleanItem(std::string_view utf8) {
    const std::string text = stripRemarks(utf8);
    if (text.empty() || text.find_first_of(";@") != std::string::npos) return std::nullopt;
    auto bytes = zadrovec::utf8ToCp1250(text);
    if (!bytes) return std::nullopt;
    for (unsigned char c : *bytes)
        if (c < 0x20 || c == 0x7F) return std::nullopt;
    return bytes;
}

// A headword: folded, and never one the source reader would take for a comment.
std::optional<std::string> headwordOf(const std::string& item) {
    std::string h = item;
    zadrovec::CzechUpperCase(h);
    if (h.front() == '#') return std::nullopt;
    return h;
}

void addMeaning(Entries& entries, const std::string& word, const std::string& meaning) {
    const auto headword = headwordOf(word);
    if (!headword) return;
    std::string folded = meaning;
    zadrovec::CzechUpperCase(folded);
    if (folded == *headword) return; // a word is no clue to itself
    // "HEADWORD@MEANING;" must fit in one record.
    if (headword->size() + 1 + meaning.size() + 1 > kRecordTextSize) return;
    Meanings& m = entries[*headword];
    if (!m.contains(meaning)) m.items.push_back(meaning);
}

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

Counts readThesaurus(std::istream& in, Entries& entries) {
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
        const auto word = cleanItem(entry->first);
        for (int n = 0; n < entry->second; ++n) {
            std::string synonyms;
            if (!std::getline(in, synonyms)) break;
            stripLineEnd(synonyms);
            if (!isSynonymLine(synonyms)) {
                pending = std::move(synonyms);
                break;
            }
            const auto fields = splitBars(synonyms);
            for (std::size_t f = 1; f < fields.size(); ++f) {
                const auto synonym = cleanItem(fields[f]);
                if (!synonym || !word) continue;
                addMeaning(entries, *word, *synonym);
                addMeaning(entries, *synonym, *word);
            }
        }
    }
    return counts;
}

// Writes the entries as UTF-8 source lines; the file appears whole or not at all.
bool writeSource(const Entries& entries, const std::string& path, std::size_t& written) {
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << "# Made by thesaurus2source from a MyThes thesaurus; do not edit.\n";
        for (const auto& [headword, meanings] : entries) {
            if (meanings.items.empty()) continue;
            out << zadrovec::cp1250ToUtf8(headword) << '@';
            for (const auto& m : meanings.items)
                out << zadrovec::cp1250ToUtf8(m) << ';';
            out << '\n';
            ++written;
        }
        out.flush();
        if (!out) {
            std::remove(partial.c_str());
            return false;
        }
    }
    return std::rename(partial.c_str(), path.c_str()) == 0;
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
    Entries entries;
    const Counts counts = readThesaurus(in, entries);
    std::size_t written = 0;
    if (!writeSource(entries, argv[2], written)) {
        std::cerr << "thesaurus2source: cannot write " << argv[2] << '\n';
        return 1;
    }
    std::cout << "thesaurus2source: " << counts.entries << " thesaurus entries, " << counts.skipped
              << " stray lines skipped, " << written << " headwords written\n";
    return 0;
}
