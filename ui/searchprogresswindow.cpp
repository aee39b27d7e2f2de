#include "ui/searchprogresswindow.h"

#include "ui/widgets/findfileanimation.h"
#include "ui/widgets/fitting.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zadrovec::ui {
namespace {

// The window's caption, drawn by the window itself in the colours of a selection.
QLabel* drawnCaption(const QString& title, QWidget* parent) {
    auto* caption = new QLabel(title, parent);
    caption->setObjectName(QStringLiteral("Caption"));
    caption->setAutoFillBackground(true);
    QPalette colours = caption->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    caption->setPalette(colours);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    caption->setIndent(4);
    caption->setFixedHeight(caption->fontMetrics().height() + 4);
    return caption;
}

} // namespace

SearchProgressWindow::SearchProgressWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Zadrovec"));
    // Typing goes on in the main window while a search runs: the progress window never takes
    // the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);

    // Window managers give any window with a title bar a close button at least: the window
    // has no frame of theirs, and draws its caption itself, above a client area of 195 x 70.
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QLabel* caption = drawnCaption(windowTitle(), frame);
    QWidget* client = createClientArea(frame);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(frame->frameWidth(), frame->frameWidth(), frame->frameWidth(),
                               frame->frameWidth());
    column->setSpacing(0);
    column->addWidget(caption);
    column->addWidget(client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    fixSizeGrowingToLayout(this, {});
}

// The animation beside the message.
QWidget* SearchProgressWindow::createClientArea(QWidget* frame) {
    auto* client = new QWidget(frame);
    animation = new FindFileAnimation(client);
    animation->setObjectName(QStringLiteral("Animate1"));
    messageLabel = new QLabel(QStringLiteral("Vyhledávám hesla..."), client);
    messageLabel->setObjectName(QStringLiteral("Label1"));
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(8, 8, 8, 8);
    row->addWidget(animation);
    row->addWidget(messageLabel, 1);
    growToContents(client, {195, 70});
    return client;
}

void SearchProgressWindow::begin() {
    animation->setActive(true);
    activeBefore_ = QApplication::activeWindow();
    if (mainWindow_) {
        const QRect frame = mainWindow_->frameGeometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
    QApplication::processEvents(); // once, so the window paints before the work starts
}

void SearchProgressWindow::end() {
    close();
    animation->setActive(false);
    // Window systems that activate the progress window on showing leave none active after it:
    // the window the user typed in is active again.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (activeBefore_ && QApplication::activeWindow() != activeBefore_) {
        activeBefore_->activateWindow();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void SearchProgressWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit shown();
}

} // namespace zadrovec::ui
