#include "cli_text.h"

#include "cp1250.h"

namespace zadrovec::cli {

std::string argumentToCp1250(const std::string& utf8, std::string_view what) {
    auto converted = utf8ToCp1250(utf8);
    if (!converted)
        throw ArgumentTextError(std::string(what) + " \"" + utf8 +
                                "\" is not valid UTF-8 or holds a character that Windows-1250 "
                                "cannot hold");
    return std::move(*converted);
}

void printLine(std::ostream& out, std::string_view cp1250) {
    out << cp1250ToUtf8(cp1250) << '\n';
}

} // namespace zadrovec::cli
