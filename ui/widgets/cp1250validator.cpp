#include "ui/widgets/cp1250validator.h"

#include "ui/widgets/qtext.h"

namespace zadrovec::ui {

QValidator::State Cp1250Validator::validate(QString& input, int&) const {
    return fitsCp1250(input) ? Acceptable : Invalid;
}

} // namespace zadrovec::ui
