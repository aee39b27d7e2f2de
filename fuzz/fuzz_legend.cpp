// The legend parser on any bytes, read as Windows-1250 as the engine reads clue texts. Every
// term is a folded word or a number as written, never a stop word, never more terms than the
// text has words; the same text gives the same terms, in capitals or not, and the terms parsed
// again stay as they are. A legend of only joining words or only punctuation gives no terms.
//
// The input's lines are also the meanings of a small answer space: its clue terms are the terms
// of its clue texts, a tiny word-forms table keeps the lemmas of those terms, and the lemma index
// leads each term to its lemmas and each lemma back to the texts that hold it.
//
// Input: the legend itself, as typed; no other layout.
#include "engine/solver/answerspace.h"
#include "engine/solver/legendwords.h"
#include "engine/solver/lemmaindex.h"
#include "engine/solver/squares.h"
#include "engine/text/cp1250.h"
#include "fuzz/fuzzinput.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

using namespace zadrovec;

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return IsCp1250Letter(static_cast<unsigned char>(c));
}

// The words of a text as a legend has them: runs of letters and runs of digits.
std::size_t wordCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLetter(text[i]) && (i == 0 || !isLetter(text[i - 1]))) ++count;
        if (isDigit(text[i]) && (i == 0 || !isDigit(text[i - 1]))) ++count;
    }
    return count;
}

// A number as written: digits, with a comma or point only between two digits ("3,7").
bool isNumberTerm(std::string_view term) {
    if (term.empty() || !isDigit(term.front()) || !isDigit(term.back())) return false;
    for (std::size_t i = 1; i + 1 < term.size(); ++i) {
        const bool separator =
            (term[i] == ',' || term[i] == '.') && isDigit(term[i - 1]) && isDigit(term[i + 1]);
        if (!isDigit(term[i]) && !separator) return false;
    }
    return true;
}

// A byte of a folded word: a capital without diacritics, or one of the two small letters the
// code page has no capital for (sharp s, micro sign), which folding leaves as they are.
bool isFoldedLetter(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'A' && b <= 'Z') || b == 0xDF || b == 0xB5;
}

// Words that only join others in a legend, as typed (UTF-8 here), and "tj." (to je).
constexpr std::string_view kJoiningWords[] = {
    "a",   "v",   "ve", "na",   "do",  "z",   "ze",  "že",   "s",    "se",   "k",   "ke",
    "o",   "u",   "od", "po",   "za",  "pro", "při", "před", "přes", "pod",  "nad", "mezi",
    "bez", "ale", "i",  "nebo", "ani", "až",  "aby", "než",  "však", "jako", "tj."};

// What may stand between them: spaces, punctuation, quotes and dashes of Windows-1250.
constexpr std::string_view kSeparators[] = {" ",    ", ", " - ",  " (",   ") ",   "; ",   "\t",
                                            "\r\n", "/",  "\x84", "\x93", "\x96", "\xA0", "!?:"};

const std::vector<std::string>& joiningWords() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> made;
        for (const std::string_view word : kJoiningWords)
            made.push_back(Cp1250Literal(word));
        return made;
    }();
    return words;
}

// A tiny table of word forms, as the engine reads them: a lemma, a tab, its forms. "psi" is a
// form of two lemmas.
constexpr std::string_view kWordForms = "kočka\tkočky kočce kočku kočkou kočkám\n"
                                        "město\tměsta městu městem městech\n"
                                        "pes\tpsa psovi psem psi psů\n"
                                        "psát\tpíše píšu psal psali psi\n"
                                        "hlavní\thlavního hlavnímu hlavním\n"
                                        "Kanada\tKanady Kanadě Kanadu\n"
                                        "stříbro\tstříbra stříbru stříbrem\n"
                                        "značka\tznačky značce značku\n"
                                        "číslo\tčísla čísle čísel\n"
                                        "řeka\třeky řece řeku\n"
                                        "bez tabulátoru\n";

// The table's lines folded: each lemma first, then its forms.
std::vector<std::vector<std::string>> foldedFormLines() {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in{std::string(kWordForms)};
    std::string line;
    while (std::getline(in, line)) {
        if (line.find('\t') == std::string::npos) continue;
        std::replace(line.begin(), line.end(), '\t', ' ');
        std::istringstream words(line);
        std::vector<std::string> folded;
        for (std::string word; words >> word;)
            folded.push_back(FoldedCapitals(Cp1250Literal(word)));
        lines.push_back(std::move(folded));
    }
    return lines;
}

void checkTerm(const std::string& term) {
    fuzz::require(!term.empty() && term.find(' ') == std::string::npos);
    if (isDigit(term.front())) {
        fuzz::require(isNumberTerm(term));
        return;
    }
    fuzz::require(std::all_of(term.begin(), term.end(), isFoldedLetter));
    fuzz::require(FoldedCapitals(term) == term && !IsStopWord(term));
    for (const std::string& word : joiningWords())
        fuzz::require(term != FoldedCapitals(word));
}

std::vector<std::string> concatenated(std::vector<std::string> a, std::vector<std::string> b) {
    a.insert(a.end(), std::make_move_iterator(b.begin()), std::make_move_iterator(b.end()));
    return a;
}

