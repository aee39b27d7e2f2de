// The generators of the links crossword legends rely on (states, chemical elements, Roman
// numerals, English words), run as the build runs them: on small inputs written here and, where
// the packages are installed, on the real data.
#include "tests/common/clitest.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <zlib.h>

namespace zadrovec::clitest {
namespace {

const std::vector<std::string> kIsoFiles = {ISO_CODES "/iso_3166-1.json",
                                            ISO_TRANSLATIONS "/iso_3166-1.mo", CLDR "/main/cs.xml",
                                            CLDR "/supplemental/supplementalData.xml"};
const std::vector<std::string> kIsoArguments = {ISO_CODES, ISO_TRANSLATIONS, CLDR};
const std::string kGenitives = DATA_DIR "/staty-genitiv.tsv";

// The arguments of states2source before its output: the packages, the capitals and the genitives.
std::vector<std::string> statesArguments(const std::string& mesta, const std::string& genitives) {
    auto args = kIsoArguments;
    args.push_back(mesta);
    args.push_back(genitives);
    return args;
}

// A dictd dictionary BASE.index and BASE.dict.dz of the articles, each "headword<TAB>article".
std::string writeDictd(const TempFolder& folder, const std::vector<std::string>& articles) {
    auto base64 = [](std::size_t n) {
        static const std::string digits =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::string text;
        do {
            text.insert(text.begin(), digits[n % 64]);
            n /= 64;
        } while (n > 0);
        return text;
    };
    std::string index, dict;
    for (const std::string& article : articles) {
        const auto tab = article.find('\t');
        const std::string text = article.substr(tab + 1);
        index +=
            article.substr(0, tab) + '\t' + base64(dict.size()) + '\t' + base64(text.size()) + '\n';
        dict += text;
    }
    index += "broken\tzzzz\tB\n"; // pointing past the end of the .dict
    const std::string base = folder.file("eng-ces");
    writeFile(base + ".index", index);
    gzFile dz = gzopen((base + ".dict.dz").c_str(), "wb");
    gzwrite(dz, dict.data(), static_cast<unsigned>(dict.size()));
    gzclose(dz);
    return base;
}

struct Case {
    const char* name;
    const char* program;
    std::vector<std::string> needs; // files without which the case is skipped
    // Writes the inputs into the folder; gives the arguments that come before the output.
    std::function<std::vector<std::string>(const TempFolder&)> inputs;
    std::vector<std::string> lines;                         // lines of the output
    std::vector<std::pair<std::string, std::string>> pairs; // headword and one of its meanings
    std::vector<std::string> absent;                        // starts of no line of the output
    std::string counted;                                    // lines holding it are counted
    std::size_t atLeast = 0, atMost = SIZE_MAX;
    std::string report; // in the program's report, standard output or error
    int exitCode = 0;
};

const Case kCases[] = {
    {"StatesWithSmallCapitals",
     STATES2SOURCE,
     kIsoFiles,
     [](const TempFolder& f) {
         writeFile(f.file("mesta.txt"),
                   "# hlavní města\nKeňa@Nairobi;\nNairobi@Keňa;\nVatikán@Vatikán;Svatý stolec;\n"
                   "Svatý stolec@Vatikán;\nKanada@Ottawa;\nOttawa@Kanada;\nFidži@Suva;\n"
                   "Suva@Fidži;\nIndie@Nové Dillí;Dillí;\nNové Dillí@Indie;\nDillí@Indie;\n");
         return statesArguments(f.file("mesta.txt"), kGenitives);
     },
     {"KEŇA@stát;africký stát;stát v Africe;", "NAIROBI@hlavní město;hlavní město Keni;",
      "VATIKÁN@stát;evropský stát;stát v Evropě;", "VATIKÁN@hlavní město;hlavní město Vatikánu;",
      "OTTAWA@hlavní město;hlavní město Kanady;",
      "KANADA@stát;americký stát;severoamerický stát;stát v Americe;stát v Severní Americe;",
      "BRAZÍLIE@stát;americký stát;jihoamerický stát;stát v Americe;stát v Jižní Americe;",
      "KUBA@stát;americký stát;severoamerický stát;stát v Americe;stát v Severní Americe;",
      "FIDŽI@stát;stát v Oceánii;", "SUVA@hlavní město;hlavní město Fidži;",
      "DILLÍ@hlavní město;hlavní město Indie;", "JAPONSKO@stát;asijský stát;stát v Asii;"},
     {},
     {"SVATÝ STOLEC@", "GRÓNSKO@", "PORTORIKO@"},
     "@stát;",
     190,
     200,
     "6 capitals written"},
    {"StatesWithTheCapitalsDictionary",
     STATES2SOURCE,
     kIsoFiles,
     [](const TempFolder&) { return statesArguments(DATA_DIR "/mesta.txt", kGenitives); },
     {"PRAHA@hlavní město;hlavní město Česka;", "RUSKO@stát;evropský stát;stát v Evropě;",
      "PALESTINA@stát;asijský stát;stát v Asii;", "ČESKO@stát;evropský stát;stát v Evropě;",
      "WASHINGTON@hlavní město;hlavní město Spojených států;",
      "NASSAU@hlavní město;hlavní město Baham;", "LIMA@hlavní město;hlavní město Peru;",
      "ABÚ ZABÍ@hlavní město;hlavní město Spojených arabských emirátů;"},
     {},
     {"TCHAJ-WAN@", "ČESKÁ REPUBLIKA@"},
     "@stát;",
     190,
     200,
     "(193 UN members, 2 observer states)"},
    {"StatesWithoutAGenitiveFail",
     STATES2SOURCE,
     kIsoFiles,
     [](const TempFolder& f) {
         std::string table;
         for (const std::string& line : lines(readFile(kGenitives)))
             if (!line.starts_with("Keňa\t")) table += line + "\n";
         writeFile(f.file("genitivy.tsv"), table);
         return statesArguments(DATA_DIR "/mesta.txt", f.file("genitivy.tsv"));
     },
     {},
     {},
     {},
     "",
     0,
     SIZE_MAX,
     "genitivy.tsv for: Keňa; add a line",
     1},
    {"ElementsOfASmallTable",
     ELEMENTS2SOURCE,
     {},
     [](const TempFolder& f) {
         writeFile(f.file("prvky.tsv"), "# prvky\n1\tH\tvodík\tvodíku\tnekov\tplynný\n"
                                        "2\tHe\thelium\thelia\tvzácný plyn\tplynný\n");
         return std::vector<std::string>{f.file("prvky.tsv")};
     },
     {"VODÍK@prvek;chemický prvek;nekov;plyn;prvek č. 1;",
      "H@chemická značka;chemická značka vodíku;značka vodíku;",
      "HELIUM@prvek;chemický prvek;vzácný plyn;plyn;prvek č. 2;"},
     {},
     {},
     "@prvek;",
     2,
     2,
     "2 elements and their symbols written"},
    {"ElementsOutOfOrderFail",
     ELEMENTS2SOURCE,
     {},
     [](const TempFolder& f) {
         writeFile(f.file("prvky.tsv"), "1\tH\tvodík\tvodíku\tnekov\tplynný\n"
                                        "3\tLi\tlithium\tlithia\tkov\tpevný\n");
         return std::vector<std::string>{f.file("prvky.tsv")};
     },
     {},
     {},
     {},
     "",
     0,
     SIZE_MAX,
     "prvky.tsv:2: not \"2<TAB>symbol",
     1},
    {"ElementsOfTheTable",
     ELEMENTS2SOURCE,
     {},
     [](const TempFolder&) { return std::vector<std::string>{DATA_DIR "/prvky.tsv"}; },
     {"STŘÍBRO@prvek;chemický prvek;kov;prvek č. 47;",
      "AG@chemická značka;chemická značka stříbra;značka stříbra;",
      "RTUŤ@prvek;chemický prvek;kov;kapalný kov;prvek č. 80;",
      "BROM@prvek;chemický prvek;nekov;kapalný nekov;prvek č. 35;",
      "KŘEMÍK@prvek;chemický prvek;polokov;prvek č. 14;",
      "OGANESSON@prvek;chemický prvek;vzácný plyn;prvek č. 118;"},
     {},
     {},
     "@prvek;",
     118,
     118,
     "118 elements"},
    {"RomanNumerals",
     NUMERALS2SOURCE,
     {},
     [](const TempFolder&) { return std::vector<std::string>{}; },
     {"XIV@římsky 14;římské číslo 14;římskými číslicemi 14;",
      "IV@římsky 4;římské číslo 4;římskými číslicemi 4;",
      "V@římsky 5;římská číslice 5;římskými číslicemi 5;",
      "XL@římsky 40;římské číslo 40;římskými číslicemi 40;",
      "M@římsky 1000;římská číslice 1000;římskými číslicemi 1000;",
      "MCMXCIV@římsky 1994;římské číslo 1994;římskými číslicemi 1994;",
      "MMMCMXCIX@římsky 3999;římské číslo 3999;římskými číslicemi 3999;"},
     {},
     {"IIII@", "MMMM"},
     "@římsky ",
     3999,
     3999,
     "3999 Roman numerals written"},
    {"EnglishWordsOfASmallDictionary",
     FREEDICT2SOURCE,
     {},
     [](const TempFolder& f) {
         const std::string longer(70, 'x');
         return std::vector<std::string>{writeDictd(
             f, {"00databaseinfo\tEnglish-Czech dictionary\n", "a bad time\ta bad time\npozdě\n",
                 "bank\tbank\nbřeh\n         Note: např. řeky\n",
                 "cat\tCAT\n [eko] všeobecně přijímaná technologie\n", "cat\tcat <n>\nkočka\n",
                 "cat\tcat\nkočkovitá šelma\n", "cod\tcod\ntreska; treska obecná (ryba)\n",
                 "rotten\trotten\nshnilý, zkažený\n",
                 "naive\tnaive\nnaivní (ve významu: \\\"prostý\\\")\n", "set\tset <v>\nset\n",
                 "long\tlong\n" + longer + "\n", "paulo\tpaulo\nSão Paulo\n"})};
     },
     {"BANK@břeh (anglicky);",
      "CAT@kočka (anglicky);kočkovitá šelma (anglicky);všeobecně přijímaná technologie "
      "(anglicky);",
      "COD@treska (anglicky);treska obecná (anglicky);",
      "ROTTEN@shnilý (anglicky);zkažený (anglicky);", "NAIVE@naivní (anglicky);"},
     {},
     {"SET@", "A BAD TIME", "LONG@", "PAULO@", "00DATABASE", "BROKEN"},
     "(anglicky);",
     5,
     5,
     "5 English words written with 9 translations; dropped 2 headwords not one word of "
     "letters, 1 translations repeating the headword, 1 outside Windows-1250, 1 too long for a "
     "record, 1 damaged index entries"},
    {"EnglishWordsOfFreeDict",
     FREEDICT2SOURCE,
     {FREEDICT ".index", FREEDICT ".dict.dz"},
     [](const TempFolder&) { return std::vector<std::string>{FREEDICT}; },
     {},
     {{"CAT", "kočka (anglicky)"}, {"HOUSE", "dům (anglicky)"}, {"DOG", "pes (anglicky)"}},
     {"A BAD TIME"},
     "(anglicky);",
     10000,
     SIZE_MAX,
     "English words written"},
    {"MissingInputFails",
     FREEDICT2SOURCE,
     {},
     [](const TempFolder& f) { return std::vector<std::string>{f.file("none")}; },
     {},
     {},
     {},
     "",
     0,
     SIZE_MAX,
     "cannot read",
     1},
};

// Test names and failures show a case by its name.
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class LinksImport : public ::testing::TestWithParam<Case> {};

TEST_P(LinksImport, WritesTheLinks) {
    const Case& c = GetParam();
    for (const std::string& file : c.needs)
        if (!std::filesystem::exists(file)) GTEST_SKIP() << "not installed: " << file;
    TempFolder folder;
    auto args = c.inputs(folder);
    args.push_back(folder.file("out.txt"));
    const RunResult run = runProgram(c.program, args);
    ASSERT_EQ(run.exitCode, c.exitCode) << run.out << run.err;
    EXPECT_NE((run.out + run.err).find(c.report), std::string::npos) << run.out << run.err;
    if (c.exitCode != 0) {
        EXPECT_FALSE(std::filesystem::exists(folder.file("out.txt")));
        return;
    }
    const std::vector<std::string> output = lines(readFile(folder.file("out.txt")));
    auto has = [&](const std::string& line) {
        return std::find(output.begin(), output.end(), line) != output.end();
    };
    for (const std::string& line : c.lines)
        EXPECT_TRUE(has(line)) << line;
    for (const auto& [headword, meaning] : c.pairs)
        EXPECT_TRUE(std::any_of(
            output.begin(), output.end(),
            [&](const std::string& line) {
                const std::string start = headword + "@";
                return line.starts_with(start) &&
                       (";" + line.substr(start.size())).find(";" + meaning + ";") != line.npos;
            }))
            << headword << " " << meaning;
    std::size_t counted = 0;
    for (const std::string& line : output) {
        counted += line.find(c.counted) != std::string::npos;
        for (const std::string& start : c.absent)
            EXPECT_FALSE(line.starts_with(start)) << line;
    }
    EXPECT_GE(counted, c.atLeast);
    EXPECT_LE(counted, c.atMost);
}

INSTANTIATE_TEST_SUITE_P(Generators, LinksImport, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace zadrovec::clitest
