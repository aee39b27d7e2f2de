#include "Unit7.h"

#include "cp1250validator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace zadrovec::ui {

TForm7::TForm7(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Vyhledat text"));
    setFixedSize(331, 87);

    Label1 = new QLabel(QStringLiteral("Text"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 6, 299, 16);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setValidator(new Cp1250Validator(Edit1));
    Edit1->setGeometry(16, 22, 299, 24);
    Label1->setBuddy(Edit1);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("&Hledej"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(86, 54, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("&Storno"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(170, 54, 75, 25);

    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, Edit1);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
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
