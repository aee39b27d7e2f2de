// The window "Luštění" driven as a user would: opened with Ctrl+L, typed into, browsed with the
// keyboard, and its choices kept in a section of the settings file.
#include "tests/ui/guitest.h"
#include "ui/mainwindow.h"
#include "ui/solverwindow.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/listbox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

// Each group as "caption: answer (dictionaries), ...".
QStringList listed(const QTreeWidget* tree) {
    QStringList rows;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree->topLevelItem(g);
        QStringList answers;
        for (int a = 0; a < group->childCount(); ++a)
            answers << group->child(a)->text(0) + " (" + group->child(a)->text(1) + ")";
        rows << group->text(0) + " | " + answers.join(", ");
    }
    return rows;
}

QStringList column(const QTreeWidget* tree) {
    QStringList rows;
    for (int r = 0; r < tree->topLevelItemCount(); ++r)
        rows << tree->topLevelItem(r)->text(0) + " (" + tree->topLevelItem(r)->text(1) + ")";
    return rows;
}

class SolverWindowTest : public ProgramTest {
protected:
    ui::SolverWindow* solverWindow = nullptr;

    void SetUp() override {
        writeDictionary(folder, "hlavni",
                        sortedDictionary({cp("HERKA@kobyla;stará herka;"), cp("KŮŇ@hřebec;kobyla;"),
                                          cp("KUN@lesní šelma;"), cp("PES@hafan;")}));
        writeDictionary(folder, "mesta", sortedDictionary({cp("KOBYLA@herka;")}));
    }
    // Opens the window; the answers are then there unless told not to wait for them.
    void open(bool waitForThem = true) {
        QTest::keyClick(mainWindow, Qt::Key_L, Qt::ControlModifier);
        solverWindow = mainWindow->solverWindow();
        ASSERT_NE(solverWindow, nullptr);
        ASSERT_TRUE(solverWindow->isVisible());
        QApplication::setActiveWindow(solverWindow);
        ASSERT_TRUE(QTest::qWaitForWindowActive(solverWindow));
        if (waitForThem) waitForAnswers();
    }
    void waitForAnswers() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return solverWindow->answersReady(); }));
    }
    // The window's own section of the settings file, as written.
    std::string ownSection() const {
        const std::string written = ini();
        const auto at = written.find("[" + cp("Okno luštění") + "]\r\n");
        if (at == std::string::npos) return {};
        const auto end = written.find("\r\n[", at + 1);
        return written.substr(at, end == std::string::npos ? end : end + 2 - at);
    }
};

} // namespace

TEST_F(SolverWindowTest, OpensOnlyWhenAskedAndListsAsTheUserTypes) {
    start();
    EXPECT_EQ(mainWindow->solverWindow(), nullptr); // nothing read at start-up
    EXPECT_EQ(control<QAction>(mainWindow, "acLusteni")->text(), "&Luštění...");
    open(false);
    EXPECT_EQ(solverWindow->windowTitle(), "Luštění");
    EXPECT_EQ(QApplication::focusWidget(), solverWindow->patternEdit);
    // Typed while the answers are still being read: kept, and answered once they are there.
    QTest::keyClicks(solverWindow->patternEdit, "k?n");
    waitForAnswers();
    EXPECT_EQ(listed(solverWindow->answersTree),
              QStringList{"3 políčka: 2 | KUN (Hlavní), KŮŇ (Hlavní)"});
    EXPECT_EQ(solverWindow->selectedAnswer(), "KUN");
    // The clues of every answer of these squares, as zadrovec-cli clues gives them.
    EXPECT_EQ(column(solverWindow->cluesTree),
              (QStringList{"HŘEBEC (Hlavní)", "KOBYLA (Hlavní)", "LESNÍ ŠELMA (Hlavní)"}));
    // Both lists have a current row, for the focus to be seen when it comes to them.
    EXPECT_EQ(solverWindow->cluesTree->currentItem(), solverWindow->cluesTree->topLevelItem(0));
    QTest::keyClick(solverWindow->patternEdit, Qt::Key_Backspace);
    QTest::keyClicks(solverWindow->patternEdit, "*");
    EXPECT_EQ(listed(solverWindow->answersTree),
              (QStringList{"3 políčka: 2 | KUN (Hlavní), KŮŇ (Hlavní)",
                           "6 políček: 1 | KOBYLA (Hlavní, Hlavní města)"}));
    EXPECT_EQ(solverWindow->selectedAnswer(), "KUN"); // refilled: a current row again
    QTest::keyClicks(solverWindow->patternEdit, "1");
    EXPECT_EQ(solverWindow->answersTree->topLevelItemCount(), 0);
    EXPECT_EQ(solverWindow->statusLabel->text(), "Vzor: číslice „1“, odpovědi mají jen písmena");
    EXPECT_TRUE(boxes.shown.empty()); // six missing dictionaries, and no box about them
}

