#include "ui/userdictionaryeditor.h"

#include "engine/dictionary/wordsearch.h"
#include "ui/messageboxes.h"
#include "ui/widgets/fitting.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/qtext.h"
#include "ui/widgets/uppercasevalidator.h"

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

UserDictionaryEditor::UserDictionaryEditor(QWidget* mainWindow, Messages& messages,
                                           std::function<QString()> userDictionaryFolder)
    : QDialog(mainWindow), userDictionaryFolder_(std::move(userDictionaryFolder)),
      userDictionary_(messages) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Uživatelský slovník"));
    setFixedSize(kWidth, kHeight);
    createControls();
    layOutControls();
    setKeyboardOrder();
    connectButtons();
}

void UserDictionaryEditor::createControls() {
    headwordsLabel = label(QStringLiteral("Label3"), QStringLiteral("Seznam hesel"), this);
    headwordsList = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox1"), this);
    meaningsLabel = label(QStringLiteral("Label4"), QStringLiteral("Významy"), this);
    meaningsList = new ListBox(StringList::Order::Sorted, QStringLiteral("ListBox2"), this);
    headwordLabel = label(QStringLiteral("Label1"), QStringLiteral("Heslo"), this);
    headwordField = upperCaseEdit(QStringLiteral("Edit1"), this);
    addHeadwordButton = button(QStringLiteral("Button2"), QStringLiteral("Přidat &heslo"), this);
    deleteHeadwordButton = button(QStringLiteral("Button4"), QStringLiteral("Smazat &heslo"), this);
    meaningLabel = label(QStringLiteral("Label2"), QStringLiteral("Význam"), this);
    meaningField = upperCaseEdit(QStringLiteral("Edit2"), this);
    addMeaningButton = button(QStringLiteral("Button1"), QStringLiteral("&Přidat význam"), this);
    deleteMeaningButton = button(QStringLiteral("Button3"), QStringLiteral("&Smazat význam"), this);
    okButton = button(QStringLiteral("Button5"), QStringLiteral("&OK"), this);
    cancelButton = button(QStringLiteral("Button6"), QStringLiteral("&Storno"), this);

    labelControl(headwordsLabel, headwordsList);
    labelControl(meaningsLabel, meaningsList);
    labelControl(headwordLabel, headwordField);
    labelControl(meaningLabel, meaningField);
}

// The two lists side by side, the fields and buttons in a column beside them.
void UserDictionaryEditor::layOutControls() {
    auto* controls = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{headwordLabel, headwordField,
                                                      addHeadwordButton, deleteHeadwordButton})
        controls->addWidget(w);
    controls->addSpacing(12);
    for (QWidget* w : std::initializer_list<QWidget*>{meaningLabel, meaningField, addMeaningButton,
                                                      deleteMeaningButton})
        controls->addWidget(w);
    controls->addStretch(1);
    controls->addWidget(okButton);
    controls->addWidget(cancelButton);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn(headwordsLabel, headwordsList));
    layout->addLayout(listColumn(meaningsLabel, meaningsList));
    layout->addLayout(controls, 1);
}

void UserDictionaryEditor::setKeyboardOrder() {
    QWidget* order[] = {headwordsList,     meaningsList,         headwordField,
                        addHeadwordButton, deleteHeadwordButton, meaningField,
                        addMeaningButton,  deleteMeaningButton,  okButton,
                        cancelButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void UserDictionaryEditor::connectButtons() {
    connect(headwordsList, &ListBox::selectionChangedTo, this,
            [this] { runHandler([this] { headwordClicked(); }); });
    connect(addHeadwordButton, &QPushButton::clicked, this,
            [this] { runHandler([this] { addHeadword(); }); });
    connect(deleteHeadwordButton, &QPushButton::clicked, this,
            [this] { runHandler([this] { deleteHeadword(); }); });
    connect(addMeaningButton, &QPushButton::clicked, this,
            [this] { runHandler([this] { addMeaning(); }); });
    connect(deleteMeaningButton, &QPushButton::clicked, this,
            [this] { runHandler([this] { deleteMeaning(); }); });
    // Both only close: nothing is written back to the file.
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void UserDictionaryEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return; // un-minimizing is no new showing
    runHandler([this] { loadFile(); });
    headwordsList->setFocus();
}

std::optional<std::size_t> UserDictionaryEditor::filePosition(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= headwordsList->items().size()) return std::nullopt;
    return fileHeadwords.indexOf(headwordsList->items()[static_cast<std::size_t>(i)]);
}

void UserDictionaryEditor::loadFile() {
    StringList& headwords = headwordsList->items();
    headwords.clear();
    meaningsList->items().clear();
    fileHeadwords.clear();
    fileMeanings.clear();

    std::vector<std::string> words;
    std::vector<std::string> meaningsTexts;
    LoadUserDictionary(userDictionary_, QFile::encodeName(userDictionaryFolder_()).toStdString(),
                       words, meaningsTexts);
    headwords.assign(words);
    fileHeadwords.assign(std::move(words));
    fileMeanings.assign(std::move(meaningsTexts));
    if (headwords.empty()) return;
    {
        const QSignalBlocker quiet(headwordsList);
        headwordsList->setItemIndex(0);
    }
    showHeadwordMeanings(0);
}

void UserDictionaryEditor::headwordClicked() {
    const int selected = headwordsList->itemIndex();
    if (selected >= 0) showHeadwordMeanings(selected);
}

void UserDictionaryEditor::showHeadwordMeanings(int i) {
    StringList& meanings = meaningsList->items();
    meanings.clear();
    const auto p = filePosition(i);
    if (!p) return;
    std::vector<std::string> split;
    SplitMeanings(fileMeanings[*p], split);
    meanings.assign(std::move(split));
}

void UserDictionaryEditor::addHeadword() {
    if (headwordField->text().isEmpty()) return;
    std::string headword = trimmedText(headwordField);
    if (headwordsList->items().indexOf(headword)) {
        MessageBoxes::plain(
            QStringLiteral("Slovo \"%1\" již ve slovníku je.").arg(toQString(headword)));
    } else {
        addKeepingSelection(headwordsList, headword);
        fileHeadwords.add(std::move(headword));
        fileMeanings.add({});
    }
    headwordField->clear();
}

void UserDictionaryEditor::deleteHeadword() {
    const int selected = headwordsList->itemIndex();
    const auto p = filePosition(selected);
    if (!p) return;
    headwordsList->items().removeAt(static_cast<std::size_t>(selected));
    fileHeadwords.removeAt(*p);
    fileMeanings.removeAt(*p);
}

void UserDictionaryEditor::addMeaning() {
    const auto p = filePosition(headwordsList->itemIndex());
    if (!p) return;
    if (meaningField->text().isEmpty()) return;
    std::string meaning = trimmedText(meaningField);
    fileMeanings.replaceAt(*p, fileMeanings[*p] + meaning + ';');
    addKeepingSelection(meaningsList, std::move(meaning));
    meaningField->clear();
}

void UserDictionaryEditor::deleteMeaning() {
    const auto p = filePosition(headwordsList->itemIndex());
    const int selected = meaningsList->itemIndex();
    if (!p || selected < 0) return;
    std::string meanings = fileMeanings[*p];
    RemoveWholeMeaning(meanings, meaningsList->items()[static_cast<std::size_t>(selected)]);
    fileMeanings.replaceAt(*p, std::move(meanings));
    meaningsList->items().removeAt(static_cast<std::size_t>(selected));
}

} // namespace zadrovec::ui
