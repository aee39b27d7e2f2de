#include "ui/solverwindow.h"

#include "engine/dictionary/messages.h"
#include "engine/solver/answersource.h"
#include "engine/solver/diagnose.h"
#include "engine/solver/phrasepattern.h"
#include "engine/solver/solver.h"
#include "ui/messageboxes.h"
#include "ui/problemtext.h"
#include "ui/widgets/cp1250validator.h"
#include "ui/widgets/fitting.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/qtext.h"
#include "windowsettings/windowsettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace zadrovec::ui {
namespace {

constexpr int kAnswerRole = Qt::UserRole;           // the answer's number; groups have none
constexpr int kDictionariesRole = Qt::UserRole + 1; // the answer's DictionaryMask

QString dictionaryList(DictionaryMask mask) {
    QStringList names;
    for (const std::string_view name : DictionaryNames(mask))
        names << dictionaryTitle(name);
    return names.join(QStringLiteral(", "));
}

// The clues of an answer in one line, the shortest first: a phrase's author or kind before the
// variants of the phrase it is paired with too. The first few of them.
QString clueList(const AnswerSpace& space, std::uint32_t answer) {
    constexpr std::size_t kShown = 5;
    // A common word has hundreds of clues: only the shortest few become window text (a byte of
    // an answer's text is one character of it).
    std::vector<std::string_view> clues;
    for (const AnswerPartner& clue : space.partners(answer))
        clues.push_back(space.text(clue.text));
    std::stable_sort(clues.begin(), clues.end(),
                     [](std::string_view a, std::string_view b) { return a.size() < b.size(); });
    QStringList shown;
    for (std::size_t i = 0; i < std::min(clues.size(), kShown); ++i)
        shown << toQString(clues[i]);
    return shown.join(QStringLiteral("; "));
}

// "5 políček: 105", and when the list is cut within the group ", zobrazeno 80".
QString squaresCaption(std::size_t squares, std::size_t count, std::size_t shown) {
    QString caption = QStringLiteral("%1: %2").arg(squaresText(squares)).arg(count);
    if (shown < count) caption += QStringLiteral(", zobrazeno %1").arg(shown);
    return caption;
}

// Why the stored answers are not used, for the status line; empty when there are none.
QString storedNotUsed(const StoredAnswersState& stored) {
    using Kind = StoredAnswersState::Kind;
    switch (stored.kind) {
    case Kind::Used:
    case Kind::Missing:
        return {};
    case Kind::Unreadable:
        return QStringLiteral("uložené odpovědi nelze číst");
    case Kind::Foreign:
        return QStringLiteral("uložené odpovědi nejsou souborem odpovědí");
    case Kind::OtherVersion:
        return QStringLiteral("uložené odpovědi jsou jiné verze");
    case Kind::OtherDictionaries: {
        // The detail starts with the file's name.
        const std::string file = stored.detail.substr(0, stored.detail.find(' '));
        return QStringLiteral("uložené odpovědi jsou z jiných slovníků (%1)").arg(toQString(file));
    }
    case Kind::Damaged:
        return QStringLiteral("uložené odpovědi jsou poškozené");
    }
    return {};
}

// The kinds of the box: the solver's own in its order, then the tajenka, a pattern of words.
constexpr int kTajenka = 4;

// What a field takes: characters Windows-1250 holds, and no control characters (a pasted line
// break, a tab), which no answer has.
class FieldValidator : public Cp1250Validator {
public:
    using Cp1250Validator::Cp1250Validator;
    State validate(QString& input, int& pos) const override {
        for (const QChar c : input)
            if (c.category() == QChar::Other_Control) return Invalid;
        return Cp1250Validator::validate(input, pos);
    }
};

// A field whose text the settings file keeps: a stored text gets the checks a typed one gets,
// so a hand-edited file cannot put into it what the user could not type.
class Field : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setStoredText)
public:
    using QLineEdit::QLineEdit;

    void setStoredText(const QString& stored) {
        QString text = stored.left(maxLength());
        int at = 0;
        if (validator() && validator()->validate(text, at) == QValidator::Invalid) text.clear();
        setText(text);
    }
};

