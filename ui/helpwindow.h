// The help: a Czech page beside the program, shown in a window of its own that does not block
// the main window.
#pragma once

#include <QString>

class QWidget;

namespace zadrovec::ui {

// Shows the page; a missing page shows nothing and says nothing.
void showHelp(const QString& pagePath, QWidget* mainWindow);

} // namespace zadrovec::ui
