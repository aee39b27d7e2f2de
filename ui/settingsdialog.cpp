#include "ui/settingsdialog.h"

#include "ui/messageboxes.h"
#include "ui/widgets/buttonbar.h"
#include "ui/widgets/fitting.h"
#include "ui/widgets/foldervalidator.h"
#include "ui/widgets/radiogroup.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace zadrovec::ui {
namespace {

const QStringList kSides = {QStringLiteral("Nahoře"), QStringLiteral("Dole"),
                            QStringLiteral("Vlevo"), QStringLiteral("Vpravo")};
const QStringList kCaptionStyles = {QStringLiteral("Vedle ikon"), QStringLiteral("Pod ikonama")};

// The item of a side radio group for a toolbar's side; -1 for a side the group has no item for.
int sideItem(ButtonBar::TAlign align) {
    switch (align) {
    case ButtonBar::alTop:
        return 0;
    case ButtonBar::alBottom:
        return 1;
    case ButtonBar::alLeft:
        return 2;
    case ButtonBar::alRight:
        return 3;
    default:
        return -1;
    }
}

QGroupBox* groupBox(const QString& name, const QString& caption, int height, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setMinimumSize(280, height); // grown to its contents once they are in
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return box;
}

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(true);
    box->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed); // never narrower than its caption
    return box;
}

// The object names and captions of a toolbar's group box and of its controls.
struct Named {
    QString name;
    QString caption;
};
struct ToolbarGroupTexts {
    Named group, sides, captionStyles, showCaptions, flat;
};

// A toolbar's group: its side and caption style side by side, then the two check boxes.
QGroupBox* toolbarGroup(const ToolbarGroupTexts& texts, RadioGroup*& sides, RadioGroup*& styles,
                        QCheckBox*& captions, QCheckBox*& flat, QWidget* parent) {
    QGroupBox* box = groupBox(texts.group.name, texts.group.caption, 100, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    auto* radios = new QHBoxLayout;
    sides = new RadioGroup(texts.sides.name, texts.sides.caption, kSides, 2, box);
    sides->setItemIndex(0);
    styles = new RadioGroup(texts.captionStyles.name, texts.captionStyles.caption, kCaptionStyles,
                            1, box);
    radios->addWidget(sides, 3);
    radios->addWidget(styles, 2);
    layout->addLayout(radios);
    auto* checks = new QHBoxLayout;
    captions = checkBox(texts.showCaptions.name, texts.showCaptions.caption, box);
    flat = checkBox(texts.flat.name, texts.flat.caption, box);
    checks->addWidget(captions);
    checks->addWidget(flat);
    layout->addLayout(checks);
    return box;
}

// The folder dialog's list as the program speaks: the toolkit names the type of a folder in
// words its Czech translation lacks, and writes dates by the session's locale, not the program's.
class CzechFolderList : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == 2 && files->isDir(source)) return QStringLiteral("Složka");
        if (index.column() == 3)
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

