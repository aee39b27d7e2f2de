#include "ui/mainwindow.h"

#include "settings/settingsfolder.h"
#include "ui/helpwindow.h"
#include "ui/messageboxes.h"
#include "ui/solverwindow.h"
#include "ui/widgets/buttonbar.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/cp1250validator.h"
#include "ui/widgets/fitting.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/menuitem.h"
#include "ui/widgets/qtext.h"
#include "ui/widgets/spinedit.h"
#include "windowsettings/windowsettings.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
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

// What the section "Main window" keeps besides the placement, in the order it is written.
QStringList mainWindowEntries() {
    return {"SpinEdit1.Value",
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
            "Cesta_k_uzivatelskemu_slovniku.Caption"};
}

// What the section "Menu" keeps: the caption and hint of each dictionary command.
QStringList menuEntries() {
    QStringList entries;
    for (const char* action :
         {"acHlavni", "acHlavniMesta", "acChemickeZnacky", "acMeny", "acMPZSPZ", "acOsobnosti",
          "acOznaceniLetadel", "acPodniky", "acPostavy", "acUziv"})
        entries << QString::fromLatin1(action) + ".Caption"
                << QString::fromLatin1(action) + ".Hint";
    return entries;
}

// One item of a toolbar's menu: it sets one property of its toolbar, then checks itself
// (unchecking the others of its group).
QAction* addToolBarMenuItem(QMenu* menu, const QString& name, const QString& caption,
                            QActionGroup* group, const std::function<void()>& apply) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, menu, [action, apply] {
        apply();
        action->setChecked(true);
    });
    return action;
}

} // namespace

MainWindow::MainWindow(Dictionary& dictionary, WindowMessages& messages,
                       const QString& programFolder)
    : dictionary_(dictionary), messages_(messages), programFolder_(programFolder) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zadrovec"));
    resize(530, 378);
    createActions();
    createMenus();
    createToolBars();
    createPanels();
    createWindowSettings();
    messages_.statusSink = [this](const QString& text) { statusTextPanel_->setText(text); };
    openAtStart();
}

MainWindow::~MainWindow() {
    WindowPlacement::notifyDestroying(this);
    messages_.statusSink = nullptr;
}

void MainWindow::createWindowSettings() {
    // "Main window": placement, toolbars, search options, folder.
    new WindowSettings(
        this, QStringLiteral("FormStorage1"), QStringLiteral("Main window"),
        WindowPlacement::KeepState | WindowPlacement::KeepPosition |
            WindowPlacement::ProgramMainWindow,
        mainWindowEntries(),
        {.failed = MessageBoxes::generalError, .restored = [this] { applyRestoredSettings(); }});
    // "Menu": captions and hints of the dictionary commands.
    new WindowSettings(this, QStringLiteral("FormStorage2"), QStringLiteral("Menu"), {},
                       menuEntries(), {.failed = MessageBoxes::generalError});
}

