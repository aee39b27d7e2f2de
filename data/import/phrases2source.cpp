// Writes the solver's phrases ("Přísloví a citáty"), a phrase a line with its clues:
//
//   Kdo jinému jámu kopá, sám do ní padá.@přísloví;
//   Čím moudřejší je člověk, tím méně má potřeb.@citát;Diogenes;
//   Válka s mloky@dílo;Karel Čapek;Čapek;
//
// from the proverbs and sayings written for Zadrovec (KIND<TAB>PHRASE<TAB>VARIANT, a variant
// being a phrase of its own that names the other as a clue), the quotes with an author of
// Debian's fortunes-cs, and the titles of the characters catalogue. The file is written in
// Windows-1250, as the program reads it; a phrase holds at most 300 characters.
//
//   phrases2source PROVERBS.tsv FORTUNES_DIR CHARACTERS.txt OUTPUT.txt
#include "data/import/packagefiles.h"
#include "engine/files/wholefilestream.h"
#include "engine/solver/squares.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// The longest phrase kept, in characters: a saying or a quote, not a passage.
constexpr std::size_t kLongestPhrase = 300;
// The program skips a longer line; clues that would make one are left out.
constexpr std::size_t kLongestLine = 4096;

constexpr std::array<std::string_view, 4> kKinds = {"přísloví", "pořekadlo", "rčení", "přirovnání"};

// The files of fortunes-cs whose entries are sayings and verses with their author. Left out:
// jokes credited to a collection or to made-up speakers (prislovi, parafraze, murphy, wright),
// management textbook lines (market), magazines, newspapers and mailing lists (pocitace, ignac,
// lkml), film dialogues (filmy), notices (josef), and passages of novels and plays (chesterton,
// cimrman, guth, hornicek, jerome, lodge, mikulas, mladik, pratchett, skala, stopar, wodehouse,
// zemeplocha).
constexpr std::array<std::string_view, 11> kQuoteFiles = {
    "citace",    "citat", "klasik-cz", "klasik-sk", "parkinson", "plihal",
    "rdvcitaty", "stoa1", "valka",     "vodnansky", "wikiquote"};

// Attributions that name no author.
constexpr std::array<std::string_view, 4> kNoAuthor = {"XY", "neznámý", "anonym", "autor neznámý"};

struct Counts {
    std::map<std::string, std::size_t> kinds;
    std::map<std::string, std::size_t> files;
    std::size_t quotes = 0, titles = 0;
    std::size_t tooLong = 0, withoutAuthor = 0, notCp1250 = 0, oneWord = 0;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

void replaceAll(std::string& text, std::string_view what, std::string_view with) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// Without brackets and what they hold; a bracket without its pair goes alone.
std::string withoutBrackets(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ')' || c == ']') continue;
        if (c != '(' && c != '[') {
            out += c;
            continue;
        }
        int depth = 0;
        std::size_t end = i;
        for (; end < text.size(); ++end) {
            if (text[end] == '(' || text[end] == '[') ++depth;
            if ((text[end] == ')' || text[end] == ']') && --depth == 0) break;
        }
        if (end < text.size()) i = end;
    }
    return out;
}

// A phrase or clue as written into the file, still UTF-8: no double quotes, no brackets with what
// they hold, no ellipsis at the end, blanks squeezed; ";" and "@", which the format reserves,
// become "," and a blank.
std::string cleaned(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
        if (c == ';') c = ',';
        if (c == '@') c = ' ';
    }
    for (std::string_view quote : {"\"", "„", "“", "”", "«", "»"})
        replaceAll(text, quote, "");
    text = withoutBrackets(text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            out += text[i];
            continue;
        }
        const std::size_t next = text.find_first_not_of(" \t\r\n", i);
        if (next == std::string::npos) break;
        if (!out.empty() && std::string_view(",.:!?").find(text[next]) == std::string::npos)
            out += ' ';
        i = next - 1;
    }
    out = trimmed(out);
    for (std::string_view ellipsis : {"…", "..."})
        if (out.ends_with(ellipsis)) out = trimmed(out.substr(0, out.size() - ellipsis.size()));
    return out;
}

