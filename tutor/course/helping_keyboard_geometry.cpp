#include "tutor/course/helping_keyboard_geometry.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kKeyboardUnits = 300.0;
constexpr double kKeyUnits = 16.0;
constexpr double kRowPitchUnits = 19.0;
constexpr double kRowGapUnits = 3.0;
constexpr double kCornerUnits = 2.0;
constexpr double kHandsWidthUnits = 700.0;

// Truncates toward zero as a pixel position; absurd values from damaged files are clamped
// instead of overflowing.
int Pixels(double value) {
    constexpr double kLimit = static_cast<double>(std::numeric_limits<int>::max());
    if (!(value == value)) {
        return 0;
    }
    if (value >= kLimit) {
        return std::numeric_limits<int>::max();
    }
    if (value <= -kLimit) {
        return -std::numeric_limits<int>::max();
    }
    return static_cast<int>(std::trunc(value));
}

}  // namespace

HelpingKeyboardGeometry::KeyRect HelpingKeyboardGeometry::KeyRectangle(const KeyDef& key,
                                                                       int areaWidth,
                                                                       int areaHeight) {
    double u = areaHeight / 100.0;
    double size = key.size;
    KeyRect rect;
    rect.left = Pixels(key.column * u + (areaWidth - kKeyboardUnits * u) / 2.0);
    rect.top = Pixels(key.row * u);
    rect.corner = Pixels(kCornerUnits * u);
    if (key.size >= 0) {
        rect.width = Pixels(key.size <= 9 ? size * kKeyUnits * u : size * u);
        rect.height = Pixels(kKeyUnits * u);
    } else {
        // A negative size is a key that spans several rows (Enter, the keypad's + and Enter).
        rect.width = Pixels(kKeyUnits * u);
        rect.height =
            Pixels(key.size >= -9 ? kRowPitchUnits * u * -size - kRowGapUnits * u : -size * u);
    }
    return rect;
}

HelpingKeyboardGeometry::OutlineStep HelpingKeyboardGeometry::OutlinePoint(const StrokePoint& point,
                                                                           int handsWidth,
                                                                           int handsHeight) {
    double s = (handsWidth + 10.0) / kHandsWidthUnits;
    double t = handsHeight / 100.0;
    OutlineStep step;
    step.draw = point.Draws();
    step.x = Pixels(point.x * s);
    step.y = Pixels(point.y * t);
    step.penWidth = Pixels(point.thickness * 3.0 * s);
    return step;
}

std::vector<HelpingKeyboardGeometry::OutlineStep> HelpingKeyboardGeometry::Outline(
    const std::vector<StrokePoint>& group, int handsWidth, int handsHeight) {
    std::vector<OutlineStep> steps;
    steps.reserve(group.size());
    for (const StrokePoint& point : group) {
        steps.push_back(OutlinePoint(point, handsWidth, handsHeight));
    }
    return steps;
}
