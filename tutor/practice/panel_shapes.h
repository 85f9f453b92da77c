#pragma once

#include <vector>

#include "tutor/practice/cursor_shape.h"
#include "tutor/practice/panel_rect.h"

/// The thin figures of the copy text as the pixels they cover, each pixel in exactly one
/// rectangle: the three cursor shapes (drawn inverting, so a pixel covered twice would cancel
/// out) and the return arrow of the line-end mark. Lines are one pixel wide.
class PanelShapes final {
  public:
    /// The cursor in the cell of its character (row 2) or, for the pointer, the cell below it
    /// (row 3):
    ///  - rectangle: a frame from (x, top + 1) to (x + cw - 1, bottom - 1) of the character cell;
    ///  - axe: a vertical stroke at x from bottom - 1 up to top + 1 of the character cell;
    ///  - pointer: a triangle pointing up, apex at (x + cw / 2 + 1, top + 1) of the mark cell,
    ///    base from x + 1 to x + cw - 1 at its bottom - 1.
    /// bottom is the first pixel below the cell.
    static std::vector<PanelRect> Cursor(CursorShape shape, const PanelRect& characterCell,
                                         const PanelRect& markCell);

    /// The return arrow shown for the line-end mark: a short vertical stroke in the right
    /// third of the cell from a quarter to half its height, a horizontal stroke from there to
    /// the left fifth of the cell, and two arrowhead strokes from that left end up and down to
    /// a third and two thirds of the cell height.
    static std::vector<PanelRect> ReturnArrow(const PanelRect& cell);

    /// The pixels of a one-pixel line between two points, both ends included.
    static std::vector<PanelRect> Line(int x0, int y0, int x1, int y1);
};
