// The characters catalogue: reading postavy.dat, splitting its records, the two filters and the
// two clicks over the working set.
#include "engine/dictionary/characters.h"
#include "tests/engine/fixture.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

std::vector<std::string> names(std::string_view charactersText) {
    std::vector<std::string> out;
    SplitCharacterNames(charactersText, out);
    return out;
}

using Items = std::vector<std::string>;

class CharactersCatalogue : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedMessages messages;
    Catalogue catalogue{folder.path().string(), messages};
    StringList authors{StringList::Order::Sorted};
    StringList titles{StringList::Order::Sorted};
    StringList characters{StringList::Order::Sorted};
    StringList workingAuthors, workingTitles, workingCharacters;
    CharacterLists lists{authors,        titles,        characters,
                         workingAuthors, workingTitles, workingCharacters};

    std::string path() const { return folder.file("postavy.dat"); }
    void write(const std::vector<std::string>& texts) { writeBytes(path(), catalogueFile(texts)); }
    void open(const std::vector<std::string>& entries) {
        std::vector<std::string> texts{"1.1.2024"};
        texts.insert(texts.end(), entries.begin(), entries.end());
        write(texts);
        ASSERT_TRUE(OpenCatalogue(catalogue));
    }
    bool allEmpty() const {
        return authors.empty() && titles.empty() && characters.empty() && workingAuthors.empty() &&
               workingTitles.empty() && workingCharacters.empty();
    }
};

} // namespace

TEST(CatalogueSplit, RecordTextsGiveAuthorTitleAndNames) {
    const CatalogueEntry full = SplitCatalogueText("AB@CD@E;F;");
    EXPECT_EQ(full.Author, "AB");
    EXPECT_EQ(full.WorkTitle, "CD");
    EXPECT_EQ(names(full.CharactersText), (Items{"E", "F"}));

    // Text after the last ";" is no name.
    EXPECT_EQ(names(SplitCatalogueText("AB@CD@E;F").CharactersText), (Items{"E"}));

    const CatalogueEntry oneAt = SplitCatalogueText("AB@E;F;");
    EXPECT_EQ(oneAt.Author, "AB");
    EXPECT_EQ(oneAt.WorkTitle, "");
    EXPECT_EQ(names(oneAt.CharactersText), (Items{"E", "F"}));

    const CatalogueEntry noAt = SplitCatalogueText("E;F;");
    EXPECT_EQ(noAt.Author, "");
    EXPECT_EQ(noAt.WorkTitle, "");
    EXPECT_EQ(noAt.CharactersText, "E;F;");

    // A third "@" belongs to the characters.
    EXPECT_EQ(SplitCatalogueText("A@B@C@D;").CharactersText, "C@D;");
}

TEST(CatalogueSplit, AuthorAndTitleAreStrippedNamesAreNot) {
    const CatalogueEntry entry = SplitCatalogueText(" \tAB \x01@\x1f CD  @ E;;G ;");
    EXPECT_EQ(entry.Author, "AB");
    EXPECT_EQ(entry.WorkTitle, "CD");
    EXPECT_EQ(names(entry.CharactersText), (Items{" E", "", "G "}));
    // Blanks inside stay; a stripped field may end up empty.
    EXPECT_EQ(SplitCatalogueText("JAN  NOVÁK@ @X;").Author, "JAN  NOVÁK");
    EXPECT_EQ(SplitCatalogueText("JAN@ @X;").WorkTitle, "");
}

TEST_F(CharactersCatalogue, EntryCountIsRecordsMinusHeaderWholeRecordsOnly) {
    write({"1.1.2024", "A@B@C;", "D@E@F;", "G@H@I;"});
    ASSERT_TRUE(OpenCatalogue(catalogue));
    EXPECT_EQ(messages.status, cp("Počet slov: 3"));
    CloseCatalogue(catalogue);

    // A trailing partial record is neither counted nor read.
    writeBytes(path(),
               catalogueFile({"1.1.2024", "A@B@C;"}) + catalogueRecord("AX@Y@Z;").substr(0, 150));
    ASSERT_TRUE(OpenCatalogue(catalogue));
    EXPECT_EQ(messages.status, cp("Počet slov: 1"));
    FilterByAuthor(catalogue, lists, "a");
    EXPECT_EQ(authors.items(), (Items{"A"}));
    EXPECT_TRUE(messages.shown.empty());

    // A file shorter than the header holds no entries.
    writeBytes(path(), "short");
    ASSERT_TRUE(OpenCatalogue(catalogue));
    EXPECT_EQ(messages.status, cp("Počet slov: 0"));
}

