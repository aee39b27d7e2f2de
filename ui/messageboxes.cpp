#include "ui/messageboxes.h"

#include "ui/widgets/qtext.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace zadrovec::ui {
namespace {

MessageBoxes::Presenter& presenter() {
    static MessageBoxes::Presenter current;
    return current;
}

void present(MessageKind kind, const QString& caption, const QString& text) {
    if (presenter()) {
        presenter()(kind, caption, text);
        return;
    }
    QMessageBox box(kind == MessageKind::Error         ? QMessageBox::Critical
                    : kind == MessageKind::Information ? QMessageBox::Information
                                                       : QMessageBox::NoIcon,
                    caption, text, QMessageBox::Ok, QApplication::activeWindow());
    // A window kept on top (the progress window of a search) must not hide the box's button:
    // the box belongs to it then, and is kept on top too.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            continue;
        box.setParent(window, box.windowFlags() | Qt::WindowStaysOnTopHint);
        break;
    }
    box.exec();
}

} // namespace

void MessageBoxes::plain(const QString& text) {
    present(MessageKind::Plain, QStringLiteral("Zadrovec"), text);
}

void MessageBoxes::error(const QString& text) {
    present(MessageKind::Error, QStringLiteral("Chyba"), text);
}

void MessageBoxes::information(const QString& text) {
    present(MessageKind::Information, QStringLiteral("Informace"), text);
}

void MessageBoxes::generalError(const QString& text) {
    present(MessageKind::Plain, QStringLiteral("Zadrovec"), text + QLatin1Char('.'));
}

void MessageBoxes::setPresenter(Presenter replacement) {
    presenter() = std::move(replacement);
}

void WindowMessages::showMessage(const std::string& text) {
    MessageBoxes::plain(toQString(text));
}

void WindowMessages::showError(const std::string& text) {
    MessageBoxes::error(toQString(text));
}

void WindowMessages::showInformation(const std::string& text) {
    MessageBoxes::information(toQString(text));
}

void WindowMessages::setStatusText(const std::string& text) {
    if (statusSink) statusSink(toQString(text));
}

void runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        MessageBoxes::generalError(QString::fromUtf8(e.what()));
    }
}

} // namespace zadrovec::ui