// A choice among a few (the kind of question, the order): a stored index beyond the items takes
// the nearest one, never none.
class ChoiceBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int CurrentIndex READ currentIndex WRITE setStoredIndex)
public:
    using QComboBox::QComboBox;

    void setStoredIndex(int index) { setCurrentIndex(std::clamp(index, 0, count() - 1)); }
};

// Two lists one above the other. Once the user has given the lower one a height (or the settings
// have), it keeps it as the window grows and shrinks; the upper one takes the rest. Neither is
// ever squeezed below a few rows.
class PaneSplitter : public QSplitter {
    Q_OBJECT
    Q_PROPERTY(int CluesHeight READ lowerHeight WRITE setLowerHeight)
public:
    explicit PaneSplitter(QWidget* parent) : QSplitter(Qt::Vertical, parent) {
        setChildrenCollapsible(false);
        connect(this, &QSplitter::splitterMoved, this, [this] { given_ = sizes().value(1); });
    }

    int lowerHeight() const { return given_ > 0 ? given_ : sizes().value(1); }
    void setLowerHeight(int height) {
        given_ = std::max(0, height);
        keepLowerHeight();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QSplitter::resizeEvent(event);
        keepLowerHeight();
    }

private:
    void keepLowerHeight() {
        const QList<int> now = sizes();
        if (given_ <= 0 || now.size() != 2) return;
        const int total = now[0] + now[1];
        if (total <= 0) return; // not laid out yet
        const int least = std::min(3 * fontMetrics().height(), total / 2);
        const int lower = std::clamp(given_, least, total - least);
        if (lower != now[1]) setSizes({total - lower, lower});
    }

    int given_ = 0; // none yet: the lists share the height 3:1
};

// maxLength: room for any answer or legend, and a bound for what the settings file gives.
QLineEdit* textField(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new Field(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new FieldValidator(edit));
    edit->setMaxLength(maxLength);
    edit->setClearButtonEnabled(true);
    return edit;
}

// A row of the form: the field under its label, named by it for screen readers, and so is its
// clear button.
void addNamedRow(QFormLayout* form, const QString& caption, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    nameControl(field, caption.chopped(1)); // without the colon
    for (QToolButton* clear : field->findChildren<QToolButton*>()) {
        clear->setAccessibleName(QStringLiteral("Vymazat pole ") + field->accessibleName());
        clear->setToolTip(clear->accessibleName());
    }
    form->addRow(label, field);
}

// The caption row of the answers of one length, across the list.
QTreeWidgetItem* lengthGroup(const QString& caption) {
    auto* group = new QTreeWidgetItem({caption});
    QFont bold = group->font(0);
    bold.setBold(true);
    group->setFont(0, bold);
    group->setFlags(Qt::ItemIsEnabled);
    return group;
}

} // namespace

// A listed answer as its row shows it.
struct SolverWindow::AnswerRow {
    QString text;
    QString detail; // its dictionaries, or a tajenka's clues
    DictionaryMask dictionaries;
};

ColumnList::ColumnList(QWidget* parent, const QStringList& headers, int fittedColumn,
                       double maxShare)
    : QTreeWidget(parent), fittedColumn_(fittedColumn), maxShare_(maxShare) {
    setHeaderLabels(headers);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    header()->setStretchLastSection(false);
    for (int column = 0; column < headers.size(); ++column)
        header()->setSectionResizeMode(column, column == fittedColumn ? QHeaderView::Interactive
                                                                      : QHeaderView::Stretch);
}

void ColumnList::fitColumns() {
    const int wanted =
        std::max(sizeHintForColumn(fittedColumn_), header()->sectionSizeHint(fittedColumn_));
    const int limit = static_cast<int>(viewport()->width() * maxShare_);
    header()->resizeSection(fittedColumn_, std::min(wanted, limit));
}

void ColumnList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    fitColumns();
}

void ColumnList::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse) {
        requestRowMenu();
        return;
    }
    if (QTreeWidgetItem* hit = itemAt(event->pos())) setCurrentItem(hit);
    emit rowMenuRequested(event->globalPos());
}

