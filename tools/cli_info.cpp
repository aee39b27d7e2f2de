// info NAME: the size of a dictionary and its header, as the About box and status bar show them.
#include "engine/dictionary/dictionaryfiles.h"
#include "engine/files/ioerror.h"
#include "tools/cli_commands.h"
#include "tools/cli_messages.h"

#include <algorithm>
#include <iostream>

namespace zadrovec::cli {

int runInfo(const Arguments& arguments) {
    TerminalMessages messages;
    Dictionary dictionary(dataFolder(arguments), messages);
    if (!dictionary.open(requireDictionaryName(arguments.operands[0]))) return kExitFailure;

    const std::int64_t records = dictionary.recordCount();
    std::cout << "records: " << records << '\n'
              << "words: " << std::max<std::int64_t>(records - 1, 0) << '\n';
    int status = kExitOk;
    try {
        dictionary.seek(0);
        dictionary.read();
        std::cout << "header: ";
        printLine(std::cout, dictionary.record());
    } catch (const IoError& error) {
        std::cerr << error.what() << ".\n";
        status = kExitFailure;
    }
    dictionary.close();
    return status;
}

} // namespace zadrovec::cli
