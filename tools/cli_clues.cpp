// clues WORD: the texts paired with a word in the dictionaries, either way.
#include "engine/solver/answersource.h"
#include "engine/solver/solver.h"
#include "engine/text/cp1250.h"
#include "tools/cli_commands.h"
#include "tools/cli_messages.h"
#include "tools/json.h"

#include <iostream>

namespace zadrovec::cli {
namespace {

std::string textOf(const AnswerSpace& space, const std::vector<AnswerPartner>& clues, bool json) {
    std::string out;
    if (json) {
        out = "{\"clues\": [";
        for (std::size_t i = 0; i < clues.size(); ++i) {
            out += (i > 0 ? ", " : "") + std::string("{\"text\": ") +
                   json::quoted(Cp1250ToUtf8(space.text(clues[i].text))) + ", \"dictionaries\": [";
            const auto names = DictionaryNames(clues[i].dictionaries);
            for (std::size_t n = 0; n < names.size(); ++n)
                out += (n > 0 ? ", " : "") + json::quoted(names[n]);
            out += "]}";
        }
        out += "]}\n";
    } else {
        for (const AnswerPartner& clue : clues) {
            out += terminalText(space.text(clue.text)) + '\t';
            const auto names = DictionaryNames(clue.dictionaries);
            for (std::size_t n = 0; n < names.size(); ++n)
                out += (n > 0 ? "," : "") + std::string(names[n]);
            out += '\n';
        }
    }
    return out;
}

} // namespace

int runClues(const Arguments& arguments) {
    const std::string word = argumentToCp1250(arguments.operands[0], "WORD");
    {
        Squares squares;
        if (!TextSquares(word, {}, squares))
            throw UsageError("WORD has no squares: it needs letters and no digits");
    }
    TerminalMessages messages;
    AnswerSource source(dataFolder(arguments), messages);
    const std::string out = source.ask([&](Solver& solver) {
        return textOf(solver.space(), solver.clues(word, arguments.strict), arguments.json);
    });
    sayStoredState(source);
    std::cout << out;
    return source.openedDictionaries() == 0 || source.readError() ? kExitFailure : kExitOk;
}

} // namespace zadrovec::cli
