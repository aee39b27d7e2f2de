// Makes the states' links for the crossword supplement: every sovereign state linked to "stát"
// and to its continent, and its capital linked to "hlavní město" with the state's name in the
// genitive:
//
//   KEŇA@stát;africký stát;stát v Africe;
//   NAIROBI@hlavní město;hlavní město Keni;
//
// The sovereign states are the members of the UN (CLDR's grouping "UN") and its two observer
// states, each under its short common Czech name (CLDR's or the iso-codes translation, the one the
// capitals dictionary uses where it uses one). The continent comes from CLDR's territory
// containment, the capitals from the capitals dictionary. The genitives come from a table written
// by hand (GENITIVES: "name<TAB>genitive", UTF-8, "#" comments), since no package gives the case
// of a name and an ending guessed from it goes wrong ("Keňa", "Bahamy", "Peru"); a state the
// table lacks stops the run, so no capital is ever written with the nominative.
//
//   states2source ISO_JSON_DIR ISO_MO_DIR CLDR_DIR MESTA GENITIVES OUTPUT.txt
#include "data/import/packagefiles.h"
#include "data/import/sourcelimits.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/wholefilestream.h"
#include "engine/text/cp1250.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace zadrovec::import;

// Sovereign, and at the UN as observers rather than members: the Holy See and Palestine.
const std::set<std::string> kObserverStates = {"VA", "PS"};

struct Continent {
    std::vector<std::string> meanings; // after "stát"
};

// The continents of CLDR's world (001), the Americas cut in two: South America (005) and the rest
// (Northern and Central America, the Caribbean). Oceania has no adjective a legend would use.
const std::map<std::string, Continent> kContinents = {
    {"002", {{"africký stát", "stát v Africe"}}},
    {"North",
     {{"americký stát", "severoamerický stát", "stát v Americe", "stát v Severní Americe"}}},
    {"005", {{"americký stát", "jihoamerický stát", "stát v Americe", "stát v Jižní Americe"}}},
    {"142", {{"asijský stát", "stát v Asii"}}},
    {"150", {{"evropský stát", "stát v Evropě"}}},
    {"009", {{"stát v Oceánii"}}},
};

struct Containment {
    std::map<std::string, std::string> parent; // territory or region -> the region holding it
    std::set<std::string> unMembers;
};

