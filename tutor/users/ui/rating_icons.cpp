#include "tutor/users/ui/rating_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

enum class Mouth { Smile, Straight, Frown };

struct Face {
    QColor fill;
    QColor outline;
    QColor features;
};

void DrawDisc(QPainter& p, const QColor& fill, const QColor& outline) {
    p.setPen(QPen(outline, 1.0));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

void DrawFace(QPainter& p, const Face& face, Mouth mouth) {
    DrawDisc(p, face.fill, face.outline);
    p.setPen(Qt::NoPen);
    p.setBrush(face.features);
    p.drawEllipse(QPointF(5.7, 6.3), 1.1, 1.3);
    p.drawEllipse(QPointF(10.3, 6.3), 1.1, 1.3);
    QPen pen(face.features, 1.3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    switch (mouth) {
        case Mouth::Smile:
            path.moveTo(4.8, 9.4);
            path.quadTo(8.0, 12.8, 11.2, 9.4);
            break;
        case Mouth::Straight:
            path.moveTo(5.2, 10.6);
            path.lineTo(10.8, 10.6);
            break;
        case Mouth::Frown:
            path.moveTo(4.8, 11.6);
            path.quadTo(8.0, 8.4, 11.2, 11.6);
            break;
    }
    p.drawPath(path);
}

void Draw(QPainter& p, int image) {
    switch (image) {
        case 0:
            DrawDisc(p, Qt::white, QColor(90, 90, 90));
            break;
        case 1:
            DrawFace(p, {QColor(255, 236, 150), QColor(150, 120, 30), QColor(70, 50, 10)},
                     Mouth::Smile);
            break;
        case 2:
            DrawFace(p, {QColor(176, 176, 176), QColor(100, 100, 100), QColor(40, 40, 40)},
                     Mouth::Straight);
            break;
        case 3:
            DrawFace(p, {QColor(80, 80, 80), QColor(30, 30, 30), QColor(235, 235, 235)},
                     Mouth::Frown);
            break;
        case 4:
            DrawDisc(p, Qt::black, Qt::black);
            break;
        case 5:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 20, 20));
            p.drawRoundedRect(QRectF(2.5, 4.5, 11, 2.5), 0.8, 0.8);
            p.drawRoundedRect(QRectF(2.5, 9.0, 11, 2.5), 0.8, 0.8);
            break;
        default:
            break;
    }
}

}  // namespace

QPixmap RatingIcons::Pixmap(int image, qreal devicePixelRatio) {
    const int pixels = qRound(kSize * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    Draw(painter, image);
    return pixmap;
}

QIcon RatingIcons::Icon(int image) {
    QIcon icon;
    if (image < 0 || image >= kCount) {
        return icon;
    }
    // Drawn for the common densities; the icon picks the closest.
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        icon.addPixmap(Pixmap(image, ratio));
    }
    return icon;
}
