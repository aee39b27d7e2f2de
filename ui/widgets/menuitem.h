// A menu item that shows an action: its caption, image, shortcut, check mark and enabled state
// follow the action, and choosing the item executes the action.
#pragma once

#include <QAction>

class QActionGroup;
class QMenu;
class QMenuBar;

namespace zadrovec::ui {

QAction* addMenuItem(QMenu* menu, QAction* action, const QString& name,
                     QActionGroup* radioGroup = nullptr);
QAction* addMenuSeparator(QMenu* menu, const QString& name);
// A menu of the bar left with Esc leaves the bar too: keys typed next go to the field.
void leaveMenuBarWithItsMenus(QMenuBar* bar);

} // namespace zadrovec::ui
