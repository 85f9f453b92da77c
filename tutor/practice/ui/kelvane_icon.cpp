#include "tutor/practice/ui/kelvane_icon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "common/ui/drawn_icon.h"

void PaintKelvaneIcon(QPainter& painter, qreal size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal s = size;

    // The side of the cap, then its top face a little higher.
    QRectF body(s * 0.06, s * 0.10, s * 0.88, s * 0.84);
    QPainterPath bodyPath;
    bodyPath.addRoundedRect(body, s * 0.16, s * 0.16);
    painter.fillPath(bodyPath, QColor(0x1F, 0x4E, 0x5F));

    QRectF top(s * 0.14, s * 0.06, s * 0.72, s * 0.70);
    QPainterPath topPath;
    topPath.addRoundedRect(top, s * 0.12, s * 0.12);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0.0, QColor(0x5F, 0xB8, 0xC9));
    face.setColorAt(1.0, QColor(0x2F, 0x83, 0x97));
    painter.fillPath(topPath, face);

    // The letter's outline, centred on the face by its own bounds (a font's line box would
    // put it too low).
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(6, static_cast<int>(s * 0.50)));
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("K"));
    const QRectF bounds = letter.boundingRect();
    letter.translate(top.center() - bounds.center());
    painter.fillPath(letter, Qt::white);

    // The home-row bump that lets a finger find the key.
    painter.setPen(
        QPen(QColor(255, 255, 255, 200), qMax(1.0, s * 0.04), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(s * 0.40, s * 0.68), QPointF(s * 0.60, s * 0.68));
    painter.restore();
}

// Drawn when the window system or a dialog asks for a size, not at every size ahead.
QIcon KelvaneIcon() {
    return DrawnIcon([](QPainter& painter, const QRectF& area) {
        const qreal size = qMin(area.width(), area.height());
        painter.translate(area.x() + (area.width() - size) / 2,
                          area.y() + (area.height() - size) / 2);
        PaintKelvaneIcon(painter, size);
    });
}
