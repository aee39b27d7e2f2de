// The main window: the search field, the found headwords and their meanings, the dictionary
// commands and the commands that open the other windows.
#pragma once

#include "dbunit.h"
#include "imagelist.h"

#include <QMainWindow>

class QActionGroup;
class QLabel;
class QLineEdit;
class QSplitter;

namespace zadrovec {
class TFormStorage;
}

namespace zadrovec::ui {

class ButtonBar;
class Edit;
class ListBox;
class Panel;
class SpinEdit;
class TAboutBox;
class TForm3;
class TForm5;
class TForm6;
class TForm7;
class SolverWindow;
class Tnastaveniform;
class WindowMessages;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // programFolder is where the data files lie; the dictionary is the program's one.
    TForm1(Dictionary& dictionary, WindowMessages& messages, const QString& programFolder);
    ~TForm1() override;

    void setProgressWindow(TForm5* progress) { progress_ = progress; }
    void setCharactersWindow(TForm3* characters) { charactersWindow_ = characters; }
    void setAboutBox(TAboutBox* about) { aboutBox_ = about; }
    void setSettingsDialog(Tnastaveniform* settings) { settingsDialog_ = settings; }
    SolverWindow* solverWindow() const { return solverWindow_; }
    void setFindWindows(TForm6* found, TForm7* find) {
        foundWindow_ = found;
        findDialog_ = find;
    }

    // Controls, under the names the settings and the other windows know them by.
    ButtonBar* ToolBar1;
    ButtonBar* ToolBar2;
    Panel* Panel2;
    QWidget* Panel5;
    QSplitter* Splitter1;
    Edit* Edit1;
    SpinEdit* SpinEdit1;
    ListBox* ListBox1;
    ListBox* ListBox4;
    StringList ListBox2;
    StringList ListBox5;
    QLabel* Cesta_k_uzivatelskemu_slovniku;
    QLabel* StatusPanel0;
    QLabel* StatusPanel1;
    ImageList ImageList1;

    QAction *acHlavni, *acHlavniMesta, *acChemickeZnacky, *acMeny, *acMPZSPZ, *acOsobnosti,
        *acOznaceniLetadel, *acPodniky, *acPostavy, *acUziv, *acHledej, *acNastaveni, *acKonec,
        *acObsahaRejstrik, *acOprogramu;
    QAction* acLusteni; // opens the window "Luštění"
    QMenu* PopupToolMenu;
    QMenu* PopupToolMenu2;
    TFormStorage* FormStorage1; // "Main window": placement, toolbars, search options, folder
    TFormStorage* FormStorage2; // "Menu": captions and hints of the dictionary commands

    // true: search on every change of the field; false: on Enter only.
    bool SearchImmediately = false;
    QString UserDictionaryFolder;

    ResultLists resultLists() { return {ListBox1Items(), ListBox5, ListBox2, ListBox4Items()}; }

    // Handlers, callable from the settings and the other windows.
    void FormStorage1RestorePlacement();
    void GuardedSearch();
    void SwitchDictionary(QAction* action);
    void acHledejExecute();
    void acNastaveniExecute();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createToolBarMenu(QMenu*& menu, ButtonBar* bar, const QString& suffix);
    void createPanels();
    void createFormStorage();
    void FormCreate();
    void loadIconFiles();
    void clearResultLists();
    void takeMeaning();
    StringList& ListBox1Items();
    StringList& ListBox4Items();
    QAction* makeAction(const char* name, const QString& caption, const QString& hint,
                        const QKeySequence& shortcut, int image);

    Dictionary& dictionary_;
    WindowMessages& messages_;
    QString programFolder_;
    TForm3* charactersWindow_ = nullptr;
    SolverWindow* solverWindow_ = nullptr; // made the first time it is opened
    TAboutBox* aboutBox_ = nullptr;
    Tnastaveniform* settingsDialog_ = nullptr;
    TForm5* progress_ = nullptr;
    TForm6* foundWindow_ = nullptr;
    TForm7* findDialog_ = nullptr;
    QActionGroup* dictionaryGroup_;
    QList<std::pair<QAction*, std::string>> dictionaryActions_;
    bool firstShow_ = true;
};

} // namespace zadrovec::ui
