#include "tester/original_scroller.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Direction = OriginalScroller::Direction;
using Range = OriginalScroller::Range;

struct OutsideCase {
    Direction direction;
    Range range;
    int expected;
};

class ScrollOutsideRun : public testing::TestWithParam<OutsideCase> {};

TEST_P(ScrollOutsideRun, MovesAThirdOfAPageWithinTheText) {
    const OutsideCase& c = GetParam();
    EXPECT_EQ(OriginalScroller::StepOutsideRun(c.direction, c.range), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ScrollOutsideRun,
                         testing::Values(OutsideCase{Direction::Down, {0, 0, 100, 9}, 3},
                                         OutsideCase{Direction::Up, {10, 0, 100, 9}, 7},
                                         OutsideCase{Direction::Up, {2, 0, 100, 9}, 0},
                                         OutsideCase{Direction::Down, {99, 0, 100, 9}, 100},
                                         // A view of one or two lines still moves a line.
                                         OutsideCase{Direction::Down, {5, 0, 100, 2}, 6},
                                         OutsideCase{Direction::Down, {0, 0, 0, 12}, 0}));

std::vector<int> Movement(OriginalScroller& scroller, Range range, int maxSteps = 100) {
    std::vector<int> positions;
    while (maxSteps-- > 0) {
        std::optional<int> next = scroller.Step(range);
        if (!next) {
            break;
        }
        range.value = *next;
        positions.push_back(*next);
    }
    return positions;
}

TEST(OriginalScrollerTest, DuringARunTwoThirdsOfAPageOneLineAStep) {
    OriginalScroller scroller;
    ASSERT_TRUE(scroller.Request(Direction::Down, {10, 0, 100, 9}));
    EXPECT_EQ(Movement(scroller, {10, 0, 100, 9}), (std::vector<int>{11, 12, 13, 14, 15, 16}));
    EXPECT_FALSE(scroller.moving());
    ASSERT_TRUE(scroller.Request(Direction::Up, {16, 0, 100, 9}));
    EXPECT_EQ(Movement(scroller, {16, 0, 100, 9}), (std::vector<int>{15, 14, 13, 12, 11, 10}));
}

TEST(OriginalScrollerTest, AMovementEndsAtTheTopOrTheEnd) {
    OriginalScroller scroller;
    scroller.Request(Direction::Up, {2, 0, 100, 30});
    EXPECT_EQ(Movement(scroller, {2, 0, 100, 30}), (std::vector<int>{1, 0}));
    scroller.Request(Direction::Down, {98, 0, 100, 30});
    EXPECT_EQ(Movement(scroller, {98, 0, 100, 30}), (std::vector<int>{99, 100}));
}

TEST(OriginalScrollerTest, ARequestDuringAMovementOnlyStopsIt) {
    OriginalScroller scroller;
    ASSERT_TRUE(scroller.Request(Direction::Down, {0, 0, 100, 30}));
    EXPECT_EQ(scroller.Step({0, 0, 100, 30}), 1);
    EXPECT_FALSE(scroller.Request(Direction::Up, {1, 0, 100, 30}));
    EXPECT_FALSE(scroller.moving());
    EXPECT_EQ(scroller.Step({1, 0, 100, 30}), std::nullopt);
    EXPECT_TRUE(scroller.Request(Direction::Up, {1, 0, 100, 30}));
}

}  // namespace
