// dump BASE: every record of a word file as a line of text.
#include "engine/dictionary/dictionaryfiles.h"
#include "engine/files/ioerror.h"
#include "tools/cli_commands.h"
#include "tools/cli_files.h"
#include "tools/cli_text.h"

#include <iostream>

namespace zadrovec::cli {

int runDump(const Arguments& arguments) {
    const std::string path = arguments.operands[0] + ".dat";
    RecordFile words(kRecordSize);
    if (!words.open(path)) {
        std::cerr << "zadrovec-cli: " << path << ": " << whyNotOpened(path) << '\n';
        return kExitFailure;
    }
    try {
        WordRecord record;
        while (!words.atEnd()) {
            words.read(&record);
            printLine(std::cout, record.text());
        }
    } catch (const IoError& error) {
        std::cerr << error.what() << ".\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace zadrovec::cli
