#include "tutor/course/course_record.h"

#include <gtest/gtest.h>

TEST(CourseRecord, ReadsTheFiveFields) {
    auto records =
        CourseRecord::ParseList({";code:keyboard:caption:description:default:",
                                 "00000409_a:00000409:Beginner:Start from the home row:1:"});
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].courseCode, "00000409_a");
    EXPECT_EQ(records[0].keyboardId, "00000409");
    EXPECT_EQ(records[0].caption, "Beginner");
    EXPECT_EQ(records[0].description, "Start from the home row");
    EXPECT_EQ(records[0].isDefault, 1);
    EXPECT_EQ(records[0].line, 2);
}

TEST(CourseRecord, DefaultFlagCarriesOverWhenItsColonIsMissing) {
    auto records = CourseRecord::ParseList({"a:K:A:d:1:", "b:K:B:d", "c:K:C:d:0:", "d:K:"});
    EXPECT_EQ(records[1].isDefault, 1);
    EXPECT_EQ(records[1].description, "");
    EXPECT_EQ(records[3].isDefault, 0);
    EXPECT_EQ(records[3].caption, "");
}

struct CourseNameCase {
    const char* code;
    const char* courseName;
};

class CourseRecordName : public testing::TestWithParam<CourseNameCase> {};

TEST_P(CourseRecordName, IsTheLastTwoCharactersOfTheCode) {
    CourseRecord record;
    record.courseCode = GetParam().code;
    record.keyboardId = "00000409";
    EXPECT_EQ(record.CourseName(), GetParam().courseName);
    EXPECT_EQ(record.LessonFileName(), std::string("00000409") + GetParam().courseName + ".ddd");
}

INSTANTIATE_TEST_SUITE_P(Codes, CourseRecordName,
                         testing::Values(CourseNameCase{"00000409_b", "_b"},
                                         CourseNameCase{"_a", "_a"}, CourseNameCase{"x", "x"},
                                         CourseNameCase{"", ""}));
