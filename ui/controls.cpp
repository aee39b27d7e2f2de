#include "controls.h"

#include <QSplitter>

namespace zadrovec::ui {

void Action::setHint(const QString& hint) {
    hint_ = hint;
    setToolTip(hint.section(QLatin1Char('|'), 0, 0));
}

void Panel::setPanelWidth(int width) {
    auto* splitter = qobject_cast<QSplitter*>(parentWidget());
    if (!splitter) {
        resize(width, height());
        return;
    }
    QList<int> sizes = splitter->sizes();
    const int index = splitter->indexOf(this);
    if (index < 0) return;
    int total = 0;
    for (int size : sizes)
        total += size;
    if (total <= 0) total = splitter->width();
    const int others = static_cast<int>(sizes.size()) - 1;
    sizes[index] = width;
    // The rest of the room goes to the other columns, shared equally.
    for (qsizetype i = 0; i < sizes.size(); ++i)
        if (i != index && others > 0) sizes[i] = qMax(0, (total - width) / others);
    splitter->setSizes(sizes);
    resize(width, height());
}

} // namespace zadrovec::ui