TEST_F(SolverWindowTest, WhatCannotBeAskedIsToldInCzechNamingItsField) {
    start();
    open();
    struct Row {
        int kind;
        const char* pattern;
        const char* length;
        const char* exclude;
        const char* clue;
        QString said;
        bool quiet; // an unfinished text, said as no error
    };
    // What each problem says is the table of problemtext_test; here the window's part of it.
    const Row rows[] = {
        {0, "[ab", "", "", "", "Vzor: nedokončená množina [ ]", true},
        {1, "ab1", "", "", "", "Písmena: jen písmena a ?, ne „1“", false},
        {0, "k*", "4-", "", "", "Délka: nedokončený rozsah 4-", true},
        {0, "", "", "", "k?[", "Legenda: nedokončená množina [ ]", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.said.toStdString());
        solverWindow->kindCombo->setCurrentIndex(row.kind);
        solverWindow->lengthEdit->setText(row.length);
        solverWindow->excludeEdit->setText(row.exclude);
        solverWindow->clueEdit->setText(row.clue);
        solverWindow->patternEdit->clear();
        // Typed key by key: no keystroke on the way says more than the end does.
        for (const char c : std::string(row.pattern)) {
            QTest::keyClicks(solverWindow->patternEdit, QString(c));
            if (row.quiet) {
                EXPECT_NE(solverWindow->statusLabel->foregroundRole(), QPalette::WindowText)
                    << solverWindow->statusLabel->text().toStdString();
            }
        }
        EXPECT_EQ(solverWindow->statusLabel->text(), row.said);
        EXPECT_EQ(solverWindow->statusLabel->foregroundRole() == QPalette::PlaceholderText,
                  row.quiet);
        EXPECT_EQ(solverWindow->answersTree->topLevelItemCount(), 0);
    }
    // A set finished answers at once, and the line is an ordinary one again.
    for (QLineEdit* field : {solverWindow->patternEdit, solverWindow->lengthEdit,
                             solverWindow->excludeEdit, solverWindow->clueEdit})
        field->clear();
    QTest::keyClicks(solverWindow->patternEdit, "k[uo]n");
    EXPECT_EQ(solverWindow->answersTree->topLevelItemCount(), 1);
    EXPECT_EQ(solverWindow->statusLabel->text(), "Odpovědí: 2");
    EXPECT_EQ(solverWindow->statusLabel->foregroundRole(), QPalette::WindowText);
}

TEST_F(SolverWindowTest, AQuestionWithoutAnswersSaysWhichFieldLeftNone) {
    start();
    open();
    struct Row {
        int kind;
        const char* pattern;
        const char* length;
        const char* exclude;
        const char* clue;
        QString said;
    };
    const Row rows[] = {
        // The fields contradict each other (every contradiction: problemtext_test).
        {0, "herka", "4", "", "", "Vzor má 5 políček, Délka je 4."},
        // A filter leaves none of the answers there are.
        {0, "h*", "3", "", "", "Žádná odpověď: pole Délka vyřadilo všechny (3)."},
        {0, "k*", "", "uo", "", "Žádná odpověď: pole Vyloučit písmena vyřadilo všechny (3)."},
        {0, "pes", "", "", "kobyla", "Žádná odpověď: pole Legenda vyřadilo všechny (1)."},
        {0, "*a", "4", "kl", "",
         "Žádná odpověď: pole Délka a Vyloučit písmena spolu vyřadila všechny (4)."},
        // There is simply none.
        {0, "xyz", "", "", "", "Žádná odpověď."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.said.toStdString());
        solverWindow->patternEdit->clear();
        solverWindow->kindCombo->setCurrentIndex(row.kind);
        solverWindow->lengthEdit->setText(row.length);
        solverWindow->excludeEdit->setText(row.exclude);
        solverWindow->clueEdit->setText(row.clue);
        solverWindow->patternEdit->setText(row.pattern);
        EXPECT_EQ(solverWindow->answersTree->topLevelItemCount(), 0);
        EXPECT_EQ(solverWindow->statusLabel->text(), row.said);
    }
}

