// The main window: the search field, the found headwords and their meanings, the dictionary
// commands and the commands that open the other windows.
#pragma once

#include "engine/dictionary/dictionaryfiles.h"
#include "ui/resultlists.h"
#include "ui/widgets/imagelist.h"

#include <QMainWindow>

class QActionGroup;
class QLabel;
class QLineEdit;
class QMenuBar;
class QSplitter;

namespace zadrovec {
class WindowSettings;
}

namespace zadrovec::ui {

class ButtonBar;
class Edit;
class ListBox;
class Panel;
class SpinEdit;
class AboutBox;
class CharactersWindow;
class SearchProgressWindow;
class FoundTextWindow;
class FindTextDialog;
class SolverWindow;
class SettingsDialog;
class WindowMessages;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder is where the data files lie; the dictionary is the program's one.
    MainWindow(Dictionary& dictionary, WindowMessages& messages, const QString& programFolder);
    ~MainWindow() override;

    void setProgressWindow(SearchProgressWindow* progress) { progress_ = progress; }
    void setCharactersWindow(CharactersWindow* characters) { charactersWindow_ = characters; }
    void setAboutBox(AboutBox* about) { aboutBox_ = about; }
    void setSettingsDialog(SettingsDialog* settings) { settingsDialog_ = settings; }
    SolverWindow* solverWindow() const { return solverWindow_; }
    void setFindWindows(FoundTextWindow* found, FindTextDialog* find) {
        foundWindow_ = found;
        findDialog_ = find;
    }

    // Controls, under the names the settings and the other windows know them by.
    ButtonBar* dictionaryBar;
    ButtonBar* toolsBar;
    Panel* wordsColumn;
    QWidget* meaningsColumn;
    QSplitter* columnsSplitter;
    Edit* searchField;
    SpinEdit* searchFromLetter;
    ListBox* foundWordsList;
    ListBox* meaningsList;
    StringList hitMeanings;
    StringList hitHeadwords;
    QLabel* userDictionaryPathLabel;
    QLabel* statusTextPanel;
    QLabel* statusSecondPanel;
    ImageList toolBarImages;

    QAction *mainDictionaryAction, *capitalsAction, *chemicalSymbolsAction, *currenciesAction,
        *vehicleCodesAction, *personalitiesAction, *aircraftMarksAction, *enterprisesAction,
        *charactersAction, *userDictionaryAction, *findInAllAction, *settingsAction, *exitAction,
        *helpContentsAction, *aboutAction;
    QAction* solverAction; // opens the window "Luštění"
    QMenu* dictionaryBarMenu;
    QMenu* toolsBarMenu;
    WindowSettings* windowSettings; // "Main window": placement, toolbars, search options, folder
    WindowSettings* menuSettings;   // "Menu": captions and hints of the dictionary commands

    // true: search on every change of the field; false: on Enter only.
    bool searchAsTyped = false;
    QString userDictionaryFolder;

    ResultLists resultLists() { return {foundWords(), hitHeadwords, hitMeanings, meanings()}; }

    // Handlers, callable from the settings and the other windows.
    void applyRestoredSettings();
    void searchReportingErrors();
    void switchDictionary(QAction* action);
    void findInAllDictionaries();
    void openSettings();

public slots:
    // Looks text up as if the user had typed it into the search field of the dictionary of
    // that file name (of another name: the main dictionary), and comes to the front.
    void lookUp(const QString& dictionary, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createDictionaryActions();
    void createCommandActions();
    void connectCommands();
    void createMenus();
    void createDictionaryMenu(QMenuBar* bar);
    void createToolsMenu(QMenuBar* bar);
    void createHelpMenu(QMenuBar* bar);
    void createToolBars();
    void createToolBarMenu(QMenu*& menu, ButtonBar* bar, const QString& suffix);
    void createPanels();
    void createWordsColumn();
    void createMeaningsColumn();
    void createStatusPanels();
    void createWindowSettings();
    void openAtStart();
    void loadIconFiles();
    void clearResultLists();
    void takeMeaning();
    StringList& foundWords();
    StringList& meanings();
    QAction* makeAction(const char* name, const QString& caption, const QString& hint,
                        const QKeySequence& shortcut, int image);

    Dictionary& dictionary_;
    WindowMessages& messages_;
    QString programFolder_;
    CharactersWindow* charactersWindow_ = nullptr;
    SolverWindow* solverWindow_ = nullptr; // made the first time it is opened
    AboutBox* aboutBox_ = nullptr;
    SettingsDialog* settingsDialog_ = nullptr;
    SearchProgressWindow* progress_ = nullptr;
    FoundTextWindow* foundWindow_ = nullptr;
    FindTextDialog* findDialog_ = nullptr;
    QActionGroup* dictionaryGroup_;
    QList<std::pair<QAction*, std::string>> dictionaryActions_;
    bool firstShow_ = true;
};

} // namespace zadrovec::ui
