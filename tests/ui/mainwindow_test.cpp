// The main window driven as a user would: typing, keys, clicks, then the lists and the status.
#include "tests/ui/guitest.h"
#include "ui/mainwindow.h"
#include "ui/searchprogresswindow.h"
#include "ui/widgets/buttonbar.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/qtext.h"
#include "ui/widgets/spinedit.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <fstream>
#include <iterator>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

const std::vector<std::string> kMain = {"HAFAN@PES;",      "PAS@DOKLAD;",     cp("PES@HAFAN;ČOKL;"),
                                        cp("PESEK@PSÍK;"), cp("PSÍK@PESEK;"), cp("ČOKL@PES;"),
                                        "PES@VOLEK;"};

class MainWindow : public ProgramTest {
protected:
    void SetUp() override {
        writeDictionary(folder, "hlavni", sortedDictionary(kMain));
        // The auxiliary dictionaries hold n + 1 words each, so their counts tell them apart.
        for (std::size_t n = 1; n < kMainWindowDictionaryFiles.size(); ++n) {
            std::vector<std::string> words;
            for (std::size_t k = 0; k <= n; ++k)
                words.push_back("X" + std::string(1, static_cast<char>('A' + k)) + "@M" +
                                std::to_string(n) + ";");
            writeDictionary(folder, kMainWindowDictionaryFiles[n], sortedDictionary(words));
        }
    }

    void type(const QString& text) { QTest::keyClicks(mainWindow->searchField(), text); }
    void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(widget, key, mods);
    }
    bool allListsEmpty() const {
        return mainWindow->foundWordsList()->items().empty() &&
               mainWindow->resultLists().hitMeanings.empty() &&
               mainWindow->meaningsList()->items().empty() &&
               mainWindow->resultLists().hitHeadwords.empty();
    }
    void searchOnEnterOnly() {
        mainWindow->searchField()->setTag(1);
        mainWindow->applyRestoredSettings();
    }
};

} // namespace

TEST_F(MainWindow, StartsOnTheMainDictionarySearchingAsTyped) {
    start();
    EXPECT_EQ(mainWindow->windowTitle(), "Zadrovec");
    EXPECT_TRUE(control<QAction>(mainWindow, "acHlavni")->isChecked());
    EXPECT_EQ(status(), "Počet slov: 7");
    EXPECT_TRUE(mainWindow->settingsOptions().searchAsTyped);
    EXPECT_EQ(mainWindow->searchFromLetter()->value(), 2);
    EXPECT_TRUE(mainWindow->searchField()->hasFocus());
    EXPECT_TRUE(control<QLabel>(mainWindow, "Cesta_k_uzivatelskemu_slovniku")->text().isEmpty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindow, MinimumLengthEmptiesTheListsWithoutSearching) {
    start();
    type("pe");
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));
    EXPECT_EQ(meanings(), (QStringList{"ČOKL", "HAFAN", "VOLEK"}));
    EXPECT_EQ(mainWindow->foundWordsList()->itemIndex(), -1);
    EXPECT_EQ(progressShown, 1);
    EXPECT_FALSE(program->progressWindow().isVisible());

    press(mainWindow->searchField(), Qt::Key_Backspace);
    EXPECT_TRUE(allListsEmpty());
    EXPECT_EQ(progressShown, 1); // no search below the minimum
    EXPECT_EQ(mainWindow->searchField()->text(), "p");

    mainWindow->searchFromLetter()->setValue(1);
    type("s");
    EXPECT_EQ(found(), (QStringList{"PSÍK"}));
}

TEST_F(MainWindow, EnterSearchesWhenTypingDoesNot) {
    start();
    searchOnEnterOnly();
    EXPECT_FALSE(mainWindow->settingsOptions().searchAsTyped);
    type("pes");
    EXPECT_TRUE(allListsEmpty());
    EXPECT_EQ(progressShown, 0);
    press(mainWindow->searchField(), Qt::Key_Return);
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));
    // Typing keeps the lists; Enter on one character applies the minimum.
    mainWindow->searchField()->setText("h");
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));
    press(mainWindow->searchField(), Qt::Key_Enter);
    EXPECT_TRUE(allListsEmpty());
}

