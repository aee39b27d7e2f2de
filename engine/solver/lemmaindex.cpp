#include "engine/solver/lemmaindex.h"

#include "engine/solver/legendwords.h"
#include "engine/solver/squares.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <map>
#include <set>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace zadrovec {
namespace {

// A folded word of UTF-8 text; empty when Windows-1250 cannot hold it.
std::string foldedWord(std::string_view utf8) {
    const std::optional<std::string> bytes = Utf8ToCp1250(utf8);
    return bytes ? FoldedCapitals(*bytes) : std::string();
}

} // namespace

WordForms ReadWordForms(std::istream& in, const std::unordered_set<std::string>& wanted) {
    WordForms forms;
    std::string line;
    std::vector<std::string> entry;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string lemma = foldedWord(std::string_view(line).substr(0, tab));
        if (lemma.empty()) continue;
        entry.clear();
        bool relevant = wanted.contains(lemma);
        std::string_view rest = std::string_view(line).substr(tab + 1);
        while (!rest.empty()) {
            const auto space = std::min(rest.find(' '), rest.size());
            std::string form = foldedWord(rest.substr(0, space));
            rest.remove_prefix(std::min(space + 1, rest.size()));
            if (form.empty()) continue;
            relevant = relevant || wanted.contains(form);
            entry.push_back(std::move(form));
        }
        if (!relevant) continue;
        entry.push_back(lemma);
        for (const std::string& form : entry) {
            auto& lemmas = forms.lemmasOf[form];
            if (std::find(lemmas.begin(), lemmas.end(), lemma) == lemmas.end())
                lemmas.push_back(lemma);
        }
    }
    return forms;
}

void ReadWordFrequencies(std::istream& in, WordFrequencies& frequencies) {
    std::string line;
    std::uint32_t place = 0;
    while (std::getline(in, line)) {
        ++place;
        // In capitals with their diacritics: KŮŇ and KON are other words.
        const std::optional<std::string> bytes = Utf8ToCp1250(line);
        if (!bytes || bytes->empty()) continue;
        const auto [at, added] = frequencies.try_emplace(UpperCaseCp1250(*bytes), place);
        if (!added) at->second = std::min(at->second, place);
    }
}

std::uint64_t LemmaIndex::FormHash(std::string_view folded) {
    return XXH3_64bits(folded.data(), folded.size());
}

std::unordered_set<std::string> LemmaIndex::ClueTerms(const AnswerSpace& space) {
    std::unordered_set<std::string> terms;
    for (std::uint32_t id = 0; id < space.size(); ++id)
        if (!space.partners(id).empty())
            for (std::string& term : LegendTerms(space.text(id)))
                terms.insert(std::move(term));
    return terms;
}

namespace {

// Every clue text's lemmas (of its terms, each once; a term no form leads from is its own
// lemma), how many terms it has, and all lemmas in order.
struct TextLemmas {
    std::vector<std::vector<std::string>> ofText;
    std::vector<std::uint8_t> wordCounts;
    std::set<std::string> all;
};

TextLemmas lemmasOfTexts(const AnswerSpace& space, const WordForms* forms) {
    const auto lemmasOf = [&](const std::string& term) -> std::vector<std::string> {
        if (forms) {
            const auto found = forms->lemmasOf.find(term);
            if (found != forms->lemmasOf.end()) return found->second;
        }
        return {term};
    };
    TextLemmas lemmas;
    lemmas.ofText.resize(space.size());
    lemmas.wordCounts.assign(space.size(), 0);
    for (std::uint32_t id = 0; id < space.size(); ++id) {
        if (space.partners(id).empty()) continue;
        std::vector<std::string> terms = LegendTerms(space.text(id));
        std::sort(terms.begin(), terms.end());
        terms.erase(std::unique(terms.begin(), terms.end()), terms.end());
        lemmas.wordCounts[id] = static_cast<std::uint8_t>(std::min<std::size_t>(terms.size(), 255));
        for (const std::string& term : terms)
            for (std::string& lemma : lemmasOf(term)) {
                lemmas.all.insert(lemma);
                lemmas.ofText[id].push_back(std::move(lemma));
            }
    }
    return lemmas;
}

// The texts of each lemma (numbered in order), one list after another.
void textsByLemma(const TextLemmas& lemmas,
                  const std::map<std::string_view, std::uint32_t>& lemmaId,
                  std::vector<std::uint32_t>& textStart, std::vector<std::uint32_t>& texts) {
    std::vector<std::vector<std::uint32_t>> textsOfLemma(lemmas.all.size());
    for (std::uint32_t id = 0; id < lemmas.ofText.size(); ++id) {
        std::vector<std::uint32_t> ids;
        for (const std::string& lemma : lemmas.ofText[id])
            ids.push_back(lemmaId.at(lemma));
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        for (const std::uint32_t lemma : ids)
            textsOfLemma[lemma].push_back(id);
    }
    textStart.assign(1, 0);
    for (const auto& list : textsOfLemma) {
        texts.insert(texts.end(), list.begin(), list.end());
        textStart.push_back(static_cast<std::uint32_t>(texts.size()));
    }
}

// The forms that lead to a lemma of the texts, by the hash of the form.
void formsByHash(const WordForms* forms, const std::map<std::string_view, std::uint32_t>& lemmaId,
                 std::vector<std::uint64_t>& formHash, std::vector<std::uint32_t>& formLemma) {
    std::vector<std::pair<std::uint64_t, std::uint32_t>> formEntries;
    if (forms)
        for (const auto& [form, lemmas] : forms->lemmasOf)
            for (const std::string& lemma : lemmas)
                if (const auto found = lemmaId.find(lemma); found != lemmaId.end())
                    formEntries.emplace_back(LemmaIndex::FormHash(form), found->second);
    std::sort(formEntries.begin(), formEntries.end());
    formEntries.erase(std::unique(formEntries.begin(), formEntries.end()), formEntries.end());
    for (const auto& [hash, lemma] : formEntries) {
        formHash.push_back(hash);
        formLemma.push_back(lemma);
    }
}

} // namespace

