#include "tutor/users/ui/settings_icons.h"

#include <QFont>
#include <QPainterPath>
#include <QPolygonF>

#include "common/ui/drawn_icon.h"

namespace {

const QColor kInk(0x22, 0x2B, 0x33);
const QColor kCursor(0x1F, 0x6F, 0xB2);
const QColor kPaper(0xFA, 0xFB, 0xFC);
const QColor kEdge(0x9A, 0xA5, 0xB1);

// A character cell with a letter, as the practice text shows it; returns the letter's cell.
QRectF LetterCell(QPainter& painter, const QRectF& r, const QString& letter) {
    painter.setPen(QPen(kEdge, r.width() / 32.0));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(
        r.adjusted(r.width() * 0.04, r.height() * 0.04, -r.width() * 0.04, -r.height() * 0.04),
        r.width() * 0.12, r.width() * 0.12);
    const QRectF cell(r.left() + r.width() * 0.30, r.top() + r.height() * 0.16, r.width() * 0.40,
                      r.height() * 0.52);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(4, qRound(cell.height() * 0.9)));
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(cell, Qt::AlignCenter, letter);
    return cell;
}

void CursorShapeIcon(QPainter& painter, const QRectF& r, int shape) {
    const QRectF cell = LetterCell(painter, r, QStringLiteral("a"));
    const qreal line = qMax(1.0, r.width() / 16.0);
    painter.setPen(QPen(kCursor, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    switch (shape) {
        case 0:
            painter.drawRect(cell);
            break;
        case 1: {
            // The axe: a handle at the left of the cell, its blade at the top.
            painter.drawLine(cell.topLeft(), cell.bottomLeft());
            QPolygonF blade;
            blade << cell.topLeft() << QPointF(cell.left() + cell.width() * 0.45, cell.top())
                  << QPointF(cell.left() + cell.width() * 0.30, cell.top() + cell.height() * 0.3)
                  << QPointF(cell.left(), cell.top() + cell.height() * 0.3);
            painter.setBrush(kCursor);
            painter.drawPolygon(blade);
            break;
        }
        default: {
            // The pointer: a triangle under the letter, pointing up at it.
            const qreal top = cell.bottom() + r.height() * 0.04;
            const qreal bottom = r.bottom() - r.height() * 0.12;
            QPolygonF triangle;
            triangle << QPointF(cell.center().x(), top) << QPointF(cell.left(), bottom)
                     << QPointF(cell.right(), bottom);
            painter.setBrush(kCursor);
            painter.drawPolygon(triangle);
            break;
        }
    }
}

void BlinkPreview(QPainter& painter, const QRectF& r, bool cursorShown) {
    const QRectF cell = LetterCell(painter, r, QStringLiteral("b"));
    if (cursorShown) {
        painter.setPen(QPen(kCursor, qMax(1.0, r.width() / 16.0), Qt::SolidLine, Qt::SquareCap,
                            Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell);
    }
}

void Loudspeaker(QPainter& painter, const QRectF& box, const QColor& colour) {
    QPolygonF cone;
    cone << QPointF(box.left(), box.top() + box.height() * 0.32)
         << QPointF(box.left() + box.width() * 0.32, box.top() + box.height() * 0.32)
         << QPointF(box.left() + box.width() * 0.70, box.top())
         << QPointF(box.left() + box.width() * 0.70, box.bottom())
         << QPointF(box.left() + box.width() * 0.32, box.top() + box.height() * 0.68)
         << QPointF(box.left(), box.top() + box.height() * 0.68);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(cone);
}

void SoundCard(QPainter& painter, const QRectF& r) {
    Loudspeaker(painter,
                QRectF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.28, r.width() * 0.42,
                       r.height() * 0.44),
                kInk);
    // Sound waves: a WAV is heard through the speakers of the sound card.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(kCursor, qMax(1.0, r.width() / 16.0), Qt::SolidLine, Qt::RoundCap));
        const qreal radius = r.width() * (0.14 + 0.12 * i);
        const QPointF centre(r.left() + r.width() * 0.40, r.center().y());
        painter.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                        -50 * 16, 100 * 16);
    }
}

void PcSpeaker(QPainter& painter, const QRectF& r) {
    // A computer case with the little speaker grille of its beeper.
    const QRectF body(r.left() + r.width() * 0.22, r.top() + r.height() * 0.08, r.width() * 0.56,
                      r.height() * 0.84);
    painter.setPen(QPen(kInk, qMax(1.0, r.width() / 20.0)));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(body, r.width() * 0.05, r.width() * 0.05);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEdge);
    painter.drawRect(QRectF(body.left() + body.width() * 0.18, body.top() + body.height() * 0.12,
                            body.width() * 0.64, body.height() * 0.08));
    painter.setBrush(kInk);
    const qreal dot = qMax(1.0, r.width() / 18.0);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.drawEllipse(QPointF(body.left() + body.width() * (0.32 + 0.18 * column),
                                        body.top() + body.height() * (0.52 + 0.14 * row)),
                                dot, dot);
        }
    }
}

}  // namespace

QIcon SettingsIcon(int number) {
    switch (number) {
        case 153:
        case 154:
        case 155:
            return DrawnIcon([shape = number - 153](QPainter& painter, const QRectF& r) {
                CursorShapeIcon(painter, r, shape);
            });
        case 156:
        case 157:
            return DrawnIcon([shown = number == 156](QPainter& painter, const QRectF& r) {
                BlinkPreview(painter, r, shown);
            });
        case 158:
            return DrawnIcon(SoundCard);
        case 159:
            return DrawnIcon(PcSpeaker);
        default:
            return {};
    }
}
