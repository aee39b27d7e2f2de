// The one reading of a whole question for what is wrong with it: the first field, top to bottom
// as the window lays them out (pattern or letters, clue, length, letters to exclude), that the
// solver refuses, and else a contradiction between the fields that leaves no answer (a pattern
// of five squares and the length 4; a letter asked for and excluded).
#pragma once

#include "engine/solver/question.h"
#include "engine/solver/questionproblem.h"

#include <optional>
#include <string>

namespace zadrovec {

// Nothing when the solver takes the question and its fields agree. An empty pattern with an
// empty clue is NothingAsked.
std::optional<QuestionProblem> Diagnose(const Question& question);

// A problem of the question in English, with the texts of the question it concerns.
std::string DescribeProblem(const QuestionProblem& problem, const Question& question);

} // namespace zadrovec