void ColumnList::requestRowMenu() {
    const QRect row = currentItem() ? visualItemRect(currentItem()) : QRect();
    const QRect seen = row.intersected(viewport()->rect());
    emit rowMenuRequested(
        viewport()->mapToGlobal(seen.isEmpty() ? viewport()->rect().center() : seen.bottomLeft()));
}

QModelIndex ColumnList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTreeWidget::moveCursor(action, modifiers);
    const bool down =
        action == MoveDown || action == MoveNext || action == MovePageDown || action == MoveHome;
    const bool up =
        action == MoveUp || action == MovePrevious || action == MovePageUp || action == MoveEnd;
    if (!down && !up) return next;
    QModelIndex row = next;
    while (row.isValid() && !(model()->flags(row) & Qt::ItemIsSelectable))
        row = down ? indexBelow(row) : indexAbove(row);
    return row.isValid() ? row : currentIndex();
}

bool ColumnList::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
    showWholeTextOfCutRow(*this, *static_cast<QHelpEvent*>(event));
    return true;
}

ElidedLine::ElidedLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // No width of its own: the window's width is the line's.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidedLine::setWholeText(const QString& text) {
    whole_ = text;
    fit();
}

void ElidedLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void ElidedLine::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fit();
}

void ElidedLine::fit() {
    const QString shown = fontMetrics().elidedText(whole_, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == whole_ ? QString() : whole_);
}