TEST_F(MainWindow, EnterSearchesAgainWhenSearchingAsTyped) {
    start();
    type("pa");
    EXPECT_EQ(progressShown, 1);
    press(mainWindow->searchField(), Qt::Key_Return);
    EXPECT_EQ(progressShown, 2);
    EXPECT_EQ(found(), (QStringList{"PAS"}));
}

TEST_F(MainWindow, ChoosingAHeadwordShowsItsMeanings) {
    start();
    type("pe");
    mainWindow->foundWordsList()->setFocus();
    press(mainWindow->foundWordsList(), Qt::Key_Down); // the first row becomes current and selected
    press(mainWindow->foundWordsList(), Qt::Key_Down);
    EXPECT_EQ(mainWindow->foundWordsList()->itemIndex(), 1);
    EXPECT_EQ(meanings(), (QStringList{"PSÍK"}));
    const QRect first = mainWindow->foundWordsList()->visualRect(
        mainWindow->foundWordsList()->model()->index(0, 0));
    QTest::mouseClick(mainWindow->foundWordsList()->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(meanings(), (QStringList{"ČOKL", "HAFAN", "VOLEK"}));
}

TEST_F(MainWindow, MeaningBecomesTheSearchTextByDoubleClickOrEnter) {
    start();
    type("pes");
    ASSERT_EQ(meanings(), (QStringList{"ČOKL", "HAFAN", "VOLEK"}));
    // Enter with no row selected changes nothing.
    mainWindow->meaningsList()->setFocus();
    mainWindow->meaningsList()->setItemIndex(-1);
    press(mainWindow->meaningsList(), Qt::Key_Return);
    EXPECT_EQ(mainWindow->searchField()->text(), "pes");

    const QRect hafan =
        mainWindow->meaningsList()->visualRect(mainWindow->meaningsList()->model()->index(1, 0));
    QTest::mouseClick(mainWindow->meaningsList()->viewport(), Qt::LeftButton, {}, hafan.center());
    QTest::mouseDClick(mainWindow->meaningsList()->viewport(), Qt::LeftButton, {}, hafan.center());
    EXPECT_EQ(mainWindow->searchField()->text(), "HAFAN");
    EXPECT_EQ(found(), (QStringList{"HAFAN"}));
    EXPECT_EQ(meanings(), (QStringList{"PES"}));
    EXPECT_TRUE(mainWindow->meaningsList()->hasFocus());

    mainWindow->meaningsList()->setCurrentIndex(mainWindow->meaningsList()->model()->index(0, 0));
    press(mainWindow->meaningsList(), Qt::Key_Return);
    EXPECT_EQ(mainWindow->searchField()->text(), "PES");
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));
}

