// What every window says and to whom: captions that fit their controls at the desktop's font,
// names a screen reader reads for every field and list, whole texts of cut list rows, and the
// toolkit's own texts in Czech.
#include "tests/ui/guitest.h"
#include "ui/aboutbox.h"
#include "ui/characterswindow.h"
#include "ui/findtextdialog.h"
#include "ui/foundtextwindow.h"
#include "ui/mainwindow.h"
#include "ui/searchprogresswindow.h"
#include "ui/settingsdialog.h"
#include "ui/solverwindow.h"
#include "ui/userdictionaryeditor.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/spinedit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

class WindowTexts : public ProgramTest {
protected:
    QFont fontBefore = QApplication::font();

    void SetUp() override {
        writeDictionary(folder, "hlavni",
                        sortedDictionary({"PES@HAFAN;DOMACI ZVIRE, KTERE HLIDA DUM, STEKA NA "
                                          "POSTAKA A NOSI NOVINY;",
                                          "PESEK@PSIK;"}));
    }
    void TearDown() override {
        program.reset();
        QApplication::setFont(fontBefore);
    }

    // The window "Luštění" with the answers of a pattern listed, the first one's clues beneath.
    ui::SolverWindow* openSolver(const QString& pattern) {
        control<QAction>(mainWindow, "acLusteni")->trigger();
        ui::SolverWindow* solver = mainWindow->solverWindow();
        EXPECT_TRUE(QTest::qWaitFor([solver] { return solver->answersReady(); }));
        solver->patternEdit->setText(pattern);
        QCoreApplication::processEvents();
        return solver;
    }

    // Every window and dialog of the program, each shown in turn (without being modal) while
    // `look` looks at it.
    void forEachWindow(const std::function<void(QWidget*)>& look) {
        QList<QWidget*> windows = {mainWindow,
                                   &program->settingsDialog(),
                                   &program->aboutBox(),
                                   &program->charactersWindow(),
                                   &program->userDictionaryEditor(),
                                   &program->foundWindow(),
                                   &program->progressWindow(),
                                   &program->findDialog()};
        for (QWidget* window : windows) {
            window->show();
            QCoreApplication::processEvents();
            look(window);
            if (window != mainWindow) window->hide();
        }
    }
};

// The width a control's text needs beyond the width it has; 0 when the text fits.
int missingWidth(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || label->wordWrap()) return 0;
        return qMax(0, label->sizeHint().width() - label->width());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        // The style's hint has a least width of its own; the caption and picture are what count.
        QString caption = button->text();
        caption.remove('&');
        int needed = button->fontMetrics().horizontalAdvance(caption) + 8;
        if (!button->icon().isNull()) needed += button->iconSize().width() + 4;
        return qMax(0, needed - button->width());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text().isEmpty()) return 0;
        return qMax(0, button->sizeHint().width() - button->width());
    }
    return 0;
}

// The column headings and the captions across a list in columns (group lines) cut short.
QStringList clippedCaptions(QTreeWidget* tree) {
    QStringList clipped;
    const auto note = [&](const QString& text, int missing) {
        if (missing > 0)
            clipped
                << QString("%1 \"%2\" needs %3 px more").arg(tree->objectName(), text).arg(missing);
    };
    for (int column = 0; column < tree->columnCount(); ++column)
        note(tree->headerItem()->text(column),
             tree->header()->sectionSizeHint(column) - tree->header()->sectionSize(column));
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QModelIndex index = tree->indexFromItem(*it);
        if (tree->isFirstColumnSpanned(index.row(), index.parent()))
            note((*it)->text(0),
                 tree->sizeHintForIndex(index).width() - tree->visualRect(index).width());
    }
    return clipped;
}

QStringList clippedTexts(QWidget* window) {
    QStringList clipped;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        if (const int missing = missingWidth(widget); missing > 0)
            clipped << QString("%1 %2 \"%3\" needs %4 px more")
                           .arg(window->objectName(), widget->objectName(),
                                widget->property("text").toString())
                           .arg(missing);
        if (auto* tree = qobject_cast<QTreeWidget*>(widget)) clipped << clippedCaptions(tree);
    }
    return clipped;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

