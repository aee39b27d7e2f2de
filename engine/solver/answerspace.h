// The answer space of the solver: every headword and every meaning of the dictionaries as an
// upper-case text, each text once with the dictionaries it came from, and the pairs of a
// headword with its meanings. Texts are numbered in the Czech order of the lists.
#pragma once

#include "engine/dictionary/dictionarytable.h"
#include "engine/dictionary/messages.h"
#include "engine/files/pagedarray.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zadrovec {

// The files a source of answers (in kDictionaries) is read from: its .dat and .idx, or for one
// text file (the phrases: they are longer than a record) its .txt and no second one ("").
std::array<std::string, 2> AnswerSourceFiles(std::string_view name);
// A message about source `name` that says which it is and where it was looked for (Windows-1250).
std::string NamedSourceMessage(const std::string& folder, std::string_view name,
                               const std::string& text);

// A set of dictionaries: bit i stands for kDictionaries[i].
using DictionaryMask = std::uint16_t;

std::vector<std::string_view> DictionaryNames(DictionaryMask mask);

struct AnswerPartner {
    std::uint32_t text;
    DictionaryMask dictionaries; // of the pairs with this partner
    std::uint16_t unused = 0;    // so that the stored form has no undefined bytes
};

class SquareIndex;
class LemmaIndex;

class AnswerSpace {
public:
    // The arrays of the answers, made in memory or read from the stored answers as used.
    struct Arrays {
        PagedArray<char> textBytes;          // every text, one after another
        PagedArray<std::uint32_t> textStart; // where each text starts, and the end
        PagedArray<DictionaryMask> dictionaries;
        PagedArray<std::uint32_t> partnerStart; // where each text's partners start, and the end
        PagedArray<AnswerPartner> partners;
    };

    AnswerSpace() = default;
    // The indexes come ready with the stored answers; answers read from the dictionaries have
    // none, and the solver makes its own.
    explicit AnswerSpace(Arrays arrays, std::shared_ptr<const SquareIndex> storedIndex = nullptr,
                         std::shared_ptr<const LemmaIndex> lemmas = nullptr)
        : arrays_(std::move(arrays)), storedIndex_(std::move(storedIndex)),
          lemmas_(std::move(lemmas)) {}

    std::size_t size() const { return arrays_.dictionaries.size(); }
    std::string_view text(std::uint32_t id) const {
        const auto bounds = arrays_.textStart.slice(id, 2);
        const auto bytes = arrays_.textBytes.slice(bounds[0], bounds[1] - bounds[0]);
        return {bytes.data(), bytes.size()};
    }
    DictionaryMask dictionaries(std::uint32_t id) const { return arrays_.dictionaries[id]; }
    // The texts paired with this one, either way, in the Czech order.
    std::span<const AnswerPartner> partners(std::uint32_t id) const {
        const auto bounds = arrays_.partnerStart.slice(id, 2);
        return arrays_.partners.slice(bounds[0], bounds[1] - bounds[0]);
    }
    const Arrays& arrays() const { return arrays_; }
    // Makes the texts and dictionaries, the partners, or the dictionaries alone of these answers
    // present at once: stored answers are then read in a few calls instead of one per answer.
    void prefetchTexts(std::span<const std::uint32_t> ids) const;
    void prefetchPartners(std::span<const std::uint32_t> ids) const;
    void prefetchDictionaries(std::span<const std::uint32_t> ids) const;

    // The index of the default rules when it came ready with the answers (the stored answers).
    const std::shared_ptr<const SquareIndex>& storedIndex() const { return storedIndex_; }
    // The lemmas of its clue texts when they came with the answers (the stored answers).
    const std::shared_ptr<const LemmaIndex>& lemmas() const { return lemmas_; }

private:
    Arrays arrays_;
    std::shared_ptr<const SquareIndex> storedIndex_;
    std::shared_ptr<const LemmaIndex> lemmas_;
};

// The name after a generic word of a place ("jezero Titicaca", "POUŠŤ GOBI"): an answer of its
// own, paired as the whole text is; empty for other texts.
std::string_view GenericNamePart(std::string_view text);

// Collects records and makes the answer space of them.
class AnswerSpaceBuilder {
public:
    // One record's text of dictionary number `dictionary` (in kDictionaryFiles). A record
    // without "@" gives nothing; the headword is the text before the first "@", the meanings are
    // the items of the rest ended by ";", trimmed of spaces, empty ones dropped.
    void addRecord(std::size_t dictionary, std::string_view recordText);
    AnswerSpace finish();

private:
    std::uint32_t textId(std::string_view text, DictionaryMask dictionary);

    std::unordered_map<std::string, std::uint32_t> ids_;
    std::vector<std::string> texts_;
    std::vector<DictionaryMask> dictionaries_;
    std::vector<std::pair<std::uint32_t, AnswerPartner>> pairs_; // headword, meaning
};

// The answers of a data folder with what loading them met.
struct LoadedAnswers {
    std::shared_ptr<const AnswerSpace> space;
    int openedDictionaries = 0; // how many dictionaries could be opened
    bool readError = false;     // a dictionary could not be read to its end
};

// Reads the dictionaries of folder in order. The eight are opened as everywhere (a failure is
// told through messages); the additional ones only when both their files are there. A read error
// is told and ends that dictionary; what was read stays.
// A reading stops early, with no answers, once `stop` is set (a window closing meanwhile).
LoadedAnswers ReadAnswerSpace(const std::string& folder, Messages& messages,
                              const std::atomic<bool>* stop = nullptr);

} // namespace zadrovec
