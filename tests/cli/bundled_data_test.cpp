// The data shipped beside the programs: every dictionary and the characters catalogue opens,
// passes the checker and answers known look-ups; the seed settings file names the dictionary
// commands; an installed tool, started through its link, finds the data.
#include "tests/common/clitest.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace zadrovec::clitest {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kDictionaries = {"hlavni", "mesta",    "chzn",    "meny",
                                                "mpzspz", "osobnost", "letadla", "podniky"};

std::string dataFolder() {
    return fs::path(cliPath()).parent_path().string();
}

Found search(const std::string& name, const std::string& text, int select = 0) {
    return searchWithCli(dataFolder(), name, text, select);
}

// The meanings of exactly this headword (as the program shows it, in capitals).
std::vector<std::string> meaningsOf(const std::string& name, const std::string& headword) {
    const Found found = search(name, headword);
    for (std::size_t i = 0; i < found.headwords.size(); ++i)
        if (found.headwords[i] == headword) return search(name, headword, int(i)).meanings;
    ADD_FAILURE() << name << ": no headword " << headword;
    return {};
}

// Whether the dictionary has exactly this headword.
bool hasHeadword(const std::string& name, const std::string& headword) {
    const RunResult run = runCli({"--data", dataFolder(), "search", name, headword});
    EXPECT_EQ(run.exitCode, 0) << name << " " << headword << ": " << run.err;
    for (const std::string& line : lines(run.out)) {
        if (line == "--") break;
        if (line == headword) return true;
    }
    return false;
}