QString SettingsDialog::folderDialog(QWidget* parent, const QString& start) {
    // The toolkit's own dialog, which speaks Czech with the program; the desktop's would speak
    // the session's language. Its list gets the Czech folder type and dates.
    QFileDialog dialog(parent, QStringLiteral("Uživatelský slovník"), start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new CzechFolderList(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

std::function<QString(QWidget*, const QString&)> SettingsDialog::chooseFolder =
    SettingsDialog::folderDialog;

SettingsDialog::SettingsDialog(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("nastaveniform"));
    setWindowTitle(QStringLiteral("Nastavení"));
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(10, 6, 10, 8);
    panel->setSpacing(4);
    createToolbarGroups(panel);
    createSearchTriggerGroup(panel);
    createUserDictionaryGroup();
    QHBoxLayout* buttons = createButtons();
    panel->addWidget(userDictionaryGroup);
    panel->addLayout(buttons);

    // Drawn at 280 pixels wide group boxes in a 301 x 352 dialog; wider and taller where the
    // font needs it.
    for (QGroupBox* box :
         {dictionaryBarGroup, toolsBarGroup, searchTriggerGroup, userDictionaryGroup})
        growToContents(box, box->minimumSize());
    fixSizeGrowingToLayout(this, {301, 352});
    setKeyboardOrder();
}

void SettingsDialog::createToolbarGroups(QVBoxLayout* panel) {
    dictionaryBarGroup = toolbarGroup(
        {{QStringLiteral("GroupBox1"), QStringLiteral("Panel nástrojů - volené slovníky")},
         {QStringLiteral("RadioGroup1"), QStringLiteral("&Pozice")},
         {QStringLiteral("RadioGroup3"), QStringLiteral("Pop&isky")},
         {QStringLiteral("CheckBox1"), QStringLiteral("&Zobrazovat popisky")},
         {QStringLiteral("CheckBox3"), QStringLiteral("Plochá &tlačítka")}},
        dictionaryBarSide, dictionaryBarCaptionStyle, dictionaryBarShowCaptions, dictionaryBarFlat,
        this);
    panel->addWidget(dictionaryBarGroup);
    toolsBarGroup =
        toolbarGroup({{QStringLiteral("GroupBox2"), QStringLiteral("Panel nástrojů - ostatní")},
                      {QStringLiteral("RadioGroup2"), QStringLiteral("Pozi&ce")},
                      {QStringLiteral("RadioGroup4"), QStringLiteral("Popis&ky")},
                      {QStringLiteral("CheckBox2"), QStringLiteral("Zo&brazovat popisky")},
                      {QStringLiteral("CheckBox4"), QStringLiteral("Plochá tl&ačítka")}},
                     toolsBarSide, toolsBarCaptionStyle, toolsBarShowCaptions, toolsBarFlat, this);
    panel->addWidget(toolsBarGroup);
}

void SettingsDialog::createSearchTriggerGroup(QVBoxLayout* panel) {
    searchTriggerGroup = groupBox(QStringLiteral("GroupBox3"), QStringLiteral("&Hledat"), 41, this);
    auto* search = new QHBoxLayout(searchTriggerGroup);
    search->setContentsMargins(6, 0, 6, 0);
    searchAsTypedButton = new QRadioButton(QStringLiteral("Hned"), searchTriggerGroup);
    searchAsTypedButton->setObjectName(QStringLiteral("RadioButton1"));
    searchAsTypedButton->setChecked(true);
    searchOnEnterButton =
        new QRadioButton(QStringLiteral("Až po stisku klávesy ENTER"), searchTriggerGroup);
    searchOnEnterButton->setObjectName(QStringLiteral("RadioButton2"));
    for (QRadioButton* button : {searchAsTypedButton, searchOnEnterButton})
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    search->addWidget(searchAsTypedButton);
    search->addWidget(searchOnEnterButton, 1);
    panel->addWidget(searchTriggerGroup);
}

void SettingsDialog::createUserDictionaryGroup() {
    userDictionaryGroup =
        groupBox(QStringLiteral("GroupBox4"), QStringLiteral("Uživatelský slovník"), 41, this);
    auto* folder = new QHBoxLayout(userDictionaryGroup);
    folder->setContentsMargins(6, 0, 6, 0);
    folder->setSpacing(0);
    userDictionaryFolderField = new QLineEdit(userDictionaryGroup);
    userDictionaryFolderField->setObjectName(QStringLiteral("DirectoryEdit1"));
    userDictionaryFolderField->setValidator(new FolderValidator(userDictionaryFolderField));
    nameControl(userDictionaryFolderField, userDictionaryGroup->title());
    browseButton = new QToolButton(userDictionaryGroup);
    browseButton->setObjectName(QStringLiteral("DirectoryEdit1Button"));
    browseButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    browseButton->setToolTip(QStringLiteral("Vybrat složku"));
    connect(browseButton, &QToolButton::clicked, this, [this] { browseForFolder(); });
    folder->addWidget(userDictionaryFolderField, 1);
    folder->addWidget(browseButton);
}

QHBoxLayout* SettingsDialog::createButtons() {
    okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                               QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("BitBtn1"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    cancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   QStringLiteral("&Storno"), this);
    cancelButton->setObjectName(QStringLiteral("BitBtn2"));
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    return buttons;
}

// The folder field comes last in the keyboard order, after the buttons. Every radio button has
// its place; Tab stops at the checked one of each group only.
void SettingsDialog::setKeyboardOrder() {
    tabStopAtCheckedButton({searchAsTypedButton, searchOnEnterButton});
    QList<QWidget*> order;
    for (RadioGroup* group : {dictionaryBarSide, dictionaryBarCaptionStyle}) {
        for (int i = 0; i < group->count(); ++i)
            order << group->item(i);
    }
    order << dictionaryBarShowCaptions << dictionaryBarFlat;
    for (RadioGroup* group : {toolsBarSide, toolsBarCaptionStyle}) {
        for (int i = 0; i < group->count(); ++i)
            order << group->item(i);
    }
    order << toolsBarShowCaptions << toolsBarFlat << searchAsTypedButton << searchOnEnterButton
          << okButton << cancelButton << userDictionaryFolderField << browseButton;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void SettingsDialog::edit(const SettingsOptions& current) {
    showOptions(current);
    if (exec() == QDialog::Accepted) emit optionsChosen(chosen(current));
}

// A side the groups have no item for leaves its group as it was.
void SettingsDialog::showOptions(const SettingsOptions& options) {
    userDictionaryFolderField->setText(options.userDictionaryFolder);
    if (const int side = sideItem(options.dictionaryBar.side); side >= 0)
        dictionaryBarSide->setItemIndex(side);
    if (const int side = sideItem(options.toolsBar.side); side >= 0)
        toolsBarSide->setItemIndex(side);
    dictionaryBarCaptionStyle->setItemIndex(options.dictionaryBar.captionsBesideIcons ? 0 : 1);
    toolsBarCaptionStyle->setItemIndex(options.toolsBar.captionsBesideIcons ? 0 : 1);
    (options.searchAsTyped ? searchAsTypedButton : searchOnEnterButton)->setChecked(true);
    dictionaryBarShowCaptions->setChecked(options.dictionaryBar.showCaptions);
    toolsBarShowCaptions->setChecked(options.toolsBar.showCaptions);
    dictionaryBarFlat->setChecked(options.dictionaryBar.flat);
    toolsBarFlat->setChecked(options.toolsBar.flat);
}

// A group left without a checked item keeps the current value. The folder is taken as it is,
// even empty.
SettingsOptions SettingsDialog::chosen(const SettingsOptions& current) const {
    const auto toolbar = [](const ToolbarOptions& was, const RadioGroup* sides,
                            const RadioGroup* styles, const QCheckBox* captions,
                            const QCheckBox* flat) {
        static constexpr ButtonBar::TAlign kSideOfItem[] = {ButtonBar::alTop, ButtonBar::alBottom,
                                                            ButtonBar::alLeft, ButtonBar::alRight};
        ToolbarOptions now = was;
        if (const int side = sides->itemIndex(); side >= 0) now.side = kSideOfItem[side];
        if (const int style = styles->itemIndex(); style >= 0) now.captionsBesideIcons = style == 0;
        now.showCaptions = captions->isChecked();
        now.flat = flat->isChecked();
        return now;
    };
    SettingsOptions options;
    options.dictionaryBar =
        toolbar(current.dictionaryBar, dictionaryBarSide, dictionaryBarCaptionStyle,
                dictionaryBarShowCaptions, dictionaryBarFlat);
    options.toolsBar = toolbar(current.toolsBar, toolsBarSide, toolsBarCaptionStyle,
                               toolsBarShowCaptions, toolsBarFlat);
    options.searchAsTyped = searchAsTypedButton->isChecked();
    options.userDictionaryFolder = userDictionaryFolderField->text();
    return options;
}

void SettingsDialog::browseForFolder() {
    const QString current = userDictionaryFolderField->text();
    const QString start =
        !current.isEmpty() && QFileInfo(current).isDir() ? current : QDir::rootPath();
    QString chosen = QDir::toNativeSeparators(chooseFolder(this, start));
    if (chosen.isEmpty()) return;
    // A chosen folder passes the same check as a typed one: the field's own validator, so every
    // rule it holds applies to both ways in.
    int position = 0;
    const QValidator* check = userDictionaryFolderField->validator();
    if (check && check->validate(chosen, position) != QValidator::Acceptable) {
        MessageBoxes::error(QStringLiteral("Složku „%1“ nelze použít: její název obsahuje znaky, "
                                           "které nastavení programu nedokáže uchovat.")
                                .arg(chosen));
        return;
    }
    userDictionaryFolderField->setText(chosen);
}

} // namespace zadrovec::ui