QAction* MainWindow::makeAction(const char* name, const QString& caption, const QString& hint,
                                const QKeySequence& shortcut, Picture picture) {
    auto* action = new Action(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setHint(hint);
    action->setProperty("ImageIndex", static_cast<int>(picture));
    action->setIcon(toolBarImages_.at(picture));
    addAction(action); // its shortcut works anywhere in the window
    return action;
}

void MainWindow::createActions() {
    createDictionaryActions();
    createCommandActions();

    dictionaryGroup_ = new QActionGroup(this);
    dictionaryGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const QList<QAction*> switches = {
        mainDictionaryAction_, capitalsAction_,      chemicalSymbolsAction_, currenciesAction_,
        vehicleCodesAction_,   personalitiesAction_, aircraftMarksAction_,   enterprisesAction_};
    for (qsizetype n = 0; n < switches.size(); ++n) {
        QAction* action = switches[n];
        action->setCheckable(true);
        dictionaryGroup_->addAction(action);
        dictionaryActions_.append({action, std::string(kMainWindowDictionaryFiles[n])});
        connect(action, &QAction::triggered, this,
                [this, action] { runHandler([&] { switchDictionary(action); }); });
    }
    mainDictionaryAction_->setChecked(true);

    connectCommands();
}

void MainWindow::createDictionaryActions() {
    // Their hints are the dictionaries' titles.
    const auto title = [](std::size_t n) { return dictionaryTitle(kMainWindowDictionaryFiles[n]); };
    mainDictionaryAction_ = makeAction("acHlavni", QStringLiteral("Hlavní"), title(0), Qt::Key_F2,
                                       Picture::MainDictionary);
    capitalsAction_ = makeAction("acHlavniMesta", QStringLiteral("Pomocný 1"), title(1), Qt::Key_F3,
                                 Picture::Capitals);
    chemicalSymbolsAction_ = makeAction("acChemickeZnacky", QStringLiteral("Pomocný 2"), title(2),
                                        Qt::Key_F4, Picture::ChemicalSymbols);
    currenciesAction_ = makeAction("acMeny", QStringLiteral("Pomocný 3"), title(3), Qt::Key_F5,
                                   Picture::Currencies);
    vehicleCodesAction_ = makeAction("acMPZSPZ", QStringLiteral("Pomocný 4"), title(4), Qt::Key_F6,
                                     Picture::VehicleCodes);
    personalitiesAction_ = makeAction("acOsobnosti", QStringLiteral("Pomocný 5"), title(5),
                                      Qt::Key_F7, Picture::Personalities);
    aircraftMarksAction_ = makeAction("acOznaceniLetadel", QStringLiteral("Pomocný 6"), title(6),
                                      Qt::Key_F8, Picture::AircraftMarks);
    enterprisesAction_ = makeAction("acPodniky", QStringLiteral("Pomocný 7"), title(7), Qt::Key_F9,
                                    Picture::Enterprises);
}

void MainWindow::createCommandActions() {
    charactersAction_ =
        makeAction("acPostavy", QStringLiteral("Postavy z děl"), QStringLiteral("Postavy z děl"),
                   Qt::CTRL | Qt::Key_F9, Picture::Characters);
    userDictionaryAction_ =
        makeAction("acUziv", QStringLiteral("Uživatelský"), QStringLiteral("Uživatelský slovník"),
                   Qt::SHIFT | Qt::Key_F9, Picture::UserDictionary);
    findInAllAction_ = makeAction("acHledej", QStringLiteral("Vyhledat text"),
                                  QStringLiteral("Hledat výraz|Vyhledá výraz ve všech slovnících"),
                                  Qt::CTRL | Qt::Key_H, Picture::FindInAll);
    settingsAction_ = makeAction("acNastaveni", QStringLiteral("Nastavení"),
                                 QStringLiteral("Nastavení|Zobrazí nastavení pro slovník"), {},
                                 Picture::Settings);
    exitAction_ =
        makeAction("acKonec", QStringLiteral("&Konec"), {}, Qt::ALT | Qt::Key_F4, Picture::Exit);
    helpContentsAction_ = makeAction("acObsahaRejstrik", QStringLiteral("&Obsah a rejstřík"), {},
                                     Qt::Key_F1, Picture::Help);
    aboutAction_ = makeAction("acOprogramu", QStringLiteral("O &programu"), {}, {}, Picture::None);
    solverAction_ = makeAction("acLusteni", QStringLiteral("&Luštění..."),
                               QStringLiteral("Luštění|Hledá odpovědi podle vzoru a legendy"),
                               Qt::CTRL | Qt::Key_L, Picture::None);
}

void MainWindow::connectCommands() {
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);
    connect(charactersAction_, &QAction::triggered, this, &MainWindow::charactersRequested);
    connect(helpContentsAction_, &QAction::triggered, this, [this] {
        showHelp(QDir(programFolder_).filePath(QStringLiteral("zadrov.html")), this);
    });
    connect(findInAllAction_, &QAction::triggered, this, &MainWindow::findInAllRequested);
    connect(settingsAction_, &QAction::triggered, this,
            [this] { emit settingsRequested(settingsOptions()); });
    connect(solverAction_, &QAction::triggered, this, &MainWindow::openSolver);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::aboutRequested);
    // acUziv is disabled for the whole run; the other commands open windows of their own.
}

void MainWindow::openSolver() {
    if (!solverWindow_) {
        solverWindow_ = new SolverWindow(this, programFolder_);
        connect(solverWindow_, &SolverWindow::lookUpRequested, this, &MainWindow::lookUp);
    }
    solverWindow_->show();
    solverWindow_->raise();
    solverWindow_->activateWindow();
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    createDictionaryMenu(bar);
    createToolsMenu(bar);
    createHelpMenu(bar);
    leaveMenuBarWithItsMenus(bar);
}