TEST_F(MainWindow, EveryDictionarySwitchEmptiesTheListsAndKeepsTheField) {
    start();
    const std::vector<std::pair<QAction*, Qt::Key>> switches = {
        {control<QAction>(mainWindow, "acHlavniMesta"), Qt::Key_F3},
        {control<QAction>(mainWindow, "acChemickeZnacky"), Qt::Key_F4},
        {control<QAction>(mainWindow, "acMeny"), Qt::Key_F5},
        {control<QAction>(mainWindow, "acMPZSPZ"), Qt::Key_F6},
        {control<QAction>(mainWindow, "acOsobnosti"), Qt::Key_F7},
        {control<QAction>(mainWindow, "acOznaceniLetadel"), Qt::Key_F8},
        {control<QAction>(mainWindow, "acPodniky"), Qt::Key_F9},
        {control<QAction>(mainWindow, "acHlavni"), Qt::Key_F2}};
    int words = 2;
    for (const auto& [action, key] : switches) {
        type("x");
        mainWindow->searchField()->setText("xa");
        press(mainWindow, key);
        EXPECT_TRUE(action->isChecked()) << action->objectName().toStdString();
        EXPECT_TRUE(allListsEmpty());
        EXPECT_EQ(mainWindow->searchField()->text(), "xa");
        EXPECT_EQ(status(), action == control<QAction>(mainWindow, "acHlavni")
                                ? QString("Počet slov: 7")
                                : QString("Počet slov: %1").arg(words++));
    }
    // The next change searches the dictionary now open.
    press(mainWindow, Qt::Key_F5);
    mainWindow->searchField()->setText("xb");
    EXPECT_EQ(found(), (QStringList{"XB"}));
    EXPECT_EQ(meanings(), (QStringList{"M3"}));
    // The current dictionary's button pressed again stays down, reopens, empties the lists.
    auto* button =
        control<ui::ButtonBar>(mainWindow, "ToolBar1")->findChild<QToolButton*>("ToolButton14");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(control<QAction>(mainWindow, "acMeny")->isChecked());
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(allListsEmpty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindow, MissingDictionaryIsToldAndNothingSearches) {
    std::filesystem::remove(folder.path() / "hlavni.dat");
    start();
    EXPECT_EQ(boxes.texts(), QStringList{"Tento slovník nebyl nalezen."});
    EXPECT_EQ(boxes.shown[0].caption, "Zadrovec");
    EXPECT_EQ(status(), "Počet slov:");
    type("pes");
    press(mainWindow->searchField(), Qt::Key_Return);
    EXPECT_TRUE(allListsEmpty());
    EXPECT_EQ(progressShown, 0);
    // Another dictionary opens and searching works again.
    press(mainWindow, Qt::Key_F3);
    EXPECT_EQ(status(), "Počet slov: 2");
    mainWindow->searchField()->setText("xa");
    EXPECT_EQ(found(), (QStringList{"XA"}));
}

TEST_F(MainWindow, UserDictionaryCommandIsDisabled) {
    start();
    EXPECT_FALSE(control<QAction>(mainWindow, "acUziv")->isEnabled());
    EXPECT_FALSE(mainWindow->findChild<QToolButton*>("ToolButton8")->isEnabled());
    EXPECT_FALSE(mainWindow->findChild<QAction*>("Uivatelsk1")->isEnabled());
    press(mainWindow, Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_TRUE(control<QAction>(mainWindow, "acHlavni")->isChecked());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindow, ActionsCarryTheirCaptionsHintsAndShortcuts) {
    start();
    EXPECT_EQ(control<QAction>(mainWindow, "acHledej")->toolTip(), "Hledat výraz");
    EXPECT_EQ(control<QAction>(mainWindow, "acHledej")->property("Hint").toString(),
              "Hledat výraz|Vyhledá výraz ve všech slovnících");
    EXPECT_EQ(control<QAction>(mainWindow, "acPostavy")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_F9));
    EXPECT_EQ(control<QAction>(mainWindow, "acKonec")->shortcut(),
              QKeySequence(Qt::ALT | Qt::Key_F4));
    EXPECT_EQ(control<QAction>(mainWindow, "acOznaceniLetadel")->toolTip(), "Označení letadel");
    // Menu items follow their actions, check mark included.
    auto* item = mainWindow->findChild<QAction*>("Mny1");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isChecked());
    press(mainWindow, Qt::Key_F5);
    EXPECT_TRUE(item->isChecked());
    EXPECT_FALSE(mainWindow->findChild<QAction*>("Hlavn1")->isChecked());
    mainWindow->findChild<QAction*>("Hlavn1")->trigger();
    EXPECT_TRUE(control<QAction>(mainWindow, "acHlavni")->isChecked());
    EXPECT_EQ(status(), "Počet slov: 7");

    // The help page's table of keys names the key of every command the user can give.
    std::ifstream file(ZADROVEC_HELP_PAGE, std::ios::binary);
    const QString help =
        QString::fromStdString(std::string(std::istreambuf_iterator<char>(file), {}));
    ASSERT_TRUE(help.contains("<th>Klávesa</th><th>Příkaz</th>"));
    QStringList keys;
    for (const QAction* action : mainWindow->findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && action->isEnabled())
            keys << action->shortcut().toString(QKeySequence::PortableText);
    EXPECT_TRUE(keys.contains("Ctrl+L"));
    for (const QString& key : keys)
        EXPECT_TRUE(help.contains("<tr><td>" + key + "</td>")) << key.toStdString();
}

