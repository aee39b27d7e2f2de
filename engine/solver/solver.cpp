#include "engine/solver/solver.h"

#include "engine/solver/legendscore_p.h"
#include "engine/solver/legendwords.h"
#include "engine/solver/phrasepattern.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <optional>
#include <tuple>

namespace zadrovec {
namespace {

// How often each square is given; an answer has at most 80 squares, so more never matters.
using Counts = std::array<std::uint8_t, kSquareCount>;

// Calls emit for every number in all the lists (each ascending), in ascending order.
template <typename Emit>
void intersect(std::vector<std::span<const std::uint32_t>> lists, Emit&& emit) {
    std::sort(lists.begin(), lists.end(),
              [](const auto& a, const auto& b) { return a.size() < b.size(); });
    std::vector<const std::uint32_t*> at;
    for (const auto& list : lists)
        at.push_back(list.data());
    for (const std::uint32_t id : lists[0]) {
        bool everywhere = true;
        for (std::size_t l = 1; l < lists.size() && everywhere; ++l) {
            // Galloping: the next number is usually close by, so look near first.
            const std::uint32_t* end = lists[l].data() + lists[l].size();
            const std::uint32_t* from = at[l];
            std::size_t step = 1;
            while (from + step < end && from[step] < id)
                step *= 2;
            at[l] = std::lower_bound(from + step / 2, std::min(from + step + 1, end), id);
            if (at[l] == end) return;
            everywhere = *at[l] == id;
        }
        if (everywhere) emit(id);
    }
}

// Calls emit for the answers that may match the pattern within the lengths, by length and then
// in Czech order: the posting lists of the squares known before the first star and after the
// last one narrow each length down. The caller tests each.
template <typename Emit>
void patternCandidates(const SquarePattern& pattern, const SquareIndex& index, LengthRange range,
                       Emit&& emit) {
    const std::size_t shortest = std::max(range.shortest, pattern.minimumLength());
    std::size_t longest = std::min(range.longest, index.longest());
    if (!pattern.hasStar()) longest = std::min(longest, pattern.minimumLength());
    const auto& steps = pattern.steps();
    for (std::size_t n = shortest; n <= longest; ++n) {
        std::vector<std::span<const std::uint32_t>> lists;
        const auto known = [&](const PatternStep& step, std::size_t position) {
            if (step.squares.count() != 1) return;
            for (Square s = 0; s < kSquareCount; ++s)
                if (step.squares.test(s)) lists.push_back(index.withSquareAt(n, position, s));
        };
        if (n <= SquareIndex::kIndexedLength) {
            for (std::size_t i = 0; i < pattern.prefixLength(); ++i)
                known(steps[i], i);
            for (std::size_t k = 0; k < pattern.suffixLength(); ++k)
                known(steps[steps.size() - pattern.suffixLength() + k],
                      n - pattern.suffixLength() + k);
        }
        if (lists.empty()) {
            for (const std::uint32_t id : index.ofLength(n))
                emit(id);
        } else {
            intersect(std::move(lists), emit);
        }
    }
}

bool comesBySquares(const std::vector<SolvedAnswer>& answers) {
    return std::is_sorted(answers.begin(), answers.end(),
                          [](const auto& a, const auto& b) { return a.squares < b.squares; });
}

// Orders the answers by length, keeping their order within each length: a counting sort, as
// a scan may find a hundred thousand.
void groupByLength(std::vector<SolvedAnswer>& answers) {
    if (comesBySquares(answers)) return;
    std::vector<std::size_t> start;
    for (const SolvedAnswer& answer : answers) {
        if (answer.squares + 2 > start.size()) start.resize(answer.squares + 2, 0);
        ++start[answer.squares + 1];
    }
    for (std::size_t n = 1; n < start.size(); ++n)
        start[n] += start[n - 1];
    std::vector<SolvedAnswer> grouped(answers.size());
    for (SolvedAnswer& answer : answers)
        grouped[start[answer.squares]++] = std::move(answer);
    answers = std::move(grouped);
}

// Which of the answers have two words or more.
std::vector<bool> phraseAnswers(const SquareIndex& index, std::size_t answers) {
    std::vector<bool> ofWords(answers);
    for (const std::uint32_t id : index.arrays().phrases.whole())
        if (id < ofWords.size()) ofWords[id] = true;
    return ofWords;
}

SquareSet setOf(const Squares& squares) {
    SquareSet set;
    for (const Square s : squares)
        set.set(s);
    return set;
}

} // namespace

class Solver::Compiled {
public:
    // The fields are read in the order in which Diagnose tells their problems.
    explicit Compiled(const Question& q) : kind(q.kind), rules(q.rules) {
        if (kind == QuestionKind::Pattern) {
            if (!q.text.empty()) pattern.emplace(q.text, rules, QuestionField::Pattern);
        } else {
            letters = ParseOptionLetters(q.text, rules, LettersField(kind));
        }
        if (IsCluePattern(q.clue))
            clue.emplace(q.clue, rules, QuestionField::Clue);
        else if (!q.clue.empty())
            legend = q.clue;
        if (kind == QuestionKind::Pattern && !pattern && !clue && legend.empty())
            throw SolverInputError({QuestionField::Question, QuestionReason::NothingAsked}, {});
        if (!q.length.empty()) range = ParseLengthRange(q.length);
        if (!q.exclude.empty())
            exclude = setOf(ParseOptionLetters(q.exclude, rules, QuestionField::Exclude).letters);
        for (const Square s : letters.letters)
            if (need[s] < 255) ++need[s];
        letterSet = setOf(letters.letters);
        for (const Square s : letters.letters)
            if (need[s] > 1) repeatedLetters = true;
        if (pattern)
            for (const PatternStep& step : pattern->steps())
                if (!step.star && step.squares.count() == 1) patternLetters |= step.squares;
    }

