// The importer of the phrases: proverbs with their variants, quotes of fortunes-cs with their
// authors, titles of works; what it cleans, merges and leaves out, and what it tells.
#include "tests/common/clitest.h"

#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

TEST(PhrasesImport, CleansMergesAndCountsWhatItLeavesOut) {
    TempFolder folder;
    writeFile(folder.file("prislovi.tsv"),
              "# kind, phrase, variant\n"
              "přísloví\tKdo jinému jámu kopá, sám do ní padá.\tKdo jinému jámu kopá, sám do ní "
              "spadne.\n"
              "rčení\tmít  máslo na hlavě\n"
              "přirovnání\t„černý“ jako uhel…\t\n"
              "pořekadlo\tKonec\n");
    std::filesystem::create_directory(folder.file("fortunes"));
    const std::string tooLong(301, 'a');
    writeFile(folder.file("fortunes/citat.u8"),
              "Nestejní se rodíme,\n\tale  stejní umíráme.\n\t\t-- Seneca\n%\n"
              "Zamilovaní jsou blázni (někdy)...\n\t\t-- Titus Maccius Plautus: Komedie\n%\n"
              "Bez autora zde.\n%\n"
              "- Kdo to je?\n- Nevím.\n\t\t-- Werich\n%\n" +
                  tooLong + " b\n\t\t-- Seneca\n%\n" +
                  "Ødegaard píše knihy.\n\t\t-- Seneca\n%\n"
                  "Dokud jsme živi; žijme.\n\t\t-- Vergilius\n%\n"
                  "\"Dokud jsme živi; žijme.\"\n\t\t-- Masaryk T. G.\n%\n");
    writeFile(folder.file("fortunes/murphy.u8"),
              "Co se může pokazit, to se pokazí.\n\t\t-- Murphy\n%\n");
    writeFile(folder.file("postavy.txt"), "# AUTOR@NÁZEV@POSTAVA;\n"
                                          "Němcová Božena@Babička@Barunka;\n"
                                          "Havlíček Borovský Karel@Král Lávra@Lávra;\n"
                                          "Čapek Karel@Ze života hmyzu@Tulák;\n"
                                          "Čapek Josef@Ze života hmyzu@Tulák;\n");

    const RunResult run =
        runProgram(PHRASES2SOURCE, {folder.file("prislovi.tsv"), folder.file("fortunes"),
                                    folder.file("postavy.txt"), folder.file("fraze.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> expected = {
        "Kdo jinému jámu kopá, sám do ní padá.@přísloví;Kdo jinému jámu kopá, sám do ní spadne.;",
        "Kdo jinému jámu kopá, sám do ní spadne.@přísloví;Kdo jinému jámu kopá, sám do ní padá.;",
        "mít máslo na hlavě@rčení;",
        "černý jako uhel@přirovnání;",
        "Nestejní se rodíme, ale stejní umíráme.@citát;Seneca;",
        "Zamilovaní jsou blázni@citát;Titus Maccius Plautus;Plautus;",
        "Dokud jsme živi, žijme.@citát;Vergilius;Masaryk T. G.;Masaryk;",
        "Král Lávra@dílo;Karel Havlíček Borovský;Havlíček Borovský;",
        "Ze života hmyzu@dílo;Karel Čapek;Čapek;Josef Čapek;",
    };
    const std::vector<std::string> written = lines(readFile(folder.file("fraze.txt")));
    ASSERT_EQ(written.size(), expected.size() + 1);
    EXPECT_TRUE(written[0].starts_with("# Made by phrases2source ")) << written[0];
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(written[i + 1], cp(expected[i])) << "line " << i + 1;
    EXPECT_EQ(run.out,
              "phrases2source: 4 proverbs and sayings (by kind přísloví 2, pořekadlo 0, "
              "rčení 1, přirovnání 1), 4 quotes from fortunes-cs (files citat 4), 3 titles "
              "of works; left out: 1 too long, 2 without an author, 1 outside "
              "Windows-1250, 2 of one word; 9 lines written\n");
}

} // namespace
} // namespace zadrovec::clitest
