#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/testing/fake_clock.h"
#include "tutor/course/lesson_course.h"
#include "tutor/practice/metronome_control.h"
#include "tutor/practice/practice_dialogs.h"
#include "tutor/practice/practice_session.h"
#include "tutor/practice/practice_text_panel.h"
#include "tutor/practice/practice_window.h"
#include "tutor/practice/sound_request.h"
#include "tutor/users/diskette_folder.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/user_profile.h"

/// The main window, its panel, its modal windows, the sound worker and the metronome as the
/// tests see them. Like the real window it loses the keyboard focus while a modal window is
/// open and gets it back when the window closes, telling the session both times; the clock
/// may run while a window is open (dialogMs) to stand for the user reading it.
class FakePracticeHost final : public PracticeTextPanel,
                               public PracticeWindow,
                               public PracticeDialogs,
                               public SoundRequestSink,
                               public MetronomeControl {
  public:
    enum class Focus { Elsewhere, Main, Panel, Dialog };

    explicit FakePracticeHost(FakeClock& clock) : clock_(clock) {}
    void Attach(PracticeSession& session) { session_ = &session; }

    // PracticeTextPanel
    void SetText(const PanelState& state) override { panel = state; }
    void Repaint() override { ++repaints; }
    void DrawCursor(const PanelState& state, bool, int, bool backspaceAwaited) override {
        panel = state;
        lastBackspaceAwaited = backspaceAwaited;
        ++cursorDraws;
    }
    void ShowProgress(std::int64_t activeSeconds, int speedPercent, int errorPercent) override {
        progress.push_back({activeSeconds, speedPercent, errorPercent});
    }
    void NextMovieFrame() override { ++movieFrames; }
    void MetronomeTick() override { ++metronomeTicks; }

    // PracticeWindow
    void SetPracticeTimer() override { timerSet = true; }
    void KillPracticeTimer() override { timerSet = false; }
    void TakeFocus() override;
    void FocusToTextPanel() override;
    void RepaintWindow() override { ++windowRepaints; }
    void ApplyLayout() override { ++layouts; }
    void EnterInitialTestMenu() override { testMenu = true; }
    void LeaveInitialTestMenu() override { testMenu = false; }

    // PracticeDialogs
    void NoteBox(const std::string& text) override;
    bool InfoBox(const std::string& text, bool repeatCheckBox) override;
    EndOfLessonChoice EndOfLesson(const EndOfLessonDialogModel& model) override;
    void UserDetails() override;
    int InitialTestWizard(bool atTestPage) override;

    // SoundRequestSink
    void RequestSound(SoundRequest request) override { sounds.push_back(request); }

    // MetronomeControl
    void StartMetronome(int intervalMs, int flags) override {
        metronomeStarts.push_back({intervalMs, flags});
        metronomeRunning = true;
    }
    void StopMetronome() override { metronomeRunning = false; }

    /// Types each character after delayMs on the clock.
    void Type(const std::string& text, std::int64_t delayMs = 0);
    /// 400 ms pass; the session gets the practice-timer tick when the timer runs and the main
    /// window has the focus. Returns whether it got it.
    bool Tick();
    /// The user switches to another program and back after ms.
    void SwitchAway(std::int64_t ms);

    Focus focus = Focus::Panel;
    bool timerSet = false;
    bool testMenu = false;
    bool metronomeRunning = false;
    /// Milliseconds the clock runs while a modal window is open.
    std::int64_t dialogMs = 0;

    // Answers of the modal windows, taken in order; when empty: repeat, keep checked, no lesson.
    std::deque<EndOfLessonChoice> endChoices;
    std::deque<bool> repeatChecked;
    std::deque<int> wizardLessons;
    /// Runs while the next "End of the Lesson" dialog is open (its Results / Save buttons).
    std::function<void()> whileEndDialogOpen;
    /// Runs while each note is open (timer ticks reaching the window through the note's loop).
    std::function<void()> whileNoteOpen;

    PanelState panel;
    bool lastBackspaceAwaited = false;
    int repaints = 0;
    int cursorDraws = 0;
    int movieFrames = 0;
    int metronomeTicks = 0;
    int windowRepaints = 0;
    int layouts = 0;
    int userDetailsShown = 0;
    struct Progress {
        std::int64_t activeSeconds;
        int speedPercent;
        int errorPercent;
        bool operator==(const Progress&) const = default;
    };
    std::vector<Progress> progress;
    std::vector<std::string> notes;
    std::vector<std::string> infos;
    std::vector<bool> infoCheckBoxes;
    std::vector<EndOfLessonDialogModel> endDialogs;
    std::vector<bool> wizardAtTestPage;
    std::vector<SoundRequest> sounds;
    struct MetronomeStart {
        int intervalMs;
        int flags;
        bool operator==(const MetronomeStart&) const = default;
    };
    std::vector<MetronomeStart> metronomeStarts;

  private:
    /// Opens a modal window around show.
    void Modal(const std::function<void()>& show);

    FakeClock& clock_;
    PracticeSession* session_ = nullptr;
};

/// A course of three lessons and everything a session needs, with the session on top.
///   lesson 0 "Home row": lines "abc", "cab", speed limit 120, error limit 1.5
///   lesson 1 "Second": line "ab ba" + LineEndMark, speed limit 60, error limit 2.0
///   lesson 2 "Third": line "cc", speed limit 30, error limit 10.0
class PracticeFixture {
  public:
    static std::vector<std::string> CourseLines();

    explicit PracticeFixture(bool newUser = false,
                             std::vector<std::string> courseLines = CourseLines(),
                             const std::string& coursePath = "/data/lessons/00000409_a.ddd");

    /// A new session (as after a login); settings changed before are taken.
    void Recreate(bool newUser = false);
    const PracticeState& state() const { return session->state(); }

    FakeClock clock;
    LessonCourse course;
    StrokeLog log{clock};
    FixedDisketteFolder diskette{""};
    UserProfile profile{clock, "/nonexistent-users", diskette};
    TutorSettings settings;
    FakePracticeHost host{clock};
    std::unique_ptr<PracticeSession> session;
};
