// The answer space of the solver: every headword and every meaning of the dictionaries as an
// upper-case text, each text once with the dictionaries it came from, and the pairs of a
// headword with its meanings. Texts are numbered in the Czech order of the lists.
#pragma once

#include "messages.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
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
    std::uint16_t unused = 0;    // so that the stored form has no undefined bytes
};

class SquareIndex;

// The arrays of an answer space or of an index: spans into memory that `storage` keeps, either
// vectors made in memory or a stored file read in one piece.
template <typename T> using Array = std::span<const T>;

class AnswerSpace {
public:
    AnswerSpace() = default;
    AnswerSpace(AnswerSpace&&) = default;
    AnswerSpace& operator=(AnswerSpace&&) = default;
    ~AnswerSpace();

    std::size_t size() const { return textStart_.empty() ? 0 : textStart_.size() - 1; }
    std::string_view text(std::uint32_t id) const {
        return {textBytes_.data() + textStart_[id], textStart_[id + 1] - textStart_[id]};
    }
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
    // The index of the default rules when it came ready with the answers (from a stored file).
    std::shared_ptr<const SquareIndex> storedIndex;

private:
    friend class AnswerSpaceBuilder;
    friend struct AnswerSpaceArrays;
    Array<char> textBytes_;
    Array<std::uint32_t> textStart_;
    Array<DictionaryMask> dictionaries_;
    Array<std::uint32_t> partnerStart_;
    Array<AnswerPartner> partners_;
    std::shared_ptr<const void> storage_;
};

// Access to the arrays for storing (const) and reading them back.
struct AnswerSpaceArrays {
    static Array<char>& textBytes(AnswerSpace& s) { return s.textBytes_; }
    static Array<std::uint32_t>& textStart(AnswerSpace& s) { return s.textStart_; }
    static Array<DictionaryMask>& dictionaries(AnswerSpace& s) { return s.dictionaries_; }
    static Array<std::uint32_t>& partnerStart(AnswerSpace& s) { return s.partnerStart_; }
    static Array<AnswerPartner>& partners(AnswerSpace& s) { return s.partners_; }
    static std::shared_ptr<const void>& storage(AnswerSpace& s) { return s.storage_; }
    static Array<char> textBytes(const AnswerSpace& s) { return s.textBytes_; }
    static Array<std::uint32_t> textStart(const AnswerSpace& s) { return s.textStart_; }
    static Array<DictionaryMask> dictionaries(const AnswerSpace& s) { return s.dictionaries_; }
    static Array<std::uint32_t> partnerStart(const AnswerSpace& s) { return s.partnerStart_; }
    static Array<AnswerPartner> partners(const AnswerSpace& s) { return s.partners_; }
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
// is told and ends that dictionary; what was read stays. The answers stored beside the
// dictionaries (answerfile.h) are taken instead when they were made from these very files.
AnswerSpace LoadAnswerSpace(const std::string& folder, Messages& messages);

// Reads the dictionaries and stores their answers beside them. False, and nothing stored, when
// a dictionary that is there could not be read whole or none is there; throws
// std::runtime_error when the file cannot be written.
bool StoreAnswerSpace(const std::string& folder, Messages& messages);

} // namespace zadrovec
