#include "tutor/course/helping_keyboard_geometry.h"

#include <gtest/gtest.h>

namespace {

using KeyRect = HelpingKeyboardGeometry::KeyRect;
using OutlineStep = HelpingKeyboardGeometry::OutlineStep;

KeyDef Key(int row, int column, int size) {
    KeyDef key;
    key.row = row;
    key.column = column;
    key.size = size;
    return key;
}

}  // namespace

struct KeyCase {
    const char* name;
    int row, column, size;
    int areaWidth, areaHeight;
    KeyRect expected;
};

class HelpingKeyboardKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(HelpingKeyboardKeys, RectangleFollowsRowColumnAndSize) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(HelpingKeyboardGeometry::KeyRectangle(Key(c.row, c.column, c.size), c.areaWidth,
                                                    c.areaHeight),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HelpingKeyboardKeys,
    testing::Values(
        // Unit 1 pixel; the 300-unit keyboard is centred in 400 pixels.
        KeyCase{"StandardKey", 20, 10, 1, 400, 100, {60, 20, 16, 16, 2}},
        KeyCase{"TwoKeysWide", 0, 0, 2, 400, 100, {50, 0, 32, 16, 2}},
        KeyCase{"NineKeysWide", 0, 0, 9, 400, 100, {50, 0, 144, 16, 2}},
        KeyCase{"ZeroWidth", 0, 0, 0, 400, 100, {50, 0, 0, 16, 2}},
        KeyCase{"WidthInUnitsFromTen", 0, 0, 10, 400, 100, {50, 0, 10, 16, 2}},
        KeyCase{"WidthInUnits", 0, 0, 25, 400, 100, {50, 0, 25, 16, 2}},
        KeyCase{"OneRowTall", 0, 0, -1, 400, 100, {50, 0, 16, 16, 2}},
        KeyCase{"TwoRowsTall", 0, 0, -2, 400, 100, {50, 0, 16, 35, 2}},
        KeyCase{"NineRowsTall", 0, 0, -9, 400, 100, {50, 0, 16, 168, 2}},
        KeyCase{"HeightInUnitsFromMinusTen", 0, 0, -10, 400, 100, {50, 0, 16, 10, 2}},
        KeyCase{"HeightInUnits", 0, 0, -35, 400, 100, {50, 0, 16, 35, 2}},
        // Unit 1.5 pixels: every value is truncated on its own.
        KeyCase{"FractionalUnit", 3, 11, 1, 500, 150, {41, 4, 24, 24, 3}},
        KeyCase{"FractionalTallKey", 0, 0, -2, 500, 150, {25, 0, 24, 52, 3}},
        // An area narrower than the keyboard pushes keys past its left edge; truncation goes
        // towards zero.
        KeyCase{"NarrowArea", 0, 1, 1, 200, 150, {-123, 0, 24, 24, 3}},
        KeyCase{"NoHeight", 50, 50, 1, 400, 0, {200, 0, 0, 0, 0}}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(HelpingKeyboardGeometry, ExtremeKeyValuesDoNotOverflow) {
    KeyRect rect = HelpingKeyboardGeometry::KeyRectangle(
        Key(2147483647, -2147483647 - 1, -2147483647 - 1), 2147483647, 2147483647);
    EXPECT_EQ(rect.top, 2147483647);
    EXPECT_EQ(rect.height, 2147483647);
    EXPECT_LT(rect.left, 0);
}

TEST(HelpingKeyboardGeometry, FingerPointsScaleWithTheHandsArea) {
    StrokePoint point{100, 30, 1, 2, 0};
    // s = (690 + 10) / 700 = 1, t = 200 / 100 = 2.
    EXPECT_EQ(HelpingKeyboardGeometry::OutlinePoint(point, 690, 200),
              (OutlineStep{true, 100, 60, 6}));
    // s = 0.5, t = 0.55: 1.5-pixel pens and 16.5-pixel heights are truncated.
    StrokePoint thin{101, 30, 0, 1, 0};
    EXPECT_EQ(HelpingKeyboardGeometry::OutlinePoint(thin, 340, 55),
              (OutlineStep{false, 50, 16, 1}));
}

TEST(HelpingKeyboardGeometry, OutlineKeepsThePointOrder) {
    std::vector<StrokePoint> group{{0, 0, 0, 1, 0}, {70, 0, 1, 1, 0}, {70, 50, 5, 1, 0}};
    auto steps = HelpingKeyboardGeometry::Outline(group, 1390, 100);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0], (OutlineStep{false, 0, 0, 6}));
    EXPECT_EQ(steps[1], (OutlineStep{true, 140, 0, 6}));
    EXPECT_EQ(steps[2], (OutlineStep{true, 140, 50, 6}));
}