std::size_t characters(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The blank-separated words that hold a letter.
std::size_t wordsOfLetters(std::string_view cp1250) {
    std::size_t words = 0;
    bool counted = false; // the letter of the current word
    for (char c : cp1250) {
        if (c == ' ') {
            counted = false;
            continue;
        }
        if (!counted && zadrovec::IsCp1250Letter(static_cast<unsigned char>(c))) {
            ++words;
            counted = true;
        }
    }
    return words;
}

std::vector<std::string> split(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    for (auto at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        parts.emplace_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.emplace_back(text);
    return parts;
}

// The phrases in the order first met, each text once with all its clues (Windows-1250).
class Phrases {
public:
    void add(const std::string& text, const std::vector<std::string>& clues) {
        auto [it, added] = index_.try_emplace(text, list_.size());
        if (added) list_.push_back({text, {}});
        auto& own = list_[it->second].clues;
        for (const std::string& clue : clues)
            if (clue != text && std::find(own.begin(), own.end(), clue) == own.end())
                own.push_back(clue);
    }

    // Returns the clues left out to keep lines within kLongestLine.
    std::size_t write(std::ostream& out) const {
        std::size_t dropped = 0;
        for (const auto& [text, clues] : list_) {
            std::string line = text + '@';
            for (const std::string& clue : clues) {
                if (line.size() + clue.size() + 1 > kLongestLine) {
                    ++dropped;
                    continue;
                }
                line += clue + ';';
            }
            out << line << '\n';
        }
        return dropped;
    }

    std::size_t size() const { return list_.size(); }

private:
    struct Phrase {
        std::string text;
        std::vector<std::string> clues;
    };
    std::vector<Phrase> list_;
    std::unordered_map<std::string, std::size_t> index_;
};

class Importer {
public:
    Counts counts;
    Phrases phrases;

    // The phrase in Windows-1250 when it can be one; else counts why not.
    std::optional<std::string> phrase(const std::string& utf8) {
        const std::string text = cleaned(utf8);
        if (characters(text) > kLongestPhrase) {
            ++counts.tooLong;
            return std::nullopt;
        }
        auto bytes = zadrovec::Utf8ToCp1250(text);
        if (!bytes) {
            ++counts.notCp1250;
            return std::nullopt;
        }
        if (wordsOfLetters(*bytes) < 2) {
            ++counts.oneWord;
            return std::nullopt;
        }
        return bytes;
    }

    // Appends the clue in Windows-1250 unless it is empty or cannot be held (counted).
    void addClue(std::vector<std::string>& clues, const std::string& utf8) {
        const std::string text = cleaned(utf8);
        if (text.empty()) return;
        if (auto bytes = zadrovec::Utf8ToCp1250(text))
            clues.push_back(std::move(*bytes));
        else
            ++counts.notCp1250;
    }

    void readProverbs(const std::string& path);
    void readFortunes(const std::string& folder);
    void readTitles(const std::string& path);

private:
    void quote(const std::string& file, const std::vector<std::string>& lines);
};

// Calls f(line, number) for each line of a file written here, blank lines and "#" comments
// skipped, a Windows line end taken off.
template <typename F> void forEachLineOf(const std::string& path, F f) {
    std::istringstream in(zadrovec::import::readWhole(path));
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (trimmed(line).empty() || line[0] == '#') continue;
        f(line, number);
    }
}

// A bad line of the proverbs, which are written for Zadrovec, stops the import.
struct BadLine : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Importer::readProverbs(const std::string& path) {
    forEachLineOf(path, [&](const std::string& line, int number) {
        auto fields = split(line, "\t");
        fields.resize(std::max<std::size_t>(fields.size(), 3));
        const std::string kind = trimmed(fields[0]);
        if (fields.size() > 3 || std::find(kKinds.begin(), kKinds.end(), kind) == kKinds.end() ||
            trimmed(fields[1]).empty())
            throw BadLine(path + ":" + std::to_string(number) + ": not \"KIND<TAB>PHRASE" +
                          "<TAB>VARIANT\" with KIND přísloví, pořekadlo, rčení or přirovnání");
        const auto first = phrase(fields[1]);
        const auto variant = trimmed(fields[2]).empty() ? std::nullopt : phrase(fields[2]);
        for (const auto& [self, other] : {std::pair{first, variant}, std::pair{variant, first}}) {
            if (!self) continue;
            std::vector<std::string> clues;
            addClue(clues, kind);
            if (other) clues.push_back(*other);
            phrases.add(*self, clues);
            ++counts.kinds[kind];
        }
    });
}

// "\t\t-- Seneca": the attribution after the dashes, or nothing for any other line.
std::optional<std::string> authorLine(const std::string& line) {
    const std::string text = trimmed(line);
    if (!text.starts_with("--") || text.size() < 3 || !isBlank(text[2])) return std::nullopt;
    return trimmed(text.substr(2));
}

// A turn of a dialogue: a line opening with a dash or a quotation mark.
bool isTurn(const std::string& line) {
    const std::string text = trimmed(line);
    for (std::string_view opening : {"- ", "– ", "— ", "\"", "„", "“"})
        if (text.starts_with(opening)) return true;
    return false;
}

// The surname of one person: the last word after initials and "ml." ("Masaryk T. G.", "Seneca
// mladší"). Nothing for a name of one word, a people's saying ("české přísloví") or a last word
// that is no surname ("Lao c'").
std::string surnameOf(const std::string& person) {
    const auto words = split(person, " ");
    if (words.size() < 2) return {};
    for (std::string_view saying : {"přísloví", "príslovie", "rčení", "pořekadlo"})
        if (words.back() == saying) return {};
    auto w = words.rbegin();
    while (w != words.rend() && (w->ends_with('.') || *w == "mladší" || *w == "starší"))
        ++w;
    if (w == words.rend() || characters(*w) < 2 || w->ends_with('\'')) return {};
    return *w;
}

void Importer::quote(const std::string& file, const std::vector<std::string>& lines) {
    std::vector<std::string> text;
    std::optional<std::string> author;
    int authors = 0, turns = 0;
    bool textAfterAuthor = false;
    for (const std::string& line : lines) {
        if (auto found = authorLine(line)) {
            ++authors;
            author = found;
        } else if (!trimmed(line).empty()) {
            textAfterAuthor = textAfterAuthor || author.has_value();
            turns += isTurn(line);
            text.push_back(line);
        }
    }
    if (text.empty() && !author) return; // an empty entry
    // The author before the title of the work ("Karel Plíhal: Tchýně") or the source after it
    // ("Zdeněk Matějček, Děti a my").
    std::string name = author ? cleaned(split(split(*author, ": ")[0], ", ")[0]) : "";
    if (authors != 1 || textAfterAuthor || turns >= 2 || name.empty() ||
        std::find(kNoAuthor.begin(), kNoAuthor.end(), name) != kNoAuthor.end()) {
        ++counts.withoutAuthor;
        return;
    }
    std::string joined;
    for (const std::string& line : text)
        joined += line + ' ';
    const auto quoted = phrase(joined);
    if (!quoted) return;
    std::vector<std::string> clues;
    addClue(clues, "citát");
    addClue(clues, name);
    // "Vodňanský a Skoumal": each of the two by name.
    const auto persons = split(name, " a ");
    for (const std::string& person : persons) {
        const std::string surname = surnameOf(person);
        if (!surname.empty() || persons.size() > 1)
            addClue(clues, surname.empty() ? person : surname);
    }
    phrases.add(*quoted, clues);
    ++counts.quotes;
    ++counts.files[file];
}

void Importer::readFortunes(const std::string& folder) {
    for (std::string_view name : kQuoteFiles) {
        const auto path = std::filesystem::path(folder) / (std::string(name) + ".u8");
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) continue;
        counts.files[std::string(name)] += 0;
        std::istringstream in(zadrovec::import::readWhole(path.string()));
        std::vector<std::string> entry;
        for (std::string line; std::getline(in, line);) {
            if (trimmed(line) == "%") {
                quote(std::string(name), entry);
                entry.clear();
            } else {
                entry.push_back(line);
            }
        }
        quote(std::string(name), entry);
    }
}

