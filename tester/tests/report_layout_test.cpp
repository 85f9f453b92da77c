#include "tester/report_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tester/test_data.h"

namespace {

struct PageCase {
    const char* name;
    int pageHeight;
    int cy;
    int linesPerPage;
    std::vector<std::pair<int, int>> pagesForLines;
};

void PrintTo(const PageCase& c, std::ostream* out) {
    *out << c.name;
}

class PageCases : public testing::TestWithParam<PageCase> {};

TEST_P(PageCases, FitsLinesOnPages) {
    const PageCase& c = GetParam();
    const ReportLayout layout(4800, c.pageHeight, 60, c.cy);
    EXPECT_EQ(layout.LinesPerPage(), c.linesPerPage);
    for (const auto& [lines, pages] : c.pagesForLines) {
        EXPECT_EQ(layout.PageCount(lines), pages) << lines << " lines";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageCases,
    testing::Values(
        // A4 at 600 dpi with Courier New 12 pt: 6814 high, "W" 100 high.
        PageCase{"LongPage", 6814, 100, 27, {{0, 1}, {1, 1}, {27, 1}, {28, 2}, {81, 3}, {82, 4}}},
        PageCase{"ShortPage", 1800, 100, 2, {{0, 1}, {2, 1}, {3, 2}, {5, 3}}},
        PageCase{"PageJustHighEnoughForOneLine", 1600, 100, 1, {{3, 3}}},
        // The header alone does not fit: one line a page all the same, and the report ends.
        PageCase{"TinyPage", 1000, 100, 1, {{0, 1}, {4, 4}}},
        PageCase{"NoHeightAtAll", 0, 0, 1, {{2, 2}}}),
    [](const testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

TEST(ReportLayoutTest, PlacesTheBoxAndTheTextInCharacterUnits) {
    const ReportLayout layout(4800, 6814, 60, 100);
    EXPECT_EQ(layout.BoxLeft(), 180);
    EXPECT_EQ(layout.BoxTop(), 200);
    EXPECT_EQ(layout.BoxRight(), 4620);
    EXPECT_EQ(layout.BoxBottom(), 1050);
    EXPECT_EQ(layout.TextLeft(), 420);
    EXPECT_EQ(layout.TextWidth(), 4800 - 660);
    EXPECT_EQ(layout.LineTop(0), 1100);
    EXPECT_EQ(layout.LineTop(3), 1700);
    // The numbers beside a line keep clear of the text.
    EXPECT_LE(layout.TotalLeft() + 5 * 60, layout.TextLeft());
    EXPECT_GE(layout.ErrorsLeft(), layout.TextLeft() + layout.TextWidth() + 60);
    EXPECT_LE(layout.ErrorsLeft() + 3 * 60, 4800);
}

TEST(ReportLayoutTest, HeaderShowsEveryFieldWithItsLabel) {
    TestData data;
    data.nickname = "kim";
    data.firstName = "Kim";
    data.middleName = "J.";
    data.lastName = "Novak";
    data.email = "kim@example.org";
    data.testId = "MV20030214_090507_1200_3045";
    data.endTime = 1045213507;  // 2003-02-14 09:05:07 UTC
    BasicResults results;
    results.unit = TestData::kStrokesUnit;
    results.totalTime = "00:05:00";
    results.grossStrokes = 1234;
    results.netSpeed = -12.5f;
    results.errorRate = "3.25";
    results.errors = 40;
    const ReportLayout layout(4800, 6814, 60, 100);
    const std::vector<ReportText> texts =
        layout.HeaderTexts(data, results, 3, "https://kelvane.example.org");
    const std::vector<ReportText> expected = {
        {4560, 250, "https://kelvane.example.org", true},
        {1140, 250, "Page Number:", true},
        {1200, 250, "3", false},
        {1140, 400, "Total Time:", true},
        {1200, 400, "00:05:00", false},
        {1140, 500, "Gross Strokes:", true},
        {1200, 500, "1234", false},
        {1140, 600, "Net Speed:", true},
        {1200, 600, "-12.50 strokes/min.", false},
        {1140, 700, "Error Rate:", true},
        {1200, 700, "3.25 %", false},
        {1140, 800, "Number of Errors:", true},
        {1200, 800, "40", false},
        {1140, 900, "Date of Test:", true},
        {1200, 900, "02/14/2003  09:05:07", false},
        {2700, 500, "kim - Kim J. Novak", false},
        {2700, 600, "kim@example.org", false},
        {2700, 900, "File ID: MV20030214_090507_1200_3045", false}};
    EXPECT_EQ(texts, expected);

    results.unit = TestData::kWordsUnit;
    results.netSpeed = 41.0f;
    EXPECT_EQ(layout.HeaderTexts(data, results, 1, "")[8].text, "41.00 words/min.");
}

}  // namespace