    // The one test of an answer, which every way of finding answers ends in.
    // True when the length alone decides: no pattern, letters or excluded ones to look at.
    bool lengthDecides() const {
        return kind == QuestionKind::Pattern && !pattern && exclude.none();
    }

    bool accepts(const SquareIndex& index, std::uint32_t id) const {
        const std::size_t n = index.length(id);
        if (n == 0 || n < range.shortest || n > range.longest) return false;
        const SquareSet& present = index.letters(id);
        if (present.none()) return false; // only a clue
        if (lengthDecides()) return true;
        if ((present & exclude).any()) return false;
        const Square* squares = index.squares(id);
        const std::size_t given = letters.letters.size();
        switch (kind) {
        case QuestionKind::Pattern:
            if ((patternLetters & ~present).any()) return false;
            return !pattern || pattern->matches(squares, n);
        case QuestionKind::Anagram:
            if (n != given + letters.blanks || (letterSet & ~present).any()) return false;
            return !repeatedLetters || holdsNeeded(squares, n);
        case QuestionKind::Contains:
            if ((letterSet & ~present).any()) return false;
            return !repeatedLetters || holdsNeeded(squares, n);
        case QuestionKind::From: {
            if (n > given + letters.blanks) return false;
            // Every kind of square outside the letters takes a blank at least.
            if ((present & ~letterSet).count() > letters.blanks) return false;
            // Each square takes a given letter while one is left, else a blank.
            Counts left = need;
            std::size_t blanks = letters.blanks;
            for (std::size_t i = 0; i < n; ++i) {
                if (left[squares[i]] > 0)
                    --left[squares[i]];
                else if (blanks-- == 0)
                    return false;
            }
            return true;
        }
        }
        return false;
    }

    // accepts() for an answer whose words are known to match the pattern: the rest of the
    // question (length, excluded letters) decides.
    bool acceptsMatched(const SquareIndex& index, std::uint32_t id) const {
        const std::size_t n = index.length(id);
        if (n == 0 || n < range.shortest || n > range.longest) return false;
        const SquareSet& present = index.letters(id);
        return present.any() && (present & exclude).none();
    }

    // True when the posting lists of the pattern's letters give its answers exactly: a fixed
    // length, every step a letter or "?", nothing else to test.
    bool indexIsExact(const SquareIndex& index) const {
        if (kind != QuestionKind::Pattern || !pattern || pattern->hasStar() || exclude.any())
            return false;
        bool known = false;
        for (const PatternStep& step : pattern->steps()) {
            if (step.squares.count() == 1)
                known = true;
            else if (step.squares != AllSquares())
                return false;
        }
        return !known || pattern->minimumLength() <= SquareIndex::kIndexedLength ||
               index.longest() < pattern->minimumLength();
    }

