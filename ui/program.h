// The program: the one open dictionary and the windows, created once at start in their order
// and living until the end.
#pragma once

#include "fileunit.h"
#include "messageboxes.h"

#include <QString>
#include <memory>

namespace zadrovec::ui {

class TForm1;
class TForm5;

class Program {
public:
    explicit Program(const QString& programFolder);
    ~Program();

    TForm1& mainWindow() { return *form1_; }
    TForm5& progressWindow() { return *form5_; }
    Dictionary& dictionary() { return dictionary_; }

private:
    WindowMessages messages_;
    Dictionary dictionary_;
    std::unique_ptr<TForm1> form1_;
    TForm5* form5_ = nullptr; // owned by the main window
};

} // namespace zadrovec::ui
