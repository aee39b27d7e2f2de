// The program: the one open dictionary and the windows, created once at start in their order
// and living until the end.
#pragma once

#include "fileunit.h"
#include "messageboxes.h"

#include <QString>
#include <memory>

namespace zadrovec::ui {

class TAboutBox;
class TForm1;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class Tnastaveniform;

class Program {
public:
    explicit Program(const QString& programFolder);
    ~Program();

    TForm1& mainWindow() { return *form1_; }
    TAboutBox& aboutBox() { return *about_; }
    Tnastaveniform& settingsDialog() { return *settings_; }
    TForm3& charactersWindow() { return *form3_; }
    TForm4& userDictionaryEditor() { return *form4_; }
    TForm5& progressWindow() { return *form5_; }
    TForm6& foundWindow() { return *form6_; }
    TForm7& findDialog() { return *form7_; }
    Dictionary& dictionary() { return dictionary_; }

private:
    WindowMessages messages_;
    Dictionary dictionary_;
    std::unique_ptr<TForm1> form1_;
    TAboutBox* about_ = nullptr; // the other windows are owned by the main window
    TForm3* form3_ = nullptr;    // owned by the main window
    TForm4* form4_ = nullptr;    // owned by the main window
    TForm5* form5_ = nullptr;    // owned by the main window
    TForm6* form6_ = nullptr;    // owned by the main window
    TForm7* form7_ = nullptr;    // owned by the main window
    Tnastaveniform* settings_ = nullptr;
};

} // namespace zadrovec::ui
