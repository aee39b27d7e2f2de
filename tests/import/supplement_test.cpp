// The crossword supplement merged into the main dictionary: its sources are well-formed, the
// merge keeps every line whole, and a sample of every topic answers in the built hlavni both
// from the clue to the answer and back.
#include "engine/text/cp1250.h"
#include "tests/common/clitest.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace zadrovec::clitest {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> supplementSources() {
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(ZADROVEC_SUPPLEMENT_DIR))
        if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    return sources;
}

// What is wrong with one source line, or nothing for a sound entry, comment or blank line.
std::string problemOf(const std::string& line) {
    if (line.empty() || line[0] == '#') return {};
    if (!Utf8ToCp1250(line)) return "a character Windows-1250 cannot hold";
    const auto at = line.find('@');
    if (at == std::string::npos) return "no @";
    if (at == 0) return "no headword";
    if (line.front() == ' ' || line[at - 1] == ' ') return "spaces around the headword";
    const std::string meanings = line.substr(at + 1);
    if (meanings.find('@') != std::string::npos) return "an @ in a meaning";
    if (meanings.empty() || meanings.back() != ';') return "the meanings do not end with ;";
    std::set<std::string> seen;
    std::istringstream in(meanings);
    for (std::string meaning; std::getline(in, meaning, ';');) {
        if (meaning.empty()) return "an empty meaning";
        if (meaning.front() == ' ' || meaning.back() == ' ') return "spaces around a meaning";
        if (!seen.insert(meaning).second) return "the meaning " + meaning + " twice";
    }
    return {};
}

TEST(Supplement, LineCheckerCatchesEveryKindOfFault) {
    EXPECT_EQ(problemOf("VLTAVA@řeka;přítok Labe;"), "");
    EXPECT_EQ(problemOf("# a comment, even with no @"), "");
    EXPECT_EQ(problemOf(""), "");
    EXPECT_NE(problemOf("TROMSØ@norské město;"), "");
    EXPECT_NE(problemOf("VLTAVA řeka;"), "");
    EXPECT_NE(problemOf("@řeka;"), "");
    EXPECT_NE(problemOf("VLTAVA@řeka"), "");
    EXPECT_NE(problemOf("VLTAVA@řeka;;přítok Labe;"), "");
    EXPECT_NE(problemOf("VLTAVA@řeka;e-mail@x;"), "");
    EXPECT_NE(problemOf("VLTAVA@ řeka;"), "");
    EXPECT_NE(problemOf("VLTAVA@řeka;řeka;"), "");
}

TEST(Supplement, EverySourceLineIsWellFormed) {
    const std::vector<fs::path> sources = supplementSources();
    ASSERT_GE(sources.size(), 15u);
    for (const fs::path& source : sources) {
        SCOPED_TRACE(source.filename().string());
        const std::vector<std::string> text = lines(readFile(source.string()));
        ASSERT_FALSE(text.empty());
        // The header says what the list covers and how it was checked.
        EXPECT_EQ(text.front().rfind("# ", 0), 0u);
        int entries = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            EXPECT_EQ(problemOf(text[i]), "") << "line " << i + 1 << ": " << text[i];
            if (!text[i].empty() && text[i][0] != '#') ++entries;
        }
        EXPECT_GE(entries, 40);
    }
}