// The tree of <territoryContainment>: groupings (the EU, the UN, ...) and deprecated codes are
// left out of it; the UN grouping gives the members.
Containment readContainment(const std::string& supplemental) {
    static const std::regex group(R"re(<group type="([0-9A-Z]+)" contains="([^"]*)"([^/]*)/>)re");
    Containment c;
    for (std::sregex_iterator g(supplemental.begin(), supplemental.end(), group), end; g != end;
         ++g) {
        const std::string type = (*g)[1], attributes = (*g)[3];
        std::istringstream contained((*g)[2].str());
        if (type == "UN") {
            for (std::string code; contained >> code;)
                c.unMembers.insert(code);
            continue;
        }
        if (attributes.find("grouping") != std::string::npos ||
            attributes.find("status") != std::string::npos)
            continue;
        for (std::string code; contained >> code;)
            c.parent.emplace(code, type);
    }
    return c;
}

// The key of kContinents for a territory, or "" when the tree does not reach one.
std::string continentOf(const Containment& c, const std::string& code) {
    bool south = false;
    for (std::string at = code; c.parent.contains(at);) {
        at = c.parent.at(at);
        if (at == "005") south = true;
        if (at == "019") return south ? "005" : "North";
        if (kContinents.contains(at)) return at;
    }
    return "";
}

// A name fit for a legend: not an abbreviation ("GB") and no qualified form ("Kongo – Kinshasa",
// "Myanmar (Barma)", "Korea, republika").
bool plainName(const std::string& name) {
    if (name.empty() || name.find_first_of("(,") != std::string::npos ||
        name.find(" – ") != std::string::npos)
        return false;
    return std::any_of(name.begin(), name.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; });
}

// "Keňa" -> "KEŇA", as the build folds headwords.
std::string folded(const std::string& utf8) {
    auto text = zadrovec::Utf8ToCp1250(utf8);
    if (!text) return {};
    zadrovec::CzechUpperCase(*text);
    return zadrovec::Cp1250ToUtf8(*text);
}

struct State {
    std::string name;
    std::string genitive;                  // from the table of genitives
    std::vector<std::string> namesInMesta; // those of the capitals dictionary, best first
    std::string continent;
};

using Meanings = std::map<std::string, std::set<std::string>>; // headword -> meanings

// The UN member and observer states with their Czech names (as the capitals dictionary has
// them where it does) and continents, and what could not be named.
struct StatesRead {
    std::vector<State> states;
    std::size_t members = 0, observers = 0;
    std::vector<std::string> unnamed, noContinent;
};

StatesRead readStates(const std::string& json, const std::string& mo, const std::string& cldr,
                      const Meanings& mesta) {
    const Containment containment =
        readContainment(readWhole(cldr + "/supplemental/supplementalData.xml"));
    std::map<std::string, std::vector<TerritoryName>> cldrNames;
    for (auto& t : cldrTerritoryNames(readWhole(cldr + "/main/cs.xml")))
        cldrNames[t.code].push_back(std::move(t));
    const auto countryCs = readMo(mo + "/iso_3166-1.mo");
    StatesRead read;
    for (const JsonObject& country : jsonObjects(readWhole(json + "/iso_3166-1.json"))) {
        const std::string code = country.at("alpha_2");
        const bool member = containment.unMembers.contains(code);
        if (!member && !kObserverStates.contains(code)) continue;
        // Candidates in order of preference: CLDR's name, its short and variant forms, then
        // the iso-codes translations of the common and the full name.
        std::vector<std::string> candidates;
        for (const char* alt : {"", "short", "variant"})
            for (const TerritoryName& t : cldrNames[code])
                if (t.alt == alt) candidates.push_back(t.name);
        for (const char* key : {"common_name", "name"})
            if (const auto english = country.find(key); english != country.end())
                if (const auto cs = countryCs.find(english->second); cs != countryCs.end())
                    candidates.push_back(cs->second);
        std::erase_if(candidates, [](const std::string& n) { return !plainName(n); });
        State state;
        for (const std::string& candidate : candidates)
            if (mesta.contains(candidate) &&
                std::find(state.namesInMesta.begin(), state.namesInMesta.end(), candidate) ==
                    state.namesInMesta.end())
                state.namesInMesta.push_back(candidate);
        state.name = !state.namesInMesta.empty() ? state.namesInMesta.front()
                     : !candidates.empty()       ? candidates.front()
                                                 : "";
        if (state.name.empty() || folded(state.name).empty()) {
            read.unnamed.push_back(code);
            continue;
        }
        state.continent = continentOf(containment, code);
        if (state.continent.empty()) read.noContinent.push_back(state.name);
        ++(member ? read.members : read.observers);
        read.states.push_back(std::move(state));
    }
    return read;
}

// A capital stands among the state's meanings and names the state in turn; a meaning that
// shares a meaning with the state is another name of it ("Svatý stolec@Vatikán;" beside
// "Vatikán@Vatikán;Svatý stolec;"), unless it is the state's own name.
std::map<std::string, std::vector<std::string>>
capitalsOf(const std::vector<State>& states, const Meanings& mesta,
           std::vector<std::string>& withoutCapital) {
    std::map<std::string, std::vector<std::string>> capitals; // headword -> meanings
    for (const State& state : states) {
        std::set<std::string> found;
        for (const std::string& name : state.namesInMesta)
            for (const std::string& capital : mesta.at(name)) {
                const auto back = mesta.find(capital);
                if (back == mesta.end() || !back->second.contains(name)) continue;
                const bool another =
                    capital != name &&
                    std::any_of(back->second.begin(), back->second.end(),
                                [&](const std::string& m) { return mesta.at(name).contains(m); });
                if (!another) found.insert(capital);
            }
        if (found.empty()) withoutCapital.push_back(state.name);
        for (const std::string& capital : found) {
            if (folded(capital).empty()) continue; // the build would refuse it
            auto& meanings = capitals[folded(capital)];
            for (const std::string& m :
                 {std::string("hlavní město"), "hlavní město " + state.genitive})
                if (std::find(meanings.begin(), meanings.end(), m) == meanings.end())
                    meanings.push_back(m);
        }
    }
    return capitals;
}

// The source lines: each state with its continent, then each capital. Meanings too long for a
// record are counted in tooLong and left out.
bool writeSource(const std::string& path, const std::vector<State>& states,
                 const std::map<std::string, std::vector<std::string>>& capitals,
                 std::size_t& tooLong) {
    zadrovec::WholeFileStream file(path);
    std::ostream& out = file.stream();
    out << "# Made by states2source from iso-codes, CLDR, the capitals and the genitives; do not "
           "edit.\n";
    auto write = [&](const std::string& headword, const std::vector<std::string>& meanings) {
        const std::size_t headwordBytes = zadrovec::Utf8ToCp1250(headword)->size();
        out << headword << '@';
        for (const std::string& m : meanings) {
            const auto bytes = zadrovec::Utf8ToCp1250(m);
            if (bytes && fitsRecord(headwordBytes, bytes->size()))
                out << m << ';';
            else
                ++tooLong;
        }
        out << '\n';
    };
    for (const State& state : states) {
        std::vector<std::string> meanings = {"stát"};
        if (const auto c = kContinents.find(state.continent); c != kContinents.end())
            meanings.insert(meanings.end(), c->second.meanings.begin(), c->second.meanings.end());
        write(folded(state.name), meanings);
    }
    for (const auto& [capital, meanings] : capitals)
        write(capital, meanings);
    return file.isOpen() && file.commit();
}

// The table of genitives: name -> genitive. A line that is not two non-empty columns, or a name
// given twice, is an error naming the line.
std::map<std::string, std::string> readGenitives(const std::string& path) {
    std::istringstream table(readWhole(path));
    std::map<std::string, std::string> genitives;
    int lineNumber = 0;
    for (std::string line; std::getline(table, line);) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        const std::string name = line.substr(0, tab);
        const std::string genitive = tab == line.npos ? "" : line.substr(tab + 1);
        if (name.empty() || genitive.empty() || genitive.find('\t') != genitive.npos ||
            !genitives.emplace(name, genitive).second)
            throw std::runtime_error(path + ":" + std::to_string(lineNumber) +
                                     ": not \"name<TAB>genitive\" of a state not named before");
    }
    return genitives;
}

