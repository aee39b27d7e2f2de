// Writes the nominative plural of the nouns of the main dictionary as answers of their own,
// linked to the singular's meanings: a legend in the plural ("severští bohové") reduces to the
// lemmas of a singular clue text, and the plural answer (ÁSOVÉ) then stands beside the singular.
//
// A plural is made from the singular by the endings of the Czech declension patterns, in the
// order that keeps to the nominative (an animate "-ové" or "-i" before an inanimate "-y", which is
// also an animate accusative), and is accepted only when hunspell-cs knows it as a form of that
// very lemma (the word forms of hunspell2forms). Names (capitals in the word list), words the
// word list does not know, and plurals that already are headwords are left alone.
//
// The forms carry no case, so the animate endings are chosen only on evidence of a person: a
// masculine noun is a person when its forms hold the animate dative "-ovi" (lékařovi; a talíř
// has none), a word in "-a" is of the masculine pattern (předseda) when its forms lack the
// feminine dative plural "-ám" (karikaturám). Where the word list's declension and the meanings
// disagree, most meanings naming a person win (KAPSÁŘ "kapesní zloděj", DRUŽBA "svědek").
//
// The word list's affix flags, where given, decide a masculine noun's gender: declined like "pán"
// or "muž" it is animate (HERCI), like "hrad" or "stroj" inanimate (HRNCE, PRAMENY).
//
//   plurals2source MERGED_MAIN_SOURCE.txt FORMS.txt OUTPUT.txt [WORD_LIST.dic]
#include "engine/files/wholefilestream.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// Upper case of the UTF-8 letters of Czech words (ASCII and the Czech and Slovak ones).
std::string upperCase(std::string_view word) {
    static const std::vector<std::pair<std::string_view, std::string_view>> pairs = {
        {"á", "Á"}, {"č", "Č"}, {"ď", "Ď"}, {"é", "É"}, {"ě", "Ě"}, {"í", "Í"},
        {"ň", "Ň"}, {"ó", "Ó"}, {"ř", "Ř"}, {"š", "Š"}, {"ť", "Ť"}, {"ú", "Ú"},
        {"ů", "Ů"}, {"ý", "Ý"}, {"ž", "Ž"}, {"ä", "Ä"}, {"ö", "Ö"}, {"ü", "Ü"},
        {"ô", "Ô"}, {"ľ", "Ľ"}, {"ĺ", "Ĺ"}, {"ŕ", "Ŕ"}};
    std::string out;
    for (std::size_t i = 0; i < word.size();) {
        const char c = word[i];
        if (c >= 'a' && c <= 'z') {
            out += static_cast<char>(c - 32);
            ++i;
            continue;
        }
        bool done = false;
        for (const auto& [small, capital] : pairs)
            if (word.substr(i).starts_with(small)) {
                out += capital;
                i += small.size();
                done = true;
                break;
            }
        if (!done) out += word[i++];
    }
    return out;
}

bool isLowerCaseWord(std::string_view word) {
    if (word.empty() || word.find_first_of(" -.'0123456789") != std::string_view::npos)
        return false;
    // The first character, of one or two bytes of UTF-8, is a small letter.
    const std::size_t first = static_cast<unsigned char>(word[0]) < 0x80 ? 1 : 2;
    return upperCase(word.substr(0, first)) != word.substr(0, first);
}

// How the word list declines a masculine noun, by its affix flags: like "pán" or "muž" (P, U:
// animate), like "hrad" or "stroj" (H, S: inanimate), or both or neither (unknown).
enum class Declension { Unknown, Animate, Inanimate };

Declension declensionOf(std::string_view flags) {
    const bool animate = flags.find_first_of("PU") != std::string_view::npos;
    const bool inanimate = flags.find_first_of("HS") != std::string_view::npos;
    if (animate == inanimate) return Declension::Unknown;
    return animate ? Declension::Animate : Declension::Inanimate;
}

