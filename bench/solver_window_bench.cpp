// From the keystroke to the answers shown in the window "Luštění", offscreen, on the bundled
// dictionaries beside the programs: the last key of a pattern or a clue runs the whole path a
// user waits for, the question and the list with its groups.
#include "bench/windowbench.h"
#include "ui/mainwindow.h"
#include "ui/program.h"
#include "ui/solverwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <iostream>

namespace {

using namespace zadrovec;

ui::SolverWindow* window = nullptr;

constexpr int kPatternKind = 0;
constexpr int kTajenkaKind = 4;

// Types `first` into the emptied field of this kind and times the keystroke of `last`.
void BM_SolverKeystroke(benchmark::State& state, QLineEdit* ui::SolverWindow::*field,
                        const char* first, char last, int kind = kPatternKind) {
    window->kindCombo->setCurrentIndex(kind);
    QLineEdit* edit = window->*field;
    std::size_t groups = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window->patternEdit->clear();
        window->clueEdit->clear();
        QTest::keyClicks(edit, first);
        state.ResumeTiming();
        QTest::keyClick(edit, last);
        groups = static_cast<std::size_t>(window->answersTree->topLevelItemCount());
    }
    state.counters["groups"] = static_cast<double>(groups);
}

BENCHMARK_CAPTURE(BM_SolverKeystroke, pattern_k_n, &ui::SolverWindow::patternEdit, "k?", 'n')
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolverKeystroke, pattern_5_squares, &ui::SolverWindow::patternEdit, "p???",
                  'a')
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolverKeystroke, pattern_star_a, &ui::SolverWindow::patternEdit, "*", 'a')
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolverKeystroke, clue_mesto, &ui::SolverWindow::clueEdit, "mest", 'o')
    ->Unit(benchmark::kMillisecond);
// The tajenka: the lengths of the words, a stand-alone star before two of them, and before one
// (single words of its squares match too).
BENCHMARK_CAPTURE(BM_SolverKeystroke, tajenka_5_2_5_8, &ui::SolverWindow::patternEdit,
                  "????? ?? ????? ???????", '?', kTajenkaKind)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolverKeystroke, tajenka_star_6_star_5, &ui::SolverWindow::patternEdit,
                  "* ?????? * ????", '?', kTajenkaKind)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolverKeystroke, tajenka_star_5, &ui::SolverWindow::patternEdit, "* ????", '?',
                  kTajenkaKind)
    ->Unit(benchmark::kMillisecond);

// From opening the window to the answers of a pattern typed at once shown in it: with the stored
// answers beside the dictionaries (0), and with the dictionaries alone, read on another thread
// while the window is open (1).
void BM_SolverFirstOpen(benchmark::State& state) {
    QTemporaryDir dictionariesOnly;
    for (const QFileInfo& file :
         QDir(QStringLiteral(ZADROVEC_DATA_DIR))
             .entryInfoList({QStringLiteral("*.dat"), QStringLiteral("*.idx")}))
        if (file.fileName() != QLatin1String("odpovedi.idx"))
            QFile::link(file.absoluteFilePath(), dictionariesOnly.filePath(file.fileName()));
    const QString folder =
        state.range(0) == 0 ? QStringLiteral(ZADROVEC_DATA_DIR) : dictionariesOnly.path();
    for (auto _ : state) {
        ui::SolverWindow opened(nullptr, folder);
        opened.show();
        QTest::keyClicks(opened.patternEdit, "k?n");
        while (opened.answersTree->topLevelItemCount() == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
}
BENCHMARK(BM_SolverFirstOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    bench::WindowBench environment(argc, argv);
    if (environment.argumentsUnrecognized()) return 1;
    ui::Program program(QStringLiteral(ZADROVEC_DATA_DIR));
    ui::MainWindow& main = program.mainWindow();
    main.show();
    main.findChild<QAction*>(QStringLiteral("acLusteni"))->trigger(); // opens the answers once
    window = main.solverWindow();
    while (!window->answersReady())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return environment.run();
}
