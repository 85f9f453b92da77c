#include "tutor/course/lesson_course.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/tests/course_files_support.h"

namespace {

const std::string kPath = "/data/lessons/00000409_a.ddd";

using Lines = std::vector<std::string>;

std::vector<std::string> Titles(const LessonCourse& course) {
    std::vector<std::string> titles;
    for (int i = 0; i < course.LessonCount(); ++i) {
        titles.push_back(course.Title(i));
    }
    return titles;
}

}  // namespace

// Declares a course loaded from the given lines at kPath.
#define LOAD(course, ...) \
    LessonCourse course;  \
    ASSERT_TRUE(course.LoadLines(Lines __VA_ARGS__, kPath))

TEST(LessonCourseBlocks, ReadsTitleParametersAndTextOfEachBlock) {
    LOAD(course, {"00000409_a", "First", "fj:1:64:0.5:", "fff jjj", "fj jf", "", "Second",
                  "dk:0:70:1.5:", "dkd"});
    ASSERT_EQ(course.LessonCount(), 2);
    EXPECT_EQ(course.Title(0), "First");
    EXPECT_EQ(course.Characters(0), "fj");
    EXPECT_TRUE(course.IsTestable(0));
    EXPECT_DOUBLE_EQ(course.SpeedLimit(0), 64.0);
    EXPECT_DOUBLE_EQ(course.ErrorLimit(0), 0.5);
    EXPECT_EQ(course.LineCount(0), 2);
    EXPECT_EQ(course.Line(0, 1), "fj jf");
    EXPECT_EQ(course.Title(1), "Second");
    EXPECT_FALSE(course.IsTestable(1));
    EXPECT_EQ(course.Line(1, 0), "dkd");
    EXPECT_TRUE(course.loaded());
}

TEST(LessonCourseBlocks, SeveralBlankLinesReadLikeOne) {
    LOAD(single, {"", "A", "a:1:1:1:", "aa", "", "B", "b:1:1:1:", "bb"});
    LOAD(several, {"", "", "A", "a:1:1:1:", "aa", "", "", "", "B", "b:1:1:1:", "bb"});
    EXPECT_EQ(Titles(single), Titles(several));
    ASSERT_EQ(several.LessonCount(), 2);
    EXPECT_EQ(several.Line(1, 0), "bb");
}

TEST(LessonCourseBlocks, TitleFollowedByBlankLineGivesDefaultLessonAndNextBlockStarts) {
    LOAD(course, {"", "Lonely title", "", "Next", "n:1:99:2:", "nnn"});
    ASSERT_EQ(course.LessonCount(), 2);
    EXPECT_EQ(course.Title(0), "Lonely title");
    EXPECT_EQ(course.LineCount(0), 0);
    EXPECT_EQ(course.Characters(0), "");
    EXPECT_DOUBLE_EQ(course.SpeedLimit(0), 60.0);
    EXPECT_DOUBLE_EQ(course.ErrorLimit(0), 0.8);
    EXPECT_EQ(course.Title(1), "Next");
    EXPECT_DOUBLE_EQ(course.SpeedLimit(1), 99.0);
}

TEST(LessonCourseBlocks, TrailingBlankLineAddsOneEmptyLesson) {
    Lines lines = {"", "A", "a:1:1:1:", "aa", "", "B", "b:1:1:1:", "bb"};
    LOAD(without, (lines));
    lines.push_back("");
    LessonCourse with;
    ASSERT_TRUE(with.LoadLines(lines, kPath));
    EXPECT_EQ(without.LessonCount(), 2);
    ASSERT_EQ(with.LessonCount(), 3);
    EXPECT_EQ(with.Title(2), "");
    EXPECT_EQ(with.LineCount(2), 0);
    EXPECT_DOUBLE_EQ(with.SpeedLimit(2), 68.0);
    EXPECT_DOUBLE_EQ(with.ErrorLimit(2), 0.8);
}