void MainWindow::createDictionaryMenu(QMenuBar* bar) {
    QMenu* dictionaryMenu = bar->addMenu(QStringLiteral("&Slovník"));
    dictionaryMenu->setObjectName(QStringLiteral("Slovnk1"));
    auto* radio = new QActionGroup(dictionaryMenu);
    const std::pair<QAction*, const char*> items[] = {
        {mainDictionaryAction_, "Hlavn1"},         {capitalsAction_, "Hlavnmsta1"},
        {chemicalSymbolsAction_, "Chemickznaky1"}, {currenciesAction_, "Mny1"},
        {vehicleCodesAction_, "MPZaSPZ1"},         {personalitiesAction_, "Osobnosti1"},
        {aircraftMarksAction_, "Oznaenletadel1"},  {enterprisesAction_, "Podniky1"}};
    for (const auto& [action, name] : items)
        addMenuItem(dictionaryMenu, action, QString::fromLatin1(name), radio);
    addMenuSeparator(dictionaryMenu, QStringLiteral("N3"));
    addMenuItem(dictionaryMenu, charactersAction_, QStringLiteral("Postavy1"));
    addMenuItem(dictionaryMenu, userDictionaryAction_, QStringLiteral("Uivatelsk1"));
    addMenuSeparator(dictionaryMenu, QStringLiteral("N6"));
    addMenuItem(dictionaryMenu, findInAllAction_, QStringLiteral("Hledatvraz1"));
    addMenuSeparator(dictionaryMenu, QStringLiteral("N2"));
    addMenuItem(dictionaryMenu, exitAction_, QStringLiteral("Konec1"));
}

void MainWindow::createToolsMenu(QMenuBar* bar) {
    QMenu* toolsMenu = bar->addMenu(QStringLiteral("&Nástroje"));
    toolsMenu->setObjectName(QStringLiteral("Nstroje1"));
    addMenuItem(toolsMenu, settingsAction_, QStringLiteral("Nastaveni1"));
    addMenuItem(toolsMenu, solverAction_, QStringLiteral("Lusteni1"));
}

void MainWindow::createHelpMenu(QMenuBar* bar) {
    QMenu* helpMenu = bar->addMenu(QStringLiteral("Ná&pověda"));
    helpMenu->setObjectName(QStringLiteral("Npovda1"));
    addMenuItem(helpMenu, helpContentsAction_, QStringLiteral("Obsaharejstk1"));
    addMenuSeparator(helpMenu, QStringLiteral("N1"));
    addMenuItem(helpMenu, aboutAction_, QStringLiteral("Oprogramu1"));
}

void MainWindow::createToolBars() {
    dictionaryBar_ = new ButtonBar(QStringLiteral("Slovníky"), 80, this);
    dictionaryBar_->setObjectName(QStringLiteral("ToolBar1"));
    dictionaryBar_->setButtonsSizedToCaption(true);
    dictionaryBar_->addButton(mainDictionaryAction_, QStringLiteral("ToolButton4"));
    dictionaryBar_->addButton(capitalsAction_, QStringLiteral("ToolButton1"));
    dictionaryBar_->addButton(chemicalSymbolsAction_, QStringLiteral("ToolButton3"));
    dictionaryBar_->addButton(currenciesAction_, QStringLiteral("ToolButton14"), /*endsRow=*/true);
    dictionaryBar_->addButton(vehicleCodesAction_, QStringLiteral("ToolButton9"));
    dictionaryBar_->addButton(personalitiesAction_, QStringLiteral("ToolButton7"));
    dictionaryBar_->addButton(aircraftMarksAction_, QStringLiteral("ToolButton2"));
    dictionaryBar_->addButton(enterprisesAction_, QStringLiteral("ToolButton10"));

    addToolBarBreak(Qt::TopToolBarArea);
    toolsBar_ = new ButtonBar(QStringLiteral("Pomocný panel"), 90, this);
    toolsBar_->setObjectName(QStringLiteral("ToolBar2"));
    toolsBar_->addButton(charactersAction_, QStringLiteral("ToolButton13"));
    toolsBar_->addSpacer(QStringLiteral("ToolButton5"), 8);
    toolsBar_->addButton(userDictionaryAction_, QStringLiteral("ToolButton8"));
    toolsBar_->addSpacer(QStringLiteral("ToolButton6"), 8);
    toolsBar_->addButton(findInAllAction_, QStringLiteral("ToolButton11"));
    toolsBar_->addSpacer(QStringLiteral("ToolButton12"), 8);
    toolsBar_->addButton(settingsAction_, QStringLiteral("ToolButton15"));

    createToolBarMenu(dictionaryBar_, QStringLiteral("1"));
    createToolBarMenu(toolsBar_, QStringLiteral("2"));
}

