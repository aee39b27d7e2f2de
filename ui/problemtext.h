// What is wrong with a question of "Luštění", in Czech: the field's caption, then why. The engine
// finds the problem (Diagnose); this only says it.
#pragma once

#include "engine/solver/question.h"
#include "engine/solver/questionproblem.h"

#include <QString>

namespace zadrovec::ui {

// "1 políčko", "3 políčka", "5 políček".
QString squaresText(std::size_t squares);

// The line the status bar shows; question gives the texts the problem concerns.
QString problemText(const QuestionProblem& problem, const Question& question);

} // namespace zadrovec::ui
