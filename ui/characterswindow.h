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
    // Messages' status text lands in the main window's status line, borrowed while the
    // catalogue is open; programFolder is where postavy.dat lies.
    CharactersWindow(QWidget* mainWindow, Messages& messages, const QString& programFolder);
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

signals:
    // The status line is borrowed while the catalogue is open, and given back after.
    void catalogueOpening();
    void catalogueClosed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The parts of the window, built in this order.
    QWidget* createButtonStrip();
    void createColumns();
    void connectControls();
    CharacterLists lists();

    Catalogue catalogue_;
};

} // namespace zadrovec::ui