TEST_F(WindowTexts, EveryCaptionFitsItsControlAtTheDefaultAndALargerFont) {
    for (const int points : {0, 11, 13}) {
        if (points > 0) {
            QFont font = fontBefore;
            font.setPointSize(points);
            QApplication::setFont(font);
        }
        start();
        // The status line as the bundled main dictionary fills it, and larger.
        control<QLabel>(mainWindow, "StatusPanel0")->setText(QStringLiteral("Počet slov: 1234567"));
        const QSize settingsSize = program->settingsDialog().size();
        forEachWindow([&](QWidget* window) {
            const QStringList clipped = clippedTexts(window);
            EXPECT_TRUE(clipped.isEmpty()) << points << " pt: " << clipped.join("; ").toStdString();
        });
        // "Luštění" with answers in groups and the clues of one.
        ui::SolverWindow* solver = openSolver("p*");
        ASSERT_EQ(solver->answersTree->topLevelItemCount(), 3); // PES, PSIK, PESEK
        ASSERT_EQ(solver->cluesTree->topLevelItemCount(), 2);
        EXPECT_TRUE(clippedTexts(solver).isEmpty())
            << points << " pt: " << clippedTexts(solver).join("; ").toStdString();
        // The answers are seen whole: their column is as wide as the longest (indented).
        const QAbstractItemView* answers = solver->answersTree;
        EXPECT_GE(solver->answersTree->columnWidth(0), answers->sizeHintForColumn(0))
            << points << " pt";
        solver->hide();
        // The dialogs of fixed size keep it, grown only where their texts need it.
        for (QWidget* dialog : {static_cast<QWidget*>(&program->settingsDialog()),
                                static_cast<QWidget*>(&program->aboutBox()),
                                static_cast<QWidget*>(&program->findDialog())})
            EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize())
                << dialog->objectName().toStdString();
        EXPECT_GE(settingsSize.width(), 301);
        EXPECT_GE(settingsSize.height(), 352);
        program.reset();
    }
}

TEST_F(WindowTexts, AboutBoxValuesStandApartFromTheirLabels) {
    start();
    ui::AboutBox& about = program->aboutBox();
    about.show();
    QCoreApplication::processEvents();
    EXPECT_GE(about.wordStockVersion->x(), about.wordStockVersionCaption->geometry().right() + 4);
    EXPECT_GE(about.updateDate->x(), about.updateDateCaption->geometry().right() + 4);
    EXPECT_EQ(about.width(), 365);
    EXPECT_GE(about.height(), 213); // the rights lines wrap: taller where they need it
    about.hide();
}

TEST_F(WindowTexts, EveryFieldAndListHasTheNameOfItsLabel) {
    start();
    ui::MainWindow& main = program->mainWindow();
    ui::CharactersWindow& characters = program->charactersWindow();
    ui::FoundTextWindow& found = program->foundWindow();
    ui::UserDictionaryEditor& editor = program->userDictionaryEditor();
    const std::pair<QWidget*, QString> named[] = {
        {main.searchField(), "Hledané slovo"},
        {main.foundWordsList(), "Nalezená slova"},
        {main.searchFromLetter(), "Hledat od písmene"},
        {main.meaningsList(), "Významy slova"},
        {characters.authorField, "Autor"},
        {characters.titleField, "Název díla"},
        {characters.authorsList, "Autor"},
        {characters.titlesList, "Název díla"},
        {characters.charactersList, "Postavy"},
        {found.foundWordsList, "Nalezená slova"},
        {found.meaningsList, "Významy slova"},
        {program->findDialog().textField, "Text"},
        {program->settingsDialog().userDictionaryFolderField, "Uživatelský slovník"},
        {editor.headwordsList, "Seznam hesel"},
        {editor.meaningsList, "Významy"},
        {editor.headwordField, "Heslo"},
        {editor.meaningField, "Význam"},
    };
    for (const auto& [widget, name] : named)
        EXPECT_EQ(accessibleName(widget), name) << widget->objectName().toStdString();

    // "Luštění", with a text in every field, so that each shows its clear button.
    ui::SolverWindow* solver = openSolver("p*");
    for (QLineEdit* field : {solver->clueEdit, solver->lengthEdit, solver->excludeEdit})
        field->setText("x");
    const std::pair<QWidget*, QString> solverNamed[] = {
        {solver->patternEdit, "Vzor nebo písmena"},
        {solver->kindCombo, "Druh"},
        {solver->clueEdit, "Legenda"},
        {solver->lengthEdit, "Délka"},
        {solver->excludeEdit, "Vyloučit písmena"},
        {solver->answersTree, "Odpovědi"},
        {solver->cluesTree, "Legenda a významy"},
        {solver->orderCombo, "Řadit"},
    };
    for (const auto& [widget, name] : solverNamed) {
        if (qobject_cast<QComboBox*>(widget)) // its name from its label, see below
            EXPECT_EQ(widget->accessibleName(), name);
        else
            EXPECT_EQ(accessibleName(widget), name) << widget->objectName().toStdString();
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            const QList<QToolButton*> clear = field->findChildren<QToolButton*>();
            ASSERT_EQ(clear.size(), 1) << name.toStdString();
            EXPECT_TRUE(clear[0]->isVisible()) << name.toStdString();
            EXPECT_EQ(accessibleName(clear[0]), "Vymazat pole " + name);
        }
    }
    // The kind box says which kind it holds; its name comes from its label (a box's name on
    // this desktop is its value), and where a name of its own counts, it has one.
    QAccessibleInterface* kind = QAccessible::queryAccessibleInterface(solver->kindCombo);
    EXPECT_EQ(kind->text(QAccessible::Value), "Vzor");
    solver->kindCombo->setCurrentIndex(1);
    EXPECT_EQ(kind->text(QAccessible::Value), "Přesmyčka");
    EXPECT_EQ(solver->kindCombo->accessibleName(), "Druh");
    QStringList labels;
    for (const auto& [label, relation] : kind->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    EXPECT_EQ(labels, QStringList{"Druh:"});

    // And no input or list of any window goes without a name.
    const auto everyInputNamed = [](QWidget* window) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const bool input =
                qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
                (qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QHeaderView*>(widget)) ||
                qobject_cast<QComboBox*>(widget) ||
                (qobject_cast<QToolButton*>(widget) && qobject_cast<QLineEdit*>(widget->parent()));
            if (!input || !widget->isVisible()) continue;
            if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) continue; // its text
            EXPECT_FALSE(accessibleName(widget).isEmpty())
                << window->objectName().toStdString() << " " << widget->objectName().toStdString()
                << " " << widget->metaObject()->className();
        }
    };
    everyInputNamed(solver);
    solver->hide();
    forEachWindow(everyInputNamed);
    // The labels lead to their controls.
    EXPECT_EQ(main.findChild<QLabel*>("Label1")->buddy(), main.searchField());
    EXPECT_EQ(main.findChild<QLabel*>("Label4")->buddy(), main.searchFromLetter());
}

