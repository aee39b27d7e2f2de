// The settings dialog "Nastavení": the layout of the two toolbars, the search trigger and the
// folder of the user dictionary. It keeps nothing itself: every showing starts from the options
// it is given, and OK hands the options chosen back.
#pragma once

#include "ui/settingsoptions.h"

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

class RadioGroup;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* mainWindow);

    // Shows the dialog modally with these options; OK emits the options chosen.
    void edit(const SettingsOptions& current);

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

signals:
    void optionsChosen(const zadrovec::ui::SettingsOptions& chosen);

private:
    void createToolbarGroups(QVBoxLayout* panel);
    void createSearchTriggerGroup(QVBoxLayout* panel);
    void createUserDictionaryGroup();
    QHBoxLayout* createButtons();
    void setKeyboardOrder();
    void showOptions(const SettingsOptions& options);
    SettingsOptions chosen(const SettingsOptions& current) const;
    void browseForFolder();
};

} // namespace zadrovec::ui
