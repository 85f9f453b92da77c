#include "tutor/practice/statistics_strip.h"

#include <gtest/gtest.h>

#include "tutor/practice/panel_layout.h"
#include "tutor/practice/tests/panel_test_support.h"

namespace {

// ch 31, cw 18 in 1280 x 800: bars of 14 x 18 = 252 pixels, 250 inside their frame, one
// character height high in the middle of the 62-pixel strip.
PanelLayout Layout(bool statistics = true) {
    return PanelLayout::Compute(TypewriterMetrics(), 1280, 800, statistics, true, true);
}

struct BarCase {
    int percent;
    int fill;
    bool red;
};

class SpeedBar : public testing::TestWithParam<BarCase> {};
class ErrorBar : public testing::TestWithParam<BarCase> {};

}  // namespace

TEST(StatisticsStrip, BarsStartAtAQuarterAndAHalfOfTheWidth) {
    const StatisticsStrip::Figures figures = StatisticsStrip::Compute(Layout(), 0, 0, 0);
    EXPECT_EQ(figures.speed.frame, (PanelRect{320, 20, 252, 31}));
    EXPECT_EQ(figures.error.frame, (PanelRect{640, 20, 252, 31}));
    EXPECT_EQ(figures.speed.label, "  Typing Speed");
    EXPECT_EQ(figures.error.label, "  Error Rate");
    // The time near the right edge, clear of the error bar.
    EXPECT_EQ(figures.timeArea, (PanelRect{1126, 20, 144, 31}));
    // The double line at a quarter of the inside: 100 of 400 per cent.
    EXPECT_EQ(figures.speed.limitMark,
              (std::vector<PanelRect>{{383, 21, 1, 29}, {385, 21, 1, 29}}));
}

TEST(StatisticsStrip, TimeCountsHoursWithinADay) {
    const PanelLayout layout = Layout();
    EXPECT_EQ(StatisticsStrip::Compute(layout, 0, 0, 0).time, "00:00:00");
    EXPECT_EQ(StatisticsStrip::Compute(layout, 3723, 0, 0).time, "01:02:03");
    EXPECT_EQ(StatisticsStrip::Compute(layout, 90000, 0, 0).time, "01:00:00");
}

// Inside the frame the bar is 250 pixels for 400 per cent; the limit mark stands at 62.
INSTANTIATE_TEST_SUITE_P(Percents, SpeedBar,
                         testing::Values(BarCase{0, 0, true}, BarCase{50, 31, true},
                                         BarCase{99, 61, true}, BarCase{100, 62, true},
                                         BarCase{101, 63, false}, BarCase{400, 250, false},
                                         BarCase{900, 250, false}, BarCase{-20, 0, true}));

TEST_P(SpeedBar, IsRedUpToAndAtTheLimit) {
    const BarCase& c = GetParam();
    const StatisticsStrip::Bar bar = StatisticsStrip::Compute(Layout(), 0, c.percent, 0).speed;
    EXPECT_EQ(bar.filled, (PanelRect{321, 21, c.fill, 29}));
    EXPECT_EQ(bar.fillColor, c.red ? PanelColor::Red() : PanelColor::BarGrey());
    if (c.percent == StatisticsStrip::kLimitPercent) {
        // Exactly the limit fills up to the mark.
        EXPECT_EQ(bar.filled.right(), bar.limitMark.front().x);
    }
}

INSTANTIATE_TEST_SUITE_P(Percents, ErrorBar,
                         testing::Values(BarCase{0, 0, false}, BarCase{99, 61, false},
                                         BarCase{100, 62, true}, BarCase{250, 156, true},
                                         BarCase{401, 250, true}));

TEST_P(ErrorBar, IsRedFromTheLimitOn) {
    const BarCase& c = GetParam();
    const StatisticsStrip::Bar bar = StatisticsStrip::Compute(Layout(), 0, 0, c.percent).error;
    EXPECT_EQ(bar.filled, (PanelRect{641, 21, c.fill, 29}));
    EXPECT_EQ(bar.fillColor, c.red ? PanelColor::Red() : PanelColor::BarGrey());
}

TEST(StatisticsStrip, HiddenStripHasNoFigureAreas) {
    const StatisticsStrip::Figures figures = StatisticsStrip::Compute(Layout(false), 5, 80, 80);
    EXPECT_TRUE(figures.timeArea.Empty());
    EXPECT_TRUE(figures.speed.frame.Empty());
    EXPECT_TRUE(figures.error.frame.Empty());
    EXPECT_TRUE(figures.speed.filled.Empty());
}

TEST(StatisticsStrip, MoviePictureFollowsSpeedInOddMinutesAndErrorsInEvenOnes) {
    struct Case {
        std::int64_t seconds;
        int speed;
        int error;
        int picture;
    };
    for (const Case& c : std::vector<Case>{
             {60, 74, 999, 0},
             {60, 75, 0, 1},
             {119, 99, 0, 1},
             {60, 100, 0, 2},
             {60, 139, 0, 2},
             {60, 140, 0, 3},
             {0, 999, 32, 4},
             {0, 0, 33, 5},
             {59, 0, 65, 5},
             {120, 0, 66, 6},
             {120, 0, 99, 6},
             {120, 0, 100, 7},
             // Minutes count within the hour: 61 minutes is minute 1, odd.
             {3660, 140, 0, 3},
             {3600, 140, 0, 4},
         }) {
        EXPECT_EQ(StatisticsStrip::MoviePicture(c.seconds, c.speed, c.error), c.picture)
            << c.seconds << " s, speed " << c.speed << ", errors " << c.error;
    }
}
