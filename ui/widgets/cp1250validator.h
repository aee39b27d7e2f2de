// Edit fields take only characters that Windows-1250 can hold, so no typed text is ever
// changed behind the user's back (a "?" in its place would even be a wildcard).
#pragma once

#include <QValidator>

namespace zadrovec::ui {

class Cp1250Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace zadrovec::ui
