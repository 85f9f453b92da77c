#pragma once

/// The cursor shapes of the settings page "Cursor", by their stored numbers.
enum class CursorShape { Rectangle = 0, Axe = 1, Pointer = 2 };

/// The shape of a stored number; numbers outside the three draw the rectangle.
inline CursorShape CursorShapeOf(int value) {
    switch (value) {
        case 1:
            return CursorShape::Axe;
        case 2:
            return CursorShape::Pointer;
        default:
            return CursorShape::Rectangle;
    }
}
