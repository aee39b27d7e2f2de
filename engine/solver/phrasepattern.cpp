#include "engine/solver/phrasepattern.h"

#include <algorithm>
#include <charconv>

namespace zadrovec {

namespace {

// Calls f with each run of letters of a Windows-1250 text, in order.
template <typename F> void forEachWord(std::string_view cp1250, F f) {
    const auto letter = [&cp1250](std::size_t i) {
        return IsCp1250Letter(static_cast<unsigned char>(cp1250[i]));
    };
    for (std::size_t at = 0; at < cp1250.size();) {
        if (!letter(at)) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < cp1250.size() && letter(end))
            ++end;
        f(cp1250.substr(at, end - at));
        at = end;
    }
}

} // namespace

std::vector<Squares> TextWords(std::string_view cp1250, const SquareRules& rules) {
    std::vector<Squares> words;
    forEachWord(cp1250,
                [&](std::string_view word) { LetterSquares(word, rules, words.emplace_back()); });
    return words;
}

std::size_t AppendWordSquares(std::string_view cp1250, const SquareRules& rules,
                              std::vector<std::uint8_t>& out) {
    thread_local Squares word;
    std::size_t count = 0;
    forEachWord(cp1250, [&](std::string_view letters) {
        word.clear();
        LetterSquares(letters, rules, word);
        out.push_back(static_cast<std::uint8_t>(std::min<std::size_t>(word.size(), 255)));
        ++count;
    });
    return count;
}

SquarePattern PhrasePattern::wordPattern(std::string_view phrase, std::string_view word,
                                         const SquareRules& rules, QuestionField field) {
    try {
        return SquarePattern(word, rules, field);
    } catch (const SolverInputError& error) {
        // Where the word's problem lies in the whole phrase.
        QuestionProblem problem = error.problem();
        problem.position += static_cast<std::size_t>(word.data() - phrase.data());
        throw SolverInputError(problem, phrase);
    }
}

bool PhrasePattern::HasWords(std::string_view cp1250) {
    const auto first = cp1250.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    const auto last = cp1250.find_last_not_of(' ');
    return cp1250.substr(first, last - first + 1).find(' ') != std::string_view::npos;
}

