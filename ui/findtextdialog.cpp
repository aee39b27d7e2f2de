#include "ui/findtextdialog.h"

#include "ui/widgets/cp1250validator.h"
#include "ui/widgets/fitting.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace zadrovec::ui {

FindTextDialog::FindTextDialog(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Vyhledat text"));

    textLabel = new QLabel(QStringLiteral("Text"), this);
    textLabel->setObjectName(QStringLiteral("Label1"));
    textField = new QLineEdit(this);
    textField->setObjectName(QStringLiteral("Edit1"));
    textField->setValidator(new Cp1250Validator(textField));
    labelControl(textLabel, textField);

    findButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                 QStringLiteral("&Hledej"), this);
    findButton->setObjectName(QStringLiteral("BitBtn1"));
    findButton->setDefault(true);
    cancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   QStringLiteral("&Storno"), this);
    cancelButton->setObjectName(QStringLiteral("BitBtn2"));

    placeControls();

    setTabOrder(findButton, cancelButton);
    setTabOrder(cancelButton, textField);

    connect(findButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(textField, &QLineEdit::textChanged, this, &FindTextDialog::enableFindButton);
}

// Drawn at 331 x 87 pixels; a larger font makes the rows taller and the buttons wider.
void FindTextDialog::placeControls() {
    constexpr int kMargin = 16;
    constexpr int kButtonGap = 9;
    const int lineHeight = fontMetrics().height();
    const int labelHeight = qMax(16, lineHeight);
    const int editHeight = qMax(24, lineHeight + 8);
    const QSize ok = buttonSizeFor(findButton, {75, 25});
    const QSize cancel = buttonSizeFor(cancelButton, {75, 25});
    const int buttonsWidth = ok.width() + kButtonGap + cancel.width();
    const int width = qMax(331, buttonsWidth + 2 * kMargin);
    textLabel->setGeometry(kMargin, 6, width - 2 * kMargin, labelHeight);
    textField->setGeometry(kMargin, 6 + labelHeight, width - 2 * kMargin, editHeight);
    const int top = textField->geometry().bottom() + 1 + 8;
    const int left = (width - buttonsWidth) / 2;
    findButton->setGeometry(QRect(QPoint(left, top), ok));
    cancelButton->setGeometry(QRect(QPoint(left + ok.width() + kButtonGap, top), cancel));
    setFixedSize(width, qMax(87, top + qMax(ok.height(), cancel.height()) + 8));
}

QString FindTextDialog::text() const {
    return textField->text();
}

void FindTextDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    enableFindButton();
    textField->setFocus();
}

// A text of blanks is a text to look for too.
void FindTextDialog::enableFindButton() {
    findButton->setEnabled(!textField->text().isEmpty());
}

} // namespace zadrovec::ui
