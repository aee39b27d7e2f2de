#include "Unit7.h"

#include "cp1250validator.h"
#include "fitting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace zadrovec::ui {

TForm7::TForm7(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Vyhledat text"));

    Label1 = new QLabel(QStringLiteral("Text"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setValidator(new Cp1250Validator(Edit1));
    labelControl(Label1, Edit1);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("&Hledej"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("&Storno"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    placeControls();

    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, Edit1);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
}

// Drawn at 331 x 87 pixels; a larger font makes the rows taller and the buttons wider.
void TForm7::placeControls() {
    constexpr int kMargin = 16;
    constexpr int kButtonGap = 9;
    const int lineHeight = fontMetrics().height();
    const int labelHeight = qMax(16, lineHeight);
    const int editHeight = qMax(24, lineHeight + 8);
    const QSize ok = buttonSizeFor(BitBtn1, {75, 25});
    const QSize cancel = buttonSizeFor(BitBtn2, {75, 25});
    const int buttonsWidth = ok.width() + kButtonGap + cancel.width();
    const int width = qMax(331, buttonsWidth + 2 * kMargin);
    Label1->setGeometry(kMargin, 6, width - 2 * kMargin, labelHeight);
    Edit1->setGeometry(kMargin, 6 + labelHeight, width - 2 * kMargin, editHeight);
    const int top = Edit1->geometry().bottom() + 1 + 8;
    const int left = (width - buttonsWidth) / 2;
    BitBtn1->setGeometry(QRect(QPoint(left, top), ok));
    BitBtn2->setGeometry(QRect(QPoint(left + ok.width() + kButtonGap, top), cancel));
    setFixedSize(width, qMax(87, top + qMax(ok.height(), cancel.height()) + 8));
}

void TForm7::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1Change();
    Edit1->setFocus();
}

// A text of blanks is a text to look for too.
void TForm7::Edit1Change() {
    BitBtn1->setEnabled(!Edit1->text().isEmpty());
}

} // namespace zadrovec::ui
