// What every window says and to whom: captions that fit their controls at the desktop's font,
// names a screen reader reads for every field and list, whole texts of cut list rows, and the
// toolkit's own texts in Czech.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "controls.h"
#include "guitest.h"
#include "listbox.h"
#include "spinedit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolTip>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

class WindowTexts : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedBoxes boxes;
    std::unique_ptr<ui::Program> program;
    QFont fontBefore = QApplication::font();

    void SetUp() override {
        writeDictionary(folder, "hlavni", sortedDictionary({"PES@HAFAN;", "PESEK@PSIK;"}));
    }
    void TearDown() override {
        program.reset();
        QApplication::setFont(fontBefore);
    }

    void start() {
        program = std::make_unique<ui::Program>(QString::fromStdString(folder.path().string()));
        program->mainWindow().show();
        QApplication::setActiveWindow(&program->mainWindow());
        QCoreApplication::processEvents();
    }

    // Every window and dialog of the program, each shown in turn (without being modal) while
    // `look` looks at it.
    void forEachWindow(const std::function<void(QWidget*)>& look) {
        QList<QWidget*> windows = {&program->mainWindow(),
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
            if (window != &program->mainWindow()) window->hide();
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

QStringList clippedTexts(QWidget* window) {
    QStringList clipped;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        if (const int missing = missingWidth(widget); missing > 0)
            clipped << QString("%1 %2 \"%3\" needs %4 px more")
                           .arg(window->objectName(), widget->objectName(),
                                widget->property("text").toString())
                           .arg(missing);
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
        const QSize settingsSize = program->settingsDialog().size();
        forEachWindow([&](QWidget* window) {
            const QStringList clipped = clippedTexts(window);
            EXPECT_TRUE(clipped.isEmpty()) << points << " pt: " << clipped.join("; ").toStdString();
        });
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
    ui::TAboutBox& about = program->aboutBox();
    about.show();
    QCoreApplication::processEvents();
    EXPECT_GE(about.Verze->x(), about.VerzeCap->geometry().right() + 4);
    EXPECT_GE(about.Label5->x(), about.Label4->geometry().right() + 4);
    EXPECT_EQ(about.width(), 365);
    EXPECT_GE(about.height(), 213); // the rights lines wrap: taller where they need it
    about.hide();
}

TEST_F(WindowTexts, EveryFieldAndListHasTheNameOfItsLabel) {
    start();
    ui::TForm1& main = program->mainWindow();
    ui::TForm3& characters = program->charactersWindow();
    ui::TForm6& found = program->foundWindow();
    ui::TForm4& editor = program->userDictionaryEditor();
    const std::pair<QWidget*, QString> named[] = {
        {main.Edit1, "Hledané slovo"},
        {main.ListBox1, "Nalezená slova"},
        {main.SpinEdit1, "Hledat od písmene"},
        {main.ListBox4, "Významy slova"},
        {characters.Edit1, "Autor"},
        {characters.Edit2, "Název díla"},
        {characters.ListBox1, "Autor"},
        {characters.ListBox2, "Název díla"},
        {characters.ListBox3, "Postavy"},
        {found.ListBox1, "Nalezená slova"},
        {found.ListBox2, "Významy slova"},
        {program->findDialog().Edit1, "Text"},
        {program->settingsDialog().DirectoryEdit1, "Uživatelský slovník"},
        {editor.ListBox1, "Seznam hesel"},
        {editor.ListBox2, "Významy"},
        {editor.Edit1, "Heslo"},
        {editor.Edit2, "Význam"},
    };
    for (const auto& [widget, name] : named)
        EXPECT_EQ(accessibleName(widget), name) << widget->objectName().toStdString();

    // And no input or list of any window goes without a name.
    forEachWindow([&](QWidget* window) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const bool input = qobject_cast<QLineEdit*>(widget) ||
                               qobject_cast<QAbstractSpinBox*>(widget) ||
                               qobject_cast<QListView*>(widget);
            if (!input || !widget->isVisible()) continue;
            if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) continue; // its text
            EXPECT_FALSE(accessibleName(widget).isEmpty())
                << window->objectName().toStdString() << " " << widget->objectName().toStdString();
        }
    });
    // The labels lead to their controls.
    EXPECT_EQ(main.findChild<QLabel*>("Label1")->buddy(), main.Edit1);
    EXPECT_EQ(main.findChild<QLabel*>("Label4")->buddy(), main.SpinEdit1);
}

TEST_F(WindowTexts, ACutListRowShowsItsWholeTextAsATooltip) {
    start();
    ui::ListBox* list = program->charactersWindow().ListBox2;
    program->charactersWindow().show();
    const std::string longTitle = "DLOUHY NAZEV DILA, KTERY SE DO SLOUPCE NEVEJDE ANI NAPUL";
    list->items().add(longTitle);
    list->items().add("KRATKY");
    program->charactersWindow().Splitter->setSizes({100, 100, 100});
    QCoreApplication::processEvents();

    auto tooltipAt = [&](int row) {
        QToolTip::hideText();
        QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000);
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tooltipAt(0), QString::fromStdString(longTitle));
    EXPECT_EQ(tooltipAt(1), ""); // a row that is seen whole needs none
    program->charactersWindow().hide();
}

TEST_F(WindowTexts, TheToolkitsOwnTextsAreCzech) {
    start();
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) texts << action->text();
    EXPECT_FALSE(texts.isEmpty());
    for (const QString& english : {"&Undo", "&Paste", "Select All"})
        EXPECT_FALSE(texts.join('|').contains(english)) << texts.join('|').toStdString();
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}