TEST(Supplement, MergeKeepsEveryLineWholeAndWritesNothingOnFailure) {
    TempFolder folder;
    writeFile(folder.file("main.txt"), "AUTO@vůz;"); // no line end at the end of the file
    writeFile(folder.file("a.txt"), "# comment\nVLTAVA@řeka;\n");
    writeFile(folder.file("b.txt"), "");
    const std::string out = folder.file("merged.txt");
    const auto merge = [&](const std::string& sources) {
        return runProgram(ZADROVEC_CMAKE, {"-DOUT=" + out, "-DSOURCES=" + sources, "-P",
                                           std::string(ZADROVEC_SUPPLEMENT_DIR) + "/merge.cmake"});
    };

    const RunResult run =
        merge(folder.file("main.txt") + ";" + folder.file("a.txt") + ";" + folder.file("b.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readFile(out), "AUTO@vůz;\n# comment\nVLTAVA@řeka;\n");

    fs::remove(out);
    const RunResult missing = merge(folder.file("main.txt") + ";" + folder.file("none.txt"));
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_FALSE(fs::exists(out));
}

Found search(const std::string& text, int select = 0) {
    return searchWithCli(fs::path(cliPath()).parent_path().string(), "hlavni", text, select);
}

// The meanings of exactly this headword of hlavni (in capitals, as the program shows it).
std::vector<std::string> meaningsOf(const std::string& headword) {
    const Found found = search(headword);
    for (std::size_t i = 0; i < found.headwords.size(); ++i)
        if (found.headwords[i] == headword) return search(headword, int(i)).meanings;
    ADD_FAILURE() << "hlavni: no headword " << headword;
    return {};
}

// The clue lists the answer and the answer lists the clue.
void expectBothWays(const std::string& clue, const std::string& answer,
                    const std::string& answerHeadword, const std::string& back) {
    const std::vector<std::string> forward = meaningsOf(clue);
    EXPECT_NE(std::find(forward.begin(), forward.end(), answer), forward.end())
        << clue << " lacks " << answer;
    const std::vector<std::string> backward = meaningsOf(answerHeadword);
    EXPECT_NE(std::find(backward.begin(), backward.end(), back), backward.end())
        << answerHeadword << " lacks " << back;
}

TEST(Supplement, EveryTopicAnswersBothWaysInTheMainDictionary) {
    expectBothWays("ŘEKA", "Vltava", "VLTAVA", "řeka");                           // reky
    expectBothWays("PŘÍTOK LABE", "Ohře", "OHŘE", "přítok Labe");                 // reky
    expectBothWays("HORA", "Sněžka", "SNĚŽKA", "1603 m");                         // hory
    expectBothWays("OSMITISÍCOVKA", "K2", "K2", "osmitisícovka");                 // hory
    expectBothWays("OKRESNÍ MĚSTO", "Benešov", "BENEŠOV", "Středočeský kraj");    // mesta-cr
    expectBothWays("KRAJSKÉ MĚSTO", "Jihlava", "JIHLAVA", "krajské město");       // mesta-cr
    expectBothWays("NĚMECKÉ MĚSTO", "Hamburk", "HAMBURK", "Německo");             // mesta-svet
    expectBothWays("ŘECKÝ BŮH", "Zeus", "ZEUS", "římsky Jupiter");                // bohove
    expectBothWays("EGYPTSKÝ BŮH", "Anup", "ANUP", "Anubis");                     // bohove
    expectBothWays("APOŠTOL", "Petr", "PETR", "apoštol");                         // bible
    expectBothWays("OPERA", "Rusalka", "RUSALKA", "Dvořák");                      // opery
    expectBothWays("DVOŘÁK", "Rusalka", "RUSALKA", "Antonín Dvořák");             // opery
    expectBothWays("TEMPO", "allegro", "ALLEGRO", "rychle");                      // hudba
    expectBothWays("SILNĚ", "forte", "FORTE", "f");                               // hudba
    expectBothWays("ZNAMENÍ ZVĚROKRUHU", "Beran", "ARIES", "Beran");              // zverokruh
    expectBothWays("JEDNOTKA SÍLY", "newton", "NEWTON", "N");                     // jednotky
    expectBothWays("A TAK DÁLE", "atd.", "ATD", "a tak dále");                    // zkratky
    expectBothWays("JAN", "Honza", "HONZA", "Jan");                               // jmena
    expectBothWays("SLOVANSKÝ JAZYK", "čeština", "ČEŠTINA", "slovanský jazyk");   // jazyky
    expectBothWays("PAPOUŠEK", "ara", "ARA", "papoušek");                         // krizovkarske
    expectBothWays("ŘECKÉ PÍSMENO", "ómega", "ÓMEGA", "řecké písmeno");           // krizovkarske
    expectBothWays("OCEÁN", "Tichý oceán", "TICHÝ OCEÁN", "oceán");               // zemepis
    expectBothWays("PLANETA", "Mars", "MARS", "4. planeta od Slunce");            // zemepis
    expectBothWays("AZTÉCKÝ BŮH", "Quetzalcoatl", "QUETZALCOATL", "opeřený had"); // mytologie
    expectBothWays("MUŠKETÝR", "Athos", "ATHOS", "mušketýr");                     // literatura
    expectBothWays("KŮŇ", "oř (kniž.)", "OŘ", "kůň (kniž.)");                     // stara-slova
    expectBothWays("DOMÁCKY JOSEF", "Pepíček", "PEPÍČEK", "domácky Josef");       // jmena-domacke
    expectBothWays("PĚVEC", "koňadra", "KOŇADRA", "pěvec");                       // priroda
    // Foreign words stand one way: a legend "německy noc" matches the meaning's words.
    const std::vector<std::string> nacht = meaningsOf("NACHT"); // cizojazycna
    EXPECT_NE(std::find(nacht.begin(), nacht.end(), "noc (německy)"), nacht.end());
}

// The crossword definitions of the most frequent words stand one way, from the word.
TEST(Supplement, EveryDefinitionsFileDefinesItsWords) {
    const std::pair<const char*, const char*> samples[] = {
        {"CESTA", "pouť"},                     // definice-a-c
        {"KOLO", "fáze soutěže"},              // definice-ch-l
        {"DEN", "opak noci"},                  // definice-d-h
        {"NOC", "opak dne"},                   // definice-m-o
        {"POLEDNE", "střed dne"},              // definice-p
        {"ŠTÍT", "trojúhelníkové průčelí"},    // definice-r-s
        {"UCHO", "orgán sluchu"},              // definice-t-u
        {"ZÁMEK", "šlechtické sídlo"},         // definice-v-z
        {"HÁČEK", "diakritické znaménko"},     // definice-dalsi-a-j
        {"KOHOUTEK", "vodovodní ventil"},      // definice-dalsi-k-o
        {"PRAVOBOK", "pravá strana lodi"},     // definice-dalsi-p-s
        {"ZVONEK", "luční květina"},           // definice-dalsi-t-z
        {"CEP", "mlátící nástroj"},            // definice-kratka-a-d
        {"FÉN", "teplý padavý vítr"},          // definice-kratka-e-k
        {"MLAT", "prostor ve stodole"},        // definice-kratka-l-o
        {"PAŘEZ", "zbytek pokáceného stromu"}, // definice-kratka-p
        {"ŠIK", "bojová sestava"},             // definice-kratka-r-s
        {"ŽALUD", "plod dubu"},                // definice-kratka-t-z
    };
    for (const auto& [word, meaning] : samples) {
        const std::vector<std::string> meanings = meaningsOf(word);
        EXPECT_NE(std::find(meanings.begin(), meanings.end(), meaning), meanings.end())
            << word << " lacks " << meaning;
    }
}

TEST(Supplement, MainDictionaryKeepsItsOwnWords) {
    // The merge adds to the main source; it does not replace it.
    EXPECT_FALSE(meaningsOf("AUTO").empty());
}

} // namespace
} // namespace zadrovec::clitest
