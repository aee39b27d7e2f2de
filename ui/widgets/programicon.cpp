#include "ui/widgets/programicon.h"

#include <QPainter>
#include <QPixmap>

namespace zadrovec::ui {
namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // The book.
    p.setPen(QPen(QColor(110, 20, 20), 1.2));
    p.setBrush(QColor(190, 45, 40));
    p.drawRoundedRect(QRectF(3, 2, 20, 26), 2, 2);
    p.setBrush(QColor(250, 245, 230));
    p.drawRect(QRectF(6, 24, 17, 4));
    p.setPen(QPen(QColor(250, 230, 160), 1.5));
    p.drawLine(QPointF(8, 8), QPointF(18, 8));
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    // The magnifier.
    p.setPen(QPen(QColor(90, 60, 20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 24), QPointF(30, 30));
    p.setPen(QPen(QColor(30, 30, 30), 2.2));
    p.setBrush(QColor(170, 215, 255, 210));
    p.drawEllipse(QPointF(20, 19), 7, 7);
    return pixmap;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace zadrovec::ui