// "Němcová Božena" as "Božena Němcová"; the surname is the first word and the adjective-like
// words after it ("Havlíček Borovský Karel").
std::pair<std::string, std::string> authorOfWork(const std::string& catalogued) {
    const auto words = split(trimmed(catalogued), " ");
    std::size_t surnameWords = 1;
    while (surnameWords < words.size() - 1 &&
           (words[surnameWords].ends_with("ský") || words[surnameWords].ends_with("cký") ||
            words[surnameWords].ends_with("ová")))
        ++surnameWords;
    std::string surname, given;
    for (std::size_t w = 0; w < words.size(); ++w)
        (w < surnameWords ? surname : given) += (w == 0 || w == surnameWords ? "" : " ") + words[w];
    return {given.empty() ? surname : given + ' ' + surname, surname};
}

void Importer::readTitles(const std::string& path) {
    forEachLineOf(path, [&](const std::string& line, int number) {
        const auto fields = split(line, "@");
        if (fields.size() != 3 || trimmed(fields[0]).empty())
            throw BadLine(path + ":" + std::to_string(number) + ": not \"AUTHOR@TITLE@NAME;\"");
        const auto title = phrase(fields[1]);
        if (!title) return;
        const auto [author, surname] = authorOfWork(fields[0]);
        std::vector<std::string> clues;
        addClue(clues, "dílo");
        addClue(clues, author);
        if (surname != author) addClue(clues, surname);
        phrases.add(*title, clues);
        ++counts.titles;
    });
}

