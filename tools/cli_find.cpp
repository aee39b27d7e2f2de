// find TEXT: the search in all dictionaries, with the results window's lists printed.
#include "engine/dictionary/allsearch.h"
#include "engine/files/ioerror.h"
#include "engine/text/cp1250.h"
#include "tools/cli_commands.h"
#include "tools/cli_messages.h"
#include "tools/cli_text.h"
#include "tools/json.h"

#include <iostream>

namespace zadrovec::cli {
namespace {

// Messages go to stderr as they come and are kept, in order, for the JSON output.
class KeptMessages : public TerminalMessages {
public:
    void showMessage(const std::string& text) override {
        TerminalMessages::showMessage(text);
        shown.push_back(text);
    }
    std::vector<std::string> shown;
};

void printText(const WordHits& hits) {
    std::cout << foundText(hits.found, hits.meanings);
}

void printJson(const WordHits& hits, const std::vector<std::string>& messages) {
    const std::string rowsJson = hitRowsJson(hits.hitHeadwords, hits.hitMeanings);
    std::cout << "{\"found\":" << json::array(utf8Items(hits.found)) << ",\"hits\":" << rowsJson
              << ",\"meanings\":" << json::array(utf8Items(hits.meanings))
              << ",\"messages\":" << json::array(utf8Items(messages)) << "}\n";
}

} // namespace

int runFind(const Arguments& arguments) {
    const std::string text = argumentToCp1250(arguments.operands[0], "TEXT");
    if (text.empty()) throw UsageError("TEXT must not be empty");
    if (arguments.select && *arguments.select < 0)
        throw UsageError("--select needs a number from 0 on");

    KeptMessages messages;
    // A process of one search reads only what it needs.
    Dictionary dictionary(dataFolder(arguments), messages, IndexReading::OnDemand);
    WordHits hits;
    int status = kExitOk;
    try {
        SearchOutcome outcome = SearchAllDictionaries(dictionary, text);
        hits = std::move(outcome.hits);
        if (outcome.error) throw *outcome.error;
        // Each dictionary that fails to open says so once: with all eight failing there was
        // nothing to search at all, which a script should see in the exit status.
        if (messages.shown.size() == kMainWindowDictionaryFiles.size()) status = kExitFailure;
        if (arguments.select) selectMeanings(hits, *arguments.select);
    } catch (const IoError& error) {
        // As the program's error report: the text and a full stop; the lists stay as they are.
        messages.showMessage(std::string(error.what()) + ".");
        status = kExitFailure;
    }
    dictionary.close();

    if (arguments.json)
        printJson(hits, messages.shown);
    else
        printText(hits);
    return status;
}

} // namespace zadrovec::cli
