#include "engine/solver/answerspace.h"

#include "engine/dictionary/dictionaryfiles.h"
#include "engine/files/ioerror.h"
#include "engine/solver/legendwords.h"
#include "engine/solver/squares.h"
#include "engine/text/collation.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace zadrovec {
namespace {

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::array<std::string, 2> AnswerSourceFiles(std::string_view name) {
    const auto entry = std::find_if(kDictionaries.begin(), kDictionaries.end(),
                                    [name](const DictionaryEntry& e) { return e.file == name; });
    if (entry != kDictionaries.end() && entry->oneTextFile) return {std::string(name) + ".txt", ""};
    return {std::string(name) + ".dat", std::string(name) + ".idx"};
}

std::string NamedSourceMessage(const std::string& folder, std::string_view name,
                               const std::string& text) {
    const std::string path = (std::filesystem::path(folder) / AnswerSourceFiles(name)[0]).string();
    // The path as Windows-1250 when it can be, else with "?" for what cannot.
    std::string shown = Utf8ToCp1250(path).value_or(path);
    if (!Utf8ToCp1250(path))
        for (char& c : shown)
            if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return Cp1250Literal("Slovník ") + std::string(name) + " (" + shown + "): " + text;
}

std::vector<std::string_view> DictionaryNames(DictionaryMask mask) {
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < kDictionaryFiles.size(); ++i)
        if (mask & (1u << i)) names.push_back(kDictionaryFiles[i]);
    return names;
}

std::uint32_t AnswerSpaceBuilder::textId(std::string_view text, DictionaryMask dictionary) {
    const std::string upper = UpperCaseCp1250(text);
    const auto [entry, added] = ids_.try_emplace(upper, static_cast<std::uint32_t>(texts_.size()));
    if (added) {
        texts_.push_back(upper);
        dictionaries_.push_back(0);
    }
    dictionaries_[entry->second] |= dictionary;
    return entry->second;
}

void AnswerSpaceBuilder::addRecord(std::size_t dictionary, std::string_view recordText) {
    const auto at = recordText.find('@');
    if (at == std::string_view::npos) return;
    const auto bit = static_cast<DictionaryMask>(1u << dictionary);
    const std::string_view headword = recordText.substr(0, at);
    std::string_view rest = recordText.substr(at + 1);
    const bool hasHeadword = !headword.empty();
    // A text and the name it holds after a generic word, both paired alike.
    const auto ids = [&](std::string_view text) {
        std::vector<std::uint32_t> found{textId(text, bit)};
        if (const std::string_view name = GenericNamePart(text); !name.empty())
            found.push_back(textId(name, bit));
        return found;
    };
    const std::vector<std::uint32_t> heads =
        hasHeadword ? ids(headword) : std::vector<std::uint32_t>{};
    for (auto end = rest.find(';'); end != std::string_view::npos; end = rest.find(';')) {
        const std::string_view meaning = trimSpaces(rest.substr(0, end));
        rest.remove_prefix(end + 1);
        if (meaning.empty()) continue;
        const std::vector<std::uint32_t> meanings = ids(meaning);
        for (const std::uint32_t head : heads)
            for (const std::uint32_t id : meanings)
                if (head == heads[0] || id == meanings[0]) pairs_.push_back({head, {id, bit}});
    }
}

std::string_view GenericNamePart(std::string_view text) {
    // Words that name the kind of place before its name, folded.
    static constexpr std::string_view kGeneric[] = {
        "JEZERO",  "POUST",   "REKA",   "HORA",   "OSTROV",    "POLOOSTROV",
        "ZALIV",   "PRULIV",  "POHORI", "SOPKA",  "VRCH",      "STIT",
        "VODOPAD", "PRUSMYK", "PLESO",  "RYBNIK", "SOUOSTROVI"};
    const std::string folded = FoldedCapitals(text);
    for (const std::string_view generic : kGeneric) {
        if (!std::string_view(folded).starts_with(generic) || folded.size() <= generic.size() + 1 ||
            folded[generic.size()] != ' ')
            continue;
        const std::string_view name = text.substr(generic.size() + 1);
        // A name: its first word a capital in the source, no word of a phrase ("v Andách").
        const auto first = static_cast<unsigned char>(name.front());
        const std::string firstWord(name.substr(0, name.find(' ')));
        if (!IsCp1250Letter(first) || UpperCaseCp1250(name.substr(0, 1))[0] != name.front() ||
            IsStopWord(FoldedCapitals(firstWord)))
            return {};
        for (const char c : name)
            if (!IsCp1250Letter(static_cast<unsigned char>(c)) && c != ' ' && c != '-') return {};
        return name;
    }
    return {};
}

