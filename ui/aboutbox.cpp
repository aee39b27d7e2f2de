#include "ui/aboutbox.h"

#include "ui/messageboxes.h"
#include "ui/widgets/bevelpanel.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/fitting.h"
#include "ui/widgets/programicon.h"
#include "ui/widgets/qtext.h"
#include "windowsettings/windowsettings.h"

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

AboutBox::AboutBox(Dictionary& dictionary, QWidget* mainWindow)
    : QDialog(mainWindow), dictionary_(dictionary) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programu"));

    auto* panel = new BevelPanel(BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 6, 4, 6);
    grid->setVerticalSpacing(1);
    createHeading(panel, grid);
    createCredits(panel, grid);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setFixedSize(buttonSizeFor(okButton, {75, 25}));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panel);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);

    growToContents(panel, {349, 161});
    fixSizeGrowingToLayout(this, {365, 213});

    windowSettings =
        new WindowSettings(this, QStringLiteral("FormStorage1"), QStringLiteral("O programu"), {},
                           {"Verze.Caption"}, {.failed = MessageBoxes::generalError});
}

// The first row: the program's icon beside its name and the two versions.
void AboutBox::createHeading(QWidget* panel, QGridLayout* grid) {
    iconLabel = label(QStringLiteral("ProgramIcon"), {}, panel);
    iconLabel->setPixmap(programIcon().pixmap(32, 32));
    iconLabel->setFixedSize(65, 57);
    iconLabel->setAlignment(Qt::AlignCenter);
    productName = label(QStringLiteral("ProductName"), QStringLiteral("Zadrovec"), panel, true);
    QFont nameFont = productName->font();
    nameFont.setPixelSize(19);
    productName->setFont(nameFont);
    programVersion =
        label(QStringLiteral("Label6"), QStringLiteral("Verze programu: 1.5"), panel, true);
    wordStockVersionCaption =
        label(QStringLiteral("VerzeCap"), QStringLiteral("Verze slovní zásoby:"), panel, true);
    wordStockVersion = label<Label>(QStringLiteral("Verze"), QStringLiteral("?"), panel, true);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(1);
    heading->addWidget(productName);
    heading->addWidget(programVersion);
    auto* version = new QHBoxLayout;
    version->setSpacing(kValueGap);
    version->addWidget(wordStockVersionCaption);
    version->addWidget(wordStockVersion, 1);
    heading->addLayout(version);
    grid->addWidget(iconLabel, 0, 0);
    grid->addLayout(heading, 0, 1);
}

// The rows under it: who made the program and its word stock, and the stock's update date.
void AboutBox::createCredits(QWidget* panel, QGridLayout* grid) {
    programCaption = label(QStringLiteral("Label1"), QStringLiteral("Program:"), panel);
    auto* programRights =
        label(QStringLiteral("ProgramRights"),
              QStringLiteral("© 2026 vývojáři Zadrovce, svobodný program"), panel);
    wordStockCaption = label(QStringLiteral("Label2"), QStringLiteral("Slovní zásoba:"), panel);
    // The word stock's sources, as data/README.md lists them with their licences.
    wordStockSources =
        label(QStringLiteral("Label3"),
              QStringLiteral("Český tezaurus (mythes-cs), Slovník cizích slov "
                             "(stardict-czech), český slovník hunspell-cs, anglický "
                             "slovník FreeDict, citáty fortunes-cs, četnosti slov "
                             "zxcvbn-ts, iso-codes a CLDR; ostatní slovníky vývojáři "
                             "Zadrovce"),
              panel);
    wordStockSources->setWordWrap(true);
    updateDateCaption =
        label(QStringLiteral("Label4"), QStringLiteral("Datum aktualizace slovní zásoby:"), panel);
    updateDate = label(QStringLiteral("Label5"), QStringLiteral("nezjištěno"), panel);

    grid->addWidget(programCaption, 1, 0, 1, 2);
    grid->addWidget(programRights, 2, 0, 1, 2);
    grid->addWidget(wordStockCaption, 3, 0, 1, 2);
    grid->addWidget(wordStockSources, 4, 0, 1, 2);
    auto* date = new QHBoxLayout;
    date->setSpacing(kValueGap);
    date->addWidget(updateDateCaption);
    date->addWidget(updateDate, 1);
    grid->addLayout(date, 5, 0, 1, 2);
}

AboutBox::~AboutBox() {
    WindowPlacement::notifyDestroying(this);
}

void AboutBox::showEvent(QShowEvent* event) {
    // Without an open dictionary the read fails: the error is reported, the box shows all the
    // same with the date it had.
    runHandler([this] { readUpdateDate(); });
    QDialog::showEvent(event);
}

void AboutBox::readUpdateDate() {
    dictionary_.seek(0);
    dictionary_.read();
    updateDate->setText(toQString(dictionary_.record()));
}

} // namespace zadrovec::ui
