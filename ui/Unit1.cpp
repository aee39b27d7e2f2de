#include "Unit1.h"

#include "Unit2.h"
#include "Unit3.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "buttonbar.h"
#include "controls.h"
#include "cp1250validator.h"
#include "fitting.h"
#include "formstorage.h"
#include "helpwindow.h"
#include "listbox.h"
#include "menuitem.h"
#include "messageboxes.h"
#include "qtext.h"
#include "radiogroup.h"
#include "settingsfolder.h"
#include "solverwindow.h"
#include "spinedit.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <functional>
#include <stdexcept>

namespace zadrovec::ui {
namespace {

constexpr int kMinimumColumnWidth = 50;

// A strip of fixed height with its widgets one under another.
QWidget* strip(const QString& name, int height, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setFixedHeight(height);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    return panel;
}

QLabel* label(const QString& name, const QString& caption, QWidget* panel) {
    auto* label = new QLabel(caption, panel);
    label->setObjectName(name);
    panel->layout()->addWidget(label);
    return label;
}

QVBoxLayout* column(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

} // namespace

TForm1::TForm1(Dictionary& dictionary, WindowMessages& messages, const QString& programFolder)
    : dictionary_(dictionary), messages_(messages), programFolder_(programFolder) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zadrovec"));
    resize(530, 378);
    createActions();
    createMenus();
    createToolBars();
    createPanels();
    createFormStorage();
    messages_.statusSink = [this](const QString& text) { StatusPanel0->setText(text); };
    FormCreate();
}

TForm1::~TForm1() {
    TFormPlacement::notifyDestroying(this);
    messages_.statusSink = nullptr;
}

void TForm1::createFormStorage() {
    FormStorage1 =
        new TFormStorage(this, QStringLiteral("FormStorage1"), QStringLiteral("Main window"),
                         TFormPlacement::fpState | TFormPlacement::fpPosition,
                         {"SpinEdit1.Value",
                          "Vpravo1.Checked",
                          "Vlevo1.Checked",
                          "Dole1.Checked",
                          "Nahoe1.Checked",
                          "ToolBar1.Align",
                          "Panel2.Width",
                          "ToolBar2.Align",
                          "Nahoe2.Checked",
                          "Dole2.Checked",
                          "Vlevo2.Checked",
                          "Vpravo2.Checked",
                          "Popiskypodikonama1.Checked",
                          "Popiskypodikonama2.Checked",
                          "Popiskyvedleikon1.Checked",
                          "Popiskyvedleikon2.Checked",
                          "ToolBar1.List",
                          "ToolBar2.List",
                          "Edit1.Tag",
                          "ToolBar1.ShowCaptions",
                          "ToolBar2.ShowCaptions",
                          "ToolBar1.Flat",
                          "ToolBar2.Flat",
                          "Cesta_k_uzivatelskemu_slovniku.Caption"});
    FormStorage1->OnRestorePlacement = [this] { FormStorage1RestorePlacement(); };
    QStringList menu;
    for (const char* action :
         {"acHlavni", "acHlavniMesta", "acChemickeZnacky", "acMeny", "acMPZSPZ", "acOsobnosti",
          "acOznaceniLetadel", "acPodniky", "acPostavy", "acUziv"})
        menu << QString::fromLatin1(action) + ".Caption" << QString::fromLatin1(action) + ".Hint";
    FormStorage2 =
        new TFormStorage(this, QStringLiteral("FormStorage2"), QStringLiteral("Menu"), {}, menu);
}

QAction* TForm1::makeAction(const char* name, const QString& caption, const QString& hint,
                            const QKeySequence& shortcut, int image) {
    auto* action = new Action(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setHint(hint);
    action->setProperty("ImageIndex", image);
    action->setIcon(ImageList1.at(image));
    addAction(action); // its shortcut works anywhere in the window
    return action;
}

void TForm1::createActions() {
    acHlavni =
        makeAction("acHlavni", QStringLiteral("Hlavní"), QStringLiteral("Hlavní"), Qt::Key_F2, 5);
    acHlavniMesta = makeAction("acHlavniMesta", QStringLiteral("Pomocný 1"),
                               QStringLiteral("Hlavní města"), Qt::Key_F3, 6);
    acChemickeZnacky = makeAction("acChemickeZnacky", QStringLiteral("Pomocný 2"),
                                  QStringLiteral("Chemické značky"), Qt::Key_F4, 7);
    acMeny =
        makeAction("acMeny", QStringLiteral("Pomocný 3"), QStringLiteral("Měny"), Qt::Key_F5, 8);
    acMPZSPZ = makeAction("acMPZSPZ", QStringLiteral("Pomocný 4"), QStringLiteral("MPZ a SPZ"),
                          Qt::Key_F6, 9);
    acOsobnosti = makeAction("acOsobnosti", QStringLiteral("Pomocný 5"),
                             QStringLiteral("Osobnosti"), Qt::Key_F7, 10);
    acOznaceniLetadel = makeAction("acOznaceniLetadel", QStringLiteral("Pomocný 6"),
                                   QStringLiteral("Označení letadel"), Qt::Key_F8, 11);
    acPodniky = makeAction("acPodniky", QStringLiteral("Pomocný 7"), QStringLiteral("Podniky"),
                           Qt::Key_F9, 12);
    acPostavy = makeAction("acPostavy", QStringLiteral("Postavy z děl"),
                           QStringLiteral("Postavy z děl"), Qt::CTRL | Qt::Key_F9, 13);
    acUziv = makeAction("acUziv", QStringLiteral("Uživatelský"),
                        QStringLiteral("Uživatelský slovník"), Qt::SHIFT | Qt::Key_F9, 1);
    acHledej = makeAction("acHledej", QStringLiteral("Vyhledat text"),
                          QStringLiteral("Hledat výraz|Vyhledá výraz ve všech slovnících"),
                          Qt::CTRL | Qt::Key_H, 0);
    acNastaveni = makeAction("acNastaveni", QStringLiteral("Nastavení"),
                             QStringLiteral("Nastavení|Zobrazí nastavení pro slovník"), {}, 4);
    acKonec = makeAction("acKonec", QStringLiteral("&Konec"), {}, Qt::ALT | Qt::Key_F4, 3);
    acObsahaRejstrik =
        makeAction("acObsahaRejstrik", QStringLiteral("&Obsah a rejstřík"), {}, Qt::Key_F1, 2);
    acOprogramu = makeAction("acOprogramu", QStringLiteral("O &programu"), {}, {}, -1);
    acLusteni = makeAction("acLusteni", QStringLiteral("&Luštění..."),
                           QStringLiteral("Luštění|Hledá odpovědi podle vzoru a legendy"),
                           Qt::CTRL | Qt::Key_L, -1);

    dictionaryGroup_ = new QActionGroup(this);
    dictionaryGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const QList<QAction*> switches = {acHlavni, acHlavniMesta, acChemickeZnacky,  acMeny,
                                      acMPZSPZ, acOsobnosti,   acOznaceniLetadel, acPodniky};
    for (qsizetype n = 0; n < switches.size(); ++n) {
        QAction* action = switches[n];
        action->setCheckable(true);
        dictionaryGroup_->addAction(action);
        dictionaryActions_.append({action, std::string(DictionaryName[n])});
        connect(action, &QAction::triggered, this,
                [this, action] { runHandler([&] { SwitchDictionary(action); }); });
    }
    acHlavni->setChecked(true);

    connect(acKonec, &QAction::triggered, this, &QWidget::close);
    connect(acPostavy, &QAction::triggered, this, [this] {
        if (charactersWindow_) charactersWindow_->exec();
    });
    connect(acObsahaRejstrik, &QAction::triggered, this, [this] {
        showHelp(QDir(programFolder_).filePath(QStringLiteral("zadrov.html")), this);
    });
    connect(acHledej, &QAction::triggered, this,
            [this] { runHandler([this] { acHledejExecute(); }); });
    connect(acNastaveni, &QAction::triggered, this,
            [this] { runHandler([this] { acNastaveniExecute(); }); });
    connect(acLusteni, &QAction::triggered, this, [this] {
        if (!solverWindow_) solverWindow_ = new SolverWindow(this, programFolder_);
        solverWindow_->show();
        solverWindow_->raise();
        solverWindow_->activateWindow();
    });
    connect(acOprogramu, &QAction::triggered, this, [this] {
        if (aboutBox_) aboutBox_->exec();
    });
    // acUziv is disabled for the whole run; the other commands open windows of their own.
}

void TForm1::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* slovnik = bar->addMenu(QStringLiteral("&Slovník"));
    slovnik->setObjectName(QStringLiteral("Slovnk1"));
    auto* radio = new QActionGroup(slovnik);
    const std::pair<QAction*, const char*> items[] = {{acHlavni, "Hlavn1"},
                                                      {acHlavniMesta, "Hlavnmsta1"},
                                                      {acChemickeZnacky, "Chemickznaky1"},
                                                      {acMeny, "Mny1"},
                                                      {acMPZSPZ, "MPZaSPZ1"},
                                                      {acOsobnosti, "Osobnosti1"},
                                                      {acOznaceniLetadel, "Oznaenletadel1"},
                                                      {acPodniky, "Podniky1"}};
    for (const auto& [action, name] : items)
        addMenuItem(slovnik, action, QString::fromLatin1(name), radio);
    addMenuSeparator(slovnik, QStringLiteral("N3"));
    addMenuItem(slovnik, acPostavy, QStringLiteral("Postavy1"));
    addMenuItem(slovnik, acUziv, QStringLiteral("Uivatelsk1"));
    addMenuSeparator(slovnik, QStringLiteral("N6"));
    addMenuItem(slovnik, acHledej, QStringLiteral("Hledatvraz1"));
    addMenuSeparator(slovnik, QStringLiteral("N2"));
    addMenuItem(slovnik, acKonec, QStringLiteral("Konec1"));

    QMenu* nastroje = bar->addMenu(QStringLiteral("&Nástroje"));
    nastroje->setObjectName(QStringLiteral("Nstroje1"));
    addMenuItem(nastroje, acNastaveni, QStringLiteral("Nastaveni1"));
    addMenuItem(nastroje, acLusteni, QStringLiteral("Lusteni1"));

    QMenu* napoveda = bar->addMenu(QStringLiteral("Ná&pověda"));
    napoveda->setObjectName(QStringLiteral("Npovda1"));
    addMenuItem(napoveda, acObsahaRejstrik, QStringLiteral("Obsaharejstk1"));
    addMenuSeparator(napoveda, QStringLiteral("N1"));
    addMenuItem(napoveda, acOprogramu, QStringLiteral("Oprogramu1"));
    leaveMenuBarWithItsMenus(bar);
}

void TForm1::createToolBars() {
    ToolBar1 = new ButtonBar(QStringLiteral("Slovníky"), 80, this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setButtonsSizedToCaption(true);
    ToolBar1->addButton(acHlavni, QStringLiteral("ToolButton4"));
    ToolBar1->addButton(acHlavniMesta, QStringLiteral("ToolButton1"));
    ToolBar1->addButton(acChemickeZnacky, QStringLiteral("ToolButton3"));
    ToolBar1->addButton(acMeny, QStringLiteral("ToolButton14"), /*endsRow=*/true);
    ToolBar1->addButton(acMPZSPZ, QStringLiteral("ToolButton9"));
    ToolBar1->addButton(acOsobnosti, QStringLiteral("ToolButton7"));
    ToolBar1->addButton(acOznaceniLetadel, QStringLiteral("ToolButton2"));
    ToolBar1->addButton(acPodniky, QStringLiteral("ToolButton10"));

    addToolBarBreak(Qt::TopToolBarArea);
    ToolBar2 = new ButtonBar(QStringLiteral("Pomocný panel"), 90, this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->addButton(acPostavy, QStringLiteral("ToolButton13"));
    ToolBar2->addSpacer(QStringLiteral("ToolButton5"), 8);
    ToolBar2->addButton(acUziv, QStringLiteral("ToolButton8"));
    ToolBar2->addSpacer(QStringLiteral("ToolButton6"), 8);
    ToolBar2->addButton(acHledej, QStringLiteral("ToolButton11"));
    ToolBar2->addSpacer(QStringLiteral("ToolButton12"), 8);
    ToolBar2->addButton(acNastaveni, QStringLiteral("ToolButton15"));

    createToolBarMenu(PopupToolMenu, ToolBar1, QStringLiteral("1"));
    createToolBarMenu(PopupToolMenu2, ToolBar2, QStringLiteral("2"));
}

void TForm1::createToolBarMenu(QMenu*& menu, ButtonBar* bar, const QString& suffix) {
    menu = new QMenu(this);
    menu->setObjectName(suffix == QLatin1String("1") ? QStringLiteral("PopupToolMenu")
                                                     : QStringLiteral("PopupToolMenu2"));
    auto* sides = new QActionGroup(menu);
    auto* captions = new QActionGroup(menu);
    // Each item sets one property of its toolbar, then checks itself (unchecking its group).
    auto item = [&](const QString& name, const QString& caption, QActionGroup* group,
                    std::function<void()> apply) {
        auto* action = menu->addAction(caption);
        action->setObjectName(name + suffix);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [action, apply] {
            apply();
            action->setChecked(true);
        });
        return action;
    };
    item(QStringLiteral("Nahoe"), QStringLiteral("Nahoře"), sides, [bar] {
        bar->setAlign(ButtonBar::alTop);
    })->setChecked(true);
    item(QStringLiteral("Dole"), QStringLiteral("Dole"), sides,
         [bar] { bar->setAlign(ButtonBar::alBottom); });
    item(QStringLiteral("Vlevo"), QStringLiteral("Vlevo"), sides,
         [bar] { bar->setAlign(ButtonBar::alLeft); });
    item(QStringLiteral("Vpravo"), QStringLiteral("Vpravo"), sides,
         [bar] { bar->setAlign(ButtonBar::alRight); });
    addMenuSeparator(menu,
                     suffix == QLatin1String("1") ? QStringLiteral("N4") : QStringLiteral("N5"));
    item(QStringLiteral("Popiskyvedleikon"), QStringLiteral("Popisky vedle ikon"), captions, [bar] {
        bar->setList(true);
    })->setChecked(true);
    item(QStringLiteral("Popiskypodikonama"), QStringLiteral("Popisky pod ikonama"), captions,
         [bar] { bar->setList(false); });

    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QWidget::customContextMenuRequested, this,
            [menu, bar](const QPoint& at) { menu->popup(bar->mapToGlobal(at)); });
}

// The toolbars' only context menus are their own. Qt's menu of toolbars would hide a toolbar
// with no way back but that menu.
QMenu* TForm1::createPopupMenu() {
    return nullptr;
}

void TForm1::createPanels() {
    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    column(Panel1);
    Splitter1 = new QSplitter(Qt::Horizontal, Panel1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setOpaqueResize(true);
    Splitter1->setChildrenCollapsible(false);
    Panel1->layout()->addWidget(Splitter1);

    Panel2 = new Panel(Splitter1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setMinimumWidth(kMinimumColumnWidth);
    QVBoxLayout* left = column(Panel2);
    QWidget* Panel4 = strip(QStringLiteral("Panel4"), 44, Panel2);
    QLabel* Label1 = label(QStringLiteral("Label1"), QStringLiteral("Hledané slovo"), Panel4);
    Edit1 = new Edit(Panel4); // its Tag keeps the search trigger: 0 = search as typed
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setValidator(new Cp1250Validator(Edit1));
    Panel4->layout()->addWidget(Edit1);
    QWidget* Panel7 = strip(QStringLiteral("Panel7"), 24, Panel2);
    QLabel* Label2 = label(QStringLiteral("Label2"), QStringLiteral("Nalezená slova"), Panel7);
    ListBox1 = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox1"), Panel2);
    left->addWidget(Panel4);
    left->addWidget(Panel7);
    left->addWidget(ListBox1, 1);

    Panel5 = new QWidget(Splitter1);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setMinimumWidth(kMinimumColumnWidth);
    QVBoxLayout* right = column(Panel5);
    QWidget* Panel3 = strip(QStringLiteral("Panel3"), 44, Panel5);
    QLabel* Label4 = label(QStringLiteral("Label4"), QStringLiteral("Hledat od písmene"), Panel3);
    SpinEdit1 = new SpinEdit(Panel3);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setValue(2);
    SpinEdit1->setMaximumWidth(80);
    Panel3->layout()->addWidget(SpinEdit1);
    Cesta_k_uzivatelskemu_slovniku = new Label(Panel3);
    Cesta_k_uzivatelskemu_slovniku->setObjectName(QStringLiteral("Cesta_k_uzivatelskemu_slovniku"));
    Cesta_k_uzivatelskemu_slovniku->hide();
    QWidget* Panel6 = strip(QStringLiteral("Panel6"), 24, Panel5);
    QLabel* Label3 = label(QStringLiteral("Label3"), QStringLiteral("Významy slova"), Panel6);
    ListBox4 = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox4"), Panel5);
    right->addWidget(Panel3);
    right->addWidget(Panel6);
    right->addWidget(ListBox4, 1);

    Splitter1->setSizes({266, 264});
    Splitter1->setStretchFactor(1, 1);
    setCentralWidget(Panel1);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = new QLabel(QStringLiteral("Počet slov:"), statusBar());
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setFixedWidth(150);
    StatusPanel1 = new QLabel(statusBar());
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setFixedWidth(50);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1);

    labelControl(Label1, Edit1);
    labelControl(Label2, ListBox1);
    labelControl(Label4, SpinEdit1);
    labelControl(Label3, ListBox4);

    setTabOrder(Edit1, ListBox1);
    setTabOrder(ListBox1, ListBox4);
    setTabOrder(ListBox4, SpinEdit1);

    connect(Edit1, &QLineEdit::textChanged, this, [this] {
        runHandler([this] {
            if (SearchImmediately && dictionary_.DictionaryOpen) GuardedSearch();
        });
    });
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        runHandler([this] {
            if (dictionary_.DictionaryOpen) GuardedSearch();
        });
    });
    connect(ListBox1, &ListBox::selectionChangedTo, this, [this](int row) {
        runHandler([this, row] {
            ResultLists lists = resultLists();
            ShowMeanings(lists, row);
        });
    });
    ListBox4->viewport()->installEventFilter(this);
    ListBox4->installEventFilter(this);
}

