#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

class Diagram;
class QPainter;

/// Draws a results diagram: background, axis titles, frame, the qualifying band up to the
/// limit line, the legend and the series, in logical pixels, so that a high-density screen
/// or picture gets the same drawing at its own sharpness. The widget, the saved picture and
/// the tests all draw through Paint.
class DiagramPainter {
  public:
    static inline const QColor kBackground{192, 192, 192};
    static inline const QColor kBand{220, 220, 220};
    static inline const QColor kFrame{100, 100, 100};
    static constexpr int kPenWidth = 3;

    /// Draws diagram into the client rectangle; font is the program's font, the vertical
    /// title being drawn in it turned by 90 degrees.
    static void Paint(QPainter& painter, const Diagram& diagram, const QRect& client,
                      const QFont& font);

    /// The diagram drawn into a picture of size logical pixels at devicePixelRatio.
    static QImage Render(const Diagram& diagram, const QSize& size, qreal devicePixelRatio,
                         const QFont& font);
};
