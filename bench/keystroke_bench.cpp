// From the keystroke to the lists filled: the main window, offscreen, on the generated dictionary
// of a million records. A key typed into the search field runs the whole path a user waits for:
// the progress window, the search, the lists shown.
#include "bench/generated_stock.h"
#include "bench/windowbench.h"
#include "ui/mainwindow.h"
#include "ui/program.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/listbox.h"
#include "ui/widgets/spinedit.h"

#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>
#include <iostream>
#include <memory>

namespace {

using namespace zadrovec;

ui::MainWindow* window = nullptr;

// Types `first` into an emptied field (a text below the minimum: no search) and times the
// keystroke of `last`, which searches.
void BM_Keystroke(benchmark::State& state, const char* first, char last, int minimum) {
    window->searchFromLetter()->setValue(minimum);
    std::size_t found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window->searchField()->clear();
        QTest::keyClicks(window->searchField(), first);
        state.ResumeTiming();
        QTest::keyClick(window->searchField(), last);
        found = window->foundWordsList()->items().size();
    }
    state.counters["found"] = static_cast<double>(found);
}

BENCHMARK_CAPTURE(BM_Keystroke, 1_letter_p, "", 'p', 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keystroke, 1_letter_k, "", 'k', 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keystroke, 2_letters_po, "p", 'o', 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keystroke, 2_letters_ka, "k", 'a', 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    bench::WindowBench environment(argc, argv);
    if (environment.argumentsUnrecognized()) return 1;
    std::cerr << "Generating a dictionary of " << bench::kRecords << " records...\n";
    ui::Program program(QString::fromStdString(bench::generated().folder()));
    window = &program.mainWindow();
    window->show();
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
    return environment.run();
}
