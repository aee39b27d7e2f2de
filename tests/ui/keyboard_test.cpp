// The keyboard as a user without a mouse meets it: shortcuts in every state of the menu bar, the
// Tab order, lists that get the focus, and the window that opens in its first field.
#include "tests/ui/guitest.h"
#include "ui/characterswindow.h"
#include "ui/mainwindow.h"
#include "ui/widgets/buttonbar.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/spinedit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

class Keyboard : public ProgramTest {
protected:
    QStringList warnings;
    QtMessageHandler previousHandler = nullptr;
    static Keyboard* current;

    void SetUp() override {
        writeDictionary(
            folder, "hlavni",
            sortedDictionary({"PES@HAFAN;VOLEK;", cp("PESEK@PSÍK;"), cp("PSÍK@PESEK;")}));
        writeDictionary(folder, "mesta", sortedDictionary({cp("PRAHA@ČESKO;")}));
        current = this;
        previousHandler =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
                current->warnings << text;
            });
    }
    void TearDown() override {
        qInstallMessageHandler(previousHandler);
        current = nullptr;
    }

    // A key as the window system delivers it: to the widget with the focus, shortcuts first.
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        if (!target) target = mainWindow;
        QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
        QCoreApplication::processEvents();
    }
};

Keyboard* Keyboard::current = nullptr;

} // namespace

TEST_F(Keyboard, ShortcutsRunOnceInEveryStateOfTheMenuBar) {
    start();
    int switches = 0;
    for (QAction* action :
         {control<QAction>(mainWindow, "acHlavni"), control<QAction>(mainWindow, "acHlavniMesta")})
        QObject::connect(action, &QAction::triggered, [&] { ++switches; });

    press(Qt::Key_F3);
    EXPECT_EQ(switches, 1);
    EXPECT_TRUE(control<QAction>(mainWindow, "acHlavniMesta")->isChecked());

    // The menu opened with its letter and left with Esc.
    press(Qt::Key_S, Qt::AltModifier);
    EXPECT_NE(QApplication::activePopupWidget(), nullptr);
    press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    press(Qt::Key_F2);
    EXPECT_EQ(switches, 2);
    EXPECT_TRUE(control<QAction>(mainWindow, "acHlavni")->isChecked());

    // Keys typed then go to the field that had the focus.
    press(Qt::Key_S, Qt::AltModifier);
    press(Qt::Key_Escape);
    QTest::keyClicks(QApplication::focusWidget(), "pe");
    EXPECT_EQ(mainWindow->searchField()->text(), "pe");
    EXPECT_EQ(found(), (QStringList{"PES", "PESEK"}));

    // The shortcut of a command that opens a modal window, in the same state.
    press(Qt::Key_S, Qt::AltModifier);
    press(Qt::Key_Escape);
    int opened = 0;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++opened;
            modal->close();
        }
    });
    press(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(warnings.join('\n').contains("Ambiguous")) << warnings.join('\n').toStdString();
}

TEST_F(Keyboard, TabWalksTheFourControlsOfTheMainWindowOnly) {
    start();
    ASSERT_EQ(QApplication::focusWidget(), mainWindow->searchField());
    QList<QWidget*> walked;
    for (int n = 0; n < 5; ++n) {
        walked << QApplication::focusWidget();
        press(Qt::Key_Tab);
    }
    const QList<QWidget*> expected = {mainWindow->searchField(), mainWindow->foundWordsList(),
                                      mainWindow->meaningsList(), mainWindow->searchFromLetter(),
                                      mainWindow->searchField()};
    EXPECT_EQ(walked.size(), expected.size());
    for (qsizetype n = 0; n < walked.size(); ++n) {
        QWidget* w = walked[n];
        // The spin box's own text field stands for it.
        while (w && w != expected[n] && w->parentWidget() && !w->isWindow())
            w = w->parentWidget();
        EXPECT_EQ(w, expected[n]) << "stop " << n << ": "
                                  << (walked[n] ? walked[n]->objectName().toStdString() : "none");
    }
    for (ui::ButtonBar* bar : {control<ui::ButtonBar>(mainWindow, "ToolBar1"),
                               control<ui::ButtonBar>(mainWindow, "ToolBar2")})
        for (QToolButton* button : bar->buttons())
            EXPECT_EQ(button->focusPolicy() & Qt::TabFocus, 0)
                << button->objectName().toStdString();
}

TEST_F(Keyboard, AListThatGetsTheFocusHasItsCurrentRowSelected) {
    start();
    QTest::keyClicks(mainWindow->searchField(), "pe");
    ASSERT_EQ(found(), (QStringList{"PES", "PESEK"}));
    EXPECT_EQ(mainWindow->foundWordsList()->itemIndex(), -1);

    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), mainWindow->foundWordsList());
    EXPECT_EQ(mainWindow->foundWordsList()->itemIndex(), 0);
    EXPECT_EQ(meanings(), (QStringList{"HAFAN", "VOLEK"}));
    press(Qt::Key_Down);
    EXPECT_EQ(mainWindow->foundWordsList()->itemIndex(), 1);
    EXPECT_EQ(meanings(), (QStringList{"PSÍK"}));

    // Back to the first word, then Tab into the meanings and Enter takes the first of them.
    press(Qt::Key_Up);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), mainWindow->meaningsList());
    EXPECT_EQ(mainWindow->meaningsList()->itemIndex(), 0);
    press(Qt::Key_Return);
    EXPECT_EQ(mainWindow->searchField()->text(), "HAFAN");
}

TEST_F(Keyboard, CharactersWindowOpensInTheAuthorField) {
    start();
    ui::CharactersWindow& characters = program->charactersWindow();
    QWidget* focused = nullptr;
    QTimer::singleShot(0, [&] {
        focused = characters.focusWidget();
        characters.close();
    });
    characters.exec();
    EXPECT_EQ(focused, characters.authorField);
}
