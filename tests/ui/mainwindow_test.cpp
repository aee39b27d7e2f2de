// The main window driven as a user would: typing, keys, clicks, then the lists and the status.
#include "Unit1.h"
#include "Unit5.h"
#include "buttonbar.h"
#include "controls.h"
#include "guitest.h"
#include "listbox.h"
#include "qtext.h"
#include "spinedit.h"

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

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

const std::vector<std::string> kMain = {"HAFAN@PES;",      "PAS@DOKLAD;",     cp("PES@HAFAN;ČOKL;"),
                                        cp("PESEK@PSÍK;"), cp("PSÍK@PESEK;"), cp("ČOKL@PES;"),
                                        "PES@VOLEK;"};

class MainWindow : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedBoxes boxes;
    std::unique_ptr<ui::Program> program;
    ui::TForm1* form = nullptr;
    int progressShown = 0;

    void SetUp() override {
        writeDictionary(folder, "hlavni", sortedDictionary(kMain));
        // The auxiliary dictionaries hold n + 1 words each, so their counts tell them apart.
        for (std::size_t n = 1; n < DictionaryName.size(); ++n) {
            std::vector<std::string> words;
            for (std::size_t k = 0; k <= n; ++k)
                words.push_back("X" + std::string(1, static_cast<char>('A' + k)) + "@M" +
                                std::to_string(n) + ";");
            writeDictionary(folder, DictionaryName[n], sortedDictionary(words));
        }
    }

    void start() {
        program = std::make_unique<ui::Program>(QString::fromStdString(folder.path().string()));
        form = &program->mainWindow();
        QObject::connect(&program->progressWindow(), &ui::TForm5::shown,
                         [this] { ++progressShown; });
        form->show();
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }

    void type(const QString& text) { QTest::keyClicks(form->Edit1, text); }
    void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(widget, key, mods);
    }
    QStringList found() const { return items(form->ListBox1->items()); }
    QStringList meanings() const { return items(form->ListBox4->items()); }
    QString status() const { return form->StatusPanel0->text(); }
    bool allListsEmpty() const {
        return form->ListBox1->items().empty() && form->ListBox2.empty() &&
               form->ListBox4->items().empty() && form->ListBox5.empty();
    }
    void searchOnEnterOnly() {
        form->Edit1->setTag(1);
        form->FormStorage1RestorePlacement();
    }
};

} // namespace

TEST_F(MainWindow, StartsOnTheMainDictionarySearchingAsTyped) {
    start();
    EXPECT_EQ(form->windowTitle(), "Zadrovec");
    EXPECT_TRUE(form->acHlavni->isChecked());
    EXPECT_EQ(status(), "Počet slov: 7");
    EXPECT_TRUE(form->SearchImmediately);
    EXPECT_EQ(form->SpinEdit1->value(), 2);
    EXPECT_TRUE(form->Edit1->hasFocus());
    EXPECT_TRUE(form->Cesta_k_uzivatelskemu_slovniku->text().isEmpty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindow, MinimumLengthEmptiesTheListsWithoutSearching) {
    start();
    type("pe");
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));
    EXPECT_EQ(meanings(), (QStringList{"ČOKL", "HAFAN", "VOLEK"}));
    EXPECT_EQ(form->ListBox1->itemIndex(), -1);
    EXPECT_EQ(progressShown, 1);
    EXPECT_FALSE(program->progressWindow().isVisible());

    press(form->Edit1, Qt::Key_Backspace);
    EXPECT_TRUE(allListsEmpty());
    EXPECT_EQ(progressShown, 1); // no search below the minimum
    EXPECT_EQ(form->Edit1->text(), "p");

    form->SpinEdit1->setValue(1);
    type("s");
    EXPECT_EQ(found(), (QStringList{"PSÍK"}));
}

