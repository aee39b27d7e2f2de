#include "ui/widgets/foldervalidator.h"

#include "ui/widgets/qtext.h"

#include <algorithm>

namespace zadrovec::ui {

bool FolderValidator::accepts(const QString& text) {
    const bool hasControl =
        std::ranges::any_of(text, [](QChar c) { return c.category() == QChar::Other_Control; });
    return !hasControl && fitsCp1250(text);
}

QValidator::State FolderValidator::validate(QString& input, int&) const {
    return accepts(input) ? Acceptable : Invalid;
}

} // namespace zadrovec::ui