namespace {

using Ranges = std::vector<std::pair<std::size_t, std::size_t>>;

// Makes the offsets of ids present, then the ranges they give in items.
template <typename T>
void prefetchByOffsets(const PagedArray<std::uint32_t>& starts, const PagedArray<T>& items,
                       std::span<const std::uint32_t> ids) {
    if (!items.stored()) return;
    Ranges ranges;
    for (const std::uint32_t id : ids)
        ranges.emplace_back(id, std::size_t{id} + 2);
    starts.prefetch(ranges);
    ranges.clear();
    for (const std::uint32_t id : ids)
        if (std::size_t{id} + 2 <= starts.size()) {
            const auto bounds = starts.slice(id, 2);
            ranges.emplace_back(bounds[0], bounds[1]);
        }
    items.prefetch(ranges);
}

} // namespace

void AnswerSpace::prefetchTexts(std::span<const std::uint32_t> ids) const {
    prefetchDictionaries(ids);
    prefetchByOffsets(arrays_.textStart, arrays_.textBytes, ids);
}

void AnswerSpace::prefetchDictionaries(std::span<const std::uint32_t> ids) const {
    if (!arrays_.dictionaries.stored()) return;
    Ranges ranges;
    for (const std::uint32_t id : ids)
        ranges.emplace_back(id, std::size_t{id} + 1);
    arrays_.dictionaries.prefetch(ranges);
}

void AnswerSpace::prefetchPartners(std::span<const std::uint32_t> ids) const {
    prefetchByOffsets(arrays_.partnerStart, arrays_.partners, ids);
}

namespace {

// The vectors of an answer space while it is made.
struct OwnedAnswers {
    std::vector<char> textBytes;
    std::vector<std::uint32_t> textStart;
    std::vector<DictionaryMask> dictionaries;
    std::vector<std::uint32_t> partnerStart;
    std::vector<AnswerPartner> partners;
};

} // namespace

namespace {

// The texts' numbers in the Czech order, so that any list of numbers sorts as the lists do. The
// keys end in the texts' bytes, so no two are equal; their first eight bytes decide most
// comparisons without a look at the rest.
std::vector<std::uint32_t> czechOrder(const std::vector<std::string>& texts) {
    struct Entry {
        std::uint64_t head;
        std::uint32_t offset;
        std::uint32_t length;
    };
    std::string keys;
    std::vector<Entry> entries;
    entries.reserve(texts.size());
    for (const std::string& text : texts) {
        const std::size_t offset = keys.size();
        keys += CzechSortKey(text);
        Entry entry{0, static_cast<std::uint32_t>(offset),
                    static_cast<std::uint32_t>(keys.size() - offset)};
        for (std::size_t b = 0; b < 8; ++b)
            entry.head = entry.head << 8 |
                         (b < entry.length ? static_cast<unsigned char>(keys[offset + b]) : 0u);
        entries.push_back(entry);
    }
    std::vector<std::uint32_t> order(texts.size());
    for (std::uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const std::string_view all = keys;
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const Entry& x = entries[a];
        const Entry& y = entries[b];
        if (x.head != y.head) return x.head < y.head;
        return all.substr(x.offset, x.length) < all.substr(y.offset, y.length);
    });
    return order;
}

// Each pair both ways under the new numbers, each text's partners in order: a pair met again,
// or written both ways, is one link with the dictionaries of all.
void linkPairs(const std::vector<std::pair<std::uint32_t, AnswerPartner>>& pairs,
               const std::vector<std::uint32_t>& newId, OwnedAnswers& space) {
    std::vector<std::pair<std::uint32_t, AnswerPartner>> links;
    links.reserve(pairs.size() * 2);
    for (const auto& [oldHead, oldMeaning] : pairs) {
        const std::uint32_t head = newId[oldHead];
        const std::uint32_t meaning = newId[oldMeaning.text];
        links.push_back({head, {meaning, oldMeaning.dictionaries}});
        links.push_back({meaning, {head, oldMeaning.dictionaries}});
    }
    std::sort(links.begin(), links.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.text < b.second.text;
    });
    space.partnerStart.assign(newId.size() + 1, 0);
    for (std::size_t i = 0; i < links.size(); ++i) {
        const auto& [from, partner] = links[i];
        if (i > 0 && links[i - 1].first == from && links[i - 1].second.text == partner.text) {
            space.partners.back().dictionaries |= partner.dictionaries;
            continue;
        }
        space.partners.push_back(partner);
        space.partnerStart[from + 1] = static_cast<std::uint32_t>(space.partners.size());
    }
    for (std::size_t i = 1; i < space.partnerStart.size(); ++i)
        space.partnerStart[i] = std::max(space.partnerStart[i], space.partnerStart[i - 1]);
}

} // namespace

