// The clue texts of the answer space by the lemmas of their words, for clues given as printed
// legends: lemma to the clue texts that hold it, the word forms that lead to each lemma, and
// how common each answer is as a Czech word. Clue texts are the texts paired with another.
#pragma once

#include "engine/files/pagedarray.h"
#include "engine/solver/answerspace.h"

#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zadrovec {

// Word forms by lemma, folded (capitals without diacritics): what a legend word may be a form
// of. Made at build time from the Czech word list's affix rules.
struct WordForms {
    std::unordered_map<std::string, std::vector<std::string>> lemmasOf; // form to its lemmas
};

// Reads lines "LEMMA<TAB>FORM FORM ..." (UTF-8), keeping the lemmas of which a form or the
// lemma itself is among `wanted` (folded terms).
WordForms ReadWordForms(std::istream& in, const std::unordered_set<std::string>& wanted);

// A word in capitals (Windows-1250) to its place among the most frequent Czech words (1 the most
// frequent).
using WordFrequencies = std::unordered_map<std::string, std::uint32_t>;

// Reads lists of words, one a line (UTF-8), the most frequent first; a word keeps its best place.
void ReadWordFrequencies(std::istream& in, WordFrequencies& frequencies);

class LemmaIndex {
public:
    static constexpr std::uint32_t kUnlisted = 0xFFFFFFFF; // no place among frequent words

    struct Arrays {
        PagedArray<char> lemmaBytes;          // the lemmas, folded, in byte order
        PagedArray<std::uint32_t> lemmaStart; // where each starts, and the end
        PagedArray<std::uint32_t> textStart;  // where each lemma's clue texts start
        PagedArray<std::uint32_t> texts;      // the clue texts of each lemma, ascending
        PagedArray<std::uint8_t> textWords;   // per text: its distinct words, at most 255
        PagedArray<std::uint64_t> formHash;   // word forms by hash, ascending
        PagedArray<std::uint32_t> formLemma;  // the lemma of each form
        PagedArray<std::uint32_t> frequency;  // per text: its place among frequent words
    };

    LemmaIndex() = default;
    explicit LemmaIndex(Arrays arrays) : arrays_(std::move(arrays)) {}
    // The index of the space's clue texts; without forms every word is its own lemma.
    static LemmaIndex Build(const AnswerSpace& space, const WordForms* forms,
                            const WordFrequencies* frequencies);
    // The folded terms of every clue text of the space, to read word forms for.
    static std::unordered_set<std::string> ClueTerms(const AnswerSpace& space);

    const Arrays& arrays() const { return arrays_; }
    std::size_t lemmaCount() const {
        return arrays_.textStart.empty() ? 0 : arrays_.textStart.size() - 1;
    }
    std::string_view lemma(std::uint32_t id) const;
    // The lemmas a folded legend term is a form of, or is.
    std::vector<std::uint32_t> lemmasOfTerm(const std::string& term) const;
    // The lemmas that share at least the first five letters and all but the last three of term.
    std::vector<std::uint32_t> lemmasLike(const std::string& term) const;
    std::span<const std::uint32_t> textsOf(std::uint32_t lemma) const;
    std::uint8_t wordsOfText(std::uint32_t text) const { return arrays_.textWords[text]; }
    std::uint32_t frequency(std::uint32_t text) const { return arrays_.frequency[text]; }

    static std::uint64_t FormHash(std::string_view folded);

private:
    // The first lemma not below text, by binary search over the sorted lemmas.
    std::uint32_t lowerBound(std::string_view text) const;

    Arrays arrays_;
};

} // namespace zadrovec
