#include "ui/characterswindow.h"

#include "ui/messageboxes.h"
#include "ui/widgets/cp1250validator.h"
#include "ui/widgets/fitting.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/qtext.h"
#include "windowsettings/windowsettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

namespace zadrovec::ui {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 400;
constexpr int kColumnWidth = 185;
constexpr int kMinimumColumnWidth = 50;

QLineEdit* filterField(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new Cp1250Validator(edit));
    return edit;
}

// A column of the splitter: its caption, the filter field (the characters column has none, and
// a gap of the field's height keeps its list level with the others) and the list.
QWidget* column(const QString& name, const QString& caption, QLineEdit* edit, ListBox* list,
                QSplitter* splitter) {
    auto* panel = new QWidget(splitter);
    panel->setObjectName(name);
    panel->setMinimumWidth(kMinimumColumnWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* title = new QLabel(caption, panel);
    layout->addWidget(title);
    nameControl(list, caption);
    if (edit) {
        labelControl(title, edit);
        edit->setParent(panel);
        layout->addWidget(edit);
    } else {
        layout->addSpacing(QLineEdit().sizeHint().height());
    }
    list->setParent(panel);
    layout->addWidget(list, 1);
    return panel;
}

} // namespace

CharactersWindow::CharactersWindow(QWidget* mainWindow, Messages& messages,
                                   const QString& programFolder)
    : QDialog(mainWindow), catalogue_(programFolder.toStdString(), messages) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Postavy z děl"));
    resize(kWidth, kHeight);

    QWidget* buttonStrip = createButtonStrip();
    createColumns();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buttonStrip);
    layout->addWidget(columnsSplitter, 1);

    connectControls();
    // "Window Postavy": where the window stood and how large it was.
    placement =
        new WindowPlacement(this, QStringLiteral("FormStorage1"), QStringLiteral("Window Postavy"),
                            WindowPlacement::KeepPosition, {.failed = MessageBoxes::generalError});
}

// The strip above the columns, with the close button.
QWidget* CharactersWindow::createButtonStrip() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* strip = new QHBoxLayout(panel);
    strip->setContentsMargins(0, 0, 0, 0);
    closeButton = new QPushButton(QStringLiteral("Zavřít okno"), panel);
    closeButton->setObjectName(QStringLiteral("Button1"));
    // Enter in a filter field must not close the window.
    closeButton->setAutoDefault(false);
    strip->addWidget(closeButton);
    strip->addStretch(1);
    return panel;
}

// Authors, titles and characters side by side, each filtered by the field above it.
void CharactersWindow::createColumns() {
    columnsSplitter = new QSplitter(Qt::Horizontal, this);
    columnsSplitter->setObjectName(QStringLiteral("Splitter1"));
    columnsSplitter->setChildrenCollapsible(false);
    authorField = filterField(QStringLiteral("Edit1"), this);
    titleField = filterField(QStringLiteral("Edit2"), this);
    authorsList = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox1"), this);
    titlesList = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox2"), this);
    charactersList = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox3"), this);
    column(QStringLiteral("Panel2"), QStringLiteral("Autor"), authorField, authorsList,
           columnsSplitter);
    column(QStringLiteral("Panel3"), QStringLiteral("Název díla"), titleField, titlesList,
           columnsSplitter);
    column(QStringLiteral("Panel4"), QStringLiteral("Postavy"), nullptr, charactersList,
           columnsSplitter);
    columnsSplitter->setSizes({kColumnWidth, kColumnWidth, kWidth - 2 * kColumnWidth});
    columnsSplitter->setStretchFactor(2, 1);
}

void CharactersWindow::connectControls() {
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(authorField, &QLineEdit::textChanged, this,
            [this] { runHandler([this] { authorChanged(); }); });
    connect(titleField, &QLineEdit::textChanged, this,
            [this] { runHandler([this] { titleChanged(); }); });
    connect(authorsList, &ListBox::selectionChangedTo, this,
            [this] { runHandler([this] { authorClicked(); }); });
    connect(titlesList, &ListBox::selectionChangedTo, this,
            [this] { runHandler([this] { titleClicked(); }); });
}

CharactersWindow::~CharactersWindow() {
    WindowPlacement::notifyDestroying(this);
}

CharacterLists CharactersWindow::lists() {
    return {authorsList->items(),
            titlesList->items(),
            charactersList->items(),
            authors,
            titles,
            characters};
}

void CharactersWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return; // un-minimizing
    authorField->setFocus();          // the window is for finding an author: it opens in that field
    runHandler([this] { openCatalogue(); });
}

void CharactersWindow::done(int result) {
    if (isVisible()) closeCatalogue();
    QDialog::done(result);
}

void CharactersWindow::openCatalogue() {
    emit catalogueOpening();
    OpenCatalogue(catalogue_); // a failure is told to the user; the window opens all the same
}

void CharactersWindow::closeCatalogue() {
    emit catalogueClosed();
    CloseCatalogue(catalogue_);
}

void CharactersWindow::authorChanged() {
    const std::string text = fromQString(authorField->text());
    {
        const QSignalBlocker quiet(titleField); // emptying the other field filters nothing
        titleField->clear();
    }
    CharacterLists all = lists();
    FilterByAuthor(catalogue_, all, text);
}

void CharactersWindow::titleChanged() {
    const std::string text = fromQString(titleField->text());
    {
        const QSignalBlocker quiet(authorField);
        authorField->clear();
    }
    CharacterLists all = lists();
    FilterByTitle(catalogue_, all, text);
}

void CharactersWindow::authorClicked() {
    CharacterLists all = lists();
    ClickAuthor(all, authorsList->itemIndex());
}

void CharactersWindow::titleClicked() {
    CharacterLists all = lists();
    ClickTitle(all, titlesList->itemIndex());
}

} // namespace zadrovec::ui
