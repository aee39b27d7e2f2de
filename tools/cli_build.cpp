// build SOURCE OUTBASE: a dictionary pair from a UTF-8 source.
#include "cli_commands.h"
#include "cli_text.h"
#include "dictbuilder.h"
#include "fileunit.h"

#include <fstream>
#include <iostream>

namespace zadrovec::cli {

int runBuild(const Arguments& arguments) {
    const std::string& source = arguments.operands[0];
    const std::string& outBase = arguments.operands[1];
    std::string header = build::todayHeader();
    if (arguments.header) {
        header = argumentToCp1250(*arguments.header, "--header");
        if (header.size() > kRecordTextSize)
            throw UsageError("--header: longer than " + std::to_string(kRecordTextSize) +
                             " characters");
    }

    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << "zadrovec-cli: " << source << ": cannot be read\n";
        return kExitFailure;
    }
    try {
        const build::BuiltDictionary built = build::buildDictionary(build::parseSource(in), header);
        build::writeDictionary(built, outBase);
        std::cout << "wrote " << outBase << ".dat (" << built.records.size() << " records) and "
                  << outBase << ".idx\n";
        return kExitOk;
    } catch (const build::BuildError& error) {
        std::cerr << "zadrovec-cli: " << source << ": " << error.what() << '\n';
    } catch (const std::runtime_error& error) {
        std::cerr << "zadrovec-cli: " << error.what() << '\n';
    }
    return kExitFailure;
}

} // namespace zadrovec::cli
