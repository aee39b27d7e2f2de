// The thesaurus import: what it keeps, what it shortens, and that it tells what it dropped;
// the evidence its meanings are kept on.
#include "tests/common/clitest.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace zadrovec::clitest {
namespace {

struct Imported {
    RunResult run;
    std::string source;
};

Imported import(const TempFolder& folder, const std::string& thesaurus) {
    writeFile(folder.file("th.dat"), thesaurus);
    Imported imported;
    imported.run = runProgram(THESAURUS2SOURCE, {folder.file("th.dat"), folder.file("out.txt")});
    imported.source = readFile(folder.file("out.txt"));
    return imported;
}

TEST(ThesaurusImport, KeepsWhatFitsAndCountsWhatItDrops) {
    TempFolder folder;
    const std::string longMeaning = "druh restaurace kam si zákazník zaplatí vstup a má všechno "
                                    "jídlo i pití zdarma";
    const Imported imported = import(
        folder, "UTF-8\n"
                "NASA National Aeronautics and Space Administration|1\n"
                "|National Aeronautics and Space Administration NASA\n"
                "GEMS Global Environmental Monitoring System|1\n"
                "|globální systém monitoringu životního prostředí\n"
                "samoobslužná restaurace|2\n"
                "|" +
                    longMeaning +
                    "\n"
                    "|bufet\n"
                    "Andul(ka)|1\n"
                    "|Nancy\n"
                    "cela(ve vězení)|1\n"
                    "|kobka\n"
                    "(profesionální) boxer; rváč|1\n"
                    "|zápasník\n"
                    "dřepnout (si)|1\n"
                    "(sloveso)|sednout (si);\n"
                    "Vybraný zástupce přírodního prostředí, lidské zdraví nebo použité zdroje "
                    "určující kategorii dopadu.|1\n"
                    "|konečný bod kategorie\n"
                    "ø|1\n"
                    "|o@o\n");
    ASSERT_EQ(imported.run.exitCode, 0) << imported.run.err;
    const std::string& s = imported.source;

    // An acronym and its expansion, each way, instead of two items too long for one record.
    EXPECT_TRUE(hasLine(s, "NASA@National Aeronautics and Space Administration;")) << s;
    EXPECT_TRUE(hasLine(s, "NATIONAL AERONAUTICS AND SPACE ADMINISTRATION@NASA;")) << s;
    EXPECT_TRUE(hasLine(s, "NASA NATIONAL AERONAUTICS AND SPACE ADMINISTRATION@NASA;")) << s;
    EXPECT_TRUE(hasLine(s, "GLOBÁLNÍ SYSTÉM MONITORINGU ŽIVOTNÍHO PROSTŘEDÍ@GEMS;")) << s;
    EXPECT_TRUE(hasLine(s, "GEMS@Global Environmental Monitoring System;globální systém "
                           "monitoringu životního prostředí;"))
        << s;

    // A meaning too long is dropped; its headword keeps the others.
    EXPECT_TRUE(hasLine(s, "SAMOOBSLUŽNÁ RESTAURACE@bufet;")) << s;
    EXPECT_EQ(s.find("kam si zákazník"), std::string::npos) << s;

    // Optional endings, remarks, items separated by ";".
    EXPECT_TRUE(hasLine(s, "ANDUL@Nancy;")) << s;
    EXPECT_TRUE(hasLine(s, "ANDULKA@Nancy;")) << s;
    EXPECT_TRUE(hasLine(s, "NANCY@Andul;Andulka;")) << s;
    EXPECT_TRUE(hasLine(s, "CELA@kobka;")) << s;
    EXPECT_TRUE(hasLine(s, "BOXER@zápasník;")) << s;
    EXPECT_TRUE(hasLine(s, "RVÁČ@zápasník;")) << s;
    EXPECT_TRUE(hasLine(s, "ZÁPASNÍK@boxer;rváč;")) << s;
    EXPECT_TRUE(hasLine(s, "DŘEPNOUT@sednout;")) << s;

    // Every meaning fits in one record with its headword.
    for (std::size_t start = 0, end; (end = s.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::string line = cp(s.substr(start, end - start));
        const auto at = line.find('@');
        if (at == std::string::npos) continue; // the comment line
        for (std::size_t m = at + 1, semi; (semi = line.find(';', m)) != std::string::npos;
             m = semi + 1)
            EXPECT_LE(at + 1 + semi - m + 1, 80u) << s.substr(start, end - start);
    }

    EXPECT_NE(imported.run.out.find("dropped 3 meanings too long for a record, 2 headwords too "
                                    "long for a record, 1 items outside Windows-1250, 1 items "
                                    "holding @ or a control character; 3 items shortened to "
                                    "their acronym; 2 headwords left without a meaning"),
              std::string::npos)
        << imported.run.out;

    // The result builds into a sound dictionary.
    const RunResult built = runCli({"build", folder.file("out.txt"), folder.file("hlavni")});
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(runCli({"check", folder.file("hlavni")}).exitCode, 0);
}

// A dictd dictionary of the articles ("headword\ntranslation, translation\n"): its .index and,
// uncompressed (its reader takes plain text too), its .dict.dz.
void writeDictd(const std::string& base, const std::vector<std::string>& articles) {
    const auto number = [](std::size_t value) {
        static constexpr std::string_view kDigits =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::string digits;
        do {
            digits.insert(digits.begin(), kDigits[value % 64]);
            value /= 64;
        } while (value > 0);
        return digits;
    };
    std::string index, dict;
    for (const std::string& article : articles) {
        index += article.substr(0, article.find('\n')) + '\t' + number(dict.size()) + '\t' +
                 number(article.size()) + '\n';
        dict += article;
    }
    writeFile(base + ".index", index);
    writeFile(base + ".dict.dz", dict);
}

TEST(ThesaurusEvidence, KeepsAMeaningOnlyWhereARuleGivesEvidence) {
    TempFolder folder;
    writeFile(folder.file("th.txt"), "KOLÁČ@dort;děvka;\n"
                                     "DĚVKA@coura;koláč;nevěstka;\n"
                                     "ARKÝŘ@záliv;hnědák;\n"
                                     "ZÁLIV@zátoka;arkýř;\n"
                                     "HNĚDÁK@arkýř;\n"
                                     "AKUMULÁTOR@střádač;ublížení na zdraví;\n"
                                     "KOLEGA@kolegové;člen Sněmovny lordů;\n"
                                     "4/5 GALONU@čtyři pětiny galonu;\n"
                                     "24 HOURS A DAY@nonstop;\n");
    writeDictd(folder.file("eng-ces"),
               {"tart\nkoláč, děvka, coura\n", "cake\nkoláč, dort\n", "pie\nkoláč, dort\n",
                "whore\nděvka, coura\n", "bay\narkýř, záliv, hnědák, zátoka\n", "oriel\narkýř\n",
                "gulf\nzáliv\n", "battery\nakumulátor, ublížení na zdraví\n",
                "peer\nkolega, člen Sněmovny lordů\n"});
    writeDictd(folder.file("ces-eng"),
               {"akumulátor\naccumulator\n", "střádač\naccumulator\n", "zátoka\nembayment\n"});
    std::filesystem::create_directory(folder.file("wordnet"));
    // "lemma pos synset_cnt p_cnt sense_cnt tagsense_cnt offset...": two senses of each
    // pivot, one of "accumulator"; "gulf" and "embayment" meet in the synset 100.
    writeFile(folder.file("wordnet/index.noun"), "  1 licence text\n"
                                                 "tart n 2 0 2 0 00000500 00000600\n"
                                                 "bay n 2 0 2 0 00000100 00000200\n"
                                                 "gulf n 2 0 2 0 00000100 00000300\n"
                                                 "embayment n 1 0 1 0 00000100\n"
                                                 "battery n 2 0 2 0 00000700 00000800\n"
                                                 "accumulator n 1 0 1 0 00000400\n"
                                                 "peer n 2 0 2 0 00000900 00001000\n");
    for (const char* part : {"verb", "adj", "adv"})
        writeFile(folder.file(std::string("wordnet/index.") + part), "");
    writeFile(folder.file("tvary.txt"), "kolega\tkolegové kolegy\n");
    std::filesystem::create_directory(folder.file("supplement"));
    writeFile(folder.file("supplement/a.txt"), "# hand-written\nDĚVKA@nevěstka;\n");

    const RunResult run = runProgram(
        THESAURUSEVIDENCE, {folder.file("th.txt"), folder.file("eng-ces"), folder.file("ces-eng"),
                            folder.file("wordnet"), folder.file("tvary.txt"),
                            folder.file("supplement"), folder.file("out.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string s = readFile(folder.file("out.txt"));

    struct Row {
        const char* why;
        const char* line; // the headword's line as written, or "" when it must be gone
        const char* headword;
    };
    const std::vector<Row> rows = {
        {"two English words shared (cake, pie) keep; the pivot tart alone does not", "KOLÁČ@dort;",
         "KOLÁČ"},
        {"two shared (tart, whore) keep; the supplement keeps one without English",
         "DĚVKA@coura;nevěstka;", "DĚVKA"},
        {"the pivot bay links words whose other English words never meet", "", "ARKÝŘ"},
        {"gulf and embayment meet in a synset: one sense of bay", "ZÁLIV@zátoka;", "ZÁLIV"},
        {"a headword left with no meaning goes", "", "HNĚDÁK"},
        {"accumulator has one sense; battery two", "AKUMULÁTOR@střádač;", "AKUMULÁTOR"},
        {"one Hunspell lemma; the pivot peer is no evidence", "KOLEGA@kolegové;", "KOLEGA"},
        {"a number with a unit is no Czech entry", "", "4/5 GALONU"},
        {"an English phrase is no Czech entry", "", "24 HOURS A DAY"},
    };
    for (const Row& row : rows) {
        if (*row.line)
            EXPECT_TRUE(hasLine(s, row.line)) << row.why << '\n' << s;
        else
            EXPECT_EQ(s.find(std::string("\n") + row.headword + "@"), std::string::npos)
                << row.why << '\n'
                << s;
    }
    EXPECT_NE(run.out.find("kept 1 meanings by rule supplement\n"
                           "thesaurusevidence: kept 1 meanings by rule root\n"
                           "thesaurusevidence: kept 2 meanings by rule english2\n"
                           "thesaurusevidence: kept 1 meanings by rule monosemous\n"
                           "thesaurusevidence: kept 1 meanings by rule synset\n"
                           "thesaurusevidence: dropped 10 meanings without evidence, 2 headwords "
                           "left without a meaning, 2 headwords that are no Czech entries; 5 "
                           "headwords written"),
              std::string::npos)
        << run.out;
}

TEST(ThesaurusImport, LeavesNoFileWhenItCannotWrite) {
    TempFolder folder;
    writeFile(folder.file("th.dat"), "UTF-8\npes|1\n|čokl\n");
    const RunResult run =
        runProgram(THESAURUS2SOURCE, {folder.file("th.dat"), folder.file("missing/out.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
    EXPECT_EQ(folder.listing(), std::vector<std::string>{"th.dat"});

    EXPECT_EQ(
        runProgram(THESAURUS2SOURCE, {folder.file("none.dat"), folder.file("o.txt")}).exitCode, 1);
    EXPECT_EQ(runProgram(THESAURUS2SOURCE, {}).exitCode, 2);
}

} // namespace
} // namespace zadrovec::clitest
