// The settings dialog "Nastavení": the layout of the two toolbars, the search trigger and the
// folder of the user dictionary. It keeps nothing itself: every showing takes the main window's
// values, and the main window takes the dialog's values over after OK.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QVBoxLayout;

namespace zadrovec::ui {

class ButtonBar;
class RadioGroup;
class MainWindow;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(MainWindow* mainWindow);

    QGroupBox* dictionaryBarGroup;
    RadioGroup* dictionaryBarSide;
    RadioGroup* dictionaryBarCaptionStyle;
    QCheckBox* dictionaryBarShowCaptions;
    QCheckBox* dictionaryBarFlat;
    QGroupBox* toolsBarGroup;
    RadioGroup* toolsBarSide;
    RadioGroup* toolsBarCaptionStyle;
    QCheckBox* toolsBarShowCaptions;
    QCheckBox* toolsBarFlat;
    QGroupBox* searchTriggerGroup;
    QRadioButton* searchAsTypedButton;
    QRadioButton* searchOnEnterButton;
    QGroupBox* userDictionaryGroup;
    QLineEdit* userDictionaryFolderField;
    QToolButton* browseButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

    // The folder dialog, starting at the given folder; an empty answer is a cancel.
    static QString folderDialog(QWidget* parent, const QString& start);
    // The dialog the browse button asks (folderDialog; tests answer in its place).
    static std::function<QString(QWidget* parent, const QString& start)> chooseFolder;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createToolbarGroups(QVBoxLayout* panel);
    void createSearchTriggerGroup(QVBoxLayout* panel);
    void createUserDictionaryGroup();
    QHBoxLayout* createButtons();
    void setKeyboardOrder();
    void takeMainWindowValues();
    void browseForFolder();

    MainWindow* mainWindow_;
};

} // namespace zadrovec::ui
