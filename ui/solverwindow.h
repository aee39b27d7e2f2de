// The window "Luštění": crossword answers of all dictionaries by pattern, anagram or letters,
// and by clue, listed as the user types. The answers are read from the dictionaries the first
// time the window opens, so the program starts as fast as before.
#pragma once

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace zadrovec {
class AnswerSpace;
class Solver;
class WindowSettings;
} // namespace zadrovec

namespace zadrovec::ui {

class SolverWindow : public QDialog {
    Q_OBJECT
public:
    // dataFolder is where the dictionaries lie.
    SolverWindow(QWidget* mainWindow, const QString& dataFolder);
    ~SolverWindow() override;

    // More answers are counted but not listed: a list that long helps nobody and costs time.
    static constexpr int kListedAnswers = 2000;

    QLineEdit* patternEdit;
    QComboBox* kindCombo; // Vzor, Přesmyčka, Z písmen, Obsahuje
    QLineEdit* clueEdit;
    QLineEdit* lengthEdit;
    QLineEdit* excludeEdit;
    QCheckBox* strictCheck;
    QCheckBox* chCheck;
    QTreeWidget* answersTree; // a group per length, the answers under it
    QTreeWidget* cluesTree;   // the clues and meanings of the selected answer
    QLabel* statusLabel;
    WindowSettings* windowSettings; // "Okno luštění": placement and choices

    // The selected answer, empty when a group or nothing is selected.
    QString selectedAnswer() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadAnswers();
    void updateAnswers();
    void showClues();
    void copyAnswer();

    QString dataFolder_;
    std::unique_ptr<AnswerSpace> space_;
    std::unique_ptr<Solver> solver_;
};

} // namespace zadrovec::ui
