// build-catalogue SOURCE OUT: a characters catalogue (postavy.dat) from a UTF-8 source, one work
// a line: AUTHOR@TITLE@NAME;NAME;
#include "engine/dictionary/characters.h"
#include "engine/text/cp1250.h"
#include "tools/cli_commands.h"
#include "tools/cli_files.h"
#include "tools/cli_text.h"
#include "tools/dictbuilder.h"

#include <array>
#include <cstring>
#include <fstream>
#include <iostream>

namespace zadrovec::cli {
namespace {

std::string entryOfLine(std::string_view utf8, std::size_t line) {
    auto text = Utf8ToCp1250(utf8);
    if (!text)
        throw build::BuildError(line,
                                "not valid UTF-8, or a character that Windows-1250 cannot hold");
    const auto first = text->find('@');
    if (first == std::string::npos || text->find('@', first + 1) == std::string::npos)
        throw build::BuildError(line, "an entry is AUTHOR@TITLE@NAME;NAME; with two \"@\"");
    // Text after the last ";" would be no name: the last name gets its ";".
    if (text->back() != ';' && text->back() != '@') *text += ';';
    if (text->size() > kCatalogueTextSize)
        throw build::BuildError(line, "the entry is " + std::to_string(text->size()) +
                                          " bytes long, a record holds " +
                                          std::to_string(kCatalogueTextSize));
    return std::move(*text);
}

// The entries of a source in their order. Blank lines and lines starting with "#" are skipped.
std::vector<std::string> readEntries(std::istream& in) {
    std::vector<std::string> entries;
    build::forEachSourceLine(in, [&](std::string_view text, std::size_t number) {
        entries.push_back(entryOfLine(text, number));
    });
    return entries;
}

void appendRecord(std::string& file, std::string_view text) {
    std::array<char, kCatalogueRecordSize> record{};
    record[0] = static_cast<char>(static_cast<unsigned char>(text.size()));
    std::memcpy(record.data() + 1, text.data(), text.size());
    file.append(record.data(), record.size());
}

} // namespace

int runBuildCatalogue(const Arguments& arguments) {
    const std::string& source = arguments.operands[0];
    const std::string& out = arguments.operands[1];
    // The filters read the header like any record: with an "@" it would be listed.
    const std::string header = arguments.header
                                   ? headerArgument(*arguments.header, kCatalogueTextSize)
                                   : build::todayHeader();

    if (const std::string refusal = sourceRefusal(source, {out}); !refusal.empty()) {
        std::cerr << "zadrovec-cli: " << refusal << '\n';
        return kExitFailure;
    }
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << "zadrovec-cli: " << source << ": " << whyNotOpened(source) << '\n';
        return kExitFailure;
    }
    try {
        const std::vector<std::string> entries = readEntries(in);
        std::string file;
        file.reserve((entries.size() + 1) * kCatalogueRecordSize);
        appendRecord(file, header);
        for (const std::string& entry : entries)
            appendRecord(file, entry);
        build::writeFileWhole(out, file);
        std::cout << "wrote " << out << " (" << entries.size() << " entries)\n";
        return kExitOk;
    } catch (const build::BuildError& error) {
        std::cerr << "zadrovec-cli: " << source << ": " << error.what() << '\n';
    } catch (const std::runtime_error& error) {
        std::cerr << "zadrovec-cli: " << error.what() << '\n';
    }
    return kExitFailure;
}

} // namespace zadrovec::cli
