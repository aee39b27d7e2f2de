// Keeps a meaning of the thesaurus's source only where something other than the thesaurus says
// that the two words share a sense. The thesaurus was made by pivoting through English: two
// Czech words became synonyms when they translate one English word, whatever sense of it
// ("koláč" and "děvka" both translate "tart"). Each meaning is kept by the first rule that holds:
//
//   supplement  the hand-written supplement links the two words too;
//   root        both are forms of one Hunspell lemma ("kolega", "kolegové");
//   english2    they share two English translations or more (FreeDict, both directions);
//   monosemous  they share one, and WordNet knows one sense of it, or none (a rare word);
//   synset      they share one, and English words of each that the other lacks meet in one
//               WordNet synset (a sense both words attest, not just one spelling).
//
// A headword left with no meaning is dropped (the supplement and the links merged later keep
// what they hold), and so is a headword that is no Czech entry: one with a digit ("4/5 GALONU")
// or of several words none of which is a Czech word form ("24 HOURS A DAY"). What is kept and
// dropped is counted by rule and printed.
//
//   thesaurusevidence SOURCE.txt ENG-CES CES-ENG WORDNET-DIR FORMS.txt SUPPLEMENT-DIR OUTPUT.txt
//
// ENG-CES and CES-ENG are the bases of dictd dictionaries, WORDNET-DIR holds WordNet's index.*
// files, FORMS.txt is the word forms by lemma (hunspell2forms), SUPPLEMENT-DIR the *.txt sources.
#include "data/import/dictd.h"
#include "data/import/packagefiles.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/wholefilestream.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

namespace import = zadrovec::import;

// Czech words are compared in capitals, Windows-1250; English words in ASCII lower case.
std::string czechKey(const std::string& utf8) {
    auto bytes = zadrovec::Utf8ToCp1250(utf8);
    std::string key = bytes ? *bytes : utf8;
    zadrovec::CzechUpperCase(key);
    return key;
}

std::string englishKey(std::string text) {
    for (char& c : text)
        c = c == '_' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

using WordSet = std::set<std::string>;
using Synset = std::uint64_t; // part of speech * 10^9 + offset in its data file

struct Evidence {
    std::unordered_map<std::string, WordSet> english;                 // Czech key -> English words
    std::unordered_map<std::string, std::vector<Synset>> senses;      // English word -> synsets
    std::unordered_map<std::string, std::vector<std::string>> lemmas; // Czech key -> lemmas
    std::unordered_map<std::string, WordSet> supplement; // Czech key -> its meanings' keys
};

// English -> Czech: each Czech translation gets the English headword.
void readEnglishCzech(const std::string& base, Evidence& evidence) {
    const std::string index = import::readWhole(base + ".index");
    const std::string dict = import::readGzip(base + ".dict.dz");
    std::size_t damaged = 0;
    for (const auto& article : import::dictdArticles(index, dict, damaged)) {
        // One English word: a phrase such as "bay window" shares a word with many senses.
        if (article.headword.starts_with("00database") ||
            article.headword.find(' ') != std::string::npos)
            continue;
        const std::string english = englishKey(article.headword);
        for (const std::string& czech : import::dictdTranslations(article.text))
            evidence.english[czechKey(czech)].insert(english);
    }
}

// Czech -> English: the Czech headword gets each English translation.
void readCzechEnglish(const std::string& base, Evidence& evidence) {
    const std::string index = import::readWhole(base + ".index");
    const std::string dict = import::readGzip(base + ".dict.dz");
    std::size_t damaged = 0;
    for (const auto& article : import::dictdArticles(index, dict, damaged)) {
        if (article.headword.starts_with("00database")) continue;
        WordSet& english = evidence.english[czechKey(article.headword)];
        for (const std::string& word : import::dictdTranslations(article.text))
            english.insert(englishKey(word));
    }
}

// WordNet's index.noun, .verb, .adj, .adv: "lemma pos synset_cnt p_cnt [ptr...] sense_cnt
// tagsense_cnt offset...", the synsets' offsets last; the licence's lines start with a blank.
void readWordNet(const std::string& folder, Evidence& evidence) {
    const std::array<const char*, 4> parts = {"noun", "verb", "adj", "adv"};
    for (std::size_t part = 0; part < parts.size(); ++part) {
        std::istringstream lines(import::readWhole(folder + "/index." + parts[part]));
        for (std::string line; std::getline(lines, line);) {
            if (line.empty() || line[0] == ' ') continue;
            std::istringstream fields(line);
            std::vector<std::string> f;
            for (std::string field; fields >> field;)
                f.push_back(field);
            if (f.size() < 4) continue;
            const std::size_t count = std::stoul(f[2]);
            if (count > f.size() - 4) continue;
            auto& senses = evidence.senses[englishKey(f[0])];
            for (std::size_t i = f.size() - count; i < f.size(); ++i)
                senses.push_back(part * 1000000000ULL + std::stoull(f[i]));
        }
    }
}

// "LEMMA<TAB>FORM FORM ...": each form, and the lemma itself, gets the lemma.
void readForms(const std::string& path, Evidence& evidence) {
    std::istringstream lines(import::readWhole(path));
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        const std::string lemma = czechKey(line.substr(0, tab));
        evidence.lemmas[lemma].push_back(lemma);
        if (tab == std::string::npos) continue;
        std::istringstream forms(line.substr(tab + 1));
        for (std::string form; forms >> form;)
            evidence.lemmas[czechKey(form)].push_back(lemma);
    }
}

