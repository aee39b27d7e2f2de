// The characters window "Postavy z děl": authors, their works and the works' characters, found
// by the beginning of an author's name or of a title in the catalogue postavy.dat.
#pragma once

#include "characters.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;

namespace zadrovec {
class TFormPlacement;
}

namespace zadrovec::ui {

class ListBox;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    // statusPanel0 is panel 0 of the main window's status bar, where messages' status text
    // lands too; programFolder is where postavy.dat lies.
    TForm3(QWidget* mainWindow, QLabel* statusPanel0, Messages& messages,
           const QString& programFolder);
    ~TForm3() override;

    TFormPlacement* FormStorage1;

    // Controls, under the names the settings and the tests know them by.
    QPushButton* Button1;
    QSplitter* Splitter;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    ListBox* ListBox1;
    ListBox* ListBox2;
    ListBox* ListBox3;
    StringList listautor;
    StringList listopera;
    StringList listpostavy;

    // Handlers.
    void FormShow();
    void FormClose();
    void Edit1Change();
    void Edit2Change();
    void ListBox1Click();
    void ListBox2Click();

    // Closing by any way (button, close box, Escape) ends here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CharacterLists lists();
    QWidget* createColumn(const QString& name, const QString& caption, QLineEdit** edit,
                          ListBox* list);

    QLabel* statusPanel0_;
    Catalogue catalogue_;
    QString keptStatusText_;
};

} // namespace zadrovec::ui