TEST_F(CharactersCatalogue, MissingFileIsToldAndFiltersFindNothing) {
    messages.status = "kept";
    EXPECT_FALSE(OpenCatalogue(catalogue));
    EXPECT_EQ(messages.shown, (Items{cp("Tento slovník nebyl nalezen.")}));
    EXPECT_EQ(messages.status, "kept");

    authors.add("OLD");
    workingAuthors.add("OLD");
    FilterByAuthor(catalogue, lists, "o");
    EXPECT_TRUE(allEmpty());
    FilterByTitle(catalogue, lists, "o");
    EXPECT_TRUE(allEmpty());
    EXPECT_EQ(messages.shown.size(), 1u); // no further message
    CloseCatalogue(catalogue);            // closing a catalogue that never opened is harmless
}

TEST_F(CharactersCatalogue, LengthByteBeyondTheRecordIsCutAndFillerIgnored) {
    std::string longText = "AUTOR@DÍLO@";
    longText = cp(longText);
    longText += std::string(150 - longText.size(), 'N');
    std::string bytes = catalogueFile({"1.1.2024"});
    bytes += catalogueRecord(longText, 255);
    bytes += catalogueRecord("AUTOR@KRATKE@X;Y;", 8); // "AUTOR@KR": the rest is filler
    writeBytes(path(), bytes);
    ASSERT_TRUE(OpenCatalogue(catalogue));

    FilterByAuthor(catalogue, lists, "autor");
    EXPECT_EQ(workingTitles.items(), (Items{cp("DÍLO"), ""}));
    EXPECT_EQ(workingCharacters[0], std::string(150 - 11, 'N'));
    EXPECT_EQ(workingAuthors[1], "AUTOR");
    EXPECT_EQ(workingCharacters[1], "KR");
}

TEST_F(CharactersCatalogue, AuthorFilterListsFoldedAuthorsTheFirstOnesWorksAndFirstWorksCast) {
    open({cp("čapek karel@R.U.R.@Domin;Helena;Alquist;"),
          cp("Čapek Josef@Povídání o pejskovi a kočičce@Pejsek;Kočička;"),
          cp("Čapek Josef@Lelíček ve službách Sherlocka Holmese@Lelíček;"),
          cp("Čech Svatopluk@Výlety pana Broučka@Matěj Brouček;"),
          cp("Cervantes@Don Quijote@Sancho Panza;"),
          // the same title under another kept author: its characters join
          cp("Čapek Karel@Povídání o pejskovi a kočičce@Pejsek;Pan Brouček;"),
          cp("bez zavináče čapek"), cp("Čapek bez díla@@;")});

    FilterByAuthor(catalogue, lists, cp("č"));
    EXPECT_EQ(authors.items(), (Items{cp("ČAPEK BEZ DÍLA"), cp("ČAPEK JOSEF"), cp("ČAPEK KAREL"),
                                      cp("ČECH SVATOPLUK")}));
    // The first author has one work, under an empty title, with one empty name.
    EXPECT_EQ(titles.items(), (Items{""}));
    EXPECT_EQ(characters.items(), (Items{""}));

    FilterByAuthor(catalogue, lists, cp("čapek j"));
    EXPECT_EQ(authors.items(), (Items{cp("ČAPEK JOSEF")}));
    EXPECT_EQ(titles.items(), (Items{cp("LELÍČEK VE SLUŽBÁCH SHERLOCKA HOLMESE"),
                                     cp("POVÍDÁNÍ O PEJSKOVI A KOČIČCE")}));
    EXPECT_EQ(characters.items(), (Items{cp("LELÍČEK")}));

    // Every kept record with the first title gives its characters, whatever its author.
    FilterByAuthor(catalogue, lists, cp("čapek"));
    ClickAuthor(lists, *authors.indexOf(cp("ČAPEK JOSEF")));
    ClickTitle(lists, *titles.indexOf(cp("POVÍDÁNÍ O PEJSKOVI A KOČIČCE")));
    EXPECT_EQ(characters.items(), (Items{cp("KOČIČKA"), cp("PAN BROUČEK"), "PEJSEK"}));
    EXPECT_EQ(authors.items(), (Items{cp("ČAPEK JOSEF"), cp("ČAPEK KAREL")}));
    // The working set keeps each kept record in file order, duplicates and all.
    EXPECT_EQ(workingAuthors.size(), 5u);
    EXPECT_EQ(workingAuthors[0], cp("ČAPEK KAREL"));
    EXPECT_EQ(workingCharacters[0], "DOMIN;HELENA;ALQUIST;");
}

TEST_F(CharactersCatalogue, FiltersCompareBytesAfterFoldingAndNeverListRecordsWithoutAt) {
    open({"ab@cd@e;f;", "AB@E;F;", "ABC", "XAB@AB@G;"});
    FilterByAuthor(catalogue, lists, "Ab");
    EXPECT_EQ(authors.items(), (Items{"AB"}));
    EXPECT_EQ(titles.items(), (Items{"", "CD"}));
    EXPECT_EQ(characters.items(), (Items{"E", "F"})); // of the empty title, first in order
    EXPECT_EQ(workingAuthors.size(), 2u);

    FilterByTitle(catalogue, lists, "a");
    EXPECT_EQ(titles.items(), (Items{"AB"}));
    EXPECT_EQ(authors.items(), (Items{"XAB"}));
    EXPECT_EQ(characters.items(), (Items{"G"}));

    FilterByAuthor(catalogue, lists, "ABC"); // the text without "@" has no author
    EXPECT_TRUE(allEmpty());
    FilterByAuthor(catalogue, lists, "");
    EXPECT_TRUE(allEmpty());
}

