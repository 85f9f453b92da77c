#include "tutor/course/own_text_limits.h"

#include <gtest/gtest.h>

namespace {

using Field = OwnTextLimits::Field;

}  // namespace

TEST(OwnTextLimits, StartWithTheDefaults) {
    OwnTextLimits limits;
    EXPECT_DOUBLE_EQ(limits.speedLimit, 120.0);
    EXPECT_DOUBLE_EQ(limits.errorLimit, 1.0);
    EXPECT_EQ(limits.minutes, 30);
    EXPECT_EQ(limits.SpeedText(), "120");
    EXPECT_EQ(limits.ErrorText(), "1");
    EXPECT_EQ(limits.MinutesText(), "30");
}

TEST(OwnTextLimits, ValidEntriesAreTakenOver) {
    OwnTextLimits limits;
    EXPECT_FALSE(limits.TakeEntries(" 250.5 ", "0.1", "60").has_value());
    EXPECT_DOUBLE_EQ(limits.speedLimit, 250.5);
    EXPECT_DOUBLE_EQ(limits.errorLimit, 0.1);
    EXPECT_EQ(limits.minutes, 60);
}

struct EntryCase {
    const char* speed;
    const char* error;
    const char* minutes;
    Field field;
    const char* message;
};

class OwnTextLimitsEntries : public testing::TestWithParam<EntryCase> {};

TEST_P(OwnTextLimitsEntries, FirstBadEntryInDialogOrderIsReported) {
    const EntryCase& c = GetParam();
    OwnTextLimits limits;
    auto problem = limits.TakeEntries(c.speed, c.error, c.minutes);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->field, c.field);
    EXPECT_EQ(problem->message, c.message);
    // Nothing is taken over while an entry is wrong.
    EXPECT_DOUBLE_EQ(limits.speedLimit, 120.0);
    EXPECT_DOUBLE_EQ(limits.errorLimit, 1.0);
    EXPECT_EQ(limits.minutes, 30);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, OwnTextLimitsEntries,
    testing::Values(
        EntryCase{"120", "0.09", "30", Field::ErrorLimit,
                  "Please enter a number between 0.1 and 10."},
        EntryCase{"120", "10.5", "30", Field::ErrorLimit,
                  "Please enter a number between 0.1 and 10."},
        EntryCase{"120", "one", "30", Field::ErrorLimit, "Please enter a number."},
        EntryCase{"120", "", "30", Field::ErrorLimit, "Please enter a number."},
        EntryCase{"120", "1.5x", "30", Field::ErrorLimit, "Please enter a number."},
        EntryCase{"19.9", "1", "30", Field::SpeedLimit,
                  "Please enter a number between 20 and 999."},
        EntryCase{"1000", "1", "30", Field::SpeedLimit,
                  "Please enter a number between 20 and 999."},
        EntryCase{"fast", "1", "30", Field::SpeedLimit, "Please enter a number."},
        EntryCase{"120", "1", "0", Field::TimeLimit, "Please enter an integer between 1 and 60."},
        EntryCase{"120", "1", "61", Field::TimeLimit, "Please enter an integer between 1 and 60."},
        EntryCase{"120", "1", "2.5", Field::TimeLimit, "Please enter an integer."},
        EntryCase{"120", "1", "", Field::TimeLimit, "Please enter an integer."},
        // Several bad entries: the error limit is checked first, then the speed limit.
        EntryCase{"5", "50", "0", Field::ErrorLimit, "Please enter a number between 0.1 and 10."},
        EntryCase{"5", "1", "0", Field::SpeedLimit, "Please enter a number between 20 and 999."}));

TEST(OwnTextLimits, RangeEndsAreAccepted) {
    OwnTextLimits limits;
    EXPECT_FALSE(limits.TakeEntries("20", "10", "1").has_value());
    EXPECT_FALSE(limits.TakeEntries("999", "0.1", "60").has_value());
    EXPECT_FALSE(limits.TakeEntries("+2e2", "1.", "+5").has_value());
    EXPECT_DOUBLE_EQ(limits.speedLimit, 200.0);
    EXPECT_EQ(limits.minutes, 5);
}

TEST(OwnTextLimits, ShortNumbersDropTrailingZeros) {
    EXPECT_EQ(OwnTextLimits::ShortNumber(0.1), "0.1");
    EXPECT_EQ(OwnTextLimits::ShortNumber(10.0), "10");
    EXPECT_EQ(OwnTextLimits::ShortNumber(999.0), "999");
    EXPECT_EQ(OwnTextLimits::ShortNumber(2.25), "2.25");
}