StringList& TForm1::ListBox1Items() {
    return ListBox1->items();
}
StringList& TForm1::ListBox4Items() {
    return ListBox4->items();
}

void TForm1::FormCreate() {
    CopySettingsFileAtStart(programFolder_.toStdString());
    Cesta_k_uzivatelskemu_slovniku->setText(QString());
    OpenDictionary(dictionary_, "hlavni");
    acUziv->setEnabled(false);
    loadIconFiles();
}

void TForm1::loadIconFiles() {
    QAction* const replaced[] = {acHlavni, acHlavniMesta, acChemickeZnacky,  acMeny,
                                 acMPZSPZ, acOsobnosti,   acOznaceniLetadel, acPodniky,
                                 acPostavy};
    // A file that is no icon, or a too small one, ends the step: the rest stay as they are.
    runHandler([&] {
        for (int n = 1; n <= 9; ++n) {
            const QString path = QDir(programFolder_).filePath(QString::number(n) + ".ico");
            // Only a regular file can be an icon file; a folder or the like named so is passed
            // over like a missing file.
            if (!QFileInfo(path).isFile()) continue;
            QImageReader reader(path);
            const QImage image = reader.read();
            if (image.isNull()) throw std::runtime_error("Invalid icon format");
            if (image.width() < ImageList::kSize || image.height() < ImageList::kSize)
                throw std::runtime_error("Invalid image size");
            const int index = ImageList1.append(image);
            QAction* action = replaced[n - 1];
            action->setProperty("ImageIndex", index);
            action->setIcon(ImageList1.at(index));
        }
    });
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    Edit1->setFocus();
}

