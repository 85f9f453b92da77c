#include "tutor/practice/statistics_strip.h"

#include <algorithm>

#include "common/time_text.h"
#include "tutor/practice/panel_layout.h"

namespace {

// The bars and the time stand in the middle of the strip, one character height high.
PanelRect FigureRow(const PanelLayout& layout, int x, int width) {
    if (!layout.showStatistics) {
        return PanelRect{x, layout.statistics.y, 0, 0};
    }
    const int ch = layout.charHeight;
    return PanelRect{x, layout.statistics.y + (layout.statistics.height - ch) / 2, width, ch};
}

}  // namespace

PanelRect StatisticsStrip::SpeedBarFrame(const PanelLayout& layout) {
    return FigureRow(layout, layout.width / 4, kBarCharacters * layout.charWidth);
}

PanelRect StatisticsStrip::ErrorBarFrame(const PanelLayout& layout) {
    return FigureRow(layout, layout.width / 2, kBarCharacters * layout.charWidth);
}

PanelRect StatisticsStrip::TimeArea(const PanelLayout& layout) {
    const int width = kTimeCharacters * layout.charWidth;
    return FigureRow(layout, layout.width - 2 * PanelLayout::kMargin - width, width);
}

StatisticsStrip::Bar StatisticsStrip::MakeBar(const PanelRect& frame, int percent, bool red,
                                              const char* label) {
    Bar bar;
    bar.frame = frame;
    bar.label = label;
    bar.fillColor = red ? PanelColor::Red() : PanelColor::BarGrey();
    if (frame.Empty()) {
        return bar;
    }
    // Inside the frame: the fill grows from the left; the limit mark stands where exactly 100
    // per cent of fill ends, so a figure at the limit fills up to the mark.
    const PanelRect inner = frame.Adjusted(-1, -1);
    const int shown = std::clamp(percent, 0, kBarFullPercent);
    const int fill = static_cast<int>(static_cast<long long>(std::max(0, inner.width)) * shown /
                                      kBarFullPercent);
    bar.filled = PanelRect{inner.x, inner.y, fill, std::max(0, inner.height)};
    const int markX = inner.x + std::max(0, inner.width) * kLimitPercent / kBarFullPercent;
    bar.limitMark = {PanelRect{markX, inner.y, 1, std::max(0, inner.height)},
                     PanelRect{markX + 2, inner.y, 1, std::max(0, inner.height)}};
    return bar;
}

StatisticsStrip::Figures StatisticsStrip::Compute(const PanelLayout& layout,
                                                  std::int64_t activeSeconds, int speedPercent,
                                                  int errorPercent) {
    Figures figures;
    figures.timeArea = TimeArea(layout);
    figures.time = TimeText::SpanWithinDay(activeSeconds);
    // Slow is red up to and at the limit; errors are red from the limit on.
    figures.speed =
        MakeBar(SpeedBarFrame(layout), speedPercent, speedPercent <= kLimitPercent, kSpeedLabel);
    figures.error =
        MakeBar(ErrorBarFrame(layout), errorPercent, errorPercent >= kLimitPercent, kErrorLabel);
    return figures;
}

int StatisticsStrip::MoviePicture(std::int64_t activeSeconds, int speedPercent, int errorPercent) {
    const std::int64_t minute = (std::max<std::int64_t>(0, activeSeconds) / 60) % 60;
    if (minute % 2 == 1) {
        if (speedPercent < 75) {
            return 0;
        }
        if (speedPercent < 100) {
            return 1;
        }
        if (speedPercent < 140) {
            return 2;
        }
        return 3;
    }
    if (errorPercent < 33) {
        return 4;
    }
    if (errorPercent < 66) {
        return 5;
    }
    if (errorPercent < 100) {
        return 6;
    }
    return 7;
}
