// Shared pieces of the window tests: the application object, recorded message boxes and a
// program started on dictionaries made in a temporary folder.
#pragma once

#include "engine/text/stringlist.h"
#include "tests/engine/fixture.h"
#include "ui/messageboxes.h"
#include "ui/program.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

class QLineEdit;

namespace zadrovec::ui {
class ListBox;
class MainWindow;
} // namespace zadrovec::ui

namespace zadrovec::testing {

struct ShownMessage {
    ui::MessageKind kind;
    QString caption;
    QString text;
};

// Every message box is recorded instead of shown.
class RecordedBoxes {
public:
    RecordedBoxes();
    ~RecordedBoxes();
    std::vector<ShownMessage> shown;
    QStringList texts() const;
};

QStringList items(const zadrovec::StringList& list);

// The window a control belongs to: the nearest window above it.
const QWidget* windowOf(const QObject* control);

// The control of window under an object name (the name the settings keep it by), not one of
// another window made beside it; the test fails when there is none.
template <typename Control> Control* control(const QWidget* window, const QString& name) {
    for (Control* found : window->findChildren<Control*>(name))
        if (windowOf(found) == window) return found;
    ADD_FAILURE() << "no control " << name.toStdString();
    return nullptr;
}

// Key by key, as typed: every character goes through the field's validator, whatever its script.
void typeKeys(QLineEdit* field, const QString& text);
// A left click on a row of a list.
void clickRow(ui::ListBox* list, int row);

// The program started on the dictionaries a test writes into `folder`, its message boxes
// recorded.
class ProgramTest : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedBoxes boxes;
    std::unique_ptr<ui::Program> program;
    ui::MainWindow* mainWindow = nullptr;
    int progressShown = 0; // how often the search progress window came up

    // Makes the program and shows its main window, active, as starting it does.
    void start();
    // Closes the main window and ends the program, as quitting it does.
    void closeAndEnd();
    void restart() {
        closeAndEnd();
        start();
    }

    // What the main window lists and says.
    QStringList found() const;
    QStringList meanings() const;
    QString status() const;

    // The settings file of the running test, in a settings folder new for every test.
    static std::filesystem::path iniPath();
    static std::string ini() { return readBytes(iniPath()); }
    static void writeIni(std::string_view bytes);
};

} // namespace zadrovec::testing

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}