void readSupplement(const std::string& folder, Evidence& evidence) {
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        if (file.path().extension() != ".txt") continue;
        for (const auto& line : import::readSource(file.path().string())) {
            auto& meanings = evidence.supplement[czechKey(line.headword)];
            for (const std::string& m : line.meanings)
                meanings.insert(czechKey(m));
        }
    }
}

// The synsets of an English word; a word WordNet lacks is looked up without a regular ending
// ("pulled" as "pull", "photographs" as "photograph").
const std::vector<Synset>* sensesOf(const Evidence& evidence, const std::string& word) {
    if (auto found = evidence.senses.find(word); found != evidence.senses.end())
        return &found->second;
    static const std::array<std::pair<std::string_view, std::string_view>, 7> endings = {
        {{"s", ""}, {"es", ""}, {"ed", ""}, {"ed", "e"}, {"ing", ""}, {"ing", "e"}, {"ly", ""}}};
    for (const auto& [ending, replacement] : endings) {
        if (word.size() <= ending.size() || !word.ends_with(ending)) continue;
        const std::string stem =
            word.substr(0, word.size() - ending.size()) + std::string(replacement);
        if (auto found = evidence.senses.find(stem); found != evidence.senses.end())
            return &found->second;
    }
    return nullptr;
}

enum Rule { kSupplement, kRoot, kEnglish2, kMonosemous, kSynset, kRules, kNone = kRules };
const std::array<const char*, kRules> kRuleNames = {"supplement", "root", "english2", "monosemous",
                                                    "synset"};

bool linked(const Evidence& evidence, const std::string& a, const std::string& b) {
    const auto found = evidence.supplement.find(a);
    return found != evidence.supplement.end() && found->second.contains(b);
}

bool sameLemma(const Evidence& evidence, const std::string& a, const std::string& b) {
    const auto la = evidence.lemmas.find(a), lb = evidence.lemmas.find(b);
    if (la == evidence.lemmas.end() || lb == evidence.lemmas.end()) return false;
    return std::any_of(la->second.begin(), la->second.end(), [&](const std::string& lemma) {
        return std::find(lb->second.begin(), lb->second.end(), lemma) != lb->second.end();
    });
}

// The synsets of the words, each once.
std::set<Synset> synsetsOf(const Evidence& evidence, const WordSet& words) {
    std::set<Synset> synsets;
    for (const std::string& word : words)
        if (auto found = evidence.senses.find(word); found != evidence.senses.end())
            synsets.insert(found->second.begin(), found->second.end());
    return synsets;
}

