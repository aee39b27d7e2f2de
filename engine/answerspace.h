// The answer space of the solver: every headword and every meaning of the dictionaries as an
// upper-case text, each text once with the dictionaries it came from, and the pairs of a
// headword with its meanings. Texts are numbered in the Czech order of the lists.
#pragma once

#include "messages.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zadrovec {

// The dictionaries of the answers in their order: the eight, then the additional two, which are
// read only when their files are in the data folder.
inline constexpr std::array<std::string_view, 10> kAnswerDictionaries = {
    "hlavni", "mesta", "chzn", "meny", "mpzspz", "osobnost", "letadla", "podniky", "cizi", "slova"};
inline constexpr std::size_t kRequiredAnswerDictionaries = 8;

// A set of dictionaries: bit i stands for kAnswerDictionaries[i].
using DictionaryMask = std::uint16_t;

std::vector<std::string_view> DictionaryNames(DictionaryMask mask);

struct AnswerPartner {
    std::uint32_t text;
    DictionaryMask dictionaries; // of the pairs with this partner
};

class AnswerSpace {
public:
    std::size_t size() const { return texts_.size(); }
    const std::string& text(std::uint32_t id) const { return texts_[id]; }
    DictionaryMask dictionaries(std::uint32_t id) const { return dictionaries_[id]; }
    // The texts paired with this one, either way, in the Czech order.
    const AnswerPartner* partnersBegin(std::uint32_t id) const {
        return partners_.data() + partnerStart_[id];
    }
    const AnswerPartner* partnersEnd(std::uint32_t id) const {
        return partners_.data() + partnerStart_[id + 1];
    }

    // What loading told the user (dictionaries not found, read errors), and how many
    // dictionaries could be opened.
    int openedDictionaries = 0;
    bool readError = false;

private:
    friend class AnswerSpaceBuilder;
    std::vector<std::string> texts_;
    std::vector<DictionaryMask> dictionaries_;
    std::vector<std::uint32_t> partnerStart_{0};
    std::vector<AnswerPartner> partners_;
};

// Collects records and makes the answer space of them.
class AnswerSpaceBuilder {
public:
    // One record's text of dictionary number `dictionary` (in kAnswerDictionaries). A record
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

// Reads the dictionaries of folder in order. The eight are opened as everywhere (a failure is
// told through messages); the additional two only when both their files are there. A read error
// is told and ends that dictionary; what was read stays.
AnswerSpace LoadAnswerSpace(const std::string& folder, Messages& messages);

} // namespace zadrovec