SolverWindow::SolverWindow(QWidget* mainWindow, const QString& dataFolder)
    : QDialog(mainWindow), dataFolder_(dataFolder) {
    setObjectName(QStringLiteral("SolverWindow"));
    setWindowTitle(QStringLiteral("Luštění"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(560, 520);

    createFields();
    QFormLayout* form = layOutFields();
    createLists();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(splitter, 1);
    layout->addWidget(statusLabel);
    setKeyboardOrder();
    connectFields();
    createAnswerActions();

    windowSettings = new WindowSettings(
        this, QStringLiteral("FormStorage1"), QStringLiteral("Okno luštění"),
        WindowPlacement::KeepState | WindowPlacement::KeepPosition,
        {"kindCombo.CurrentIndex", "lengthEdit.Text", "excludeEdit.Text", "strictCheck.Checked",
         "chCheck.Checked", "orderCombo.CurrentIndex", "splitter.CluesHeight"},
        {.failed = MessageBoxes::generalError});
}

void SolverWindow::createFields() {
    patternEdit = textField(this, "patternEdit", 100);
    patternEdit->setPlaceholderText(QStringLiteral("např. H?RKA, K*, [PM]@#"));
    kindCombo = new ChoiceBox(this);
    kindCombo->setObjectName(QStringLiteral("kindCombo"));
    kindCombo->addItems({QStringLiteral("Vzor"), QStringLiteral("Přesmyčka"),
                         QStringLiteral("Z písmen"), QStringLiteral("Obsahuje"),
                         QStringLiteral("Tajenka")});
    clueEdit = textField(this, "clueEdit", 200);
    lengthEdit = textField(this, "lengthEdit", 9); // "N" or "N-M"
    lengthEdit->setPlaceholderText(QStringLiteral("např. 5 nebo 4-6"));
    excludeEdit = textField(this, "excludeEdit", 64);
    strictCheck = new QCheckBox(QStringLiteral("&Rozlišovat diakritiku"), this);
    strictCheck->setObjectName(QStringLiteral("strictCheck"));
    chCheck = new QCheckBox(QStringLiteral("C&H jako jedno políčko"), this);
    chCheck->setObjectName(QStringLiteral("chCheck"));
    orderCombo = new ChoiceBox(this);
    orderCombo->setObjectName(QStringLiteral("orderCombo"));
    orderCombo->addItems({QStringLiteral("podle shody"), QStringLiteral("abecedně")});
}

QFormLayout* SolverWindow::layOutFields() {
    auto* form = new QFormLayout;
    addNamedRow(form, QStringLiteral("&Vzor nebo písmena:"), patternEdit, this);
    addNamedRow(form, QStringLiteral("&Druh:"), kindCombo, this);
    addNamedRow(form, QStringLiteral("&Legenda:"), clueEdit, this);
    addNamedRow(form, QStringLiteral("Dél&ka:"), lengthEdit, this);
    addNamedRow(form, QStringLiteral("Vyl&oučit písmena:"), excludeEdit, this);
    auto* checks = new QHBoxLayout;
    checks->addWidget(strictCheck);
    checks->addWidget(chCheck);
    checks->addStretch();
    form->addRow(checks);
    addNamedRow(form, QStringLiteral("Ř&adit:"), orderCombo, this);
    return form;
}

// The answers as wide as the longest, the clues as wide as the window lets them be.
void SolverWindow::createLists() {
    answersTree =
        new ColumnList(this, {QStringLiteral("Odpověď"), QStringLiteral("Slovníky")}, 0, 2.0 / 3);
    answersTree->setObjectName(QStringLiteral("answersTree"));
    nameControl(answersTree, QStringLiteral("Odpovědi"));
    cluesTree = new ColumnList(
        this, {QStringLiteral("Legenda a významy"), QStringLiteral("Slovníky")}, 1, 1.0 / 3);
    cluesTree->setObjectName(QStringLiteral("cluesTree"));
    nameControl(cluesTree, QStringLiteral("Legenda a významy"));
    splitter = new PaneSplitter(this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->addWidget(answersTree);
    splitter->addWidget(cluesTree);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    statusLabel = new ElidedLine(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
}

void SolverWindow::setKeyboardOrder() {
    setTabOrder(patternEdit, kindCombo);
    setTabOrder(kindCombo, clueEdit);
    setTabOrder(clueEdit, lengthEdit);
    setTabOrder(lengthEdit, excludeEdit);
    setTabOrder(excludeEdit, strictCheck);
    setTabOrder(strictCheck, chCheck);
    setTabOrder(chCheck, orderCombo);
    setTabOrder(orderCombo, answersTree);
    setTabOrder(answersTree, cluesTree);
}

// Every change of a field asks again; a new current answer shows its clues.
void SolverWindow::connectFields() {
    for (QLineEdit* edit : {patternEdit, clueEdit, lengthEdit, excludeEdit})
        connect(edit, &QLineEdit::textChanged, this, &SolverWindow::updateAnswers);
    connect(kindCombo, &QComboBox::currentIndexChanged, this, [this](int kind) {
        patternEdit->setPlaceholderText(
            kind == kTajenka ? QStringLiteral("např. ????? ?? ???, KDO * PADÁ, 5,2,3")
                             : QStringLiteral("např. H?RKA, K*, [PM]@#"));
        updateAnswers();
    });
    connect(orderCombo, &QComboBox::currentIndexChanged, this, &SolverWindow::updateAnswers);
    connect(strictCheck, &QCheckBox::toggled, this, &SolverWindow::updateAnswers);
    connect(chCheck, &QCheckBox::toggled, this, &SolverWindow::updateAnswers);
    connect(answersTree, &QTreeWidget::currentItemChanged, this, &SolverWindow::showClues);
}

// The commands on an answer work where the answers have the focus, and make its menu.
void SolverWindow::createAnswerActions() {
    const auto answerAction = [this](const QString& caption, const QList<QKeySequence>& keys) {
        auto* action = new QAction(caption, answersTree);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        answersTree->addAction(action);
        return action;
    };
    lookUpAction = answerAction(QStringLiteral("&Vyhledat v hlavním okně"),
                                {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    lookUpAction->setObjectName(QStringLiteral("lookUpAction"));
    copyAction = answerAction(QStringLiteral("&Kopírovat"), {QKeySequence::Copy});
    copyAction->setObjectName(QStringLiteral("copyAction"));
    copyWithClueAction = answerAction(QStringLiteral("Kopírovat s &legendou"),
                                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    copyWithClueAction->setObjectName(QStringLiteral("copyWithClueAction"));
    connect(lookUpAction, &QAction::triggered, this, &SolverWindow::lookUpAnswer);
    connect(copyAction, &QAction::triggered, this, [this] { copyAnswer(false); });
    connect(copyWithClueAction, &QAction::triggered, this, [this] { copyAnswer(true); });
    connect(answersTree, &QTreeWidget::itemDoubleClicked, this, &SolverWindow::lookUpAnswer);
    connect(answersTree, &ColumnList::rowMenuRequested, this, &SolverWindow::showAnswerMenu);
    // The menu key opens the menu by itself; Shift+F10 is the other key desktops have for it.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), answersTree);
    menuKey->setContext(Qt::WidgetShortcut);
    connect(menuKey, &QShortcut::activated, answersTree, &ColumnList::requestRowMenu);
    // Enter in a field goes to the answers, as the list is there already.
    for (QLineEdit* edit : {patternEdit, clueEdit, lengthEdit, excludeEdit})
        connect(edit, &QLineEdit::returnPressed, answersTree,
                [this] { answersTree->setFocus(Qt::OtherFocusReason); });
}

SolverWindow::~SolverWindow() {
    // The reading thread uses the source: it is told to stop, and ends first. A close then
    // takes no longer than a few records, not the whole reading.
    stopReading_ = true;
    if (reading_) reading_->wait();
    WindowPlacement::notifyDestroying(this);
}

void SolverWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!source_) openAnswers();
    patternEdit->setFocus();
    patternEdit->selectAll();
}

bool SolverWindow::answersReady() const {
    return source_ && !reading_ && source_->ready();
}

void SolverWindow::openAnswers() {
    loadMessages_ = std::make_unique<RecordedMessages>();
    source_ = std::make_unique<AnswerSource>(fromQString(dataFolder_), *loadMessages_);
    if (source_->ready())
        updateAnswers();
    else
        readAnswers(storedNotUsed(source_->stored()));
}

void SolverWindow::readAnswers(const QString& why) {
    answersTree->clear();
    cluesTree->clear();
    const QString reading = QStringLiteral("Načítám odpovědi…");
    say(why.isEmpty() ? reading : reading + QStringLiteral(" (") + why + ')');
    AnswerSource* source = source_.get();
    reading_ = QThread::create([this, source] { source->readDictionaries(&stopReading_); });
    connect(reading_, &QThread::finished, this, &SolverWindow::answersRead);
    reading_->start();
}

void SolverWindow::answersRead() {
    reading_->deleteLater();
    reading_ = nullptr;
    updateAnswers(); // what was typed meanwhile
}

void SolverWindow::updateAnswers() {
    if (!answersReady()) return;
    answersTree->clear();
    cluesTree->clear();
    // A tajenka is a pattern, of words when it has spaces, or the lengths of its words; its
    // answers are phrases, told apart by their clues rather than their sources.
    const bool tajenka = kindCombo->currentIndex() == kTajenka;
    answersTree->headerItem()->setText(1, tajenka ? QStringLiteral("Legenda")
                                                  : QStringLiteral("Slovníky"));
    if (source_->openedDictionaries() == 0) {
        say(QStringLiteral("Žádný slovník nebyl nalezen."));
        return;
    }
    const std::optional<Question> question = askedQuestion(tajenka);
    if (!question) return;
    std::vector<SolvedAnswer> answers;
    std::vector<AnswerRow> rows;
    if (!solve(*question, tajenka, answers, rows)) return;
    listAnswers(answers, rows);
}

std::optional<Question> SolverWindow::askedQuestion(bool tajenka) {
    Question question;
    question.kind = tajenka ? QuestionKind::Pattern
                            : static_cast<QuestionKind>(std::max(0, kindCombo->currentIndex()));
    question.text = fromQString(patternEdit->text().trimmed());
    if (tajenka && IsWordLengths(question.text)) {
        try {
            question.text = WordLengthsPattern(question.text);
        } catch (const SolverInputError& error) {
            tell(error.problem(), question);
            return std::nullopt;
        }
    }
    question.clue = fromQString(clueEdit->text().trimmed());
    question.length = fromQString(lengthEdit->text().trimmed());
    question.exclude = fromQString(excludeEdit->text().trimmed());
    question.rules.strict = strictCheck->isChecked();
    question.rules.chOneSquare = chCheck->isChecked();
    if (question.text.empty() && question.clue.empty()) {
        say(QStringLiteral("Napište vzor, písmena nebo legendu."));
        return std::nullopt;
    }
    return question;
}

bool SolverWindow::solve(const Question& question, bool tajenka, std::vector<SolvedAnswer>& answers,
                         std::vector<AnswerRow>& rows) {
    std::optional<QuestionProblem> problem = Diagnose(question);
    // The texts are taken inside: stored answers may fail on any read.
    try {
        if (!problem || !problem->refused()) answers = source_->solver().solve(question);
        if (!answers.empty()) {
            rows = answerRows(answers, tajenka);
            return true;
        }
    } catch (const SolverInputError& error) {
        problem = error.problem(); // Diagnose refuses what the solver refuses: never here
    } catch (const StoredFileError& error) {
        source_->leaveStored(error);
        readAnswers(storedNotUsed(source_->stored()));
        return false;
    }
    // What is wrong with the question, else the filters that left no answer.
    if (!problem) {
        say(emptyingFields(question));
        return false;
    }
    tell(*problem, question);
    return false;
}

std::vector<SolverWindow::AnswerRow> SolverWindow::answerRows(std::vector<SolvedAnswer>& answers,
                                                              bool tajenka) {
    if (orderCombo->currentIndex() == 0)
        source_->solver().order(answers, AnswerOrder::Ranked, kListedAnswers);
    const AnswerSpace& space = source_->space();
    std::vector<std::uint32_t> listedIds;
    for (std::size_t i = 0; i < std::min<std::size_t>(answers.size(), kListedAnswers); ++i)
        listedIds.push_back(answers[i].text);
    space.prefetchTexts(listedIds);
    if (tajenka) space.prefetchPartners(listedIds);
    std::vector<AnswerRow> rows;
    for (const std::uint32_t id : listedIds) {
        const DictionaryMask mask = space.dictionaries(id);
        rows.push_back({toQString(space.text(id)),
                        tajenka ? clueList(space, id) : dictionaryList(mask), mask});
    }
    return rows;
}

void SolverWindow::listAnswers(const std::vector<SolvedAnswer>& answers,
                               const std::vector<AnswerRow>& rows) {
    answersTree->setUpdatesEnabled(false);
    QList<QTreeWidgetItem*> groups;
    const std::size_t listed = rows.size();
    for (std::size_t i = 0; i < listed;) {
        std::size_t end = i;
        while (end < answers.size() && answers[end].squares == answers[i].squares)
            ++end;
        auto* group =
            lengthGroup(squaresCaption(answers[i].squares, end - i, std::min(end, listed) - i));
        for (; i < end && i < listed; ++i) {
            auto* item = new QTreeWidgetItem(group, {rows[i].text, rows[i].detail});
            item->setData(0, kAnswerRole, answers[i].text);
            item->setData(0, kDictionariesRole, rows[i].dictionaries);
        }
        i = end;
        groups << group;
    }
    answersTree->addTopLevelItems(groups);
    for (QTreeWidgetItem* group : groups)
        group->setFirstColumnSpanned(true); // a caption across the list, never cut
    answersTree->expandAll();
    answersTree->fitColumns();
    answersTree->setUpdatesEnabled(true);
    if (listed < answers.size())
        say(QStringLiteral("Odpovědí: %1, vypsáno prvních %2.").arg(answers.size()).arg(listed));
    else
        say(QStringLiteral("Odpovědí: %1").arg(answers.size()));
    if (!groups.isEmpty()) answersTree->setCurrentItem(groups.front()->child(0));
}

QString SolverWindow::emptyingFields(const Question& question) {
    // The filters, one by one and then all together: which of them left nothing.
    struct Filter {
        QString field;
        std::string Question::*text;
    };
    std::vector<Filter> filters;
    if (!question.length.empty()) filters.push_back({QStringLiteral("Délka"), &Question::length});
    if (!question.exclude.empty())
        filters.push_back({QStringLiteral("Vyloučit písmena"), &Question::exclude});
    if (!question.clue.empty() && !question.text.empty())
        filters.push_back({QStringLiteral("Legenda"), &Question::clue});
    const auto answersWithout = [&](const std::vector<Filter>& left) {
        Question wider = question;
        for (const Filter& filter : left)
            wider.*filter.text = {};
        return source_->solver().solve(wider).size();
    };
    for (const Filter& filter : filters)
        if (const std::size_t found = answersWithout({filter}); found > 0)
            return QStringLiteral("Žádná odpověď: pole %1 vyřadilo všechny (%2).")
                .arg(filter.field)
                .arg(found);
    if (filters.size() > 1)
        if (const std::size_t found = answersWithout(filters); found > 0) {
            QStringList fields;
            for (const Filter& filter : filters)
                fields << filter.field;
            const QString last = fields.takeLast();
            return QStringLiteral("Žádná odpověď: pole %1 a %2 spolu vyřadila všechny (%3).")
                .arg(fields.join(QStringLiteral(", ")), last)
                .arg(found);
        }
    return QStringLiteral("Žádná odpověď.");
}

void SolverWindow::tell(const QuestionProblem& problem, const Question& question) {
    say(problemText(problem, question), problem.unfinished());
}

void SolverWindow::say(const QString& text, bool quiet) {
    statusLabel->setWholeText(text);
    statusLabel->setForegroundRole(quiet ? QPalette::PlaceholderText : QPalette::WindowText);
}

QString SolverWindow::selectedAnswer() const {
    const QTreeWidgetItem* item = answersTree->currentItem();
    if (!item || !item->data(0, kAnswerRole).isValid()) return {};
    return item->text(0);
}

void SolverWindow::showClues() {
    cluesTree->clear();
    const QTreeWidgetItem* item = answersTree->currentItem();
    if (!answersReady() || !item || !item->data(0, kAnswerRole).isValid()) return;
    QList<QTreeWidgetItem*> rows;
    try {
        const AnswerSpace& space = source_->space();
        const std::string answer(space.text(item->data(0, kAnswerRole).toUInt()));
        for (const AnswerPartner& clue : source_->solver().clues(answer, strictCheck->isChecked()))
            rows << new QTreeWidgetItem(
                {toQString(space.text(clue.text)), dictionaryList(clue.dictionaries)});
    } catch (const StoredFileError& error) {
        qDeleteAll(rows);
        source_->leaveStored(error);
        readAnswers(storedNotUsed(source_->stored()));
        return;
    }
    cluesTree->addTopLevelItems(rows);
    cluesTree->fitColumns();
    // A current row from the start, so that the focus is seen when it comes to the list.
    if (!rows.isEmpty()) cluesTree->setCurrentItem(rows.front());
}

void SolverWindow::copyAnswer(bool withClue) {
    const QString answer = selectedAnswer();
    if (answer.isEmpty()) return;
    // The clue chosen beneath, else the first there is.
    const QTreeWidgetItem* clue = cluesTree->currentItem();
    if (!clue) clue = cluesTree->topLevelItem(0);
    QApplication::clipboard()->setText(withClue && clue ? answer + '\t' + clue->text(0) : answer);
}

void SolverWindow::lookUpAnswer() {
    const QTreeWidgetItem* item = answersTree->currentItem();
    if (!item || !item->data(0, kAnswerRole).isValid()) return;
    // The first of its dictionaries that the main window has; an answer of the others only
    // (foreign words, the word list, the phrases) is looked up in the main dictionary.
    constexpr unsigned mainWindows = (1u << kMainWindowDictionaries) - 1;
    const auto mask = static_cast<DictionaryMask>(item->data(0, kDictionariesRole).toUInt());
    const std::vector<std::string_view> names = DictionaryNames(mask & mainWindows);
    const std::string_view first = names.empty() ? kDictionaryFiles[0] : names.front();
    emit lookUpRequested(QString::fromLatin1(first.data(), static_cast<qsizetype>(first.size())),
                         item->text(0));
}

void SolverWindow::showAnswerMenu(const QPoint& globalPos) {
    if (selectedAnswer().isEmpty()) return;
    QMenu menu(this);
    menu.addAction(lookUpAction);
    menu.addSeparator();
    menu.addAction(copyAction);
    menu.addAction(copyWithClueAction);
    menu.exec(globalPos);
}

} // namespace zadrovec::ui

#include "solverwindow.moc"
