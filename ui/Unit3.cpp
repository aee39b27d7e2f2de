#include "Unit3.h"

#include "cp1250validator.h"
#include "fitting.h"
#include "formstorage.h"
#include "listbox.h"
#include "messageboxes.h"
#include "qtext.h"

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

TForm3::TForm3(QWidget* mainWindow, QLabel* statusPanel0, Messages& messages,
               const QString& programFolder)
    : QDialog(mainWindow), statusPanel0_(statusPanel0),
      catalogue_(programFolder.toStdString(), messages) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Postavy z děl"));
    resize(kWidth, kHeight);

    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* strip = new QHBoxLayout(Panel1);
    strip->setContentsMargins(0, 0, 0, 0);
    Button1 = new QPushButton(QStringLiteral("Zavřít okno"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    // Enter in a filter field must not close the window.
    Button1->setAutoDefault(false);
    strip->addWidget(Button1);
    strip->addStretch(1);

    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->setObjectName(QStringLiteral("Splitter1"));
    Splitter->setChildrenCollapsible(false);
    Edit1 = filterField(QStringLiteral("Edit1"), this);
    Edit2 = filterField(QStringLiteral("Edit2"), this);
    ListBox1 = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox1"), this);
    ListBox2 = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox2"), this);
    ListBox3 = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox3"), this);
    column(QStringLiteral("Panel2"), QStringLiteral("Autor"), Edit1, ListBox1, Splitter);
    column(QStringLiteral("Panel3"), QStringLiteral("Název díla"), Edit2, ListBox2, Splitter);
    column(QStringLiteral("Panel4"), QStringLiteral("Postavy"), nullptr, ListBox3, Splitter);
    Splitter->setSizes({kColumnWidth, kColumnWidth, kWidth - 2 * kColumnWidth});
    Splitter->setStretchFactor(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addWidget(Splitter, 1);

    connect(Button1, &QPushButton::clicked, this, &QDialog::close);
    connect(Edit1, &QLineEdit::textChanged, this,
            [this] { runHandler([this] { Edit1Change(); }); });
    connect(Edit2, &QLineEdit::textChanged, this,
            [this] { runHandler([this] { Edit2Change(); }); });
    connect(ListBox1, &ListBox::selectionChangedTo, this,
            [this] { runHandler([this] { ListBox1Click(); }); });
    connect(ListBox2, &ListBox::selectionChangedTo, this,
            [this] { runHandler([this] { ListBox2Click(); }); });
    // "Window Postavy": where the window stood and how large it was.
    FormStorage1 = new TFormPlacement(this, QStringLiteral("FormStorage1"),
                                      QStringLiteral("Window Postavy"), TFormPlacement::fpPosition);
}

TForm3::~TForm3() {
    TFormPlacement::notifyDestroying(this);
}

CharacterLists TForm3::lists() {
    return {ListBox1->items(), ListBox2->items(), ListBox3->items(),
            listautor,         listopera,         listpostavy};
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return; // un-minimizing
    Edit1->setFocus();                // the window is for finding an author: it opens in that field
    runHandler([this] { FormShow(); });
}

void TForm3::done(int result) {
    if (isVisible()) FormClose();
    QDialog::done(result);
}

void TForm3::FormShow() {
    if (statusPanel0_) keptStatusText_ = statusPanel0_->text();
    OpenCatalogue(catalogue_); // a failure is told to the user; the window opens all the same
}

void TForm3::FormClose() {
    if (statusPanel0_) statusPanel0_->setText(keptStatusText_);
    CloseCatalogue(catalogue_);
}

void TForm3::Edit1Change() {
    const std::string text = fromQString(Edit1->text());
    {
        const QSignalBlocker quiet(Edit2); // emptying the other field filters nothing
        Edit2->clear();
    }
    CharacterLists all = lists();
    FilterByAuthor(catalogue_, all, text);
}

void TForm3::Edit2Change() {
    const std::string text = fromQString(Edit2->text());
    {
        const QSignalBlocker quiet(Edit1);
        Edit1->clear();
    }
    CharacterLists all = lists();
    FilterByTitle(catalogue_, all, text);
}

void TForm3::ListBox1Click() {
    CharacterLists all = lists();
    ClickAuthor(all, ListBox1->itemIndex());
}

void TForm3::ListBox2Click() {
    CharacterLists all = lists();
    ClickTitle(all, ListBox2->itemIndex());
}

} // namespace zadrovec::ui
