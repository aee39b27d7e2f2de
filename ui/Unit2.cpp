#include "Unit2.h"

#include "bevelpanel.h"
#include "controls.h"
#include "fitting.h"
#include "formstorage.h"
#include "messageboxes.h"
#include "programicon.h"
#include "qtext.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zadrovec::ui {
namespace {

constexpr int kValueGap = 6; // between a label and its value

template <typename L = QLabel>
L* label(const QString& name, const QString& text, QWidget* parent, bool boldItalic = false) {
    auto* l = new L(parent);
    l->setText(text);
    l->setObjectName(name);
    if (boldItalic) {
        QFont font = l->font();
        font.setBold(true);
        font.setItalic(true);
        l->setFont(font);
    }
    return l;
}

} // namespace

TAboutBox::TAboutBox(Dictionary& dictionary, QWidget* mainWindow)
    : QDialog(mainWindow), dictionary_(dictionary) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programu"));

    auto* Panel1 = new BevelPanel(BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(4, 6, 4, 6);
    grid->setVerticalSpacing(1);

    ProgramIcon = label(QStringLiteral("ProgramIcon"), {}, Panel1);
    ProgramIcon->setPixmap(programIcon().pixmap(32, 32));
    ProgramIcon->setFixedSize(65, 57);
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProductName = label(QStringLiteral("ProductName"), QStringLiteral("Zadrovec"), Panel1, true);
    QFont nameFont = ProductName->font();
    nameFont.setPixelSize(19);
    ProductName->setFont(nameFont);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("Verze programu: 1.5"), Panel1, true);
    VerzeCap =
        label(QStringLiteral("VerzeCap"), QStringLiteral("Verze slovní zásoby:"), Panel1, true);
    Verze = label<Label>(QStringLiteral("Verze"), QStringLiteral("?"), Panel1, true);
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Program:"), Panel1);
    auto* programRights =
        label(QStringLiteral("ProgramRights"),
              QStringLiteral("© 2026 vývojáři Zadrovce, svobodný program"), Panel1);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Slovní zásoba:"), Panel1);
    // The word stock's sources, as data/README.md lists them with their licences.
    Label3 = label(QStringLiteral("Label3"),
                   QStringLiteral("Český tezaurus (mythes-cs), Slovník cizích slov "
                                  "(stardict-czech), český slovník hunspell-cs, iso-codes a "
                                  "CLDR; ostatní slovníky vývojáři Zadrovce"),
                   Panel1);
    Label3->setWordWrap(true);
    Label4 =
        label(QStringLiteral("Label4"), QStringLiteral("Datum aktualizace slovní zásoby:"), Panel1);
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("nezjištěno"), Panel1);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(1);
    heading->addWidget(ProductName);
    heading->addWidget(Label6);
    auto* version = new QHBoxLayout;
    version->setSpacing(kValueGap);
    version->addWidget(VerzeCap);
    version->addWidget(Verze, 1);
    heading->addLayout(version);
    grid->addWidget(ProgramIcon, 0, 0);
    grid->addLayout(heading, 0, 1);
    grid->addWidget(Label1, 1, 0, 1, 2);
    grid->addWidget(programRights, 2, 0, 1, 2);
    grid->addWidget(Label2, 3, 0, 1, 2);
    grid->addWidget(Label3, 4, 0, 1, 2);
    auto* date = new QHBoxLayout;
    date->setSpacing(kValueGap);
    date->addWidget(Label4);
    date->addWidget(Label5, 1);
    grid->addLayout(date, 5, 0, 1, 2);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setFixedSize(buttonSizeFor(OKButton, {75, 25}));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Panel1);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);

    growToContents(Panel1, {349, 161});
    fixSizeGrowingToLayout(this, {365, 213});

    FormStorage1 = new TFormStorage(this, QStringLiteral("FormStorage1"),
                                    QStringLiteral("O programu"), {}, {"Verze.Caption"});
}

TAboutBox::~TAboutBox() {
    TFormPlacement::notifyDestroying(this);
}

void TAboutBox::showEvent(QShowEvent* event) {
    // Without an open dictionary the read fails: the error is reported, the box shows all the
    // same with the date it had.
    runHandler([this] { FormShow(); });
    QDialog::showEvent(event);
}

void TAboutBox::FormShow() {
    SeekRecord(dictionary_, 0);
    ReadRecord(dictionary_);
    Label5->setText(toQString(dictionary_.wordRecord.text()));
}

} // namespace zadrovec::ui
