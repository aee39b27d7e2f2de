// Checks the currencies, capitals and vehicle codes against Debian's iso-codes (ISO 4217 and
// ISO 3166-1 with their Czech translations) and CLDR (Czech territory names, the currencies each
// territory uses). The packages lag behind events now and then (a currency changed last year), so
// a disagreement is listed for a person to judge; only what is certainly wrong fails the build:
// a currency code whose meanings name another current currency code.
//
//   isocheck ISO_JSON_DIR ISO_MO_DIR CLDR_DIR MESTA MENY MPZSPZ
#include "data/import/packagefiles.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using zadrovec::import::jsonObjects;
using zadrovec::import::readMo;
using zadrovec::import::readSource;
using zadrovec::import::readWhole;
using Line = zadrovec::import::SourceLine;

bool isCode(const std::string& text) {
    return text.size() == 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Lower case without diacritics, for comparing names across spellings ("rijál", "Rial").
std::string plain(const std::string& utf8) {
    static const std::vector<std::pair<std::string, char>> letters = {
        {"á", 'a'}, {"Á", 'a'}, {"ä", 'a'}, {"č", 'c'}, {"Č", 'c'}, {"ď", 'd'}, {"é", 'e'},
        {"É", 'e'}, {"ě", 'e'}, {"í", 'i'}, {"Í", 'i'}, {"ň", 'n'}, {"ó", 'o'}, {"ö", 'o'},
        {"ř", 'r'}, {"Ř", 'r'}, {"š", 's'}, {"Š", 's'}, {"ť", 't'}, {"ú", 'u'}, {"ů", 'u'},
        {"ü", 'u'}, {"ý", 'y'}, {"ž", 'z'}, {"Ž", 'z'}, {"ñ", 'n'}, {"ç", 'c'}, {"ş", 's'}};
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (const auto& [letter, base] : letters)
            if (utf8.compare(i, letter.size(), letter) == 0) {
                out += base;
                i += letter.size();
                replaced = true;
                break;
            }
        if (replaced) continue;
        const char c = utf8[i++];
        if (c >= 'A' && c <= 'Z')
            out += char(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || c == ' ')
            out += c;
        else if (static_cast<unsigned char>(c) < 0x80)
            out += ' ';
    }
    return out;
}

std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// Whether two currency names share a word (three letters at least), allowing two letters of
// spelling between languages: "saúdský rijál" and "Saudi Riyal" do, "frank CFA" and "Rial" not.
bool sameCurrency(const std::string& a, const std::string& b) {
    std::istringstream wa(plain(a));
    for (std::string x; wa >> x;) {
        if (x.size() < 3) continue;
        std::istringstream wb(plain(b));
        for (std::string y; wb >> y;)
            if (y.size() >= 3 && editDistance(x, y) <= std::min<std::size_t>(2, x.size() / 3))
                return true;
    }
    return false;
}

bool marksFormer(const std::vector<std::string>& meanings) {
    return std::any_of(meanings.begin(), meanings.end(), [](const std::string& m) {
        return m.find("bývalá") != std::string::npos || m.find("do roku") != std::string::npos;
    });
}

struct Packages {
    std::map<std::string, std::vector<std::string>> currencyNames; // code -> English, Czech
    std::map<std::string, std::string> countryByName;              // Czech name -> alpha-2
    std::map<std::string, std::set<std::string>> tender;           // alpha-2 -> current codes
};

Packages readPackages(const std::string& json, const std::string& mo, const std::string& cldr) {
    Packages p;
    const auto currencyCs = readMo(mo + "/iso_4217.mo");
    for (const auto& c : jsonObjects(readWhole(json + "/iso_4217.json"))) {
        auto& names = p.currencyNames[c.at("alpha_3")];
        names.push_back(c.at("name"));
        if (const auto cs = currencyCs.find(c.at("name")); cs != currencyCs.end())
            names.push_back(cs->second);
    }
    const auto countryCs = readMo(mo + "/iso_3166-1.mo");
    for (const auto& c : jsonObjects(readWhole(json + "/iso_3166-1.json")))
        for (const char* key : {"name", "common_name", "official_name"})
            if (const auto name = c.find(key); name != c.end())
                if (const auto cs = countryCs.find(name->second); cs != countryCs.end())
                    p.countryByName[cs->second] = c.at("alpha_2");

    for (const auto& t : zadrovec::import::cldrTerritoryNames(readWhole(cldr + "/main/cs.xml")))
        p.countryByName.emplace(t.name, t.code);

    const std::string supplemental = readWhole(cldr + "/supplemental/supplementalData.xml");
    static const std::regex region(R"re(<region iso3166="([A-Z]{2})">([^]*?)</region>)re");
    static const std::regex currency(R"re(<currency iso4217="([A-Z]{3})"([^>]*)/>)re");
    for (std::sregex_iterator r(supplemental.begin(), supplemental.end(), region), end; r != end;
         ++r) {
        const std::string body = (*r)[2];
        for (std::sregex_iterator c(body.begin(), body.end(), currency); c != end; ++c) {
            const std::string attributes = (*c)[2];
            if (attributes.find(" to=") == std::string::npos &&
                attributes.find("tender=\"false\"") == std::string::npos)
                p.tender[(*r)[1]].insert((*c)[1]);
        }
    }
    return p;
}