    // True when no list narrows the answers down, so that reading all of them in memory order
    // is the fastest way.
    bool scansEverything() const {
        if (kind == QuestionKind::From || kind == QuestionKind::Contains) return true;
        if (kind != QuestionKind::Pattern || !pattern || !pattern->hasStar()) return false;
        const auto& steps = pattern->steps();
        for (std::size_t i = 0; i < pattern->prefixLength(); ++i)
            if (steps[i].squares.count() == 1) return false;
        for (std::size_t k = 0; k < pattern->suffixLength(); ++k)
            if (steps[steps.size() - 1 - k].squares.count() == 1) return false;
        return true;
    }

    // Calls emit with the answers that may pass, by length and then in Czech order.
    template <typename Emit> void candidates(const SquareIndex& index, Emit&& emit) const {
        const std::size_t given = letters.letters.size();
        switch (kind) {
        case QuestionKind::Pattern:
            patternCandidates(*pattern, index, range, emit);
            return;
        case QuestionKind::Anagram:
            if (letters.blanks == 0) {
                Squares sorted = letters.letters;
                std::sort(sorted.begin(), sorted.end());
                for (const std::uint32_t id : index.withSortedSquares(sorted))
                    emit(id);
            } else {
                for (const std::uint32_t id : index.ofLength(given + letters.blanks))
                    emit(id);
            }
            return;
        case QuestionKind::From:
            for (std::size_t n = range.shortest;
                 n <= std::min(range.longest, given + letters.blanks); ++n)
                for (const std::uint32_t id : index.ofLength(n))
                    emit(id);
            return;
        case QuestionKind::Contains:
            for (std::size_t n = std::max(range.shortest, given);
                 n <= std::min(range.longest, index.longest()); ++n)
                for (const std::uint32_t id : index.ofLength(n))
                    emit(id);
            return;
        }
    }

    QuestionKind kind;
    SquareRules rules;
    LengthRange range;
    SquareSet exclude;
    std::optional<SquarePattern> pattern;
    std::optional<SquarePattern> clue;
    std::string legend; // a clue as printed
    OptionLetters letters;
    Counts need{};
    SquareSet letterSet;
    bool repeatedLetters = false; // some letter is asked for more than once
    SquareSet patternLetters;     // the letters every match of the pattern holds

private:
    bool holdsNeeded(const Square* squares, std::size_t n) const {
        Counts left = need;
        std::size_t missing = letters.letters.size();
        for (std::size_t i = 0; i < n && missing > 0; ++i)
            if (left[squares[i]] > 0) {
                --left[squares[i]];
                --missing;
            }
        return missing == 0;
    }
};

const SquareIndex& Solver::index(const SquareRules& rules) {
    auto& slot = indexes_[{rules.strict, rules.chOneSquare}];
    if (!slot) {
        if (space_->storedIndex() && space_->storedIndex()->rules() == rules)
            slot = space_->storedIndex();
        else
            slot = std::make_shared<const SquareIndex>(*space_, rules);
    }
    return *slot;
}

std::vector<SolvedAnswer> Solver::solvePhrase(const Question& question, bool byScan) {
    const PhrasePattern phrase(question.text, question.rules, QuestionField::Pattern);
    Question squares = question;
    // With CH as one square the last letter of a word and the first of the next may join: only
    // the words decide then.
    // One word between spaces is a pattern of squares as any other, phrases matching it whole.
    const bool words = PhrasePattern::HasWords(question.text);
    squares.text = words && question.rules.chOneSquare ? "*" : phrase.squarePattern();
    if (words && !byScan && question.clue.empty()) {
        if (phrase.fewestWords() > 1) return solveWords(phrase, Compiled(squares));
        // A word of fixed length leaves few phrases to read; one of any length is better
        // found by its letters among all the answers.
        if (phrase.fewestWords() == 1 && phrase.onlyWord().find('*') == std::string::npos)
            return solveWordAmongStars(question, phrase, Compiled(squares));
    }
    std::vector<SolvedAnswer> answers = byScan ? solveByScan(squares) : solve(squares);
    if (!words) return answers;
    // With the index an answer of one word is decided by its squares: it matches a pattern of
    // one word among stars when it matches that word, and one of stars alone always. Only the
    // phrases are read whole; without the index, every answer is.
    std::vector<bool> ofWords;
    std::optional<SquarePattern> onlyWord;
    const SquareIndex* indexed = byScan ? nullptr : &index(question.rules);
    if (indexed) {
        ofWords = phraseAnswers(*indexed, space_->size());
        if (phrase.fewestWords() == 1)
            onlyWord.emplace(phrase.onlyWord(), question.rules, QuestionField::Pattern);
    }
    const auto readWhole = [&](std::uint32_t id) { return !indexed || ofWords[id]; };
    std::vector<std::uint32_t> ids;
    for (const SolvedAnswer& answer : answers)
        if (readWhole(answer.text)) ids.push_back(answer.text);
    space_->prefetchTexts(ids);
    std::erase_if(answers, [&](const SolvedAnswer& answer) {
        const std::uint32_t id = answer.text;
        if (readWhole(id)) return !phrase.matchesText(space_->text(id), question.rules);
        if (phrase.fewestWords() == 0) return false;
        return !onlyWord || !onlyWord->matches(indexed->squares(id), indexed->length(id));
    });
    return answers;
}

std::vector<SolvedAnswer> Solver::solveWords(const PhrasePattern& phrase,
                                             const Compiled& question) {
    // The lengths of the phrases' words first: they leave few phrases to read whole.
    const SquareIndex& squares = index(question.rules);
    const SquareIndex::Arrays& arrays = squares.arrays();
    const auto phrases = arrays.phrases.whole();
    const auto starts = arrays.phraseWordStart.whole();
    const auto words = arrays.phraseWords.whole();
    std::vector<std::uint32_t> candidates;
    std::vector<char> decided; // by the lengths alone
    for (std::size_t i = 0; i < phrases.size(); ++i) {
        if (starts[i] > starts[i + 1] || starts[i + 1] > words.size())
            ThrowOutsideArray("phraseStarts"); // a damaged stored index
        const auto match = phrase.matchLengths(words.subspan(starts[i], starts[i + 1] - starts[i]));
        if (match == PhrasePattern::LengthMatch::No) continue;
        candidates.push_back(phrases[i]);
        decided.push_back(match == PhrasePattern::LengthMatch::Yes);
    }
    squares.prefetch(candidates);
    if (std::find(decided.begin(), decided.end(), 0) != decided.end())
        space_->prefetchTexts(candidates);
    std::vector<SolvedAnswer> answers;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::uint32_t id = candidates[i];
        if (decided[i] ? question.acceptsMatched(squares, id)
                       : question.accepts(squares, id) &&
                             phrase.matchesText(space_->text(id), question.rules))
            answers.push_back({id, squares.length(id), {}});
    }
    groupByLength(answers);
    return answers;
}

