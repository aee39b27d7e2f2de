#include "ui/helpwindow.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace zadrovec::ui {

void showHelp(const QString& pagePath, QWidget* mainWindow) {
    if (!QFileInfo(pagePath).isFile()) return;
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser(mainWindow);
        window->setWindowFlag(Qt::Window);
        window->setObjectName(QStringLiteral("HelpWindow"));
        window->setWindowTitle(QStringLiteral("Zadrovec – nápověda"));
        window->setOpenExternalLinks(true);
        window->resize(640, 560);
    }
    window->setSource(QUrl::fromLocalFile(pagePath));
    window->show();
    window->raise();
}

} // namespace zadrovec::ui
