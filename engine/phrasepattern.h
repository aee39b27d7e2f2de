// Patterns of phrases for the tajenka: words separated by spaces ("????? ?? ???"), each word a
// pattern of squares as in SquarePattern ("*" inside a word is any run within that word), and
// "*" standing alone for any number of whole words (also none). A phrase's words are its runs of
// letters: spaces and punctuation between them are skipped.
#pragma once

#include "solverpattern.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// The words of a text under the rules: each run of letters as its squares (CH one square only
// within a word).
std::vector<Squares> TextWords(std::string_view cp1250, const SquareRules& rules);

class PhrasePattern {
public:
    // True when the text holds a space between other characters: a pattern of words. A pattern
    // with spaces only around one word is that word's pattern of squares.
    static bool HasWords(std::string_view cp1250);

    // Repeated spaces are one, and so are neighbouring stand-alone "*". Throws SolverInputError
    // for a pattern of spaces only and for what SquarePattern refuses in a word.
    PhrasePattern(std::string_view cp1250, const SquareRules& rules, std::string_view what);

    std::size_t wordCount() const { return items_.size(); }
    // The pattern of the phrase's squares alone: the words' patterns one after another, a "*"
    // for each stand-alone one. Every phrase that matches matches it too, unless CH joins the
    // last letter of a word with the first of the next.
    const std::string& squarePattern() const { return squarePattern_; }

    // Linear in the number of words times the pattern's words.
    bool matches(const std::vector<Squares>& words) const;
    // The same for the words of a text (TextWords), without making them one by one.
    bool matchesText(std::string_view cp1250, const SquareRules& rules) const;

private:
    struct Item {
        std::optional<SquarePattern> word; // none for a stand-alone "*"
    };
    bool matches(const std::vector<Squares>& words, std::size_t count) const;

    std::vector<Item> items_;
    bool anyWords_ = false; // a stand-alone "*" among the items
    std::string squarePattern_;
};

// "5,2,3": a pattern of words of these lengths ("????? ?? ???"). Throws SolverInputError for
// anything but positive numbers separated by commas, or a word longer than the longest answer.
std::string WordLengthsPattern(std::string_view lengths);

} // namespace zadrovec
