// Every message box of the program goes through here, so tests can read what would have been
// shown instead of facing a modal box.
#pragma once

#include "engine/dictionary/messages.h"

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace zadrovec::ui {

enum class MessageKind { Plain, Error, Information };

struct MessageBoxes {
    using Presenter = std::function<void(MessageKind, const QString& caption, const QString& text)>;

    // A plain message: the application's title "Zadrovec" as caption, one "OK" button.
    static void plain(const QString& text);
    // Typed messages: "Chyba" or "Informace" as caption, one "OK" button.
    static void error(const QString& text);
    static void information(const QString& text);
    // The report of an error no handler caught: its text and a full stop.
    static void generalError(const QString& text);

    // Replaces the boxes (tests); an empty presenter brings the real boxes back.
    static void setPresenter(Presenter presenter);
};

// The engine's voice in the windows: messages become boxes, the word count goes to whoever
// shows panel 0 of the main window's status bar.
class WindowMessages : public Messages {
public:
    void showMessage(const std::string& text) override;
    void showError(const std::string& text) override;
    void showInformation(const std::string& text) override;
    void setStatusText(const std::string& text) override;

    std::function<void(const QString&)> statusSink;
};

// Runs a handler; an exception leaving it is shown by the general error report, and the
// program goes on.
void runHandler(const std::function<void()>& handler);

} // namespace zadrovec::ui
