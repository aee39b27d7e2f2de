// The find dialog: the text to look for in all dictionaries. It keeps its text between
// showings, so the next search offers the last one again.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zadrovec::ui {

class FindTextDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindTextDialog(QWidget* mainWindow);

    QLabel* textLabel;
    QLineEdit* textField;
    QPushButton* findButton;   // "&Hledej": default button, closes with OK
    QPushButton* cancelButton; // "&Storno": cancel button

    QString text() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeControls();
    void enableFindButton();
};

} // namespace zadrovec::ui
