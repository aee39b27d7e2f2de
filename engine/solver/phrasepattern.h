// Patterns of phrases for the tajenka: words separated by spaces ("????? ?? ???"), each word a
// pattern of squares as in SquarePattern ("*" inside a word is any run within that word), and
// "*" standing alone for any number of whole words (also none). A phrase's words are its runs of
// letters: spaces and punctuation between them are skipped.
#pragma once

#include "engine/solver/solverpattern.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// The words of a text under the rules: each run of letters as its squares (CH one square only
// within a word).
std::vector<Squares> TextWords(std::string_view cp1250, const SquareRules& rules);
// Appends the number of squares of each of those words (255 for a longer one); returns how many.
std::size_t AppendWordSquares(std::string_view cp1250, const SquareRules& rules,
                              std::vector<std::uint8_t>& out);

class PhrasePattern {
public:
    // True when the text holds a space between other characters: a pattern of words. A pattern
    // with spaces only around one word is that word's pattern of squares.
    static bool HasWords(std::string_view cp1250);

    // Repeated spaces are one, and so are neighbouring stand-alone "*". Throws SolverInputError
    // for a pattern of spaces only and for what SquarePattern refuses in a word.
    PhrasePattern(std::string_view cp1250, const SquareRules& rules, QuestionField field);

    std::size_t wordCount() const { return items_.size(); }
    // The words every matching phrase has at least: those that are no stand-alone "*".
    std::size_t fewestWords() const { return items_.size() - starCount_; }
    // The pattern of the phrase's squares alone: the words' patterns one after another, a "*"
    // for each stand-alone one. Every phrase that matches matches it too, unless CH joins the
    // last letter of a word with the first of the next.
    const std::string& squarePattern() const { return squarePattern_; }
    // With fewestWords() == 1, the pattern of that word: an answer of one word matches the
    // whole pattern exactly when it matches this. Empty otherwise.
    const std::string& onlyWord() const { return onlyWord_; }

    // Linear in the number of words times the pattern's words.
    bool matches(const std::vector<Squares>& words) const;
    // The same for the words of a text (TextWords), without making them one by one.
    bool matchesText(std::string_view cp1250, const SquareRules& rules) const;
    // What the squares of a phrase's words (AppendWordSquares) tell of a match: no, yes (every
    // word of the pattern takes any squares), or only the whole text tells.
    enum class LengthMatch { No, Yes, TextTells };
    LengthMatch matchLengths(std::span<const std::uint8_t> wordSquares) const;

private:
    struct Item {
        std::optional<SquarePattern> word; // none for a stand-alone "*"
        std::size_t shortest = 0;          // the word's squares at least
        bool longer = false;               // and more when it holds a "*"
        bool anySquares = false;           // only "?" and "*": its length decides
    };
    // reached[j]: the items so far can end just before word j. Walks the items over count
    // words; fits(item, j) says whether word j may be that item's.
    template <typename Fits> bool walk(std::size_t count, Fits fits) const;
    // A word's pattern; a problem in it is told at its place in the phrase.
    static SquarePattern wordPattern(std::string_view phrase, std::string_view word,
                                     const SquareRules& rules, QuestionField field);
    bool matches(const std::vector<Squares>& words, std::size_t count) const;

    std::vector<Item> items_;
    bool anyWords_ = false; // a stand-alone "*" among the items
    std::size_t starCount_ = 0;
    bool lengthsDecide_ = true; // every word of only "?" and "*"
    std::string squarePattern_;
    std::string onlyWord_;
};

// True for a text of digits and commas, with a digit: the lengths of a tajenka's words ("5,2,3")
// rather than a pattern of them.
bool IsWordLengths(std::string_view text);
// "5,2,3": a pattern of words of these lengths ("????? ?? ???"). Throws SolverInputError for
// anything but numbers from 1 to kLongestWordLength separated by commas.
std::string WordLengthsPattern(std::string_view lengths);

} // namespace zadrovec