TEST_F(MainWindow, ToolbarMenusMoveAndRestyleTheirToolbar) {
    start();
    auto* dole = control<QMenu>(mainWindow, "PopupToolMenu")->findChild<QAction*>("Dole1");
    ASSERT_NE(dole, nullptr);
    dole->trigger();
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar1")),
              Qt::BottomToolBarArea);
    EXPECT_TRUE(dole->isChecked());
    EXPECT_FALSE(
        control<QMenu>(mainWindow, "PopupToolMenu")->findChild<QAction*>("Nahoe1")->isChecked());
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar2")),
              Qt::TopToolBarArea);

    control<QMenu>(mainWindow, "PopupToolMenu2")->findChild<QAction*>("Vlevo2")->trigger();
    EXPECT_EQ(mainWindow->toolBarArea(control<ui::ButtonBar>(mainWindow, "ToolBar2")),
              Qt::LeftToolBarArea);
    EXPECT_EQ(control<ui::ButtonBar>(mainWindow, "ToolBar2")->orientation(), Qt::Vertical);

    control<QMenu>(mainWindow, "PopupToolMenu2")
        ->findChild<QAction*>("Popiskypodikonama2")
        ->trigger();
    EXPECT_FALSE(control<ui::ButtonBar>(mainWindow, "ToolBar2")->list());
    EXPECT_TRUE(control<QMenu>(mainWindow, "PopupToolMenu2")
                    ->findChild<QAction*>("Popiskypodikonama2")
                    ->isChecked());
    EXPECT_FALSE(control<QMenu>(mainWindow, "PopupToolMenu2")
                     ->findChild<QAction*>("Popiskyvedleikon2")
                     ->isChecked());
    EXPECT_EQ(mainWindow->findChild<QToolButton*>("ToolButton13")->toolButtonStyle(),
              Qt::ToolButtonTextUnderIcon);
    EXPECT_TRUE(control<ui::ButtonBar>(mainWindow, "ToolBar1")
                    ->list()); // the other toolbar keeps its style
}

TEST_F(MainWindow, ToolbarsHaveOnlyTheirOwnContextMenusAndNothingHidesThem) {
    start();
    // Where the right click goes, and which menu comes up (none: nullptr).
    auto rightClick = [](QWidget* widget, QPoint at) -> QWidget* {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        QWidget* popup = QApplication::activePopupWidget();
        if (popup) popup->close();
        return popup;
    };
    EXPECT_EQ(rightClick(mainWindow->menuBar(), QPoint(mainWindow->menuBar()->width() - 2, 2)),
              nullptr);
    QWidget* buttons1 = mainWindow->findChild<QToolButton*>("ToolButton4")->parentWidget();
    EXPECT_EQ(rightClick(buttons1, QPoint(buttons1->width() - 1, buttons1->height() - 1)),
              control<QMenu>(mainWindow, "PopupToolMenu"));
    EXPECT_EQ(rightClick(mainWindow->findChild<QToolButton*>("ToolButton11"), QPoint(2, 2)),
              control<QMenu>(mainWindow, "PopupToolMenu2"));
    EXPECT_EQ(rightClick(control<ui::ButtonBar>(mainWindow, "ToolBar2"),
                         QPoint(control<ui::ButtonBar>(mainWindow, "ToolBar2")->width() - 1, 1)),
              control<QMenu>(mainWindow, "PopupToolMenu2"));
    // Beside the toolbars, in their lines.
    const QPoint besideToolBar1(
        mainWindow->width() - 2,
        control<ui::ButtonBar>(mainWindow, "ToolBar1")->geometry().center().y());
    EXPECT_EQ(rightClick(mainWindow, besideToolBar1), nullptr);

    for (ui::ButtonBar* bar : {control<ui::ButtonBar>(mainWindow, "ToolBar1"),
                               control<ui::ButtonBar>(mainWindow, "ToolBar2")}) {
        bar->toggleViewAction()->trigger();
        EXPECT_TRUE(bar->isVisible());
        EXPECT_FALSE(bar->toggleViewAction()->isVisible());
    }
}

