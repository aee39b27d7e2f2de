// The characters window "Postavy z děl": authors, their works and the works' characters, found
// by the beginning of an author's name or of a title in the catalogue postavy.dat.
#pragma once

#include "engine/dictionary/characters.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;

namespace zadrovec {
class WindowPlacement;
}

namespace zadrovec::ui {

class ListBox;

class CharactersWindow : public QDialog {
    Q_OBJECT
public:
    // statusPanel0 is panel 0 of the main window's status bar, where messages' status text
    // lands too; programFolder is where postavy.dat lies.
    CharactersWindow(QWidget* mainWindow, QLabel* statusPanel0, Messages& messages,
                     const QString& programFolder);
    ~CharactersWindow() override;

    WindowPlacement* placement;

    // Controls, under the names the settings and the tests know them by.
    QPushButton* closeButton;
    QSplitter* columnsSplitter;
    QLineEdit* authorField;
    QLineEdit* titleField;
    ListBox* authorsList;
    ListBox* titlesList;
    ListBox* charactersList;
    StringList authors;
    StringList titles;
    StringList characters;

    // Handlers.
    void openCatalogue();
    void closeCatalogue();
    void authorChanged();
    void titleChanged();
    void authorClicked();
    void titleClicked();

    // Closing by any way (button, close box, Escape) ends here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The parts of the window, built in this order.
    QWidget* createButtonStrip();
    void createColumns();
    void connectControls();
    CharacterLists lists();

    QLabel* statusPanel0_;
    Catalogue catalogue_;
    QString keptStatusText_;
};

} // namespace zadrovec::ui
