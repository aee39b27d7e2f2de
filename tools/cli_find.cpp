// find TEXT: the search in all dictionaries, with the results window's lists printed.
#include "allsearch.h"
#include "cli_commands.h"
#include "cli_messages.h"
#include "cli_text.h"
#include "cp1250.h"
#include "ioerror.h"
#include "json.h"

#include <iostream>

namespace zadrovec::cli {
namespace {

// The results window's lists under their names.
struct FoundLists {
    StringList foundList{StringList::Order::Sorted};
    StringList hitHeadwordList;
    StringList hitMeaningList;
    StringList meaningList{StringList::Order::Sorted};
    ResultLists results{foundList, hitHeadwordList, hitMeaningList, meaningList};
};

// Messages go to stderr as they come and are kept, in order, for the JSON output.
class KeptMessages : public TerminalMessages {
public:
    void showMessage(const std::string& text) override {
        TerminalMessages::showMessage(text);
        shown.push_back(text);
    }
    std::vector<std::string> shown;
};

std::vector<std::string> toUtf8(const std::vector<std::string>& cp1250Items) {
    std::vector<std::string> items;
    items.reserve(cp1250Items.size());
    for (const std::string& item : cp1250Items)
        items.push_back(cp1250ToUtf8(item));
    return items;
}

void printText(const FoundLists& lists) {
    std::cout << foundText(lists.foundList.items(), lists.meaningList.items());
}

void printJson(const FoundLists& lists, const std::vector<std::string>& messages) {
    std::string hits = "[";
    const std::size_t rows = std::max(lists.hitHeadwordList.size(), lists.hitMeaningList.size());
    for (std::size_t r = 0; r < rows; ++r) {
        const auto cell = [r](const StringList& list) {
            return r < list.size() ? cp1250ToUtf8(list[r]) : std::string();
        };
        if (r > 0) hits += ',';
        hits += json::array({cell(lists.hitHeadwordList), cell(lists.hitMeaningList)});
    }
    hits += ']';
    std::cout << "{\"found\":" << json::array(toUtf8(lists.foundList.items()))
              << ",\"hits\":" << hits
              << ",\"meanings\":" << json::array(toUtf8(lists.meaningList.items()))
              << ",\"messages\":" << json::array(toUtf8(messages)) << "}\n";
}

} // namespace

int runFind(const Arguments& arguments) {
    const std::string text = argumentToCp1250(arguments.operands[0], "TEXT");
    if (text.empty()) throw UsageError("TEXT must not be empty");
    if (arguments.select && *arguments.select < 0)
        throw UsageError("--select needs a number from 0 on");

    KeptMessages messages;
    Dictionary dictionary(dataFolder(arguments), messages);
    dictionary.indexReading =
        IndexReading::OnDemand; // a process of one search reads only what it needs
    FoundLists lists;
    int status = kExitOk;
    try {
        SearchAllDictionaries(dictionary, lists.results, text);
        // Each dictionary that fails to open says so once: with all eight failing there was
        // nothing to search at all, which a script should see in the exit status.
        if (messages.shown.size() == DictionaryName.size()) status = kExitFailure;
        if (arguments.select) {
            if (static_cast<unsigned long long>(*arguments.select) >= lists.foundList.size())
                throw std::runtime_error("--select " + std::to_string(*arguments.select) + ": " +
                                         std::to_string(lists.foundList.size()) +
                                         " headword(s) found");
            ShowFoundMeanings(lists.results, static_cast<int>(*arguments.select));
        }
    } catch (const IoError& error) {
        // As the program's error report: the text and a full stop; the lists stay as they are.
        messages.showMessage(std::string(error.what()) + ".");
        status = kExitFailure;
    }
    CloseDictionary(dictionary);

    if (arguments.json)
        printJson(lists, messages.shown);
    else
        printText(lists);
    return status;
}

} // namespace zadrovec::cli
