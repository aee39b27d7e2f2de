#include "engine/dictionary/characters.h"

#include "engine/dictionary/dictionaryfiles.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/ioerror.h"

#include <filesystem>

namespace zadrovec {
namespace {

enum class Field { Author, WorkTitle };

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view stripped(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

void clearAll(CharacterLists& lists) {
    lists.authors.clear();
    lists.titles.clear();
    lists.characters.clear();
    lists.workingAuthors.clear();
    lists.workingTitles.clear();
    lists.workingCharacters.clear();
}

// What a filter keeps while it reads, handed to the lists in one step each. Also when a read
// fails: the lists then show what was kept up to that record.
struct Kept {
    std::vector<std::string> chosen; // the filtered field, for its visible list
    std::vector<std::string> authors;
    std::vector<std::string> titles;
    std::vector<std::string> characters;

    void add(const CatalogueEntry& entry, std::string_view field) {
        chosen.emplace_back(field);
        authors.emplace_back(entry.Author);
        titles.emplace_back(entry.WorkTitle);
        characters.emplace_back(entry.CharactersText);
    }

    void moveTo(CharacterLists& lists, Field field) {
        (field == Field::Author ? lists.authors : lists.titles).assign(std::move(chosen));
        lists.workingAuthors.assign(std::move(authors));
        lists.workingTitles.assign(std::move(titles));
        lists.workingCharacters.assign(std::move(characters));
    }
};

// Reads every record from record 0 and keeps those whose field begins with the folded filter.
void readCatalogue(Catalogue& catalogue, CharacterLists& lists, Field field,
                   std::string_view filter) {
    std::string folded(filter);
    CzechUpperCase(folded);
    RecordFile& file = catalogue.file;
    if (!file.isOpen()) return;

    Kept kept;
    std::string text;
    try {
        file.seek(0);
        while (!file.atEnd()) {
            file.read(&catalogue.record);
            text.assign(catalogue.record.text());
            CzechUpperCase(text);
            const CatalogueEntry entry = SplitCatalogueText(text);
            const std::string_view value = field == Field::Author ? entry.Author : entry.WorkTitle;
            if (value.starts_with(folded)) kept.add(entry, value);
        }
    } catch (...) {
        kept.moveTo(lists, field);
        throw;
    }
    kept.moveTo(lists, field);
}

// Rows of the working set; the lists are parallel, the shortest bounds them all.
std::size_t workingRows(const CharacterLists& lists) {
    return std::min(
        {lists.workingAuthors.size(), lists.workingTitles.size(), lists.workingCharacters.size()});
}

void listWorksOf(CharacterLists& lists, const std::string& author) {
    std::vector<std::string> works;
    for (std::size_t r = 0; r < workingRows(lists); ++r)
        if (lists.workingAuthors[r] == author) works.push_back(lists.workingTitles[r]);
    lists.titles.append(std::move(works));
}

// The characters of every row with this title, whatever its author; with its authors when asked.
void listCharactersOf(CharacterLists& lists, const std::string& title, bool withAuthors) {
    std::vector<std::string> names;
    std::vector<std::string> authors;
    for (std::size_t r = 0; r < workingRows(lists); ++r) {
        if (lists.workingTitles[r] != title) continue;
        SplitCharacterNames(lists.workingCharacters[r], names);
        if (withAuthors) authors.push_back(lists.workingAuthors[r]);
    }
    lists.characters.append(std::move(names));
    lists.authors.append(std::move(authors));
}

void listCharactersOfFirstTitle(CharacterLists& lists) {
    if (lists.titles.empty()) return;
    const std::string title = lists.titles[0];
    listCharactersOf(lists, title, false);
}

void removeDuplicates(CharacterLists& lists) {
    lists.authors.removeAdjacentDuplicates();
    lists.titles.removeAdjacentDuplicates();
    lists.characters.removeAdjacentDuplicates();
}

bool isItem(const StringList& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

} // namespace

CatalogueEntry SplitCatalogueText(std::string_view foldedText) {
    CatalogueEntry entry;
    std::string_view rest = foldedText;
    const auto first = rest.find('@');
    if (first == std::string_view::npos) {
        entry.CharactersText = rest;
        return entry;
    }
    entry.Author = stripped(rest.substr(0, first));
    rest.remove_prefix(first + 1);
    const auto second = rest.find('@');
    if (second != std::string_view::npos) {
        entry.WorkTitle = stripped(rest.substr(0, second));
        rest.remove_prefix(second + 1);
    }
    entry.CharactersText = rest;
    return entry;
}

void SplitCharacterNames(std::string_view charactersText, std::vector<std::string>& out) {
    SplitMeanings(charactersText, out); // names end with ";" exactly as meanings do
}

bool OpenCatalogue(Catalogue& catalogue) {
    const auto path = std::filesystem::path(catalogue.folder) / kCatalogueFileName;
    bool ok = catalogue.file.open(path.string());
    if (ok) {
        try {
            catalogue.messages->setStatusText(WordCountText(catalogue.file.recordCount()));
        } catch (const IoError&) {
            ok = false;
        }
    }
    if (!ok) {
        catalogue.file.close();
        catalogue.messages->showMessage(DictionaryNotFoundText());
    }
    return ok;
}

void CloseCatalogue(Catalogue& catalogue) {
    catalogue.file.close();
}

void FilterByAuthor(Catalogue& catalogue, CharacterLists& lists, std::string_view filter) {
    clearAll(lists);
    if (filter.empty()) return;
    readCatalogue(catalogue, lists, Field::Author, filter);
    if (lists.authors.empty()) return;
    const std::string author = lists.authors[0];
    listWorksOf(lists, author);
    listCharactersOfFirstTitle(lists);
    removeDuplicates(lists);
}

void FilterByTitle(Catalogue& catalogue, CharacterLists& lists, std::string_view filter) {
    clearAll(lists);
    if (filter.empty()) return;
    readCatalogue(catalogue, lists, Field::WorkTitle, filter);
    if (lists.titles.empty()) return;
    const std::string title = lists.titles[0];
    listCharactersOf(lists, title, true);
    removeDuplicates(lists);
}

void ClickAuthor(CharacterLists& lists, int index) {
    if (!isItem(lists.authors, index)) return;
    const std::string author = lists.authors[static_cast<std::size_t>(index)];
    lists.titles.clear();
    lists.characters.clear();
    listWorksOf(lists, author);
    listCharactersOfFirstTitle(lists);
    removeDuplicates(lists);
}

void ClickTitle(CharacterLists& lists, int index) {
    if (!isItem(lists.titles, index)) return;
    const std::string title = lists.titles[static_cast<std::size_t>(index)];
    lists.authors.clear();
    lists.characters.clear();
    listCharactersOf(lists, title, true);
    removeDuplicates(lists);
}

} // namespace zadrovec
