#include "common/time_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct SpanCase {
    std::int64_t seconds;
    std::string span;
    std::string withinDay;
};
class TimeSpan : public testing::TestWithParam<SpanCase> {};
TEST_P(TimeSpan, ShowsHoursMinutesAndSeconds) {
    EXPECT_EQ(TimeText::Span(GetParam().seconds), GetParam().span);
    EXPECT_EQ(TimeText::SpanWithinDay(GetParam().seconds), GetParam().withinDay);
}
INSTANTIATE_TEST_SUITE_P(
    Table, TimeSpan,
    testing::Values(
        SpanCase{0, "00:00:00", "00:00:00"}, SpanCase{59, "00:00:59", "00:00:59"},
        SpanCase{3661, "01:01:01", "01:01:01"}, SpanCase{200 * 60, "03:20:00", "03:20:00"},
        SpanCase{86399, "23:59:59", "23:59:59"}, SpanCase{86400, "24:00:00", "00:00:00"},
        SpanCase{3600 * 25 + 180, "25:03:00", "01:03:00"}, SpanCase{-5, "-00:00:05", "00:00:00"},
        SpanCase{INT64_MIN, "-2562047788015215:30:07", "00:00:00"}));

TEST(TimeTextTest, CalendarTimesUseEnglishMonthsNumericFieldsAndTheLocalZone) {
    // The tests run with TZ=UTC.
    EXPECT_EQ(TimeText::DateTime(1700000000), "22:13  14 November, 2023");
    EXPECT_EQ(TimeText::DateTime(0), "00:00  01 January, 1970");
    EXPECT_EQ(TimeText::Date(1700000000), "14.11.2023");
    EXPECT_EQ(TimeText::Local(1045213507, "%m/%d/%Y"), "02/14/2003");
    EXPECT_EQ(TimeText::Local(1045213507, "%H:%M:%S"), "09:05:07");
    EXPECT_EQ(TimeText::Local(1045213507, "%Y%m%d_%H%M%S"), "20030214_090507");
}

}  // namespace
