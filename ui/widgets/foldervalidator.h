// The folder field of the settings dialog: the folder is kept in the settings file as one line,
// so besides the characters Windows-1250 cannot hold it takes no control characters (a pasted
// CR LF would start lines of its own there).
#pragma once

#include "ui/widgets/cp1250validator.h"

namespace zadrovec::ui {

class FolderValidator : public Cp1250Validator {
    Q_OBJECT
public:
    using Cp1250Validator::Cp1250Validator;
    State validate(QString& input, int& pos) const override;

    // The same check for a folder that reaches the field other than by typing (the browse
    // button): true when the field may hold text.
    static bool accepts(const QString& text);
};

} // namespace zadrovec::ui
