// The builder's reading of sources and its records: folding, order, splitting, the header.
#include "tests/common/clitest.h"
#include "tools/dictbuilder.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace zadrovec::build {
namespace {

using clitest::cp;

std::vector<SourceEntry> parse(const std::string& text) {
    std::istringstream in(text);
    return parseSource(in);
}

std::size_t errorLine(const std::string& text) {
    try {
        parse(text);
    } catch (const BuildError& error) {
        EXPECT_NE(std::string(error.what()).find("line " + std::to_string(error.line())),
                  std::string::npos)
            << error.what();
        return error.line();
    }
    ADD_FAILURE() << "no error for: " << text;
    return 0;
}

std::vector<std::string> recordsOf(const std::string& source, const std::string& header = "H") {
    return buildDictionary(parse(source), header).records;
}

TEST(BuilderSource, SkipsBlankAndCommentLinesAndCountsLinesFromOne) {
    const auto entries = parse("\xEF\xBB\xBF# comment\n\n   \nPES@zvíře;\r\n#KOS@x;\nKOS@pták;\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].headword, "PES");
    EXPECT_EQ(entries[0].meanings, std::vector<std::string>{cp("zvíře")});
    EXPECT_EQ(entries[0].line, 4u);
    EXPECT_EQ(entries[1].headword, "KOS");
    EXPECT_EQ(entries[1].line, 6u);
}

TEST(BuilderSource, MeaningsSplitAtSemicolonsWithTheLastOneTerminated) {
    EXPECT_EQ(parse("W@a;b\n")[0].meanings, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(parse("W@a;;b;\n")[0].meanings, (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(parse("W@ a ; b;\n")[0].meanings, (std::vector<std::string>{" a ", " b"}));
    EXPECT_TRUE(parse("W@\n")[0].meanings.empty());
    // Only the first "@" separates; later ones belong to a meaning.
    const auto entry = parse("A@B@C;\n")[0];
    EXPECT_EQ(entry.headword, "A");
    EXPECT_EQ(entry.meanings, std::vector<std::string>{"B@C"});
}

TEST(BuilderSource, FaultsNameTheirLine) {
    EXPECT_EQ(errorLine("A@x;\n\nno separator here\n"), 3u);
    EXPECT_EQ(errorLine("# header\n@orphan meaning;\n"), 2u);
    EXPECT_EQ(errorLine("A@x;\nB@漢字;\n"), 2u); // not in Windows-1250
    EXPECT_EQ(errorLine("A@x;\nB@\xC3;\n"), 2u); // not UTF-8
    EXPECT_EQ(errorLine("A@x;\nB@ok;\nC\n"), 3u);
}

TEST(BuilderRecords, HeaderFirstThenFoldedHeadwords) {
    const auto records = recordsOf("kůň@zvíře;\nähm@citoslovce;\n", "1.2.2024");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], "1.2.2024");
    EXPECT_EQ(records[1], cp("KŮŇ@zvíře;"));
    // ä has no capital in the folding: it stays, and sorts by its byte after the ASCII letters.
    EXPECT_EQ(records[2], cp("äHM@citoslovce;"));
}

TEST(BuilderRecords, OrderedByHeadwordBytesKeepingSourceOrderOfEqualOnes) {
    const auto records = recordsOf("čaj@1;\nzed@2;\ncukr@3;\nbod@4;\nZED@5;\nB@6;\nzed@7;\n");
    const std::vector<std::string> expected = {"H",      "B@6;",   "BOD@4;", "CUKR@3;",
                                               "ZED@2;", "ZED@5;", "ZED@7;", cp("ČAJ@1;")};
    EXPECT_EQ(records, expected);
}

TEST(BuilderRecords, EntryOfExactlyEightyBytesStaysInOneRecord) {
    const std::string meaning(80 - 3 - 1, 'm'); // "AB@" + meaning + ";"
    const auto records = recordsOf("AB@" + meaning + ";\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].size(), 80u);
}

TEST(BuilderRecords, LongEntrySpreadsWholeMeaningsOverRecordsOfItsHeadword) {
    std::string source = "SLOVO@";
    std::vector<std::string> meanings;
    for (int m = 0; m < 12; ++m) {
        meanings.push_back("meaning number " + std::to_string(m));
        source += meanings.back() + ";";
    }
    const auto records = recordsOf("A@first;\n" + source + "\nZ@last;\n");
    ASSERT_GT(records.size(), 4u);
    EXPECT_EQ(records[1], "A@first;");
    EXPECT_EQ(records.back(), "Z@last;");

    std::vector<std::string> collected;
    for (std::size_t r = 2; r + 1 < records.size(); ++r) {
        const std::string& record = records[r];
        EXPECT_LE(record.size(), 80u);
        ASSERT_TRUE(record.starts_with("SLOVO@")) << record;
        ASSERT_TRUE(record.ends_with(";")) << record;
        std::istringstream parts(record.substr(6));
        for (std::string part; std::getline(parts, part, ';');)
            collected.push_back(part);
        // Packing is greedy: the next record's first meaning would not have fitted here.
        if (r + 2 < records.size()) {
            const std::string next = records[r + 1].substr(6, records[r + 1].find(';') - 6);
            EXPECT_GT(record.size() + next.size() + 1, 80u);
        }
    }
    EXPECT_EQ(collected, meanings);
}

TEST(BuilderRecords, MeaningThatCannotFitWithItsHeadwordNamesItsLine) {
    std::vector<SourceEntry> entries = parse("A@x;\n\nHESLO@" + std::string(80, 'y') + ";\n");
    try {
        buildDictionary(entries, "H");
        FAIL() << "no error";
    } catch (const BuildError& error) {
        EXPECT_EQ(error.line(), 3u);
    }
    const std::string fits(80 - 6 - 1, 'y'); // "HESLO@" + fits + ";" is 80 bytes
    EXPECT_NO_THROW(buildDictionary(parse("HESLO@" + fits + ";\n"), "H"));
    EXPECT_THROW(buildDictionary(parse("HESLO@" + fits + "y;\n"), "H"), BuildError);
}

TEST(BuilderRecords, EntriesMadeInCodeAreCheckedToo) {
    EXPECT_THROW(buildDictionary({SourceEntry{"", {"x"}, 0}}, "H"), BuildError);
    EXPECT_THROW(buildDictionary({SourceEntry{"A@B", {"x"}, 0}}, "H"), BuildError);
    EXPECT_THROW(buildDictionary({SourceEntry{"A", {"x;y"}, 0}}, "H"), BuildError);
    EXPECT_THROW(buildDictionary({}, std::string(81, 'h')), BuildError);
    EXPECT_EQ(buildDictionary({}, std::string(80, 'h')).records.size(), 1u);
}

TEST(BuilderRecords, DefaultHeaderIsTheDateWithoutLeadingZeros) {
    const std::string header = todayHeader();
    EXPECT_TRUE(std::regex_match(header, std::regex(R"([1-9][0-9]?\.[1-9][0-9]?\.[0-9]{4})")))
        << header;
}

} // namespace
} // namespace zadrovec::build
