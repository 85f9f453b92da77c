#pragma once

#include <climits>

#include "tutor/practice/panel_rect.h"

class PanelFontMetrics;

/// Where everything of the practice panel lies for a client size and the parts shown: the
/// fitted text font, the statistics strip, the copy-text area with its rows and cells, the
/// helping keyboard and the helping hands. From top to bottom: strip, text, keyboard, hands.
struct PanelLayout {
    /// Space around the text and above the strip.
    static constexpr int kMargin = 5;
    /// The font is never made larger.
    static constexpr int kMaxFontHeight = 40;
    /// The text must fit 70 characters and 4 rows.
    static constexpr int kTextColumns = 70;
    static constexpr int kTextRows = 4;
    /// Character heights of the strip, the keyboard and the hands.
    static constexpr int kStatisticsRows = 2;
    static constexpr int kKeyboardRows = 10;
    static constexpr int kHandsRows = 4;
    static constexpr int kMetronomeLineHeight = 3;

    int width = 0;
    int height = 0;
    bool showStatistics = false;
    bool showKeyboard = false;
    bool showHands = false;
    /// The height the text font is made for, and the extent of "A" in it.
    int fontHeight = 1;
    int charWidth = 1;
    int charHeight = 1;
    /// Even the 1-pixel font does not fit: the panel shows what fits and clips the rest.
    bool clipped = false;
    /// From y 5 to the text top over the full width; empty when hidden.
    PanelRect statistics;
    /// Left 5, right width - 5, from the text top to the keyboard (or hands, or the bottom).
    PanelRect text;
    /// The 10 character heights above the hands, as wide as the text; empty when hidden.
    PanelRect keyboard;
    /// The lowest 4 character heights over the full width; empty when hidden.
    PanelRect hands;
    /// The height the panel needs to show all its parts with this font.
    int neededHeight = 0;

    /// (s + 5 k + 2 h + 2) x 2 ch + 5: 4 character heights for the text, 2 for the strip, 10
    /// for the keyboard, 4 for the hands, and 5 pixels.
    static int NeededHeight(bool showStatistics, bool showKeyboard, bool showHands, int charHeight);

    /// Fits the font and lays the panel out. The font starts at 40 pixels and shrinks one
    /// pixel at a time while 4 rows and 5 pixels are higher than the client, 70 characters and
    /// 10 pixels wider than it, or the needed height higher than maxNeededHeight (what the
    /// screen leaves for the panel); at 1 pixel it stops.
    static PanelLayout Compute(const PanelFontMetrics& metrics, int width, int height,
                               bool showStatistics, bool showKeyboard, bool showHands,
                               int maxNeededHeight = INT_MAX);

    /// The cell of a character: row 0 is the previous line, 1 its marks, 2 the current line,
    /// 3 its marks, 4 and on the following lines.
    PanelRect Cell(int row, int column) const;
    /// A whole row of the text area.
    PanelRect Row(int row) const;
    /// Rows from 4 on that fit above the text bottom, besides rows 0 to 3.
    int FollowingRows() const;
    /// The text area grown by 5 pixels to the left, right and top: where the background
    /// picture is tiled and the copy text is drawn.
    PanelRect TextBackground() const;
    /// The statistics background: the full width from the panel's top to the text top.
    PanelRect StatisticsBackground() const;
    /// The square of the progress animation at the top left corner, as high as the strip.
    PanelRect MovieSquare() const;
    /// The line inverted by a metronome beat: 3 pixels along the top edge of the text area.
    PanelRect MetronomeLine() const;
    /// The whole panel.
    PanelRect Client() const { return PanelRect{0, 0, width, height}; }

    bool operator==(const PanelLayout&) const = default;
};
