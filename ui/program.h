// The program: the one open dictionary and the windows, created once at start in their order
// and living until the end. The main window is the others' parent; what they say to each other
// goes through the signals connected here.
#pragma once

#include "engine/dictionary/dictionaryfiles.h"
#include "ui/messageboxes.h"

#include <QString>
#include <memory>

namespace zadrovec::ui {

class AboutBox;
class MainWindow;
class CharactersWindow;
class UserDictionaryEditor;
class SearchProgressWindow;
class FoundTextWindow;
class FindTextDialog;
class SettingsDialog;

class Program {
public:
    explicit Program(const QString& programFolder);
    ~Program();

    MainWindow& mainWindow() { return *mainWindow_; }
    AboutBox& aboutBox() { return *aboutBox_; }
    SettingsDialog& settingsDialog() { return *settingsDialog_; }
    CharactersWindow& charactersWindow() { return *charactersWindow_; }
    UserDictionaryEditor& userDictionaryEditor() { return *userDictionaryEditor_; }
    SearchProgressWindow& progressWindow() { return *progressWindow_; }
    FoundTextWindow& foundWindow() { return *foundWindow_; }
    FindTextDialog& findDialog() { return *findDialog_; }
    Dictionary& dictionary() { return dictionary_; }

private:
    void connectWindows();

    WindowMessages messages_;
    Dictionary dictionary_;
    // In the order of their making; they end in the reverse order, the main window last, each
    // saving its settings if it must.
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<CharactersWindow> charactersWindow_;
    std::unique_ptr<UserDictionaryEditor> userDictionaryEditor_; // shown by no command
    std::unique_ptr<SearchProgressWindow> progressWindow_;
    std::unique_ptr<FoundTextWindow> foundWindow_;
    std::unique_ptr<FindTextDialog> findDialog_;
    std::unique_ptr<SettingsDialog> settingsDialog_;
};

} // namespace zadrovec::ui
