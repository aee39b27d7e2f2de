// The engine's messages in a terminal: a message box becomes a line on stderr, and panel 0 of
// the status bar is kept for whoever prints it.
#pragma once

#include "engine/dictionary/messages.h"
#include "tools/cli_text.h"

#include <iostream>

namespace zadrovec::cli {

class TerminalMessages : public Messages {
public:
    void showMessage(const std::string& text) override { printLine(std::cerr, text); }
    void setStatusText(const std::string& text) override { status = text; }

    std::string status;
};

} // namespace zadrovec::cli
