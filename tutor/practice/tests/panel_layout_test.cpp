#include "tutor/practice/panel_layout.h"

#include <gtest/gtest.h>

#include "tutor/practice/tests/panel_test_support.h"

namespace {

struct FitCase {
    const char* name;
    int width;
    int height;
    bool statistics;
    bool keyboard;
    bool hands;
    int maxNeeded;
    int fontHeight;
    bool clipped;
};

class PanelFontFitting : public testing::TestWithParam<FitCase> {};

}  // namespace

// "A" is 3/5 of the height wide (integer division), so 70 columns and 10 pixels need
// 70 * (3h/5) + 10 pixels.
INSTANTIATE_TEST_SUITE_P(
    Cases, PanelFontFitting,
    testing::Values(
        // A large window still gets at most 40 pixels.
        FitCase{"NeverAbove40", 4000, 3000, true, true, true, INT_MAX, 40, false},
        // 1280 wide: h 31 gives 18-pixel letters, 1270 pixels; h 32 gives 19, 1340.
        FitCase{"WidthBound", 1280, 800, true, true, true, INT_MAX, 31, false},
        // Exactly 70 x 18 + 10 still fits; one pixel less needs 17-pixel letters (h 29).
        FitCase{"WidthExactlyFits", 1270, 800, false, false, false, INT_MAX, 31, false},
        FitCase{"WidthOnePixelShort", 1269, 800, false, false, false, INT_MAX, 29, false},
        // 100 high: 4 x 23 + 5 = 97 fits, 4 x 24 + 5 = 101 does not.
        FitCase{"HeightBound", 2000, 100, false, false, false, INT_MAX, 23, false},
        FitCase{"HeightExactlyFits", 2000, 97, false, false, false, INT_MAX, 23, false},
        // The keyboard and hands do not count for the client height...
        FitCase{"PartsDoNotShrinkTheFont", 2000, 165, true, true, true, INT_MAX, 40, false},
        // ...but the screen must hold the needed height: 20 h + 5 <= 500 gives h 24.
        FitCase{"ScreenTooLow", 1280, 400, true, true, true, 500, 24, false},
        FitCase{"ScreenExactlyHolds", 1280, 400, true, true, true, 485, 24, false},
        // Nothing fits: the font stops at one pixel and the panel clips.
        FitCase{"TinyWindowStopsAtOnePixel", 50, 3, true, false, false, INT_MAX, 1, true},
        FitCase{"NoScreenStopsAtOnePixel", 1280, 800, true, true, true, 10, 1, true}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST_P(PanelFontFitting, ShrinksOnePixelAtATimeUntilEverythingFits) {
    const FitCase& c = GetParam();
    const PanelLayout layout = PanelLayout::Compute(TypewriterMetrics(), c.width, c.height,
                                                    c.statistics, c.keyboard, c.hands, c.maxNeeded);
    EXPECT_EQ(layout.fontHeight, c.fontHeight);
    EXPECT_EQ(layout.charHeight, c.fontHeight);
    EXPECT_EQ(layout.charWidth, std::max(1, c.fontHeight * 3 / 5));
    EXPECT_EQ(layout.clipped, c.clipped);
}

TEST(PanelLayout, NeededHeightCountsEachPartInCharacterHeights) {
    // 4 rows of text, 2 of strip, 10 of keyboard, 4 of hands, and 5 pixels.
    EXPECT_EQ(PanelLayout::NeededHeight(false, false, false, 10), 45);
    EXPECT_EQ(PanelLayout::NeededHeight(true, false, false, 10), 65);
    EXPECT_EQ(PanelLayout::NeededHeight(false, true, false, 10), 145);
    EXPECT_EQ(PanelLayout::NeededHeight(false, false, true, 10), 85);
    EXPECT_EQ(PanelLayout::NeededHeight(true, true, true, 10), 205);
}

TEST(PanelLayout, AllPartsStackFromStripToHands) {
    // ch 31, cw 18 in 1280 x 800.
    const PanelLayout layout =
        PanelLayout::Compute(TypewriterMetrics(), 1280, 800, true, true, true);
    EXPECT_EQ(layout.statistics, (PanelRect{0, 5, 1280, 62}));
    EXPECT_EQ(layout.text, (PanelRect{5, 67, 1270, 299}));
    EXPECT_EQ(layout.keyboard, (PanelRect{5, 366, 1270, 310}));
    EXPECT_EQ(layout.hands, (PanelRect{0, 676, 1280, 124}));
    EXPECT_EQ(layout.neededHeight, 625);
    EXPECT_EQ(layout.TextBackground(), (PanelRect{0, 62, 1280, 304}));
    EXPECT_EQ(layout.StatisticsBackground(), (PanelRect{0, 0, 1280, 67}));
    EXPECT_EQ(layout.MovieSquare(), (PanelRect{0, 0, 62, 62}));
    EXPECT_EQ(layout.MetronomeLine(), (PanelRect{5, 67, 1270, 3}));
    // Fixed cells: the cursor's column 3 of row 2 is three letters right of the text edge.
    EXPECT_EQ(layout.Cell(2, 3), (PanelRect{59, 129, 18, 31}));
    // 299 pixels hold 9 rows: rows 0 to 3 and five following lines.
    EXPECT_EQ(layout.FollowingRows(), 5);
}

TEST(PanelLayout, HiddenPartsLeaveTheTextTheirRoom) {
    const PanelLayout layout =
        PanelLayout::Compute(TypewriterMetrics(), 1280, 800, false, false, false);
    EXPECT_TRUE(layout.statistics.Empty());
    EXPECT_TRUE(layout.keyboard.Empty());
    EXPECT_TRUE(layout.hands.Empty());
    EXPECT_TRUE(layout.StatisticsBackground().Empty());
    EXPECT_TRUE(layout.MovieSquare().Empty());
    EXPECT_EQ(layout.text, (PanelRect{5, 5, 1270, 795}));
    EXPECT_EQ(layout.neededHeight, 4 * 31 + 5);
}

TEST(PanelLayout, KeyboardWithoutHandsSitsAtTheBottom) {
    const PanelLayout layout =
        PanelLayout::Compute(TypewriterMetrics(), 1280, 800, false, true, false);
    EXPECT_EQ(layout.keyboard, (PanelRect{5, 490, 1270, 310}));
    EXPECT_EQ(layout.text.bottom(), 490);
}

TEST(PanelLayout, AWindowLowerThanNeededKeepsNoNegativeAreas) {
    const PanelLayout layout =
        PanelLayout::Compute(TypewriterMetrics(), 600, 150, true, true, true);
    EXPECT_GT(layout.neededHeight, 150);
    EXPECT_GE(layout.text.height, 0);
    EXPECT_GE(layout.TextBackground().height, 0);
    EXPECT_FALSE(layout.clipped);
}