Rule evidenceFor(const Evidence& evidence, const std::string& headword,
                 const std::string& meaning) {
    if (linked(evidence, headword, meaning) || linked(evidence, meaning, headword))
        return kSupplement;
    if (sameLemma(evidence, headword, meaning)) return kRoot;
    static const WordSet none;
    const auto eh = evidence.english.find(headword), em = evidence.english.find(meaning);
    const WordSet& ofHeadword = eh == evidence.english.end() ? none : eh->second;
    const WordSet& ofMeaning = em == evidence.english.end() ? none : em->second;
    WordSet shared, onlyHeadword, onlyMeaning;
    std::set_intersection(ofHeadword.begin(), ofHeadword.end(), ofMeaning.begin(), ofMeaning.end(),
                          std::inserter(shared, shared.end()));
    if (shared.size() >= 2) return kEnglish2;
    if (shared.empty()) return kNone;
    const auto* senses = sensesOf(evidence, *shared.begin());
    if (!senses || senses->size() == 1) return kMonosemous;
    std::set_difference(ofHeadword.begin(), ofHeadword.end(), shared.begin(), shared.end(),
                        std::inserter(onlyHeadword, onlyHeadword.end()));
    std::set_difference(ofMeaning.begin(), ofMeaning.end(), shared.begin(), shared.end(),
                        std::inserter(onlyMeaning, onlyMeaning.end()));
    const auto a = synsetsOf(evidence, onlyHeadword), b = synsetsOf(evidence, onlyMeaning);
    const bool meet = std::any_of(a.begin(), a.end(), [&](Synset s) { return b.contains(s); });
    return meet ? kSynset : kNone;
}

// A headword with a digit, or of several words none of which is a Czech word form.
bool isCzechEntry(const Evidence& evidence, const std::string& headword) {
    if (std::any_of(headword.begin(), headword.end(),
                    [](unsigned char c) { return std::isdigit(c); }))
        return false;
    if (headword.find(' ') == std::string::npos) return true;
    std::istringstream words(headword);
    for (std::string word; words >> word;)
        if (evidence.lemmas.contains(word)) return true;
    return false;
}

struct Counts {
    std::array<std::size_t, kRules> kept{};
    std::size_t dropped = 0;          // meanings without evidence
    std::size_t headwordsKept = 0;    // headwords written
    std::size_t headwordsEmpty = 0;   // left without a meaning
    std::size_t headwordsForeign = 0; // no Czech entries
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::cerr << "usage: thesaurusevidence SOURCE.txt ENG-CES CES-ENG WORDNET-DIR FORMS.txt "
                     "SUPPLEMENT-DIR OUTPUT.txt\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    try {
        Evidence evidence;
        readEnglishCzech(argv[2], evidence);
        readCzechEnglish(argv[3], evidence);
        readWordNet(argv[4], evidence);
        readForms(argv[5], evidence);
        readSupplement(argv[6], evidence);

        Counts counts;
        zadrovec::WholeFileStream file(argv[7]);
        std::ostream& out = file.stream();
        out << "# Made by thesaurusevidence from the thesaurus's source; do not edit.\n";
        for (const auto& line : import::readSource(argv[1])) {
            const std::string headword = czechKey(line.headword);
            if (!isCzechEntry(evidence, headword)) {
                ++counts.headwordsForeign;
                counts.dropped += line.meanings.size();
                continue;
            }
            std::vector<const std::string*> kept;
            for (const std::string& meaning : line.meanings) {
                const Rule rule = evidenceFor(evidence, headword, czechKey(meaning));
                if (rule == kNone) {
                    ++counts.dropped;
                    continue;
                }
                ++counts.kept[rule];
                kept.push_back(&meaning);
            }
            if (kept.empty()) {
                ++counts.headwordsEmpty;
                continue;
            }
            out << line.headword << '@';
            for (const std::string* m : kept)
                out << *m << ';';
            out << '\n';
            ++counts.headwordsKept;
        }
        if (!file.isOpen() || !file.commit()) {
            std::cerr << "thesaurusevidence: cannot write " << argv[7] << '\n';
            return 1;
        }
        for (std::size_t rule = 0; rule < kRules; ++rule)
            std::cout << "thesaurusevidence: kept " << counts.kept[rule] << " meanings by rule "
                      << kRuleNames[rule] << '\n';
        const auto seconds = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count() /
                             1000.0;
        std::cout << "thesaurusevidence: dropped " << counts.dropped
                  << " meanings without evidence, " << counts.headwordsEmpty
                  << " headwords left without a meaning, " << counts.headwordsForeign
                  << " headwords that are no Czech entries; " << counts.headwordsKept
                  << " headwords written in " << seconds << " s\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "thesaurusevidence: " << e.what() << '\n';
        return 1;
    }
}
