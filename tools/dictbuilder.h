// Making dictionary file pairs from entries: the records sorted by headword, long entries split
// over several records, and the three-level index of first characters.
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec::build {

// One entry of a source: a headword and its meanings, Windows-1250.
struct SourceEntry {
    std::string headword;
    std::vector<std::string> meanings;
    std::size_t line = 0; // in the source, for messages; 0 when not from a file
};

// A fault in the input, naming its line (0 when the entry came from no file).
class BuildError : public std::runtime_error {
public:
    BuildError(std::size_t line, const std::string& what);
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

// Reads a UTF-8 source, one entry a line "HEADWORD@MEANING;MEANING;". Blank lines and lines
// starting with "#" are skipped. Throws BuildError naming the line.
std::vector<SourceEntry> parseSource(std::istream& in);

// The longest source line taken: far more than any entry can use.
inline constexpr std::size_t kLongestSourceLine = 1 << 20;

// Calls entry(text, lineNumber) for each line of a UTF-8 source that is neither blank nor a
// comment ("#"), without a byte order mark or a CR at its end. Throws BuildError when the
// source cannot be read or a line is longer than kLongestSourceLine, naming that line.
void forEachSourceLine(std::istream& in,
                       const std::function<void(std::string_view, std::size_t)>& entry);

struct BuiltDictionary {
    std::vector<std::string> records; // record texts, the header first, each at most 80 bytes
    std::vector<unsigned char> index; // the 1,236,720-byte index image
};

// Folds the headwords, orders the records by headword bytes (stable), splits long entries and
// makes the index. Throws BuildError for an entry that cannot be stored or too many first
// characters.
BuiltDictionary buildDictionary(std::vector<SourceEntry> entries, const std::string& header);

// Writes base.dat and base.idx whole or not at all (temporary files renamed into place).
// Throws std::runtime_error naming the file on failure.
void writeDictionary(const BuiltDictionary& dictionary, const std::string& outBase);

// Writes one file whole or not at all, the same way. Throws std::runtime_error naming the file.
void writeFileWhole(const std::string& path, std::string_view bytes);

// The build date as d.m.yyyy, the default header.
std::string todayHeader();

} // namespace zadrovec::build