QMenu* MainWindow::createToolBarMenu(ButtonBar* bar, const QString& suffix) {
    auto* menu = new QMenu(this);
    menu->setObjectName(suffix == QLatin1String("1") ? QStringLiteral("PopupToolMenu")
                                                     : QStringLiteral("PopupToolMenu2"));
    auto* sides = new QActionGroup(menu);
    auto* captions = new QActionGroup(menu);
    const auto item = [&](const QString& name, const QString& caption, QActionGroup* group,
                          std::function<void()> apply) {
        return addToolBarMenuItem(menu, name + suffix, caption, group, apply);
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
    return menu;
}

// The toolbars' only context menus are their own. Qt's menu of toolbars would hide a toolbar
// with no way back but that menu.
QMenu* MainWindow::createPopupMenu() {
    return nullptr;
}

// The left column: the search field over the found headwords.
void MainWindow::createWordsColumn() {
    auto* wordsColumn = new Panel(columnsSplitter_);
    wordsColumn->setObjectName(QStringLiteral("Panel2"));
    wordsColumn->setMinimumWidth(kMinimumColumnWidth);
    QVBoxLayout* left = column(wordsColumn);
    QWidget* searchStrip = strip(QStringLiteral("Panel4"), 44, wordsColumn);
    QLabel* searchLabel =
        label(QStringLiteral("Label1"), QStringLiteral("Hledané slovo"), searchStrip);
    searchField_ = new Edit(searchStrip); // its Tag keeps the search trigger: 0 = search as typed
    searchField_->setObjectName(QStringLiteral("Edit1"));
    searchField_->setValidator(new Cp1250Validator(searchField_));
    searchStrip->layout()->addWidget(searchField_);
    QWidget* foundStrip = strip(QStringLiteral("Panel7"), 24, wordsColumn);
    QLabel* foundLabel =
        label(QStringLiteral("Label2"), QStringLiteral("Nalezená slova"), foundStrip);
    foundWordsList_ =
        new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox1"), wordsColumn);
    left->addWidget(searchStrip);
    left->addWidget(foundStrip);
    left->addWidget(foundWordsList_, 1);
    labelControl(searchLabel, searchField_);
    labelControl(foundLabel, foundWordsList_);
}

// The right column: where the search starts and the user dictionary's folder (hidden), over
// the meanings of the chosen headword.
void MainWindow::createMeaningsColumn() {
    auto* meaningsColumn = new QWidget(columnsSplitter_);
    meaningsColumn->setObjectName(QStringLiteral("Panel5"));
    meaningsColumn->setMinimumWidth(kMinimumColumnWidth);
    QVBoxLayout* right = column(meaningsColumn);
    QWidget* fromLetterStrip = strip(QStringLiteral("Panel3"), 44, meaningsColumn);
    QLabel* fromLetterLabel =
        label(QStringLiteral("Label4"), QStringLiteral("Hledat od písmene"), fromLetterStrip);
    searchFromLetter_ = new SpinEdit(fromLetterStrip);
    searchFromLetter_->setObjectName(QStringLiteral("SpinEdit1"));
    searchFromLetter_->setValue(2);
    searchFromLetter_->setMaximumWidth(80);
    fromLetterStrip->layout()->addWidget(searchFromLetter_);
    userDictionaryPathLabel_ = new Label(fromLetterStrip);
    userDictionaryPathLabel_->setObjectName(QStringLiteral("Cesta_k_uzivatelskemu_slovniku"));
    userDictionaryPathLabel_->hide();
    QWidget* meaningsStrip = strip(QStringLiteral("Panel6"), 24, meaningsColumn);
    QLabel* meaningsLabel =
        label(QStringLiteral("Label3"), QStringLiteral("Významy slova"), meaningsStrip);
    meaningsList_ =
        new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox4"), meaningsColumn);
    right->addWidget(fromLetterStrip);
    right->addWidget(meaningsStrip);
    right->addWidget(meaningsList_, 1);
    labelControl(fromLetterLabel, searchFromLetter_);
    labelControl(meaningsLabel, meaningsList_);
}

void MainWindow::createStatusPanels() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    // 150 pixels, or what a larger font needs for the word count of a large dictionary.
    statusTextPanel_ = new QLabel(QStringLiteral("Počet slov: 9999999"), statusBar());
    statusTextPanel_->setObjectName(QStringLiteral("StatusPanel0"));
    statusTextPanel_->setFixedWidth(std::max(150, statusTextPanel_->sizeHint().width()));
    statusTextPanel_->setText(QStringLiteral("Počet slov:"));
    auto* secondPanel = new QLabel(statusBar());
    secondPanel->setObjectName(QStringLiteral("StatusPanel1"));
    secondPanel->setFixedWidth(50);
    statusBar()->addWidget(statusTextPanel_);
    statusBar()->addWidget(secondPanel);
}

