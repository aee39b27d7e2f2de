// A window's result lists and how a search's hits are shown in them: the found headwords, the
// hidden hit table of one row per matching record (headword and meanings text side by side),
// and the meanings of the found headword selected.
#pragma once

#include "engine/dictionary/wordsearch.h"
#include "engine/text/stringlist.h"

namespace zadrovec::ui {

struct ResultLists {
    StringList& found;
    StringList& hitHeadwords;
    StringList& hitMeanings;
    StringList& meanings;

    // Empties the four lists, in the order the windows always have.
    void clear();
    // Fills the emptied lists with a search's outcome; a read error is raised once the hits
    // read until then are shown.
    void show(SearchOutcome outcome);
    // Lists the meanings of found[index]; a negative index (no selection) does nothing.
    void showMeaningsOf(int index);
};

} // namespace zadrovec::ui
