#include "ui/mainwindow.h"

#include "settings/settingsfolder.h"
#include "ui/aboutbox.h"
#include "ui/characterswindow.h"
#include "ui/findtextdialog.h"
#include "ui/foundtextwindow.h"
#include "ui/helpwindow.h"
#include "ui/messageboxes.h"
#include "ui/searchprogresswindow.h"
#include "ui/settingsdialog.h"
#include "ui/solverwindow.h"
#include "ui/widgets/buttonbar.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/cp1250validator.h"
#include "ui/widgets/fitting.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/menuitem.h"
#include "ui/widgets/qtext.h"
#include "ui/widgets/radiogroup.h"
#include "ui/widgets/spinedit.h"
#include "windowsettings/windowsettings.h"

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
    messages_.statusSink = [this](const QString& text) { statusTextPanel->setText(text); };
    openAtStart();
}

MainWindow::~MainWindow() {
    WindowPlacement::notifyDestroying(this);
    messages_.statusSink = nullptr;
}

void MainWindow::createWindowSettings() {
    windowSettings = new WindowSettings(
        this, QStringLiteral("FormStorage1"), QStringLiteral("Main window"),
        WindowPlacement::KeepState | WindowPlacement::KeepPosition, mainWindowEntries());
    windowSettings->onRestorePlacement = [this] { applyRestoredSettings(); };
    menuSettings = new WindowSettings(this, QStringLiteral("FormStorage2"), QStringLiteral("Menu"),
                                      {}, menuEntries());
}

