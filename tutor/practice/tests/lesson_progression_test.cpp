#include <gtest/gtest.h>

#include <string>

#include "common/testing/temp_dir.h"
#include "tutor/practice/practice_texts.h"
#include "tutor/practice/tests/practice_test_support.h"

namespace {

constexpr EndOfLessonChoice kNext{true, false};
constexpr EndOfLessonChoice kRepeat{false, false};
constexpr EndOfLessonChoice kExit{false, true};

/// 200 strokes, three of them wrong, 500 ms apart: 120 strokes per minute, 1.5 % errors.
void TypeTwoHundredWithThreeErrors(FakePracticeHost& host) {
    host.Type("xaxaxa" + std::string(194, 'a'), 500);
}

std::vector<std::string> Limits(const std::string& limits) {
    std::vector<std::string> course = {"00000409_a",
                                       "Drill",
                                       "a:1:" + limits,
                                       std::string(50, 'a'),
                                       std::string(50, 'a'),
                                       std::string(50, 'a'),
                                       std::string(50, 'a'),
                                       "",
                                       "Next",
                                       "a:1:60:2:",
                                       "aa"};
    return course;
}

struct VerdictCase {
    std::string limits;
    bool passes;
};

class VerdictAtTheLimits : public testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictAtTheLimits, RecordsTheAttemptAndOffersTheRightDialog) {
    const VerdictCase& c = GetParam();
    PracticeFixture f(false, Limits(c.limits));
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.endChoices.push_back(kExit);
    TypeTwoHundredWithThreeErrors(f.host);
    ASSERT_EQ(f.host.endDialogs.size(), 1u);
    const EndOfLessonDialogModel& dialog = f.host.endDialogs[0];
    EXPECT_EQ(dialog.passed(), c.passes);
    EXPECT_EQ(dialog.nextLessonVisible(), c.passes);
    EXPECT_EQ(dialog.userName(), "petr");
    EXPECT_EQ(dialog.line1(), "End of Lesson:   1");
    EXPECT_EQ(dialog.line2(),
              c.passes ? "Do you want to go on to the next lesson?"
                       : "Unfortunately, you have not qualified for the desired lesson yet.");
    ASSERT_EQ(f.profile.resultCount(), 1u);
    const LessonResult& result = f.profile.result(0);
    EXPECT_EQ(result.activeSeconds, 100);
    EXPECT_EQ(result.attempts, 1);
    EXPECT_EQ(result.bestSpeed, c.passes ? 120 : 0);
    EXPECT_DOUBLE_EQ(result.bestErrorRate, c.passes ? 1.5 : 0.0);
    EXPECT_EQ(f.log.recordCount(), 200u);
}

INSTANTIATE_TEST_SUITE_P(Limits, VerdictAtTheLimits,
                         testing::Values(VerdictCase{"120:1.5:", true},
                                         VerdictCase{"121:1.5:", false},
                                         VerdictCase{"120:1.4:", false},
                                         VerdictCase{"119.9:1.5:", true}));

class Progression : public testing::Test, public PracticeFixture {
  protected:
    /// Lesson 2 ("cc", 30 per minute, 10 %) passed in two seconds.
    void PassLessonTwo() { host.Type("cc", 1000); }
};

TEST_F(Progression, NextLessonContinuesWithTheFollowingLesson) {
    ASSERT_TRUE(session->BeginLesson(1));
    host.notes.clear();
    host.endChoices.push_back(kNext);
    host.Type(std::string("ab ba") + PracticeState::kLineEndMark, 500);
    EXPECT_TRUE(host.endDialogs[0].passed());
    EXPECT_EQ(host.endDialogs[0].lessonNumber(), 2);
    EXPECT_TRUE(state().runActive);
    EXPECT_EQ(state().lessonIndex, 2);
    EXPECT_EQ(state().lineIndex, 0);
    EXPECT_EQ(state().column, 0);
    EXPECT_EQ(host.panel.lessonIndex, 2);
    EXPECT_EQ(host.panel.column, 0);
    EXPECT_EQ(host.notes, std::vector<std::string>{"Note:  Third"});
    EXPECT_EQ(log.lessonIndex(), 2);
    EXPECT_EQ(log.recordCount(), 0u);
    // setResult of lesson 1 on an empty history appends one empty record.
    EXPECT_EQ(profile.resultCount(), 1u);
    // The new run goes on: the stroke that ended the text was answered.
    EXPECT_EQ(host.sounds.back(), SoundRequest::Correct);
    host.Type("c");
    EXPECT_EQ(state().strokeCount, 1);
}

