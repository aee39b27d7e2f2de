#include "ui/foundtextwindow.h"

#include "ui/messageboxes.h"
#include "ui/searchprogresswindow.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/fitting.h"
#include "ui/widgets/listbox.h"
#include "windowsettings/windowsettings.h"

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

FoundTextWindow::FoundTextWindow(Dictionary& dictionary, SearchProgressWindow* progress,
                                 QWidget* mainWindow)
    : QDialog(mainWindow), dictionary_(dictionary), progress_(progress) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Nalezené výrazy"));
    setSizeGripEnabled(true);
    resize(544, 375);

    topBar = new QWidget(this);
    topBar->setObjectName(QStringLiteral("Panel1"));
    topBar->setFixedHeight(35);
    closeButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("&Zavřít okno"), topBar);
    closeButton->setObjectName(QStringLiteral("BitBtn1"));
    closeButton->setGeometry(QRect(QPoint(6, 5), buttonSizeFor(closeButton, QSize(93, 25))));
    closeButton->setAutoDefault(false);

    columnsSplitter = new QSplitter(Qt::Horizontal, this);
    columnsSplitter->setObjectName(QStringLiteral("Splitter1"));
    columnsSplitter->setHandleWidth(3);
    columnsSplitter->setOpaqueResize(true); // the panels follow while the splitter is dragged
    columnsSplitter->setChildrenCollapsible(false);
    columnsSplitter->setFrameShadow(QFrame::Raised);
    wordsColumn = column(QStringLiteral("Panel2"), foundWordsLabel,
                         QStringLiteral("Nalezená slova"), foundWordsList,
                         QStringLiteral("ListBox1"), StringList::Order::Sorted, columnsSplitter);
    QWidget* meaningsColumn = column(
        QStringLiteral("Panel3"), meaningsLabel, QStringLiteral("Významy slova"), meaningsList,
        QStringLiteral("ListBox2"), StringList::Order::Sorted, columnsSplitter);
    columnsSplitter->addWidget(wordsColumn);
    columnsSplitter->addWidget(meaningsColumn);
    columnsSplitter->setStretchFactor(1, 1);
    columnsSplitter->setSizes({231, 544 - 231 - 3});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topBar);
    layout->addWidget(columnsSplitter, 1);

    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(foundWordsList, &ListBox::selectionChangedTo, this,
            [this](int row) { runHandler([this, row] { showFoundMeanings(row); }); });
    windowSettings = new WindowSettings(this, QStringLiteral("FormStorage1"),
                                        QStringLiteral("Okno nalezených výrazů"),
                                        WindowPlacement::KeepState | WindowPlacement::KeepPosition,
                                        {"Panel2.Width"}, {.failed = MessageBoxes::generalError});
}

FoundTextWindow::~FoundTextWindow() {
    WindowPlacement::notifyDestroying(this);
}

ResultLists FoundTextWindow::resultLists() {
    return {foundWordsList->items(), hitHeadwords, hitMeanings, meaningsList->items()};
}

void FoundTextWindow::findText(std::string text) {
    searchText = std::move(text);
    exec();
}

void FoundTextWindow::showFoundMeanings(int index) {
    resultLists().showMeaningsOf(index);
}

void FoundTextWindow::showEvent(QShowEvent* event) {
    // Runs before the window becomes visible; a window restored from an icon searches nothing.
    if (!event->spontaneous()) runHandler([this] { runSearch(); });
    QDialog::showEvent(event);
}

void FoundTextWindow::runSearch() {
    const ProgressShown progress(progress_);

    CzechUpperCase(searchText);
    // Emptied while the search runs, which paints the window now and then.
    foundWordsList->items().clear();
    meaningsList->items().clear();
    hitHeadwords.clear();
    hitMeanings.clear();
    // Only the animation and the painting go on: the window is not modal yet, so a click or a
    // key would still reach the main window and could start a search of its own mid-scan.
    resultLists().show(SearchAllDictionaries(dictionary_, searchText, [] {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }));
}

} // namespace zadrovec::ui