// "přísloví 3, rčení 1" for the names in their order.
template <typename Names>
std::string listed(const Names& names, const std::map<std::string, std::size_t>& counts) {
    std::string text;
    for (const auto& name : names)
        if (const auto n = counts.find(std::string(name)); n != counts.end())
            text += (text.empty() ? "" : ", ") + n->first + ' ' + std::to_string(n->second);
    return text.empty() ? "none" : text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: phrases2source PROVERBS.tsv FORTUNES_DIR CHARACTERS.txt OUTPUT.txt\n";
        return 2;
    }
    try {
        Importer importer;
        for (std::string_view kind : kKinds)
            importer.counts.kinds[std::string(kind)] = 0;
        importer.readProverbs(argv[1]);
        importer.readFortunes(argv[2]);
        importer.readTitles(argv[3]);

        zadrovec::WholeFileStream file(argv[4]);
        std::ostream& out = file.stream();
        out << "# Made by phrases2source from the proverbs, fortunes-cs and the characters "
               "catalogue; do not edit.\n";
        const std::size_t cluesDropped = importer.phrases.write(out);
        if (!file.isOpen() || !file.commit()) {
            std::cerr << "phrases2source: cannot write " << argv[4] << '\n';
            return 1;
        }
        const Counts& c = importer.counts;
        std::size_t proverbs = 0;
        for (const auto& [kind, n] : c.kinds)
            proverbs += n;
        std::cout << "phrases2source: " << proverbs << " proverbs and sayings (by kind "
                  << listed(kKinds, c.kinds) << "), " << c.quotes
                  << " quotes from fortunes-cs (files " << listed(kQuoteFiles, c.files) << "), "
                  << c.titles << " titles of works; left out: " << c.tooLong << " too long, "
                  << c.withoutAuthor << " without an author, " << c.notCp1250
                  << " outside Windows-1250, " << c.oneWord << " of one word; "
                  << importer.phrases.size() << " lines written\n";
        if (cluesDropped > 0)
            std::cout << "phrases2source: " << cluesDropped
                      << " clues left out to keep lines within " << kLongestLine << " bytes\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "phrases2source: " << e.what() << '\n';
        return 1;
    }
}
