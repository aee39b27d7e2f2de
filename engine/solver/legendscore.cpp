#include "engine/solver/legendscore_p.h"
#include "engine/solver/legendwords.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace zadrovec {
namespace {

// A set of the legend's terms: bit i for term i.
using Mask = std::uint64_t;
constexpr std::size_t kMostTerms = 64;

// The legend's terms, each once (a legend longer than a mask holds keeps its first ones), their
// weights, and the texts holding them: exactly (a lemma of the term) or by beginning.
struct LegendMatch {
    std::vector<std::string> terms;
    std::vector<double> weight;
    double total = 0;
    Mask all = 0;
    std::unordered_map<std::uint32_t, std::pair<Mask, Mask>> matched; // text: exact, by beginning

    double weightOf(Mask exact, Mask like) const {
        double sum = 0;
        for (std::size_t i = 0; i < terms.size(); ++i)
            if (exact >> i & 1)
                sum += weight[i];
            else if (like >> i & 1)
                sum += weight[i] / 2;
        return sum;
    }
};

// Each term's lemmas, and its weight: rarer words weigh more. A term no lemma has matches the
// lemmas that share its beginning, at half the weight.
LegendMatch matchTerms(const std::string& legend, const LemmaIndex& index, std::size_t texts) {
    LegendMatch match;
    for (std::string& term : LegendTerms(legend))
        if (std::find(match.terms.begin(), match.terms.end(), term) == match.terms.end() &&
            match.terms.size() < kMostTerms)
            match.terms.push_back(std::move(term));
    const std::size_t count = match.terms.size();
    match.weight.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::vector<std::uint32_t> found = index.lemmasOfTerm(match.terms[i]);
        const bool exact = !found.empty();
        if (!exact) found = index.lemmasLike(match.terms[i]);
        std::size_t holding = 0;
        for (const std::uint32_t lemma : found)
            holding += index.textsOf(lemma).size();
        match.weight[i] =
            std::log(1.0 + static_cast<double>(texts) / (1.0 + static_cast<double>(holding)));
        for (const std::uint32_t lemma : found)
            for (const std::uint32_t text : index.textsOf(lemma))
                (exact ? match.matched[text].first : match.matched[text].second) |= Mask{1} << i;
    }
    match.all = count == kMostTerms ? ~Mask{0} : (Mask{1} << count) - 1;
    for (const double w : match.weight)
        match.total += w;
    return match;
}

struct MatchedText {
    double score;
    std::uint32_t text;
    Mask exact, like;
};

// A clue text scores the weight of the terms it holds, more when it holds every term, most when
// it is the legend itself. Only the best are kept: a common word of the legend matches
// thousands of texts, whose answers would rank below those of the best ones anyway.
std::vector<MatchedText> scoreClueTexts(const LegendMatch& match, const LemmaIndex& index,
                                        std::unordered_set<std::uint32_t>& legendItself) {
    std::vector<MatchedText> clueTexts;
    for (const auto& [text, masks] : match.matched) {
        const bool whole = ((masks.first | masks.second) & match.all) == match.all;
        const bool same =
            whole && masks.first == match.all && index.wordsOfText(text) <= match.terms.size();
        if (same) legendItself.insert(text);
        clueTexts.push_back({match.weightOf(masks.first, masks.second) + (whole ? match.total : 0) +
                                 (same ? 2 * match.total : 0),
                             text, masks.first, masks.second});
    }
    constexpr std::size_t kClueTexts = 3000;
    const auto better = [](const MatchedText& a, const MatchedText& b) {
        return a.score != b.score ? a.score > b.score : a.text < b.text;
    };
    if (clueTexts.size() > kClueTexts) {
        std::nth_element(clueTexts.begin(), clueTexts.begin() + kClueTexts, clueTexts.end(),
                         better);
        clueTexts.resize(kClueTexts);
    }
    return clueTexts;
}

// An answer scores the weight of the legend's terms found in any of its clue texts, plus its
// best clue text's score.
std::unordered_map<std::uint32_t, LegendScore>
scoreAnswers(const LegendMatch& match, const std::vector<MatchedText>& clueTexts,
             const AnswerSpace& space) {
    struct Scored {
        Mask exact = 0, like = 0;
        double best = 0;
        std::uint32_t clue = 0;
    };
    std::unordered_map<std::uint32_t, Scored> scored;
    std::vector<std::uint32_t> textIds;
    for (const MatchedText& clue : clueTexts)
        textIds.push_back(clue.text);
    std::sort(textIds.begin(), textIds.end());
    space.prefetchPartners(textIds);
    for (const auto& [textScore, text, exact, like] : clueTexts) {
        for (const AnswerPartner& partner : space.partners(text)) {
            Scored& answer = scored[partner.text];
            answer.exact |= exact;
            answer.like |= like;
            if (textScore > answer.best || (textScore == answer.best && text < answer.clue)) {
                answer.best = textScore;
                answer.clue = text;
            }
        }
    }
    std::unordered_map<std::uint32_t, LegendScore> answers;
    for (const auto& [text, answer] : scored)
        answers[text] = {match.weightOf(answer.exact, answer.like) + answer.best, answer.clue};
    return answers;
}

// One step further: the answers of a word that answers the legend best, at a lower weight.
void addLinkedAnswers(std::unordered_map<std::uint32_t, LegendScore>& answers,
                      const AnswerSpace& space) {
    std::vector<std::pair<double, std::uint32_t>> direct;
    for (const auto& [text, answer] : answers)
        direct.emplace_back(answer.score, text);
    constexpr std::size_t kLinked = 100;
    std::partial_sort(direct.begin(), direct.begin() + std::min(kLinked, direct.size()),
                      direct.end(), std::greater<>());
    direct.resize(std::min(kLinked, direct.size()));
    for (const auto& [score, word] : direct) {
        for (const AnswerPartner& partner : space.partners(word)) {
            LegendScore& answer = answers[partner.text];
            if (score / 4 > answer.score) {
                answer.score = score / 4;
                answer.clue = word;
            }
        }
    }
}

} // namespace

LegendAnswers ScoreLegend(const std::string& legend, const LemmaIndex& lemmas,
                          const AnswerSpace& space) {
    LegendAnswers result;
    const LegendMatch match = matchTerms(legend, lemmas, space.size());
    if (match.terms.empty()) return result;
    const std::vector<MatchedText> clueTexts = scoreClueTexts(match, lemmas, result.legendItself);
    result.answers = scoreAnswers(match, clueTexts, space);
    addLinkedAnswers(result.answers, space);
    return result;
}

} // namespace zadrovec