TEST(LessonCourseBlocks, TextLinesAreKeptExactlyAsWritten) {
    LOAD(course, {"", "T", "x:0:1:1:", "  two leading, trailing  ", "\t tab \xA4"});
    EXPECT_EQ(course.Line(0, 0), "  two leading, trailing  ");
    EXPECT_EQ(course.Line(0, 1), "\t tab \xA4");
}

TEST(LessonCourseBlocks, EmptyFileGivesOneEmptyLesson) {
    LOAD(course, {});
    EXPECT_EQ(course.LessonCount(), 1);
    EXPECT_EQ(course.Title(0), "");
}

struct ParameterCase {
    const char* line;
    const char* characters;
    int testable;
    double speedLimit;
    double errorLimit;
};

class LessonParameters : public testing::TestWithParam<ParameterCase> {};

TEST_P(LessonParameters, FieldsWithoutColonKeepTheirDefaults) {
    const ParameterCase& c = GetParam();
    // Lesson index 2: default speed limit 68.
    LOAD(course, {"", "0", "", "1", "", "Lesson", c.line});
    ASSERT_EQ(course.LessonCount(), 3);
    EXPECT_EQ(course.Characters(2), c.characters);
    EXPECT_EQ(course.lessons()[2].testable, c.testable);
    EXPECT_DOUBLE_EQ(course.SpeedLimit(2), c.speedLimit);
    EXPECT_DOUBLE_EQ(course.ErrorLimit(2), c.errorLimit);
}

INSTANTIATE_TEST_SUITE_P(Lines, LessonParameters,
                         testing::Values(ParameterCase{"fjdk:1:64:0.8:", "fjdk", 1, 64.0, 0.8},
                                         ParameterCase{"abc:1:70:", "abc", 1, 70.0, 0.8},
                                         ParameterCase{"abc", "", 0, 68.0, 0.8},
                                         ParameterCase{"abc:", "abc", 0, 68.0, 0.8},
                                         ParameterCase{"abc:1:70:2.5", "abc", 1, 70.0, 0.8},
                                         ParameterCase{"::::", "", 0, 0.0, 0.0},
                                         ParameterCase{"ab:x:1e2:.25:rest", "ab", 0, 100.0, 0.25},
                                         ParameterCase{"ab:-3:88.5:1,5:", "ab", -3, 88.5, 1.0},
                                         ParameterCase{"ab:7zz:9:9:", "ab", 7, 9.0, 9.0}));

TEST(LessonParameters, DefaultSpeedLimitGrowsByFourUpTo200) {
    EXPECT_DOUBLE_EQ(Lesson::DefaultSpeedLimit(0), 60.0);
    EXPECT_DOUBLE_EQ(Lesson::DefaultSpeedLimit(1), 64.0);
    EXPECT_DOUBLE_EQ(Lesson::DefaultSpeedLimit(9), 96.0);
    EXPECT_DOUBLE_EQ(Lesson::DefaultSpeedLimit(34), 196.0);
    EXPECT_DOUBLE_EQ(Lesson::DefaultSpeedLimit(35), 200.0);
    EXPECT_DOUBLE_EQ(Lesson::DefaultSpeedLimit(39), 200.0);
}

TEST(LessonParameters, DefaultSpeedDependsOnPlaceInFile) {
    Lines lines = {""};
    for (int i = 0; i < 40; ++i) {
        lines.push_back("L" + std::to_string(i));
        lines.push_back("x:");
        lines.push_back("xx");
        lines.push_back("");
    }
    lines.pop_back();
    LOAD(course, (lines));
    ASSERT_EQ(course.LessonCount(), 40);
    EXPECT_DOUBLE_EQ(course.SpeedLimit(9), 96.0);
    EXPECT_DOUBLE_EQ(course.SpeedLimit(35), 200.0);
    EXPECT_DOUBLE_EQ(course.SpeedLimit(39), 200.0);
}

struct IdentificationCase {
    const char* identification;
    const char* path;
    bool loads;
    bool numeric;
};

class LessonIdentification : public testing::TestWithParam<IdentificationCase> {};

