#include "ui/widgets/imagelist.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace zadrovec::ui {
namespace {

using Drawing = std::function<void(QPainter&)>;

QIcon drawn(const Drawing& draw) {
    QPixmap pixmap(ImageList::kSize, ImageList::kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pixmap);
}

void magnifier(QPainter& p) {
    p.setPen(QPen(QColor(110, 70, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(170, 215, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
}

void book(QPainter& p, QColor cover) {
    p.setPen(QPen(cover.darker(160), 1));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 12, 9, 2.5));
}

void person(QPainter& p, QColor body) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QPointF(8, 4.5), 3, 3);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 8.5, 10, 7), 3, 3);
}

void letter(QPainter& p, const QString& text, QColor colour) {
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

QList<QIcon> initialImages() {
    return {
        drawn(magnifier),       // 0 search in all dictionaries
        drawn([](QPainter& p) { // 1 user dictionary: a book with a pen
            book(p, QColor(60, 150, 70));
            p.setPen(QPen(QColor(30, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(7, 10), QPointF(14, 3));
        }),
        drawn([](QPainter& p) { // 2 help
            p.setPen(QPen(QColor(20, 60, 160), 1));
            p.setBrush(QColor(60, 120, 220));
            p.drawEllipse(QRectF(1, 1, 14, 14));
            letter(p, QStringLiteral("?"), Qt::white);
        }),
        drawn([](QPainter& p) { // 3 exit: a door and an arrow
            p.setPen(QPen(QColor(90, 60, 30), 1));
            p.setBrush(QColor(170, 120, 70));
            p.drawRect(QRectF(2.5, 1.5, 7, 13));
            p.setPen(QPen(QColor(200, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 8), QPointF(14, 8));
            p.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
            p.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
        }),
        drawn([](QPainter& p) { // 4 settings: a cog
            p.setPen(QPen(QColor(80, 80, 80), 2.5));
            for (int k = 0; k < 8; ++k) {
                p.save();
                p.translate(8, 8);
                p.rotate(45 * k);
                p.drawLine(QPointF(0, 4), QPointF(0, 7));
                p.restore();
            }
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(QColor(160, 160, 160));
            p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
        }),
        drawn([](QPainter& p) { book(p, QColor(180, 40, 40)); }), // 5 main dictionary
        drawn([](QPainter& p) { // 6 capital cities: a building with a dome
            p.setPen(QPen(QColor(90, 70, 40), 1));
            p.setBrush(QColor(220, 190, 120));
            p.drawRect(QRectF(2.5, 8.5, 11, 6));
            p.drawChord(QRectF(4.5, 3.5, 7, 8), 0, 180 * 16);
            p.setPen(QPen(QColor(90, 70, 40), 1));
            for (int x = 4; x <= 12; x += 2)
                p.drawLine(QPointF(x, 9.5), QPointF(x, 14));
        }),
        drawn([](QPainter& p) { // 7 chemical symbols: a flask
            QPainterPath flask;
            flask.moveTo(6, 1.5);
            flask.lineTo(10, 1.5);
            flask.lineTo(10, 6);
            flask.lineTo(14, 14.5);
            flask.lineTo(2, 14.5);
            flask.lineTo(6, 6);
            flask.closeSubpath();
            p.setPen(QPen(QColor(40, 40, 90), 1));
            p.setBrush(QColor(200, 230, 255));
            p.drawPath(flask);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 190, 90));
            p.drawPolygon(QPolygonF(
                {QPointF(4.2, 10), QPointF(11.8, 10), QPointF(13.3, 14), QPointF(2.7, 14)}));
        }),
        drawn([](QPainter& p) { // 8 currencies: a coin
            p.setPen(QPen(QColor(150, 110, 0), 1));
            p.setBrush(QColor(240, 200, 40));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            letter(p, QStringLiteral("$"), QColor(130, 90, 0));
        }),
        drawn([](QPainter& p) { // 9 vehicle codes: a number plate
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(0.5, 4.5, 15, 7));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 60, 170));
            p.drawRect(QRectF(1, 5, 3, 6));
            letter(p, QStringLiteral("  CZ"), Qt::black);
        }),
        drawn([](QPainter& p) { person(p, QColor(60, 90, 170)); }), // 10 personalities
        drawn([](QPainter& p) {                                     // 11 aircraft markings: a plane
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 100, 120));
            p.drawRoundedRect(QRectF(7, 1, 2, 14), 1, 1);
            p.drawPolygon(QPolygonF({QPointF(8, 5), QPointF(15, 9), QPointF(1, 9)}));
            p.drawPolygon(QPolygonF({QPointF(8, 12), QPointF(11, 15), QPointF(5, 15)}));
        }),
        drawn([](QPainter& p) { // 12 enterprises: a factory
            p.setPen(QPen(QColor(70, 50, 50), 1));
            p.setBrush(QColor(170, 90, 70));
            p.drawPolygon(QPolygonF({QPointF(1.5, 14.5), QPointF(1.5, 7), QPointF(5.5, 9.5),
                                     QPointF(5.5, 7), QPointF(9.5, 9.5), QPointF(9.5, 2),
                                     QPointF(12.5, 2), QPointF(12.5, 14.5)}));
        }),
        drawn([](QPainter& p) { // 13 characters from works: a figure before a book
            book(p, QColor(120, 70, 150));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 230, 120));
            p.drawEllipse(QPointF(8, 5.5), 2.2, 2.2);
            p.drawRoundedRect(QRectF(5.5, 8, 5, 3.5), 1.5, 1.5);
        }),
    };
}

} // namespace

ImageList::ImageList() : images_(initialImages()) {}

int ImageList::append(const QImage& image) {
    const QImage scaled =
        image.size() == QSize(kSize, kSize)
            ? image
            : image.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    images_.append(QIcon(QPixmap::fromImage(scaled)));
    return count() - 1;
}

} // namespace zadrovec::ui
