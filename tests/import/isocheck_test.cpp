// The check of the currencies, capitals and vehicle codes against the installed iso-codes and CLDR.
#include "tests/common/clitest.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zadrovec::clitest {
namespace {

class IsoCheck : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {ISO_CODES "/iso_4217.json", ISO_TRANSLATIONS "/iso_4217.mo",
                                 CLDR "/supplemental/supplementalData.xml"})
            if (!std::filesystem::exists(file)) GTEST_SKIP() << "not installed: " << file;
    }

    RunResult check(const std::string& mesta, const std::string& meny, const std::string& mpzspz) {
        writeFile(folder_.file("mesta.txt"), mesta);
        writeFile(folder_.file("meny.txt"), meny);
        writeFile(folder_.file("mpzspz.txt"), mpzspz);
        return runProgram(ISOCHECK, {ISO_CODES, ISO_TRANSLATIONS, CLDR, folder_.file("mesta.txt"),
                                     folder_.file("meny.txt"), folder_.file("mpzspz.txt")});
    }

    TempFolder folder_;
};

TEST_F(IsoCheck, AgreeingFactsPass) {
    const RunResult run = check("Japonsko@Tokio;\nTokio@Japonsko;\n",
                                "# comment\njen@Japonsko;\nJPY@japonský jen;\nJaponsko@jen;JPY;\n"
                                "DEM@německá marka (do roku 2001);\nSKK@koruna slovenská;\n"
                                "koruna slovenská@bývalá měna Slovenska;\n",
                                "J@Japonsko;\nJaponsko@J;\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("1 states in mesta"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("0 wrong, 0 to look at"), std::string::npos) << run.out;
}

TEST_F(IsoCheck, CodeNamingAnotherCurrencyFailsTheBuild) {
    const RunResult run = check("", "SAR@saúdský rijál;frank CFA;XAF;\n", "");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("wrong: meny: SAR is Saudi Riyal, not also XAF"), std::string::npos)
        << run.err;
}

TEST_F(IsoCheck, DisagreementsAreListed) {
    const RunResult run =
        check("Japonsko@Tokio;\nPeru@Lima;\n",
              "JPY@americký dolar;\nXYZ@fantazie;\nJaponsko@jen;USD;\n", "Japonsko@J;\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const char* notice :
         {"meny: JPY is \"americký dolar\", iso-codes says \"Yen",
          "meny: XYZ is no current ISO 4217", "meny: Japonsko pays in USD, CLDR says JPY",
          "meny: no currency for Peru", "mpzspz: no vehicle code for Peru"})
        EXPECT_NE(run.out.find(std::string("to look at: ") + notice), std::string::npos)
            << notice << "\n"
            << run.out;
}

TEST_F(IsoCheck, MissingSourceIsAnError) {
    const RunResult run =
        runProgram(ISOCHECK, {ISO_CODES, ISO_TRANSLATIONS, CLDR, folder_.file("none.txt"),
                              folder_.file("none.txt"), folder_.file("none.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot read"), std::string::npos) << run.err;
}

} // namespace
} // namespace zadrovec::clitest
