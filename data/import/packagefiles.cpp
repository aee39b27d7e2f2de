#include "data/import/packagefiles.h"

#include <cstdint>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <zlib.h>

namespace zadrovec::import {

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string readGzip(const std::string& path) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file) throw std::runtime_error("cannot read " + path);
    std::string text;
    char buffer[1 << 16];
    int got = 0;
    while ((got = gzread(file, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    const bool failed = got < 0;
    gzclose(file);
    if (failed) throw std::runtime_error(path + " is damaged");
    return text;
}

std::vector<JsonObject> jsonObjects(const std::string& text) {
    std::vector<JsonObject> objects;
    static const std::regex object(R"(\{([^{}]*)\})");
    static const std::regex field(R"re("([a-z_0-9]+)"\s*:\s*"((?:[^"\\]|\\.)*)")re");
    for (std::sregex_iterator o(text.begin(), text.end(), object), end; o != end; ++o) {
        const std::string body = (*o)[1];
        JsonObject fields;
        for (std::sregex_iterator f(body.begin(), body.end(), field); f != end; ++f)
            fields[(*f)[1]] = (*f)[2];
        if (!fields.empty()) objects.push_back(std::move(fields));
    }
    return objects;
}

std::map<std::string, std::string> readMo(const std::string& path) {
    const std::string mo = readWhole(path);
    auto word = [&](std::size_t at, bool swap) {
        if (at + 4 > mo.size()) throw std::runtime_error(path + " is damaged");
        std::uint32_t v = 0;
        for (int b = 0; b < 4; ++b)
            v |= std::uint32_t(static_cast<unsigned char>(mo[at + b]))
                 << (swap ? 24 - 8 * b : 8 * b);
        return v;
    };
    const bool swap = word(0, false) != 0x950412DE;
    if (word(0, swap) != 0x950412DE) throw std::runtime_error(path + " is no .mo file");
    const std::uint32_t count = word(8, swap), originals = word(12, swap),
                        translations = word(16, swap);
    std::map<std::string, std::string> result;
    for (std::uint32_t i = 0; i < count; ++i) {
        auto text = [&](std::uint32_t table) {
            const std::uint32_t length = word(table + 8 * i, swap);
            const std::uint32_t offset = word(table + 8 * i + 4, swap);
            if (offset > mo.size() || length > mo.size() - offset)
                throw std::runtime_error(path + " is damaged");
            return mo.substr(offset, length);
        };
        result[text(originals)] = text(translations);
    }
    return result;
}

std::vector<TerritoryName> cldrTerritoryNames(const std::string& xml) {
    static const std::regex territory(
        R"re(<territory type="([A-Z]{2})"(?: alt="([a-z-]+)")?[^>]*>([^<]+)</territory>)re");
    std::vector<TerritoryName> names;
    for (std::sregex_iterator t(xml.begin(), xml.end(), territory), end; t != end; ++t)
        names.push_back({(*t)[1], (*t)[2], (*t)[3]});
    return names;
}

std::vector<SourceLine> readSource(const std::string& path) {
    std::istringstream in(readWhole(path));
    std::vector<SourceLine> lines;
    for (std::string text; std::getline(in, text);) {
        if (text.empty() || text[0] == '#') continue;
        const auto at = text.find('@');
        if (at == std::string::npos) continue;
        SourceLine line{text.substr(0, at), {}};
        std::istringstream meanings(text.substr(at + 1));
        for (std::string m; std::getline(meanings, m, ';');)
            if (!m.empty()) line.meanings.push_back(m);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace zadrovec::import
