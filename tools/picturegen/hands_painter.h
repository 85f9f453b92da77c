#pragma once

#include <QImage>
#include <QPointF>

#include "tools/picturegen/appearance_style.h"
#include "tutor/course/hands_data.h"

/// Draws the hands picture from the finger outlines, so that the outlines the practice window
/// inverts over it lie on the fingers. The palms are built around the fingers: the web between
/// two fingers, the outer edge below the little finger and the curve from the index finger to
/// the thumb.
class HandsPainter final {
  public:
    /// The finger outlines lie in a strip of 700 x 100 units; the picture has its proportions.
    static constexpr int kUnitsWide = 700;
    static constexpr int kUnitsHigh = 100;
    static constexpr int kWidth = 1400;
    static constexpr int kHeight = 200;

    /// Where the unit point (x, y) lies in the picture: the practice window's mapping, x * (area
    /// width + 10) / 700 and y * area height / 100.
    static QPointF ToPicture(double x, double y) {
        return {x * (kWidth + 10) / kUnitsWide, y * kHeight / kUnitsHigh};
    }

    static QImage Paint(const HandsData& outline, const AppearanceStyle& style);
};
