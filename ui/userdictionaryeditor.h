// The user dictionary editor "Uživatelský slovník": the headwords of uziv.dat and the meanings
// of the selected one. Every showing loads the file afresh; the changes made here last until
// the next showing, since the user's file is never written.
#pragma once

#include "engine/dictionary/userdict.h"
#include "engine/text/stringlist.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zadrovec::ui {

class ListBox;

class UserDictionaryEditor : public QDialog {
    Q_OBJECT
public:
    // The folder of the user dictionary is the settings' one at the time the window opens.
    UserDictionaryEditor(QWidget* mainWindow, Messages& messages,
                         std::function<QString()> userDictionaryFolder);

    // Controls, under the names the tests know them by.
    QLabel* headwordsLabel;
    ListBox* headwordsList; // the headwords, sorted
    QLabel* meaningsLabel;
    ListBox* meaningsList; // the meanings of the selected headword, sorted
    QLabel* headwordLabel;
    QLineEdit* headwordField;
    QPushButton* addHeadwordButton;    // "Přidat &heslo"
    QPushButton* deleteHeadwordButton; // "Smazat &heslo"
    QLabel* meaningLabel;
    QLineEdit* meaningField;
    QPushButton* addMeaningButton;    // "&Přidat význam"
    QPushButton* deleteMeaningButton; // "&Smazat význam"
    QPushButton* okButton;            // "&OK"
    QPushButton* cancelButton;        // "&Storno"
    // The dictionary in file order: position p of both lists is one line of the file.
    StringList fileHeadwords;
    StringList fileMeanings;

    // Handlers.
    void loadFile();
    void headwordClicked();
    void addHeadword();
    void deleteHeadword();
    void addMeaning();
    void deleteMeaning();
    // Lists the meanings of the headword at row i of ListBox1.
    void showHeadwordMeanings(int i);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The parts of the window, built in this order.
    void createControls();
    void layOutControls();
    void setKeyboardOrder();
    void connectButtons();

    // The file position of the headword at row i of ListBox1: its first exact match.
    std::optional<std::size_t> filePosition(int i);

    std::function<QString()> userDictionaryFolder_;
    UserDictionary userDictionary_;
};

} // namespace zadrovec::ui