bool holds(const std::vector<std::string>& items, const std::string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

TEST(BundledData, EveryDictionaryOpensAndPassesTheCheck) {
    const std::regex date(R"(header: \d{1,2}\.\d{1,2}\.\d{4})");
    for (const std::string& name : kDictionaries) {
        SCOPED_TRACE(name);
        const RunResult info = runCli({"--data", dataFolder(), "info", name});
        ASSERT_EQ(info.exitCode, 0) << info.err;
        EXPECT_TRUE(std::regex_search(info.out, date)) << info.out;
        const RunResult check = runCli({"check", (fs::path(dataFolder()) / name).string()});
        EXPECT_EQ(check.exitCode, 0) << check.out;
        EXPECT_EQ(check.out.rfind("OK: ", 0), 0u) << check.out;
    }
}

TEST(BundledData, DictionariesHoldTheirWholeSubject) {
    // Words counted by the tool; the least each source must give.
    const std::map<std::string, int> least = {{"mesta", 390},  {"chzn", 236},     {"meny", 400},
                                              {"mpzspz", 400}, {"osobnost", 600}, {"letadla", 380},
                                              {"podniky", 200}};
    for (const auto& [name, count] : least) {
        const RunResult info = runCli({"--data", dataFolder(), "info", name});
        std::smatch match;
        ASSERT_TRUE(std::regex_search(info.out, match, std::regex(R"(words: (\d+))"))) << name;
        EXPECT_GE(std::stoi(match[1]), count) << name;
    }
}

TEST(BundledData, KnownLookUpsInBothDirections) {
    EXPECT_TRUE(holds(meaningsOf("mesta", "PRAHA"), "Česko"));
    EXPECT_TRUE(holds(meaningsOf("mesta", "ČESKO"), "Praha"));
    EXPECT_TRUE(holds(meaningsOf("mesta", "FRANCIE"), "Paříž"));
    EXPECT_TRUE(holds(meaningsOf("mesta", "CANBERRA"), "Austrálie"));

    EXPECT_TRUE(holds(meaningsOf("chzn", "FE"), "železo"));
    EXPECT_TRUE(holds(meaningsOf("chzn", "ŽELEZO"), "Fe"));
    EXPECT_TRUE(holds(meaningsOf("chzn", "OG"), "oganesson"));
    EXPECT_TRUE(holds(meaningsOf("chzn", "OG"), "prvek č. 118"));

    EXPECT_TRUE(holds(meaningsOf("meny", "CZK"), "koruna česká"));
    EXPECT_TRUE(holds(meaningsOf("meny", "FORINT"), "Maďarsko"));
    EXPECT_TRUE(holds(meaningsOf("meny", "EURO"), "Slovensko"));
    EXPECT_TRUE(holds(meaningsOf("meny", "JAPONSKO"), "jen"));

    EXPECT_TRUE(holds(meaningsOf("mpzspz", "CZ"), "Česko"));
    EXPECT_TRUE(holds(meaningsOf("mpzspz", "SLOVENSKO"), "SK"));
    EXPECT_TRUE(holds(meaningsOf("mpzspz", "BN"), "Benešov"));
    EXPECT_TRUE(holds(meaningsOf("mpzspz", "BENEŠOV"), "BN"));

    EXPECT_TRUE(holds(meaningsOf("osobnost", "ČAPEK"), "Karel Čapek, český spisovatel a dramatik"));
    EXPECT_TRUE(holds(meaningsOf("osobnost", "SKLADATEL"), "Smetana"));

    EXPECT_TRUE(holds(meaningsOf("letadla", "OK"), "Česko"));
    EXPECT_TRUE(holds(meaningsOf("letadla", "ČESKO"), "OK"));

    EXPECT_TRUE(holds(meaningsOf("podniky", "TATRA"), "nákladní automobily, Kopřivnice"));
    EXPECT_TRUE(holds(meaningsOf("podniky", "AUTOMOBILKA"), "Škoda Auto"));

    // The main dictionary is the thesaurus or the sample; both know the car.
    EXPECT_FALSE(meaningsOf("hlavni", "AUTO").empty());
}

// The characters of the first work whose title begins with TITLE.
std::vector<std::string> charactersOf(const std::string& title) {
    const RunResult run =
        runCli({"--data", dataFolder(), "characters", "--title", title, "--click-title", "0"});
    EXPECT_EQ(run.exitCode, 0) << title << ": " << run.err;
    std::vector<std::string> characters;
    int separators = 0;
    for (const std::string& line : lines(run.out)) {
        if (line == "--")
            ++separators;
        else if (separators == 2)
            characters.push_back(line);
    }
    return characters;
}

TEST(BundledData, CurrenciesAsTheStandardsHaveThem) {
    const auto dirham = meaningsOf("meny", "DIRHAM");
    EXPECT_TRUE(holds(dirham, "tisícina libyjského dináru"));
    EXPECT_FALSE(holds(dirham, "desetina libyjského dináru"));
    EXPECT_TRUE(holds(meaningsOf("meny", "TEŇŇE"), "setina turkmenského manatu"));
    EXPECT_TRUE(holds(meaningsOf("meny", "TENGE"), "setina turkmenského manatu"));
    EXPECT_FALSE(hasHeadword("meny", "TENESI"));
    EXPECT_FALSE(holds(meaningsOf("meny", "SALVADOR"), "bitcoin"));
    EXPECT_FALSE(hasHeadword("meny", "BITCOIN"));
    EXPECT_EQ(meaningsOf("meny", "BULHARSKO"), (std::vector<std::string>{"EUR", "euro"}));
    EXPECT_TRUE(holds(meaningsOf("meny", "EURO"), "Bulharsko"));
    EXPECT_EQ(meaningsOf("meny", "SAR"), std::vector<std::string>{"saúdský rijál"});
    EXPECT_EQ(meaningsOf("meny", "MRU"), std::vector<std::string>{"ouguiya"});
    EXPECT_TRUE(holds(meaningsOf("meny", "OUGUIYA"), "Mauritánie"));
    EXPECT_TRUE(holds(meaningsOf("meny", "MAURITÁNIE"), "ouguiya"));
    EXPECT_FALSE(hasHeadword("meny", "UKÍJA"));
}

TEST(BundledData, CodesNamesAndEnterprisesAsTheyAreToday) {
    EXPECT_EQ(meaningsOf("mpzspz", "HKJ"), std::vector<std::string>{"Jordánsko"});
    EXPECT_EQ(meaningsOf("mpzspz", "JORDÁNSKO"), std::vector<std::string>{"HKJ"});
    EXPECT_FALSE(hasHeadword("mpzspz", "JOR"));

    EXPECT_TRUE(
        holds(meaningsOf("osobnost", "ŠEBRLE"), "Roman Šebrle, desetibojař, olympijský vítěz"));
    EXPECT_TRUE(holds(meaningsOf("osobnost", "ROMAN ŠEBRLE"), "desetibojař, olympijský vítěz"));
    EXPECT_TRUE(holds(meaningsOf("osobnost", "SPORTOVEC"), "Šebrle"));
    EXPECT_FALSE(hasHeadword("osobnost", "SEBRLE"));

    EXPECT_TRUE(holds(meaningsOf("podniky", "LOŠTICE"), "A.W. spol. s r.o."));
    EXPECT_TRUE(holds(meaningsOf("podniky", "A.W. SPOL. S R.O."), "olomoucké tvarůžky, Loštice"));
    EXPECT_FALSE(hasHeadword("podniky", "HELLMA"));
    EXPECT_TRUE(holds(meaningsOf("podniky", "ČESKÉ AEROLINIE"),
                      "letecká doprava do října 2024, ČSA, Praha"));
    EXPECT_TRUE(holds(meaningsOf("podniky", "BOMBARDIER"),
                      "železniční divize od roku 2021 součástí Alstomu"));
    EXPECT_TRUE(
        holds(meaningsOf("podniky", "ALSTOM"), "od roku 2021 i železniční výroba Bombardieru"));
    EXPECT_TRUE(holds(meaningsOf("podniky", "IKEA"), "nábytek, Älmhult, Švédsko"));
    EXPECT_TRUE(holds(meaningsOf("podniky", "ÄLMHULT"), "IKEA"));
    EXPECT_FALSE(hasHeadword("podniky", "DELFT"));
}

TEST(BundledData, CatalogueListsTheCharactersOfTheBooks) {
    const auto orchard = charactersOf("višňový sad");
    EXPECT_TRUE(holds(orchard, "VARJA"));
    EXPECT_FALSE(holds(orchard, "VÁŇA"));

    const auto bambi = charactersOf("bambi");
    for (const char* name : {"BAMBI", "GOBO", "ENA", "MARENA"})
        EXPECT_TRUE(holds(bambi, name)) << name;
    for (const char* name : {"DUPÍK", "KVÍTEK"}) // from the film, not the book
        EXPECT_FALSE(holds(bambi, name)) << name;

    const auto kytice = charactersOf("kytice");
    for (const char* name : {"VODNÍK", "POLEDNICE", "DORNIČKA", "ZÁHOŘ"})
        EXPECT_TRUE(holds(kytice, name)) << name;
    for (const char* poem : {"ZLATÝ KOLOVRAT", "ŠTĚDRÝ DEN", "SVATEBNÍ KOŠILE", "LILIE"})
        EXPECT_FALSE(holds(kytice, poem)) << poem;
}

// Folds UTF-8 text as the tool folds headwords: ASCII and the 15 Czech letters only.
std::string fold(std::string text) {
    static const std::vector<std::pair<std::string, std::string>> czech = {
        {"á", "Á"}, {"č", "Č"}, {"ď", "Ď"}, {"é", "É"}, {"ě", "Ě"},
        {"í", "Í"}, {"ň", "Ň"}, {"ó", "Ó"}, {"ř", "Ř"}, {"š", "Š"},
        {"ť", "Ť"}, {"ú", "Ú"}, {"ů", "Ů"}, {"ý", "Ý"}, {"ž", "Ž"}};
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    for (const auto& [lower, upper] : czech)
        for (std::size_t at; (at = text.find(lower)) != std::string::npos;)
            text.replace(at, lower.size(), upper);
    return text;
}

// Headword -> its meanings, from the tool's dump of a dictionary (split entries merged).
std::map<std::string, std::set<std::string>> dumped(const std::string& name) {
    const RunResult dump = runCli({"dump", (fs::path(dataFolder()) / name).string()});
    EXPECT_EQ(dump.exitCode, 0) << dump.err;
    std::map<std::string, std::set<std::string>> meanings;
    const std::vector<std::string> records = lines(dump.out);
    for (std::size_t i = 1; i < records.size(); ++i) { // record 0 is the header
        const std::string& record = records[i];
        const auto at = record.find('@');
        EXPECT_NE(at, std::string::npos) << record;
        if (at == std::string::npos) continue;
        std::string rest = record.substr(at + 1);
        for (std::size_t semi; (semi = rest.find(';')) != std::string::npos;
             rest.erase(0, semi + 1))
            meanings[record.substr(0, at)].insert(rest.substr(0, semi));
    }
    return meanings;
}

// Where the main dictionary came from the thesaurus, the entries the import once lost are there.
TEST(BundledData, ThesaurusKeepsItsAcronymsAndOptionalEndings) {
    if (!fs::exists(fs::path(ZADROVEC_BUILD_DIR) / "data" / "hlavni-source.txt"))
        GTEST_SKIP() << "main dictionary built without the thesaurus";
    const std::map<std::string, std::string> acronyms = {
        {"NASA", "National Aeronautics and Space Administration"},
        {"OECD", "Organisation for Economic Cooperation and Development"},
        {"FAO", "Food and Agriculture Organization of the United Nations"},
        {"GATT", "General Agreement on Tariffs and Trade"}};
    for (const auto& [acronym, expansion] : acronyms) {
        EXPECT_TRUE(holds(meaningsOf("hlavni", acronym), expansion)) << acronym;
        EXPECT_TRUE(holds(meaningsOf("hlavni", fold(expansion)), acronym)) << acronym;
    }
    EXPECT_TRUE(holds(meaningsOf("hlavni", "ANDULKA"), "Nancy"));
    EXPECT_TRUE(holds(meaningsOf("hlavni", "NANCY"), "Andulka"));
}

// The two dictionaries made from installed packages, when the build found them.
std::vector<std::string> extraDictionaries() {
    std::vector<std::string> names;
    std::istringstream list(ZADROVEC_EXTRA_DICTIONARIES);
    for (std::string name; std::getline(list, name, ',');)
        if (!name.empty()) names.push_back(name);
    return names;
}

int wordCount(const std::string& name) {
    const RunResult info = runCli({"--data", dataFolder(), "info", name});
    std::smatch match;
    if (!std::regex_search(info.out, match, std::regex(R"(words: (\d+))"))) return -1;
    return std::stoi(match[1]);
}

TEST(BundledData, ForeignWordsAnswerWithCleanMeanings) {
    if (!holds(extraDictionaries(), "cizi")) GTEST_SKIP() << "built without stardict-czech";
    const RunResult check = runCli({"check", (fs::path(dataFolder()) / "cizi").string()});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_GE(wordCount("cizi"), 18000);

    EXPECT_EQ(meaningsOf("cizi", "ABAKA"),
              std::vector<std::string>{"manilské konopí, vlákno dužnatých kmenů banánovníků"});
    // "abak, abakus": both spellings, the numbered senses apart.
    for (const char* headword : {"ABAK", "ABAKUS"}) {
        const auto senses = meaningsOf("cizi", headword);
        EXPECT_TRUE(holds(senses, "starověká početní tabulka, počitadlo")) << headword;
        EXPECT_TRUE(holds(senses, "arch. deska na hlavici sloupu")) << headword;
    }
    // No markup, no entity, no sense number left in any meaning.
    for (const auto& [headword, meanings] : dumped("cizi"))
        for (const std::string& meaning : meanings) {
            EXPECT_FALSE(std::regex_search(meaning, std::regex("</?[a-z]+>")))
                << headword << ": " << meaning;
            EXPECT_EQ(meaning.find("&#"), std::string::npos) << headword << ": " << meaning;
            EXPECT_FALSE(std::regex_search(meaning, std::regex("^[0-9]+\\. ")))
                << headword << ": " << meaning;
        }
}

TEST(BundledData, WordListHoldsHeadwordsWithoutMeanings) {
    if (!holds(extraDictionaries(), "slova")) GTEST_SKIP() << "built without hunspell-cs";
    const RunResult check = runCli({"check", (fs::path(dataFolder()) / "slova").string()});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_GE(wordCount("slova"), 250000);
    for (const char* word : {"KŮŇ", "ŽLUŤOUČKÝ", "PRAHA"})
        EXPECT_TRUE(meaningsOf("slova", word).empty()) << word;
    // The search in all dictionaries stays with the eight.
    const RunResult find = runCli({"--data", dataFolder(), "find", "žluťoučký"});
    EXPECT_EQ(find.out.find("ŽLUŤOUČKÝ"), std::string::npos) << find.out;
}

// Every headword has a meaning that is itself a headword leading back to it: the answer found
// from a clue can be looked up to give the clue again.
void expectBothWays(const std::string& name, std::size_t least) {
    const auto meanings = dumped(name);
    EXPECT_GE(meanings.size(), least) << name;
    for (const auto& [headword, targets] : meanings) {
        const bool back = std::any_of(targets.begin(), targets.end(), [&](const std::string& t) {
            const auto other = meanings.find(fold(t));
            return other != meanings.end() &&
                   std::any_of(other->second.begin(), other->second.end(),
                               [&](const std::string& m) { return fold(m) == headword; });
        });
        EXPECT_TRUE(back) << name << ": " << headword << " has no way back";
    }
}

TEST(BundledData, CapitalsAndStatesLeadToEachOther) {
    expectBothWays("mesta", 390);
    const auto meanings = dumped("mesta");
    const std::set<std::string> bolivia = {"Sucre", "La Paz"};
    EXPECT_EQ(meanings.at("BOLÍVIE"), bolivia);
}

TEST(BundledData, SymbolsCodesAndMarksLeadToEachOther) {
    expectBothWays("chzn", 236);
    expectBothWays("letadla", 380);
    expectBothWays("mpzspz", 400);
}

TEST(BundledData, CatalogueOpensAndListsWorksAndCharacters) {
    const std::string catalogue = (fs::path(dataFolder()) / "postavy.dat").string();
    ASSERT_TRUE(fs::exists(catalogue));
    const auto size = fs::file_size(catalogue);
    EXPECT_EQ(size % 151, 0u);
    EXPECT_GE(size / 151 - 1, 100u);

    const RunResult authors = runCli(
        {"--data", dataFolder(), "characters", "--author", "čapek k", "--click-author", "0"});
    ASSERT_EQ(authors.exitCode, 0) << authors.err;
    EXPECT_NE(authors.out.find("ČAPEK KAREL"), std::string::npos) << authors.out;
    EXPECT_NE(authors.out.find("R.U.R."), std::string::npos) << authors.out;

    const RunResult titles =
        runCli({"--data", dataFolder(), "characters", "--title", "babička", "--click-title", "0"});
    ASSERT_EQ(titles.exitCode, 0) << titles.err;
    EXPECT_NE(titles.out.find("BARUNKA"), std::string::npos) << titles.out;
    EXPECT_NE(titles.out.find("VIKTORKA"), std::string::npos) << titles.out;
}

TEST(BundledData, SeedSettingsNameTheDictionaryCommands) {
    const std::string ini = readFile((fs::path(dataFolder()) / "zadrovec.ini").string());
    ASSERT_FALSE(ini.empty());
    // Windows-1250 with CR LF: no bare line feed, no UTF-8 sequence.
    for (std::size_t i = 0; i < ini.size(); ++i)
        if (ini[i] == '\n') {
            ASSERT_TRUE(i > 0 && ini[i - 1] == '\r') << "bare LF at " << i;
        }
    EXPECT_EQ(ini.find("\xC3"), std::string::npos) << "UTF-8 text in the settings file";
    EXPECT_NE(ini.find(cp("acHlavniMesta_Hint=Hlavní města\r\n")), std::string::npos);

    const std::vector<std::string> actions = {
        "acHlavni",    "acHlavniMesta",     "acChemickeZnacky", "acMeny",    "acMPZSPZ",
        "acOsobnosti", "acOznaceniLetadel", "acPodniky",        "acPostavy", "acUziv"};
    const auto menu = ini.find("[Menu]\r\nFormVersion=0\r\n");
    ASSERT_NE(menu, std::string::npos);
    std::size_t at = menu;
    for (const std::string& action : actions) {
        for (const std::string& key : {action + "_Caption=", action + "_Hint="}) {
            const auto found = ini.find("\r\n" + key, at);
            ASSERT_NE(found, std::string::npos) << key << " missing or out of order";
            at = found + 2;
            const std::string value =
                ini.substr(at + key.size(), ini.find('\r', at) - at - key.size());
            EXPECT_FALSE(value.empty()) << key;
            // The seven auxiliary captions fit an 80-pixel button: short, no placeholder.
            if (key.ends_with("_Caption=") && action != "acHlavni" && action != "acPostavy" &&
                action != "acUziv") {
                EXPECT_LE(value.size(), 10u) << key << value;
                EXPECT_EQ(value.find(cp("Pomocný")), std::string::npos) << key;
            }
        }
    }
    const std::regex version(
        R"(\[O programu\]\r\nFormVersion=0\r\nVerze_Caption=\d{1,2}\.\d{1,2}\.\d{4}\r\n)");
    EXPECT_TRUE(std::regex_search(ini, version));
}

TEST(BundledData, HelpPageLiesBesideThePrograms) {
    const std::string help = readFile((fs::path(dataFolder()) / "zadrov.html").string());
    for (const char* text : {"<html", "Ctrl+F9", "Ctrl+H", "F1", "Alt+F4", "?", "*"})
        EXPECT_NE(help.find(text), std::string::npos) << text;
}

// The headwords found by the search in all dictionaries.
std::vector<std::string> foundEverywhere(const std::string& text) {
    const RunResult run = runCli({"--data", dataFolder(), "find", text});
    EXPECT_EQ(run.exitCode, 0) << text << ": " << run.err;
    std::vector<std::string> found;
    for (const std::string& line : lines(run.out)) {
        if (line == "--") break;
        found.push_back(line);
    }
    return found;
}

// "A, B i C" -> {A, B, C}
std::vector<std::string> listed(const std::string& text) {
    std::vector<std::string> items;
    const std::regex separator(R"(, | i )");
    for (std::sregex_token_iterator it(text.begin(), text.end(), separator, -1), end; it != end;
         ++it)
        items.push_back(*it);
    return items;
}

// Every example the help page gives is true of the bundled data.
TEST(BundledData, HelpPageExamplesHold) {
    const std::string page = readFile((fs::path(dataFolder()) / "zadrov.html").string());
    // One section of the page, from its anchor to the next heading.
    auto section = [&](const std::string& anchor) {
        const auto start = page.find("<a name=\"" + anchor + "\">");
        EXPECT_NE(start, std::string::npos) << anchor;
        if (start == std::string::npos) return std::string();
        return page.substr(start, page.find("<h2>", start) - start);
    };
    std::smatch m;

    // Typing the beginning of a word, in the main dictionary.
    const std::string typing = section("hledani");
    ASSERT_TRUE(std::regex_search(
        typing, m, std::regex("„([^“]+)“ najde ([^ ,]+) i ([^ ,]+), ne však ([^ .]+)\\.")));
    const Found typed = search("hlavni", m[1]);
    EXPECT_TRUE(holds(typed.headwords, m[2])) << m[2];
    EXPECT_TRUE(holds(typed.headwords, m[3])) << m[3];
    EXPECT_FALSE(holds(typed.headwords, m[4])) << m[4];

    // The dictionaries' table: "HEADWORD → meaning, HEADWORD → meaning" per key.
    const std::map<std::string, std::string> keys = {
        {"F2", "hlavni"}, {"F3", "mesta"},    {"F4", "chzn"},    {"F5", "meny"},
        {"F6", "mpzspz"}, {"F7", "osobnost"}, {"F8", "letadla"}, {"F9", "podniky"}};
    const std::regex row("<tr><td>(F\\d)</td><td>[^<]*</td><td>[^<]*</td><td>([^<]*)</td></tr>");
    const std::regex example("(\\S+) → (.+?)(?=, \\S+ →|$)");
    std::set<std::string> rows;
    const std::string dictionaries = section("slovniky");
    for (std::sregex_iterator r(dictionaries.begin(), dictionaries.end(), row), end; r != end;
         ++r) {
        const std::string key = (*r)[1], cell = (*r)[2];
        rows.insert(key);
        int examples = 0;
        for (std::sregex_iterator e(cell.begin(), cell.end(), example); e != end; ++e, ++examples)
            EXPECT_TRUE(holds(meaningsOf(keys.at(key), (*e)[1]), (*e)[2]))
                << key << ": " << (*e)[1] << " → " << (*e)[2];
        EXPECT_GT(examples, 0) << key;
    }
    EXPECT_EQ(rows.size(), keys.size());

    // Fields and their lists: „skladatel“ among the personalities, „automobilka“ among the
    // enterprises.
    ASSERT_TRUE(std::regex_search(dictionaries, m, std::regex("obor \\(„([^“]+)“, „([^“]+)“\\)")));
    EXPECT_GE(meaningsOf("osobnost", fold(m[1])).size(), 3u);
    EXPECT_GE(meaningsOf("podniky", fold(m[2])).size(), 3u);

    // The wildcards.
    int patterns = 0;
    const std::regex pattern("„([^“]*[?*][^“]*)“ najde ([^;.<]+)");
    const std::string wildcards = section("vzor");
    for (std::sregex_iterator p(wildcards.begin(), wildcards.end(), pattern), end; p != end; ++p) {
        ++patterns;
        const auto found = foundEverywhere((*p)[1]);
        for (const std::string& headword : listed((*p)[2]))
            EXPECT_TRUE(holds(found, headword)) << (*p)[1] << ": " << headword;
    }
    EXPECT_EQ(patterns, 2);

    // The author typed surname first.
    const std::string characters = section("postavy");
    ASSERT_TRUE(std::regex_search(characters, m, std::regex("příjmení první, např\\. „([^“]+)“")));
    const RunResult authors =
        runCli({"--data", dataFolder(), "characters", "--author", m[1], "--click-author", "0"});
    EXPECT_EQ(authors.out.rfind(fold(m[1]), 0), 0u) << authors.out;
}

TEST(BundledData, InstalledToolFindsItsDataThroughItsLink) {
    TempFolder prefix;
    const RunResult install =
        runProgram(ZADROVEC_CMAKE, {"--install", ZADROVEC_BUILD_DIR, "--prefix",
                                    prefix.path().string(), "--component", "Unspecified"});
    ASSERT_EQ(install.exitCode, 0) << install.out << install.err;
    const fs::path link = prefix.path() / "bin" / "zadrovec-cli";
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::read_symlink(link).is_relative());
    std::vector<std::string> installed = kDictionaries;
    for (const std::string& name : extraDictionaries())
        installed.push_back(name);
    for (const std::string& name : installed) {
        const RunResult info = runProgram(link.string(), {"info", name});
        EXPECT_EQ(info.exitCode, 0) << name << ": " << info.err;
    }
    const RunResult search = runProgram(link.string(), {"search", "chzn", "fe"});
    EXPECT_NE(search.out.find("železo"), std::string::npos) << search.out;
    EXPECT_TRUE(fs::exists(prefix.path() / "share/applications/zadrovec.desktop"));
    EXPECT_TRUE(fs::exists(prefix.path() / "share/icons/hicolor/scalable/apps/zadrovec.svg"));
}

} // namespace
} // namespace zadrovec::clitest
