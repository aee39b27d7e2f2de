#include "ui/widgets/bevelpanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace zadrovec::ui {

BevelPanel::BevelPanel(Bevel outer, Bevel inner, QWidget* parent)
    : QFrame(parent), outer_(outer), inner_(inner) {
    // A two-pixel frame keeps the contents clear of both bevels; paintEvent draws them.
    setFrameStyle(QFrame::Panel | QFrame::Plain);
    setLineWidth(2);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outside = rect();
    qDrawShadePanel(&painter, outside, palette(), outer_ == Bevel::Lowered, 1);
    qDrawShadePanel(&painter, outside.adjusted(1, 1, -1, -1), palette(), inner_ == Bevel::Lowered,
                    1);
}

} // namespace zadrovec::ui