QAction* MainWindow::makeAction(const char* name, const QString& caption, const QString& hint,
                                const QKeySequence& shortcut, int image) {
    auto* action = new Action(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setHint(hint);
    action->setProperty("ImageIndex", image);
    action->setIcon(toolBarImages.at(image));
    addAction(action); // its shortcut works anywhere in the window
    return action;
}

void MainWindow::createActions() {
    createDictionaryActions();
    createCommandActions();

    dictionaryGroup_ = new QActionGroup(this);
    dictionaryGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const QList<QAction*> switches = {
        mainDictionaryAction, capitalsAction,      chemicalSymbolsAction, currenciesAction,
        vehicleCodesAction,   personalitiesAction, aircraftMarksAction,   enterprisesAction};
    for (qsizetype n = 0; n < switches.size(); ++n) {
        QAction* action = switches[n];
        action->setCheckable(true);
        dictionaryGroup_->addAction(action);
        dictionaryActions_.append({action, std::string(kMainWindowDictionaryFiles[n])});
        connect(action, &QAction::triggered, this,
                [this, action] { runHandler([&] { switchDictionary(action); }); });
    }
    mainDictionaryAction->setChecked(true);

    connectCommands();
}

void MainWindow::createDictionaryActions() {
    // Their hints are the dictionaries' titles.
    const auto title = [](std::size_t n) { return dictionaryTitle(kMainWindowDictionaryFiles[n]); };
    mainDictionaryAction =
        makeAction("acHlavni", QStringLiteral("Hlavní"), title(0), Qt::Key_F2, 5);
    capitalsAction =
        makeAction("acHlavniMesta", QStringLiteral("Pomocný 1"), title(1), Qt::Key_F3, 6);
    chemicalSymbolsAction =
        makeAction("acChemickeZnacky", QStringLiteral("Pomocný 2"), title(2), Qt::Key_F4, 7);
    currenciesAction = makeAction("acMeny", QStringLiteral("Pomocný 3"), title(3), Qt::Key_F5, 8);
    vehicleCodesAction =
        makeAction("acMPZSPZ", QStringLiteral("Pomocný 4"), title(4), Qt::Key_F6, 9);
    personalitiesAction =
        makeAction("acOsobnosti", QStringLiteral("Pomocný 5"), title(5), Qt::Key_F7, 10);
    aircraftMarksAction =
        makeAction("acOznaceniLetadel", QStringLiteral("Pomocný 6"), title(6), Qt::Key_F8, 11);
    enterprisesAction =
        makeAction("acPodniky", QStringLiteral("Pomocný 7"), title(7), Qt::Key_F9, 12);
}

void MainWindow::createCommandActions() {
    charactersAction = makeAction("acPostavy", QStringLiteral("Postavy z děl"),
                                  QStringLiteral("Postavy z děl"), Qt::CTRL | Qt::Key_F9, 13);
    userDictionaryAction =
        makeAction("acUziv", QStringLiteral("Uživatelský"), QStringLiteral("Uživatelský slovník"),
                   Qt::SHIFT | Qt::Key_F9, 1);
    findInAllAction = makeAction("acHledej", QStringLiteral("Vyhledat text"),
                                 QStringLiteral("Hledat výraz|Vyhledá výraz ve všech slovnících"),
                                 Qt::CTRL | Qt::Key_H, 0);
    settingsAction = makeAction("acNastaveni", QStringLiteral("Nastavení"),
                                QStringLiteral("Nastavení|Zobrazí nastavení pro slovník"), {}, 4);
    exitAction = makeAction("acKonec", QStringLiteral("&Konec"), {}, Qt::ALT | Qt::Key_F4, 3);
    helpContentsAction =
        makeAction("acObsahaRejstrik", QStringLiteral("&Obsah a rejstřík"), {}, Qt::Key_F1, 2);
    aboutAction = makeAction("acOprogramu", QStringLiteral("O &programu"), {}, {}, -1);
    solverAction = makeAction("acLusteni", QStringLiteral("&Luštění..."),
                              QStringLiteral("Luštění|Hledá odpovědi podle vzoru a legendy"),
                              Qt::CTRL | Qt::Key_L, -1);
}

void MainWindow::connectCommands() {
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(charactersAction, &QAction::triggered, this, [this] {
        if (charactersWindow_) charactersWindow_->exec();
    });
    connect(helpContentsAction, &QAction::triggered, this, [this] {
        showHelp(QDir(programFolder_).filePath(QStringLiteral("zadrov.html")), this);
    });
    connect(findInAllAction, &QAction::triggered, this,
            [this] { runHandler([this] { findInAllDictionaries(); }); });
    connect(settingsAction, &QAction::triggered, this,
            [this] { runHandler([this] { openSettings(); }); });
    connect(solverAction, &QAction::triggered, this, [this] {
        if (!solverWindow_) {
            solverWindow_ = new SolverWindow(this, programFolder_);
            connect(solverWindow_, &SolverWindow::lookUpRequested, this, &MainWindow::lookUp);
        }
        solverWindow_->show();
        solverWindow_->raise();
        solverWindow_->activateWindow();
    });
    connect(aboutAction, &QAction::triggered, this, [this] {
        if (aboutBox_) aboutBox_->exec();
    });
    // acUziv is disabled for the whole run; the other commands open windows of their own.
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
    QMenu* slovnik = bar->addMenu(QStringLiteral("&Slovník"));
    slovnik->setObjectName(QStringLiteral("Slovnk1"));
    auto* radio = new QActionGroup(slovnik);
    const std::pair<QAction*, const char*> items[] = {
        {mainDictionaryAction, "Hlavn1"},         {capitalsAction, "Hlavnmsta1"},
        {chemicalSymbolsAction, "Chemickznaky1"}, {currenciesAction, "Mny1"},
        {vehicleCodesAction, "MPZaSPZ1"},         {personalitiesAction, "Osobnosti1"},
        {aircraftMarksAction, "Oznaenletadel1"},  {enterprisesAction, "Podniky1"}};
    for (const auto& [action, name] : items)
        addMenuItem(slovnik, action, QString::fromLatin1(name), radio);
    addMenuSeparator(slovnik, QStringLiteral("N3"));
    addMenuItem(slovnik, charactersAction, QStringLiteral("Postavy1"));
    addMenuItem(slovnik, userDictionaryAction, QStringLiteral("Uivatelsk1"));
    addMenuSeparator(slovnik, QStringLiteral("N6"));
    addMenuItem(slovnik, findInAllAction, QStringLiteral("Hledatvraz1"));
    addMenuSeparator(slovnik, QStringLiteral("N2"));
    addMenuItem(slovnik, exitAction, QStringLiteral("Konec1"));
}

void MainWindow::createToolsMenu(QMenuBar* bar) {
    QMenu* nastroje = bar->addMenu(QStringLiteral("&Nástroje"));
    nastroje->setObjectName(QStringLiteral("Nstroje1"));
    addMenuItem(nastroje, settingsAction, QStringLiteral("Nastaveni1"));
    addMenuItem(nastroje, solverAction, QStringLiteral("Lusteni1"));
}

void MainWindow::createHelpMenu(QMenuBar* bar) {
    QMenu* napoveda = bar->addMenu(QStringLiteral("Ná&pověda"));
    napoveda->setObjectName(QStringLiteral("Npovda1"));
    addMenuItem(napoveda, helpContentsAction, QStringLiteral("Obsaharejstk1"));
    addMenuSeparator(napoveda, QStringLiteral("N1"));
    addMenuItem(napoveda, aboutAction, QStringLiteral("Oprogramu1"));
}

void MainWindow::createToolBars() {
    dictionaryBar = new ButtonBar(QStringLiteral("Slovníky"), 80, this);
    dictionaryBar->setObjectName(QStringLiteral("ToolBar1"));
    dictionaryBar->setButtonsSizedToCaption(true);
    dictionaryBar->addButton(mainDictionaryAction, QStringLiteral("ToolButton4"));
    dictionaryBar->addButton(capitalsAction, QStringLiteral("ToolButton1"));
    dictionaryBar->addButton(chemicalSymbolsAction, QStringLiteral("ToolButton3"));
    dictionaryBar->addButton(currenciesAction, QStringLiteral("ToolButton14"), /*endsRow=*/true);
    dictionaryBar->addButton(vehicleCodesAction, QStringLiteral("ToolButton9"));
    dictionaryBar->addButton(personalitiesAction, QStringLiteral("ToolButton7"));
    dictionaryBar->addButton(aircraftMarksAction, QStringLiteral("ToolButton2"));
    dictionaryBar->addButton(enterprisesAction, QStringLiteral("ToolButton10"));

    addToolBarBreak(Qt::TopToolBarArea);
    toolsBar = new ButtonBar(QStringLiteral("Pomocný panel"), 90, this);
    toolsBar->setObjectName(QStringLiteral("ToolBar2"));
    toolsBar->addButton(charactersAction, QStringLiteral("ToolButton13"));
    toolsBar->addSpacer(QStringLiteral("ToolButton5"), 8);
    toolsBar->addButton(userDictionaryAction, QStringLiteral("ToolButton8"));
    toolsBar->addSpacer(QStringLiteral("ToolButton6"), 8);
    toolsBar->addButton(findInAllAction, QStringLiteral("ToolButton11"));
    toolsBar->addSpacer(QStringLiteral("ToolButton12"), 8);
    toolsBar->addButton(settingsAction, QStringLiteral("ToolButton15"));

    createToolBarMenu(dictionaryBarMenu, dictionaryBar, QStringLiteral("1"));
    createToolBarMenu(toolsBarMenu, toolsBar, QStringLiteral("2"));
}

void MainWindow::createToolBarMenu(QMenu*& menu, ButtonBar* bar, const QString& suffix) {
    menu = new QMenu(this);
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
}

// The toolbars' only context menus are their own. Qt's menu of toolbars would hide a toolbar
// with no way back but that menu.
QMenu* MainWindow::createPopupMenu() {
    return nullptr;
}

// The left column: the search field over the found headwords.
void MainWindow::createWordsColumn() {
    wordsColumn = new Panel(columnsSplitter);
    wordsColumn->setObjectName(QStringLiteral("Panel2"));
    wordsColumn->setMinimumWidth(kMinimumColumnWidth);
    QVBoxLayout* left = column(wordsColumn);
    QWidget* Panel4 = strip(QStringLiteral("Panel4"), 44, wordsColumn);
    QLabel* Label1 = label(QStringLiteral("Label1"), QStringLiteral("Hledané slovo"), Panel4);
    searchField = new Edit(Panel4); // its Tag keeps the search trigger: 0 = search as typed
    searchField->setObjectName(QStringLiteral("Edit1"));
    searchField->setValidator(new Cp1250Validator(searchField));
    Panel4->layout()->addWidget(searchField);
    QWidget* Panel7 = strip(QStringLiteral("Panel7"), 24, wordsColumn);
    QLabel* Label2 = label(QStringLiteral("Label2"), QStringLiteral("Nalezená slova"), Panel7);
    foundWordsList =
        new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox1"), wordsColumn);
    left->addWidget(Panel4);
    left->addWidget(Panel7);
    left->addWidget(foundWordsList, 1);
    labelControl(Label1, searchField);
    labelControl(Label2, foundWordsList);
}

// The right column: where the search starts and the user dictionary's folder (hidden), over
// the meanings of the chosen headword.
void MainWindow::createMeaningsColumn() {
    meaningsColumn = new QWidget(columnsSplitter);
    meaningsColumn->setObjectName(QStringLiteral("Panel5"));
    meaningsColumn->setMinimumWidth(kMinimumColumnWidth);
    QVBoxLayout* right = column(meaningsColumn);
    QWidget* Panel3 = strip(QStringLiteral("Panel3"), 44, meaningsColumn);
    QLabel* Label4 = label(QStringLiteral("Label4"), QStringLiteral("Hledat od písmene"), Panel3);
    searchFromLetter = new SpinEdit(Panel3);
    searchFromLetter->setObjectName(QStringLiteral("SpinEdit1"));
    searchFromLetter->setValue(2);
    searchFromLetter->setMaximumWidth(80);
    Panel3->layout()->addWidget(searchFromLetter);
    userDictionaryPathLabel = new Label(Panel3);
    userDictionaryPathLabel->setObjectName(QStringLiteral("Cesta_k_uzivatelskemu_slovniku"));
    userDictionaryPathLabel->hide();
    QWidget* Panel6 = strip(QStringLiteral("Panel6"), 24, meaningsColumn);
    QLabel* Label3 = label(QStringLiteral("Label3"), QStringLiteral("Významy slova"), Panel6);
    meaningsList =
        new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox4"), meaningsColumn);
    right->addWidget(Panel3);
    right->addWidget(Panel6);
    right->addWidget(meaningsList, 1);
    labelControl(Label4, searchFromLetter);
    labelControl(Label3, meaningsList);
}

void MainWindow::createStatusPanels() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    // 150 pixels, or what a larger font needs for the word count of a large dictionary.
    statusTextPanel = new QLabel(QStringLiteral("Počet slov: 9999999"), statusBar());
    statusTextPanel->setObjectName(QStringLiteral("StatusPanel0"));
    statusTextPanel->setFixedWidth(std::max(150, statusTextPanel->sizeHint().width()));
    statusTextPanel->setText(QStringLiteral("Počet slov:"));
    statusSecondPanel = new QLabel(statusBar());
    statusSecondPanel->setObjectName(QStringLiteral("StatusPanel1"));
    statusSecondPanel->setFixedWidth(50);
    statusBar()->addWidget(statusTextPanel);
    statusBar()->addWidget(statusSecondPanel);
}