std::vector<SolvedAnswer> Solver::solveWordAmongStars(const Question& question,
                                                      const PhrasePattern& phrase,
                                                      const Compiled& phrases) {
    Question word = question;
    word.text = phrase.onlyWord();
    std::vector<SolvedAnswer> answers = solve(word);
    // The answers of two words or more are the phrases' to answer, by their words.
    const std::vector<bool> ofWords = phraseAnswers(index(question.rules), space_->size());
    std::erase_if(answers, [&ofWords](const SolvedAnswer& answer) { return ofWords[answer.text]; });
    // Both lists are by squares, then in Czech order, which is the order of the answers' numbers.
    const std::vector<SolvedAnswer> fromPhrases = solveWords(phrase, phrases);
    const std::size_t middle = answers.size();
    answers.insert(answers.end(), fromPhrases.begin(), fromPhrases.end());
    std::inplace_merge(answers.begin(), answers.begin() + static_cast<std::ptrdiff_t>(middle),
                       answers.end(), [](const SolvedAnswer& a, const SolvedAnswer& b) {
                           return std::tie(a.squares, a.text) < std::tie(b.squares, b.text);
                       });
    return answers;
}

std::vector<SolvedAnswer> Solver::solve(const Question& question) {
    if (question.kind == QuestionKind::Pattern && question.text.find(' ') != std::string::npos)
        return solvePhrase(question, false);
    const Compiled compiled(question);
    const SquareIndex& squares = index(question.rules);
    if (compiled.clue) return solveClue(compiled, squares);
    if (!compiled.legend.empty()) return solveLegend(compiled, squares);
    std::vector<SolvedAnswer> answers;
    if (compiled.indexIsExact(squares)) {
        // The posting lists answer the pattern whole: no answer needs a look of its own.
        const std::size_t n = compiled.pattern->minimumLength();
        std::vector<std::uint32_t> ids;
        patternCandidates(*compiled.pattern, squares, compiled.range,
                          [&](std::uint32_t id) { ids.push_back(id); });
        squares.prefetchLetters(ids);
        std::erase_if(ids, [&](std::uint32_t id) { return !squares.isAnswer(id); });
        answers.reserve(ids.size());
        for (const std::uint32_t id : ids)
            answers.push_back({id, n, {}});
        return answers;
    }
    if (compiled.scansEverything()) {
        // Answer after answer in memory order, then by length: the order within a length stays.
        for (std::uint32_t id = 0; id < space_->size(); ++id)
            if (compiled.accepts(squares, id)) answers.push_back({id, squares.length(id), {}});
        groupByLength(answers);
        return answers;
    }
    // By length, and in Czech order within each: as the answers are to be listed. The
    // candidates are gathered first, so that stored squares are read in a few calls.
    std::vector<std::uint32_t> candidates;
    compiled.candidates(squares, [&](std::uint32_t id) { candidates.push_back(id); });
    squares.prefetch(candidates);
    for (const std::uint32_t id : candidates)
        if (compiled.accepts(squares, id)) answers.push_back({id, squares.length(id), {}});
    return answers;
}

