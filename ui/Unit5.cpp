#include "Unit5.h"

#include "findfileanimation.h"
#include "fitting.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace zadrovec::ui {

TForm5::TForm5(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Zadrovec"));
    // Typing goes on in the main window while a search runs: the progress window never takes
    // the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    Animate1 = new FindFileAnimation(this);
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Label1 = new QLabel(QStringLiteral("Vyhledávám hesla..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Animate1);
    layout->addWidget(Label1, 1);
    fixSizeGrowingToLayout(this, {195, 70});
}

void TForm5::begin() {
    Animate1->setActive(true);
    activeBefore_ = QApplication::activeWindow();
    if (mainWindow_) {
        const QRect frame = mainWindow_->frameGeometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
    QApplication::processEvents(); // once, so the window paints before the work starts
}

void TForm5::end() {
    close();
    Animate1->setActive(false);
    // Window systems that activate the progress window on showing leave none active after it:
    // the window the user typed in is active again.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (activeBefore_ && QApplication::activeWindow() != activeBefore_) {
        activeBefore_->activateWindow();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void TForm5::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit shown();
}

} // namespace zadrovec::ui
