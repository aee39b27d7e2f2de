#include "program.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "formstorage.h"

namespace zadrovec::ui {

Program::Program(const QString& programFolder)
    : dictionary_(programFolder.toStdString(), messages_) {
    TFormPlacement::reportError = [](const QString& text) { MessageBoxes::generalError(text); };
    form1_ = std::make_unique<TForm1>(dictionary_, messages_, programFolder);
    TFormPlacement::applicationMainWindow = form1_.get();
    about_ = new TAboutBox(dictionary_, form1_.get());
    form1_->setAboutBox(about_);
    form3_ = new TForm3(form1_.get(), form1_->StatusPanel0, messages_, programFolder);
    form1_->setCharactersWindow(form3_);
    form4_ = new TForm4(form1_.get(), messages_); // shown by no command
    form5_ = new TForm5(form1_.get());
    form1_->setProgressWindow(form5_);
    form6_ = new TForm6(dictionary_, form1_.get());
    form6_->setProgressWindow(form5_);
    form7_ = new TForm7(form1_.get());
    form1_->setFindWindows(form6_, form7_);
    settings_ = new Tnastaveniform(form1_.get());
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