TEST_F(SolverWindowTest, AMessageNeverChangesTheWindowsSize) {
    start();
    open();
    const QSize size = solverWindow->size();
    QTest::keyClicks(solverWindow->patternEdit, "k*");
    QTest::keyClicks(solverWindow->lengthEdit, QString(150, '7'));
    QTest::keyClicks(solverWindow->excludeEdit, "1");
    QCoreApplication::processEvents();
    EXPECT_EQ(solverWindow->size(), size);

    // At the least width the window has, a message longer than the line is cut, whole in the
    // tooltip; given room again, it is shown whole.
    solverWindow->resize(solverWindow->minimumSizeHint());
    const QSize narrow = solverWindow->size();
    solverWindow->excludeEdit->clear();
    solverWindow->lengthEdit->setText("x");
    QCoreApplication::processEvents();
    const QString message = "Délka: počet políček, např. 5, nebo rozsah, např. 4-6";
    ASSERT_GT(solverWindow->statusLabel->fontMetrics().horizontalAdvance(message),
              solverWindow->statusLabel->width());
    EXPECT_EQ(solverWindow->size(), narrow);
    EXPECT_EQ(solverWindow->statusLabel->toolTip(), message);
    EXPECT_TRUE(solverWindow->statusLabel->text().endsWith("…"))
        << solverWindow->statusLabel->text().toStdString();
    EXPECT_LE(solverWindow->statusLabel->sizeHint().width(), solverWindow->statusLabel->width());
    solverWindow->resize(size);
    QCoreApplication::processEvents();
    EXPECT_EQ(solverWindow->statusLabel->text(), message);
    EXPECT_EQ(solverWindow->statusLabel->toolTip(), "");
}

TEST_F(SolverWindowTest, KindsCluesAndOptionsFromTheKeyboard) {
    start();
    open();
    QTest::keyClicks(solverWindow->patternEdit, "ekrha");
    EXPECT_EQ(solverWindow->answersTree->topLevelItemCount(), 0);
    QTest::keyClick(solverWindow->patternEdit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), solverWindow->kindCombo);
    QTest::keyClick(solverWindow->kindCombo, Qt::Key_Down); // Přesmyčka
    EXPECT_EQ(listed(solverWindow->answersTree),
              QStringList{"5 políček: 1 | HERKA (Hlavní, Hlavní města)"});
    EXPECT_EQ(column(solverWindow->cluesTree),
              (QStringList{"KOBYLA (Hlavní, Hlavní města)", "STARÁ HERKA (Hlavní)"}));

    QTest::keyClick(solverWindow->kindCombo, Qt::Key_Up); // back to Vzor
    solverWindow->patternEdit->clear();
    QTest::keyClick(solverWindow->kindCombo, Qt::Key_Tab);
    QTest::keyClicks(solverWindow->clueEdit, "kobyla");
    // A legend: its answers, and one step further the answers of those.
    EXPECT_EQ(
        listed(solverWindow->answersTree),
        (QStringList{"3 políčka: 1 | KŮŇ (Hlavní)", "5 políček: 1 | HERKA (Hlavní, Hlavní města)",
                     "6 políček: 1 | HŘEBEC (Hlavní)", "10 políček: 1 | STARÁ HERKA (Hlavní)"}));
    QTest::keyClick(solverWindow->clueEdit, Qt::Key_Tab);
    QTest::keyClicks(solverWindow->lengthEdit, "5");
    EXPECT_EQ(listed(solverWindow->answersTree),
              QStringList{"5 políček: 1 | HERKA (Hlavní, Hlavní města)"});
    solverWindow->lengthEdit->clear();
    QTest::keyClick(solverWindow->lengthEdit, Qt::Key_Tab);
    QTest::keyClick(solverWindow->excludeEdit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), solverWindow->strictCheck);
    QTest::keyClick(solverWindow->strictCheck, Qt::Key_Space);
    EXPECT_TRUE(solverWindow->strictCheck->isChecked());

    // Enter takes the focus to the answers; the arrows move through them; Ctrl+C copies one.
    QTest::keyClick(solverWindow->clueEdit, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), solverWindow->answersTree);
    EXPECT_EQ(solverWindow->selectedAnswer(), "KŮŇ");
    QTest::keyClick(solverWindow->answersTree, Qt::Key_Up); // no stop on the group lines
    EXPECT_EQ(solverWindow->selectedAnswer(), "KŮŇ");
    QTest::keyClick(solverWindow->answersTree, Qt::Key_End);
    EXPECT_EQ(solverWindow->selectedAnswer(), "STARÁ HERKA");
    QTest::keyClick(solverWindow->answersTree, Qt::Key_Home);
    EXPECT_EQ(solverWindow->selectedAnswer(), "KŮŇ");
    QTest::keyClick(solverWindow->answersTree, Qt::Key_Down); // past the group line of 5
    EXPECT_EQ(solverWindow->selectedAnswer(), "HERKA");
    QApplication::clipboard()->clear();
    QTest::keyClick(solverWindow->answersTree, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "HERKA");
    QTest::keyClick(solverWindow->answersTree, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "HERKA\tKOBYLA"); // with its first clue
    QTest::keyClick(solverWindow->answersTree, Qt::Key_Escape);
    EXPECT_FALSE(solverWindow->isVisible());
}

