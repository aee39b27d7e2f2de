#include "settings/inilayout.h"

#include "settings/cp1250case.h"

#include <optional>

namespace zadrovec {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0; // before the line break (LF or CR LF)
    std::size_t next = 0;       // start of the following line
    bool hasLineBreak = false;
};

Line lineAt(std::string_view text, std::size_t begin) {
    Line line{begin, text.size(), text.size(), false};
    const std::size_t lf = text.find('\n', begin);
    if (lf == std::string_view::npos) return line;
    line.hasLineBreak = true;
    line.next = lf + 1;
    line.contentEnd = (lf > begin && text[lf - 1] == '\r') ? lf - 1 : lf;
    return line;
}

// The trimmed name of a "[name]" line (text after "]" ignored), or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view trimmedLine) {
    if (trimmedLine.empty() || trimmedLine.front() != '[') return std::nullopt;
    const std::size_t close = trimmedLine.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return TrimBlanks(trimmedLine.substr(1, close - 1));
}

std::string smallLetters(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        c = static_cast<char>(Cp1250ToLower(static_cast<unsigned char>(c)));
    return folded;
}

KeyPlace shifted(KeyPlace place, std::size_t offset) {
    place.valueBegin += offset;
    place.valueEnd += offset;
    place.newKeyAt += offset;
    return place;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    KeyPlace place;
    bool inSection = false;
    for (std::size_t begin = 0; begin < text.size();) {
        const Line line = lineAt(text, begin);
        begin = line.next;
        const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
        const std::string_view trimmed = TrimBlanks(content);

        if (const auto name = sectionName(trimmed)) {
            if (inSection) break; // only the first section of the name counts
            if (EqualIgnoringCaseCp1250(*name, section)) {
                inSection = true;
                place.sectionFound = true;
                place.newKeyAt = line.next;
                place.newKeyNeedsLineBreakFirst = !line.hasLineBreak;
            }
            continue;
        }
        if (!inSection || trimmed.empty() || trimmed.front() == ';') continue;
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) continue;

        place.newKeyAt = line.next;
        place.newKeyNeedsLineBreakFirst = !line.hasLineBreak;
        if (EqualIgnoringCaseCp1250(TrimBlanks(content.substr(0, equals)), key)) {
            place.keyFound = true;
            place.valueBegin = line.begin + equals + 1;
            place.valueEnd = line.contentEnd;
            break;
        }
    }
    return place;
}

SectionIndex::SectionIndex(std::string_view text, std::size_t mostNames)
    : unindexedFrom_(text.size()), mostNames_(mostNames) {
    for (std::size_t begin = 0; begin < text.size();) {
        const Line line = lineAt(text, begin);
        const auto name = sectionName(TrimBlanks(text.substr(begin, line.contentEnd - begin)));
        if (name) {
            std::string folded = smallLetters(*name);
            if (!firstHeaders_.contains(folded) && firstHeaders_.size() == mostNames) {
                unindexedFrom_ = begin;
                complete_ = false;
                return;
            }
            firstHeaders_.try_emplace(std::move(folded), begin);
        }
        begin = line.next;
    }
}

void SectionIndex::moved(std::size_t position, std::ptrdiff_t delta) {
    const auto shift = [&](std::size_t& offset) {
        if (offset >= position)
            offset = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(offset) + delta);
    };
    for (auto& entry : firstHeaders_)
        shift(entry.second);
    if (!complete_) shift(unindexedFrom_);
}

void SectionIndex::appended(std::string_view section, std::size_t offset) {
    if (!complete_) return; // searched from where the index stopped, as before
    if (firstHeaders_.size() < mostNames_) {
        firstHeaders_.try_emplace(smallLetters(TrimBlanks(section)), offset);
    } else {
        complete_ = false;
        unindexedFrom_ = offset;
    }
}

KeyPlace SectionIndex::findKey(std::string_view text, std::string_view section,
                               std::string_view key) const {
    const auto found = firstHeaders_.find(smallLetters(TrimBlanks(section)));
    // A name not in the index can only begin where the index stopped.
    if (found == firstHeaders_.end() && complete_) return KeyPlace{};
    const std::size_t from = found != firstHeaders_.end() ? found->second : unindexedFrom_;
    KeyPlace place = zadrovec::FindKey(text.substr(from), section, key);
    return shifted(place, from);
}

} // namespace zadrovec
