// The reader of a dictd dictionary (BASE.index and BASE.dict.dz) as FreeDict ships it: its
// articles and the translations each gives.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec::import {

// A number of the .index: base 64 digits, the most significant first.
std::optional<std::size_t> dictdNumber(std::string_view digits);

struct DictdArticle {
    std::string headword;  // as the .index spells it (folded to lower case)
    std::string_view text; // in the dictionary's text
};

// Every article the .index points to, in its order; entries pointing outside the text are
// counted in `damaged`.
std::vector<DictdArticle> dictdArticles(const std::string& index, const std::string& dict,
                                        std::size_t& damaged);

// The translations of an article: its first line repeats the headword, "Note:" lines explain,
// remarks and domain marks in brackets go, "," and ";" cut.
std::vector<std::string> dictdTranslations(std::string_view article);

} // namespace zadrovec::import
