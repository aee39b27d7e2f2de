// How the engine speaks to the user: message boxes and the word count on the status line.
// The windows show them; the command-line tool prints them; tests record them.
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
    // Typed message boxes: "Chyba" or "Informace" as caption, one "OK" button. A voice that
    // knows no types shows them as plain messages.
    virtual void showError(const std::string& text) { showMessage(text); }
    virtual void showInformation(const std::string& text) { showMessage(text); }
    // The status line: the word count of the dictionary or catalogue opened last.
    virtual void setStatusText(const std::string& text) = 0;
};

// Keeps what would have been shown; for tests and for tools that print it later.
class RecordedMessages : public Messages {
public:
    enum class Kind { Plain, Error, Information };

    void showMessage(const std::string& text) override { record(Kind::Plain, text); }
    void showError(const std::string& text) override { record(Kind::Error, text); }
    void showInformation(const std::string& text) override { record(Kind::Information, text); }
    void setStatusText(const std::string& text) override { status = text; }

    std::vector<std::string> shown;
    std::vector<Kind> kinds; // of each shown text
    std::string status;

private:
    void record(Kind kind, const std::string& text) {
        shown.push_back(text);
        kinds.push_back(kind);
    }
};

} // namespace zadrovec
