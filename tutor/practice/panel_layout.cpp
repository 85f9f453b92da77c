#include "tutor/practice/panel_layout.h"

#include <algorithm>

#include "tutor/practice/panel_font_metrics.h"

namespace {

PanelRect Sized(int x, int y, int width, int height) {
    return PanelRect{x, y, std::max(0, width), std::max(0, height)};
}

}  // namespace

int PanelLayout::NeededHeight(bool showStatistics, bool showKeyboard, bool showHands,
                              int charHeight) {
    const int units =
        (showStatistics ? 1 : 0) + 5 * (showKeyboard ? 1 : 0) + 2 * (showHands ? 1 : 0) + 2;
    return units * 2 * charHeight + kMargin;
}

PanelLayout PanelLayout::Compute(const PanelFontMetrics& metrics, int width, int height,
                                 bool showStatistics, bool showKeyboard, bool showHands,
                                 int maxNeededHeight) {
    PanelLayout layout;
    layout.width = std::max(0, width);
    layout.height = std::max(0, height);
    layout.showStatistics = showStatistics;
    layout.showKeyboard = showKeyboard;
    layout.showHands = showHands;

    int fontHeight = kMaxFontHeight;
    PanelFontMetrics::Extent extent;
    bool fits = false;
    for (;;) {
        extent = metrics.MeasureA(fontHeight);
        extent.width = std::max(1, extent.width);
        extent.height = std::max(1, extent.height);
        fits =
            kTextRows * extent.height + kMargin <= layout.height &&
            kTextColumns * extent.width + 2 * kMargin <= layout.width &&
            NeededHeight(showStatistics, showKeyboard, showHands, extent.height) <= maxNeededHeight;
        if (fits || fontHeight == 1) {
            break;
        }
        --fontHeight;
    }
    layout.fontHeight = fontHeight;
    layout.charWidth = extent.width;
    layout.charHeight = extent.height;
    layout.clipped = !fits;

    const int ch = extent.height;
    const int w = layout.width;
    const int h = layout.height;
    const int textTop = showStatistics ? kStatisticsRows * ch + kMargin : kMargin;
    layout.statistics = Sized(0, kMargin, w, showStatistics ? textTop - kMargin : 0);
    const int handsTop = showHands ? h - kHandsRows * ch : h;
    layout.hands = showHands ? Sized(0, handsTop, w, kHandsRows * ch) : PanelRect{0, h, 0, 0};
    const int keyboardTop = showKeyboard ? handsTop - kKeyboardRows * ch : handsTop;
    layout.keyboard = showKeyboard
                          ? Sized(kMargin, keyboardTop, w - 2 * kMargin, kKeyboardRows * ch)
                          : PanelRect{kMargin, handsTop, 0, 0};
    layout.text = Sized(kMargin, textTop, w - 2 * kMargin, keyboardTop - textTop);
    layout.neededHeight = NeededHeight(showStatistics, showKeyboard, showHands, ch);
    return layout;
}

PanelRect PanelLayout::Cell(int row, int column) const {
    return PanelRect{text.x + column * charWidth, text.y + row * charHeight, charWidth, charHeight};
}

PanelRect PanelLayout::Row(int row) const {
    return PanelRect{text.x, text.y + row * charHeight, text.width, charHeight};
}

int PanelLayout::FollowingRows() const {
    const int rows = text.height / charHeight;
    return std::max(0, rows - kTextRows);
}

PanelRect PanelLayout::TextBackground() const {
    return Sized(text.x - kMargin, text.y - kMargin, text.width + 2 * kMargin,
                 text.height + kMargin);
}

PanelRect PanelLayout::StatisticsBackground() const {
    if (!showStatistics) {
        return PanelRect{0, 0, 0, 0};
    }
    return Sized(0, 0, width, text.y);
}

PanelRect PanelLayout::MovieSquare() const {
    return PanelRect{0, 0, statistics.height, statistics.height};
}

PanelRect PanelLayout::MetronomeLine() const {
    return Sized(text.x, text.y, text.width, kMetronomeLineHeight);
}
