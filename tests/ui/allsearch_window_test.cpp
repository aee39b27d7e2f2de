// The search in all dictionaries driven as a user would: the command, the find dialog, the
// results window, and the main window afterwards.
#include "tests/ui/guitest.h"
#include "ui/findtextdialog.h"
#include "ui/foundtextwindow.h"
#include "ui/mainwindow.h"
#include "ui/searchprogresswindow.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/findfileanimation.h"
#include "ui/widgets/listbox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

constexpr int kModalAttempts = 300;

// Runs `act` on the modal window of that name once it is the active modal widget. Modal windows
// block the caller, so this is set up before the command that shows one. A window that never
// comes is a failure, and whatever modal window stands then is closed so the test goes on.
void whenModal(const QString& name, std::function<void(QWidget*)> act, int attempt = 0) {
    QTimer::singleShot(attempt == 0 ? 0 : 10, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name && modal->isVisible()) {
            act(modal);
            return;
        }
        if (attempt < kModalAttempts) {
            whenModal(name, act, attempt + 1);
            return;
        }
        ADD_FAILURE() << "no modal window " << name.toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
}

class AllSearchWindows : public ProgramTest {
protected:
    void SetUp() override {
        writeDictionary(folder, "hlavni",
                        sortedDictionary({"ESO@KARTA;", "PES@HAFAN;", "LES@HVOZD;", "ABC@X;"}));
        writeDictionary(folder, "mesta", sortedDictionary({"PESKOV@MESTO;"}));
        writeDictionary(folder, "osobnost", sortedDictionary({"PES@ARGOS;", "ZEUS@BUH;"}));
        for (std::string_view name : {"chzn", "meny", "mpzspz", "letadla", "podniky"})
            writeDictionary(folder, name, sortedDictionary({"QQ@Q;"}));
    }

    ui::FoundTextWindow& resultsWindow() const { return program->foundWindow(); }
    ui::FindTextDialog& findDialog() const { return program->findDialog(); }

    // The command with the text typed into the find dialog, then `browse` in the results window,
    // which is closed afterwards with its button.
    void searchAll(
        const QString& text, std::function<void()> browse = [] {}) {
        whenModal(QStringLiteral("Form7"), [=, this](QWidget*) {
            findDialog().textField->clear();
            QTest::keyClicks(findDialog().textField, text);
            whenModal(QStringLiteral("Form6"), [=, this](QWidget*) {
                browse();
                QTest::mouseClick(resultsWindow().closeButton, Qt::LeftButton);
            });
            QTest::mouseClick(findDialog().findButton, Qt::LeftButton);
        });
        control<QAction>(mainWindow, "acHledej")->trigger();
    }

    QStringList foundWords() const { return items(resultsWindow().foundWordsList->items()); }
    QStringList foundMeanings() const { return items(resultsWindow().meaningsList->items()); }
};

} // namespace

TEST_F(AllSearchWindows, FindDialogEnablesSearchExactlyWhenThereIsText) {
    start();
    bool enabledAtFirst = true, enabledWithBlank = false, enabledWhenCleared = true;
    bool focusInField = false;
    QWidgetList tabOrder;
    whenModal(QStringLiteral("Form7"), [&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Vyhledat text");
        enabledAtFirst = findDialog().findButton->isEnabled();
        focusInField = dialog->focusWidget() == findDialog().textField;
        QTest::keyClicks(findDialog().textField,
                         "x"); // the buttons take the focus only when enabled
        for (int n = 0; n < 3; ++n) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
            tabOrder << dialog->focusWidget();
        }
        findDialog().textField->clear();
        QTest::keyClick(findDialog().textField, Qt::Key_Return); // Enter does nothing without text
        QTest::keyClicks(findDialog().textField, " ");
        enabledWithBlank = findDialog().findButton->isEnabled();
        QTest::keyClick(findDialog().textField, Qt::Key_Backspace);
        enabledWhenCleared = findDialog().findButton->isEnabled();
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(findDialog().textField, Qt::Key_Escape);
    });
    control<QAction>(mainWindow, "acHledej")->trigger();
    EXPECT_FALSE(enabledAtFirst);
    EXPECT_TRUE(focusInField);
    EXPECT_EQ(tabOrder, (QWidgetList{findDialog().findButton, findDialog().cancelButton,
                                     findDialog().textField}));
    EXPECT_TRUE(enabledWithBlank);
    EXPECT_FALSE(enabledWhenCleared);
    EXPECT_FALSE(findDialog().isVisible());
    EXPECT_EQ(progressShown, 0);
}

