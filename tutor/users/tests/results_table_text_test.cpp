#include "tutor/users/results_table_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tutor/users/diagram.h"

namespace {

struct OrderCase {
    std::vector<std::string> cells;
    std::vector<std::string> sorted;
};

class CellOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(CellOrder, SortsNumbersByValueAndTextByBytes) {
    std::vector<std::string> cells = GetParam().cells;
    std::stable_sort(cells.begin(), cells.end(), [](const std::string& a, const std::string& b) {
        return ResultsTableText::CellLess(a, b);
    });
    EXPECT_EQ(cells, GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, CellOrder,
    testing::Values(OrderCase{{"10", "9", "100", "1"}, {"1", "9", "10", "100"}},
                    OrderCase{{"0.250", "0.125", "1.000"}, {"0.125", "0.250", "1.000"}},
                    OrderCase{{"-3", "2", "-10"}, {"-10", "-3", "2"}},
                    OrderCase{{"b", "Space", "a", "\xE8", "5"}, {"5", "Space", "a", "b", "\xE8"}},
                    // "12a" is not a number: it follows the numbers.
                    OrderCase{{"1a", "10", "9", "12a"}, {"9", "10", "12a", "1a"}},
                    OrderCase{{"", "3", "nan"}, {"3", "", "nan"}}));

TEST(ResultsTableTextTest, RowsBecomeTabSeparatedLines) {
    EXPECT_EQ(ResultsTableText::TabSeparated({{"Character", "Errors"}, {"a", "sd"}, {"Space", ""}}),
              "Character\tErrors\na\tsd\nSpace\t\n");
    EXPECT_EQ(ResultsTableText::TabSeparated({{"a\tb", "c\r\nd"}}), "a b\tc  d\n");
    EXPECT_EQ(ResultsTableText::TabSeparated({}), "");
}

TEST(ResultsTableTextTest, DiagramPointsFollowTheirTitles) {
    Diagram diagram;
    diagram.setTitles("Average Error Rate - >", "Time - >");
    diagram.addPoint(250, 0);
    diagram.addPoint(600, 5000);
    EXPECT_EQ(ResultsTableText::DiagramPoints(diagram),
              "Time - >\tAverage Error Rate - >\n250\t0\n600\t5000\n");
}

}  // namespace
