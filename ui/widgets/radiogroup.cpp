#include "ui/widgets/radiogroup.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace zadrovec::ui {

void tabStopAtCheckedButton(const QList<QAbstractButton*>& buttons) {
    auto update = [buttons] {
        QAbstractButton* stop = buttons.value(0);
        for (QAbstractButton* button : buttons)
            if (button->isChecked()) stop = button;
        for (QAbstractButton* button : buttons)
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QAbstractButton* button : buttons)
        QObject::connect(button, &QAbstractButton::toggled, button, update);
    // Qt makes the button that last took the focus the group's stop; after that the checked one
    // is made the stop again.
    if (!buttons.isEmpty())
        QObject::connect(qApp, &QApplication::focusChanged, buttons.first(),
                         [buttons, update](QWidget*, QWidget* now) {
                             if (buttons.contains(now)) update();
                         });
    update();
}

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items,
                       int columns, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    setObjectName(name);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        // Never narrower than its caption: the group grows instead.
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        buttons_->addButton(button, i);
        grid->addWidget(button, i % rows, i / rows); // filled column by column
    }
    tabStopAtCheckedButton(buttons_->buttons());
}

int RadioGroup::itemIndex() const {
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < count()) {
        buttons_->button(index)->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; clearing needs the rule lifted for a moment.
    buttons_->setExclusive(false);
    for (QAbstractButton* button : buttons_->buttons())
        button->setChecked(false);
    buttons_->setExclusive(true);
}

QRadioButton* RadioGroup::item(int index) const {
    return qobject_cast<QRadioButton*>(buttons_->button(index));
}

int RadioGroup::count() const {
    return static_cast<int>(buttons_->buttons().size());
}

} // namespace zadrovec::ui