PhrasePattern::PhrasePattern(std::string_view cp1250, const SquareRules& rules,
                             QuestionField field) {
    for (std::size_t at = 0; at < cp1250.size();) {
        if (cp1250[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = cp1250.find(' ', at);
        if (end == std::string_view::npos) end = cp1250.size();
        const std::string_view word = cp1250.substr(at, end - at);
        at = end;
        if (word.find_first_not_of('*') == std::string_view::npos) {
            if (!items_.empty() && !items_.back().word) continue; // "* *" is one "*"
            items_.push_back({});
            anyWords_ = true;
            ++starCount_;
            squarePattern_ += '*';
            continue;
        }
        SquarePattern pattern = wordPattern(cp1250, word, rules, field);
        const std::size_t shortest = pattern.minimumLength();
        const bool longer = pattern.hasStar();
        const bool anySquares = std::all_of(
            pattern.steps().begin(), pattern.steps().end(),
            [](const PatternStep& step) { return step.star || step.squares == AllSquares(); });
        lengthsDecide_ = lengthsDecide_ && anySquares;
        items_.push_back({std::move(pattern), shortest, longer, anySquares});
        squarePattern_ += word;
        onlyWord_ = word;
    }
    if (items_.empty()) throw SolverInputError({field, QuestionReason::OnlySpaces}, cp1250);
    if (fewestWords() != 1) onlyWord_.clear();
}

bool PhrasePattern::matches(const std::vector<Squares>& words) const {
    return matches(words, words.size());
}

bool PhrasePattern::matchesText(std::string_view cp1250, const SquareRules& rules) const {
    const auto letter = [&cp1250](std::size_t i) {
        return IsCp1250Letter(static_cast<unsigned char>(cp1250[i]));
    };
    // Without a stand-alone star the count of words decides first.
    if (!anyWords_) {
        std::size_t count = 0;
        for (std::size_t i = 0; i < cp1250.size(); ++i)
            count += letter(i) && (i == 0 || !letter(i - 1));
        if (count != items_.size()) return false;
    }
    // Kept between calls, so that a scan of many texts makes no words anew.
    thread_local std::vector<Squares> words;
    std::size_t count = 0;
    forEachWord(cp1250, [&](std::string_view word) {
        if (count == words.size()) words.emplace_back();
        words[count].clear();
        LetterSquares(word, rules, words[count++]);
    });
    return matches(words, count);
}

template <typename Fits> bool PhrasePattern::walk(std::size_t count, Fits fits) const {
    thread_local std::vector<char> reached, next;
    reached.assign(count + 1, 0);
    next.resize(count + 1);
    reached[0] = 1;
    for (const Item& item : items_) {
        std::fill(next.begin(), next.end(), 0);
        if (!item.word) {
            char any = 0; // any number of whole words: from each reached place onward
            for (std::size_t j = 0; j <= count; ++j)
                next[j] = any = any || reached[j];
        } else {
            for (std::size_t j = 0; j < count; ++j)
                if (reached[j] && fits(item, j)) next[j + 1] = 1;
        }
        reached.swap(next);
    }
    return reached[count] != 0;
}

bool PhrasePattern::matches(const std::vector<Squares>& words, std::size_t count) const {
    return walk(count, [&words](const Item& item, std::size_t j) {
        return item.word->matches(words[j].data(), words[j].size());
    });
}

PhrasePattern::LengthMatch
PhrasePattern::matchLengths(std::span<const std::uint8_t> wordSquares) const {
    const std::size_t count = wordSquares.size();
    if (count < fewestWords() || (!anyWords_ && count != items_.size())) return LengthMatch::No;
    const bool decides = lengthsDecide_ && std::find(wordSquares.begin(), wordSquares.end(), 255) ==
                                               wordSquares.end();
    const LengthMatch yes = decides ? LengthMatch::Yes : LengthMatch::TextTells;
    const auto fits = [&wordSquares](const Item& item, std::size_t j) {
        const std::size_t n = wordSquares[j];
        // A word of 255 squares may be longer: only the whole text tells.
        return n == item.shortest || (n > item.shortest && (item.longer || n == 255));
    };
    if (count >= 64) return walk(count, fits) ? yes : LengthMatch::No;
    // The same walk with the places as bits: a phrase after phrase scan makes nothing.
    std::uint64_t reached = 1;
    for (const Item& item : items_) {
        if (!item.word) {
            reached |= ~(reached - 1) & ((std::uint64_t{2} << count) - 1); // from the first on
            continue;
        }
        std::uint64_t next = 0;
        for (std::size_t j = 0; j < count; ++j)
            if ((reached >> j & 1) && fits(item, j)) next |= std::uint64_t{2} << j;
        if (next == 0) return LengthMatch::No;
        reached = next;
    }
    return (reached >> count & 1) != 0 ? yes : LengthMatch::No;
}

bool IsWordLengths(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos &&
           text.find_first_not_of("0123456789,") == std::string_view::npos;
}

std::string WordLengthsPattern(std::string_view lengths) {
    std::string pattern;
    for (std::size_t at = 0; at <= lengths.size();) {
        std::size_t end = lengths.find(',', at);
        if (end == std::string_view::npos) end = lengths.size();
        const std::string_view number = lengths.substr(at, end - at);
        int length = 0;
        const auto [rest, error] =
            std::from_chars(number.data(), number.data() + number.size(), length);
        if (number.empty() || error != std::errc() || rest != number.data() + number.size() ||
            length < 1 || length > kLongestWordLength) {
            // "5,2," is on its way to one more length.
            const bool unfinished = number.empty() && end == lengths.size() && at > 0;
            throw SolverInputError({QuestionField::WordLengths,
                                    unfinished ? QuestionReason::WordLengthsUnfinished
                                               : QuestionReason::WordLengthsInvalid,
                                    at, at < lengths.size() ? lengths[at] : '\0'},
                                   lengths);
        }
        if (!pattern.empty()) pattern += ' ';
        pattern.append(static_cast<std::size_t>(length), '?');
        at = end + 1;
    }
    return pattern;
}

} // namespace zadrovec
