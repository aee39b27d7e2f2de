// What the settings dialog "Nastavení" edits: the two toolbars' layout, the search trigger and
// the user dictionary's folder. The main window gives it to the dialog and applies what comes
// back.
#pragma once

#include "ui/widgets/buttonbar.h"

#include <QString>

namespace zadrovec::ui {

struct ToolbarOptions {
    ButtonBar::TAlign side = ButtonBar::alTop;
    bool captionsBesideIcons = true; // false: under the icons
    bool showCaptions = true;
    bool flat = true;
};

struct SettingsOptions {
    ToolbarOptions dictionaryBar; // "Panel nástrojů - volené slovníky"
    ToolbarOptions toolsBar;      // "Panel nástrojů - ostatní"
    bool searchAsTyped = true;    // false: on Enter only
    QString userDictionaryFolder;
};

} // namespace zadrovec::ui
