#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tutor/practice/practice_texts.h"
#include "tutor/practice/tests/practice_test_support.h"

namespace {

/// A course of one lesson of the given limits whose text is lines x width letters "a".
std::vector<std::string> OneLesson(const std::string& limits, int lines, int width) {
    std::vector<std::string> course = {"00000409_a", "Drill", "a:1:" + limits};
    for (int i = 0; i < lines; ++i) {
        course.push_back(std::string(static_cast<std::size_t>(width), 'a'));
    }
    return course;
}

TEST(RunClock, HundredTwentyStrokesInSixtySecondsAreTwoPerSecond) {
    PracticeFixture f(false, OneLesson("120:1.5:", 3, 60));
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type(std::string(120, 'a'), 500);
    EXPECT_DOUBLE_EQ(f.state().speed, 2.0);
    EXPECT_EQ(f.session->SpeedPercent(), 100);
    EXPECT_TRUE(f.session->LessonPassed());
    EXPECT_EQ(f.host.progress.back(), (FakePracticeHost::Progress{60, 100, 0}));
}

TEST(RunClock, ErrorRateIsPerCentOfStrokesAndErrorsTimesHundredWithoutStrokes) {
    PracticeFixture f(false, OneLesson("0:1.5:", 4, 60));
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("xaxaxa" + std::string(194, 'a'));
    EXPECT_DOUBLE_EQ(f.state().errorRate, 1.5);
    f.session->UpdateErrorRate();
    EXPECT_DOUBLE_EQ(f.state().errorRate, 1.5);
    f.session->ResetRun();
    f.session->UpdateErrorRate();
    EXPECT_DOUBLE_EQ(f.state().errorRate, 0.0);
}

TEST(RunClock, ActiveSecondsAreTruncated) {
    PracticeFixture f;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.clock.AdvanceMs(59999);
    EXPECT_EQ(f.session->ActiveSeconds(), 59);
    f.clock.AdvanceMs(1);
    EXPECT_EQ(f.session->ActiveSeconds(), 60);
}

TEST(RunClock, SpeedBelowOneSecondIsMeasuredInMillisecondsAndNeverInfinite) {
    PracticeFixture f(false, OneLesson("120:1.5:", 1, 10));
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("a");  // no time at all has passed
    EXPECT_DOUBLE_EQ(f.state().speed, 0.0);
    EXPECT_EQ(f.host.progress.back(), (FakePracticeHost::Progress{0, 0, 0}));
    f.host.Type("aa", 400);  // 3 strokes in 800 ms
    EXPECT_DOUBLE_EQ(f.state().speed, 3.75);
    EXPECT_EQ(f.session->SpeedPercent(), 187);
    f.host.Type("a", 200);  // 4 strokes in exactly one second meet the seconds formula
    EXPECT_DOUBLE_EQ(f.state().speed, 4.0);
    f.host.Type("a", 999);  // 5 strokes in 1999 ms: one whole second
    EXPECT_DOUBLE_EQ(f.state().speed, 5.0);
    EXPECT_TRUE(std::isfinite(f.state().speed));
}

TEST(RunClock, TextTypedInNoTimeFailsTheSpeedTest) {
    PracticeFixture f(false, OneLesson("120:1.5:", 1, 3));
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("aaa");
    ASSERT_EQ(f.host.endDialogs.size(), 1u);
    EXPECT_FALSE(f.host.endDialogs[0].passed());
}

TEST(RunClock, APauseBetweenStrokesCountsFully) {
    PracticeFixture f;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("a", 100);
    f.host.Type("b", 5000);
    EXPECT_EQ(f.state().activeTime, 5100);
    EXPECT_EQ(f.log.record(1).delayMs, 5000);
}

TEST(RunClock, SwitchingToAnotherProgramDropsTheTimeSinceTheLastStroke) {
    PracticeFixture f;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("a", 100);
    f.clock.AdvanceMs(700);
    f.host.SwitchAway(30000);
    EXPECT_TRUE(f.host.timerSet);
    f.host.Type("b", 300);
    EXPECT_EQ(f.log.record(1).delayMs, 300);
    EXPECT_EQ(f.state().activeTime, 400);
}

TEST(RunClock, LosingTheFocusStopsTimerAndMetronomeAndUpdatesTheSpeed) {
    PracticeFixture f;
    f.settings.metronomeFlags = 1;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("ab", 1000);
    f.clock.AdvanceMs(2000);
    f.host.focus = FakePracticeHost::Focus::Elsewhere;
    f.session->OnKillFocus();
    EXPECT_FALSE(f.host.timerSet);
    EXPECT_FALSE(f.host.metronomeRunning);
    EXPECT_DOUBLE_EQ(f.state().speed, 0.5);
    EXPECT_EQ(f.state().activeTime, 2000);
}

struct MetronomeCase {
    int flags;
    int rate;
    int expectedInterval;
    int storedRate;
};

class MetronomeOnFocus : public testing::TestWithParam<MetronomeCase> {};

TEST_P(MetronomeOnFocus, StartsWithTheIntervalOfTheRate) {
    const MetronomeCase& c = GetParam();
    PracticeFixture f;
    f.settings.metronomeFlags = c.flags;
    f.settings.metronomeRate = c.rate;
    ASSERT_TRUE(f.session->BeginLesson(0));
    if (c.flags == 0) {
        EXPECT_TRUE(f.host.metronomeStarts.empty());
    } else {
        ASSERT_EQ(f.host.metronomeStarts.size(), 1u);
        EXPECT_EQ(f.host.metronomeStarts[0],
                  (FakePracticeHost::MetronomeStart{c.expectedInterval, c.flags}));
    }
    EXPECT_EQ(f.settings.metronomeRate, c.storedRate);
}

INSTANTIATE_TEST_SUITE_P(Rates, MetronomeOnFocus,
                         testing::Values(MetronomeCase{1, 70, 857, 70},
                                         MetronomeCase{2, 350, 171, 350},
                                         MetronomeCase{3, 0, 60000, 1},
                                         MetronomeCase{1, -5, 60000, 1},
                                         MetronomeCase{0, 0, 0, 0}));

TEST(RunClock, SettingsChangeRestartsTheMetronomeDuringARun) {
    PracticeFixture f;
    f.settings.metronomeFlags = 1;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.settings.metronomeRate = 120;
    f.settings.errorMode = 3;
    f.session->SettingsChanged();
    ASSERT_EQ(f.host.metronomeStarts.size(), 2u);
    EXPECT_EQ(f.host.metronomeStarts[1], (FakePracticeHost::MetronomeStart{500, 1}));
    EXPECT_EQ(f.state().errorMode, ErrorHandlingMode::BackspaceRequired);
    EXPECT_EQ(f.host.layouts, 2);
}

TEST(RunClock, TimerTickRedrawsUpdatesAndAnimates) {
    PracticeFixture f;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("ab", 500);
    const int draws = f.host.cursorDraws;
    ASSERT_TRUE(f.host.Tick());
    EXPECT_EQ(f.host.cursorDraws, draws + 1);
    EXPECT_EQ(f.host.movieFrames, 1);
    // 2 strokes in 1.4 s: one whole second.
    EXPECT_DOUBLE_EQ(f.state().speed, 2.0);
    EXPECT_EQ(f.host.progress.back(), (FakePracticeHost::Progress{1, 100, 0}));
}

TEST(RunClock, TicksOfOtherTimersAndTicksWithoutARunAreIgnored) {
    PracticeFixture f;
    f.session->OnTimer(PracticeWindow::kPracticeTimerId);
    EXPECT_EQ(f.host.movieFrames, 0);
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.session->OnTimer(1);
    EXPECT_EQ(f.host.movieFrames, 0);
    EXPECT_EQ(f.state().idleTicks, 0);
}

TEST(RunClock, NoProgressFiguresWithALimitOfZero) {
    for (const std::string limits : {"0:1.5:", "120:0:"}) {
        PracticeFixture f(false, OneLesson(limits, 1, 5));
        ASSERT_TRUE(f.session->BeginLesson(0));
        f.host.Type("aa", 300);
        f.host.Tick();
        EXPECT_TRUE(f.host.progress.empty()) << limits;
    }
}

TEST(RunClock, ProgressFiguresArePerCentOfTheLimitsTruncated) {
    PracticeFixture f(false, OneLesson("90:1.5:", 1, 10));
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("ax", 1000);  // 2 strokes in 2 s = 60/min of 90; 50 % errors of 1.5
    EXPECT_EQ(f.host.progress.back(), (FakePracticeHost::Progress{2, 66, 3333}));
}

TEST(InactivityWatch, NoteAfterTwentyTwoQuietTicksAsksToCopyWhenNothingWasTyped) {
    PracticeFixture f;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.notes.clear();
    for (int i = 0; i < 22; ++i) {
        ASSERT_TRUE(f.host.Tick());
    }
    EXPECT_TRUE(f.host.notes.empty());
    f.host.Tick();
    ASSERT_EQ(f.host.notes.size(), 1u);
    EXPECT_EQ(f.host.notes[0], "Copy the following text, please.");
    EXPECT_EQ(f.state().idleTicks, 0);
}

TEST(InactivityWatch, NoteAfterStrokesSaysTheTimerStoppedAndItsPauseIsNotCounted) {
    PracticeFixture f;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.notes.clear();
    f.host.Type("a", 100);
    int ticks = 0;
    f.host.dialogMs = 20000;
    while (f.host.notes.empty() && ticks < 100) {
        ASSERT_TRUE(f.host.Tick());
        ++ticks;
    }
    EXPECT_EQ(ticks, 23);
    EXPECT_EQ(f.host.notes[0],
              "\r\n The timer has been stopped because you stopped copying the text.");
    EXPECT_TRUE(f.host.timerSet);
    f.host.dialogMs = 0;
    f.host.Type("b", 250);
    EXPECT_EQ(f.log.record(1).delayMs, 250);
    EXPECT_EQ(f.state().activeTime, 350);
}

TEST(InactivityWatch, TicksWhileTheNoteIsOpenShowNoSecondNote) {
    PracticeFixture f;
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.notes.clear();
    int idleTicksWhenShown = -1;
    f.host.whileNoteOpen = [&] {
        idleTicksWhenShown = f.state().idleTicks;
        // The modal loop of the note goes on dispatching the window's timer.
        for (int i = 0; i < 3 * (PracticeSession::kIdleTicksBeforeNote + 1); ++i) {
            f.session->OnTimer(PracticeWindow::kPracticeTimerId);
        }
    };
    for (int i = 0; i < 30 && f.host.notes.empty(); ++i) {
        ASSERT_TRUE(f.host.Tick());
    }
    EXPECT_EQ(f.host.notes.size(), 1u);
    EXPECT_EQ(idleTicksWhenShown, 0);
    EXPECT_EQ(f.state().idleTicks, 0);
}

TEST(InactivityWatch, StrokesKeepTheNoteAway) {
    PracticeFixture f(false, OneLesson("60:50:", 2, 60));
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.notes.clear();
    for (int i = 0; i < 60; ++i) {
        for (int t = 0; t < 20; ++t) {
            f.host.Tick();
        }
        f.host.Type("a");
    }
    EXPECT_TRUE(f.host.notes.empty());
}

std::vector<std::string> OwnLines() {
    return std::vector<std::string>(30, std::string(60, 'a'));
}

class OwnTextLimit : public testing::Test, public PracticeFixture {
  protected:
    void SetUp() override {
        course.SetOwnLines(OwnLines());
        course.SetOwnLimits(100.0, 5.0, ClockTime{0, 10, 0});
        ASSERT_TRUE(session->BeginLesson(LessonCourse::OwnTextLesson));
    }
    /// Ticks with one stroke after each until the end dialog opens; returns the ticks.
    int TicksUntilEndDialog() {
        int ticks = 0;
        while (host.endDialogs.empty() && ticks < 2000) {
            host.Tick();
            ++ticks;
            if (host.endDialogs.empty()) {
                host.Type("a");
            }
        }
        return ticks;
    }
};

TEST_F(OwnTextLimit, EndDialogOpensAtTheFirstTickPastTheLimit) {
    EXPECT_EQ(state().timeLimitSeconds, 600);
    EXPECT_EQ(TicksUntilEndDialog(), 1503);  // 601.2 s; 1502 ticks are 600.8 s
    ASSERT_EQ(host.endDialogs.size(), 1u);
    EXPECT_EQ(host.endDialogs[0].lessonNumber(), -1);
    EXPECT_EQ(host.endDialogs[0].line1(),
              "You have copied the entire file or you have reached the time limit.");
    EXPECT_EQ(host.endDialogs[0].repeatCaption(), "Repeat Text");
    EXPECT_FALSE(host.endDialogs[0].nextLessonVisible());
}

TEST_F(OwnTextLimit, RepeatStartsTheTextAgainFromItsFirstLine) {
    host.notes.clear();
    TicksUntilEndDialog();
    EXPECT_TRUE(state().runActive);
    EXPECT_EQ(state().lineIndex, 0);
    EXPECT_EQ(state().column, 0);
    EXPECT_EQ(state().strokeCount, 0);
    EXPECT_EQ(session->ActiveSeconds(), 0);
    EXPECT_EQ(host.notes, std::vector<std::string>{"Note:  Copy the following text, please."});
    EXPECT_EQ(profile.resultCount(), 0u);
}

TEST_F(OwnTextLimit, ExitEndsTheTickAtOnce) {
    host.endChoices.push_back({false, true});
    const int ticks = TicksUntilEndDialog();
    EXPECT_FALSE(state().runActive);
    EXPECT_EQ(state().lessonIndex, -1);
    EXPECT_EQ(host.movieFrames, ticks - 1);
    host.Type("a");
    EXPECT_EQ(state().strokeCount, 0);
    EXPECT_EQ(profile.resultCount(), 0u);
}

}  // namespace