TEST_F(MainWindow, EnterSearchesWhenTypingDoesNot) {
    start();
    searchOnEnterOnly();
    EXPECT_FALSE(form->SearchImmediately);
    type("pes");
    EXPECT_TRUE(allListsEmpty());
    EXPECT_EQ(progressShown, 0);
    press(form->Edit1, Qt::Key_Return);
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));
    // Typing keeps the lists; Enter on one character applies the minimum.
    form->Edit1->setText("h");
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));
    press(form->Edit1, Qt::Key_Enter);
    EXPECT_TRUE(allListsEmpty());
}

TEST_F(MainWindow, EnterSearchesAgainWhenSearchingAsTyped) {
    start();
    type("pa");
    EXPECT_EQ(progressShown, 1);
    press(form->Edit1, Qt::Key_Return);
    EXPECT_EQ(progressShown, 2);
    EXPECT_EQ(found(), (QStringList{"PAS"}));
}

TEST_F(MainWindow, ChoosingAHeadwordShowsItsMeanings) {
    start();
    type("pe");
    form->ListBox1->setFocus();
    press(form->ListBox1, Qt::Key_Down); // the first row becomes current and selected
    press(form->ListBox1, Qt::Key_Down);
    EXPECT_EQ(form->ListBox1->itemIndex(), 1);
    EXPECT_EQ(meanings(), (QStringList{"PSÍK"}));
    const QRect first = form->ListBox1->visualRect(form->ListBox1->model()->index(0, 0));
    QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(meanings(), (QStringList{"ČOKL", "HAFAN", "VOLEK"}));
}

TEST_F(MainWindow, MeaningBecomesTheSearchTextByDoubleClickOrEnter) {
    start();
    type("pes");
    ASSERT_EQ(meanings(), (QStringList{"ČOKL", "HAFAN", "VOLEK"}));
    // Enter with no row selected changes nothing.
    form->ListBox4->setFocus();
    form->ListBox4->setItemIndex(-1);
    press(form->ListBox4, Qt::Key_Return);
    EXPECT_EQ(form->Edit1->text(), "pes");

    const QRect hafan = form->ListBox4->visualRect(form->ListBox4->model()->index(1, 0));
    QTest::mouseClick(form->ListBox4->viewport(), Qt::LeftButton, {}, hafan.center());
    QTest::mouseDClick(form->ListBox4->viewport(), Qt::LeftButton, {}, hafan.center());
    EXPECT_EQ(form->Edit1->text(), "HAFAN");
    EXPECT_EQ(found(), (QStringList{"HAFAN"}));
    EXPECT_EQ(meanings(), (QStringList{"PES"}));
    EXPECT_TRUE(form->ListBox4->hasFocus());

    form->ListBox4->setCurrentIndex(form->ListBox4->model()->index(0, 0));
    press(form->ListBox4, Qt::Key_Return);
    EXPECT_EQ(form->Edit1->text(), "PES");
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));
}

TEST_F(MainWindow, EveryDictionarySwitchEmptiesTheListsAndKeepsTheField) {
    start();
    const std::vector<std::pair<QAction*, Qt::Key>> switches = {
        {form->acHlavniMesta, Qt::Key_F3}, {form->acChemickeZnacky, Qt::Key_F4},
        {form->acMeny, Qt::Key_F5},        {form->acMPZSPZ, Qt::Key_F6},
        {form->acOsobnosti, Qt::Key_F7},   {form->acOznaceniLetadel, Qt::Key_F8},
        {form->acPodniky, Qt::Key_F9},     {form->acHlavni, Qt::Key_F2}};
    int words = 2;
    for (const auto& [action, key] : switches) {
        type("x");
        form->Edit1->setText("xa");
        press(form, key);
        EXPECT_TRUE(action->isChecked()) << action->objectName().toStdString();
        EXPECT_TRUE(allListsEmpty());
        EXPECT_EQ(form->Edit1->text(), "xa");
        EXPECT_EQ(status(), action == form->acHlavni ? QString("Počet slov: 7")
                                                     : QString("Počet slov: %1").arg(words++));
    }
    // The next change searches the dictionary now open.
    press(form, Qt::Key_F5);
    form->Edit1->setText("xb");
    EXPECT_EQ(found(), (QStringList{"XB"}));
    EXPECT_EQ(meanings(), (QStringList{"M3"}));
    // The current dictionary's button pressed again stays down, reopens, empties the lists.
    auto* button = form->ToolBar1->findChild<QToolButton*>("ToolButton14");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(form->acMeny->isChecked());
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
    press(form->Edit1, Qt::Key_Return);
    EXPECT_TRUE(allListsEmpty());
    EXPECT_EQ(progressShown, 0);
    // Another dictionary opens and searching works again.
    press(form, Qt::Key_F3);
    EXPECT_EQ(status(), "Počet slov: 2");
    form->Edit1->setText("xa");
    EXPECT_EQ(found(), (QStringList{"XA"}));
}

