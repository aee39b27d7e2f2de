// The About box "O programu": the product, the program's version, the word stock's version kept
// in the settings file, and the update date read from the open dictionary's header record.
#pragma once

#include "engine/dictionary/dictionaryfiles.h"

#include <QDialog>

class QGridLayout;
class QLabel;
class QPushButton;

namespace zadrovec {
class WindowSettings;
}

namespace zadrovec::ui {

class Label;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(Dictionary& dictionary, QWidget* mainWindow);
    ~AboutBox() override;

    QLabel* iconLabel;
    QLabel* productName;
    QLabel* programVersion;
    QLabel* wordStockVersionCaption;
    Label* wordStockVersion;
    QLabel* programCaption;
    QLabel* wordStockCaption;
    QLabel* wordStockSources;
    QLabel* updateDateCaption;
    QLabel* updateDate;
    QPushButton* okButton;
    WindowSettings* windowSettings; // "O programu": the word stock's version

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createHeading(QWidget* panel, QGridLayout* grid);
    void createCredits(QWidget* panel, QGridLayout* grid);
    void readUpdateDate();

    Dictionary& dictionary_;
};

} // namespace zadrovec::ui
