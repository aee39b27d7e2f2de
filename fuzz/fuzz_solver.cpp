// The solver's index and matcher held to a plain reference: every answer tested one by one with
// a recursive matcher and letter counts in maps, over an answer space made of the input.
//
// The answers stored in a file and mapped back answer the same.
//
// Input: a byte of choices (kind, strict, CH, whether a clue, an exclusion and a length are
// given), the question's text, the clue, the letters to exclude, the length (each a text with
// its length in one byte), then records, one a line: a dictionary number byte and the text.
#include "engine/solver/answerfile.h"
#include "engine/solver/answerspace.h"
#include "engine/solver/diagnose.h"
#include "engine/solver/legendwords.h"
#include "engine/solver/phrasepattern.h"
#include "engine/solver/solver.h"
#include "fuzz/fuzzinput.h"

#include <algorithm>
#include <map>
#include <optional>

using namespace zadrovec;

namespace {

// Whether steps[p..] matches squares[s..]: a star tries every run, from none on.
bool referenceMatches(const std::vector<PatternStep>& steps, std::size_t p, const Squares& squares,
                      std::size_t s) {
    if (p == steps.size()) return s == squares.size();
    if (steps[p].star) {
        for (std::size_t run = s; run <= squares.size(); ++run)
            if (referenceMatches(steps, p + 1, squares, run)) return true;
        return false;
    }
    return s < squares.size() && steps[p].squares.test(squares[s]) &&
           referenceMatches(steps, p + 1, squares, s + 1);
}

// A pattern of words as plain parts: each word's pattern of squares, none for a stand-alone star
// (neighbours of those kept as one, as they mean the same).
using PhraseParts = std::vector<std::optional<SquarePattern>>;

PhraseParts referencePhraseParts(std::string_view text, const SquareRules& rules) {
    PhraseParts parts;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (word.find_first_not_of('*') != std::string_view::npos)
            parts.emplace_back(std::in_place, word, rules, QuestionField::Pattern);
        else if (parts.empty() || parts.back())
            parts.emplace_back();
    }
    return parts;
}

// Whether parts[p..] match words[w..]: a stand-alone star takes every run of whole words.
bool referencePhraseMatches(const PhraseParts& parts, std::size_t p,
                            const std::vector<Squares>& words, std::size_t w) {
    if (p == parts.size()) return w == words.size();
    if (!parts[p]) {
        for (std::size_t run = w; run <= words.size(); ++run)
            if (referencePhraseMatches(parts, p + 1, words, run)) return true;
        return false;
    }
    return w < words.size() && referenceMatches(parts[p]->steps(), 0, words[w], 0) &&
           referencePhraseMatches(parts, p + 1, words, w + 1);
}

std::map<Square, int> counts(const Squares& squares) {
    std::map<Square, int> c;
    for (const Square s : squares)
        ++c[s];
    return c;
}

