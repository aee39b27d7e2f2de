#include "ui/program.h"

#include "ui/aboutbox.h"
#include "ui/characterswindow.h"
#include "ui/findtextdialog.h"
#include "ui/foundtextwindow.h"
#include "ui/mainwindow.h"
#include "ui/searchprogresswindow.h"
#include "ui/settingsdialog.h"
#include "ui/userdictionaryeditor.h"
#include "ui/widgets/qtext.h"

namespace zadrovec::ui {

Program::Program(const QString& programFolder)
    : dictionary_(programFolder.toStdString(), messages_),
      mainWindow_(std::make_unique<MainWindow>(dictionary_, messages_, programFolder)) {
    MainWindow* main = mainWindow_.get();
    aboutBox_ = std::make_unique<AboutBox>(dictionary_, main);
    charactersWindow_ = std::make_unique<CharactersWindow>(main, messages_, programFolder);
    userDictionaryEditor_ = std::make_unique<UserDictionaryEditor>(
        main, messages_, [main] { return main->settingsOptions().userDictionaryFolder; });
    progressWindow_ = std::make_unique<SearchProgressWindow>(main);
    foundWindow_ = std::make_unique<FoundTextWindow>(dictionary_, progressWindow_.get(), main);
    findDialog_ = std::make_unique<FindTextDialog>(main);
    settingsDialog_ = std::make_unique<SettingsDialog>(main);
    connectWindows();
}

// The windows end before the main window, their parent, in the reverse order of their making.
Program::~Program() = default;

void Program::connectWindows() {
    MainWindow* main = mainWindow_.get();
    QObject::connect(main, &MainWindow::aboutRequested, aboutBox_.get(), &QDialog::exec);
    QObject::connect(main, &MainWindow::charactersRequested, charactersWindow_.get(),
                     &QDialog::exec);
    QObject::connect(charactersWindow_.get(), &CharactersWindow::catalogueOpening, main,
                     &MainWindow::keepStatusText);
    QObject::connect(charactersWindow_.get(), &CharactersWindow::catalogueClosed, main,
                     &MainWindow::restoreStatusText);
    QObject::connect(main, &MainWindow::searchStarted, progressWindow_.get(),
                     &SearchProgressWindow::begin);
    QObject::connect(main, &MainWindow::searchEnded, progressWindow_.get(),
                     &SearchProgressWindow::end);

    QObject::connect(main, &MainWindow::settingsRequested, settingsDialog_.get(),
                     [this](const SettingsOptions& current) {
                         runHandler([&] { settingsDialog_->edit(current); });
                     });
    QObject::connect(settingsDialog_.get(), &SettingsDialog::optionsChosen, main,
                     &MainWindow::applySettings);

    // The search in all dictionaries leaves its last dictionary open: the main window opens
    // its own again once the results are closed.
    QObject::connect(main, &MainWindow::findInAllRequested, findDialog_.get(), [this] {
        runHandler([this] {
            if (findDialog_->exec() != QDialog::Accepted) return;
            foundWindow_->findText(fromQString(findDialog_->text()));
            mainWindow_->reopenCheckedDictionary();
        });
    });
}

} // namespace zadrovec::ui
