// An edit field that turns letters into capitals as they are typed or pasted, and, like every
// edit field of the program, takes only characters that Windows-1250 can hold.
#pragma once

#include "ui/widgets/cp1250validator.h"

namespace zadrovec::ui {

class UpperCaseValidator : public Cp1250Validator {
    Q_OBJECT
public:
    using Cp1250Validator::Cp1250Validator;
    State validate(QString& input, int& pos) const override;
};

} // namespace zadrovec::ui
