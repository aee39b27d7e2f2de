#include "ui/widgets/findfileanimation.h"

#include <QPainter>
#include <QtMath>

namespace zadrovec::ui {

FindFileAnimation::FindFileAnimation(QWidget* parent) : QWidget(parent) {
    setFixedSize(48, 50);
    timer_.setInterval(60);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = frame_ % kFrames + 1;
        update();
    });
}

void FindFileAnimation::setActive(bool active) {
    if (active == timer_.isActive()) return;
    if (active) {
        frame_ = 1;
        timer_.start();
    } else {
        timer_.stop();
    }
    update();
}

void FindFileAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The page, with lines of text.
    const QRectF page(6, 4, 28, 36);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRect(page);
    p.setPen(QPen(QColor(120, 120, 160), 1.5));
    for (int line = 0; line < 6; ++line)
        p.drawLine(QPointF(10, 10 + 5 * line), QPointF(line % 2 ? 26 : 30, 10 + 5 * line));
    // The magnifier goes round the page once every 23 frames.
    const double angle = 2 * M_PI * (frame_ - 1) / kFrames;
    const QPointF centre(24 + 9 * qCos(angle), 26 + 8 * qSin(angle));
    p.setPen(QPen(QColor(90, 60, 20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(5, 5), centre + QPointF(12, 12));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(180, 220, 255, 160));
    p.drawEllipse(centre, 7, 7);
}

} // namespace zadrovec::ui
