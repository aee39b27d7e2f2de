// The main window: the search field, the found headwords and their meanings, the dictionary
// commands and the commands that open the other windows.
#pragma once

#include "engine/dictionary/dictionaryfiles.h"
#include "ui/resultlists.h"
#include "ui/settingsoptions.h"
#include "ui/widgets/imagelist.h"

#include <QMainWindow>

class QActionGroup;
class QLabel;
class QLineEdit;
class QMenuBar;
class QSplitter;

namespace zadrovec::ui {

class ButtonBar;
class Edit;
class ListBox;
class Panel;
class SpinEdit;
class SolverWindow;
class WindowMessages;

// The other windows are made beside it (see Program) and talk with it through signals: it asks
// for them, they tell it what it must do to its own controls.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder is where the data files lie; the dictionary is the program's one.
    MainWindow(Dictionary& dictionary, WindowMessages& messages, const QString& programFolder);
    ~MainWindow() override;

    // The controls the tests drive most; every control is found by its object name too.
    Edit* searchField() const { return searchField_; }
    SpinEdit* searchFromLetter() const { return searchFromLetter_; }
    ListBox* foundWordsList() const { return foundWordsList_; }
    ListBox* meaningsList() const { return meaningsList_; }
    SolverWindow* solverWindow() const { return solverWindow_; } // made the first time it opens
    const ImageList& toolBarImages() const { return toolBarImages_; }

    // What the settings dialog edits, as the controls show it now.
    SettingsOptions settingsOptions() const;
    ResultLists resultLists() { return {foundWords(), hitHeadwords_, hitMeanings_, meanings()}; }

    // The values of the section "Main window" taken over once it is read.
    void applyRestoredSettings();

signals:
    void aboutRequested();
    void charactersRequested();
    void findInAllRequested();
    void settingsRequested(const zadrovec::ui::SettingsOptions& current);
    // Around every search of the word files, also one a read error ends.
    void searchStarted();
    void searchEnded();

public slots:
    // Looks text up as if the user had typed it into the search field of the dictionary of
    // that file name (of another name: the main dictionary), and comes to the front.
    void lookUp(const QString& dictionary, const QString& text);
    // Takes the settings over: toolbars, search trigger and the user dictionary's folder.
    void applySettings(const zadrovec::ui::SettingsOptions& options);
    // The status line lent to another window and given back.
    void keepStatusText();
    void restoreStatusText();
    // Opens the checked dictionary again (the search in all dictionaries leaves another open).
    void reopenCheckedDictionary();

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
    QMenu* createToolBarMenu(ButtonBar* bar, const QString& suffix);
    void createPanels();
    void createWordsColumn();
    void createMeaningsColumn();
    void createStatusPanels();
    void createWindowSettings();
    void openAtStart();
    void loadIconFiles();
    void clearResultLists();
    void searchReportingErrors();
    void switchDictionary(QAction* action);
    void takeMeaning();
    void openSolver();
    StringList& foundWords();
    StringList& meanings();
    QAction* makeAction(const char* name, const QString& caption, const QString& hint,
                        const QKeySequence& shortcut, Picture picture);

    Dictionary& dictionary_;
    WindowMessages& messages_;
    QString programFolder_;

    // Controls, under the names the settings know them by.
    ButtonBar* dictionaryBar_;
    ButtonBar* toolsBar_;
    QSplitter* columnsSplitter_;
    Edit* searchField_;
    SpinEdit* searchFromLetter_;
    ListBox* foundWordsList_;
    ListBox* meaningsList_;
    QLabel* userDictionaryPathLabel_; // hidden; its caption keeps the folder in the settings
    QLabel* statusTextPanel_;
    ImageList toolBarImages_;
    StringList hitMeanings_;
    StringList hitHeadwords_;

    QAction *mainDictionaryAction_, *capitalsAction_, *chemicalSymbolsAction_, *currenciesAction_,
        *vehicleCodesAction_, *personalitiesAction_, *aircraftMarksAction_, *enterprisesAction_,
        *charactersAction_, *userDictionaryAction_, *findInAllAction_, *settingsAction_,
        *exitAction_, *helpContentsAction_, *aboutAction_;
    QAction* solverAction_; // opens the window "Luštění"

    // true: search on every change of the field; false: on Enter only.
    bool searchAsTyped_ = false;
    QString userDictionaryFolder_;
    QString keptStatusText_;
    SolverWindow* solverWindow_ = nullptr;
    QActionGroup* dictionaryGroup_;
    QList<std::pair<QAction*, std::string>> dictionaryActions_;
    bool firstShow_ = true;
};

} // namespace zadrovec::ui