void MainWindow::createPanels() {
    auto* columns = new QWidget(this);
    columns->setObjectName(QStringLiteral("Panel1"));
    column(columns);
    columnsSplitter_ = new QSplitter(Qt::Horizontal, columns);
    columnsSplitter_->setObjectName(QStringLiteral("Splitter1"));
    columnsSplitter_->setHandleWidth(3);
    columnsSplitter_->setOpaqueResize(true);
    columnsSplitter_->setChildrenCollapsible(false);
    columns->layout()->addWidget(columnsSplitter_);
    createWordsColumn();
    createMeaningsColumn();
    columnsSplitter_->setSizes({266, 264});
    columnsSplitter_->setStretchFactor(1, 1);
    setCentralWidget(columns);
    createStatusPanels();

    setTabOrder(searchField_, foundWordsList_);
    setTabOrder(foundWordsList_, meaningsList_);
    setTabOrder(meaningsList_, searchFromLetter_);

    connect(searchField_, &QLineEdit::textChanged, this, [this] {
        runHandler([this] {
            if (searchAsTyped_ && dictionary_.opened()) searchReportingErrors();
        });
    });
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        runHandler([this] {
            if (dictionary_.opened()) searchReportingErrors();
        });
    });
    connect(foundWordsList_, &ListBox::selectionChangedTo, this,
            [this](int row) { runHandler([this, row] { resultLists().showMeaningsOf(row); }); });
    meaningsList_->viewport()->installEventFilter(this);
    meaningsList_->installEventFilter(this);
}

StringList& MainWindow::foundWords() {
    return foundWordsList_->items();
}
StringList& MainWindow::meanings() {
    return meaningsList_->items();
}

void MainWindow::openAtStart() {
    CopySettingsFileAtStart(programFolder_.toStdString());
    userDictionaryPathLabel_->setText(QString());
    dictionary_.open("hlavni");
    userDictionaryAction_->setEnabled(false);
    loadIconFiles();
}

void MainWindow::loadIconFiles() {
    QAction* const replaced[] = {mainDictionaryAction_, capitalsAction_,     chemicalSymbolsAction_,
                                 currenciesAction_,     vehicleCodesAction_, personalitiesAction_,
                                 aircraftMarksAction_,  enterprisesAction_,  charactersAction_};
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
            const int index = toolBarImages_.append(image);
            QAction* action = replaced[n - 1];
            action->setProperty("ImageIndex", index);
            action->setIcon(toolBarImages_.at(index));
        }
    });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    searchField_->setFocus();
}

void MainWindow::applyRestoredSettings() {
    // The toolbars' sides came after the placement: the least size they give the window is
    // settled now, before the window is mapped. Settled later, it would resize a maximized
    // window to its saved normal size, and window managers take that as leaving the maximized
    // state. The normal size is clamped to it, the state stays.
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMaximized) setWindowState(state & ~Qt::WindowMaximized);
    layout()->activate();
    if (state & Qt::WindowMaximized) setWindowState(state);
    searchAsTyped_ = searchField_->tag() == 0;
    if (!dictionaryBar_->showCaptions()) dictionaryBar_->setButtonHeight(22);
    if (!toolsBar_->showCaptions()) toolsBar_->setButtonHeight(22);
    userDictionaryFolder_ = userDictionaryPathLabel_->text();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    dictionary_.close();
    event->accept();
}

void MainWindow::clearResultLists() {
    resultLists().clear();
}