TEST_F(AllSearchWindows, FindDialogKeepsItsTextAndTakesTheFocusAgain) {
    start();
    whenModal(QStringLiteral("Form7"), [&](QWidget*) {
        QTest::keyClicks(findDialog().textField, "pes");
        QTest::mouseClick(findDialog().cancelButton, Qt::LeftButton);
    });
    control<QAction>(mainWindow, "acHledej")->trigger();
    bool enabled = false, focusInField = false;
    QString offered;
    whenModal(QStringLiteral("Form7"), [&](QWidget* dialog) {
        offered = findDialog().textField->text();
        enabled = findDialog().findButton->isEnabled();
        focusInField = dialog->focusWidget() == findDialog().textField;
        static_cast<QDialog*>(dialog)->reject();
    });
    findDialog()
        .cancelButton->setFocus(); // wherever the focus was left, a showing puts it in the field
    control<QAction>(mainWindow, "acHledej")->trigger();
    EXPECT_EQ(offered, "pes");
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(focusInField);
}

TEST_F(AllSearchWindows, FindDialogLayout) {
    start();
    EXPECT_EQ(findDialog().size(), QSize(331, 87));
    EXPECT_EQ(findDialog().textField->width(), 299);
    EXPECT_EQ(findDialog().findButton->size(), QSize(75, 25));
    EXPECT_EQ(findDialog().cancelButton->size(), QSize(75, 25));
    EXPECT_EQ(findDialog().findButton->text(), "&Hledej");
    EXPECT_EQ(findDialog().cancelButton->text(), "&Storno");
    EXPECT_TRUE(findDialog().findButton->isDefault());
    EXPECT_FALSE(findDialog().findButton->icon().isNull());
    EXPECT_FALSE(findDialog().cancelButton->icon().isNull());
}

TEST_F(AllSearchWindows, CancelStartsNoSearchAndChangesNothing) {
    start();
    control<QAction>(mainWindow, "acMeny")->trigger();
    QTest::keyClicks(mainWindow->searchField(), "qq");
    ASSERT_EQ(found(), (QStringList{"QQ"}));
    const int searchesBefore = progressShown;
    const QString statusBefore = status();
    whenModal(QStringLiteral("Form7"), [&](QWidget*) {
        QTest::keyClicks(findDialog().textField, "es");
        QTest::mouseClick(findDialog().cancelButton, Qt::LeftButton);
    });
    control<QAction>(mainWindow, "acHledej")->trigger();
    EXPECT_EQ(progressShown, searchesBefore);
    EXPECT_TRUE(resultsWindow().foundWordsList->items().empty());
    EXPECT_EQ(found(), (QStringList{"QQ"}));
    EXPECT_EQ(status(), statusBefore);
    EXPECT_TRUE(control<QAction>(mainWindow, "acMeny")->isChecked());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AllSearchWindows, ResultsListHeadwordsOfAllDictionariesWithMeaningsOfTheFirst) {
    start();
    QStringList shownFirst, meaningsFirst, meaningsOfPes;
    int selectedAtFirst = 0;
    bool progressVisible = true, animating = true;
    searchAll(QStringLiteral("es"), [&] {
        EXPECT_EQ(resultsWindow().windowTitle(), "Nalezené výrazy");
        shownFirst = foundWords();
        meaningsFirst = foundMeanings();
        selectedAtFirst = resultsWindow().foundWordsList->itemIndex();
        progressVisible = program->progressWindow().isVisible();
        animating = program->progressWindow().animation->active();
        resultsWindow().foundWordsList->setFocus();
        QTest::keyClick(resultsWindow().foundWordsList,
                        Qt::Key_End); // a selection by keys shows its meanings
        QTest::keyClick(resultsWindow().foundWordsList, Qt::Key_Up);
        meaningsOfPes = foundMeanings();
    });
    EXPECT_EQ(shownFirst, (QStringList{"ESO", "LES", "PES", "PESKOV"}));
    EXPECT_EQ(meaningsFirst, (QStringList{"KARTA"}));
    EXPECT_EQ(selectedAtFirst, -1);
    EXPECT_EQ(meaningsOfPes, (QStringList{"ARGOS", "HAFAN"}));
    EXPECT_EQ(items(resultsWindow().hitHeadwords),
              (QStringList{"ESO", "LES", "PES", "PESKOV", "PES"})); // hit table in file order
    EXPECT_EQ(progressShown, 1);
    EXPECT_FALSE(progressVisible);
    EXPECT_FALSE(animating);
    EXPECT_FALSE(resultsWindow().isVisible());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AllSearchWindows, PatternTextUsesTheWildcards) {
    start();
    QStringList question, star;
    searchAll(QStringLiteral("p?s"), [&] { question = foundWords(); });
    searchAll(QStringLiteral("z*s"), [&] { star = foundWords(); });
    EXPECT_EQ(question, (QStringList{"PES", "PESKOV"}));
    EXPECT_EQ(star, (QStringList{"ZEUS"}));
}