TEST_P(LessonIdentification, FirstLineMustOccurInThePath) {
    const IdentificationCase& c = GetParam();
    LessonCourse course;
    EXPECT_EQ(course.LoadLines({c.identification, "T", "t:1:1:1:", "tt"}, c.path), c.loads);
    EXPECT_EQ(course.loaded(), c.loads);
    EXPECT_EQ(course.LessonCount(), c.loads ? 1 : 0);
    if (c.loads) {
        EXPECT_EQ(course.IsNumericKeypad(), c.numeric);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LessonIdentification,
    testing::Values(IdentificationCase{"00000409_a", "/p/lessons/00000409_a.ddd", true, false},
                    IdentificationCase{"", "/p/lessons/00000409_a.ddd", true, false},
                    IdentificationCase{"NUM", "/p/lessons/NUM_a.ddd", true, true},
                    IdentificationCase{"lessons/NUM_", "/p/lessons/NUM_a.ddd", true, true},
                    IdentificationCase{"xyz", "/p/lessons/00000409_a.ddd", false, false},
                    IdentificationCase{"00000409_A", "/p/lessons/00000409_a.ddd", false, false},
                    IdentificationCase{"num", "/p/lessons/NUM_a.ddd", false, false}));

TEST(LessonIdentification, FailedLoadEmptiesThePreviousLessons) {
    LOAD(course, {"", "T", "t:1:1:1:"});
    EXPECT_FALSE(course.LoadLines({"foreign", "T", "t:1:1:1:"}, kPath));
    EXPECT_EQ(course.LessonCount(), 0);
    EXPECT_FALSE(course.loaded());
}

class LessonQueries : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(course.LoadLines({"", "Home row", "asdf:1:80:1.2:", "asdf", "fdsa as"}, kPath));
        course.SetOwnLines({"own one", "own two!"});
        course.SetOwnLimits(150.0, 2.5, ClockTime{0, 10, 0});
    }
    LessonCourse course;
};

TEST_F(LessonQueries, LessonOwnTextAndInvalidIndicesAnswerAsTheTableSays) {
    const int own = LessonCourse::OwnTextLesson;
    for (int invalid : {-1, 1, 1110, 1112, 100000}) {
        SCOPED_TRACE(invalid);
        EXPECT_EQ(course.Title(invalid), "");
        EXPECT_EQ(course.Characters(invalid), "");
        EXPECT_EQ(course.LineCount(invalid), 0);
        EXPECT_EQ(course.Line(invalid, 0), "");
        EXPECT_EQ(course.TotalCharacters(invalid), 0);
        EXPECT_DOUBLE_EQ(course.SpeedLimit(invalid), 0.0);
        EXPECT_DOUBLE_EQ(course.ErrorLimit(invalid), 0.0);
        EXPECT_FALSE(course.IsTestable(invalid));
    }
    EXPECT_EQ(course.LessonCount(), 1);
    EXPECT_EQ(course.Title(own), "Copy the following text, please.");
    EXPECT_EQ(course.Characters(own), "");
    EXPECT_EQ(course.LineCount(own), 2);
    EXPECT_EQ(course.Line(own, 1), "own two!");
    EXPECT_EQ(course.TotalCharacters(own), 15);
    EXPECT_DOUBLE_EQ(course.SpeedLimit(own), 150.0);
    EXPECT_DOUBLE_EQ(course.ErrorLimit(own), 2.5);
    EXPECT_FALSE(course.IsTestable(own));
    EXPECT_EQ(course.TotalCharacters(0), 11);
}

TEST_F(LessonQueries, ReadingPastTheEndGivesBlankForLessonAndEmptyForOwnText) {
    EXPECT_EQ(course.Line(0, course.LineCount(0)), " ");
    EXPECT_EQ(course.Line(0, 50), " ");
    const int own = LessonCourse::OwnTextLesson;
    EXPECT_EQ(course.Line(own, course.LineCount(own)), "");
    EXPECT_EQ(course.Line(0, -1), "");
}

