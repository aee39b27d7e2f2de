#include "ui/widgets/fitting.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace zadrovec::ui {
namespace {

constexpr int kButtonPadding = 10; // frame and margins at both sides together

QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

} // namespace

int buttonWidthForText(const QAbstractButton* button) {
    int width = button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text()));
    if (!button->icon().isNull()) width += button->iconSize().width() + 4;
    return width + kButtonPadding;
}

QSize buttonSizeFor(const QAbstractButton* button, QSize design) {
    return design.expandedTo(
        QSize(buttonWidthForText(button), button->fontMetrics().height() + kButtonPadding - 2));
}

void growToContents(QWidget* widget, QSize design) {
    QSize needed = widget->minimumSizeHint();
    if (QLayout* layout = widget->layout()) {
        layout->activate();
        // Wrapped texts: the height they need at the width the widget will have.
        if (layout->hasHeightForWidth())
            needed.setHeight(layout->totalHeightForWidth(qMax(design.width(), needed.width())));
    }
    widget->setMinimumSize(design.expandedTo(needed));
}

void fixSizeGrowingToLayout(QWidget* window, QSize design) {
    QSize size = design;
    if (QLayout* layout = window->layout()) {
        layout->activate();
        size = size.expandedTo(layout->totalMinimumSize());
    }
    window->setFixedSize(size);
}

void labelControl(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    nameControl(control, withoutMnemonic(label->text()));
}

void nameControl(QWidget* control, const QString& name) {
    control->setAccessibleName(withoutMnemonic(name));
}

} // namespace zadrovec::ui