TEST_F(AllSearchWindows, AfterwardsTheCurrentDictionaryIsOpenAgainWithEmptyLists) {
    start();
    control<QAction>(mainWindow, "acHlavniMesta")->trigger();
    const QString mestaStatus = status();
    QTest::keyClicks(mainWindow->searchField(), "pe");
    ASSERT_EQ(found(), (QStringList{"PESKOV"}));
    QString statusDuringBrowse;
    searchAll(QStringLiteral("zeus"), [&] { statusDuringBrowse = status(); });
    EXPECT_EQ(statusDuringBrowse, "Počet slov: 1"); // "podniky" was opened last
    EXPECT_TRUE(mainWindow->foundWordsList()->items().empty());
    EXPECT_TRUE(mainWindow->meaningsList()->items().empty());
    EXPECT_TRUE(control<QAction>(mainWindow, "acHlavniMesta")->isChecked());
    EXPECT_EQ(status(), mestaStatus);
    QTest::keyClicks(mainWindow->searchField(), "s"); // the current dictionary searches again
    EXPECT_EQ(found(), (QStringList{"PESKOV"}));
}

TEST_F(AllSearchWindows, EachShowingRebuildsTheLists) {
    start();
    QStringList second, secondMeanings;
    searchAll(QStringLiteral("es"));
    searchAll(QStringLiteral("abc"), [&] {
        second = foundWords();
        secondMeanings = foundMeanings();
    });
    EXPECT_EQ(second, (QStringList{"ABC"}));
    EXPECT_EQ(secondMeanings, (QStringList{"X"}));
    EXPECT_EQ(resultsWindow().hitHeadwords.size(), 1u);

    QStringList none, noMeanings;
    searchAll(QStringLiteral("nic"), [&] {
        none = foundWords();
        noMeanings = foundMeanings();
    });
    EXPECT_TRUE(none.isEmpty());
    EXPECT_TRUE(noMeanings.isEmpty());
    EXPECT_TRUE(resultsWindow().hitMeanings.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AllSearchWindows, MissingDictionaryIsToldOnceAndTheOthersAreSearched) {
    std::filesystem::remove(folder.file("mesta.dat"));
    start();
    QStringList shown;
    searchAll(QStringLiteral("es"), [&] { shown = foundWords(); });
    EXPECT_EQ(boxes.texts(), (QStringList{"Tento slovník nebyl nalezen."}));
    EXPECT_EQ(shown, (QStringList{"ESO", "LES", "PES"}));
    EXPECT_EQ(status(), "Počet slov: 4"); // "hlavni" again
}

TEST_F(AllSearchWindows, ResultsWindowLayout) {
    start();
    QSize size;
    int panelWidth = 0, barHeight = 0, headerHeight = 0;
    searchAll(QStringLiteral("es"), [&] {
        size = resultsWindow().size();
        panelWidth = resultsWindow().wordsColumn->width();
        barHeight = resultsWindow().topBar->height();
        headerHeight = resultsWindow().foundWordsLabel->height();
    });
    EXPECT_EQ(size, QSize(544, 375));
    EXPECT_EQ(panelWidth, 231);
    EXPECT_EQ(barHeight, 35);
    EXPECT_EQ(headerHeight, 25);
    EXPECT_GE(resultsWindow().closeButton->width(), 93); // wider only where the caption needs it
    EXPECT_EQ(resultsWindow().closeButton->height(), 25);
    EXPECT_EQ(resultsWindow().closeButton->text(), "&Zavřít okno");
    EXPECT_EQ(resultsWindow().foundWordsLabel->text(), "Nalezená slova");
    EXPECT_EQ(resultsWindow().meaningsLabel->text(), "Významy slova");
    EXPECT_EQ(resultsWindow().columnsSplitter->handleWidth(), 3);
    EXPECT_TRUE(resultsWindow().columnsSplitter->opaqueResize());
}