std::vector<SolvedAnswer> Solver::solveClue(const Compiled& question, const SquareIndex& squares) {
    // The texts of the clue, then their partners that are answers, each with its clues.
    std::vector<std::uint32_t> candidates;
    patternCandidates(*question.clue, squares, {},
                      [&](std::uint32_t clue) { candidates.push_back(clue); });
    squares.prefetch(candidates);
    std::erase_if(candidates, [&](std::uint32_t clue) {
        return !question.clue->matches(squares.squares(clue), squares.length(clue));
    });
    space_->prefetchPartners(candidates);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> paired; // answer, clue
    std::vector<std::uint32_t> partners;
    for (const std::uint32_t clue : candidates)
        for (const AnswerPartner& p : space_->partners(clue))
            partners.push_back(p.text);
    squares.prefetch(partners);
    for (const std::uint32_t clue : candidates)
        for (const AnswerPartner& p : space_->partners(clue))
            if (squares.length(p.text) > 0) paired.push_back({p.text, clue});
    std::sort(paired.begin(), paired.end());
    std::vector<SolvedAnswer> answers;
    for (std::size_t i = 0; i < paired.size();) {
        const std::uint32_t id = paired[i].first;
        const bool accepted = question.accepts(squares, id);
        if (accepted) answers.push_back({id, squares.length(id), {}});
        for (; i < paired.size() && paired[i].first == id; ++i)
            if (accepted) answers.back().clues.push_back(paired[i].second);
    }
    groupByLength(answers);
    return answers;
}

const LemmaIndex& Solver::lemmas() {
    if (!lemmas_)
        lemmas_ =
            space_->lemmas()
                ? space_->lemmas()
                : std::make_shared<const LemmaIndex>(LemmaIndex::Build(*space_, nullptr, nullptr));
    return *lemmas_;
}

std::vector<SolvedAnswer> Solver::solveLegend(const Compiled& question,
                                              const SquareIndex& squares) {
    const LemmaIndex& index = lemmas();
    const LegendAnswers scored = ScoreLegend(question.legend, index, *space_);
    std::vector<std::uint32_t> candidates;
    for (const auto& [text, answer] : scored.answers)
        if (!scored.legendItself.contains(text)) candidates.push_back(text);
    std::sort(candidates.begin(), candidates.end());
    // Lengths first, which take only the starts: the squares then of the answers that fit.
    squares.prefetchStarts(candidates);
    std::erase_if(candidates, [&](std::uint32_t text) {
        const std::size_t n = squares.length(text);
        return n == 0 || n < question.range.shortest || n > question.range.longest;
    });
    if (!question.lengthDecides()) squares.prefetch(candidates);
    std::vector<SolvedAnswer> found;
    for (const std::uint32_t text : candidates)
        if (question.accepts(squares, text)) {
            const LegendScore& answer = scored.answers.at(text);
            found.push_back({text, squares.length(text), {answer.clue}, answer.score});
        }
    // By length, then by score; ties by how common the word is, then by source (the main
    // dictionary first), then in Czech order.
    const auto source = [&](std::uint32_t text) {
        return std::countr_zero(space_->dictionaries(text));
    };
    std::sort(found.begin(), found.end(), [&](const SolvedAnswer& a, const SolvedAnswer& b) {
        if (a.squares != b.squares) return a.squares < b.squares;
        if (a.score != b.score) return a.score > b.score;
        const auto fa = index.frequency(a.text), fb = index.frequency(b.text);
        if (fa != fb) return fa < fb;
        const int sa = source(a.text), sb = source(b.text);
        if (sa != sb) return sa < sb;
        return a.text < b.text;
    });
    return found;
}

