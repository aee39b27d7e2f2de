#include "ui/widgets/controls.h"

#include <QSplitter>
#include <algorithm>

namespace zadrovec::ui {

void Action::setHint(const QString& hint) {
    hint_ = hint;
    setToolTip(hint.section(QLatin1Char('|'), 0, 0));
}

void Panel::setPanelWidth(int requested) {
    // The width comes from the settings file and may be any int: no negative width, none wider
    // than a widget can be, and the sums taken wide.
    const int width = std::clamp(requested, 0, QWIDGETSIZE_MAX);
    auto* splitter = qobject_cast<QSplitter*>(parentWidget());
    if (!splitter) {
        resize(width, height());
        return;
    }
    QList<int> sizes = splitter->sizes();
    const int index = splitter->indexOf(this);
    if (index < 0) return;
    qint64 total = 0;
    for (int size : sizes)
        total += size;
    if (total <= 0) total = splitter->width();
    const int others = static_cast<int>(sizes.size()) - 1;
    sizes[index] = width;
    // The rest of the room goes to the other columns, shared equally.
    const qint64 rest = std::max<qint64>(0, total - width);
    for (qsizetype i = 0; i < sizes.size(); ++i)
        if (i != index && others > 0) sizes[i] = static_cast<int>(rest / others);
    splitter->setSizes(sizes);
    resize(width, height());
}

} // namespace zadrovec::ui
