// The About box "O programu": the product, the program's version, the word stock's version kept
// in the settings file, and the update date read from the open dictionary's header record.
#pragma once

#include "fileunit.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zadrovec {
class TFormStorage;
}

namespace zadrovec::ui {

class Label;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(Dictionary& dictionary, QWidget* mainWindow);
    ~TAboutBox() override;

    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Label6;
    QLabel* VerzeCap;
    Label* Verze;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* OKButton;
    TFormStorage* FormStorage1; // "O programu": the word stock's version

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Dictionary& dictionary_;
};

} // namespace zadrovec::ui
