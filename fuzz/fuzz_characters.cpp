// The characters catalogue from the fuzz input: opened, filtered by author and by title, the
// found authors and titles clicked.
//
// Input: the author filter and the title filter (each its length in one byte, then its bytes),
// a byte of the item to click, then the catalogue file as it is.
#include "engine/dictionary/characters.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/ioerror.h"
#include "fuzz/fuzzinput.h"

using namespace zadrovec;

namespace {

struct Lists {
    StringList authors{StringList::Order::Sorted}, titles{StringList::Order::Sorted},
        characters{StringList::Order::Sorted}, workingAuthors, workingTitles, workingCharacters;
    CharacterLists lists{authors,        titles,        characters,
                         workingAuthors, workingTitles, workingCharacters};
};

void checkFiltered(const Lists& l, const StringList& filtered, std::string_view filter) {
    std::string folded(filter);
    CzechUpperCase(folded);
    for (const std::string& item : filtered.items())
        fuzz::require(item.starts_with(folded));
    fuzz::require(l.workingAuthors.size() == l.workingTitles.size());
    fuzz::require(l.workingTitles.size() == l.workingCharacters.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::string_view authorFilter = input.text();
    const std::string_view titleFilter = input.text();
    const int click = input.byte() % 8 - 1;
    const auto& folder = fuzz::scratchFolder();
    fuzz::writeFile(folder / kCatalogueFileName, input.rest());

    RecordedMessages messages;
    Catalogue catalogue(folder.string(), messages);
    if (!OpenCatalogue(catalogue)) return 0;
    Lists l;

    FilterByAuthor(catalogue, l.lists, authorFilter);
    checkFiltered(l, l.authors, authorFilter);
    ClickAuthor(l.lists, click);
    ClickTitle(l.lists, click);

    FilterByTitle(catalogue, l.lists, titleFilter);
    checkFiltered(l, l.titles, titleFilter);
    ClickTitle(l.lists, click);
    ClickAuthor(l.lists, click);
    CloseCatalogue(catalogue);
    return 0;
}
