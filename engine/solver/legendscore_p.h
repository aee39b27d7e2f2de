// How well each answer answers a legend as printed ("hlavní město Kanady"): the legend's words
// by their lemmas, weighed by how rare they are, matched against every clue text, and the
// answers paired with the best matching texts scored by them.
#pragma once

#include "engine/solver/answerspace.h"
#include "engine/solver/lemmaindex.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace zadrovec {

struct LegendScore {
    double score = 0;       // higher first
    std::uint32_t clue = 0; // the clue text (or answer one step away) that scored it
};

struct LegendAnswers {
    std::unordered_map<std::uint32_t, LegendScore> answers;
    std::unordered_set<std::uint32_t> legendItself; // texts that are the legend: no answers
};

LegendAnswers ScoreLegend(const std::string& legend, const LemmaIndex& lemmas,
                          const AnswerSpace& space);

} // namespace zadrovec
