// Controls and windows laid out at design sizes in pixels: where the desktop's font needs more
// room for a text, they grow; where the text fits, they keep the size they were drawn with.
#pragma once

#include <QSize>

class QAbstractButton;
class QLabel;
class QLayout;
class QWidget;

namespace zadrovec::ui {

// The width a button's caption and picture need, with a little room at both sides.
int buttonWidthForText(const QAbstractButton* button);

// The design size of a button grown to what its caption needs.
QSize buttonSizeFor(const QAbstractButton* button, QSize design);

// A widget drawn at a design size: never smaller than that, nor than its contents need.
void growToContents(QWidget* widget, QSize design);

// A window of fixed size: the design size, grown to what its layout needs.
void fixSizeGrowingToLayout(QWidget* window, QSize design);

// The label names its control for the keyboard (buddy) and for screen readers.
void labelControl(QLabel* label, QWidget* control);

// A control whose title is not a label of its own (a list under a column heading).
void nameControl(QWidget* control, const QString& name);

} // namespace zadrovec::ui
