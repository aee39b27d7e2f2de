#include "engine/solver/legendwords.h"

#include "engine/solver/squares.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

namespace zadrovec {
namespace {

// Prepositions, conjunctions, particles and pronouns of Czech legends, folded. "ANO" and "NE"
// are missing on purpose: they are answers.
constexpr std::array<std::string_view, 104> kStopWords = {
    "A",     "ABY",   "AC",   "AJ",   "ALE",    "ANI",  "ANIZ",  "AT",    "AZ",    "BEZ",   "BY",
    "BYL",   "BYLA",  "BYLO", "BYT",  "CI",     "CO",   "DO",    "I",     "JA",    "JAK",   "JAKO",
    "JE",    "JEHO",  "JEJ",  "JEJI", "JEJICH", "JEN",  "JENZ",  "JESTE", "JI",    "JIM",   "JIZ",
    "JSOU",  "K",     "KAM",  "KDE",  "KDO",    "KDY",  "KDYZ",  "KE",    "KTERA", "KTERE", "KTERY",
    "KU",    "MEZI",  "MU",   "NA",   "NAD",    "NEBO", "NEZ",   "NIZ",   "O",     "OB",    "OD",
    "ON",    "ONA",   "ONI",  "ONO",  "PO",     "POD",  "PODLE", "PRED",  "PRES",  "PRI",   "PRO",
    "PROTO", "PROTI", "S",    "SE",   "SI",     "SKRZ", "SVE",   "SVUJ",  "TA",    "TAK",   "TAKE",
    "TAM",   "TED",   "TEDY", "TEN",  "TENTO",  "TEZ",  "TO",    "TOHO",  "TOTO",  "TU",    "TY",
    "U",     "UZ",    "V",    "VE",   "VSAK",   "Z",    "ZA",    "ZDA",   "ZE",    "ZDE",   "ZPET",
    "ZRNA",  "BUDE",  "JSEM", "JSI",  "JSME"};

// The abbreviations of Czech legends with what they stand for, as typed (lower case).
constexpr std::array<std::pair<std::string_view, std::string_view>, 52> kAbbreviations = {{
    {"angl", "anglicky"},     {"arab", "arabsky"},    {"bibl", "biblický"},
    {"biol", "biologický"},   {"bot", "botanický"},   {"býv", "bývalý"},
    {"č", "číslo"},           {"čes", "český"},       {"chem", "chemický"},
    {"citosl", "citoslovce"}, {"fr", "francouzsky"},  {"franc", "francouzsky"},
    {"hebr", "hebrejsky"},    {"hist", "historický"}, {"hl", "hlavní"},
    {"hud", "hudební"},       {"it", "italsky"},      {"ital", "italsky"},
    {"jap", "japonsky"},      {"jm", "jméno"},        {"kn", "knižně"},
    {"lat", "latinsky"},      {"maď", "maďarsky"},    {"mat", "matematický"},
    {"med", "lékařský"},      {"myt", "mytologický"}, {"nár", "nářečně"},
    {"něm", "německy"},       {"obl", "oblast"},      {"ost", "ostrov"},
    {"pol", "polsky"},        {"pozn", "poznávací"},  {"př", "předložka"},
    {"přír", "přírodní"},     {"r", "rok"},           {"ř", "řeka"},
    {"řec", "řecky"},         {"rus", "rusky"},       {"sev", "severní"},
    {"slov", "slovensky"},    {"sp", "sportovní"},    {"špan", "španělsky"},
    {"st", "starý"},          {"sv", "svatý"},        {"tj", "to je"},
    {"tzv", "takzvaný"},      {"um", "umělecký"},     {"výr", "výrobek"},
    {"zast", "zastarale"},    {"zkr", "zkratka"},     {"zn", "značka"},
    {"zool", "zoologický"},
}};

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// The expansion of an abbreviation written before a dot (Windows-1250), if the table has it.
std::string expansion(std::string_view word) {
    // The table in capitals of Windows-1250, made once.
    static const std::unordered_map<std::string, std::string> table = [] {
        std::unordered_map<std::string, std::string> made;
        for (const auto& [abbreviation, meaning] : kAbbreviations)
            made.emplace(UpperCaseCp1250(Cp1250Literal(abbreviation)), Cp1250Literal(meaning));
        return made;
    }();
    const auto found = table.find(UpperCaseCp1250(word));
    return found == table.end() ? std::string() : found->second;
}

void addWord(std::string_view word, std::vector<std::string>& terms) {
    std::string folded = FoldedCapitals(word);
    if (!IsStopWord(folded)) terms.push_back(std::move(folded));
}

} // namespace

bool IsCluePattern(std::string_view clue) {
    return clue.find_first_of("*?") != std::string_view::npos;
}

bool IsStopWord(std::string_view folded) {
    return std::find(kStopWords.begin(), kStopWords.end(), folded) != kStopWords.end();
}

std::vector<std::string> LegendTerms(std::string_view text) {
    std::vector<std::string> terms;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (isDigit(c)) {
            // A number, with a decimal comma or point between digits: "3,7".
            std::size_t end = at;
            while (end < text.size() &&
                   (isDigit(static_cast<unsigned char>(text[end])) ||
                    ((text[end] == ',' || text[end] == '.') && end + 1 < text.size() &&
                     isDigit(static_cast<unsigned char>(text[end + 1])) && end > at)))
                ++end;
            terms.emplace_back(text.substr(at, end - at));
            at = end;
        } else if (IsCp1250Letter(c)) {
            std::size_t end = at;
            while (end < text.size() && IsCp1250Letter(static_cast<unsigned char>(text[end])))
                ++end;
            const std::string_view word = text.substr(at, end - at);
            const std::string meaning =
                end < text.size() && text[end] == '.' ? expansion(word) : std::string();
            if (meaning.empty()) {
                addWord(word, terms);
            } else {
                for (std::string& term : LegendTerms(meaning))
                    terms.push_back(std::move(term));
            }
            at = end;
        } else {
            ++at;
        }
    }
    return terms;
}

} // namespace zadrovec
