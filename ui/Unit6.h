// The results window of the search in all dictionaries: each showing runs the search for
// SearchText, then the user browses the found headwords and their meanings.
#pragma once

#include "allsearch.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSplitter;

namespace zadrovec {
class TFormStorage;
}

namespace zadrovec::ui {

class Panel;

class ListBox;
class TForm5;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    TForm6(Dictionary& dictionary, QWidget* mainWindow);
    ~TForm6() override;

    void setProgressWindow(TForm5* progress) { progress_ = progress; }

    // The text to find, as typed; set before showing. The search folds it in place.
    std::string SearchText;

    QWidget* Panel1; // the bar across the top
    QPushButton* BitBtn1;
    TFormStorage* FormStorage1; // "Okno nalezených výrazů": placement and Panel2.Width
    Panel* Panel2;              // the left column; its width is kept by the window's settings
    QSplitter* Splitter1;
    QLabel* Label1;
    QLabel* Label2;
    ListBox* ListBox1;
    ListBox* ListBox2;
    StringList ListBox3; // hidden hit table: headwords
    StringList ListBox4; // hidden hit table: meanings texts

    ResultLists resultLists();
    void ShowFoundMeanings(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    Dictionary& dictionary_;
    TForm5* progress_ = nullptr;
};

} // namespace zadrovec::ui
