// Just enough JSON for the tool's output: strings and arrays of them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zadrovec::json {

// A UTF-8 text as a JSON string literal, quotes included. Control characters (C0, DEL and C1)
// are escaped, so the output is plain printable text.
std::string quoted(std::string_view utf8);

// ["a","b"] from UTF-8 texts.
std::string array(const std::vector<std::string>& utf8Items);

} // namespace zadrovec::json
