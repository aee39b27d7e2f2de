// How windows stand on the desktop: the main window's state across a restart, and the progress
// window beside the message boxes of a search.
#include "tests/ui/guitest.h"
#include "ui/mainwindow.h"
#include "ui/searchprogresswindow.h"
#include "ui/widgets/buttonbar.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

class WindowState : public ProgramTest {
protected:
    void SetUp() override { writeDictionary(folder, "hlavni", {"1.1.2026", "PES@HAFAN;"}); }

    static QString iniText() { return QString::fromLatin1(QByteArray::fromStdString(ini())); }
};

} // namespace

TEST_F(WindowState, MaximizedStaysMaximizedWhenTheNormalSizeIsBelowTheMinimum) {
    start();
    control<ui::ButtonBar>(mainWindow, "ToolBar1")
        ->setAlign(ui::ButtonBar::alLeft); // a tall toolbar: a tall least size
    mainWindow->showMaximized();
    QCoreApplication::processEvents();
    closeAndEnd();
    QString text = iniText();
    ASSERT_TRUE(text.contains("ShowCmd=3")) << text.toStdString();
    // A normal size saved when the window could still be that small.
    text.replace(QRegularExpression("NormPos([^=]*)=[^\r\n]*"), "NormPos\\1=10,10,210,110");
    writeIni(text.toLatin1().toStdString());

    program = std::make_unique<ui::Program>(QString::fromStdString(folder.path().string()));
    mainWindow = &program->mainWindow();
    mainWindow->show();
    // When the window is mapped it already has the least size of its layout, so nothing
    // resizes it afterwards (a window manager un-maximizes a window resized by its program).
    const QSize leastWhenMapped = mainWindow->minimumSize();
    QCoreApplication::processEvents();
    EXPECT_EQ(mainWindow->minimumSize(), leastWhenMapped);
    EXPECT_TRUE(mainWindow->isMaximized());
    const QSize least = mainWindow->minimumSize();
    closeAndEnd();
    EXPECT_TRUE(iniText().contains("ShowCmd=3")) << iniText().toStdString();
    // The normal size kept is the saved one grown to the least size.
    const QRegularExpressionMatch normal =
        QRegularExpression("NormPos=(-?\\d+),(-?\\d+),(-?\\d+),(-?\\d+)").match(iniText());
    ASSERT_TRUE(normal.hasMatch());
    EXPECT_EQ(normal.captured(3).toInt() - normal.captured(1).toInt(), qMax(200, least.width()));
    EXPECT_EQ(normal.captured(4).toInt() - normal.captured(2).toInt(), qMax(100, least.height()));

    // A normal window keeps its state, its size no smaller than the window can be.
    text = iniText();
    text.replace("ShowCmd=3", "ShowCmd=1");
    writeIni(text.toLatin1().toStdString());
    start();
    EXPECT_FALSE(mainWindow->isMaximized());
    EXPECT_GE(mainWindow->width(), mainWindow->minimumSizeHint().width());
    EXPECT_GE(mainWindow->height(), mainWindow->minimumSizeHint().height());
    closeAndEnd();
    EXPECT_TRUE(iniText().contains("ShowCmd=1"));
}

TEST_F(WindowState, ProgressWindowHasNoCaptionButtonsAndAMessageBoxStandsAboveIt) {
    start();
    ui::SearchProgressWindow& progress = program->progressWindow();
    // No frame of the window manager's, so no buttons of its; the caption is the window's own.
    EXPECT_TRUE(progress.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(progress.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto* caption = progress.findChild<QLabel*>("Caption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Zadrovec");

    // The real message box, shown while a search runs.
    ui::MessageBoxes::setPresenter({});
    QWidget* owner = nullptr;
    Qt::WindowFlags flags;
    QString text;
    // Looked for until it is up; never left standing.
    QTimer poll;
    int attempts = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (++attempts > 300) {
                poll.stop();
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (auto* stray = qobject_cast<QMessageBox*>(window)) stray->reject();
            }
            return;
        }
        poll.stop();
        owner = box->parentWidget();
        flags = box->windowFlags();
        text = box->text();
        box->accept();
    });
    {
        const ui::ProgressShown shown(&progress);
        poll.start(10);
        ui::MessageBoxes::plain("Tento slovník nebyl nalezen.");
    }
    EXPECT_EQ(text, "Tento slovník nebyl nalezen.");
    EXPECT_EQ(owner, &progress);
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
}
