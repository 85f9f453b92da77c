#include "tutor/practice/panel_shapes.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

// Every pixel of the rectangles, failing on a pixel covered twice: an inverting figure would
// lose it.
Pixels Covered(const std::vector<PanelRect>& rects) {
    Pixels pixels;
    for (const PanelRect& rect : rects) {
        for (int y = rect.y; y < rect.bottom(); ++y) {
            for (int x = rect.x; x < rect.right(); ++x) {
                EXPECT_TRUE(pixels.insert({x, y}).second) << "twice at " << x << "," << y;
            }
        }
    }
    return pixels;
}

bool Inside(const Pixels& pixels, const PanelRect& cell) {
    for (const auto& [x, y] : pixels) {
        if (!cell.Contains(x, y)) {
            return false;
        }
    }
    return true;
}

const PanelRect kCharacterCell{100, 40, 18, 31};
const PanelRect kMarkCell{100, 71, 18, 31};

}  // namespace

TEST(PanelShapes, RectangleCursorFramesItsCellOneLineInside) {
    const Pixels pixels =
        Covered(PanelShapes::Cursor(CursorShape::Rectangle, kCharacterCell, kMarkCell));
    // From (x, top + 1) to (x + cw - 1, bottom - 1): 18 x 30 pixels, the frame only.
    EXPECT_TRUE(Inside(pixels, kCharacterCell));
    EXPECT_EQ(pixels.size(), 2u * 18 + 2u * 28);
    for (auto corner : {std::pair{100, 41}, {117, 41}, {100, 70}, {117, 70}}) {
        EXPECT_TRUE(pixels.count(corner)) << corner.first << "," << corner.second;
    }
    EXPECT_FALSE(pixels.count({100, 40}));
    EXPECT_FALSE(pixels.count({108, 55}));
}

TEST(PanelShapes, AxeCursorIsAStrokeAtTheCellsLeftEdge) {
    const Pixels pixels = Covered(PanelShapes::Cursor(CursorShape::Axe, kCharacterCell, kMarkCell));
    Pixels expected;
    for (int y = 41; y <= 70; ++y) {
        expected.insert({100, y});
    }
    EXPECT_EQ(pixels, expected);
}

TEST(PanelShapes, PointerCursorPointsUpFromTheMarkRow) {
    const Pixels pixels =
        Covered(PanelShapes::Cursor(CursorShape::Pointer, kCharacterCell, kMarkCell));
    EXPECT_TRUE(Inside(pixels, kMarkCell));
    // Apex at (x + cw/2 + 1, top + 1), base from x + 1 to x + cw - 1 at bottom - 1.
    EXPECT_TRUE(pixels.count({110, 72}));
    for (int x = 101; x <= 117; ++x) {
        EXPECT_TRUE(pixels.count({x, 101})) << x;
    }
    // Only the outline: the inside stays untouched.
    EXPECT_FALSE(pixels.count({110, 95}));
    // Each row above the base holds the two slanted sides only.
    for (int y = 73; y < 101; ++y) {
        int count = 0;
        for (int x = 100; x < 118; ++x) {
            count += static_cast<int>(pixels.count({x, y}));
        }
        EXPECT_GE(count, 1) << y;
        EXPECT_LE(count, 4) << y;
    }
}

TEST(PanelShapes, CursorShapeNumbersOutsideTheThreeDrawTheRectangle) {
    EXPECT_EQ(CursorShapeOf(0), CursorShape::Rectangle);
    EXPECT_EQ(CursorShapeOf(1), CursorShape::Axe);
    EXPECT_EQ(CursorShapeOf(2), CursorShape::Pointer);
    EXPECT_EQ(CursorShapeOf(7), CursorShape::Rectangle);
    EXPECT_EQ(CursorShapeOf(-1), CursorShape::Rectangle);
}

TEST(PanelShapes, ReturnArrowStaysInItsCell) {
    for (const PanelRect& cell :
         {kCharacterCell, PanelRect{0, 0, 6, 10}, PanelRect{5, 5, 1, 1}, PanelRect{0, 0, 24, 40}}) {
        const Pixels pixels = Covered(PanelShapes::ReturnArrow(cell));
        EXPECT_FALSE(pixels.empty());
        EXPECT_TRUE(Inside(pixels, cell)) << cell.width << "x" << cell.height;
    }
}

TEST(PanelShapes, ReturnArrowIsAStemABarAndAHead) {
    // cw 18, ch 31 at (100, 40): stem at x 112 from y 47 to 55, bar at y 55 from x 103 to 112,
    // head strokes from (103, 55) to a third (y 50) and two thirds (y 60) of the height.
    const Pixels pixels = Covered(PanelShapes::ReturnArrow(kCharacterCell));
    for (int y = 47; y <= 55; ++y) {
        EXPECT_TRUE(pixels.count({112, y})) << y;
    }
    for (int x = 103; x <= 112; ++x) {
        EXPECT_TRUE(pixels.count({x, 55})) << x;
    }
    EXPECT_TRUE(pixels.count({108, 50}));
    EXPECT_TRUE(pixels.count({108, 60}));
    EXPECT_FALSE(pixels.count({112, 46}));
    EXPECT_FALSE(pixels.count({102, 55}));
}

TEST(PanelShapes, LineHoldsBothEndsAndNoPixelTwice) {
    const Pixels pixels = Covered(PanelShapes::Line(3, 9, 10, 2));
    EXPECT_EQ(pixels.size(), 8u);
    EXPECT_TRUE(pixels.count({3, 9}));
    EXPECT_TRUE(pixels.count({10, 2}));
    EXPECT_EQ(Covered(PanelShapes::Line(4, 4, 4, 4)), (Pixels{{4, 4}}));
}
