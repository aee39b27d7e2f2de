#include "menuitem.h"

#include <QActionGroup>
#include <QMenu>

namespace zadrovec::ui {

QAction* addMenuItem(QMenu* menu, QAction* action, const QString& name, QActionGroup* radioGroup) {
    auto* item = new QAction(menu);
    item->setObjectName(name);
    // The shortcut is shown; it works through the action, so the item's copy must not compete.
    item->setShortcutContext(Qt::WidgetShortcut);
    auto follow = [item, action] {
        item->setText(action->text());
        item->setIcon(action->icon());
        item->setShortcut(action->shortcut());
        item->setCheckable(action->isCheckable());
        item->setChecked(action->isChecked());
        item->setEnabled(action->isEnabled());
    };
    follow();
    QObject::connect(action, &QAction::changed, item, follow);
    QObject::connect(action, &QAction::toggled, item, follow);
    QObject::connect(item, &QAction::triggered, action, [item, action, follow] {
        action->trigger();
        follow(); // the action decides the check mark
    });
    if (radioGroup) radioGroup->addAction(item);
    menu->addAction(item);
    return item;
}

QAction* addMenuSeparator(QMenu* menu, const QString& name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

} // namespace zadrovec::ui
