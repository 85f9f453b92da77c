#include "tutor/practice/panel_shapes.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

namespace {

// Pixels collected once each, handed out as runs along the rows.
class PixelSet {
  public:
    void Add(int x, int y) { pixels_.insert({y, x}); }

    void AddLine(int x0, int y0, int x1, int y1) {
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            Add(x0, y0);
            if (x0 == x1 && y0 == y1) {
                return;
            }
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x0 += sx;
            }
            if (twice <= dx) {
                error += dx;
                y0 += sy;
            }
        }
    }

    std::vector<PanelRect> Runs() const {
        std::vector<PanelRect> runs;
        for (const auto& [y, x] : pixels_) {
            if (!runs.empty() && runs.back().y == y && runs.back().right() == x) {
                ++runs.back().width;
            } else {
                runs.push_back(PanelRect{x, y, 1, 1});
            }
        }
        return runs;
    }

  private:
    std::set<std::pair<int, int>> pixels_;
};

}  // namespace

std::vector<PanelRect> PanelShapes::Line(int x0, int y0, int x1, int y1) {
    PixelSet pixels;
    pixels.AddLine(x0, y0, x1, y1);
    return pixels.Runs();
}

std::vector<PanelRect> PanelShapes::Cursor(CursorShape shape, const PanelRect& characterCell,
                                           const PanelRect& markCell) {
    PixelSet pixels;
    const int cw = std::max(1, characterCell.width);
    switch (shape) {
        case CursorShape::Rectangle: {
            const PanelRect& c = characterCell;
            const int left = c.x;
            const int right = c.x + cw - 1;
            const int top = c.y + 1;
            const int bottom = std::max(top, c.bottom() - 1);
            pixels.AddLine(left, top, right, top);
            pixels.AddLine(left, bottom, right, bottom);
            pixels.AddLine(left, top, left, bottom);
            pixels.AddLine(right, top, right, bottom);
            break;
        }
        case CursorShape::Axe: {
            const PanelRect& c = characterCell;
            const int top = c.y + 1;
            pixels.AddLine(c.x, std::max(top, c.bottom() - 1), c.x, top);
            break;
        }
        case CursorShape::Pointer: {
            const PanelRect& m = markCell;
            const int apexX = m.x + cw / 2 + 1;
            const int apexY = m.y + 1;
            const int baseY = std::max(apexY, m.bottom() - 1);
            const int baseLeft = m.x + 1;
            const int baseRight = std::max(baseLeft, m.x + cw - 1);
            pixels.AddLine(apexX, apexY, baseLeft, baseY);
            pixels.AddLine(apexX, apexY, baseRight, baseY);
            pixels.AddLine(baseLeft, baseY, baseRight, baseY);
            break;
        }
    }
    return pixels.Runs();
}

std::vector<PanelRect> PanelShapes::ReturnArrow(const PanelRect& cell) {
    PixelSet pixels;
    const int cw = std::max(1, cell.width);
    const int ch = std::max(1, cell.height);
    const int stemX = cell.x + (2 * cw) / 3;
    const int tipX = cell.x + cw / 5;
    const int middleY = cell.y + ch / 2;
    pixels.AddLine(stemX, cell.y + ch / 4, stemX, middleY);
    pixels.AddLine(stemX, middleY, tipX, middleY);
    // The head's strokes slant at 45 degrees as far as the stem allows.
    const int upperY = cell.y + ch / 3;
    const int lowerY = cell.y + (2 * ch) / 3;
    const int reach = std::min(middleY - upperY, std::max(0, stemX - tipX));
    pixels.AddLine(tipX, middleY, tipX + reach, upperY);
    pixels.AddLine(tipX, middleY, tipX + reach, lowerY);
    return pixels.Runs();
}
