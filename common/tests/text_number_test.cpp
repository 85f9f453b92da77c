#include "common/text_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

TEST(TextNumber, IntegersFollowTheLeadingDigitsRule) {
    EXPECT_EQ(ParseLeadingInt32("42"), 42);
    EXPECT_EQ(ParseLeadingInt32("  -17abc"), -17);
    EXPECT_EQ(ParseLeadingInt32("+8"), 8);
    EXPECT_EQ(ParseLeadingInt32("abc"), 0);
    EXPECT_EQ(ParseLeadingInt32(""), 0);
    EXPECT_EQ(ParseLeadingInt32("-"), 0);
    EXPECT_EQ(ParseLeadingInt32("12.9"), 12);
    EXPECT_EQ(ParseLeadingInt64("1700000000123"), 1700000000123LL);
    EXPECT_EQ(ParseLeadingInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
}

TEST(TextNumber, IntegersOutOfRangeAreClampedNotWrapped) {
    EXPECT_EQ(ParseLeadingInt32("99999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseLeadingInt32("-99999999999"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseLeadingInt64("999999999999999999999999"),
              std::numeric_limits<std::int64_t>::max());
}

TEST(TextNumber, RealsReadDecimalPointsWhateverTheLocale) {
    // A German locale would make strtod stop at the point; our files must not care.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("0.8"), 0.8);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(" 1.5:rest"), 1.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("-2e2"), -200.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("x1"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(""), 0.0);
    EXPECT_EQ(FormatFixed(1.005, 2), "1.00");  // binary value is just below 1.005
    EXPECT_EQ(FormatFixed(2.5, 0), "2");
    EXPECT_EQ(FormatFixed(0.8, 3), "0.800");
    EXPECT_EQ(FormatFixed(-0.004, 2), "-0.00");
    std::setlocale(LC_NUMERIC, "C");
}

TEST(TextNumber, FormatIntWritesPlainDecimal) {
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-12), "-12");
    EXPECT_EQ(FormatInt(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}
