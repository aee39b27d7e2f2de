// The results window of the search in all dictionaries: each showing runs the search for
// SearchText, then the user browses the found headwords and their meanings.
#pragma once

#include "engine/dictionary/allsearch.h"
#include "ui/resultlists.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSplitter;

namespace zadrovec {
class WindowSettings;
}

namespace zadrovec::ui {

class Panel;

class ListBox;
class SearchProgressWindow;

class FoundTextWindow : public QDialog {
    Q_OBJECT
public:
    // progress is shown around the search.
    FoundTextWindow(Dictionary& dictionary, SearchProgressWindow* progress, QWidget* mainWindow);
    ~FoundTextWindow() override;

    // Shows the window modally with the hits of text (Windows-1250, as typed).
    void findText(std::string text);

    // The text to find, as typed; set before showing. The search folds it in place.
    std::string searchText;

    QWidget* topBar; // the bar across the top
    QPushButton* closeButton;
    WindowSettings* windowSettings; // "Okno nalezených výrazů": placement and Panel2.Width
    Panel* wordsColumn;             // the left column; its width is kept by the window's settings
    QSplitter* columnsSplitter;
    QLabel* foundWordsLabel;
    QLabel* meaningsLabel;
    ListBox* foundWordsList;
    ListBox* meaningsList;
    StringList hitHeadwords; // hidden hit table: headwords
    StringList hitMeanings;  // hidden hit table: meanings texts

    ResultLists resultLists();
    void showFoundMeanings(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void runSearch();

    Dictionary& dictionary_;
    SearchProgressWindow* progress_;
};

} // namespace zadrovec::ui
