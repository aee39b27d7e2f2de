#include "program.h"

#include "Unit1.h"
#include "Unit5.h"

namespace zadrovec::ui {

Program::Program(const QString& programFolder)
    : dictionary_(programFolder.toStdString(), messages_) {
    form1_ = std::make_unique<TForm1>(dictionary_, messages_, programFolder);
    form5_ = new TForm5(form1_.get());
    form1_->setProgressWindow(form5_);
}

Program::~Program() = default;

} // namespace zadrovec::ui
