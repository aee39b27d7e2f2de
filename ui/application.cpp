#include "ui/application.h"

#include "ui/messageboxes.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zadrovec::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Zadrovec")); // the application's title
    // The program speaks Czech whatever the session's language: so do the toolkit's own texts
    // (the folder dialog, the edit fields' menu, the buttons of message boxes).
    // Dates and numbers too: Czech is the default locale of every widget and dialog.
    QLocale::setDefault(QLocale(QLocale::Czech));
    auto* toolkitTexts = new QTranslator(this);
    if (toolkitTexts->load(QStringLiteral("qtbase_cs"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(toolkitTexts);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace zadrovec::ui
