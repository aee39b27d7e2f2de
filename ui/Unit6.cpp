#include "Unit6.h"

#include "Unit5.h"
#include "controls.h"
#include "fitting.h"
#include "formstorage.h"
#include "listbox.h"
#include "messageboxes.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace zadrovec::ui {
namespace {

constexpr int kMinimumColumnWidth = 50;

// A column: a header of 25 pixels with its caption, and the list filling the rest.
Panel* column(const QString& name, QLabel*& header, const QString& caption, ListBox*& list,
              const QString& listName, StringList::Order order, QWidget* parent) {
    auto* panel = new Panel(parent);
    panel->setObjectName(name);
    panel->setMinimumWidth(kMinimumColumnWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    header = new QLabel(caption, panel);
    header->setFixedHeight(25);
    header->setIndent(4);
    list = new ListBox(order, listName, panel);
    labelControl(header, list);
    layout->addWidget(header);
    layout->addWidget(list, 1);
    return panel;
}

} // namespace

TForm6::TForm6(Dictionary& dictionary, QWidget* mainWindow)
    : QDialog(mainWindow), dictionary_(dictionary) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Nalezené výrazy"));
    setSizeGripEnabled(true);
    resize(544, 375);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(35);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              QStringLiteral("&Zavřít okno"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(QRect(QPoint(6, 5), buttonSizeFor(BitBtn1, QSize(93, 25))));
    BitBtn1->setAutoDefault(false);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(3);
    Splitter1->setOpaqueResize(true); // the panels follow while the splitter is dragged
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setFrameShadow(QFrame::Raised);
    Panel2 = column(QStringLiteral("Panel2"), Label1, QStringLiteral("Nalezená slova"), ListBox1,
                    QStringLiteral("ListBox1"), StringList::Order::Sorted, Splitter1);
    QWidget* Panel3 =
        column(QStringLiteral("Panel3"), Label2, QStringLiteral("Významy slova"), ListBox2,
               QStringLiteral("ListBox2"), StringList::Order::Sorted, Splitter1);
    Splitter1->addWidget(Panel2);
    Splitter1->addWidget(Panel3);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({231, 544 - 231 - 3});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Splitter1, 1);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBox1, &ListBox::selectionChangedTo, this,
            [this](int row) { runHandler([this, row] { ShowFoundMeanings(row); }); });
    FormStorage1 = new TFormStorage(
        this, QStringLiteral("FormStorage1"), QStringLiteral("Okno nalezených výrazů"),
        TFormPlacement::fpState | TFormPlacement::fpPosition, {"Panel2.Width"});
}

TForm6::~TForm6() {
    TFormPlacement::notifyDestroying(this);
}

ResultLists TForm6::resultLists() {
    return {ListBox1->items(), ListBox3, ListBox4, ListBox2->items()};
}

void TForm6::ShowFoundMeanings(int index) {
    ResultLists lists = resultLists();
    zadrovec::ShowFoundMeanings(lists, index);
}

void TForm6::showEvent(QShowEvent* event) {
    // Runs before the window becomes visible; a window restored from an icon searches nothing.
    if (!event->spontaneous()) runHandler([this] { FormShow(); });
    QDialog::showEvent(event);
}

void TForm6::FormShow() {
    const ProgressShown progress(progress_);

    CzechUpperCase(SearchText);
    ResultLists lists = resultLists();
    // Only the animation and the painting go on: the window is not modal yet, so a click or a
    // key would still reach the main window and could start a search of its own mid-scan.
    SearchAllDictionaries(dictionary_, lists, SearchText,
                          [] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

} // namespace zadrovec::ui