void checkLegend(std::string_view text) {
    fuzz::require(IsCluePattern(text) == (text.find_first_of("*?") != std::string_view::npos));

    const std::vector<std::string> terms = LegendTerms(text);
    fuzz::require(LegendTerms(text) == terms);
    fuzz::require(terms.size() <= wordCount(text));
    std::string joined;
    for (const std::string& term : terms) {
        checkTerm(term);
        joined += term + ' ';
    }
    // The terms are already in their final form: parsed again they are the same terms.
    fuzz::require(LegendTerms(joined) == terms);
    // Clue texts are stored in capitals and legends typed in any case; both give the same terms.
    fuzz::require(LegendTerms(UpperCaseCp1250(text)) == terms);
    // A space ends every word and number: the two sides of one parse on their own.
    const std::size_t half = text.size() / 2;
    const std::string_view left = text.substr(0, half), right = text.substr(half);
    fuzz::require(LegendTerms(std::string(left) + ' ' + std::string(right)) ==
                  concatenated(LegendTerms(left), LegendTerms(right)));
}

// The text without its letters and digits: punctuation alone, which means nothing.
void checkPunctuationOnly(std::string_view text) {
    std::string punctuation;
    for (const char c : text)
        if (!isLetter(c) && !isDigit(c)) punctuation += c;
    fuzz::require(LegendTerms(punctuation).empty());
}

// A legend of joining words chosen by the input's bytes, some in capitals.
void checkJoiningWordsOnly(std::string_view text) {
    const auto& words = joiningWords();
    const std::size_t separators = std::size(kSeparators);
    std::string legend;
    for (std::size_t i = 0; i < std::min<std::size_t>(text.size(), 512); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::string& word = words[b % words.size()];
        legend += i % 3 == 1 ? UpperCaseCp1250(word) : word;
        legend += kSeparators[(b / words.size() + i) % separators];
    }
    fuzz::require(LegendTerms(legend).empty());
}

// The answer space of the input's lines: each a meaning of one headword, and each a record
// of its own ("headword@meaning;meaning;" when it has the "@").
AnswerSpace spaceOfLines(std::string_view text, std::vector<std::string_view>& meanings) {
    AnswerSpaceBuilder builder;
    for (int count = 0; !text.empty() && count < 16; ++count) {
        const auto end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, std::min<std::size_t>(end, 200));
        text.remove_prefix(std::min(end + 1, text.size()));
        builder.addRecord(0, "ODPOVED@" + std::string(line) + ";");
        builder.addRecord(1, line);
        if (line.find_first_of("@;") == std::string_view::npos) meanings.push_back(line);
    }
    return builder.finish();
}

void checkClueTerms(std::string_view text) {
    std::vector<std::string_view> meanings;
    const AnswerSpace space = spaceOfLines(text, meanings);
    const std::unordered_set<std::string> clueTerms = LemmaIndex::ClueTerms(space);

    // The clue texts are the texts paired with another; their terms are the clue terms.
    std::unordered_set<std::string> expected;
    std::vector<std::vector<std::string>> termsOfText(space.size());
    for (std::uint32_t id = 0; id < space.size(); ++id) {
        if (space.partners(id).empty()) continue;
        termsOfText[id] = LegendTerms(space.text(id));
        expected.insert(termsOfText[id].begin(), termsOfText[id].end());
    }
    fuzz::require(clueTerms == expected);
    for (const std::string& term : clueTerms)
        checkTerm(term);
    // A meaning is paired with its headword, so its terms are clue terms.
    for (const std::string_view meaning : meanings)
        for (const std::string& term : LegendTerms(meaning))
            fuzz::require(clueTerms.contains(term));

    // The table keeps a lemma exactly when it or one of its forms is a clue term, and then
    // leads every form of it, and the lemma itself, to it.
    std::istringstream table{std::string(kWordForms)};
    const WordForms forms = ReadWordForms(table, clueTerms);
    static const std::vector<std::vector<std::string>> lines = foldedFormLines();
    for (const std::vector<std::string>& line : lines) {
        const std::string& lemma = line.front();
        const bool wanted = std::any_of(
            line.begin(), line.end(), [&](const std::string& w) { return clueTerms.contains(w); });
        for (const auto& [form, lemmas] : forms.lemmasOf) {
            const bool leads = std::find(lemmas.begin(), lemmas.end(), lemma) != lemmas.end();
            const bool ofLine = std::find(line.begin(), line.end(), form) != line.end();
            fuzz::require(leads == (wanted && ofLine));
        }
        for (const std::string& form : line)
            fuzz::require(!wanted || forms.lemmasOf.contains(form));
    }

    // The index leads a term to the lemmas it is a form of, or to itself when the table has
    // no form of it, and each of those lemmas to the text that holds the term.
    const LemmaIndex index = LemmaIndex::Build(space, &forms, nullptr);
    for (std::uint32_t id = 0; id < space.size(); ++id) {
        const std::set<std::string> distinct(termsOfText[id].begin(), termsOfText[id].end());
        fuzz::require(index.wordsOfText(id) == std::min<std::size_t>(distinct.size(), 255));
        for (const std::string& term : distinct) {
            const auto found = forms.lemmasOf.find(term);
            const std::set<std::string> wanted =
                found == forms.lemmasOf.end()
                    ? std::set<std::string>{term}
                    : std::set<std::string>(found->second.begin(), found->second.end());
            std::set<std::string> got;
            for (const std::uint32_t lemma : index.lemmasOfTerm(term)) {
                got.emplace(index.lemma(lemma));
                const auto texts = index.textsOf(lemma);
                fuzz::require(std::binary_search(texts.begin(), texts.end(), id));
            }
            fuzz::require(got == wanted);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkLegend(text);
    checkPunctuationOnly(text);
    checkJoiningWordsOnly(text);
    checkClueTerms(text);
    return 0;
}