void MainWindow::createPanels() {
    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    column(Panel1);
    columnsSplitter = new QSplitter(Qt::Horizontal, Panel1);
    columnsSplitter->setObjectName(QStringLiteral("Splitter1"));
    columnsSplitter->setHandleWidth(3);
    columnsSplitter->setOpaqueResize(true);
    columnsSplitter->setChildrenCollapsible(false);
    Panel1->layout()->addWidget(columnsSplitter);
    createWordsColumn();
    createMeaningsColumn();
    columnsSplitter->setSizes({266, 264});
    columnsSplitter->setStretchFactor(1, 1);
    setCentralWidget(Panel1);
    createStatusPanels();

    setTabOrder(searchField, foundWordsList);
    setTabOrder(foundWordsList, meaningsList);
    setTabOrder(meaningsList, searchFromLetter);

    connect(searchField, &QLineEdit::textChanged, this, [this] {
        runHandler([this] {
            if (searchAsTyped && dictionary_.opened()) searchReportingErrors();
        });
    });
    connect(searchField, &QLineEdit::returnPressed, this, [this] {
        runHandler([this] {
            if (dictionary_.opened()) searchReportingErrors();
        });
    });
    connect(foundWordsList, &ListBox::selectionChangedTo, this,
            [this](int row) { runHandler([this, row] { resultLists().showMeaningsOf(row); }); });
    meaningsList->viewport()->installEventFilter(this);
    meaningsList->installEventFilter(this);
}