// What the word list, the forms and the meanings tell of a noun, for its plural's ending.
struct Evidence {
    Declension declension = Declension::Unknown;
    bool animateDative = false;  // a form in "-ovi": a masculine person or animal
    bool feminineDative = false; // a form of the stem in "-ám": a feminine noun in "-a"
    bool meaningsNamePerson = false;

    // A masculine person or animal: the word list's declension says so, or, where it does not
    // decide, an animate dative; most meanings naming a person win over both.
    bool person() const {
        if (meaningsNamePerson) return true;
        if (declension != Declension::Unknown) return declension == Declension::Animate;
        return animateDative;
    }
};

std::vector<std::string> masculineCandidates(const std::string& lemma, bool person);

// The candidates of the nominative plural of LEMMA, most likely first.
std::vector<std::string> pluralCandidates(const std::string& lemma, const Evidence& evidence) {
    const auto ends = [&lemma](std::string_view end) { return lemma.ends_with(end); };
    const auto stem = [&lemma](std::string_view end) {
        return lemma.substr(0, lemma.size() - end.size());
    };
    // Adjectives, verbs and words whose plural is the singular give nothing.
    for (const std::string_view end :
         {"ý", "á", "é", "í", "ou", "at", "it", "et", "ět", "ut", "out", "ti", "ci"})
        if (ends(end)) return {};
    // Two letters ending in a vowel ("la", "fa"): a note, a symbol or a foreign word, not declined.
    if (lemma.size() == 2 && std::string_view("aeiouy").find(lemma[1]) != std::string_view::npos)
        return {};
    if (ends("um")) return {stem("um") + "a"};
    if (ends("a")) {
        const bool masculine = !evidence.feminineDative || evidence.meaningsNamePerson;
        if (masculine) return {stem("a") + "ové", stem("a") + "y"};
        return {stem("a") + "y"};
    }
    if (ends("o")) return {stem("o") + "a"};
    if (ends("e")) return {stem("e") + "ata", stem("e") + "ové"};
    if (ends("ě")) return {stem("ě") + "ata"};
    if (ends("eň")) return {stem("eň") + "ně"};
    const std::vector<std::string> masculine = masculineCandidates(lemma, evidence.person());
    // A thing the word list declines as one has no animate plural: its "-i" is the dative or
    // locative singular ("hrnci", "prameni"), its "-ové" none at all.
    if (evidence.declension != Declension::Inanimate || evidence.person()) return masculine;
    std::vector<std::string> inanimate;
    for (const std::string& candidate : masculine)
        if (candidate.ends_with('y') || candidate.ends_with('e')) inanimate.push_back(candidate);
    return inanimate;
}

// The candidates of a masculine noun ending in a consonant, the animate ones first.
std::vector<std::string> masculineCandidates(const std::string& lemma, bool person) {
    const auto ends = [&lemma](std::string_view end) { return lemma.ends_with(end); };
    const auto stem = [&lemma](std::string_view end) {
        return lemma.substr(0, lemma.size() - end.size());
    };
    if (ends("ek")) return {stem("ek") + "kové", stem("ek") + "ci", stem("ek") + "ky"};
    if (ends("ec")) return {stem("ec") + "cové", stem("ec") + "ci", stem("ec") + "ce"};
    if (ends("k")) return {lemma + "ové", stem("k") + "ci", lemma + "y"};
    if (ends("ch")) return {lemma + "ové", stem("ch") + "ši", lemma + "y"};
    if (ends("h")) return {lemma + "ové", stem("h") + "zi", lemma + "y"};
    if (ends("r")) return {lemma + "ové", stem("r") + "ři", lemma + "y"};
    if (ends("l")) return {lemma + "ové", lemma + "é", lemma + "y"};
    // Agent nouns ("lékař", "malíř") are persons, so "-i" and not the accusative "-e"; the things
    // in the same endings ("talíř", "polštář") take the "-e" of the soft pattern below.
    for (const std::string_view agent : {"ář", "ař", "íř", "ýř", "éř"})
        if (ends(agent) && person) return {lemma + "ové", lemma + "i"};
    for (const std::string_view soft : {"ž", "š", "č", "ř", "c", "j", "ď", "ť", "ň"})
        if (ends(soft)) return {lemma + "ové", lemma + "e"};
    return {lemma + "ové", lemma + "i", lemma + "y"};
}

