// The search in all dictionaries: every record of the eight word files, the headwords tested
// against a text anywhere in them, with "?" for any one character and "*" for any run.
#pragma once

#include "engine/dictionary/wordsearch.h"

#include <chrono>
#include <functional>
#include <string_view>

namespace zadrovec {

// True when the pattern fits somewhere in the headword: "?" stands for exactly one character,
// "*" for any run of characters (also none), every other character for itself, byte for byte.
// An empty headword never matches.
bool MatchPattern(std::string_view pattern, std::string_view headword);

// True when text stands in the headword at some position, byte for byte. An empty headword
// never matches.
bool HoldsText(std::string_view text, std::string_view headword);

// A folded text with "*" or "?" is tested with MatchPattern, any other with HoldsText.
bool IsPattern(std::string_view foldedText);

// Called now and then during the scan so the window system can process pending events: often
// enough to keep an animation running, seldom enough to cost nothing worth measuring.
using ProcessEvents = std::function<void()>;
inline constexpr std::chrono::milliseconds kEventInterval{12};

// The headwords of all eight dictionaries that hold the text (folded first): found (sorted,
// each once), the hit rows of one per matching record in the dictionaries' order and file order,
// and the meanings of the first found headword. Each dictionary is opened in turn; one that
// fails to open is told by Dictionary::open and skipped. The last one opened stays open.
// processEvents (may be empty) is called when eventInterval has passed since its last call. A
// failed record read ends the outcome with the hits read until then.
SearchOutcome SearchAllDictionaries(Dictionary& dictionary, std::string_view text,
                                    const ProcessEvents& processEvents = {},
                                    std::chrono::milliseconds eventInterval = kEventInterval);

} // namespace zadrovec
