// The settings dialog "Nastavení": the layout of the two toolbars, the search trigger and the
// folder of the user dictionary. It keeps nothing itself: every showing takes the main window's
// values, and the main window takes the dialog's values over after OK.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace zadrovec::ui {

class ButtonBar;
class RadioGroup;
class TForm1;

class Tnastaveniform : public QDialog {
    Q_OBJECT
public:
    explicit Tnastaveniform(TForm1* mainWindow);

    QGroupBox* GroupBox1;
    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup3;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox3;
    QGroupBox* GroupBox2;
    RadioGroup* RadioGroup2;
    RadioGroup* RadioGroup4;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox4;
    QGroupBox* GroupBox3;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QGroupBox* GroupBox4;
    QLineEdit* DirectoryEdit1;
    QToolButton* DirectoryEdit1Button;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

    // The desktop's folder dialog, starting at the given folder; an empty answer is a cancel.
    static std::function<QString(QWidget* parent, const QString& start)> chooseFolder;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void browseForFolder();

    TForm1* mainWindow_;
};

} // namespace zadrovec::ui