struct Entry {
    std::vector<std::string> meanings;
};

// The headwords of the main dictionary (in capitals) with their meanings.
std::map<std::string, Entry> readHeadwords(std::istream& main) {
    std::map<std::string, Entry> headwords;
    std::string line;
    while (std::getline(main, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto at = line.find('@');
        if (at == std::string::npos || at == 0) continue;
        Entry& entry = headwords[upperCase(line.substr(0, at))];
        std::istringstream rest(line.substr(at + 1));
        for (std::string meaning; std::getline(rest, meaning, ';');)
            if (!meaning.empty() && meaning.size() < 60) entry.meanings.push_back(meaning);
    }
    return headwords;
}

// The forms of a line of the word forms, each once.
std::unordered_set<std::string> formSet(const std::string& forms) {
    std::unordered_set<std::string> known;
    std::istringstream words(forms);
    for (std::string form; words >> form;)
        known.insert(form);
    return known;
}

// An animate dative ("lékařovi", "svědkovi"): a masculine person or animal; a thing has none.
bool hasAnimateDative(const std::unordered_set<std::string>& known) {
    return std::any_of(known.begin(), known.end(),
                       [](const std::string& form) { return form.ends_with("ovi"); });
}

// Only a noun has a plural: its forms hold a dative or locative plural.
bool isNoun(const std::unordered_set<std::string>& known) {
    return std::any_of(known.begin(), known.end(), [](const std::string& form) {
        return form.ends_with("ům") || form.ends_with("ám") || form.ends_with("ech") ||
               form.ends_with("ách");
    });
}

// The nouns of the word forms, and which of them name a masculine person (or animal): an
// animate dative "-ovi" and no feminine dative plural (hunspell-cs has "karikaturovi" too).
struct Nouns {
    std::unordered_set<std::string> all, persons;
};

Nouns readNouns(const std::vector<std::pair<std::string, std::string>>& lines) {
    Nouns nouns;
    for (const auto& [lemma, forms] : lines) {
        const std::unordered_set<std::string> known = formSet(forms);
        if (!isNoun(known)) continue;
        nouns.all.insert(lemma);
        const std::string stem = lemma.ends_with('a') ? lemma.substr(0, lemma.size() - 1) : lemma;
        if (hasAnimateDative(known) && !known.contains(stem + "ám")) nouns.persons.insert(lemma);
    }
    return nouns;
}

// True when most of the MEANINGS whose noun is known name a person. A meaning's noun is its one
// word, or the second of two after an adjective ("kapesní zloděj").
bool meaningsNamePerson(const std::vector<std::string>& meanings, const Nouns& nouns) {
    std::size_t persons = 0, others = 0;
    for (const std::string& meaning : meanings) {
        std::istringstream words(meaning);
        std::vector<std::string> parts;
        for (std::string word; words >> word;)
            parts.push_back(word);
        std::string noun;
        if (parts.size() == 1) noun = parts[0];
        const auto adjective = [](const std::string& w) {
            return w.ends_with("ý") || w.ends_with("í") || w.ends_with("á") || w.ends_with("é");
        };
        if (parts.size() == 2 && adjective(parts[0])) noun = parts[1];
        if (!nouns.all.contains(noun)) continue;
        ++(nouns.persons.contains(noun) ? persons : others);
    }
    return persons > others;
}

struct Counts {
    std::size_t nouns = 0, written = 0, unknown = 0, already = 0;
};

// The affix flags of the word list's stems ("hrnec/S"), by stem.
using WordFlags = std::unordered_map<std::string, std::string>;

WordFlags readWordFlags(std::istream& dic) {
    WordFlags flags;
    std::string line;
    std::getline(dic, line); // the count of stems
    while (std::getline(dic, line)) {
        const auto slash = line.find('/');
        if (slash == std::string::npos || slash == 0) continue;
        const auto end = line.find_first_of(" \t\r", slash);
        flags[line.substr(0, slash)] += line.substr(slash + 1, end - slash - 1);
    }
    return flags;
}

// The plural of a noun among the headwords, as one of its forms (the rest of the forms' line)
// says; none for other words, and for a plural hunspell-cs does not know or that is a headword.
std::optional<std::string> pluralOf(const std::string& lemma, const std::string& forms,
                                    const std::vector<std::string>& meanings, const Nouns& nouns,
                                    const WordFlags& flags,
                                    const std::map<std::string, Entry>& headwords, Counts& counts) {
    const std::unordered_set<std::string> known = formSet(forms);
    Evidence evidence;
    if (const auto found = flags.find(lemma); found != flags.end())
        evidence.declension = declensionOf(found->second);
    evidence.animateDative = hasAnimateDative(known);
    evidence.feminineDative =
        lemma.ends_with('a') && known.contains(lemma.substr(0, lemma.size() - 1) + "ám");
    evidence.meaningsNamePerson = meaningsNamePerson(meanings, nouns);
    const std::vector<std::string> candidates = pluralCandidates(lemma, evidence);
    if (candidates.empty() || !isNoun(known)) return std::nullopt;
    ++counts.nouns;
    const auto plural = std::find_if(candidates.begin(), candidates.end(),
                                     [&](const std::string& c) { return known.contains(c); });
    if (plural == candidates.end()) {
        ++counts.unknown;
        return std::nullopt;
    }
    if (headwords.contains(upperCase(*plural))) {
        ++counts.already;
        return std::nullopt;
    }
    return *plural;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: plurals2source MERGED_MAIN_SOURCE.txt FORMS.txt OUTPUT.txt "
                     "[WORD_LIST.dic]\n";
        return 2;
    }
    std::ifstream main(argv[1]), forms(argv[2]);
    if (!main || !forms) {
        std::cerr << "plurals2source: cannot read " << (main ? argv[2] : argv[1]) << '\n';
        return 1;
    }
    WordFlags flags;
    if (argc == 5) {
        std::ifstream dic(argv[4]);
        if (!dic) {
            std::cerr << "plurals2source: cannot read " << argv[4] << '\n';
            return 1;
        }
        flags = readWordFlags(dic);
    }
    const std::map<std::string, Entry> headwords = readHeadwords(main);
    Counts counts;
    zadrovec::WholeFileStream file(argv[3]);
    std::ostream& out = file.stream();
    out << "# Made by plurals2source from the main dictionary and the word forms; do not edit.\n";
    // Every line first: the meanings' nouns are looked up among all the lemmas.
    std::vector<std::pair<std::string, std::string>> lines;
    for (std::string line; std::getline(forms, line);) {
        const auto tab = line.find('\t');
        if (tab != std::string::npos) lines.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    const Nouns nouns = readNouns(lines);
    std::unordered_set<std::string> done;
    for (const auto& [lemma, lemmaForms] : lines) {
        if (!isLowerCaseWord(lemma)) continue;
        const auto entry = headwords.find(upperCase(lemma));
        if (entry == headwords.end() || entry->second.meanings.empty()) continue;
        const auto plural =
            pluralOf(lemma, lemmaForms, entry->second.meanings, nouns, flags, headwords, counts);
        if (!plural || !done.insert(*plural).second) continue;
        // The singular first, then at most six of its meanings, each once.
        out << *plural << '@' << lemma << " (množné číslo);";
        std::set<std::string> seen{lemma + " (množné číslo)"};
        std::size_t count = 0;
        for (const std::string& meaning : entry->second.meanings)
            if (count < 6 && seen.insert(meaning).second) {
                out << meaning << ';';
                ++count;
            }
        out << '\n';
        ++counts.written;
    }
    if (!file.isOpen() || !file.commit()) {
        std::cerr << "plurals2source: cannot write " << argv[3] << '\n';
        return 1;
    }
    std::cout << "plurals2source: " << counts.nouns << " nouns among the headwords, "
              << counts.written << " plurals written; " << counts.unknown
              << " without a plural hunspell-cs knows, " << counts.already
              << " plurals that are headwords already\n";
    return 0;
}