TEST_F(MainWindow, ToolbarWithoutCaptionsGetsButtonsOf22Pixels) {
    start();
    control<ui::ButtonBar>(mainWindow, "ToolBar1")->setShowCaptions(false);
    control<ui::ButtonBar>(mainWindow, "ToolBar1")->setButtonHeight(40);
    mainWindow->applyRestoredSettings();
    EXPECT_EQ(control<ui::ButtonBar>(mainWindow, "ToolBar1")->buttonHeight(), 22);
    EXPECT_EQ(mainWindow->findChild<QToolButton*>("ToolButton4")->height(), 22);
    EXPECT_EQ(mainWindow->findChild<QToolButton*>("ToolButton4")->toolButtonStyle(),
              Qt::ToolButtonIconOnly);
}

TEST_F(MainWindow, FirstRowOfTheDictionaryToolbarEndsAfterTheFourthButton) {
    start();
    const int firstRow = mainWindow->findChild<QToolButton*>("ToolButton4")->y();
    EXPECT_EQ(mainWindow->findChild<QToolButton*>("ToolButton14")->y(), firstRow);
    EXPECT_GT(mainWindow->findChild<QToolButton*>("ToolButton9")->y(), firstRow);
    EXPECT_GE(mainWindow->findChild<QToolButton*>("ToolButton13")->width(), 90);
}

TEST_F(MainWindow, EachRowOfTheDictionaryToolbarLaysOutItsOwnButtonsSizedToTheirCaptions) {
    start();
    // Captions of very different lengths, as the settings file gives them.
    control<QAction>(mainWindow, "acHlavniMesta")->setText("Hlavní města a státy");
    control<QAction>(mainWindow, "acOsobnosti")->setText("O");
    control<ui::ButtonBar>(mainWindow, "ToolBar1")->setShowCaptions(true);
    QCoreApplication::processEvents();
    const QStringList rows[] = {{"ToolButton4", "ToolButton1", "ToolButton3", "ToolButton14"},
                                {"ToolButton9", "ToolButton7", "ToolButton2", "ToolButton10"}};
    for (const QStringList& row : rows) {
        const QToolButton* previous = nullptr;
        for (const QString& name : row) {
            const auto* button = mainWindow->findChild<QToolButton*>(name);
            EXPECT_EQ(button->width(), button->sizeHint().width()) << name.toStdString();
            if (previous) {
                EXPECT_EQ(button->x(), previous->geometry().right() + 1) << name.toStdString();
                EXPECT_EQ(button->y(), previous->y()) << name.toStdString();
            }
            previous = button;
        }
    }
    EXPECT_LT(mainWindow->findChild<QToolButton*>("ToolButton7")->width(),
              mainWindow->findChild<QToolButton*>("ToolButton1")->width());
}

TEST_F(MainWindow, ReadErrorIsReportedAndTheProgramGoesOn) {
    auto texts = sortedDictionary(kMain);
    IndexImage index = completeIndex(texts);
    index.setSecond(2, 2, 'E', 500); // the PE run points past the end of the word file
    writeBytes(folder.file("hlavni.idx"), index.bytes());
    start();
    type("pe");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "I/O error 100.");
    EXPECT_EQ(boxes.shown[0].caption, "Zadrovec");
    EXPECT_FALSE(program->progressWindow().isVisible());
    EXPECT_FALSE(program->progressWindow().animation == nullptr);
    mainWindow->searchField()->setText("ha");
    EXPECT_EQ(found(), (QStringList{"HAFAN"}));
}