StringList& MainWindow::foundWords() {
    return foundWordsList->items();
}
StringList& MainWindow::meanings() {
    return meaningsList->items();
}

void MainWindow::openAtStart() {
    CopySettingsFileAtStart(programFolder_.toStdString());
    userDictionaryPathLabel->setText(QString());
    dictionary_.open("hlavni");
    userDictionaryAction->setEnabled(false);
    loadIconFiles();
}

void MainWindow::loadIconFiles() {
    QAction* const replaced[] = {mainDictionaryAction, capitalsAction,     chemicalSymbolsAction,
                                 currenciesAction,     vehicleCodesAction, personalitiesAction,
                                 aircraftMarksAction,  enterprisesAction,  charactersAction};
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
            const int index = toolBarImages.append(image);
            QAction* action = replaced[n - 1];
            action->setProperty("ImageIndex", index);
            action->setIcon(toolBarImages.at(index));
        }
    });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    searchField->setFocus();
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
    searchAsTyped = searchField->tag() == 0;
    if (!dictionaryBar->showCaptions()) dictionaryBar->setButtonHeight(22);
    if (!toolsBar->showCaptions()) toolsBar->setButtonHeight(22);
    userDictionaryFolder = userDictionaryPathLabel->text();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    dictionary_.close();
    event->accept();
}

