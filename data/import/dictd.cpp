#include "data/import/dictd.h"

#include <sstream>

namespace zadrovec::import {

std::optional<std::size_t> dictdNumber(std::string_view digits) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::size_t value = 0;
    for (char c : digits) {
        const auto digit = kDigits.find(c);
        if (digit == std::string_view::npos) return std::nullopt;
        value = value * 64 + digit;
    }
    return value;
}

std::vector<DictdArticle> dictdArticles(const std::string& index, const std::string& dict,
                                        std::size_t& damaged) {
    std::vector<DictdArticle> articles;
    std::istringstream lines(index);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string headword, offset, length;
        if (!std::getline(fields, headword, '\t') || !std::getline(fields, offset, '\t') ||
            !std::getline(fields, length))
            continue;
        const auto at = dictdNumber(offset), size = dictdNumber(length);
        if (!at || !size || *at > dict.size() || *size > dict.size() - *at) {
            ++damaged;
            continue;
        }
        articles.push_back({headword, std::string_view(dict).substr(*at, *size)});
    }
    return articles;
}

std::vector<std::string> dictdTranslations(std::string_view article) {
    std::vector<std::string> translations;
    std::istringstream lines{std::string(article)};
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::string text;
        int depth = 0; // of brackets: remarks and domain marks go
        for (char c : line) {
            if (c == '(' || c == '[') ++depth;
            if (depth == 0) {
                if (c == ';') c = ','; // a cut like ","
                if (c == '\t' || c == '\r') c = ' ';
                text += c;
            }
            if ((c == ')' || c == ']') && depth > 0) --depth;
        }
        std::erase(text, '\\');
        if (text.find("Note:") != std::string::npos) continue;
        std::istringstream pieces(text);
        for (std::string piece; std::getline(pieces, piece, ',');) {
            const auto first = piece.find_first_not_of(" \t");
            if (first == std::string::npos) continue;
            const auto last = piece.find_last_not_of(" \t");
            std::string squeezed;
            for (char c : piece.substr(first, last - first + 1))
                if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) squeezed += c;
            translations.push_back(std::move(squeezed));
        }
    }
    return translations;
}

} // namespace zadrovec::import
