// search NAME TEXT: the main window's search, with its four lists printed.
#include "cli_commands.h"
#include "cli_messages.h"
#include "cli_text.h"
#include "cp1250.h"
#include "ioerror.h"
#include "json.h"
#include "wordsearch.h"

#include <iostream>

namespace zadrovec::cli {
namespace {

// The main window's result lists under their names.
struct MainWindowLists {
    StringList foundList{StringList::Order::Sorted};
    StringList hitHeadwordList;
    StringList hitMeaningList;
    StringList meaningList{StringList::Order::Sorted};
    ResultLists results{foundList, hitHeadwordList, hitMeaningList, meaningList};
};

std::vector<std::string> toUtf8(const StringList& list) {
    std::vector<std::string> items;
    items.reserve(list.size());
    for (const std::string& item : list.items())
        items.push_back(cp1250ToUtf8(item));
    return items;
}

void printText(const MainWindowLists& lists) {
    std::cout << foundText(lists.foundList.items(), lists.meaningList.items());
}

void printJson(const MainWindowLists& lists, const std::string& status) {
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
    std::cout << "{\"status\":" << json::quoted(cp1250ToUtf8(status))
              << ",\"found\":" << json::array(toUtf8(lists.foundList)) << ",\"hits\":" << hits
              << ",\"meanings\":" << json::array(toUtf8(lists.meaningList)) << "}\n";
}

} // namespace

int runSearch(const Arguments& arguments) {
    const std::string& name = requireDictionaryName(arguments.operands[0]);
    const std::string text = argumentToCp1250(arguments.operands[1], "TEXT");
    if (arguments.select && *arguments.select < 0)
        throw UsageError("--select needs a number from 0 on");

    TerminalMessages messages;
    Dictionary dictionary(dataFolder(arguments), messages);
    dictionary.indexReading =
        IndexReading::OnDemand; // a process of one search reads only what it needs
    OpenDictionary(dictionary, name);
    if (!dictionary.DictionaryOpen) return kExitFailure;

    MainWindowLists lists;
    int status = kExitOk;
    try {
        SearchWords(dictionary, lists.results, text);
        if (arguments.select) {
            if (static_cast<unsigned long long>(*arguments.select) >= lists.foundList.size())
                throw std::runtime_error("--select " + std::to_string(*arguments.select) + ": " +
                                         std::to_string(lists.foundList.size()) +
                                         " headword(s) found");
            ShowMeanings(lists.results, static_cast<int>(*arguments.select));
        }
    } catch (const IoError& error) {
        // As the program's error report: the text and a full stop; the lists stay as they are.
        std::cerr << error.what() << ".\n";
        status = kExitFailure;
    }
    CloseDictionary(dictionary);

    if (arguments.json)
        printJson(lists, messages.status);
    else
        printText(lists);
    return status;
}

} // namespace zadrovec::cli
