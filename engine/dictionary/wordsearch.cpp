#include "engine/dictionary/wordsearch.h"

#include "engine/dictionary/hits_p.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace zadrovec {
namespace {

constexpr std::array<unsigned char, 256> makeUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<unsigned char>(byte);
    for (int letter = 'a'; letter <= 'z'; ++letter)
        table[letter] = static_cast<unsigned char>(letter - 0x20);
    // á č ď é ě í ň ó ř š ť ú ů ý ž
    constexpr std::array<std::pair<unsigned char, unsigned char>, 15> czech = {{
        {0xE1, 0xC1},
        {0xE8, 0xC8},
        {0xEF, 0xCF},
        {0xE9, 0xC9},
        {0xEC, 0xCC},
        {0xED, 0xCD},
        {0xF2, 0xD2},
        {0xF3, 0xD3},
        {0xF8, 0xD8},
        {0x9A, 0x8A},
        {0x9D, 0x8D},
        {0xFA, 0xDA},
        {0xF9, 0xD9},
        {0xFD, 0xDD},
        {0x9E, 0x8E},
    }};
    for (auto [small, capital] : czech)
        table[small] = capital;
    return table;
}

constexpr auto kUpper = makeUpperTable();

bool samePrefix(std::string_view a, std::string_view b, std::size_t length) {
    return a.size() >= length && b.size() >= length && a.substr(0, length) == b.substr(0, length);
}

} // namespace

void CzechUpperCase(std::string& text) {
    for (char& character : text)
        character = static_cast<char>(kUpper[static_cast<unsigned char>(character)]);
}

SearchOutcome SearchWords(Dictionary& dictionary, std::string_view text) {
    std::string wanted(text);
    CzechUpperCase(wanted);

    // The index slots of the text's first one, two and three characters, as far as they go.
    PrefixIndex& index = dictionary.prefixIndex();
    const auto byFirst =
        wanted.empty() ? std::nullopt : index.findFirst(static_cast<unsigned char>(wanted[0]));
    if (!byFirst) return {};
    const auto bySecond = wanted.size() >= 2
                              ? index.findSecond(*byFirst, static_cast<unsigned char>(wanted[1]))
                              : std::nullopt;
    const auto byThird = wanted.size() >= 3 && bySecond
                             ? index.findThird(*bySecond, static_cast<unsigned char>(wanted[2]))
                             : std::nullopt;
    dictionary.seek(index.recordNumber(byThird ? *byThird : bySecond ? *bySecond : *byFirst));

    Hits hits;
    try {
        for (;;) {
            dictionary.read();
            const std::string_view record = dictionary.record();
            const std::string_view headword = Headword(record);
            if (headword.size() >= wanted.size() && headword.substr(0, wanted.size()) == wanted)
                hits.add(headword, MeaningsText(record));

            // The reading ends where the headwords leave the slot it started in.
            const std::size_t slotPrefix = (byThird && headword.size() >= 3)    ? 3
                                           : (bySecond && headword.size() >= 2) ? 2
                                                                                : 1;
            if (headword.empty() || !samePrefix(headword, wanted, slotPrefix)) break;
            if (dictionary.atEnd()) break;
        }
    } catch (const IoError& error) {
        return {hits.partial(), error};
    }
    return {hits.finish(), std::nullopt};
}

void SplitMeanings(std::string_view meaningsText, std::vector<std::string>& out) {
    for (auto end = meaningsText.find(';'); end != std::string_view::npos;
         end = meaningsText.find(';')) {
        out.emplace_back(meaningsText.substr(0, end));
        meaningsText.remove_prefix(end + 1);
    }
}

std::vector<std::string> MeaningsOf(std::string_view headword,
                                    std::span<const std::string> hitHeadwords,
                                    std::span<const std::string> hitMeanings) {
    std::vector<std::string> meanings;
    const std::size_t rows = std::min(hitHeadwords.size(), hitMeanings.size());
    for (std::size_t row = 0; row < rows; ++row)
        if (hitHeadwords[row] == headword) SplitMeanings(hitMeanings[row], meanings);
    SortCzech(meanings);
    meanings.erase(std::unique(meanings.begin(), meanings.end()), meanings.end());
    return meanings;
}

} // namespace zadrovec
