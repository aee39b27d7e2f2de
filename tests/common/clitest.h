// What the tests that run the programs share (command line, builder, importers): index slots
// read by their offsets in the file layout and running zadrovec-cli and the importers, beside the
// shared temporary folders and whole-file access.
#pragma once

#include "tests/common/testfiles.h"
#include "tests/engine/fixture.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec::clitest {

using testing::TempFolder;
// The whole-file access by the names these tests call it.
inline constexpr auto& readFile = testing::readBytes;
inline constexpr auto& writeFile = testing::writeBytes;

// A slot of an index image; numbers count from 1 as the layout does.
struct Slot {
    unsigned char character;
    std::int32_t record;
};
using testing::firstSlotOffset;
using testing::secondSlotOffset;
using testing::thirdSlotOffset;
Slot slotAt(const std::vector<unsigned char>& image, std::size_t offset);
Slot slotAt(const std::string& image, std::size_t offset);
void setRecordNumber(std::string& image, std::size_t slotOffset, std::int32_t record);

using testing::cp;

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with the arguments and no input; stdout and stderr caught whole.
RunResult runProgram(const std::string& program, const std::vector<std::string>& args);
// Runs the zadrovec-cli under test.
RunResult runCli(const std::vector<std::string>& args);
std::string cliPath();

// Writes the UTF-8 source to folder/name.txt and builds folder/name.dat and .idx from it.
RunResult buildWithCli(const TempFolder& folder, const std::string& name, const std::string& source,
                       const std::string& header = "1.2.2024");

// The lines of a text, without their line breaks.
std::vector<std::string> lines(const std::string& text);
// Whether the text has this whole line.
bool hasLine(const std::string& text, const std::string& line);

// What `zadrovec-cli search` printed: the listed headwords, then the meanings after "--".
struct Found {
    std::vector<std::string> headwords;
    std::vector<std::string> meanings;
};
// Searches the dictionary `name` of the folder `data` for text, meanings of headword `select`.
Found searchWithCli(const std::string& data, const std::string& name, const std::string& text,
                    int select = 0);

} // namespace zadrovec::clitest
