#include "ui/widgets/spinedit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

namespace zadrovec::ui {

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {
    setRange(1, 50);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int SpinEdit::currentValue() const {
    bool ok = false;
    const int value = lineEdit()->text().trimmed().toInt(&ok);
    return ok ? value : 1;
}

QValidator::State SpinEdit::validate(QString& text, int&) const {
    static const QRegularExpression signAndDigits(QStringLiteral("^\\s*[+-]?[0-9]*\\s*$"));
    if (!signAndDigits.match(text).hasMatch()) return QValidator::Invalid;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                          : QValidator::Intermediate;
}

} // namespace zadrovec::ui

namespace zadrovec::ui {

void SpinEdit::fixup(QString& text) const {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok) text = QString::number(std::clamp(value, minimum(), maximum()));
}

} // namespace zadrovec::ui
