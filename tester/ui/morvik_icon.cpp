#include "tester/ui/morvik_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include "common/ui/drawn_icon.h"

void PaintMorvikIcon(QPainter& painter, qreal size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a grid of 64 units.
    painter.scale(size / 64.0, size / 64.0);

    const QColor dark(0x7A, 0x2E, 0x1E);
    const QColor accent(0xD9, 0x5B, 0x2B);

    // Crown and side button of the stopwatch.
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark);
    painter.drawRoundedRect(QRectF(26, 2, 12, 7), 2, 2);
    painter.drawRect(QRectF(30, 8, 4, 5));
    // Turned by 45 degrees about (50, 16); the turn is written out, since rotate() would bring
    // in the sine tables of the maths library for this one button.
    constexpr qreal kHalfRoot2 = 0.70710678118654752;
    painter.save();
    painter.setTransform(QTransform(kHalfRoot2, kHalfRoot2, -kHalfRoot2, kHalfRoot2, 50, 16), true);
    painter.drawRoundedRect(QRectF(-3, -4, 6, 8), 1.5, 1.5);
    painter.restore();

    // Case and dial.
    painter.setBrush(accent);
    painter.drawEllipse(QPointF(32, 37), 26, 26);
    QRadialGradient dial(QPointF(28, 31), 24);
    dial.setColorAt(0.0, Qt::white);
    dial.setColorAt(1.0, QColor(0xF1, 0xEC, 0xE6));
    painter.setBrush(dial);
    painter.drawEllipse(QPointF(32, 37), 20.5, 20.5);

    // Quarter marks, then the hand at a quarter past.
    painter.setPen(QPen(dark, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        painter.save();
        painter.translate(32, 37);
        painter.rotate(90.0 * i);
        painter.drawLine(QPointF(0, -17), QPointF(0, -14));
        painter.restore();
    }
    painter.setPen(QPen(accent, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(32, 37), QPointF(45, 30));
    painter.setPen(QPen(dark, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(32, 37), QPointF(32, 23));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark);
    painter.drawEllipse(QPointF(32, 37), 3, 3);
    painter.restore();
}

// Drawn when the window system or a dialog asks for a size, not at every size ahead.
QIcon MorvikIcon() {
    return DrawnIcon([](QPainter& painter, const QRectF& area) {
        const qreal size = qMin(area.width(), area.height());
        painter.translate(area.x() + (area.width() - size) / 2,
                          area.y() + (area.height() - size) / 2);
        PaintMorvikIcon(painter, size);
    });
}
