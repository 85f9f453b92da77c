#include <gtest/gtest.h>

#include <string>

#include "common/testing/temp_dir.h"
#include "tutor/practice/tests/practice_test_support.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/random_source.h"
#include "tutor/users/results_dialog_model.h"

namespace {

// Whole runs driven through the engine alone, from the lesson choice to the verdict, the
// results history and the results file.

TEST(WholeRun, LessonPassedWithCorrectionsIsRecordedAndSavedAsItWasTyped) {
    PracticeFixture f;
    f.settings.errorMode = static_cast<int>(ErrorHandlingMode::BackspaceRequired);
    f.session->SettingsChanged();
    ASSERT_TRUE(f.session->ChooseLesson(0));  // "abc", "cab": 120 per minute, 1.5 %
    // The user saves the results while the end dialog is open, as its button does.
    TempDir folder;
    f.host.whileEndDialogOpen = [&] { ASSERT_TRUE(f.log.saveStat(folder.File("run.stat"))); };
    f.host.Type("ab", 400);
    f.host.Type("x", 400);   // wrong at the end of the first line
    f.host.Type("\b", 300);  // back to the first line; its time goes to the next stroke
    f.host.Type("c", 100);
    f.host.Type("cab", 400);
    ASSERT_EQ(f.host.endDialogs.size(), 1u);
    EXPECT_TRUE(f.host.endDialogs[0].passed());
    ASSERT_EQ(f.profile.resultCount(), 1u);
    // The taken-back stroke's time stays active time: 6 strokes in 2.8 s count as 2 whole
    // seconds, 180 per minute.
    EXPECT_EQ(f.profile.result(0).bestSpeed, 180);
    EXPECT_DOUBLE_EQ(f.profile.result(0).bestErrorRate, 0.0);
    EXPECT_EQ(f.profile.result(0).activeSeconds, 2);

    StrokeLog loaded(f.clock);
    ASSERT_TRUE(loaded.loadStat(folder.File("run.stat")));
    EXPECT_EQ(loaded.records(), (std::vector<StrokeRecord>{{400, 'a', 'a'},
                                                           {400, 'b', 'b'},
                                                           {400, 'c', 'c'},
                                                           {400, 'c', 'c'},
                                                           {400, 'a', 'a'},
                                                           {400, 'b', 'b'}}));
    SeededRandomSource random(7);
    const ResultsDialogModel results(loaded, EvaluationTexts(), random);
    EXPECT_EQ(results.figures().strokes, 6);
    EXPECT_EQ(results.figures().errors, 0);
    EXPECT_EQ(results.figures().totalMs, 2400);
    EXPECT_EQ(results.speedNowText(), "150.00");
    EXPECT_EQ(results.copiedShareText(), "100.0%");
    EXPECT_EQ(results.header().substr(0, 23), "Date:\t\t14.11.2023\r\n\r\nNa");
}

TEST(WholeRun, FailedRunThenPassKeepsTheBestAndCountsBothAttempts) {
    PracticeFixture f;
    f.profile.addEmptyResults(2);
    f.settings.errorMode = static_cast<int>(ErrorHandlingMode::NoLimitation);
    f.session->SettingsChanged();
    ASSERT_TRUE(f.session->BeginLesson(2));  // "cc": 30 per minute, 10 %
    f.host.Type("cx", 1000);                 // 50 % errors: failed, repeated
    f.host.endChoices.push_back({true, false});
    f.host.Type("cc", 1500);  // 2 strokes in 3 s: 40 per minute: passed
    ASSERT_EQ(f.host.endDialogs.size(), 2u);
    EXPECT_FALSE(f.host.endDialogs[0].passed());
    EXPECT_TRUE(f.host.endDialogs[1].passed());
    ASSERT_EQ(f.profile.resultCount(), 3u);
    const LessonResult& result = f.profile.result(2);
    EXPECT_EQ(result.bestSpeed, 40);
    EXPECT_DOUBLE_EQ(result.bestErrorRate, 0.0);
    EXPECT_EQ(result.activeSeconds, 5);
    EXPECT_EQ(result.attempts, 2);
    // "Next Lesson" past the last lesson: the course is done.
    EXPECT_EQ(f.host.infos.size(), 1u);
    EXPECT_FALSE(f.state().runActive);
}

TEST(WholeRun, OwnTextRunsToItsEndAndRepeats) {
    PracticeFixture f;
    f.course.SetOwnLines({"ab", "ba"});
    f.course.SetOwnLimits(100, 5, ClockTime{0, 5, 0});
    ASSERT_TRUE(f.session->ChooseLesson(LessonCourse::OwnTextLesson));
    EXPECT_EQ(f.log.lessonIndex(), 1111);
    EXPECT_EQ(f.log.lessonTitle(), "Copy the following text, please.");
    EXPECT_EQ(f.log.speedLimit(), 100);
    f.host.Type("abba", 300);
    ASSERT_EQ(f.host.endDialogs.size(), 1u);
    EXPECT_TRUE(f.host.endDialogs[0].ownText());
    EXPECT_EQ(f.profile.resultCount(), 0u);
    EXPECT_EQ(f.state().lineIndex, 0);
    f.host.endChoices.push_back({false, true});
    f.host.Type("abba", 300);
    EXPECT_FALSE(f.state().runActive);
    EXPECT_EQ(f.profile.resultCount(), 0u);
    EXPECT_EQ(f.log.recordCount(), 4u);
}

}  // namespace
