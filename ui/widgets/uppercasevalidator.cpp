#include "ui/widgets/uppercasevalidator.h"

#include "ui/widgets/qtext.h"

namespace zadrovec::ui {

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const {
    for (QChar& c : input) {
        // A capital the code page lacks (the capital of µ is Greek) leaves the letter as it is.
        const QChar capital = c.toUpper();
        if (capital != c && fitsCp1250(QString(capital))) c = capital;
    }
    return Cp1250Validator::validate(input, pos);
}

} // namespace zadrovec::ui
