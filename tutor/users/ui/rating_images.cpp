#include "tutor/users/ui/rating_images.h"

#include <QPainterPath>

#include "tutor/users/ui/drawn_icon.h"

namespace {

void Disc(QPainter& painter, const QRectF& r, const QColor& fill) {
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), qMax(1.0, r.width() / 16.0)));
    painter.setBrush(fill);
    const qreal margin = r.width() * 0.09;
    painter.drawEllipse(r.adjusted(margin, margin, -margin, -margin));
}

// mouth: 1 smiling, 0 straight, -1 frowning.
void Face(QPainter& painter, const QRectF& r, const QColor& fill, const QColor& ink, int mouth) {
    Disc(painter, r, fill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const qreal eye = qMax(0.8, r.width() / 14.0);
    painter.drawEllipse(QPointF(r.left() + r.width() * 0.36, r.top() + r.height() * 0.40), eye,
                        eye);
    painter.drawEllipse(QPointF(r.left() + r.width() * 0.64, r.top() + r.height() * 0.40), eye,
                        eye);
    painter.setPen(QPen(ink, qMax(1.0, r.width() / 14.0), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const qreal left = r.left() + r.width() * 0.32;
    const qreal right = r.left() + r.width() * 0.68;
    const qreal y = r.top() + r.height() * 0.66;
    QPainterPath path(QPointF(left, y));
    path.quadTo(QPointF(r.center().x(), y + mouth * r.height() * 0.16), QPointF(right, y));
    painter.drawPath(path);
}

void EqualsSign(QPainter& painter, const QRectF& r) {
    const qreal bar = r.height() * 0.16;
    const QColor red(0xD0, 0x20, 0x20);
    painter.fillRect(
        QRectF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.28, r.width() * 0.7, bar),
        red);
    painter.fillRect(
        QRectF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.56, r.width() * 0.7, bar),
        red);
}

}  // namespace

QIcon RatingImage(int index) {
    switch (index) {
        case 0:
            return DrawnIcon([](QPainter& p, const QRectF& r) { Disc(p, r, Qt::white); });
        case 1:
            return DrawnIcon([](QPainter& p, const QRectF& r) {
                Face(p, r, QColor(0xFF, 0xF0, 0xA8), QColor(0x30, 0x30, 0x30), 1);
            });
        case 2:
            return DrawnIcon([](QPainter& p, const QRectF& r) {
                Face(p, r, QColor(0xB8, 0xB8, 0xB8), QColor(0x20, 0x20, 0x20), 0);
            });
        case 3:
            return DrawnIcon([](QPainter& p, const QRectF& r) {
                Face(p, r, QColor(0x58, 0x58, 0x60), QColor(0xF0, 0xF0, 0xF0), -1);
            });
        case 4:
            return DrawnIcon([](QPainter& p, const QRectF& r) { Disc(p, r, Qt::black); });
        case 5:
            return DrawnIcon(EqualsSign);
        default:
            return {};
    }
}
