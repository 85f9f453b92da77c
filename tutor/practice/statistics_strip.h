#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tutor/practice/panel_color.h"
#include "tutor/practice/panel_rect.h"

struct PanelLayout;

/// The figures of the statistics strip: the active time and the bars of speed and error rate
/// in per cent of the lesson's limits, and the picture of the progress animation they choose.
class StatisticsStrip final {
  public:
    /// The full length of a bar stands for 400 per cent; the limit is 100 per cent.
    static constexpr int kBarFullPercent = 400;
    static constexpr int kLimitPercent = 100;
    /// A bar is 14 character widths long: its label fits it exactly.
    static constexpr int kBarCharacters = 14;
    /// The time text "hh:mm:ss".
    static constexpr int kTimeCharacters = 8;
    static constexpr const char* kSpeedLabel = "  Typing Speed";
    static constexpr const char* kErrorLabel = "  Error Rate";

    struct Bar {
        /// The bar with its one-pixel frame.
        PanelRect frame;
        /// The filled part inside the frame, from its left.
        PanelRect filled;
        PanelColor fillColor;
        /// The double line of the 100 per cent mark.
        std::vector<PanelRect> limitMark;
        std::string label;

        bool operator==(const Bar&) const = default;
    };

    struct Figures {
        /// Where the time is written, in light grey, near the right edge.
        PanelRect timeArea;
        std::string time;
        Bar speed;
        Bar error;

        bool operator==(const Figures&) const = default;
    };

    /// The figures for the layout; all areas are empty when the strip is hidden.
    static Figures Compute(const PanelLayout& layout, std::int64_t activeSeconds, int speedPercent,
                           int errorPercent);

    /// The speed bar starts at a quarter of the panel width, the error bar at half of it.
    static PanelRect SpeedBarFrame(const PanelLayout& layout);
    static PanelRect ErrorBarFrame(const PanelLayout& layout);
    static PanelRect TimeArea(const PanelLayout& layout);

    /// The animation picture 0 to 7 ("Movie1.jpg" to "Movie8.jpg"): in odd minutes of the
    /// hour by speed (below 75, 100, 140 per cent, else), in even minutes by error rate
    /// (below 33, 66, 100 per cent, else).
    static int MoviePicture(std::int64_t activeSeconds, int speedPercent, int errorPercent);

  private:
    static Bar MakeBar(const PanelRect& frame, int percent, bool red, const char* label);
};