TEST_F(SolverWindowTest, AnAnswerIsLookedUpInTheMainWindowInTheFirstOfItsDictionaries) {
    writeDictionary(folder, "osobnost", sortedDictionary({cp("HAVEL@prezident;")}));
    writeDictionary(folder, "cizi", sortedDictionary({cp("AMIGO@přítel;")}));
    start();
    open();
    struct Row {
        const char* pattern;
        bool doubleClick;     // else Enter
        QString dictionaries; // as the list names them
        QAction* dictionary;
        bool found; // the main window lists it
    };
    const Row rows[] = {
        {"havel", true, "Osobnosti", control<QAction>(mainWindow, "acOsobnosti"), true},
        {"k?n", false, "Hlavní", control<QAction>(mainWindow, "acHlavni"), true},
        {"amigo", false, "Cizí slova", control<QAction>(mainWindow, "acHlavni"),
         false}, // the main one
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pattern);
        QApplication::setActiveWindow(solverWindow);
        ASSERT_TRUE(QTest::qWaitForWindowActive(solverWindow));
        solverWindow->patternEdit->setText(row.pattern);
        QTest::keyClick(solverWindow->patternEdit, Qt::Key_Return);
        const QString answer = solverWindow->selectedAnswer();
        ASSERT_FALSE(answer.isEmpty());
        EXPECT_EQ(solverWindow->answersTree->currentItem()->text(1), row.dictionaries);
        if (row.doubleClick) {
            const QRect at =
                solverWindow->answersTree->visualItemRect(solverWindow->answersTree->currentItem());
            QTest::mouseClick(solverWindow->answersTree->viewport(), Qt::LeftButton, {},
                              at.center());
            QTest::mouseDClick(solverWindow->answersTree->viewport(), Qt::LeftButton, {},
                               at.center());
        } else {
            QTest::keyClick(solverWindow->answersTree, Qt::Key_Return);
        }
        EXPECT_TRUE(row.dictionary->isChecked());
        EXPECT_EQ(mainWindow->searchField()->text(), answer);
        EXPECT_EQ(found().contains(answer), row.found);
        EXPECT_TRUE(QTest::qWaitForWindowActive(mainWindow));
        EXPECT_EQ(mainWindow->focusWidget(), mainWindow->searchField());
    }
}

