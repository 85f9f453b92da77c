#pragma once

#include <algorithm>

/// A rectangle of the practice panel in its own pixels (device-independent): the top left
/// pixel and the extent. right() and bottom() are the first pixels outside.
struct PanelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(int px, int py) const {
        return !Empty() && px >= x && px < right() && py >= y && py < bottom();
    }
    bool Intersects(const PanelRect& other) const { return !Intersected(other).Empty(); }
    PanelRect Intersected(const PanelRect& other) const {
        const int left = std::max(x, other.x);
        const int top = std::max(y, other.y);
        const int r = std::min(right(), other.right());
        const int b = std::min(bottom(), other.bottom());
        if (r <= left || b <= top) {
            return PanelRect{left, top, 0, 0};
        }
        return PanelRect{left, top, r - left, b - top};
    }
    /// Grown by dx to the left and right and by dy above and below.
    PanelRect Adjusted(int dx, int dy) const {
        return PanelRect{x - dx, y - dy, width + 2 * dx, height + 2 * dy};
    }

    bool operator==(const PanelRect&) const = default;
};
