// What every benchmark of a window needs before it runs: the offscreen platform, a settings
// folder of its own (a run keeps nothing in the user's settings), the application object, and
// messages printed instead of shown, so no box waits for a click.
#pragma once

#include "ui/application.h"
#include "ui/messageboxes.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <iostream>
#include <memory>

namespace zadrovec::bench {

class WindowBench {
public:
    WindowBench(int& argc, char** argv) : settings_(offscreenSettings()) {
        qputenv("XDG_CONFIG_HOME", settings_->path().toUtf8());
        app_ = std::make_unique<ui::Application>(argc, argv);
        ui::MessageBoxes::setPresenter([](ui::MessageKind, const QString&, const QString& text) {
            std::cerr << "message: " << text.toStdString() << '\n';
        });
        benchmark::Initialize(&argc, argv);
        argumentsUnrecognized_ = benchmark::ReportUnrecognizedArguments(argc, argv);
    }

    // True when the command line held something the benchmark library does not know (told).
    bool argumentsUnrecognized() const { return argumentsUnrecognized_; }

    int run() {
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    }

private:
    static std::unique_ptr<QTemporaryDir> offscreenSettings() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QTemporaryDir>();
    }

    std::unique_ptr<QTemporaryDir> settings_;
    std::unique_ptr<ui::Application> app_;
    bool argumentsUnrecognized_ = false;
};

} // namespace zadrovec::bench
