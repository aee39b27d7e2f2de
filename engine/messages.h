// How the engine speaks to the user: message boxes and the word count in the main window's
// status bar. The windows show them; the command-line tool prints them; tests record them.
// Every text is Windows-1250.
#pragma once

#include <string>
#include <vector>

namespace zadrovec {

class Messages {
public:
    virtual ~Messages() = default;
    // A plain message box: the application's title as caption, one "OK" button.
    virtual void showMessage(const std::string& text) = 0;
    // Panel 0 of the main window's status bar.
    virtual void setStatusText(const std::string& text) = 0;
};

// Keeps what would have been shown; for tests and for tools that print it later.
class RecordedMessages : public Messages {
public:
    void showMessage(const std::string& text) override { shown.push_back(text); }
    void setStatusText(const std::string& text) override { status = text; }

    std::vector<std::string> shown;
    std::string status;
};

} // namespace zadrovec
