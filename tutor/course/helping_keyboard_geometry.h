#pragma once

#include <vector>

#include "tutor/course/key_def.h"
#include "tutor/course/stroke_point.h"

/// Where the helping keyboard's keys and the finger outlines lie for given area sizes, in
/// whole pixels. Both scale with their areas: the keyboard with its height (100 units high,
/// 300 wide, centred), the hands with their width and height.
class HelpingKeyboardGeometry final {
  public:
    /// A key's rounded rectangle; left from the keyboard area's left edge (the window's left
    /// edge), top from the area's top.
    struct KeyRect {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        /// Width and height of the rounded corners.
        int corner = 0;

        bool operator==(const KeyRect&) const = default;
    };

    /// One step of a finger outline: move to (x, y), or draw a line there with penWidth.
    /// x is from the window's left edge, y from the top of the hands area.
    struct OutlineStep {
        bool draw = false;
        int x = 0;
        int y = 0;
        int penWidth = 0;

        bool operator==(const OutlineStep&) const = default;
    };

    static KeyRect KeyRectangle(const KeyDef& key, int areaWidth, int areaHeight);
    static OutlineStep OutlinePoint(const StrokePoint& point, int handsWidth, int handsHeight);
    static std::vector<OutlineStep> Outline(const std::vector<StrokePoint>& group, int handsWidth,
                                            int handsHeight);
};