void TForm1::FormStorage1RestorePlacement() {
    // The toolbars' sides came after the placement: the least size they give the window is
    // settled now, before the window is mapped. Settled later, it would resize a maximized
    // window to its saved normal size, and window managers take that as leaving the maximized
    // state. The normal size is clamped to it, the state stays.
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMaximized) setWindowState(state & ~Qt::WindowMaximized);
    layout()->activate();
    if (state & Qt::WindowMaximized) setWindowState(state);
    SearchImmediately = Edit1->tag() == 0;
    if (!ToolBar1->showCaptions()) ToolBar1->setButtonHeight(22);
    if (!ToolBar2->showCaptions()) ToolBar2->setButtonHeight(22);
    UserDictionaryFolder = Cesta_k_uzivatelskemu_slovniku->text();
}

void TForm1::closeEvent(QCloseEvent* event) {
    CloseDictionary(dictionary_);
    event->accept();
}

void TForm1::clearResultLists() {
    ListBox1Items().clear();
    ListBox2.clear();
    ListBox4Items().clear();
    ListBox5.clear();
}

void TForm1::GuardedSearch() {
    if (Edit1->text().size() < SpinEdit1->currentValue()) {
        clearResultLists();
        return;
    }
    const ProgressShown progress(progress_);
    // Read only now: a keystroke handled while the progress window painted is searched too.
    ResultLists lists = resultLists();
    SearchWords(dictionary_, lists, fromQString(Edit1->text()));
}

