#include "tutor/users/ui/diagram_painter.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QPolygon>
#include <QVector>

#include "common/ui/qt_text.h"
#include "tutor/users/diagram.h"

namespace {

// A legend text with its own background, its top left corner at (x, top).
void Legend(QPainter& painter, const QFontMetrics& metrics, int x, int top, const QString& text,
            const QColor& background) {
    painter.fillRect(QRect(x, top, metrics.horizontalAdvance(text), metrics.height()), background);
    painter.drawText(QPoint(x, top + metrics.ascent()), text);
}

}  // namespace

void DiagramPainter::Paint(QPainter& painter, const Diagram& diagram, const QRect& client,
                           const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int left = client.left();
    const int top = client.top();
    const int right = client.left() + client.width();
    const int bottom = client.top() + client.height();

    painter.fillRect(client, kBackground);
    painter.setPen(Qt::black);

    // The vertical title reads upwards, centred on the height, its cell to the right of
    // x = left + 10; it is left out where it would rise above the top.
    const QString vertical = ToQString(diagram.verticalTitle());
    const int verticalLength = metrics.horizontalAdvance(vertical);
    const int baseY = top + (bottom - top) / 2 + verticalLength / 2;
    if (!vertical.isEmpty() && baseY - verticalLength >= top) {
        painter.save();
        painter.translate(left + 10, baseY);
        painter.rotate(-90.0);
        painter.drawText(QPoint(0, metrics.ascent()), vertical);
        painter.restore();
    }
    const QString horizontal = ToQString(diagram.horizontalTitle());
    const int horizontalLength = metrics.horizontalAdvance(horizontal);
    const int horizontalX = left + (right - left - horizontalLength) / 2;
    if (!horizontal.isEmpty() && horizontalX >= left && horizontalX + horizontalLength <= right) {
        painter.drawText(QPoint(horizontalX, bottom - 20 + metrics.ascent()), horizontal);
    }

    const DiagramPlot plot = DiagramPlot::Compute(diagram, left, top, right, bottom);
    painter.setPen(QPen(kFrame, kPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(
        QPolygon({QPoint(plot.left, plot.top - 5), QPoint(plot.right, plot.top - 5),
                  QPoint(plot.right, plot.bottom + 5), QPoint(plot.left, plot.bottom + 5)}));

    // The band takes in the limit line's row on either side: a value on the limit qualifies.
    if (plot.bandRight >= plot.bandLeft && plot.bandBottom >= plot.bandTop) {
        painter.fillRect(
            QRect(QPoint(plot.bandLeft, plot.bandTop), QPoint(plot.bandRight, plot.bandBottom)),
            kBand);
    }

    // The legend goes before the series, so that its text boxes never hide a part of the
    // curve.
    const int flag = diagram.limitFlag();
    const int longest =
        std::max(metrics.horizontalAdvance(ToQString(DiagramPlot::UpperLegend(flag, false))),
                 metrics.horizontalAdvance(ToQString(DiagramPlot::LowerLegend(flag, false))));
    const bool shortForm = plot.left + 10 + longest > plot.right - 30;
    const bool upperQualified = flag != Diagram::kQualifiedBelow;
    painter.setPen(Qt::black);
    Legend(painter, metrics, plot.left + 10, top + 20,
           ToQString(DiagramPlot::UpperLegend(flag, shortForm)),
           upperQualified ? kBand : kBackground);
    const int lowerTop = plot.limitY + 10;
    if (lowerTop + metrics.height() <= plot.bottom - 3) {
        Legend(painter, metrics, plot.left + 10, lowerTop,
               ToQString(DiagramPlot::LowerLegend(flag, shortForm)),
               upperQualified ? kBackground : kBand);
    }

    if (!plot.polyline.empty()) {
        const std::vector<Diagram::Point> points = DiagramPlot::ColumnExtremes(plot.polyline);
        const Diagram::Colour& colour = diagram.colour();
        // Smoothed edges; a pen of odd width centred on a pixel still covers that pixel whole,
        // so every point keeps the series colour. Segment by segment, each with round ends:
        // the joins look the same and a long series is drawn many times faster than as one
        // stroked path.
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(colour.red, colour.green, colour.blue), kPenWidth, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        if (points.size() == 1) {
            painter.drawPoint(points.front().x, points.front().y);
        } else {
            QVector<QLine> segments;
            segments.reserve(static_cast<qsizetype>(points.size()));
            for (std::size_t i = 1; i < points.size(); ++i) {
                segments.append(QLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y));
            }
            painter.drawLines(segments);
        }
    }
    painter.restore();
}

QImage DiagramPainter::Render(const Diagram& diagram, const QSize& size, qreal devicePixelRatio,
                              const QFont& font) {
    QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(kBackground);
    QPainter painter(&image);
    Paint(painter, diagram, QRect(QPoint(0, 0), size), font);
    return image;
}
