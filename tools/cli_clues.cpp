// clues WORD: the texts paired with a word in the dictionaries, either way.
#include "answerspace.h"
#include "cli_commands.h"
#include "cli_messages.h"
#include "cp1250.h"
#include "json.h"
#include "solver.h"

#include <iostream>

namespace zadrovec::cli {

int runClues(const Arguments& arguments) {
    const std::string word = argumentToCp1250(arguments.operands[0], "WORD");
    {
        Squares squares;
        if (!TextSquares(word, {}, squares))
            throw UsageError("WORD has no squares: it needs letters and no digits");
    }
    TerminalMessages messages;
    const AnswerSpace space = LoadAnswerSpace(dataFolder(arguments), messages);
    Solver solver(space);
    const std::vector<AnswerPartner> clues = solver.clues(word, arguments.strict);

    std::string out;
    if (arguments.json) {
        out = "{\"clues\": [";
        for (std::size_t i = 0; i < clues.size(); ++i) {
            out += (i > 0 ? ", " : "") + std::string("{\"text\": ") +
                   json::quoted(cp1250ToUtf8(space.text(clues[i].text))) + ", \"dictionaries\": [";
            const auto names = DictionaryNames(clues[i].dictionaries);
            for (std::size_t n = 0; n < names.size(); ++n)
                out += (n > 0 ? ", " : "") + json::quoted(names[n]);
            out += "]}";
        }
        out += "]}\n";
    } else {
        for (const AnswerPartner& clue : clues) {
            out += cp1250ToUtf8(space.text(clue.text)) + '\t';
            const auto names = DictionaryNames(clue.dictionaries);
            for (std::size_t n = 0; n < names.size(); ++n)
                out += (n > 0 ? "," : "") + std::string(names[n]);
            out += '\n';
        }
    }
    std::cout << out;
    return space.openedDictionaries == 0 || space.readError ? kExitFailure : kExitOk;
}

} // namespace zadrovec::cli
