// The thesaurus import: what it keeps, what it shortens, and that it tells what it dropped.
#include "tests/common/clitest.h"

#include <gtest/gtest.h>

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
