// How windows stand on the desktop: the main window's state across a restart, and the progress
// window beside the message boxes of a search.
#include "buttonbar.h"
#include "guitest.h"
#include "mainwindow.h"
#include "searchprogresswindow.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

class WindowState : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedBoxes boxes;
    std::unique_ptr<ui::Program> program;
    ui::MainWindow* form = nullptr;

    void SetUp() override { writeDictionary(folder, "hlavni", {"1.1.2026", "PES@HAFAN;"}); }

    void start() {
        program = std::make_unique<ui::Program>(QString::fromStdString(folder.path().string()));
        form = &program->mainWindow();
        form->show();
        QApplication::setActiveWindow(form);
        QCoreApplication::processEvents();
    }
    void closeAndEnd() {
        form->close();
        program.reset();
        form = nullptr;
    }
    std::string iniPath() const {
        return std::string(testConfigHome().constData()) + "/zadrovec/zadrovec.ini";
    }
    QString ini() const {
        std::ifstream in(iniPath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return QString::fromLatin1(text.str());
    }
    void writeIni(const QString& text) { writeBytes(iniPath(), text.toLatin1().toStdString()); }
};

} // namespace

TEST_F(WindowState, MaximizedStaysMaximizedWhenTheNormalSizeIsBelowTheMinimum) {
    start();
    form->dictionaryBar->setAlign(ui::ButtonBar::alLeft); // a tall toolbar: a tall least size
    form->showMaximized();
    QCoreApplication::processEvents();
    closeAndEnd();
    QString text = ini();
    ASSERT_TRUE(text.contains("ShowCmd=3")) << text.toStdString();
    // A normal size saved when the window could still be that small.
    text.replace(QRegularExpression("NormPos([^=]*)=[^\r\n]*"), "NormPos\\1=10,10,210,110");
    writeIni(text);

    program = std::make_unique<ui::Program>(QString::fromStdString(folder.path().string()));
    form = &program->mainWindow();
    form->show();
    // When the window is mapped it already has the least size of its layout, so nothing
    // resizes it afterwards (a window manager un-maximizes a window resized by its program).
    const QSize leastWhenMapped = form->minimumSize();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->minimumSize(), leastWhenMapped);
    EXPECT_TRUE(form->isMaximized());
    const QSize least = form->minimumSize();
    closeAndEnd();
    EXPECT_TRUE(ini().contains("ShowCmd=3")) << ini().toStdString();
    // The normal size kept is the saved one grown to the least size.
    const QRegularExpressionMatch normal =
        QRegularExpression("NormPos=(-?\\d+),(-?\\d+),(-?\\d+),(-?\\d+)").match(ini());
    ASSERT_TRUE(normal.hasMatch());
    EXPECT_EQ(normal.captured(3).toInt() - normal.captured(1).toInt(), qMax(200, least.width()));
    EXPECT_EQ(normal.captured(4).toInt() - normal.captured(2).toInt(), qMax(100, least.height()));

    // A normal window keeps its state, its size no smaller than the window can be.
    text = ini();
    text.replace("ShowCmd=3", "ShowCmd=1");
    writeIni(text);
    start();
    EXPECT_FALSE(form->isMaximized());
    EXPECT_GE(form->width(), form->minimumSizeHint().width());
    EXPECT_GE(form->height(), form->minimumSizeHint().height());
    closeAndEnd();
    EXPECT_TRUE(ini().contains("ShowCmd=1"));
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