void MainWindow::searchReportingErrors() {
    if (searchField_->text().size() < searchFromLetter_->currentValue()) {
        clearResultLists();
        return;
    }
    // Told also when a read error ends the search.
    struct Announced {
        MainWindow* window;
        explicit Announced(MainWindow* w) : window(w) { emit window->searchStarted(); }
        ~Announced() { emit window->searchEnded(); }
        Announced(const Announced&) = delete;
        Announced& operator=(const Announced&) = delete;
    } announced(this);
    // Read only now: a keystroke handled while the progress window painted is searched too.
    SearchOutcome outcome = SearchWords(dictionary_, fromQString(searchField_->text()));
    clearResultLists();
    resultLists().show(std::move(outcome));
}

void MainWindow::switchDictionary(QAction* action) {
    clearResultLists();
    action->setChecked(true);
    for (const auto& [candidate, name] : dictionaryActions_) {
        if (candidate != action) continue;
        dictionary_.close();
        dictionary_.open(name);
    }
}

void MainWindow::lookUp(const QString& dictionary, const QString& text) {
    QAction* wanted = mainDictionaryAction_;
    for (const auto& [action, name] : dictionaryActions_)
        if (dictionary.toStdString() == name) wanted = action;
    runHandler([&] {
        if (!wanted->isChecked()) switchDictionary(wanted);
        // A changed text searches by itself when the search runs as the user types.
        const bool searchesByItself = searchAsTyped_ && searchField_->text() != text;
        searchField_->setText(text);
        if (!searchesByItself && dictionary_.opened()) searchReportingErrors();
    });
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    searchField_->setFocus(Qt::OtherFocusReason);
}

SettingsOptions MainWindow::settingsOptions() const {
    const auto toolbar = [](const ButtonBar* bar) {
        return ToolbarOptions{bar->align(), bar->list(), bar->showCaptions(), bar->flat()};
    };
    return {toolbar(dictionaryBar_), toolbar(toolsBar_), searchAsTyped_, userDictionaryFolder_};
}

void MainWindow::applySettings(const SettingsOptions& options) {
    userDictionaryFolder_ = options.userDictionaryFolder;
    userDictionaryPathLabel_->setText(userDictionaryFolder_);
    dictionaryBar_->setAlign(options.dictionaryBar.side);
    toolsBar_->setAlign(options.toolsBar.side);
    dictionaryBar_->setList(options.dictionaryBar.captionsBesideIcons);
    toolsBar_->setList(options.toolsBar.captionsBesideIcons);
    searchAsTyped_ = options.searchAsTyped;
    searchField_->setTag(searchAsTyped_ ? 0 : 1);
    dictionaryBar_->setFlat(options.dictionaryBar.flat);
    toolsBar_->setFlat(options.toolsBar.flat);
    // Captions hidden: 22-pixel buttons; shown again: the toolbar sizes its buttons itself.
    const std::pair<ButtonBar*, bool> captions[] = {
        {dictionaryBar_, options.dictionaryBar.showCaptions},
        {toolsBar_, options.toolsBar.showCaptions}};
    for (const auto& [bar, shown] : captions) {
        bar->setShowCaptions(shown);
        if (!shown) bar->setButtonHeight(22);
    }
}

void MainWindow::keepStatusText() {
    keptStatusText_ = statusTextPanel_->text();
}

void MainWindow::restoreStatusText() {
    statusTextPanel_->setText(keptStatusText_);
}

// The order in which the commands are asked whether they are checked.
void MainWindow::reopenCheckedDictionary() {
    runHandler([this] {
        for (QAction* action : {mainDictionaryAction_, capitalsAction_, currenciesAction_,
                                vehicleCodesAction_, personalitiesAction_, aircraftMarksAction_,
                                enterprisesAction_, chemicalSymbolsAction_})
            if (action->isChecked()) switchDictionary(action);
    });
}

void MainWindow::takeMeaning() {
    const int row = meaningsList_->itemIndex();
    if (row < 0) return;
    const QString meaning = toQString(meanings()[static_cast<std::size_t>(row)]);
    if (meaning != searchField_->text())
        searchField_->setText(meaning); // a change of the field: it may search
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == meaningsList_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        runHandler([this] { takeMeaning(); });
        return true;
    }
    if (watched == meaningsList_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            runHandler([this] { takeMeaning(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zadrovec::ui