TEST_F(SolverWindowTest, ChoicesAndPlacementInASectionOfTheirOwn) {
    writeDictionary(folder, "osobnost", sortedDictionary({cp("HAVEL@prezident;")}));
    start();
    open();
    // Best first unless asked otherwise: here the main dictionary before the others.
    QTest::keyClicks(solverWindow->patternEdit, "h????");
    EXPECT_EQ(listed(solverWindow->answersTree),
              QStringList{"5 políček: 3 | HAFAN (Hlavní), HERKA (Hlavní, Hlavní města), "
                          "HAVEL (Osobnosti)"});
    solverWindow->orderCombo->setCurrentIndex(1);
    EXPECT_EQ(solverWindow->orderCombo->currentText(), "abecedně");
    EXPECT_EQ(listed(solverWindow->answersTree),
              QStringList{"5 políček: 3 | HAFAN (Hlavní), HAVEL (Osobnosti), "
                          "HERKA (Hlavní, Hlavní města)"});
    solverWindow->patternEdit->clear();
    QTest::keyClick(solverWindow->kindCombo, Qt::Key_Down);
    QTest::keyClicks(solverWindow->lengthEdit, "4-6");
    QTest::keyClicks(solverWindow->excludeEdit, "xy");
    solverWindow->chCheck->setChecked(true);
    solverWindow->setGeometry(40, 50, 600, 500);
    QCoreApplication::processEvents();
    solverWindow->splitter->setProperty("CluesHeight", 150); // as dragged
    solverWindow->close();
    const std::string section = "[" + cp("Okno luštění") + "]\r\n";
    const std::string own = ownSection();
    EXPECT_EQ(own, section +
                       "FormVersion=0\r\nFlags=0\r\nShowCmd=1\r\nPixelsPerInch=96\r\n"
                       "MinMaxPos(800x800)=-1,-1,-2,-2\r\nMinMaxPos=-1,-1,-2,-2\r\n"
                       "NormPos(800x800)=40,50,640,550\r\nNormPos=40,50,640,550\r\nVisible=0\r\n"
                       "kindCombo_CurrentIndex=1\r\nlengthEdit_Text=4-6\r\nexcludeEdit_Text=xy\r\n"
                       "strictCheck_Checked=False\r\nchCheck_Checked=True\r\n"
                       "orderCombo_CurrentIndex=1\r\nsplitter_CluesHeight=150\r\n");

    // The next run offers the same choices, and the main window's sections are as they were.
    program.reset();
    const std::string afterEnd = ini();
    EXPECT_NE(afterEnd.find("[Main window]"), std::string::npos);
    EXPECT_NE(afterEnd.find(own), std::string::npos); // the main window leaves it alone
    start();
    open();
    EXPECT_EQ(solverWindow->kindCombo->currentIndex(), 1);
    EXPECT_EQ(solverWindow->lengthEdit->text(), "4-6");
    EXPECT_EQ(solverWindow->excludeEdit->text(), "xy");
    EXPECT_TRUE(solverWindow->chCheck->isChecked());
    EXPECT_FALSE(solverWindow->strictCheck->isChecked());
    EXPECT_EQ(solverWindow->orderCombo->currentIndex(), 1);
    EXPECT_EQ(solverWindow->splitter->sizes().value(1), 150);
    solverWindow->resize(640, 600); // the clues keep their height, the answers grow
    QCoreApplication::processEvents();
    EXPECT_EQ(solverWindow->splitter->sizes().value(1), 150);

    // Choices made in a window still open when the program ends are kept too.
    solverWindow->lengthEdit->setText("7");
    solverWindow->excludeEdit->setText("q");
    solverWindow->kindCombo->setCurrentIndex(3);
    program.reset();
    start();
    open();
    EXPECT_EQ(solverWindow->lengthEdit->text(), "7");
    EXPECT_EQ(solverWindow->excludeEdit->text(), "q");
    EXPECT_EQ(solverWindow->kindCombo->currentIndex(), 3);
}