TEST_F(MainWindow, SpinEditCountsAnythingButANumberAsOne) {
    start();
    mainWindow->searchFromLetter()->setFocus();
    mainWindow->searchFromLetter()->selectAll();
    QTest::keyClicks(mainWindow->searchFromLetter(), "-a"); // a sign is taken, letters are refused
    EXPECT_EQ(mainWindow->searchFromLetter()->text(), "-");
    EXPECT_EQ(mainWindow->searchFromLetter()->currentValue(), 1);
    mainWindow->searchField()->setText("p");
    EXPECT_EQ(found(), (QStringList{"PAS", "PES", "PESEK", "PSÍK"}));
    // Leaving the field sets a value out of range to the nearer bound.
    mainWindow->searchFromLetter()->setFocus();
    mainWindow->searchFromLetter()->selectAll();
    QTest::keyClicks(mainWindow->searchFromLetter(), "70");
    EXPECT_EQ(mainWindow->searchFromLetter()->currentValue(), 70);
    mainWindow->searchField()->setFocus();
    EXPECT_EQ(mainWindow->searchFromLetter()->value(), 50);
}

TEST_F(MainWindow, TypedTextKeepsToTheCodePage) {
    start();
    mainWindow->searchFromLetter()->setValue(1);
    for (const QString& text : {QString("č"), QString("ж"), QString("ø"), QString("s")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(mainWindow->searchField(), &press);
    }
    EXPECT_EQ(mainWindow->searchField()->text(), "čs");
    mainWindow->searchField()->insert("жx");
    EXPECT_EQ(mainWindow->searchField()->text(), "čs");
}

class IconFiles : public MainWindow {
protected:
    void writeIcon(int n, int size) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(
            image.save(QString::fromStdString(folder.file(std::to_string(n) + ".ico")), "ICO"));
    }
    int imageIndex(QAction* action) const { return action->property("ImageIndex").toInt(); }
};

TEST_F(IconFiles, OnlyTheActionOfAPresentFileGetsANewImage) {
    writeIcon(3, 32);
    start();
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acChemickeZnacky")), 14);
    EXPECT_EQ(mainWindow->toolBarImages().count(), 15);
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acHlavni")), 5);
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acHlavniMesta")), 6);
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acPostavy")), 13);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(IconFiles, TooSmallIconEndsTheStepWithTheErrorReport) {
    writeIcon(1, 16);
    writeIcon(2, 8);
    writeIcon(4, 16);
    start();
    EXPECT_EQ(boxes.texts(), QStringList{"Invalid image size."});
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acHlavni")), 14);
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acHlavniMesta")), 6);
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acMeny")),
              8); // after the bad one: not loaded
    EXPECT_TRUE(mainWindow->isVisible());
}

TEST_F(IconFiles, AFolderNamedLikeAnIconFileIsSkippedLikeAMissingFile) {
    std::filesystem::create_directory(folder.path() / "5.ico");
    writeIcon(7, 32);
    start();
    EXPECT_TRUE(boxes.shown.empty()) << boxes.texts().join(' ').toStdString();
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acMPZSPZ")), 9);
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acOznaceniLetadel")),
              14); // the icon after it is loaded
}

TEST_F(IconFiles, FileThatIsNoIconEndsTheStep) {
    writeBytes(folder.file("9.ico"), "not an icon at all");
    start();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(imageIndex(control<QAction>(mainWindow, "acPostavy")), 13);
}

TEST_F(MainWindow, HelpPageOpensOnF1AndAMissingOneSaysNothing) {
    start();
    press(mainWindow, Qt::Key_F1);
    EXPECT_EQ(mainWindow->findChild<QWidget*>("HelpWindow"), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
    writeBytes(folder.file("zadrov.html"), "<html><body><h1>N\xe1pov\xec"
                                           "da</h1></body></html>");
    press(mainWindow, Qt::Key_F1);
    auto* help = mainWindow->findChild<QWidget*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal()); // the main window goes on working
}

TEST_F(MainWindow, EndCommandClosesTheWindowAndTheDictionary) {
    start();
    ASSERT_TRUE(program->dictionary().filesOpen());
    control<QAction>(mainWindow, "acKonec")->trigger();
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_FALSE(program->dictionary().filesOpen());
}
