// Text at the edge of zadrovec-cli: arguments come in as UTF-8 and become Windows-1250, the
// engine's texts go out as UTF-8.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec::cli {

// A text argument that Windows-1250 cannot hold (or that is no valid UTF-8).
class ArgumentTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws ArgumentTextError naming the argument (what, e.g. "TEXT") and the byte position of the
// first fault, without repeating the argument.
std::string argumentToCp1250(const std::string& utf8, std::string_view what);

// A Windows-1250 text as UTF-8 for a terminal: control characters (C0, DEL, C1), which could
// move the cursor or recolour the screen, are shown as \xNN with the byte's value.
std::string terminalText(std::string_view cp1250);

// Appends terminalText(cp1250) to out, without a string of its own: for long lists.
void appendTerminalText(std::string& out, std::string_view cp1250);

// The text output of a search: the found headwords one a line, a line "--", then the meanings
// one a line, each as terminalText shows it.
std::string foundText(const std::vector<std::string>& found,
                      const std::vector<std::string>& meanings);

// Writes a Windows-1250 text as terminalText does and ends the line.
void printLine(std::ostream& out, std::string_view cp1250);

// Windows-1250 texts as UTF-8, in order.
std::vector<std::string> utf8Items(const std::vector<std::string>& cp1250Items);
// The hit rows as a JSON array of [headword, meanings text] pairs, in order.
std::string hitRowsJson(const std::vector<std::string>& hitHeadwords,
                        const std::vector<std::string>& hitMeanings);

} // namespace zadrovec::cli