TEST_F(Progression, FailedLessonRepeatsWithItsNote) {
    ASSERT_TRUE(session->BeginLesson(2));
    host.notes.clear();
    host.Type("cx", 1000);
    EXPECT_FALSE(host.endDialogs[0].nextLessonVisible());
    EXPECT_EQ(host.endDialogs[0].repeatCaption(), "Repeat Lesson");
    EXPECT_EQ(state().lessonIndex, 2);
    EXPECT_EQ(host.notes, std::vector<std::string>{"Note:  Third"});
    EXPECT_TRUE(state().runActive);
    EXPECT_EQ(state().errorCount, 0);
}

TEST_F(Progression, RepeatAfterPassKeepsTheLesson) {
    profile.addEmptyResults(2);
    ASSERT_TRUE(session->BeginLesson(2));
    host.endChoices.push_back(kRepeat);
    PassLessonTwo();
    EXPECT_EQ(state().lessonIndex, 2);
    EXPECT_TRUE(state().runActive);
    EXPECT_EQ(profile.result(2).bestSpeed, 60);
}

TEST_F(Progression, ExitResetsTheRunAndKeystrokesChangeNothing) {
    ASSERT_TRUE(session->BeginLesson(2));
    host.endChoices.push_back(kExit);
    const std::size_t sounds = host.sounds.size();
    PassLessonTwo();
    EXPECT_FALSE(state().runActive);
    EXPECT_EQ(state().lessonIndex, -1);
    EXPECT_EQ(state().strokesAtLastTick, -1);
    EXPECT_EQ(host.panel.lessonIndex, -1);
    // The stroke that ended the run is not answered.
    EXPECT_EQ(host.sounds.size(), sounds + 1);
    host.Type("cc");
    EXPECT_EQ(state().strokeCount, 0);
    EXPECT_EQ(log.recordCount(), 2u);
}

TEST_F(Progression, NextLessonPastTheLastLessonCompletesTheCourse) {
    profile.addEmptyResults(2);
    ASSERT_TRUE(session->BeginLesson(2));
    host.endChoices.push_back(kNext);
    PassLessonTwo();
    ASSERT_EQ(host.infos.size(), 1u);
    EXPECT_EQ(host.infos[0],
              "Congratulations! You have made another important step in your life.\nYou have "
              "successfully completed this course!");
    EXPECT_FALSE(host.infoCheckBoxes[0]);
    EXPECT_FALSE(state().runActive);
    host.Type("c");
    EXPECT_EQ(state().strokeCount, 0);
    // Nothing more is recorded when the program then closes.
    session->AbandonRun();
    EXPECT_EQ(profile.resultCount(), 3u);
    EXPECT_EQ(profile.result(2).attempts, 1);
}

