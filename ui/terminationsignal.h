// SIGTERM (the session ending, `kill`) and SIGINT (Ctrl+C in a terminal) close the main window as
// the user closes it, so the settings are saved, instead of ending the process where it stands.
// What the close has to tell (a save that failed) goes to standard error, not into a box.
#pragma once

class QWidget;

namespace zadrovec::ui {

// From now on the two signals close `window`; it must live until the event loop ends.
void closeOnTerminationSignal(QWidget& window);

} // namespace zadrovec::ui
