// The importers of the foreign words (StarDict) and of the word list (Hunspell): what they read,
// how they cut meanings to fit a record, and what they tell they dropped.
#include "tests/common/clitest.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace zadrovec::clitest {
namespace {

// A StarDict dictionary of the articles (word, definition), its .dict compressed as dictzip is.
class StarDict {
public:
    void add(const std::string& word, const std::string& definition) {
        const auto offset = static_cast<std::uint32_t>(dict_.size());
        dict_ += definition;
        idx_ += word + '\0' + bigEndian(offset) + bigEndian(std::uint32_t(definition.size()));
        ++count_;
    }
    void addDamaged(const std::string& word) {
        idx_ += word + '\0' + bigEndian(1u << 30) + bigEndian(10);
        ++count_;
    }
    std::string write(const TempFolder& folder) const {
        const std::string base = folder.file("words");
        writeFile(base + ".ifo", "StarDict's dict ifo file\nversion=2.4.2\nwordcount=" +
                                     std::to_string(count_) + "\nsametypesequence=g\n");
        writeFile(base + ".idx", idx_);
        gzFile dz = gzopen((base + ".dict.dz").c_str(), "wb");
        gzwrite(dz, dict_.data(), static_cast<unsigned>(dict_.size()));
        gzclose(dz);
        return base;
    }

private:
    static std::string bigEndian(std::uint32_t v) {
        return {char(v >> 24), char(v >> 16 & 0xFF), char(v >> 8 & 0xFF), char(v & 0xFF)};
    }
    std::string idx_, dict_;
    int count_ = 0;
};

TEST(ForeignWordsImport, ArticlesBecomeHeadwordsWithTheirSenses) {
    TempFolder folder;
    StarDict words;
    words.add("abak, abakus", "\n    <b>1. starověká početní tabulka, počitadlo; 2. arch. deska na "
                              "hlavici sloupu; 3. stolek u oltáře</b>\n");
    words.add("a capella",
              "\n    [<i>a kapela</i>]\n\n<b>vokální skladba bez instrumentálního doprovodu</b>\n");
    words.add("akomodace", "<b>akomodace &amp;#8211; přizpůsobení oka</b>");
    words.add("secese", "<b>umělecký sloh kolem roku 1900; sloh ve 20. století</b>");
    words.add("abiturient", "<b>absolvent školy nebo student v období krátce před závěrečnou "
                            "zkouškou a po ní</b>");
    words.add("fax", "<b>snímání, přenos a reprodukce dokumentu prostřednictvím telefonní sítě, "
                     "telefax</b>");
    words.add("São Paulo", "<b>město</b>");
    words.addDamaged("zlom");
    const std::string base = words.write(folder);

    const RunResult run = runProgram(STARDICT2SOURCE, {base, folder.file("cizi.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string s = readFile(folder.file("cizi.txt"));
    const std::string abak = "@starověká početní tabulka, počitadlo;arch. deska na hlavici "
                             "sloupu;stolek u oltáře;";
    EXPECT_TRUE(hasLine(s, "ABAK" + abak)) << s;
    EXPECT_TRUE(hasLine(s, "ABAKUS" + abak)) << s;
    EXPECT_TRUE(hasLine(s, "A CAPELLA@vokální skladba bez instrumentálního doprovodu;")) << s;
    EXPECT_TRUE(hasLine(s, "AKOMODACE@akomodace – přizpůsobení oka;")) << s;
    EXPECT_TRUE(hasLine(s, "SECESE@umělecký sloh kolem roku 1900;sloh ve 20. století;")) << s;
    EXPECT_TRUE(hasLine(s, "ABITURIENT@absolvent školy nebo student v období krátce před "
                           "závěrečnou…;"))
        << s;
    EXPECT_TRUE(hasLine(s, "FAX@snímání, přenos a reprodukce dokumentu prostřednictvím telefonní "
                           "sítě…;"))
        << s;
    EXPECT_EQ(s.find("SÃO"), std::string::npos);
    EXPECT_NE(run.out.find("7 articles, 7 headwords written with 12 meanings"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("1 at a clause, 1 at a word; dropped 0 meanings too long for a record, "
                           "1 items outside Windows-1250"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("1 damaged index entries"), std::string::npos) << run.out;

    const RunResult built = runCli({"build", folder.file("cizi.txt"), folder.file("cizi")});
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(runCli({"check", folder.file("cizi")}).exitCode, 0);
}

TEST(ForeignWordsImport, MissingOrForeignFilesFailWithoutOutput) {
    TempFolder folder;
    RunResult run = runProgram(STARDICT2SOURCE, {folder.file("none"), folder.file("out.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot read"), std::string::npos) << run.err;

    StarDict words;
    words.add("fax", "<b>telefax</b>");
    const std::string base = words.write(folder);
    writeFile(base + ".ifo", "StarDict's dict ifo file\nsametypesequence=tm\n");
    run = runProgram(STARDICT2SOURCE, {base, folder.file("out.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("one text field"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.txt")));
}

TEST(ForeignWordsImport, TheSourcesFaultsAreCleanedAndCounted) {
    TempFolder folder;
    StarDict words;
    struct Row {
        const char *word, *definition, *line; // the line expected in the source
    };
    const std::vector<Row> rows = {
        {"gamie", "<b>druhá část složených slov mající význam snoubení</b>",
         "-GAMIE@druhá část složených slov mající význam snoubení;"},
        {"endo", "<b>první část složených slov mající význam vnitřní</b>",
         "ENDO-@první část složených slov mající význam vnitřní;"},
        {"fág", "<b>druhá část složených slov mající význam hubení</b> <b>vir bakterií</b>",
         "FÁG@vir bakterií;"},
        {"vendeta vendetta", "<b>krevní msta</b>", "VENDETTA@krevní msta;"},
        {"don Don", "<b>španělský titul</b>", "DON@španělský titul;"},
        {"artéský, a. pramen", "<b>podzemní voda</b>", "ARTÉSKÝ PRAMEN@podzemní voda;"},
        {"deoxyribonukleový, d. kyselina", "<b>nositel genetické informace</b>",
         "DEOXYRIBONUKLEOVÁ KYSELINA@nositel genetické informace;"},
        {"a. m.", "<b>dopoledne</b>", "A. M.@dopoledne;"},
        {"hokus pokus", "<b>kouzlo</b>", "HOKUS POKUS@kouzlo;"},
        {"agrément", "[<i>agreman], agreement [egríment</i>] <b>dohoda; souhlas</b>",
         "AGRÉMENT@dohoda;souhlas;"},
        {"akr", "<b>acre [ejkr] - plošná jednotka; výměna, [bártr], směna</b>",
         "AKR@acre - plošná jednotka;výměna, směna;"},
        {"fobie", "<b>ten kdo má strach\"\"</b>", "FOBIE@ten kdo má strach;"},
        {"akvárium",
         "<b>umělá vodní, obv. skleněná nádrž k pěstování vodních živočichů a "
         "rostlin</b>",
         "AKVÁRIUM@umělá vodní, obv. skleněná nádrž k pěstování vodních živočichů…;"},
    };
    for (const Row& row : rows)
        words.add(row.word, row.definition);
    const RunResult run = runProgram(STARDICT2SOURCE, {words.write(folder), folder.file("c.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string s = readFile(folder.file("c.txt"));
    for (const Row& row : rows)
        EXPECT_TRUE(hasLine(s, row.line)) << row.line << "\n" << s;
    for (const char* absent : {"\nGAMIE@", "\nENDO@", "\nVENDETA VENDETTA@", "\nA. PRAMEN@"})
        EXPECT_EQ(s.find(absent), std::string::npos) << absent;
    EXPECT_NE(run.out.find("cleaned: 3 word parts given their dash, 2 headwords of two spellings "
                           "split, 2 abbreviated phrases written out, 0 dropped, 3 pronunciations "
                           "removed from inside definitions, 1 definitions with stray quotes"),
              std::string::npos)
        << run.out;

    // The word list: no abbreviations, symbols or single letters that are no words.
    writeFile(folder.file("cs.aff"), "SET UTF-8\n");
    writeFile(folder.file("cs.dic"), "7\natd.\nµA\nR\nk\nblu-ray\n-ismus\npes\n");
    const RunResult list = runProgram(
        HUNSPELL2SOURCE, {folder.file("cs.dic"), folder.file("cs.aff"), folder.file("s.txt")});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const std::string w = readFile(folder.file("s.txt"));
    EXPECT_EQ(w.substr(w.find('\n') + 1), "BLU-RAY@\nK@\nPES@\n");
    EXPECT_NE(list.out.find("left out 1 abbreviations with a dot, 2 words with a digit or a "
                            "symbol, 1 single letters that are no words"),
              std::string::npos)
        << list.out;
}

TEST(PluralsImport, NounsGetTheNominativePluralTheWordListKnows) {
    TempFolder folder;
    writeFile(folder.file("main.txt"), "ÁS@severský bůh;\nvlk@šelma;\nučitel@pedagog;\n"
                                       "lékař@doktor;\nžena@manželka;\nženy@ženské;\n"
                                       "číst@luštit;\nstůl@nábytek;\n");
    writeFile(folder.file("forms.txt"),
              "ás\tása ásové ásům ásech\nvlk\tvlka vlky vlci vlkům vlcích\n"
              "učitel\tučitele učiteli učitelé učitelům\nlékař\tlékaře lékaři lékařovi lékařům\n"
              "žena\tženy ženám\nčíst\tčtu čísti četl\nstůl\tstolu stoly stolům\n");
    const RunResult run = runProgram(
        PLURALS2SOURCE, {folder.file("main.txt"), folder.file("forms.txt"), folder.file("p.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string s = readFile(folder.file("p.txt"));
    EXPECT_EQ(s.substr(s.find('\n') + 1),
              "ásové@ás (množné číslo);severský bůh;\nvlci@vlk (množné číslo);šelma;\n"
              "učitelé@učitel (množné číslo);pedagog;\nlékaři@lékař (množné číslo);doktor;\n");
    EXPECT_NE(run.out.find("6 nouns among the headwords, 4 plurals written; 1 without a plural "
                           "hunspell-cs knows, 1 plurals that are headwords already"),
              std::string::npos)
        << run.out;
}

// One noun a row: its record, its forms (and those of the nouns its meanings name), its plural,
// and the word list's stems with their flags where the row gives them.
struct PluralCase {
    std::string name, main, forms, plural, dic = {};
};

// A row by its name, in the test's name and in a failure.
void PrintTo(const PluralCase& c, std::ostream* out) {
    *out << c.name;
}

class PluralsByDeclension : public ::testing::TestWithParam<PluralCase> {};

TEST_P(PluralsByDeclension, ThePluralTheFormsAndMeaningsAllow) {
    TempFolder folder;
    writeFile(folder.file("main.txt"), GetParam().main);
    writeFile(folder.file("forms.txt"), GetParam().forms);
    std::vector<std::string> arguments{folder.file("main.txt"), folder.file("forms.txt"),
                                       folder.file("p.txt")};
    if (!GetParam().dic.empty()) {
        writeFile(folder.file("cs.dic"), GetParam().dic);
        arguments.push_back(folder.file("cs.dic"));
    }
    const RunResult run = runProgram(PLURALS2SOURCE, arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string s = readFile(folder.file("p.txt"));
    EXPECT_EQ(s.substr(s.find('\n') + 1), GetParam().plural);
}

INSTANTIATE_TEST_SUITE_P(
    PluralsImport, PluralsByDeclension,
    ::testing::Values(
        // A thing in -íř has no animate dative: the "-e" of the soft pattern, not the "-i".
        PluralCase{"ThingInIrTakesE", "TALÍŘ@mísa;\n",
                   "talíř\ttalíře talíři talířem talířů talířům talířích\n",
                   "talíře@talíř (množné číslo);mísa;\n"},
        // A person in -ař keeps the animate "-i".
        PluralCase{"PersonInArTakesI", "LÉKAŘ@doktor;\n",
                   "lékař\tlékaře lékaři lékařovi lékařem lékařů lékařům lékařích\n",
                   "lékaři@lékař (množné číslo);doktor;\n"},
        // Declined as a thing by the word list, but its meaning names a person.
        PluralCase{"MeaningNamesPerson", "KAPSÁŘ@kapesní zloděj;\n",
                   "kapsář\tkapsáře kapsáři kapsářem kapsářů kapsářům kapsářích\n"
                   "zloděj\tzloděje zloději zlodějovi zlodějů zlodějům zlodějích\n",
                   "kapsáři@kapsář (množné číslo);kapesní zloděj;\n"},
        // A feminine noun in -a takes "-y", though hunspell-cs also declines it as masculine.
        PluralCase{"FeminineInATakesY", "KARIKATURA@kreslený vtip;\n",
                   "karikatura\tkarikatury karikaturovi karikaturové karikaturám karikaturách\n",
                   "karikatury@karikatura (množné číslo);kreslený vtip;\n"},
        // A masculine noun in -a (no feminine forms) keeps "-ové".
        PluralCase{"MasculineInATakesOve", "PŘEDSEDA@šéf;\n",
                   "předseda\tpředsedy předsedovi předsedové předsedům předsedech\n",
                   "předsedové@předseda (množné číslo);šéf;\n"},
        // The word list declines it as a thing ("stroj"): its "-ci" is the dative singular.
        PluralCase{"ThingInEcByTheWordList", "HRNEC@nádoba;\n",
                   "hrnec\thrnce hrnci hrncem hrnců hrncům hrncích\n",
                   "hrnce@hrnec (množné číslo);nádoba;\n", "1\nhrnec/S\n"},
        // Declined as a person ("muž"), though its dative is "-ci" and not "-ovi".
        PluralCase{"PersonInEcByTheWordList", "HEREC@umělec;\n",
                   "herec\therce herci hercem herců hercům hercích\n",
                   "herci@herec (množné číslo);umělec;\n", "1\nherec/UN\n"},
        // A note of two letters is no noun of a declension, whatever forms it is given.
        PluralCase{"NoteOfTwoLettersHasNone", "la@solmizační slabika;\n",
                   "la\tly lovi lů lům lech lové\n", ""}),
    [](const auto& test) { return test.param.name; });

TEST(WordListImport, StemsInTheEncodingTheAffixFileNames) {
    TempFolder folder;
    writeFile(folder.file("cs.aff"), "# Czech\nSET ISO8859-2\nFLAG long\n");
    // "kůň", "Kůň", "žluťoučký" in ISO 8859-2, flags and a morphological field after them.
    writeFile(folder.file("cs.dic"),
              "4\nk\xF9\xF2/H\nK\xF9\xF2\n\xBElu\xBBou\xE8k\xFD/YKR\tpo:adj\n"
              "pes\n");
    const RunResult run = runProgram(
        HUNSPELL2SOURCE, {folder.file("cs.dic"), folder.file("cs.aff"), folder.file("slova.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string s = readFile(folder.file("slova.txt"));
    EXPECT_EQ(s.substr(s.find('\n') + 1), "KŮŇ@\nPES@\nŽLUŤOUČKÝ@\n");
    EXPECT_NE(run.out.find("4 stems (ISO8859-2), 3 headwords written"), std::string::npos)
        << run.out;

    writeFile(folder.file("cs.aff"), "SET KOI-NONSENSE\n");
    EXPECT_EQ(runProgram(HUNSPELL2SOURCE,
                         {folder.file("cs.dic"), folder.file("cs.aff"), folder.file("other.txt")})
                  .exitCode,
              1);
}

TEST(WordListImport, KeepsTheFirstCharactersTheIndexHolds) {
    TempFolder folder;
    writeFile(folder.file("cs.aff"), "SET UTF-8\n");
    // 61 different first characters; the one met least is dropped so the index can hold the rest.
    const std::vector<std::string> firsts = {
        "Ŕ", "Ĺ", "Ľ", "Ô", "Ő", "Ű", "Ţ", "Ş", "Ă", "Â", "A", "B", "C", "D", "E", "F",
        "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V",
        "W", "X", "Y", "Z", "Á", "Č", "Ď", "É", "Ě", "Í", "Ň", "Ó", "Ř", "Š", "Ť", "Ú",
        "Ů", "Ý", "Ž", "Ä", "Ö", "Ü", "Ł", "Ą", "Ę", "Ś", "Ć", "Ź", "Ż"};
    ASSERT_EQ(firsts.size(), 61u);
    std::string dic = "0\n";
    for (const std::string& first : firsts)
        dic += first + "x\n" + (first == "Ś" ? "" : first + "y\n");
    dic += "São\n";
    writeFile(folder.file("cs.dic"), dic);
    const RunResult run = runProgram(
        HUNSPELL2SOURCE, {folder.file("cs.dic"), folder.file("cs.aff"), folder.file("slova.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("120 headwords written; dropped 1 outside Windows-1250, 0 unusable as "
                           "a headword, 1 beyond the index's first characters"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(readFile(folder.file("slova.txt")).find("ŚX@"), std::string::npos);

    const RunResult built = runCli({"build", folder.file("slova.txt"), folder.file("slova")});
    ASSERT_EQ(built.exitCode, 0) << built.err;
    const RunResult check = runCli({"check", folder.file("slova")});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_NE(check.out.find("60 first"), std::string::npos) << check.out;
}

} // namespace
} // namespace zadrovec::clitest