// What the question asks of one answer's squares, written the plain way.
bool referenceAccepts(const Question& q, const Squares& squares,
                      const std::optional<SquarePattern>& pattern) {
    if (squares.empty()) return false;
    if (!q.length.empty()) {
        const LengthRange range = ParseLengthRange(q.length);
        if (squares.size() < range.shortest || squares.size() > range.longest) return false;
    }
    if (!q.exclude.empty()) {
        const Squares excluded =
            ParseOptionLetters(q.exclude, q.rules, QuestionField::Exclude).letters;
        for (const Square s : squares)
            if (std::find(excluded.begin(), excluded.end(), s) != excluded.end()) return false;
    }
    if (q.kind == QuestionKind::Pattern)
        return !pattern || referenceMatches(pattern->steps(), 0, squares, 0);
    const OptionLetters letters = ParseOptionLetters(q.text, q.rules, LettersField(q.kind));
    const auto have = counts(squares);
    const auto given = counts(letters.letters);
    int missing = 0; // given letters the answer lacks
    int extra = 0;   // answer squares beyond the given letters
    for (const auto& [s, n] : given)
        missing += std::max(0, n - (have.contains(s) ? have.at(s) : 0));
    for (const auto& [s, n] : have)
        extra += std::max(0, n - (given.contains(s) ? given.at(s) : 0));
    const auto blanks = static_cast<int>(letters.blanks);
    switch (q.kind) {
    case QuestionKind::Anagram:
        return missing == 0 && extra == blanks;
    case QuestionKind::From:
        return extra <= blanks;
    default:
        return missing == 0;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t choices = input.byte();
    Question q;
    q.kind = static_cast<QuestionKind>(choices & 3);
    q.rules.strict = choices & 4;
    q.rules.chOneSquare = choices & 8;
    q.text = input.text();
    const std::string clue(input.text());
    const std::string exclude(input.text());
    const std::string length(input.text());
    if (choices & 16) q.clue = clue;
    if (choices & 32) q.exclude = exclude;
    if (choices & 64) q.length = length;

    const auto shared = std::make_shared<const AnswerSpace>(fuzz::answersOfRecords(input.rest()));
    const AnswerSpace& space = *shared;
    Solver solver(shared);

    // Diagnose reads the question as the solver does: it names the problem the solver refuses
    // the question for, and a contradiction it finds leaves no answer indeed.
    const std::optional<QuestionProblem> problem = Diagnose(q);
    std::vector<SolvedAnswer> found;
    try {
        found = solver.solve(q);
    } catch (const SolverInputError& error) {
        fuzz::require(problem == error.problem());
        return 0; // a question that means nothing is refused whole; nothing to compare
    }
    fuzz::require(!problem || (!problem->refused() && found.empty()));
    // A legend ranks its answers by score: every answer it gives passes the other filters.
    if (!q.clue.empty() && !IsCluePattern(q.clue)) {
        for (const SolvedAnswer& answer : found) {
            Squares squares;
            fuzz::require(IsAnswerText(space.text(answer.text)) &&
                          TextSquares(space.text(answer.text), q.rules, squares) &&
                          squares.size() == answer.squares && answer.score > 0);
        }
        return 0;
    }
    // A pattern of words matches each phrase word by word; spaces around one word only are none.
    const bool words = q.kind == QuestionKind::Pattern && PhrasePattern::HasWords(q.text);
    PhraseParts phrase;
    std::optional<SquarePattern> pattern;
    if (words) {
        phrase = referencePhraseParts(q.text, q.rules);
    } else if (q.kind == QuestionKind::Pattern) {
        const auto first = q.text.find_first_not_of(' ');
        if (first != std::string::npos)
            pattern.emplace(q.text.substr(first, q.text.find_last_not_of(' ') + 1 - first), q.rules,
                            QuestionField::Pattern);
    }
    std::optional<SquarePattern> cluePattern;
    if (!q.clue.empty()) cluePattern.emplace(q.clue, q.rules, QuestionField::Clue);

    std::vector<SolvedAnswer> expected;
    for (std::uint32_t id = 0; id < space.size(); ++id) {
        Squares squares;
        TextSquares(space.text(id), q.rules, squares);
        if (!IsAnswerText(space.text(id)) || !referenceAccepts(q, squares, pattern)) continue;
        if (words && !referencePhraseMatches(phrase, 0, TextWords(space.text(id), q.rules), 0))
            continue;
        SolvedAnswer answer{id, squares.size(), {}};
        if (cluePattern) {
            for (const AnswerPartner& p : space.partners(id)) {
                Squares clueSquares;
                if (TextSquares(space.text(p.text), q.rules, clueSquares) &&
                    referenceMatches(cluePattern->steps(), 0, clueSquares, 0))
                    answer.clues.push_back(p.text);
            }
            if (answer.clues.empty()) continue;
        }
        expected.push_back(answer);
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.squares < b.squares; });

    fuzz::require(found.size() == expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        fuzz::require(found[i].text == expected[i].text);
        fuzz::require(found[i].squares == expected[i].squares);
        fuzz::require(found[i].clues == expected[i].clues);
    }
    // The same answers stored and read back give the same results.
    const std::string stored = (fuzz::scratchFolder() / "answers").string();
    const std::vector<ContentStamp> stamps(2 * kDictionaryFiles.size(), ContentStamp{7, 7});
    WriteAnswerFile(stored, space, solver.index({}), LemmaIndex::Build(space, nullptr, nullptr),
                    stamps);
    OpenedAnswerFile read = OpenAnswerFile(stored, stamps);
    fuzz::require(read.space.has_value() && read.space->size() == space.size());
    Solver fromFile(std::make_shared<const AnswerSpace>(std::move(*read.space)));
    const std::vector<SolvedAnswer> again = fromFile.solve(q);
    fuzz::require(again.size() == found.size());
    for (std::size_t i = 0; i < again.size(); ++i)
        fuzz::require(again[i].text == found[i].text && again[i].clues == found[i].clues);

    // Texts are numbered in the lists' order, so the order of numbers is the Czech order.
    for (std::uint32_t id = 1; id < space.size(); ++id)
        fuzz::require(space.text(id - 1) != space.text(id));
    return 0;
}
