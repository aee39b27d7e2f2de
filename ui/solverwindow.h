// The window "Luštění": crossword answers of all dictionaries by pattern, anagram or letters,
// and by clue, listed as the user types. The answers are opened the first time the window
// opens, so the program starts as fast as before: the stored answers at once, else read from
// the dictionaries on another thread while the window says so and keeps what the user types.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTreeWidget>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QSplitter;

class QThread;

namespace zadrovec {
class AnswerSource;
struct Question;
struct QuestionProblem;
struct SolvedAnswer;
class RecordedMessages;
class WindowSettings;
} // namespace zadrovec

namespace zadrovec::ui {

// A line of text that never widens its window: a text longer than the line is cut with "…" and
// shown whole as the line's tooltip.
class ElidedLine : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLine(QWidget* parent);

    void setWholeText(const QString& text);
    const QString& wholeText() const { return whole_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();

    QString whole_;
};

// A list of rows in two columns: one as wide as its texts, up to a share of the list's width,
// the other taking the rest as the list widens and narrows. A cell cut short shows its whole
// text as a tooltip.
class ColumnList : public QTreeWidget {
    Q_OBJECT
public:
    // fittedColumn: the column sized to its texts, to at most maxShare of the list's width.
    ColumnList(QWidget* parent, const QStringList& headers, int fittedColumn, double maxShare);

    // Sizes the fitted column to what the list holds now.
    void fitColumns();
    // Asks for the current row's menu, shown under the row (from the keyboard).
    void requestRowMenu();

signals:
    // The menu of the current row, at this point of the screen.
    void rowMenuRequested(const QPoint& globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The caption rows of the groups are no stops: the keys go on to the next row in their
    // direction that can be chosen, or stay.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    int fittedColumn_;
    double maxShare_;
};

class SolverWindow : public QDialog {
    Q_OBJECT
public:
    // dataFolder is where the dictionaries lie.
    SolverWindow(QWidget* mainWindow, const QString& dataFolder);
    ~SolverWindow() override;

    // More answers are counted but not listed: a list that long helps nobody and costs time.
    static constexpr int kListedAnswers = 2000;

    QLineEdit* patternEdit;
    QComboBox* kindCombo; // Vzor, Přesmyčka, Z písmen, Obsahuje, Tajenka
    QLineEdit* clueEdit;
    QLineEdit* lengthEdit;
    QLineEdit* excludeEdit;
    QCheckBox* strictCheck;
    QCheckBox* chCheck;
    QComboBox* orderCombo;   // podle shody, abecedně
    ColumnList* answersTree; // a group per length, the answers under it
    ColumnList* cluesTree;   // the clues and meanings of the selected answer
    QSplitter* splitter;     // between the two lists; the clues keep the height given them
    ElidedLine* statusLabel;
    WindowSettings* windowSettings; // "Okno luštění": placement and choices
    // On the selected answer: Enter (or a double click), Ctrl+C, Ctrl+Shift+C; and its menu.
    QAction* lookUpAction;
    QAction* copyAction;
    QAction* copyWithClueAction;

    // The selected answer, empty when a group or nothing is selected.
    QString selectedAnswer() const;
    // True once the answers are there to be asked.
    bool answersReady() const;

signals:
    // The answer is to be looked up in the main window, in the dictionary of that file name.
    void lookUpRequested(const QString& dictionary, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct AnswerRow;

    // The parts of the window, built in this order.
    void createFields();
    QFormLayout* layOutFields();
    void createLists();
    void setKeyboardOrder();
    void connectFields();
    void createAnswerActions();

    void openAnswers();
    // Reads the answers from the dictionaries on another thread; why says why the stored ones
    // are not used (empty when there are none).
    void readAnswers(const QString& why);
    void answersRead();
    void updateAnswers();
    // The question the fields ask, or nothing when they ask none (the status line says why).
    std::optional<Question> askedQuestion(bool tajenka);
    // The answers and the rows of those listed; false when there are none (the status line says
    // why) or the answers are read again.
    bool solve(const Question& question, bool tajenka, std::vector<SolvedAnswer>& answers,
               std::vector<AnswerRow>& rows);
    // The rows of the answers listed, ordered as the window asks.
    std::vector<AnswerRow> answerRows(std::vector<SolvedAnswer>& answers, bool tajenka);
    // The listed answers by length, each length under its caption.
    void listAnswers(const std::vector<SolvedAnswer>& answers, const std::vector<AnswerRow>& rows);
    void showClues();
    void copyAnswer(bool withClue);
    void lookUpAnswer();
    void showAnswerMenu(const QPoint& globalPos);
    // Why a question whose fields agree has no answer: the filter fields that left nothing.
    QString emptyingFields(const Question& question);
    // What is wrong with the question, on the status line.
    void tell(const QuestionProblem& problem, const Question& question);
    // The status line; quiet for what is no error (a set still being typed).
    void say(const QString& text, bool quiet = false);

    QString dataFolder_;
    std::unique_ptr<RecordedMessages> loadMessages_; // a missing dictionary is said once, here
    std::unique_ptr<AnswerSource> source_;
    QThread* reading_ = nullptr; // while the answers are read; source_ is its own until then
    std::atomic<bool> stopReading_ = false;
};

} // namespace zadrovec::ui
