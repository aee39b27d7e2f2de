// The words of a crossword legend as printed ("hlavní město Kanady", "chem. zn. stříbra",
// "římsky 14") and of the clue texts it is compared with: runs of letters and numbers, the
// abbreviations legends use written out, the words that carry no meaning (prepositions,
// conjunctions, particles) left out, each folded to capitals without diacritics.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

// True for a clue that is a pattern of squares (it holds "*" or "?"), not a legend.
bool IsCluePattern(std::string_view clue);

// The terms of a Windows-1250 text: each word folded (KANADY), each number as written ("14",
// "3,7"); abbreviations written out ("zn." gives ZNACKA), stop words dropped.
std::vector<std::string> LegendTerms(std::string_view text);

// True for a folded word that carries no meaning in a legend.
bool IsStopWord(std::string_view folded);

} // namespace zadrovec