// Gives each state its genitive; the states the table lacks are returned.
std::vector<std::string> addGenitives(std::vector<State>& states,
                                      const std::map<std::string, std::string>& genitives) {
    std::vector<std::string> missing;
    for (State& state : states)
        if (const auto g = genitives.find(state.name); g != genitives.end())
            state.genitive = g->second;
        else
            missing.push_back(state.name);
    return missing;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text.empty() ? std::string("none") : text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::cerr
            << "usage: states2source ISO_JSON_DIR ISO_MO_DIR CLDR_DIR MESTA GENITIVES OUTPUT.txt\n";
        return 2;
    }
    try {
        Meanings mesta;
        for (const SourceLine& line : readSource(argv[4]))
            mesta[line.headword].insert(line.meanings.begin(), line.meanings.end());
        StatesRead read = readStates(argv[1], argv[2], argv[3], mesta);
        if (const auto missing = addGenitives(read.states, readGenitives(argv[5]));
            !missing.empty()) {
            std::cerr << "states2source: no genitive in " << argv[5] << " for: " << joined(missing)
                      << "; add a line \"name<TAB>genitive\" for each\n";
            return 1;
        }
        std::vector<std::string> withoutCapital;
        const auto capitals = capitalsOf(read.states, mesta, withoutCapital);
        std::size_t tooLong = 0;
        if (!writeSource(argv[6], read.states, capitals, tooLong)) {
            std::cerr << "states2source: cannot write " << argv[6] << '\n';
            return 1;
        }
        std::cout << "states2source: " << read.states.size() << " states written (" << read.members
                  << " UN members, " << read.observers
                  << " observer states); without a Czech name: " << joined(read.unnamed)
                  << "; without a continent: " << joined(read.noContinent) << '\n'
                  << "states2source: " << capitals.size()
                  << " capitals written; no capital in the capitals dictionary for: "
                  << joined(withoutCapital) << "; " << tooLong << " meanings too long dropped\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "states2source: " << e.what() << '\n';
        return 1;
    }
}