TEST_F(LessonQueries, OwnTextTitleDoesNotDependOnTheLessons) {
    LessonCourse empty;
    EXPECT_EQ(empty.Title(LessonCourse::OwnTextLesson), course.Title(LessonCourse::OwnTextLesson));
}

TEST_F(LessonQueries, LoadingLessonsLeavesTheOwnTextAndItsLimits) {
    ASSERT_TRUE(course.LoadLines({"", "Other", "o:0:1:1:"}, kPath));
    EXPECT_EQ(course.LineCount(LessonCourse::OwnTextLesson), 2);
    EXPECT_DOUBLE_EQ(course.SpeedLimit(LessonCourse::OwnTextLesson), 150.0);
    EXPECT_EQ(course.TimeLimit(), (ClockTime{0, 10, 0}));
}

TEST(LessonCourseState, NewCatalogueHasTimeLimitOf86155Seconds) {
    LessonCourse course;
    EXPECT_EQ(course.TimeLimit(), (ClockTime{23, 55, 55}));
    EXPECT_EQ(course.TimeLimit().TotalSeconds(), 86155);
    EXPECT_FALSE(course.loaded());
    EXPECT_EQ(course.LessonCount(), 0);
    EXPECT_DOUBLE_EQ(course.SpeedLimit(LessonCourse::OwnTextLesson), 0.0);
}

TEST(LessonCourseState, MinutesBecomeAClockTime) {
    EXPECT_EQ(ClockTime::FromMinutes(30), (ClockTime{0, 30, 0}));
    EXPECT_EQ(ClockTime::FromMinutes(60), (ClockTime{1, 0, 0}));
    EXPECT_EQ(ClockTime::FromMinutes(60).TotalSeconds(), 3600);
}

class LessonCourseFiles : public testing::Test {
  protected:
    void SetUp() override { DataPaths::SetProgramFolder(dir.path()); }
    TempDir dir;
};

TEST_F(LessonCourseFiles, ReloadReadsTheUsersCourseFromTheLessonsFolder) {
    WriteLineFile(dir, "lessons/00000409_b.ddd",
                  {"00000409_b", "Home", "fj:1:70:1:", "fj fj", "", "More", "dk:0::", "dk"});
    LessonCourse course;
    EXPECT_TRUE(course.Reload("00000409", "_b"));
    EXPECT_TRUE(course.loaded());
    ASSERT_EQ(course.LessonCount(), 2);
    EXPECT_EQ(course.Line(0, 0), "fj fj");
    EXPECT_DOUBLE_EQ(course.SpeedLimit(1), 0.0);
    EXPECT_FALSE(course.IsNumericKeypad());
}

TEST_F(LessonCourseFiles, MissingOrForeignFileLeavesNoLessons) {
    WriteLineFile(dir, "lessons/00000409_a.ddd", {"00000407_a", "T", "t:1:1:1:"});
    LessonCourse course;
    ASSERT_TRUE(course.LoadLines({"", "Old", "o:1:1:1:"}, kPath));
    EXPECT_FALSE(course.Reload("00000409", "_a"));
    EXPECT_EQ(course.LessonCount(), 0);
    EXPECT_FALSE(course.Reload("00000409", "_z"));
    EXPECT_FALSE(course.loaded());
}

TEST_F(LessonCourseFiles, DamagedFileLoadsNothing) {
    dir.Write("lessons/00000409_a.ddd", std::string("\x01\x02garbage that is no container", 30));
    LessonCourse course;
    EXPECT_FALSE(course.Reload("00000409", "_a"));
    EXPECT_EQ(course.LessonCount(), 0);
}

TEST_F(LessonCourseFiles, NumericKeypadCourseIsRecognisedFromItsFile) {
    WriteLineFile(dir, "lessons/NUM_a.ddd", {"NUM", "Digits", "456:1:90:1:", "456 654"});
    LessonCourse course;
    EXPECT_TRUE(course.Reload("NUM", "_a"));
    EXPECT_TRUE(course.IsNumericKeypad());
}