AnswerSpace AnswerSpaceBuilder::finish() {
    OwnedAnswers space;
    const std::vector<std::uint32_t> order = czechOrder(texts_);
    std::vector<std::uint32_t> newId(texts_.size());
    space.textStart.reserve(texts_.size() + 1);
    space.textStart.push_back(0);
    space.dictionaries.reserve(texts_.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        newId[order[i]] = i;
        const std::string& text = texts_[order[i]];
        space.textBytes.insert(space.textBytes.end(), text.begin(), text.end());
        space.textStart.push_back(static_cast<std::uint32_t>(space.textBytes.size()));
        space.dictionaries.push_back(dictionaries_[order[i]]);
    }
    linkPairs(pairs_, newId, space);
    ids_.clear();
    texts_.clear();
    dictionaries_.clear();
    pairs_.clear();
    return AnswerSpace({PagedArray<char>(std::move(space.textBytes)),
                        PagedArray<std::uint32_t>(std::move(space.textStart)),
                        PagedArray<DictionaryMask>(std::move(space.dictionaries)),
                        PagedArray<std::uint32_t>(std::move(space.partnerStart)),
                        PagedArray<AnswerPartner>(std::move(space.partners))});
}

namespace {

// Says which dictionary a message is about and where it was looked for: the answers come from
// a dozen sources, and "Tento slovník nebyl nalezen." alone names none.
class DictionaryNamingMessages : public Messages {
public:
    DictionaryNamingMessages(Messages& messages, std::string folder)
        : messages_(messages), folder_(std::move(folder)) {}
    void about(std::string_view name) { name_ = name; }

    void showMessage(const std::string& text) override { messages_.showMessage(named(text)); }
    void showError(const std::string& text) override { messages_.showError(named(text)); }
    void showInformation(const std::string& text) override {
        messages_.showInformation(named(text));
    }
    void setStatusText(const std::string& text) override { messages_.setStatusText(text); }

private:
    std::string named(const std::string& text) const {
        return NamedSourceMessage(folder_, name_, text);
    }

    Messages& messages_;
    std::string folder_;
    std::string_view name_;
};

enum class PhraseReading { Missing, Read, Failed };

// The phrases' file, a phrase a line; a line too long to be a phrase is skipped.
PhraseReading readPhrases(const std::string& folder, std::size_t source,
                          AnswerSpaceBuilder& builder, Messages& messages) {
    constexpr std::size_t kLongestLine = 4096;
    const std::filesystem::path path =
        std::filesystem::path(folder) / AnswerSourceFiles(kDictionaries[source].file)[0];
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return PhraseReading::Missing;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || line.size() > kLongestLine) continue;
        builder.addRecord(source, line);
    }
    if (in.bad() || (!in.eof() && in.fail())) {
        messages.showMessage(Cp1250Literal("Soubor nelze přečíst."));
        return PhraseReading::Failed;
    }
    return PhraseReading::Read;
}

} // namespace

LoadedAnswers ReadAnswerSpace(const std::string& folder, Messages& userMessages,
                              const std::atomic<bool>* stop) {
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    AnswerSpaceBuilder builder;
    DictionaryNamingMessages messages(userMessages, folder);
    Dictionary dictionary(folder, messages);
    int opened = 0;
    bool readError = false;
    for (std::size_t d = 0; d < kDictionaryFiles.size(); ++d) {
        const std::string_view name = kDictionaryFiles[d];
        if (kDictionaries[d].oneTextFile) {
            messages.about(name);
            const PhraseReading read = readPhrases(folder, d, builder, messages);
            opened += read != PhraseReading::Missing;
            readError = readError || read == PhraseReading::Failed;
            continue;
        }
        if (d >= kMainWindowDictionaries) {
            const std::filesystem::path base = std::filesystem::path(folder) / name;
            std::error_code error;
            if (!std::filesystem::exists(base.string() + ".dat", error) ||
                !std::filesystem::exists(base.string() + ".idx", error))
                continue;
        }
        messages.about(name);
        if (!dictionary.open(name)) continue;
        ++opened;
        try {
            dictionary.seek(0);
            if (!dictionary.atEnd()) dictionary.read(); // the header record
            for (std::size_t read = 0; !dictionary.atEnd(); ++read) {
                if (read % 512 == 0 && stopped()) break;
                dictionary.read();
                builder.addRecord(d, dictionary.record());
            }
        } catch (const IoError& error) {
            messages.showMessage(std::string(error.what()) + ".");
            readError = true;
        }
        dictionary.close();
        if (stopped()) return {std::make_shared<const AnswerSpace>(), opened, readError};
    }
    return {std::make_shared<const AnswerSpace>(builder.finish()), opened, readError};
}

} // namespace zadrovec
