#include "tester/ui/tester_command_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "common/ui/drawn_icon.h"

namespace {

// Every picture is drawn on a 32 x 32 grid and scaled.
const QColor kOutline(0x33, 0x3D, 0x47);
const QColor kReplay(0x1E, 0x6F, 0xC8);

QPen Outline(qreal width = 1.6) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Stopwatch(QPainter& p, const QColor& ring) {
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawRoundedRect(QRectF(13, 2, 6, 4), 1, 1);
    p.drawRect(QRectF(15, 5, 2, 3));
    p.setBrush(ring);
    p.drawEllipse(QPointF(16, 19), 12.5, 12.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 19), 9.5, 9.5);
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 19), QPointF(16, 12));
    p.drawLine(QPointF(16, 19), QPointF(21, 19));
}

void Start(QPainter& p) {
    Stopwatch(p, QColor(0x2E, 0x8B, 0x3E));
}

void Pause(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0x8A, 0x1E));
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(10.5, 9, 4, 14), 1, 1);
    p.drawRoundedRect(QRectF(17.5, 9, 4, 14), 1, 1);
}

void ShowResults(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3B, 0x7D, 0xD8));
    p.drawRect(QRectF(6, 16, 5, 11));
    p.setBrush(QColor(0x3A, 0xA7, 0x5A));
    p.drawRect(QRectF(13.5, 7, 5, 20));
    p.setBrush(QColor(0xE3, 0x8B, 0x2C));
    p.drawRect(QRectF(21, 12, 5, 15));
    p.setPen(Outline(2));
    p.drawLine(QPointF(3, 28), QPointF(29, 28));
    p.drawLine(QPointF(3, 28), QPointF(3, 4));
}

void LoadResults(QPainter& p) {
    p.setPen(Outline(1.2));
    p.setBrush(QColor(0xD9, 0xA4, 0x2C));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(11, 8);
    back.lineTo(13, 11);
    back.lineTo(26, 11);
    back.lineTo(26, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(8, 15);
    front.lineTo(30, 15);
    front.lineTo(26, 26);
    front.closeSubpath();
    QLinearGradient flap(0, 15, 0, 26);
    flap.setColorAt(0, QColor(0xFF, 0xD9, 0x6A));
    flap.setColorAt(1, QColor(0xF2, 0xB8, 0x3A));
    p.setBrush(flap);
    p.drawPath(front);
}

void SaveResults(QPainter& p) {
    p.setPen(Outline(1.2));
    p.setBrush(QColor(0x2F, 0x5E, 0xA8));
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC9, 0xD1, 0xDB));
    p.drawRect(QRectF(9, 4.8, 13, 8));
    p.setBrush(QColor(0x2F, 0x5E, 0xA8));
    p.drawRect(QRectF(17, 6, 3, 5.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 17, 16, 10), 1, 1);
    p.setPen(QPen(QColor(0x9A, 0xA8, 0xB8), 1));
    p.drawLine(QPointF(10, 20.5), QPointF(22, 20.5));
    p.drawLine(QPointF(10, 23.5), QPointF(22, 23.5));
}

void PrintResults(QPainter& p) {
    p.setPen(Outline(1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    QLinearGradient body(0, 11, 0, 23);
    body.setColorAt(0, QColor(0xB8, 0xC0, 0xC8));
    body.setColorAt(1, QColor(0x80, 0x8A, 0x94));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(QPen(QColor(0x8A, 0x96, 0xA3), 1));
    p.drawLine(QPointF(11, 22.5), QPointF(21, 22.5));
    p.drawLine(QPointF(11, 25.5), QPointF(19, 25.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0xC0, 0x5A));
    p.drawEllipse(QPointF(25, 15), 1.4, 1.4);
}

void ReplayPlay(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kReplay);
    QPainterPath triangle;
    triangle.moveTo(8, 5);
    triangle.lineTo(27, 16);
    triangle.lineTo(8, 27);
    triangle.closeSubpath();
    p.drawPath(triangle);
}

void ReplayPause(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kReplay);
    p.drawRoundedRect(QRectF(7, 6, 7, 20), 1.2, 1.2);
    p.drawRoundedRect(QRectF(18, 6, 7, 20), 1.2, 1.2);
}

