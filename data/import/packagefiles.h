// Readers of the installed packages' files the importers take their facts from: whole files,
// gzip files (dictzip included), the flat objects of the iso-codes JSON, gettext catalogues,
// CLDR's Czech territory names, and the UTF-8 dictionary sources kept here.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace zadrovec::import {

// The whole file; std::runtime_error "cannot read PATH" when it cannot be read.
std::string readWhole(const std::string& path);

// The whole uncompressed text of a gzip file, or of a plain file (zlib reads both).
std::string readGzip(const std::string& path);

// The string fields of each object in an iso-codes JSON file (its objects are flat).
using JsonObject = std::map<std::string, std::string>;
std::vector<JsonObject> jsonObjects(const std::string& text);

// The translations of a gettext .mo file: original -> translation.
std::map<std::string, std::string> readMo(const std::string& path);

// The territory names of a CLDR locale file such as main/cs.xml, in the file's order; `alt` is
// empty for the main name, else "short", "variant" and the like.
struct TerritoryName {
    std::string code;
    std::string alt;
    std::string name;
};
std::vector<TerritoryName> cldrTerritoryNames(const std::string& xml);

// The lines "HEADWORD@MEANING;MEANING;" of a dictionary source, comments and blank lines skipped.
struct SourceLine {
    std::string headword;
    std::vector<std::string> meanings;
};
std::vector<SourceLine> readSource(const std::string& path);

} // namespace zadrovec::import