TEST_F(Progression, ResultsCanBeSavedRepeatedlyWhileTheDialogIsOpen) {
    TempDir folder;
    ASSERT_TRUE(session->BeginLesson(2));
    host.whileEndDialogOpen = [&] {
        EXPECT_TRUE(log.saveStat(folder.File("first.stat")));
        EXPECT_TRUE(log.saveStat(folder.File("second.stat")));
    };
    host.endChoices.push_back(kExit);
    host.Type("cx", 700);
    for (const char* name : {"first.stat", "second.stat"}) {
        StrokeLog loaded(clock);
        ASSERT_TRUE(loaded.loadStat(folder.File(name)));
        EXPECT_EQ(loaded.lessonIndex(), 2);
        EXPECT_EQ(loaded.userName(), "petr");
        EXPECT_EQ(loaded.lessonTitle(), "Third");
        EXPECT_EQ(loaded.speedLimit(), 30);
        EXPECT_DOUBLE_EQ(loaded.errorLimit(), 10.0);
        EXPECT_EQ(loaded.characterCount(), 2);
        EXPECT_EQ(loaded.records(), (std::vector<StrokeRecord>{{700, 'c', 'c'}, {700, 'c', 'x'}}));
    }
}

TEST_F(Progression, AbandonedRunWithStrokesIsAnAttemptWithoutResult) {
    ASSERT_TRUE(session->BeginLesson(0));
    host.Type("ab", 3000);
    ASSERT_TRUE(session->ChooseLesson(1));
    ASSERT_EQ(profile.resultCount(), 1u);
    EXPECT_EQ(profile.result(0).attempts, 1);
    EXPECT_EQ(profile.result(0).activeSeconds, 6);
    EXPECT_EQ(profile.result(0).bestSpeed, 0);
    EXPECT_EQ(state().lessonIndex, 1);
    // No stroke in lesson 1: leaving it records nothing.
    session->AbandonRun();
    EXPECT_EQ(profile.resultCount(), 1u);
}

TEST_F(Progression, OwnTextIsNeverRecorded) {
    course.SetOwnLines({"abc"});
    course.SetOwnLimits(60, 5, ClockTime{0, 10, 0});
    ASSERT_TRUE(session->BeginLesson(LessonCourse::OwnTextLesson));
    host.Type("ab", 500);
    session->AbandonRun();
    ASSERT_TRUE(session->BeginLesson(LessonCourse::OwnTextLesson));
    host.Type("abc", 500);
    ASSERT_EQ(host.endDialogs.size(), 1u);
    EXPECT_EQ(host.endDialogs[0].lessonNumber(), -1);
    EXPECT_EQ(host.endDialogs[0].line2(), "What would you like to do next?");
    EXPECT_EQ(profile.resultCount(), 0u);
    EXPECT_TRUE(state().runActive);
    EXPECT_EQ(state().lineIndex, 0);
}

TEST_F(Progression, BeginLessonOfAnEmptyOwnTextLeavesTheTutorIdle) {
    ASSERT_FALSE(session->BeginLesson(LessonCourse::OwnTextLesson));
    EXPECT_FALSE(state().runActive);
    EXPECT_EQ(state().lessonIndex, -1);
}

class InitialTest : public testing::Test, public PracticeFixture {
  protected:
    InitialTest() : PracticeFixture(true) {}
};

TEST_F(InitialTest, ChooserShowsDetailsAndWizardAndStartsTheTest) {
    host.wizardLessons.push_back(2);
    session->InitialTestChooser();
    EXPECT_EQ(host.userDetailsShown, 1);
    EXPECT_EQ(host.wizardAtTestPage, std::vector<bool>{false});
    EXPECT_TRUE(host.testMenu);
    EXPECT_TRUE(state().runActive);
    EXPECT_TRUE(state().initialTestRunning);
    EXPECT_EQ(state().lessonIndex, 2);
}

TEST_F(InitialTest, PassedTestUnlocksTheLessonsUpToTheTestedOne) {
    host.wizardLessons.push_back(2);
    session->InitialTestChooser();
    host.Type("cc", 1000);
    EXPECT_TRUE(host.endDialogs.empty());
    ASSERT_EQ(host.infos.size(), 1u);
    EXPECT_EQ(host.infos[0], "Great! You have qualified for the next lesson.");
    EXPECT_FALSE(host.testMenu);
    EXPECT_FALSE(state().initialTestRunning);
    EXPECT_FALSE(state().runActive);
    EXPECT_EQ(state().lessonIndex, -1);
    ASSERT_EQ(profile.resultCount(), 3u);
    EXPECT_EQ(profile.result(0).bestSpeed, 0);
    EXPECT_EQ(profile.result(1).bestSpeed, 0);
    EXPECT_EQ(profile.result(2).bestSpeed, 60);
    EXPECT_EQ(profile.result(2).activeSeconds, 2);
    EXPECT_EQ(profile.result(2).attempts, 1);
}