TEST_F(SolverWindowTest, HostileStoredValuesAreBoundedLikeTheMainWindows) {
    const QSize screen = QGuiApplication::primaryScreen()->virtualSize();
    const std::string digits(40'000, '7');
    struct Row {
        std::string stored; // the section's keys
        int kind;           // the kind the window then shows
    };
    const Row rows[] = {
        {"kindCombo_CurrentIndex=2147483647\r\nlengthEdit_Text=" + digits +
             "\r\nexcludeEdit_Text=" + digits +
             "\r\norderCombo_CurrentIndex=2147483647\r\nsplitter_CluesHeight=2147483647\r\n",
         4},
        {"kindCombo_CurrentIndex=-2147483648\r\nNormPos=-2147483648,-2147483648,2147483647,"
         "2147483647\r\nlengthEdit_Text=4\x01-6\r\nsplitter_CluesHeight=-2147483648\r\n",
         0},
        {"kindCombo_CurrentIndex=abc\r\nNormPos=2147483000,-2147483000,2147483647,2147483647\r\n",
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored.substr(0, 120));
        writeIni("[" + cp("Okno luštění") + "]\r\nShowCmd=1\r\n" + row.stored);
        start();
        open();
        EXPECT_EQ(solverWindow->kindCombo->currentIndex(), row.kind);
        EXPECT_FALSE(solverWindow->kindCombo->currentText().isEmpty());
        for (const QLineEdit* field : {solverWindow->lengthEdit, solverWindow->excludeEdit}) {
            EXPECT_LE(field->text().size(), field->maxLength())
                << field->objectName().toStdString();
            EXPECT_LT(field->maxLength(), 100) << field->objectName().toStdString();
            EXPECT_FALSE(field->text().contains(QChar(1))); // what the field would refuse typed
        }
        QTest::keyClicks(solverWindow->patternEdit, "k*"); // a question: the length is asked for
        QCoreApplication::processEvents(); // the layout settles what the texts ask of it
        EXPECT_LE(solverWindow->width(), screen.width());
        EXPECT_LE(solverWindow->height(), screen.height());
        EXPECT_FALSE(solverWindow->orderCombo->currentText().isEmpty());
        const QList<int> panes = solverWindow->splitter->sizes(); // both lists keep rows to show
        EXPECT_GE(std::min(panes.value(0), panes.value(1)), solverWindow->fontMetrics().height());
        solverWindow->close();
        program.reset();

        // Written back sane: a placement within the screen, the texts as the fields hold them.
        const std::string own = ownSection();
        const auto at = own.find("\r\nNormPos=");
        ASSERT_NE(at, std::string::npos) << own.substr(0, 400);
        const QStringList numbers =
            QString::fromStdString(own.substr(at + 10, own.find('\r', at + 10) - at - 10))
                .split(',');
        ASSERT_EQ(numbers.size(), 4);
        EXPECT_LE(numbers[2].toInt() - numbers[0].toInt(), screen.width());
        EXPECT_LE(numbers[3].toInt() - numbers[1].toInt(), screen.height());
        EXPECT_LT(own.size(), 1000u);
    }
}

TEST_F(SolverWindowTest, ATajenkaIsAPatternOfWordsOrTheirLengthsAndListsPhrasesWithTheirClues) {
    writeBytes((folder.path() / "fraze.txt").string(),
               cp("Kdo jinému jámu kopá, sám do ní padá.@přísloví;\n"
                  "Kdo nic nedělá, nic nezkazí.@přísloví;\n"));
    start();
    open();
    solverWindow->kindCombo->setCurrentIndex(4);
    EXPECT_EQ(solverWindow->kindCombo->currentText(), "Tajenka");
    const QString proverb = "28 políček: 1 | KDO JINÉMU JÁMU KOPÁ, SÁM DO NÍ PADÁ. (PŘÍSLOVÍ)";
    struct Row {
        QString typed;
        QStringList listed;
        QString said;
    };
    const Row rows[] = {
        {"KDO * PADÁ", {proverb}, "Odpovědí: 1"},
        {"??? ?????? ???? ???? ??? ?? ?? ????", {proverb}, "Odpovědí: 1"},
        {"3,6,4,4,3,2,2,4", {proverb}, "Odpovědí: 1"},
        {"* nic *", {"22 políček: 1 | KDO NIC NEDĚLÁ, NIC NEZKAZÍ. (PŘÍSLOVÍ)"}, "Odpovědí: 1"},
        {"3,6,", {}, "Vzor: nedokončený výčet délek slov"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        solverWindow->patternEdit->clear();
        QTest::keyClicks(solverWindow->patternEdit, row.typed);
        EXPECT_EQ(listed(solverWindow->answersTree), row.listed);
        EXPECT_EQ(solverWindow->statusLabel->text(), row.said);
    }
    EXPECT_EQ(solverWindow->answersTree->headerItem()->text(1), "Legenda");
    solverWindow->kindCombo->setCurrentIndex(0); // a pattern again: the dictionaries are shown
    EXPECT_EQ(solverWindow->answersTree->headerItem()->text(1), "Slovníky");
}
