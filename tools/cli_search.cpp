// search NAME TEXT: the main window's search, with its four lists printed.
#include "engine/dictionary/wordsearch.h"
#include "engine/files/ioerror.h"
#include "engine/text/cp1250.h"
#include "tools/cli_commands.h"
#include "tools/cli_messages.h"
#include "tools/cli_text.h"
#include "tools/json.h"

#include <iostream>

namespace zadrovec::cli {
namespace {

void printText(const WordHits& hits) {
    std::cout << foundText(hits.found, hits.meanings);
}

void printJson(const WordHits& hits, const std::string& status) {
    const std::string rowsJson = hitRowsJson(hits.hitHeadwords, hits.hitMeanings);
    std::cout << "{\"status\":" << json::quoted(Cp1250ToUtf8(status))
              << ",\"found\":" << json::array(utf8Items(hits.found)) << ",\"hits\":" << rowsJson
              << ",\"meanings\":" << json::array(utf8Items(hits.meanings)) << "}\n";
}

} // namespace

void selectMeanings(WordHits& hits, long long select) {
    if (static_cast<unsigned long long>(select) >= hits.found.size())
        throw std::runtime_error("--select " + std::to_string(select) + ": " +
                                 std::to_string(hits.found.size()) + " headword(s) found");
    hits.meanings = MeaningsOf(hits.found[static_cast<std::size_t>(select)], hits.hitHeadwords,
                               hits.hitMeanings);
}

int runSearch(const Arguments& arguments) {
    const std::string& name = requireDictionaryName(arguments.operands[0]);
    const std::string text = argumentToCp1250(arguments.operands[1], "TEXT");
    if (arguments.select && *arguments.select < 0)
        throw UsageError("--select needs a number from 0 on");

    TerminalMessages messages;
    // A process of one search reads only what it needs.
    Dictionary dictionary(dataFolder(arguments), messages, IndexReading::OnDemand);
    if (!dictionary.open(name)) return kExitFailure;

    WordHits hits;
    int status = kExitOk;
    try {
        SearchOutcome outcome = SearchWords(dictionary, text);
        hits = std::move(outcome.hits);
        if (outcome.error) throw *outcome.error;
        if (arguments.select) selectMeanings(hits, *arguments.select);
    } catch (const IoError& error) {
        // As the program's error report: the text and a full stop; the lists stay as they are.
        std::cerr << error.what() << ".\n";
        status = kExitFailure;
    }
    dictionary.close();

    if (arguments.json)
        printJson(hits, messages.status);
    else
        printText(hits);
    return status;
}

} // namespace zadrovec::cli
