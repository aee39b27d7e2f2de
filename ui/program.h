// The program: the one open dictionary and the windows, created once at start in their order
// and living until the end.
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

    MainWindow& mainWindow() { return *form1_; }
    AboutBox& aboutBox() { return *about_; }
    SettingsDialog& settingsDialog() { return *settings_; }
    CharactersWindow& charactersWindow() { return *form3_; }
    UserDictionaryEditor& userDictionaryEditor() { return *form4_; }
    SearchProgressWindow& progressWindow() { return *form5_; }
    FoundTextWindow& foundWindow() { return *form6_; }
    FindTextDialog& findDialog() { return *form7_; }
    Dictionary& dictionary() { return dictionary_; }

private:
    WindowMessages messages_;
    Dictionary dictionary_;
    std::unique_ptr<MainWindow> form1_;
    AboutBox* about_ = nullptr;             // the other windows are owned by the main window
    CharactersWindow* form3_ = nullptr;     // owned by the main window
    UserDictionaryEditor* form4_ = nullptr; // owned by the main window
    SearchProgressWindow* form5_ = nullptr; // owned by the main window
    FoundTextWindow* form6_ = nullptr;      // owned by the main window
    FindTextDialog* form7_ = nullptr;       // owned by the main window
    SettingsDialog* settings_ = nullptr;
};

} // namespace zadrovec::ui
