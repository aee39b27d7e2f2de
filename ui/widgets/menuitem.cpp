#include "ui/widgets/menuitem.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace zadrovec::ui {

QAction* addMenuItem(QMenu* menu, QAction* action, const QString& name, QActionGroup* radioGroup) {
    auto* item = new QAction(menu);
    item->setObjectName(name);
    // The item shows the shortcut as text after a tab and has none of its own: the action's
    // shortcut works in every state of the menu bar, and a second one would make it ambiguous.
    auto follow = [item, action] {
        const QKeySequence shortcut = action->shortcut();
        item->setText(shortcut.isEmpty() ? action->text()
                                         : action->text() + QLatin1Char('\t') +
                                               shortcut.toString(QKeySequence::NativeText));
        item->setIcon(action->icon());
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

void leaveMenuBarWithItsMenus(QMenuBar* bar) {
    for (QAction* entry : bar->actions()) {
        QMenu* menu = entry->menu();
        if (!menu) continue;
        QObject::connect(menu, &QMenu::aboutToHide, bar, [bar] {
            // Once the popup is gone: when no other menu of the bar opened instead, the bar lets
            // the focus go back to the field that had it (Esc does that in a bar without popup).
            QTimer::singleShot(0, bar, [bar] {
                if (!bar->hasFocus() || QApplication::activePopupWidget()) return;
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(bar, &escape);
            });
        });
    }
}

} // namespace zadrovec::ui
