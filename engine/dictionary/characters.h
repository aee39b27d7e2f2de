// The catalogue of characters from literary works, "postavy.dat": records of 151 bytes, record 0
// a header, every other record Author "@" WorkTitle "@" names each followed by ";". The window
// filters it by the beginning of an author or of a title and shows the matching authors, works
// and characters.
#pragma once

#include "engine/dictionary/lengthprefixedrecord.h"
#include "engine/dictionary/messages.h"
#include "engine/files/recordfile.h"
#include "engine/text/stringlist.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

inline constexpr std::string_view kCatalogueFileName = "postavy.dat";
inline constexpr std::size_t kCatalogueTextSize = 150;
inline constexpr std::size_t kCatalogueRecordSize = 1 + kCatalogueTextSize;

// One record of the catalogue: a length byte and up to 150 Windows-1250 characters.
using CatalogueRecord = LengthPrefixedRecord<kCatalogueTextSize>;
static_assert(sizeof(CatalogueRecord) == kCatalogueRecordSize);

// The three fields of a record's (folded) text. They point into that text.
struct CatalogueEntry {
    std::string_view Author;         // stripped of blanks and control characters
    std::string_view WorkTitle;      // the same
    std::string_view CharactersText; // as it stands
};

// Splits at the first two "@". Without "@" the whole text is CharactersText; with one "@" the
// title is empty and the rest after it is CharactersText.
CatalogueEntry SplitCatalogueText(std::string_view foldedText);

// Appends the names of a characters text: each ";" ends one, taken exactly as it stands; text
// after the last ";" is no name.
void SplitCharacterNames(std::string_view charactersText, std::vector<std::string>& out);

// The catalogue file of the characters window, open while the window is shown.
struct Catalogue {
    Catalogue(std::string dataFolder, Messages& userMessages)
        : folder(std::move(dataFolder)), messages(&userMessages) {}

    std::string folder; // where the data files lie (the program's folder)
    Messages* messages;
    RecordFile file{kCatalogueRecordSize};
    CatalogueRecord record;
};

// Opens folder/postavy.dat and tells its entry count (records minus the header) on the status
// line. A failure is told to the user ("Tento slovník nebyl nalezen.") and leaves the file closed.
bool OpenCatalogue(Catalogue& catalogue);
void CloseCatalogue(Catalogue& catalogue);

// The six lists of the characters window. The working lists are parallel: position i of each
// belongs to the same record kept by the last filter, in the order of reading.
struct CharacterLists {
    StringList& authors;           // ListBox1, sorted
    StringList& titles;            // ListBox2, sorted
    StringList& characters;        // ListBox3, sorted
    StringList& workingAuthors;    // listautor
    StringList& workingTitles;     // listopera
    StringList& workingCharacters; // listpostavy, the characters texts not split
};

// A change of the author filter: reads the whole catalogue and lists the authors beginning with
// the (folded) filter, the works of the first of them and the characters of the first of those
// works. An empty filter or a closed catalogue leaves every list empty. Raises IoError from the
// reads; the lists then hold what was kept until then.
void FilterByAuthor(Catalogue& catalogue, CharacterLists& lists, std::string_view filter);

// A change of the title filter: the titles beginning with the filter, and the characters and
// authors of the first of them.
void FilterByTitle(Catalogue& catalogue, CharacterLists& lists, std::string_view filter);

// A click on authors[index]: its works and the characters of the first of them. A click on
// titles[index]: its characters and its authors. They walk the working lists only; an index
// outside the list (-1: no selection) does nothing.
void ClickAuthor(CharacterLists& lists, int index);
void ClickTitle(CharacterLists& lists, int index);

} // namespace zadrovec