void MainWindow::clearResultLists() {
    resultLists().clear();
}

void MainWindow::searchReportingErrors() {
    if (searchField->text().size() < searchFromLetter->currentValue()) {
        clearResultLists();
        return;
    }
    const ProgressShown progress(progress_);
    // Read only now: a keystroke handled while the progress window painted is searched too.
    SearchOutcome outcome = SearchWords(dictionary_, fromQString(searchField->text()));
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
    QAction* wanted = mainDictionaryAction;
    for (const auto& [action, name] : dictionaryActions_)
        if (dictionary.toStdString() == name) wanted = action;
    runHandler([&] {
        if (!wanted->isChecked()) switchDictionary(wanted);
        // A changed text searches by itself when the search runs as the user types.
        const bool searchesByItself = searchAsTyped && searchField->text() != text;
        searchField->setText(text);
        if (!searchesByItself && dictionary_.opened()) searchReportingErrors();
    });
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    searchField->setFocus(Qt::OtherFocusReason);
}

void MainWindow::openSettings() {
    if (!settingsDialog_) return;
    SettingsDialog& dialog = *settingsDialog_;
    dialog.userDictionaryFolderField->setText(userDictionaryFolder);
    if (dialog.exec() != QDialog::Accepted) return;

    userDictionaryFolder = dialog.userDictionaryFolderField->text(); // taken as it is, even empty
    userDictionaryPathLabel->setText(userDictionaryFolder);
    const ButtonBar::TAlign sides[] = {ButtonBar::alTop, ButtonBar::alBottom, ButtonBar::alLeft,
                                       ButtonBar::alRight};
    if (const int side = dialog.dictionaryBarSide->itemIndex(); side >= 0)
        dictionaryBar->setAlign(sides[side]);
    if (const int side = dialog.toolsBarSide->itemIndex(); side >= 0)
        toolsBar->setAlign(sides[side]);
    if (const int style = dialog.dictionaryBarCaptionStyle->itemIndex(); style >= 0)
        dictionaryBar->setList(style == 0);
    if (const int style = dialog.toolsBarCaptionStyle->itemIndex(); style >= 0)
        toolsBar->setList(style == 0);
    searchAsTyped = dialog.searchAsTypedButton->isChecked();
    searchField->setTag(searchAsTyped ? 0 : 1);
    dictionaryBar->setFlat(dialog.dictionaryBarFlat->isChecked());
    toolsBar->setFlat(dialog.toolsBarFlat->isChecked());
    // Captions hidden: 22-pixel buttons; shown again: the toolbar sizes its buttons itself.
    const std::pair<ButtonBar*, QCheckBox*> captions[] = {
        {dictionaryBar, dialog.dictionaryBarShowCaptions}, {toolsBar, dialog.toolsBarShowCaptions}};
    for (const auto& [bar, shown] : captions) {
        bar->setShowCaptions(shown->isChecked());
        if (!shown->isChecked()) bar->setButtonHeight(22);
    }
}

void MainWindow::findInAllDictionaries() {
    if (!foundWindow_ || !findDialog_) return;
    if (findDialog_->exec() != QDialog::Accepted) return;
    foundWindow_->searchText = fromQString(findDialog_->textField->text());
    foundWindow_->exec();
    // The search left its last dictionary open: the checked command opens the current one again.
    for (QAction* action :
         {mainDictionaryAction, capitalsAction, currenciesAction, vehicleCodesAction,
          personalitiesAction, aircraftMarksAction, enterprisesAction, chemicalSymbolsAction})
        if (action->isChecked()) switchDictionary(action);
}

void MainWindow::takeMeaning() {
    const int row = meaningsList->itemIndex();
    if (row < 0) return;
    const QString meaning = toQString(meanings()[static_cast<std::size_t>(row)]);
    if (meaning != searchField->text())
        searchField->setText(meaning); // a change of the field: it may search
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == meaningsList->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        runHandler([this] { takeMeaning(); });
        return true;
    }
    if (watched == meaningsList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            runHandler([this] { takeMeaning(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zadrovec::ui