TEST_F(WindowTexts, ACutListRowShowsItsWholeTextAsATooltip) {
    start();
    ui::ListBox* list = program->charactersWindow().titlesList;
    program->charactersWindow().show();
    const std::string longTitle = "DLOUHY NAZEV DILA, KTERY SE DO SLOUPCE NEVEJDE ANI NAPUL";
    list->items().add(longTitle);
    list->items().add("KRATKY");
    program->charactersWindow().columnsSplitter->setSizes({100, 100, 100});
    QCoreApplication::processEvents();

    auto tooltipAt = [&](QAbstractItemView* view, int row) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltipAt(list, 0), QString::fromStdString(longTitle));
    EXPECT_EQ(tooltipAt(list, 1), ""); // a row that is seen whole needs none
    program->charactersWindow().hide();

    // The clues of "Luštění" take the width the window gives them, and a cut one is told whole.
    ui::SolverWindow* solver = openSolver("pes");
    QTreeWidget* clues = solver->cluesTree;
    ASSERT_EQ(clues->topLevelItemCount(), 2);
    solver->resize(solver->minimumSizeHint().width(), solver->height());
    QCoreApplication::processEvents();
    const int narrow = clues->columnWidth(0);
    EXPECT_EQ(tooltipAt(clues, 0), "DOMACI ZVIRE, KTERE HLIDA DUM, STEKA NA POSTAKA A NOSI NOVINY");
    EXPECT_EQ(tooltipAt(clues, 1), "");
    solver->resize(solver->width() + 200, solver->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(clues->columnWidth(0), narrow + 200);
    solver->hide();
}

TEST_F(WindowTexts, TheToolkitsOwnTextsAreCzech) {
    start();
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) texts << action->text();
    EXPECT_FALSE(texts.isEmpty());
    for (const char* english : {"&Undo", "&Paste", "Select All"})
        EXPECT_FALSE(texts.join('|').contains(english)) << texts.join('|').toStdString();
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");

    // The folder dialog of the settings lists a folder as "Složka" with a Czech date, whatever
    // the session's locale.
    EXPECT_EQ(QLocale().language(), QLocale::Czech);
    TempFolder place;
    std::filesystem::create_directory(place.path() / "slovniky");
    const QString inside = QString::fromStdString((place.path() / "slovniky").string());
    QStringList row;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        watch.stop();
        auto* view = dialog->findChild<QTreeView*>("treeView");
        const bool listed =
            view && QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()); });
        EXPECT_TRUE(listed) << "the folder dialog lists nothing";
        if (listed)
            for (int column = 0; column < 4; ++column)
                row << view->model()->index(0, column, view->rootIndex()).data().toString();
        dialog->reject();
    });
    watch.start(20);
    EXPECT_EQ(ui::SettingsDialog::folderDialog(nullptr, inside + "/.."), "");
    ASSERT_EQ(row.size(), 4);
    EXPECT_EQ(row[0], "slovniky");
    EXPECT_EQ(row[2], "Složka");
    EXPECT_EQ(
        row[3],
        QLocale(QLocale::Czech).toString(QFileInfo(inside).lastModified(), QLocale::ShortFormat));
}
