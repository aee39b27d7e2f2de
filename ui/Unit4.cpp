#include "Unit4.h"

#include "Unit1.h"
#include "fitting.h"
#include "listbox.h"
#include "messageboxes.h"
#include "qtext.h"
#include "uppercasevalidator.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zadrovec::ui {
namespace {

constexpr int kWidth = 665;
constexpr int kHeight = 346;
constexpr int kListWidth = 240;

QLabel* label(const QString& name, const QString& caption, QWidget* parent) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    // Enter in an edit field clicks nothing: neither adding nor closing happens unasked.
    b->setAutoDefault(false);
    return b;
}

QLineEdit* upperCaseEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new UpperCaseValidator(edit));
    return edit;
}

// A list title above its list, the two filling the height of the window.
QVBoxLayout* listColumn(QLabel* title, ListBox* list) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(title);
    column->addWidget(list, 1);
    list->setFixedWidth(kListWidth);
    return column;
}

// An added item takes its sorted place; a selected item stays selected (as it does in a list
// box), and no one is told, since the selection has not changed.
void addKeepingSelection(ListBox* list, std::string item) {
    const int selected = list->itemIndex();
    const QSignalBlocker quiet(list);
    const auto added = static_cast<int>(list->items().add(std::move(item)));
    if (selected >= 0) list->setItemIndex(added <= selected ? selected + 1 : selected);
}

// The text of an edit field with blanks and control characters trimmed off, put back.
std::string trimmedText(QLineEdit* edit) {
    const std::string text(TrimBlanksAndControls(fromQString(edit->text())));
    edit->setText(toQString(text));
    return text;
}

} // namespace

TForm4::TForm4(TForm1* mainWindow, Messages& messages)
    : QDialog(mainWindow), mainWindow_(mainWindow), userDictionary_(messages) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Uživatelský slovník"));
    setFixedSize(kWidth, kHeight);

    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Seznam hesel"), this);
    ListBox1 = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox1"), this);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("Významy"), this);
    ListBox2 = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox2"), this);
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Heslo"), this);
    Edit1 = upperCaseEdit(QStringLiteral("Edit1"), this);
    Button2 = button(QStringLiteral("Button2"), QStringLiteral("Přidat &heslo"), this);
    Button4 = button(QStringLiteral("Button4"), QStringLiteral("Smazat &heslo"), this);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Význam"), this);
    Edit2 = upperCaseEdit(QStringLiteral("Edit2"), this);
    Button1 = button(QStringLiteral("Button1"), QStringLiteral("&Přidat význam"), this);
    Button3 = button(QStringLiteral("Button3"), QStringLiteral("&Smazat význam"), this);
    Button5 = button(QStringLiteral("Button5"), QStringLiteral("&OK"), this);
    Button6 = button(QStringLiteral("Button6"), QStringLiteral("&Storno"), this);

    labelControl(Label3, ListBox1);
    labelControl(Label4, ListBox2);
    labelControl(Label1, Edit1);
    labelControl(Label2, Edit2);

    auto* controls = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Edit1, Button2, Button4})
        controls->addWidget(w);
    controls->addSpacing(12);
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Edit2, Button1, Button3})
        controls->addWidget(w);
    controls->addStretch(1);
    controls->addWidget(Button5);
    controls->addWidget(Button6);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn(Label3, ListBox1));
    layout->addLayout(listColumn(Label4, ListBox2));
    layout->addLayout(controls, 1);

    QWidget* order[] = {ListBox1, ListBox2, Edit1,   Button2, Button4,
                        Edit2,    Button1,  Button3, Button5, Button6};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(ListBox1, &ListBox::selectionChangedTo, this,
            [this] { runHandler([this] { ListBox1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { runHandler([this] { Button2Click(); }); });
    connect(Button4, &QPushButton::clicked, this,
            [this] { runHandler([this] { Button4Click(); }); });
    connect(Button1, &QPushButton::clicked, this,
            [this] { runHandler([this] { Button1Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { runHandler([this] { Button3Click(); }); });
    // Both only close: nothing is written back to the file.
    connect(Button5, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button6, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return; // un-minimizing is no new showing
    runHandler([this] { FormShow(); });
    ListBox1->setFocus();
}

std::optional<std::size_t> TForm4::filePosition(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= ListBox1->items().size()) return std::nullopt;
    return listslova.indexOf(ListBox1->items()[static_cast<std::size_t>(i)]);
}

void TForm4::FormShow() {
    StringList& headwords = ListBox1->items();
    headwords.clear();
    ListBox2->items().clear();
    listslova.clear();
    listvyznamy.clear();

    std::vector<std::string> words;
    std::vector<std::string> meaningsTexts;
    LoadUserDictionary(userDictionary_,
                       QFile::encodeName(mainWindow_->UserDictionaryFolder).toStdString(), words,
                       meaningsTexts);
    headwords.assign(words);
    listslova.assign(std::move(words));
    listvyznamy.assign(std::move(meaningsTexts));
    if (headwords.empty()) return;
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setItemIndex(0);
    }
    ShowHeadwordMeanings(0);
}

void TForm4::ListBox1Click() {
    const int selected = ListBox1->itemIndex();
    if (selected >= 0) ShowHeadwordMeanings(selected);
}

void TForm4::ShowHeadwordMeanings(int i) {
    StringList& meanings = ListBox2->items();
    meanings.clear();
    const auto p = filePosition(i);
    if (!p) return;
    std::vector<std::string> split;
    SplitMeanings(listvyznamy[*p], split);
    meanings.assign(std::move(split));
}

void TForm4::Button2Click() {
    if (Edit1->text().isEmpty()) return;
    std::string headword = trimmedText(Edit1);
    if (ListBox1->items().indexOf(headword)) {
        MessageBoxes::plain(
            QStringLiteral("Slovo \"%1\" již ve slovníku je.").arg(toQString(headword)));
    } else {
        addKeepingSelection(ListBox1, headword);
        listslova.add(std::move(headword));
        listvyznamy.add({});
    }
    Edit1->clear();
}

void TForm4::Button4Click() {
    const int selected = ListBox1->itemIndex();
    const auto p = filePosition(selected);
    if (!p) return;
    ListBox1->items().removeAt(static_cast<std::size_t>(selected));
    listslova.removeAt(*p);
    listvyznamy.removeAt(*p);
}

void TForm4::Button1Click() {
    const auto p = filePosition(ListBox1->itemIndex());
    if (!p) return;
    if (Edit2->text().isEmpty()) return;
    std::string meaning = trimmedText(Edit2);
    listvyznamy.replaceAt(*p, listvyznamy[*p] + meaning + ';');
    addKeepingSelection(ListBox2, std::move(meaning));
    Edit2->clear();
}

void TForm4::Button3Click() {
    const auto p = filePosition(ListBox1->itemIndex());
    const int selected = ListBox2->itemIndex();
    if (!p || selected < 0) return;
    std::string meanings = listvyznamy[*p];
    RemoveWholeMeaning(meanings, ListBox2->items()[static_cast<std::size_t>(selected)]);
    listvyznamy.replaceAt(*p, std::move(meanings));
    ListBox2->items().removeAt(static_cast<std::size_t>(selected));
}

} // namespace zadrovec::ui
