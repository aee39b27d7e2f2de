// build SOURCE OUTBASE: a dictionary pair from a UTF-8 source.
#include "engine/dictionary/dictionaryfiles.h"
#include "tools/cli_commands.h"
#include "tools/cli_files.h"
#include "tools/cli_text.h"
#include "tools/dictbuilder.h"

#include <fstream>
#include <iostream>

namespace zadrovec::cli {

std::string headerArgument(const std::string& utf8, std::size_t longest) {
    const std::string header = argumentToCp1250(utf8, "--header");
    if (header.size() > longest)
        throw UsageError("--header: longer than " + std::to_string(longest) + " characters");
    if (header.find('@') != std::string::npos) throw UsageError("--header: holds \"@\"");
    return header;
}

int runBuild(const Arguments& arguments) {
    const std::string& source = arguments.operands[0];
    const std::string& outBase = arguments.operands[1];
    const std::string header = arguments.header ? headerArgument(*arguments.header, kRecordTextSize)
                                                : build::todayHeader();

    if (const std::string refusal = sourceRefusal(source, {outBase + ".dat", outBase + ".idx"});
        !refusal.empty()) {
        std::cerr << "zadrovec-cli: " << refusal << '\n';
        return kExitFailure;
    }
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << "zadrovec-cli: " << source << ": " << whyNotOpened(source) << '\n';
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