TEST_F(CharactersCatalogue, TitleUnderTwoAuthorsListsBothCastsAndBothAuthors) {
    open({"MANN THOMAS@DOKTOR FAUSTUS@LEVERKUHN;ZEITBLOM;",
          "MARLOWE@DOKTOR FAUSTUS@FAUSTUS;WAGNER;", "MARLOWE@TAMERLAN@TAMERLAN;",
          "GOETHE@FAUST@FAUST;WAGNER;", "MAYER@DOKTOR@X;"});
    FilterByTitle(catalogue, lists, "doktor f");
    EXPECT_EQ(titles.items(), (Items{"DOKTOR FAUSTUS"}));
    EXPECT_EQ(authors.items(), (Items{"MANN THOMAS", "MARLOWE"}));
    EXPECT_EQ(characters.items(), (Items{"FAUSTUS", "LEVERKUHN", "WAGNER", "ZEITBLOM"}));

    FilterByAuthor(catalogue, lists, "ma");
    EXPECT_EQ(authors.items(), (Items{"MANN THOMAS", "MARLOWE", "MAYER"}));
    ClickAuthor(lists, 1);
    EXPECT_EQ(authors.items(), (Items{"MANN THOMAS", "MARLOWE", "MAYER"})); // stays
    EXPECT_EQ(titles.items(), (Items{"DOKTOR FAUSTUS", "TAMERLAN"}));
    // The first title's characters come from both of its authors.
    EXPECT_EQ(characters.items(), (Items{"FAUSTUS", "LEVERKUHN", "WAGNER", "ZEITBLOM"}));

    ClickTitle(lists, 0);
    EXPECT_EQ(titles.items(), (Items{"DOKTOR FAUSTUS", "TAMERLAN"})); // stays
    EXPECT_EQ(authors.items(), (Items{"MANN THOMAS", "MARLOWE"}));
    ClickTitle(lists, 1);
    EXPECT_EQ(authors.items(), (Items{"MARLOWE"}));
    EXPECT_EQ(characters.items(), (Items{"TAMERLAN"}));
}

TEST_F(CharactersCatalogue, AnAuthorOfFiveWorksIsListedOnceAndClickListsTheFive) {
    open(
        {"NERUDA@E@A;", "NERUDA@D@A;", "NERUDA@C@A;", "NERUDA@B@B;", "NERUDA@A@A;", "NEZVAL@F@N;"});
    FilterByAuthor(catalogue, lists, "ne");
    EXPECT_EQ(authors.items(), (Items{"NERUDA", "NEZVAL"}));
    EXPECT_EQ(titles.items(), (Items{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(characters.items(), (Items{"A"}));

    ClickAuthor(lists, 1);
    EXPECT_EQ(titles.items(), (Items{"F"}));
    ClickAuthor(lists, 0);
    EXPECT_EQ(titles.items(), (Items{"A", "B", "C", "D", "E"}));

    // No selection, or an index outside the list, changes nothing.
    for (int index : {-1, 5, 1000}) {
        ClickAuthor(lists, index);
        ClickTitle(lists, index);
        EXPECT_EQ(titles.size(), 5u) << index;
        EXPECT_EQ(authors.size(), 2u) << index;
    }
}

TEST_F(CharactersCatalogue, FiltersReadTheFileAfreshClicksOnlyTheWorkingSet) {
    open({"KAFKA@PROCES@JOSEF K.;"});
    FilterByAuthor(catalogue, lists, "k");
    EXPECT_EQ(titles.items(), (Items{"PROCES"}));

    // Rewritten in place while open: the next filter reads what the file holds now.
    write({"1.1.2024", "KAFKA@ZAMEK@K.;", "KAFKA@PROMENA@REHOR SAMSA;"});
    ClickAuthor(lists, 0);
    EXPECT_EQ(titles.items(), (Items{"PROCES"})); // a click never reads the file
    FilterByAuthor(catalogue, lists, "k");
    EXPECT_EQ(titles.items(), (Items{"PROMENA", "ZAMEK"}));

    // The header record is read like the others: with two "@" it would be listed.
    write({"HLAVICKA@KNIHA@X;", "KAFKA@ZAMEK@K.;"});
    FilterByTitle(catalogue, lists, "k");
    EXPECT_EQ(titles.items(), (Items{"KNIHA"}));
}
