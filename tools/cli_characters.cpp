// characters: the characters window's filters and clicks, with its lists printed.
#include "engine/dictionary/characters.h"
#include "engine/files/ioerror.h"
#include "engine/text/cp1250.h"
#include "tools/cli_commands.h"
#include "tools/cli_messages.h"
#include "tools/json.h"

#include <iostream>

namespace zadrovec::cli {
namespace {

// The characters window's lists under their names.
struct CharactersWindowLists {
    StringList authorsList{StringList::Order::Sorted};
    StringList titlesList{StringList::Order::Sorted};
    StringList charactersList{StringList::Order::Sorted};
    StringList workingAuthors;
    StringList workingTitles;
    StringList workingCharacters;
    CharacterLists lists{authorsList,    titlesList,    charactersList,
                         workingAuthors, workingTitles, workingCharacters};
};

std::vector<std::string> toUtf8(const StringList& list) {
    std::vector<std::string> items;
    items.reserve(list.size());
    for (const std::string& item : list.items())
        items.push_back(Cp1250ToUtf8(item));
    return items;
}

void printText(const CharactersWindowLists& window) {
    bool first = true;
    for (const StringList* list :
         {&window.authorsList, &window.titlesList, &window.charactersList}) {
        if (!first) std::cout << "--\n";
        first = false;
        for (const std::string& item : list->items())
            printLine(std::cout, item);
    }
}

void printJson(const CharactersWindowLists& window, const std::string& status) {
    std::string working = "[";
    const std::size_t rows = std::max({window.workingAuthors.size(), window.workingTitles.size(),
                                       window.workingCharacters.size()});
    for (std::size_t r = 0; r < rows; ++r) {
        const auto cell = [r](const StringList& list) {
            return r < list.size() ? Cp1250ToUtf8(list[r]) : std::string();
        };
        if (r > 0) working += ',';
        working += json::array({cell(window.workingAuthors), cell(window.workingTitles),
                                cell(window.workingCharacters)});
    }
    working += ']';
    std::cout << "{\"status\":" << json::quoted(Cp1250ToUtf8(status))
              << ",\"authors\":" << json::array(toUtf8(window.authorsList))
              << ",\"titles\":" << json::array(toUtf8(window.titlesList))
              << ",\"characters\":" << json::array(toUtf8(window.charactersList))
              << ",\"working\":" << working << "}\n";
}

// A click's index must name an item of the list clicked in.
int clickIndex(long long index, const StringList& list, const std::string& option) {
    if (index < 0 || static_cast<unsigned long long>(index) >= list.size())
        throw UsageError(option + " " + std::to_string(index) + ": " + std::to_string(list.size()) +
                         " item(s) listed");
    return static_cast<int>(index);
}

} // namespace

int runCharacters(const Arguments& arguments) {
    if (arguments.author.has_value() == arguments.title.has_value())
        throw UsageError("characters needs either --author or --title");
    if (arguments.clickAuthor && arguments.clickTitle)
        throw UsageError("--click-author and --click-title do not go together");
    const bool byAuthor = arguments.author.has_value();
    const std::string filter = argumentToCp1250(byAuthor ? *arguments.author : *arguments.title,
                                                byAuthor ? "--author" : "--title");

    TerminalMessages messages;
    Catalogue catalogue(dataFolder(arguments), messages);
    if (!OpenCatalogue(catalogue)) return kExitFailure;

    CharactersWindowLists window;
    int status = kExitOk;
    try {
        if (byAuthor)
            FilterByAuthor(catalogue, window.lists, filter);
        else
            FilterByTitle(catalogue, window.lists, filter);
        if (arguments.clickAuthor)
            ClickAuthor(window.lists,
                        clickIndex(*arguments.clickAuthor, window.authorsList, "--click-author"));
        if (arguments.clickTitle)
            ClickTitle(window.lists,
                       clickIndex(*arguments.clickTitle, window.titlesList, "--click-title"));
    } catch (const IoError& error) {
        // As the program's error report: the text and a full stop; the lists stay as they are.
        std::cerr << error.what() << ".\n";
        status = kExitFailure;
    }
    CloseCatalogue(catalogue);

    if (arguments.json)
        printJson(window, messages.status);
    else
        printText(window);
    return status;
}

} // namespace zadrovec::cli
