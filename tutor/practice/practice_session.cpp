#include "tutor/practice/practice_session.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/clock.h"
#include "tutor/course/lesson_course.h"
#include "tutor/practice/metronome_control.h"
#include "tutor/practice/practice_dialogs.h"
#include "tutor/practice/practice_texts.h"
#include "tutor/practice/practice_window.h"
#include "tutor/practice/sound_request.h"
#include "tutor/users/sound_feedback.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/user_profile.h"

namespace {

/// Truncation toward zero that stays defined for values beyond the int range.
int TruncateToInt(double value) {
    if (!(value == value)) {
        return 0;
    }
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    return static_cast<int>(std::clamp(std::trunc(value), kMin, kMax));
}

std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

PracticeSession::PracticeSession(Services services, std::string userName, bool initialTestRunning)
    : s_(services) {
    state_.userName = std::move(userName);
    state_.errorMode = ErrorHandlingModeOf(s_.settings.errorMode);
    ResetRun();
    state_.initialTestRunning = initialTestRunning;
}

void PracticeSession::SetAcceptedCharacters(std::string_view characters) {
    accepted_.reset();
    for (char c : characters) {
        accepted_.set(static_cast<unsigned char>(c));
    }
}

void PracticeSession::SettingsChanged() {
    state_.errorMode = ErrorHandlingModeOf(s_.settings.errorMode);
    if (!state_.runActive) {
        return;
    }
    s_.window.ApplyLayout();
    s_.metronome.StopMetronome();
    StartMetronomeIfWanted();
}

const std::string& PracticeSession::CurrentLine() const {
    return s_.course.Line(state_.lessonIndex, state_.lineIndex);
}

PanelState PracticeSession::MakePanelState() const {
    return PanelState{state_.column,      state_.lineCount,  state_.lineIndex,
                      state_.lessonIndex, state_.errorMarks, state_.previousMarks};
}

void PracticeSession::HandPanelState() {
    s_.panel.SetText(MakePanelState());
}

bool PracticeSession::BackspaceAwaited() const {
    return state_.errorMode == ErrorHandlingMode::BackspaceRequired && !state_.lastStrokeCorrect;
}

void PracticeSession::DrawCursor() {
    s_.panel.DrawCursor(MakePanelState(), s_.settings.blinkingCursor != 0, s_.settings.cursorShape,
                        BackspaceAwaited());
}

void PracticeSession::SetMark(int column, char mark) {
    // A line wider than the marks still types; its columns past the marks carry no mark.
    if (column >= 0 && column < PracticeState::kMarkWidth) {
        state_.errorMarks[static_cast<std::size_t>(column)] = mark;
    }
}

void PracticeSession::OnChar(char code) {
    if (!state_.runActive) {
        return;
    }
    if (state_.errorMode == ErrorHandlingMode::BackspaceRequired && !state_.lastStrokeCorrect) {
        if (code == kBackspace) {
            CorrectWithBackspace();
        }
        // Until the wrong stroke is taken back nothing else is taken.
        return;
    }

    char typed = code;
    if (typed == kEnter) {
        typed = PracticeState::kLineEndMark;
    } else if (typed == ',' && s_.course.IsNumericKeypad()) {
        typed = '.';
    }
    if (!IsAccepted(typed)) {
        return;
    }

    const std::string& line = CurrentLine();
    const auto column = static_cast<std::size_t>(state_.column);
    // A line that is empty or already passed reads as a blank, never beyond the text.
    const char expected = column < line.size() ? line[column] : ' ';

    if (typed != expected) {
        if (state_.errorMode == ErrorHandlingMode::PreventDoubleError &&
            !state_.lastStrokeCorrect) {
            return;
        }
        state_.lastStrokeCorrect = false;
        RecordError(typed);
    } else {
        state_.lastStrokeCorrect = true;
    }

    ++state_.strokeCount;
    UpdateErrorRate();
    UpdateSpeed();
    ShowProgressFigures();

    const std::int64_t now = s_.clock.TickMs();
    const std::int64_t delay = now - state_.lastStrokeTime;
    state_.activeTime += delay;
    s_.strokeLog.Add(expected, typed, ClampToInt32(delay));
    state_.lastStrokeTime = now;

    ++state_.column;
    if (static_cast<std::size_t>(state_.column) >= CurrentLine().size()) {
        if (state_.lineIndex + 1 < state_.lineCount) {
            NextLine();
            state_.column = 0;
            HandPanelState();
            s_.panel.Repaint();
        } else {
            DrawCursor();
            if (!EndOfText()) {
                return;
            }
            state_.column = 0;
            HandPanelState();
            s_.panel.Repaint();
        }
    }
    DrawCursor();
    s_.sound.RequestSound(state_.lastStrokeCorrect ? SoundRequest::Correct : SoundRequest::Error);
}

void PracticeSession::RecordError(char typed) {
    ++state_.errorCount;
    SetMark(state_.column, typed == ' ' ? '_' : typed);
    if (state_.errorMode == ErrorHandlingMode::WarnEachError) {
        const bool repeat = s_.dialogs.InfoBox(PracticeTexts::kErrorWarning, true);
        if (!repeat) {
            state_.errorMode = ErrorHandlingMode::PreventDoubleError;
            s_.settings.errorMode = static_cast<std::int32_t>(state_.errorMode);
            s_.profile.setSettingsText(s_.settings.toText());
        }
    }
}

void PracticeSession::CorrectWithBackspace() {
    if (state_.column == 0) {
        if (state_.lineIndex == 0) {
            return;
        }
        const std::string& previous = s_.course.Line(state_.lessonIndex, state_.lineIndex - 1);
        state_.column = std::max(0, static_cast<int>(previous.size()) - 1);
        PreviousLine();
    } else {
        --state_.column;
    }
    state_.strokeCount = std::max(0, state_.strokeCount - 1);
    state_.errorCount = std::max(0, state_.errorCount - 1);
    SetMark(state_.column, ' ');
    state_.lastStrokeCorrect = true;
    s_.strokeLog.RemoveLast();
    HandPanelState();
    s_.panel.Repaint();
}

void PracticeSession::NextLine() {
    ++state_.lineIndex;
    state_.olderMarks = state_.previousMarks;
    state_.previousMarks = state_.errorMarks;
    state_.errorMarks = PracticeState::BlankMarks();
}

void PracticeSession::PreviousLine() {
    if (state_.lineIndex <= 0) {
        return;
    }
    --state_.lineIndex;
    state_.errorMarks = state_.previousMarks;
    state_.previousMarks = state_.olderMarks;
}

bool PracticeSession::StartLesson(int lesson) {
    state_.column = 0;
    state_.lineIndex = 0;
    state_.errorCount = 0;
    state_.strokeCount = 0;
    state_.errorRate = 0.0;
    state_.lastStrokeCorrect = true;
    state_.lineCount = s_.course.LineCount(lesson);
    state_.speedLimit = TruncateToInt(s_.course.SpeedLimit(lesson));
    state_.errorLimit = s_.course.ErrorLimit(lesson);
    state_.timeLimitSeconds = s_.course.TimeLimit().TotalSeconds();
    if (state_.lineCount == 0) {
        return false;
    }
    const std::string& title = s_.course.Title(lesson);
    s_.dialogs.NoteBox(std::string(PracticeTexts::kNote) + " " + title);
    s_.strokeLog.Start(lesson, state_.userName, state_.errorLimit, state_.speedLimit,
                       ClampToInt32(s_.course.TotalCharacters(lesson)), title);
    state_.errorMarks = PracticeState::BlankMarks();
    state_.lastStrokeTime = s_.clock.TickMs();
    state_.activeTime = 0;
    return true;
}

bool PracticeSession::BeginLesson(int lesson) {
    state_.lessonIndex = lesson;
    if (!StartLesson(lesson)) {
        // Nothing half-started stays behind.
        ResetRun();
        return false;
    }
    state_.runActive = true;
    HandPanelState();
    s_.window.ApplyLayout();
    s_.window.TakeFocus();
    return true;
}

std::int64_t PracticeSession::ActiveMilliseconds() const {
    return state_.activeTime + (s_.clock.TickMs() - state_.lastStrokeTime);
}

std::int64_t PracticeSession::ActiveSeconds() const {
    return ActiveMilliseconds() / 1000;
}

void PracticeSession::UpdateSpeed() {
    const std::int64_t seconds = ActiveSeconds();
    if (seconds > 0) {
        state_.speed = static_cast<double>(state_.strokeCount) / static_cast<double>(seconds);
        return;
    }
    // Below one whole second the milliseconds measure the speed, which meets the
    // whole-second formula at exactly one second; with no measurable time there is no speed.
    const std::int64_t ms = ActiveMilliseconds();
    state_.speed = ms > 0 ? state_.strokeCount * 1000.0 / static_cast<double>(ms) : 0.0;
}

void PracticeSession::UpdateErrorRate() {
    state_.errorRate = state_.strokeCount != 0
                           ? state_.errorCount * 100.0 / static_cast<double>(state_.strokeCount)
                           : state_.errorCount * 100.0;
}

bool PracticeSession::LessonPassed() const {
    return state_.speed * 60.0 >= static_cast<double>(state_.speedLimit) &&
           state_.errorRate <= state_.errorLimit;
}

int PracticeSession::SpeedPercent() const {
    if (state_.speedLimit == 0) {
        return 0;
    }
    return TruncateToInt(state_.speed * 60.0 / state_.speedLimit * 100.0);
}

int PracticeSession::ErrorPercent() const {
    if (state_.errorLimit == 0.0) {
        return 0;
    }
    return TruncateToInt(state_.errorRate / state_.errorLimit * 100.0);
}

void PracticeSession::ShowProgressFigures() {
    if (state_.speedLimit == 0 || state_.errorLimit == 0.0) {
        return;
    }
    s_.panel.ShowProgress(ActiveSeconds(), SpeedPercent(), ErrorPercent());
}

void PracticeSession::SaveResult(bool passed) {
    if (state_.lessonIndex == LessonCourse::OwnTextLesson) {
        return;
    }
    if (passed) {
        s_.profile.setResult(state_.lessonIndex, s_.clock.NowSeconds(), state_.errorRate,
                             TruncateToInt(state_.speed * 60.0), ActiveSeconds());
    } else if (state_.strokeCount > 0 && state_.lessonIndex != PracticeState::kNoLesson) {
        s_.profile.setResult(state_.lessonIndex, s_.clock.NowSeconds(), 0.0, 0, ActiveSeconds());
    }
}

void PracticeSession::StartMetronomeIfWanted() {
    if (s_.settings.metronomeFlags == 0) {
        return;
    }
    if (s_.settings.metronomeRate <= 0) {
        s_.settings.metronomeRate = 1;
    }
    s_.metronome.StartMetronome(MetronomeIntervalMs(s_.settings.metronomeRate),
                                s_.settings.metronomeFlags);
}

void PracticeSession::OnSetFocus() {
    if (!state_.runActive) {
        s_.window.FocusToTextPanel();
        return;
    }
    s_.window.RepaintWindow();
    s_.window.SetPracticeTimer();
    s_.metronome.StopMetronome();
    StartMetronomeIfWanted();
    // Time without the focus, and the pause since the last stroke, is not typing time.
    state_.lastStrokeTime = s_.clock.TickMs();
}

void PracticeSession::OnKillFocus() {
    UpdateSpeed();
    s_.window.KillPracticeTimer();
    s_.metronome.StopMetronome();
}

void PracticeSession::OnTimer(int timerId) {
    if (timerId != PracticeWindow::kPracticeTimerId || !state_.runActive || inactivityNoteOpen_) {
        return;
    }
    ++state_.idleTicks;
    if (state_.strokeCount != state_.strokesAtLastTick) {
        state_.strokesAtLastTick = state_.strokeCount;
        state_.idleTicks = 0;
    } else if (state_.idleTicks > kIdleTicksBeforeNote) {
        // The count starts again before the note shows, so the note's own time is quiet time
        // of the next round, not a reason for another note at once.
        state_.idleTicks = 0;
        inactivityNoteOpen_ = true;
        s_.dialogs.NoteBox(state_.strokeCount == 0 ? PracticeTexts::kCopyPlease
                                                   : PracticeTexts::kTimerStopped);
        inactivityNoteOpen_ = false;
    }

    if (state_.initialTestRunning && ActiveSeconds() / 60 >= kInitialTestMinutes) {
        EndInitialTest();
        if (!state_.runActive) {
            return;
        }
    }

    if (state_.lessonIndex == LessonCourse::OwnTextLesson &&
        ActiveSeconds() > state_.timeLimitSeconds) {
        if (EndOfLessonFailed(true)) {
            return;
        }
        BeginLesson(LessonCourse::OwnTextLesson);
        if (!state_.runActive) {
            return;
        }
    }

    DrawCursor();
    UpdateSpeed();
    ShowProgressFigures();
    s_.panel.NextMovieFrame();
}

bool PracticeSession::EndOfText() {
    if (state_.initialTestRunning) {
        EndInitialTest();
        return false;
    }
    bool exit = false;
    if (state_.lessonIndex == LessonCourse::OwnTextLesson) {
        // Own texts are never recorded.
        exit = EndOfLessonFailed(true);
    } else if (LessonPassed()) {
        SaveResult(true);
        exit = EndOfLessonPassed();
    } else {
        SaveResult(false);
        exit = EndOfLessonFailed(false);
    }
    if (exit) {
        return false;
    }
    if (StartLesson(state_.lessonIndex)) {
        return true;
    }
    CourseCompleted();
    return false;
}

bool PracticeSession::EndOfLessonPassed() {
    const EndOfLessonChoice choice = s_.dialogs.EndOfLesson(
        EndOfLessonDialogModel(state_.userName, true, state_.lessonIndex + 1));
    if (choice.nextLesson && !choice.exit) {
        ++state_.lessonIndex;
        state_.lastStrokeCorrect = true;
    }
    if (choice.exit) {
        ResetRun();
        s_.panel.Repaint();
        return true;
    }
    return false;
}

bool PracticeSession::EndOfLessonFailed(bool ownText) {
    const int number = ownText ? EndOfLessonDialogModel::kOwnTextNumber : state_.lessonIndex + 1;
    const EndOfLessonChoice choice =
        s_.dialogs.EndOfLesson(EndOfLessonDialogModel(state_.userName, false, number));
    if (choice.exit) {
        ResetRun();
        s_.panel.Repaint();
        return true;
    }
    return false;
}

void PracticeSession::CourseCompleted() {
    s_.dialogs.InfoBox(PracticeTexts::kCourseCompleted, false);
    state_.runActive = false;
    s_.metronome.StopMetronome();
}

void PracticeSession::ResetRun() {
    state_.lessonIndex = PracticeState::kNoLesson;
    state_.column = 0;
    state_.lineIndex = 0;
    state_.lineCount = 0;
    state_.runActive = false;
    state_.errorCount = 0;
    state_.strokeCount = 0;
    state_.strokesAtLastTick = -1;
    state_.idleTicks = 0;
    state_.errorMarks = PracticeState::BlankMarks();
    state_.errorRate = 0.0;
    state_.lastStrokeTime = 0;
    state_.activeTime = 0;
    state_.initialTestRetry = false;
    state_.lastStrokeCorrect = true;
    // The metronome beats only during a run.
    s_.metronome.StopMetronome();
    HandPanelState();
}

void PracticeSession::InitialTestChooser() {
    s_.dialogs.UserDetails();
    const int lesson = s_.dialogs.InitialTestWizard(state_.initialTestRetry);
    if (lesson >= 0) {
        s_.window.EnterInitialTestMenu();
        if (BeginLesson(lesson)) {
            return;
        }
        // A test lesson without text cannot be run; the menus must not stay greyed.
        s_.window.LeaveInitialTestMenu();
    }
    ResetRun();
    s_.panel.Repaint();
    s_.window.TakeFocus();
    state_.initialTestRunning = false;
}

void PracticeSession::EndInitialTest() {
    s_.window.LeaveInitialTestMenu();
    if (!LessonPassed()) {
        s_.dialogs.InfoBox(PracticeTexts::kTestFailed, false);
        state_.initialTestRetry = true;
        InitialTestChooser();
        return;
    }
    s_.dialogs.InfoBox(PracticeTexts::kTestPassed, false);
    state_.initialTestRunning = false;
    s_.profile.addEmptyResults(state_.lessonIndex + 1);
    SaveResult(true);
    ResetRun();
    s_.panel.Repaint();
}

bool PracticeSession::ChooseLesson(int lesson) {
    SaveResult(false);
    return BeginLesson(lesson);
}

void PracticeSession::EndOfTestCommand() {
    if (!state_.initialTestRunning || !state_.runActive) {
        return;
    }
    state_.speedLimit = kEndOfTestSpeedLimit;
    EndInitialTest();
}

void PracticeSession::AbandonRun() {
    SaveResult(false);
    state_.runActive = false;
    s_.metronome.StopMetronome();
}

void PracticeSession::UserLoggedIn(std::string userName, bool newUser) {
    ResetRun();
    state_.userName = std::move(userName);
    state_.initialTestRunning = newUser;
}
