// The user dictionary editor "Uživatelský slovník": the headwords of uziv.dat and the meanings
// of the selected one. Every showing loads the file afresh; the changes made here last until
// the next showing, since the user's file is never written.
#pragma once

#include "stringlist.h"
#include "userdict.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zadrovec::ui {

class ListBox;
class TForm1;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // The main window holds the folder of the user dictionary.
    TForm4(TForm1* mainWindow, Messages& messages);

    // Controls, under the names the tests know them by.
    QLabel* Label3;
    ListBox* ListBox1; // the headwords, sorted
    QLabel* Label4;
    ListBox* ListBox2; // the meanings of the selected headword, sorted
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button2; // "Přidat &heslo"
    QPushButton* Button4; // "Smazat &heslo"
    QLabel* Label2;
    QLineEdit* Edit2;
    QPushButton* Button1; // "&Přidat význam"
    QPushButton* Button3; // "&Smazat význam"
    QPushButton* Button5; // "&OK"
    QPushButton* Button6; // "&Storno"
    // The dictionary in file order: position p of both lists is one line of the file.
    StringList listslova;
    StringList listvyznamy;

    // Handlers.
    void FormShow();
    void ListBox1Click();
    void Button2Click();
    void Button4Click();
    void Button1Click();
    void Button3Click();
    // Lists the meanings of the headword at row i of ListBox1.
    void ShowHeadwordMeanings(int i);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The file position of the headword at row i of ListBox1: its first exact match.
    std::optional<std::size_t> filePosition(int i);

    TForm1* mainWindow_;
    UserDictionary userDictionary_;
};

} // namespace zadrovec::ui