void TForm1::SwitchDictionary(QAction* action) {
    clearResultLists();
    action->setChecked(true);
    for (const auto& [candidate, name] : dictionaryActions_) {
        if (candidate != action) continue;
        CloseDictionary(dictionary_);
        OpenDictionary(dictionary_, name);
    }
}

void TForm1::acNastaveniExecute() {
    if (!settingsDialog_) return;
    Tnastaveniform& dialog = *settingsDialog_;
    dialog.DirectoryEdit1->setText(UserDictionaryFolder);
    if (dialog.exec() != QDialog::Accepted) return;

    UserDictionaryFolder = dialog.DirectoryEdit1->text(); // taken as it is, even empty
    Cesta_k_uzivatelskemu_slovniku->setText(UserDictionaryFolder);
    const ButtonBar::TAlign sides[] = {ButtonBar::alTop, ButtonBar::alBottom, ButtonBar::alLeft,
                                       ButtonBar::alRight};
    if (const int side = dialog.RadioGroup1->itemIndex(); side >= 0)
        ToolBar1->setAlign(sides[side]);
    if (const int side = dialog.RadioGroup2->itemIndex(); side >= 0)
        ToolBar2->setAlign(sides[side]);
    if (const int style = dialog.RadioGroup3->itemIndex(); style >= 0)
        ToolBar1->setList(style == 0);
    if (const int style = dialog.RadioGroup4->itemIndex(); style >= 0)
        ToolBar2->setList(style == 0);
    SearchImmediately = dialog.RadioButton1->isChecked();
    Edit1->setTag(SearchImmediately ? 0 : 1);
    ToolBar1->setFlat(dialog.CheckBox3->isChecked());
    ToolBar2->setFlat(dialog.CheckBox4->isChecked());
    // Captions hidden: 22-pixel buttons; shown again: the toolbar sizes its buttons itself.
    const std::pair<ButtonBar*, QCheckBox*> captions[] = {{ToolBar1, dialog.CheckBox1},
                                                          {ToolBar2, dialog.CheckBox2}};
    for (const auto& [bar, shown] : captions) {
        bar->setShowCaptions(shown->isChecked());
        if (!shown->isChecked()) bar->setButtonHeight(22);
    }
}

void TForm1::acHledejExecute() {
    if (!foundWindow_ || !findDialog_) return;
    if (findDialog_->exec() != QDialog::Accepted) return;
    foundWindow_->SearchText = fromQString(findDialog_->Edit1->text());
    foundWindow_->exec();
    // The search left its last dictionary open: the checked command opens the current one again.
    for (QAction* action : {acHlavni, acHlavniMesta, acMeny, acMPZSPZ, acOsobnosti,
                            acOznaceniLetadel, acPodniky, acChemickeZnacky})
        if (action->isChecked()) SwitchDictionary(action);
}

void TForm1::takeMeaning() {
    const int row = ListBox4->itemIndex();
    if (row < 0) return;
    const QString meaning = toQString(ListBox4Items()[static_cast<std::size_t>(row)]);
    if (meaning != Edit1->text()) Edit1->setText(meaning); // a change of the field: it may search
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox4->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        runHandler([this] { takeMeaning(); });
        return true;
    }
    if (watched == ListBox4 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            runHandler([this] { takeMeaning(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zadrovec::ui
