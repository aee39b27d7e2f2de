// The application object: title "Zadrovec", and the general error report for any exception
// that leaves an event handler.
#pragma once

#include <QApplication>

namespace zadrovec::ui {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace zadrovec::ui
