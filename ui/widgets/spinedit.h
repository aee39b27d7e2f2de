// A number field of 1 to 50 that takes digits and a sign while typed: leaving it sets a value
// outside the range to the nearer bound, and a text that is no whole number counts as 1.
#pragma once

#include <QSpinBox>

namespace zadrovec::ui {

class SpinEdit : public QSpinBox {
    Q_OBJECT
    // As the settings keep it: a text that is no number counts as 1, a value set is kept in range.
    Q_PROPERTY(int Value READ currentValue WRITE setValue)
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    // The value as the text says now, also while it is being typed.
    int currentValue() const;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
};

} // namespace zadrovec::ui