TEST_F(MainWindow, UserDictionaryCommandIsDisabled) {
    start();
    EXPECT_FALSE(form->acUziv->isEnabled());
    EXPECT_FALSE(form->findChild<QToolButton*>("ToolButton8")->isEnabled());
    EXPECT_FALSE(form->findChild<QAction*>("Uivatelsk1")->isEnabled());
    press(form, Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_TRUE(form->acHlavni->isChecked());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindow, ActionsCarryTheirCaptionsHintsAndShortcuts) {
    start();
    EXPECT_EQ(form->acHledej->toolTip(), "Hledat výraz");
    EXPECT_EQ(form->acHledej->property("Hint").toString(),
              "Hledat výraz|Vyhledá výraz ve všech slovnících");
    EXPECT_EQ(form->acHledej->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(form->acPostavy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F9));
    EXPECT_EQ(form->acKonec->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    EXPECT_EQ(form->acPodniky->text(), "Pomocný 7");
    EXPECT_EQ(form->acOznaceniLetadel->toolTip(), "Označení letadel");
    // Menu items follow their actions, check mark included.
    auto* item = form->findChild<QAction*>("Mny1");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isChecked());
    press(form, Qt::Key_F5);
    EXPECT_TRUE(item->isChecked());
    EXPECT_FALSE(form->findChild<QAction*>("Hlavn1")->isChecked());
    form->findChild<QAction*>("Hlavn1")->trigger();
    EXPECT_TRUE(form->acHlavni->isChecked());
    EXPECT_EQ(status(), "Počet slov: 7");
}

TEST_F(MainWindow, ToolbarMenusMoveAndRestyleTheirToolbar) {
    start();
    auto* dole = form->PopupToolMenu->findChild<QAction*>("Dole1");
    ASSERT_NE(dole, nullptr);
    dole->trigger();
    EXPECT_EQ(form->toolBarArea(form->ToolBar1), Qt::BottomToolBarArea);
    EXPECT_TRUE(dole->isChecked());
    EXPECT_FALSE(form->PopupToolMenu->findChild<QAction*>("Nahoe1")->isChecked());
    EXPECT_EQ(form->toolBarArea(form->ToolBar2), Qt::TopToolBarArea);

    form->PopupToolMenu2->findChild<QAction*>("Vlevo2")->trigger();
    EXPECT_EQ(form->toolBarArea(form->ToolBar2), Qt::LeftToolBarArea);
    EXPECT_EQ(form->ToolBar2->orientation(), Qt::Vertical);

    form->PopupToolMenu2->findChild<QAction*>("Popiskypodikonama2")->trigger();
    EXPECT_FALSE(form->ToolBar2->list());
    EXPECT_TRUE(form->PopupToolMenu2->findChild<QAction*>("Popiskypodikonama2")->isChecked());
    EXPECT_FALSE(form->PopupToolMenu2->findChild<QAction*>("Popiskyvedleikon2")->isChecked());
    EXPECT_EQ(form->findChild<QToolButton*>("ToolButton13")->toolButtonStyle(),
              Qt::ToolButtonTextUnderIcon);
    EXPECT_TRUE(form->ToolBar1->list()); // the other toolbar keeps its style
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
    EXPECT_EQ(rightClick(form->menuBar(), QPoint(form->menuBar()->width() - 2, 2)), nullptr);
    QWidget* buttons1 = form->findChild<QToolButton*>("ToolButton4")->parentWidget();
    EXPECT_EQ(rightClick(buttons1, QPoint(buttons1->width() - 1, buttons1->height() - 1)),
              form->PopupToolMenu);
    EXPECT_EQ(rightClick(form->findChild<QToolButton*>("ToolButton11"), QPoint(2, 2)),
              form->PopupToolMenu2);
    EXPECT_EQ(rightClick(form->ToolBar2, QPoint(form->ToolBar2->width() - 1, 1)),
              form->PopupToolMenu2);
    // Beside the toolbars, in their lines.
    const QPoint besideToolBar1(form->width() - 2, form->ToolBar1->geometry().center().y());
    EXPECT_EQ(rightClick(form, besideToolBar1), nullptr);

    for (ui::ButtonBar* bar : {form->ToolBar1, form->ToolBar2}) {
        bar->toggleViewAction()->trigger();
        EXPECT_TRUE(bar->isVisible());
        EXPECT_FALSE(bar->toggleViewAction()->isVisible());
    }
}

TEST_F(MainWindow, ToolbarWithoutCaptionsGetsButtonsOf22Pixels) {
    start();
    form->ToolBar1->setShowCaptions(false);
    form->ToolBar1->setButtonHeight(40);
    form->FormStorage1RestorePlacement();
    EXPECT_EQ(form->ToolBar1->buttonHeight(), 22);
    EXPECT_EQ(form->findChild<QToolButton*>("ToolButton4")->height(), 22);
    EXPECT_EQ(form->findChild<QToolButton*>("ToolButton4")->toolButtonStyle(),
              Qt::ToolButtonIconOnly);
}

TEST_F(MainWindow, FirstRowOfTheDictionaryToolbarEndsAfterTheFourthButton) {
    start();
    const int firstRow = form->findChild<QToolButton*>("ToolButton4")->y();
    EXPECT_EQ(form->findChild<QToolButton*>("ToolButton14")->y(), firstRow);
    EXPECT_GT(form->findChild<QToolButton*>("ToolButton9")->y(), firstRow);
    EXPECT_GE(form->findChild<QToolButton*>("ToolButton13")->width(), 90);
}

TEST_F(MainWindow, EachRowOfTheDictionaryToolbarLaysOutItsOwnButtonsSizedToTheirCaptions) {
    start();
    // Captions of very different lengths, as the settings file gives them.
    form->acHlavniMesta->setText("Hlavní města a státy");
    form->acOsobnosti->setText("O");
    form->ToolBar1->setShowCaptions(true);
    QCoreApplication::processEvents();
    const QStringList rows[] = {{"ToolButton4", "ToolButton1", "ToolButton3", "ToolButton14"},
                                {"ToolButton9", "ToolButton7", "ToolButton2", "ToolButton10"}};
    for (const QStringList& row : rows) {
        const QToolButton* previous = nullptr;
        for (const QString& name : row) {
            const auto* button = form->findChild<QToolButton*>(name);
            EXPECT_EQ(button->width(), button->sizeHint().width()) << name.toStdString();
            if (previous) {
                EXPECT_EQ(button->x(), previous->geometry().right() + 1) << name.toStdString();
                EXPECT_EQ(button->y(), previous->y()) << name.toStdString();
            }
            previous = button;
        }
    }
    EXPECT_LT(form->findChild<QToolButton*>("ToolButton7")->width(),
              form->findChild<QToolButton*>("ToolButton1")->width());
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
    EXPECT_FALSE(program->progressWindow().Animate1 == nullptr);
    form->Edit1->setText("ha");
    EXPECT_EQ(found(), (QStringList{"HAFAN"}));
}

TEST_F(MainWindow, SpinEditCountsAnythingButANumberAsOne) {
    start();
    form->SpinEdit1->setFocus();
    form->SpinEdit1->selectAll();
    QTest::keyClicks(form->SpinEdit1, "-a"); // a sign is taken, letters are refused
    EXPECT_EQ(form->SpinEdit1->text(), "-");
    EXPECT_EQ(form->SpinEdit1->currentValue(), 1);
    form->Edit1->setText("p");
    EXPECT_EQ(found(), (QStringList{"PAS", "PES", "PESEK", "PSÍK"}));
    // Leaving the field sets a value out of range to the nearer bound.
    form->SpinEdit1->setFocus();
    form->SpinEdit1->selectAll();
    QTest::keyClicks(form->SpinEdit1, "70");
    EXPECT_EQ(form->SpinEdit1->currentValue(), 70);
    form->Edit1->setFocus();
    EXPECT_EQ(form->SpinEdit1->value(), 50);
}

TEST_F(MainWindow, TypedTextKeepsToTheCodePage) {
    start();
    form->SpinEdit1->setValue(1);
    for (const QString& text : {QString("č"), QString("ж"), QString("ø"), QString("s")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(form->Edit1, &press);
    }
    EXPECT_EQ(form->Edit1->text(), "čs");
    form->Edit1->insert("жx");
    EXPECT_EQ(form->Edit1->text(), "čs");
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
    EXPECT_EQ(imageIndex(form->acChemickeZnacky), 14);
    EXPECT_EQ(form->ImageList1.count(), 15);
    EXPECT_EQ(imageIndex(form->acHlavni), 5);
    EXPECT_EQ(imageIndex(form->acHlavniMesta), 6);
    EXPECT_EQ(imageIndex(form->acPostavy), 13);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(IconFiles, TooSmallIconEndsTheStepWithTheErrorReport) {
    writeIcon(1, 16);
    writeIcon(2, 8);
    writeIcon(4, 16);
    start();
    EXPECT_EQ(boxes.texts(), QStringList{"Invalid image size."});
    EXPECT_EQ(imageIndex(form->acHlavni), 14);
    EXPECT_EQ(imageIndex(form->acHlavniMesta), 6);
    EXPECT_EQ(imageIndex(form->acMeny), 8); // after the bad one: not loaded
    EXPECT_TRUE(form->isVisible());
}

TEST_F(IconFiles, AFolderNamedLikeAnIconFileIsSkippedLikeAMissingFile) {
    std::filesystem::create_directory(folder.path() / "5.ico");
    writeIcon(7, 32);
    start();
    EXPECT_TRUE(boxes.shown.empty()) << boxes.texts().join(' ').toStdString();
    EXPECT_EQ(imageIndex(form->acMPZSPZ), 9);
    EXPECT_EQ(imageIndex(form->acOznaceniLetadel), 14); // the icon after it is loaded
}

TEST_F(IconFiles, FileThatIsNoIconEndsTheStep) {
    writeBytes(folder.file("9.ico"), "not an icon at all");
    start();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(imageIndex(form->acPostavy), 13);
}

TEST_F(MainWindow, HelpPageOpensOnF1AndAMissingOneSaysNothing) {
    start();
    press(form, Qt::Key_F1);
    EXPECT_EQ(form->findChild<QWidget*>("HelpWindow"), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
    writeBytes(folder.file("zadrov.html"), "<html><body><h1>N\xe1pov\xec"
                                           "da</h1></body></html>");
    press(form, Qt::Key_F1);
    auto* help = form->findChild<QWidget*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal()); // the main window goes on working
}

TEST_F(MainWindow, EndCommandClosesTheWindowAndTheDictionary) {
    start();
    ASSERT_TRUE(program->dictionary().words.isOpen());
    form->acKonec->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(program->dictionary().words.isOpen());
    EXPECT_FALSE(program->dictionary().index.isOpen());
}
