#include "application.h"

#include "messageboxes.h"

namespace zadrovec::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Zadrovec")); // the application's title
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace zadrovec::ui
