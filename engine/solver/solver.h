// The solver's questions over the answer space: a pattern, an anagram, "only from these
// letters" or "contains these letters", filtered by length, by letters to exclude and by a clue
// the answer is paired with; and the look-up of a word's clues.
#pragma once

#include "engine/solver/answerspace.h"
#include "engine/solver/lemmaindex.h"
#include "engine/solver/phrasepattern.h"
#include "engine/solver/question.h"
#include "engine/solver/solverpattern.h"
#include "engine/solver/squareindex.h"

#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

struct SolvedAnswer {
    std::uint32_t text;
    std::size_t squares;
    // With a clue pattern: the matching clues, in Czech order; with a legend: the clue text that
    // matched it best.
    std::vector<std::uint32_t> clues;
    double score = 0; // with a legend: how well it answers it, higher first
};

// How answers of one length are listed: in Czech order, or best first (a legend's score, then
// answers with clues before bare words, then how common the word is, then the source: the main
// dictionary first, then Czech order).
enum class AnswerOrder { Alphabetical, Ranked };

class Solver {
public:
    explicit Solver(std::shared_ptr<const AnswerSpace> space) : space_(std::move(space)) {}

    const AnswerSpace& space() const { return *space_; }

    // The answers by squares, then in Czech order. A pattern with spaces is a pattern of words
    // (see PhrasePattern). Throws SolverInputError for a question that means nothing.
    std::vector<SolvedAnswer> solve(const Question& question);
    // The same answers found by testing every answer in turn, without the index.
    std::vector<SolvedAnswer> solveByScan(const Question& question);

    // Puts the answers of solve() in this order; the groups by length stay. Ranked, only the
    // first `first` are sure to be in order: the rest stay in their groups in no set order.
    void order(std::vector<SolvedAnswer>& answers, AnswerOrder order,
               std::size_t first = std::numeric_limits<std::size_t>::max());

    // Every text paired with a text of the word's squares, either way, with the dictionaries of
    // those pairs, in Czech order. Throws SolverInputError for a word without squares.
    std::vector<AnswerPartner> clues(std::string_view word, bool strict);

    // Built the first time a question needs these rules.
    const SquareIndex& index(const SquareRules& rules);

private:
    class Compiled;
    std::vector<SolvedAnswer> solveClue(const Compiled& question, const SquareIndex& index);
    std::vector<SolvedAnswer> solveLegend(const Compiled& question, const SquareIndex& index);
    // A pattern of words: the answers of its squares alone, then those whose words match.
    std::vector<SolvedAnswer> solvePhrase(const Question& question, bool byScan);
    // A pattern of two words or more, without a clue: from the index of phrases.
    std::vector<SolvedAnswer> solveWords(const PhrasePattern& phrase, const Compiled& question);
    // A pattern of one word of fixed length among stand-alone stars, without a clue: the answers of
    // one word that match the word, from the index as any pattern of squares, and the phrases as
    // above.
    std::vector<SolvedAnswer> solveWordAmongStars(const Question& question,
                                                  const PhrasePattern& phrase,
                                                  const Compiled& phrases);
    // The space's lemma index, or one made of its words the first time a legend needs it.
    const LemmaIndex& lemmas();

    std::shared_ptr<const AnswerSpace> space_;
    std::map<std::pair<bool, bool>, std::shared_ptr<const SquareIndex>> indexes_;
    std::shared_ptr<const LemmaIndex> lemmas_;
};

} // namespace zadrovec