void ReplayStop(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kReplay);
    p.drawRoundedRect(QRectF(7, 7, 18, 18), 1.5, 1.5);
}

// The question mark of "DejaVu Sans" bold at 20 px, centred as text in the square, kept as its
// outline: the picture needs no font loaded for one character.
QPainterPath QuestionMark() {
    QPainterPath mark;
    mark.moveTo(17.125, 18.000);
    mark.lineTo(13.609, 18.000);
    mark.lineTo(13.609, 17.516);
    mark.cubicTo(13.609, 16.984, 13.716, 16.513, 13.930, 16.102);
    mark.cubicTo(14.143, 15.690, 14.594, 15.161, 15.281, 14.516);
    mark.lineTo(15.906, 13.953);
    mark.cubicTo(16.281, 13.620, 16.555, 13.302, 16.727, 13.000);
    mark.cubicTo(16.898, 12.698, 16.984, 12.396, 16.984, 12.094);
    mark.cubicTo(16.984, 11.646, 16.828, 11.292, 16.516, 11.031);
    mark.cubicTo(16.203, 10.771, 15.766, 10.641, 15.203, 10.641);
    mark.cubicTo(14.672, 10.641, 14.102, 10.750, 13.492, 10.969);
    mark.cubicTo(12.883, 11.188, 12.245, 11.510, 11.578, 11.938);
    mark.lineTo(11.578, 8.875);
    mark.cubicTo(12.370, 8.604, 13.091, 8.404, 13.742, 8.273);
    mark.cubicTo(14.393, 8.143, 15.021, 8.078, 15.625, 8.078);
    mark.cubicTo(17.208, 8.078, 18.417, 8.401, 19.250, 9.047);
    mark.cubicTo(20.083, 9.693, 20.500, 10.641, 20.500, 11.891);
    mark.cubicTo(20.500, 12.526, 20.375, 13.096, 20.125, 13.602);
    mark.cubicTo(19.875, 14.107, 19.443, 14.646, 18.828, 15.219);
    mark.lineTo(18.203, 15.781);
    mark.cubicTo(17.755, 16.188, 17.464, 16.513, 17.328, 16.758);
    mark.cubicTo(17.193, 17.003, 17.125, 17.271, 17.125, 17.562);
    mark.lineTo(17.125, 18.000);
    mark.moveTo(13.609, 19.438);
    mark.lineTo(17.125, 19.438);
    mark.lineTo(17.125, 22.922);
    mark.lineTo(13.609, 22.922);
    mark.lineTo(13.609, 19.438);
    return mark;
}

void Help(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2B, 0x74, 0xC9));
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    p.setBrush(Qt::white);
    p.drawPath(QuestionMark());
}

// Drawn only when a size is asked for: the toolbar and the menus want one or two sizes, and
// only once they are shown.
QIcon Build(void (*draw)(QPainter&)) {
    return DrawnIcon([draw](QPainter& painter, const QRectF& square) {
        painter.translate(square.topLeft());
        painter.scale(square.width() / 32.0, square.height() / 32.0);
        draw(painter);
    });
}

}  // namespace

QIcon TesterCommandIcon(TesterCommand command) {
    switch (command) {
        case TesterCommand::Start:
            return Build(Start);
        case TesterCommand::Pause:
            return Build(Pause);
        case TesterCommand::ShowResults:
            return Build(ShowResults);
        case TesterCommand::LoadResults:
            return Build(LoadResults);
        case TesterCommand::SaveResults:
            return Build(SaveResults);
        case TesterCommand::PrintResults:
            return Build(PrintResults);
        case TesterCommand::ReplayPlay:
            return Build(ReplayPlay);
        case TesterCommand::ReplayPause:
            return Build(ReplayPause);
        case TesterCommand::ReplayStop:
            return Build(ReplayStop);
        case TesterCommand::Help:
            return Build(Help);
        default:
            return QIcon();
    }
}