LemmaIndex LemmaIndex::Build(const AnswerSpace& space, const WordForms* forms,
                             const WordFrequencies* frequencies) {
    TextLemmas lemmas = lemmasOfTexts(space, forms);
    std::map<std::string_view, std::uint32_t> lemmaId;
    std::vector<char> lemmaBytes;
    std::vector<std::uint32_t> lemmaStart{0};
    for (const std::string& lemma : lemmas.all) {
        lemmaId.emplace(lemma, static_cast<std::uint32_t>(lemmaStart.size() - 1));
        lemmaBytes.insert(lemmaBytes.end(), lemma.begin(), lemma.end());
        lemmaStart.push_back(static_cast<std::uint32_t>(lemmaBytes.size()));
    }
    std::vector<std::uint32_t> textStart, texts;
    textsByLemma(lemmas, lemmaId, textStart, texts);
    std::vector<std::uint64_t> formHash;
    std::vector<std::uint32_t> formLemma;
    formsByHash(forms, lemmaId, formHash, formLemma);
    std::vector<std::uint32_t> frequency(space.size(), kUnlisted);
    if (frequencies)
        for (std::uint32_t id = 0; id < space.size(); ++id)
            if (const auto found = frequencies->find(std::string(space.text(id)));
                found != frequencies->end())
                frequency[id] = found->second;

    Arrays made;
    made.lemmaBytes = PagedArray<char>(std::move(lemmaBytes));
    made.lemmaStart = PagedArray<std::uint32_t>(std::move(lemmaStart));
    made.textStart = PagedArray<std::uint32_t>(std::move(textStart));
    made.texts = PagedArray<std::uint32_t>(std::move(texts));
    made.textWords = PagedArray<std::uint8_t>(std::move(lemmas.wordCounts));
    made.formHash = PagedArray<std::uint64_t>(std::move(formHash));
    made.formLemma = PagedArray<std::uint32_t>(std::move(formLemma));
    made.frequency = PagedArray<std::uint32_t>(std::move(frequency));
    return LemmaIndex(std::move(made));
}

std::string_view LemmaIndex::lemma(std::uint32_t id) const {
    const auto bounds = arrays_.lemmaStart.slice(id, 2);
    const auto bytes = arrays_.lemmaBytes.slice(bounds[0], bounds[1] - bounds[0]);
    return {bytes.data(), bytes.size()};
}

std::uint32_t LemmaIndex::lowerBound(std::string_view text) const {
    std::uint32_t first = 0;
    for (std::size_t count = lemmaCount(); count > 0;) {
        const std::size_t half = count / 2;
        if (lemma(static_cast<std::uint32_t>(first + half)) < text) {
            first += static_cast<std::uint32_t>(half + 1);
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return first;
}

std::vector<std::uint32_t> LemmaIndex::lemmasOfTerm(const std::string& term) const {
    std::vector<std::uint32_t> found;
    const std::uint64_t hash = FormHash(term);
    const auto& hashes = arrays_.formHash;
    std::size_t first = 0;
    for (std::size_t count = hashes.size(); count > 0;) {
        const std::size_t half = count / 2;
        if (hashes[first + half] < hash) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    for (std::size_t at = first; at < hashes.size() && hashes[at] == hash; ++at)
        found.push_back(arrays_.formLemma[at]);
    const std::uint32_t exact = lowerBound(term);
    if (exact < lemmaCount() && lemma(exact) == term &&
        std::find(found.begin(), found.end(), exact) == found.end())
        found.push_back(exact);
    return found;
}

std::vector<std::uint32_t> LemmaIndex::lemmasLike(const std::string& term) const {
    constexpr std::size_t kShared = 5;
    std::vector<std::uint32_t> found;
    if (term.size() < kShared) return found;
    const std::string_view head = std::string_view(term).substr(0, kShared);
    const std::size_t needed = std::max(kShared, term.size() > 3 ? term.size() - 3 : 0);
    for (std::uint32_t id = lowerBound(head); id < lemmaCount() && found.size() < 64; ++id) {
        const std::string_view candidate = lemma(id);
        if (!candidate.starts_with(head)) break;
        std::size_t shared = 0;
        while (shared < candidate.size() && shared < term.size() &&
               candidate[shared] == term[shared])
            ++shared;
        if (shared >= needed || (shared == candidate.size() && shared >= kShared))
            found.push_back(id);
    }
    return found;
}

std::span<const std::uint32_t> LemmaIndex::textsOf(std::uint32_t lemma) const {
    const auto bounds = arrays_.textStart.slice(lemma, 2);
    return arrays_.texts.slice(bounds[0], bounds[1] - bounds[0]);
}

} // namespace zadrovec
