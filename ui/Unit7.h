// The find dialog: the text to look for in all dictionaries. It keeps its text between
// showings, so the next search offers the last one again.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zadrovec::ui {

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* mainWindow);

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* BitBtn1; // "&Hledej": default button, closes with OK
    QPushButton* BitBtn2; // "&Storno": cancel button

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeControls();
    void Edit1Change();
};

} // namespace zadrovec::ui