std::string joined(const std::vector<std::string>& items, const char* separator = ", ") {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : separator) + item;
    return text;
}

// The currencies of meny against iso-codes and CLDR: a code's currency, a state's codes.
void checkCurrencies(const Packages& p, const std::vector<Line>& meny,
                     std::vector<std::string>& errors, std::vector<std::string>& notices) {
    std::map<std::string, std::vector<std::string>> menyMeanings;
    for (const Line& line : meny) {
        auto& meanings = menyMeanings[line.headword];
        meanings.insert(meanings.end(), line.meanings.begin(), line.meanings.end());
    }
    // "SKK@koruna slovenská" with "koruna slovenská@bývalá měna Slovenska": a former code.
    auto former = [&](const Line& line) {
        if (marksFormer(line.meanings)) return true;
        return std::any_of(line.meanings.begin(), line.meanings.end(), [&](const auto& m) {
            const auto named = menyMeanings.find(m);
            return named != menyMeanings.end() && marksFormer(named->second);
        });
    };

    for (const Line& line : meny) {
        const auto known = p.currencyNames.find(line.headword);
        if (known != p.currencyNames.end()) {
            // CODE@currency: no other code among its meanings, and the package's currency.
            for (const std::string& m : line.meanings)
                if (isCode(m) && m != line.headword && p.currencyNames.contains(m))
                    errors.push_back("meny: " + line.headword + " is " + known->second.front() +
                                     ", not also " + m);
            const std::string& name = line.meanings.empty() ? "" : line.meanings.front();
            if (std::none_of(known->second.begin(), known->second.end(),
                             [&](const std::string& n) { return sameCurrency(name, n); }))
                notices.push_back("meny: " + line.headword + " is \"" + name +
                                  "\", iso-codes says \"" + joined(known->second, "\" / \"") +
                                  "\"");
            continue;
        }
        const auto country = p.countryByName.find(line.headword);
        if (isCode(line.headword) && country == p.countryByName.end() && !former(line) &&
            std::none_of(line.meanings.begin(), line.meanings.end(),
                         [&](const auto& m) { return isCode(m) && p.currencyNames.contains(m); }))
            notices.push_back("meny: " + line.headword + " is no current ISO 4217 code");
        if (country == p.countryByName.end()) continue;
        // STATE@currency;CODE: the code CLDR gives the territory.
        const auto tender = p.tender.find(country->second);
        if (tender == p.tender.end()) continue;
        for (const std::string& m : line.meanings)
            if (isCode(m) && !tender->second.contains(m))
                notices.push_back(
                    "meny: " + line.headword + " pays in " + m + ", CLDR says " +
                    joined(std::vector<std::string>(tender->second.begin(), tender->second.end())));
    }
}

// Every state of the capitals has its currency; those without a vehicle code are listed.
// Returns the number of states in mesta.
std::size_t checkStates(const Packages& p, const std::vector<Line>& mesta,
                        const std::vector<Line>& meny, const std::vector<Line>& mpzspz,
                        std::vector<std::string>& notices) {
    std::set<std::string> menyHeadwords, mpzHeadwords;
    for (const Line& line : meny)
        menyHeadwords.insert(line.headword);
    for (const Line& line : mpzspz)
        mpzHeadwords.insert(line.headword);
    std::vector<std::string> withoutCurrency, withoutCode;
    std::size_t states = 0;
    for (const Line& line : mesta) {
        if (!p.countryByName.contains(line.headword)) continue;
        ++states;
        if (!menyHeadwords.contains(line.headword)) withoutCurrency.push_back(line.headword);
        if (!mpzHeadwords.contains(line.headword)) withoutCode.push_back(line.headword);
    }
    if (!withoutCurrency.empty())
        notices.push_back("meny: no currency for " + joined(withoutCurrency));
    if (!withoutCode.empty())
        notices.push_back("mpzspz: no vehicle code for " + joined(withoutCode));
    return states;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::cerr << "usage: isocheck ISO_JSON_DIR ISO_MO_DIR CLDR_DIR MESTA MENY MPZSPZ\n";
        return 2;
    }
    try {
        const Packages p = readPackages(argv[1], argv[2], argv[3]);
        const auto mesta = readSource(argv[4]);
        const auto meny = readSource(argv[5]);
        const auto mpzspz = readSource(argv[6]);
        std::vector<std::string> errors, notices;

        checkCurrencies(p, meny, errors, notices);
        const std::size_t states = checkStates(p, mesta, meny, mpzspz, notices);

        std::cout << "isocheck: " << p.currencyNames.size() << " ISO 4217 codes, "
                  << p.countryByName.size() << " Czech names of territories; " << states
                  << " states in mesta, " << meny.size() << " lines of meny, " << mpzspz.size()
                  << " lines of mpzspz checked: " << errors.size() << " wrong, " << notices.size()
                  << " to look at\n";
        for (const std::string& notice : notices)
            std::cout << "isocheck: to look at: " << notice << '\n';
        for (const std::string& error : errors)
            std::cerr << "isocheck: wrong: " << error << '\n';
        return errors.empty() ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "isocheck: " << e.what() << '\n';
        return 1;
    }
}