TEST_F(InitialTest, FailedTestOffersTheWizardAgainAtItsLessonPage) {
    host.wizardLessons = {2, 1};
    session->InitialTestChooser();
    host.Type("cx", 1000);
    EXPECT_EQ(host.infos,
              std::vector<std::string>{
                  "Unfortunately, you have failed this test. Please, choose an easier lesson."});
    EXPECT_EQ(host.wizardAtTestPage, (std::vector<bool>{false, true}));
    EXPECT_TRUE(state().initialTestRunning);
    EXPECT_TRUE(state().runActive);
    EXPECT_EQ(state().lessonIndex, 1);
    EXPECT_TRUE(host.testMenu);
    EXPECT_EQ(profile.resultCount(), 0u);
}

TEST_F(InitialTest, WizardLeftWithoutLessonEndsTheTestIdle) {
    host.wizardLessons = {2};
    session->InitialTestChooser();
    host.Type("cx", 1000);  // failed; the wizard is then left without a lesson
    EXPECT_FALSE(state().initialTestRunning);
    EXPECT_FALSE(state().runActive);
    EXPECT_FALSE(state().initialTestRetry);
    EXPECT_FALSE(host.testMenu);
}

TEST_F(InitialTest, EndOfTestCommandAlwaysFails) {
    host.wizardLessons = {2};
    session->InitialTestChooser();
    host.Type("c", 100);  // far above 30 strokes per minute, no error
    session->EndOfTestCommand();
    EXPECT_EQ(host.infos.size(), 1u);
    EXPECT_EQ(host.infos[0],
              "Unfortunately, you have failed this test. Please, choose an easier lesson.");
    EXPECT_EQ(host.wizardAtTestPage, (std::vector<bool>{false, true}));
    EXPECT_EQ(profile.resultCount(), 0u);
}

TEST_F(InitialTest, EndsAtTheFirstTickWithFiveMinutesOfActiveTime) {
    std::vector<std::string> lines = {"00000409_a", "Long", "a:1:10:50:"};
    for (int i = 0; i < 20; ++i) {
        lines.push_back(std::string(60, 'a'));
    }
    PracticeFixture f(true, lines);
    f.host.wizardLessons = {0};
    f.session->InitialTestChooser();
    int ticks = 0;
    while (f.host.infos.empty() && ticks < 1000) {
        f.host.Tick();
        ++ticks;
        if (f.host.infos.empty()) {
            f.host.Type("a");
        }
    }
    EXPECT_EQ(ticks, 750);  // 300 s; 749 ticks are 299.6 s
    EXPECT_EQ(f.host.infos[0], "Great! You have qualified for the next lesson.");
    ASSERT_EQ(f.profile.resultCount(), 1u);
    // The verdict box takes the focus before the result is saved: the 400 ms since the last
    // stroke are dropped from the time, but the speed was taken when the focus went.
    EXPECT_EQ(f.profile.result(0).activeSeconds, 299);
    EXPECT_EQ(f.profile.result(0).bestSpeed, 149);  // 749 strokes in 300 s
}

TEST_F(InitialTest, TestLessonWithoutTextLeavesTheMenusEnabled) {
    host.wizardLessons = {7};
    session->InitialTestChooser();
    EXPECT_FALSE(host.testMenu);
    EXPECT_FALSE(state().initialTestRunning);
    EXPECT_FALSE(state().runActive);
}

}  // namespace
