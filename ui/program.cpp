#include "ui/program.h"

#include "ui/aboutbox.h"
#include "ui/characterswindow.h"
#include "ui/findtextdialog.h"
#include "ui/foundtextwindow.h"
#include "ui/mainwindow.h"
#include "ui/searchprogresswindow.h"
#include "ui/settingsdialog.h"
#include "ui/userdictionaryeditor.h"
#include "windowsettings/windowsettings.h"

namespace zadrovec::ui {

Program::Program(const QString& programFolder)
    : dictionary_(programFolder.toStdString(), messages_) {
    WindowPlacement::reportError = [](const QString& text) { MessageBoxes::generalError(text); };
    form1_ = std::make_unique<MainWindow>(dictionary_, messages_, programFolder);
    WindowPlacement::applicationMainWindow = form1_.get();
    about_ = new AboutBox(dictionary_, form1_.get());
    form1_->setAboutBox(about_);
    form3_ = new CharactersWindow(form1_.get(), form1_->statusTextPanel, messages_, programFolder);
    form1_->setCharactersWindow(form3_);
    form4_ = new UserDictionaryEditor(form1_.get(), messages_); // shown by no command
    form5_ = new SearchProgressWindow(form1_.get());
    form1_->setProgressWindow(form5_);
    form6_ = new FoundTextWindow(dictionary_, form1_.get());
    form6_->setProgressWindow(form5_);
    form7_ = new FindTextDialog(form1_.get());
    form1_->setFindWindows(form6_, form7_);
    settings_ = new SettingsDialog(form1_.get());
    form1_->setSettingsDialog(settings_);
}

// The windows go in the reverse order of their making, each saving its settings if it must.
Program::~Program() {
    delete settings_;
    delete form7_;
    delete form6_;
    delete form5_;
    delete form4_;
    delete form3_;
    delete about_;
    form1_.reset();
}

} // namespace zadrovec::ui
