#include "tutor/users/lesson_chooser_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/testing/fake_clock.h"
#include "common/time_text.h"
#include "tutor/course/lesson_course.h"
#include "tutor/users/diskette_folder.h"
#include "tutor/users/user_profile.h"

namespace {

class LessonChooser : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(course.LoadLines({"00000409_a", "One", "a:1:64.4:2.0:", "aa", "", "Two",
                                      "b:1:70:1.5:", "bb", "", "Three", "c:1:80:1:", "cc"},
                                     "/lessons/00000409_a.ddd"));
    }
    std::vector<std::string> Texts(int row) const {
        const auto& t = model.rows().at(static_cast<std::size_t>(row)).texts;
        return {t.begin(), t.end()};
    }

    FakeClock clock;
    LessonCourse course;
    FixedDisketteFolder diskette{""};
    UserProfile profile{clock, "/nonexistent", diskette};
    LessonChooserModel model{course, profile, clock};
};

TEST_F(LessonChooser, NewUserSeesTheFirstLessonSelected) {
    model.open();
    ASSERT_EQ(model.rows().size(), 1u);
    EXPECT_EQ(model.rows()[0].image, 5);
    EXPECT_EQ(Texts(0), (std::vector<std::string>{"1", "One", "...", "2.00", "...", "64",
                                                  "........", "00:00", "0"}));
    EXPECT_EQ(model.selectedRow(), 0);
    ASSERT_TRUE(model.choose());
    EXPECT_EQ(model.chosenLesson(), 0);
}

TEST_F(LessonChooser, RecordRowsShowTheBestResultAndTheNextLessonFollows) {
    profile.setResult(0, 1700000000, 0.5, 130, 90061);  // 25 h 1 min 1 s
    model.open();
    ASSERT_EQ(model.rows().size(), 2u);
    EXPECT_EQ(model.rows()[0].image, 1);  // 0.5 of limit 2.0
    EXPECT_EQ(Texts(0),
              (std::vector<std::string>{"1", "One", "0.50", "2.00", "130", "64",
                                        TimeText::DateTime(1700000000), "01:01:01", "1"}));
    EXPECT_EQ(Texts(1)[0], "2");
    EXPECT_EQ(Texts(1)[1], "Two");
    EXPECT_EQ(Texts(1)[3], "1.50");
    EXPECT_EQ(model.selectedRow(), 1);
}

TEST_F(LessonChooser, ImagesFollowTheRatingAgainstTheLessonsErrorLimit) {
    profile.setResult(0, 1700000000, 3.0, 100, 10);
    model.open();
    EXPECT_EQ(model.rows()[0].image, 4);
}

TEST_F(LessonChooser, LastRecordNotYetPractisedOffersNoFurtherRow) {
    profile.setResult(0, 1700000000, 0.5, 130, 10);
    profile.setResult(1, 1700000000, 0.0, 0, 0);
    model.open();
    ASSERT_EQ(model.rows().size(), 2u);
    EXPECT_EQ(model.rows()[1].image, 5);
    EXPECT_EQ(model.selectedRow(), 1);
}

TEST_F(LessonChooser, NoNextRowPastTheLastLesson) {
    profile.addEmptyResults(3);
    for (int i = 0; i < 3; ++i) {
        profile.setResult(i, 1700000000, 0.1, 100, 5);
    }
    model.open();
    EXPECT_EQ(model.rows().size(), 3u);
    EXPECT_EQ(model.selectedRow(), 2);
}

TEST_F(LessonChooser, MissingCourseShowsOneMessageRow) {
    LessonCourse empty;
    LessonChooserModel missing(empty, profile, clock);
    profile.setResult(0, 1700000000, 0.5, 130, 10);
    missing.open();
    ASSERT_EQ(missing.rows().size(), 1u);
    EXPECT_EQ(missing.rows()[0].image, 5);
    EXPECT_EQ(missing.rows()[0].texts[0],
              "The configuration file for the lessons is missing. Install the program again!");
    EXPECT_FALSE(missing.choose());
    EXPECT_TRUE(missing.courseMissing());
    missing.select(0);
    EXPECT_EQ(missing.selectedRow(), -1);
    EXPECT_FALSE(missing.choose());
    model.open();
    EXPECT_FALSE(model.courseMissing());
}

TEST_F(LessonChooser, ChooseWithoutSelectionDoesNothing) {
    model.open();
    model.select(-1);
    EXPECT_FALSE(model.choose());
    EXPECT_EQ(model.chosenLesson(), -1);
    model.select(7);
    EXPECT_EQ(model.selectedRow(), -1);
}

TEST_F(LessonChooser, SkipAddsTheFollowingLessonAndRecordsTheSkippedOne) {
    model.open();  // row 0: lesson 1 offered
    clock.SetNowSeconds(1800000000);
    model.skipLesson();
    EXPECT_EQ(model.reachedLessons(), 1);
    ASSERT_EQ(model.rows().size(), 2u);
    EXPECT_EQ(Texts(1)[0], "2");
    EXPECT_EQ(model.rows()[1].image, 5);
    EXPECT_EQ(model.selectedRow(), 1);
    ASSERT_EQ(profile.resultCount(), 1u);
    EXPECT_EQ(profile.result(0).bestTime, 1800000000);
    EXPECT_EQ(profile.result(0).bestSpeed, 0);
    EXPECT_EQ(profile.result(0).attempts, 0);

    model.skipLesson();
    EXPECT_EQ(Texts(2)[0], "3");
    EXPECT_EQ(model.selectedRow(), 2);
    EXPECT_EQ(profile.resultCount(), 2u);

    model.skipLesson();  // past the last lesson: nothing added
    EXPECT_EQ(model.rows().size(), 3u);
    EXPECT_EQ(model.selectedRow(), 2);
    EXPECT_EQ(profile.resultCount(), 2u);
    ASSERT_TRUE(model.choose());
    EXPECT_EQ(model.chosenLesson(), 2);
}

TEST_F(LessonChooser, SkipWithoutANextRowAppendsAtTheEnd) {
    profile.setResult(0, 1700000000, 0.5, 130, 10);
    profile.setResult(1, 1700000000, 0.0, 0, 0);  // skipped before, not practised
    model.open();
    ASSERT_EQ(model.rows().size(), 2u);
    model.skipLesson();
    ASSERT_EQ(model.rows().size(), 3u);
    EXPECT_EQ(Texts(2)[0], "3");
    EXPECT_EQ(profile.resultCount(), 3u);
    EXPECT_EQ(model.selectedRow(), 2);
}

}  // namespace