std::vector<SolvedAnswer> Solver::solveByScan(const Question& question) {
    if (question.kind == QuestionKind::Pattern && question.text.find(' ') != std::string::npos)
        return solvePhrase(question, true);
    const Compiled compiled(question);
    if (!compiled.legend.empty()) return solveLegend(compiled, index(question.rules));
    const SquareIndex& squares = index(question.rules);
    std::vector<SolvedAnswer> answers;
    for (std::uint32_t id = 0; id < space_->size(); ++id) {
        if (!compiled.accepts(squares, id)) continue;
        SolvedAnswer answer{id, squares.length(id), {}};
        if (compiled.clue) {
            for (const AnswerPartner& p : space_->partners(id))
                if (squares.length(p.text) > 0 &&
                    compiled.clue->matches(squares.squares(p.text), squares.length(p.text)))
                    answer.clues.push_back(p.text);
            if (answer.clues.empty()) continue;
        }
        answers.push_back(std::move(answer));
    }
    groupByLength(answers);
    return answers;
}

void Solver::order(std::vector<SolvedAnswer>& answers, AnswerOrder order, std::size_t first) {
    if (order == AnswerOrder::Alphabetical) {
        std::stable_sort(answers.begin(), answers.end(), [](const auto& a, const auto& b) {
            return a.squares != b.squares ? a.squares < b.squares : a.text < b.text;
        });
        return;
    }
    // Answers that come by squares are ranked only in the groups that reach into the first ones,
    // and only those first ones wholly: a pattern of few squares may have tens of thousands.
    // Answers in any other order are ranked whole.
    const std::size_t wholly =
        comesBySquares(answers) ? std::min(first, answers.size()) : answers.size();
    std::size_t ranked = wholly;
    while (ranked > 0 && ranked < answers.size() &&
           answers[ranked].squares == answers[ranked - 1].squares)
        ++ranked;
    std::vector<std::uint32_t> ids;
    for (std::size_t i = 0; i < ranked; ++i)
        ids.push_back(answers[i].text);
    space_->prefetchPartners(ids);
    space_->prefetchDictionaries(ids);
    const LemmaIndex& index = lemmas();
    struct Key {
        std::size_t squares;
        double score;
        bool bare; // no headword or meaning paired with it
        std::uint32_t frequency;
        int source;
        std::uint32_t text;
        auto operator<=>(const Key&) const = default;
    };
    // The keys are sorted with the answers' places, and the answers moved once.
    std::vector<std::pair<Key, std::uint32_t>> keyed;
    keyed.reserve(ranked);
    for (std::size_t i = 0; i < ranked; ++i) {
        const SolvedAnswer& answer = answers[i];
        keyed.push_back({{answer.squares, -answer.score, space_->partners(answer.text).empty(),
                          index.frequency(answer.text),
                          std::countr_zero(space_->dictionaries(answer.text)), answer.text},
                         static_cast<std::uint32_t>(i)});
    }
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    const auto sortedEnd = keyed.begin() + static_cast<std::ptrdiff_t>(wholly);
    // The ones after the first keep to the last group the first reach into: they come after
    // its best, and no group ranked goes further.
    std::nth_element(keyed.begin(), sortedEnd, keyed.end(), byKey);
    std::sort(keyed.begin(), sortedEnd, byKey);
    std::vector<SolvedAnswer> ordered;
    ordered.reserve(answers.size());
    for (const auto& [key, place] : keyed)
        ordered.push_back(std::move(answers[place]));
    std::move(answers.begin() + static_cast<std::ptrdiff_t>(ranked), answers.end(),
              std::back_inserter(ordered));
    answers = std::move(ordered);
}

std::vector<AnswerPartner> Solver::clues(std::string_view word, bool strict) {
    SquareRules rules;
    rules.strict = strict;
    Squares wordSquares;
    if (!TextSquares(word, rules, wordSquares))
        throw SolverInputError({QuestionField::Word, QuestionReason::NoSquares}, word);
    const SquareIndex& squares = index(rules);
    std::map<std::uint32_t, DictionaryMask> partners;
    for (const std::uint32_t id : squares.withSquares(wordSquares))
        for (const AnswerPartner& p : space_->partners(id))
            partners[p.text] |= p.dictionaries;
    std::vector<AnswerPartner> found;
    for (const auto& [text, dictionaries] : partners)
        found.push_back({text, dictionaries});
    return found;
}

} // namespace zadrovec
