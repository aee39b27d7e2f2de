#include "Unit8.h"

#include "Unit1.h"
#include "buttonbar.h"
#include "fitting.h"
#include "foldervalidator.h"
#include "messageboxes.h"
#include "radiogroup.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
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

} // namespace

std::function<QString(QWidget*, const QString&)> Tnastaveniform::chooseFolder =
    [](QWidget* parent, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("Uživatelský slovník"),
                                                 start);
    };

Tnastaveniform::Tnastaveniform(TForm1* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("nastaveniform"));
    setWindowTitle(QStringLiteral("Nastavení"));
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(10, 6, 10, 8);
    panel->setSpacing(4);

    // The toolbar groups: position and caption style side by side, then the two check boxes.
    auto toolbarGroup = [&](const QString& name, const QString& caption, RadioGroup*& sides,
                            const QString& sidesName, const QString& sidesCaption,
                            RadioGroup*& styles, const QString& stylesName,
                            const QString& stylesCaption, QCheckBox*& captions,
                            const QString& captionsName, const QString& captionsCaption,
                            QCheckBox*& flat, const QString& flatName, const QString& flatCaption) {
        QGroupBox* box = groupBox(name, caption, 100, this);
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(6, 2, 6, 2);
        layout->setSpacing(0);
        auto* radios = new QHBoxLayout;
        sides = new RadioGroup(sidesName, sidesCaption, kSides, 2, box);
        sides->setItemIndex(0);
        styles = new RadioGroup(stylesName, stylesCaption, kCaptionStyles, 1, box);
        radios->addWidget(sides, 3);
        radios->addWidget(styles, 2);
        layout->addLayout(radios);
        auto* checks = new QHBoxLayout;
        captions = checkBox(captionsName, captionsCaption, box);
        flat = checkBox(flatName, flatCaption, box);
        checks->addWidget(captions);
        checks->addWidget(flat);
        layout->addLayout(checks);
        panel->addWidget(box);
        return box;
    };
    GroupBox1 = toolbarGroup(
        QStringLiteral("GroupBox1"), QStringLiteral("Panel nástrojů - volené slovníky"),
        RadioGroup1, QStringLiteral("RadioGroup1"), QStringLiteral("&Pozice"), RadioGroup3,
        QStringLiteral("RadioGroup3"), QStringLiteral("Pop&isky"), CheckBox1,
        QStringLiteral("CheckBox1"), QStringLiteral("&Zobrazovat popisky"), CheckBox3,
        QStringLiteral("CheckBox3"), QStringLiteral("Plochá &tlačítka"));
    GroupBox2 =
        toolbarGroup(QStringLiteral("GroupBox2"), QStringLiteral("Panel nástrojů - ostatní"),
                     RadioGroup2, QStringLiteral("RadioGroup2"), QStringLiteral("Pozi&ce"),
                     RadioGroup4, QStringLiteral("RadioGroup4"), QStringLiteral("Popis&ky"),
                     CheckBox2, QStringLiteral("CheckBox2"), QStringLiteral("Zo&brazovat popisky"),
                     CheckBox4, QStringLiteral("CheckBox4"), QStringLiteral("Plochá tl&ačítka"));

    GroupBox3 = groupBox(QStringLiteral("GroupBox3"), QStringLiteral("&Hledat"), 41, this);
    auto* search = new QHBoxLayout(GroupBox3);
    search->setContentsMargins(6, 0, 6, 0);
    RadioButton1 = new QRadioButton(QStringLiteral("Hned"), GroupBox3);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Až po stisku klávesy ENTER"), GroupBox3);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    for (QRadioButton* button : {RadioButton1, RadioButton2})
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    search->addWidget(RadioButton1);
    search->addWidget(RadioButton2, 1);
    panel->addWidget(GroupBox3);

    GroupBox4 =
        groupBox(QStringLiteral("GroupBox4"), QStringLiteral("Uživatelský slovník"), 41, this);
    auto* folder = new QHBoxLayout(GroupBox4);
    folder->setContentsMargins(6, 0, 6, 0);
    folder->setSpacing(0);
    DirectoryEdit1 = new QLineEdit(GroupBox4);
    DirectoryEdit1->setObjectName(QStringLiteral("DirectoryEdit1"));
    DirectoryEdit1->setValidator(new FolderValidator(DirectoryEdit1));
    nameControl(DirectoryEdit1, GroupBox4->title());
    DirectoryEdit1Button = new QToolButton(GroupBox4);
    DirectoryEdit1Button->setObjectName(QStringLiteral("DirectoryEdit1Button"));
    DirectoryEdit1Button->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    DirectoryEdit1Button->setToolTip(QStringLiteral("Vybrat složku"));
    connect(DirectoryEdit1Button, &QToolButton::clicked, this, [this] { browseForFolder(); });
    folder->addWidget(DirectoryEdit1, 1);
    folder->addWidget(DirectoryEdit1Button);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("&Storno"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();
    panel->addWidget(GroupBox4);
    panel->addLayout(buttons);

    // Drawn at 280 pixels wide group boxes in a 301 x 352 dialog; wider and taller where the
    // font needs it.
    for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox3, GroupBox4})
        growToContents(box, box->minimumSize());
    fixSizeGrowingToLayout(this, {301, 352});

    // The folder field comes last in the keyboard order, after the buttons. Every radio button
    // has its place; Tab stops at the checked one of each group only.
    tabStopAtCheckedButton({RadioButton1, RadioButton2});
    QList<QWidget*> order;
    for (RadioGroup* group : {RadioGroup1, RadioGroup3}) {
        for (int i = 0; i < group->count(); ++i)
            order << group->item(i);
    }
    order << CheckBox1 << CheckBox3;
    for (RadioGroup* group : {RadioGroup2, RadioGroup4}) {
        for (int i = 0; i < group->count(); ++i)
            order << group->item(i);
    }
    order << CheckBox2 << CheckBox4 << RadioButton1 << RadioButton2 << BitBtn1 << BitBtn2
          << DirectoryEdit1 << DirectoryEdit1Button;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Tnastaveniform::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void Tnastaveniform::FormShow() {
    if (const int side = sideItem(mainWindow_->ToolBar1->align()); side >= 0)
        RadioGroup1->setItemIndex(side);
    if (const int side = sideItem(mainWindow_->ToolBar2->align()); side >= 0)
        RadioGroup2->setItemIndex(side);
    RadioGroup3->setItemIndex(mainWindow_->ToolBar1->list() ? 0 : 1);
    RadioGroup4->setItemIndex(mainWindow_->ToolBar2->list() ? 0 : 1);
    (mainWindow_->SearchImmediately ? RadioButton1 : RadioButton2)->setChecked(true);
    CheckBox1->setChecked(mainWindow_->ToolBar1->showCaptions());
    CheckBox2->setChecked(mainWindow_->ToolBar2->showCaptions());
    CheckBox3->setChecked(mainWindow_->ToolBar1->flat());
    CheckBox4->setChecked(mainWindow_->ToolBar2->flat());
}

void Tnastaveniform::browseForFolder() {
    const QString current = DirectoryEdit1->text();
    const QString start =
        !current.isEmpty() && QFileInfo(current).isDir() ? current : QDir::rootPath();
    QString chosen = QDir::toNativeSeparators(chooseFolder(this, start));
    if (chosen.isEmpty()) return;
    // A chosen folder passes the same check as a typed one: the field's own validator, so every
    // rule it holds applies to both ways in.
    int position = 0;
    const QValidator* check = DirectoryEdit1->validator();
    if (check && check->validate(chosen, position) != QValidator::Acceptable) {
        MessageBoxes::error(QStringLiteral("Složku „%1“ nelze použít: její název obsahuje znaky, "
                                           "které nastavení programu nedokáže uchovat.")
                                .arg(chosen));
        return;
    }
    DirectoryEdit1->setText(chosen);
}

} // namespace zadrovec::ui
