#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "tutor/practice/practice_state.h"
#include "tutor/practice/practice_text_panel.h"

class Clock;
class LessonCourse;
class MetronomeControl;
class PracticeDialogs;
class PracticeWindow;
class SoundRequestSink;
class StrokeLog;
class UserProfile;
struct TutorSettings;

/// The practice engine of the tutor's main window: it evaluates every typed character against
/// the copy text, keeps the run clock and figures, and decides what happens at the end of a
/// text. The main window forwards its character, timer, focus and command events here; the
/// engine reaches the window, its text panel, the modal windows, the sound worker and the
/// metronome through small interfaces.
class PracticeSession {
  public:
    static constexpr char kBackspace = 8;
    static constexpr char kEnter = 13;
    /// Practice-timer ticks without a stroke before the inactivity note: about 8.8 seconds.
    static constexpr int kIdleTicksBeforeNote = 21;
    /// Whole minutes of active time after which the initial test ends.
    static constexpr std::int64_t kInitialTestMinutes = 5;
    /// The speed limit that makes "&End of Test" fail the test.
    static constexpr int kEndOfTestSpeedLimit = 5000;

    struct Services {
        const Clock& clock;
        LessonCourse& course;
        StrokeLog& strokeLog;
        UserProfile& profile;
        TutorSettings& settings;
        PracticeTextPanel& panel;
        PracticeWindow& window;
        PracticeDialogs& dialogs;
        SoundRequestSink& sound;
        MetronomeControl& metronome;
    };

    /// Every service must outlive the session. The run starts reset.
    PracticeSession(Services services, std::string userName, bool initialTestRunning);

    const PracticeState& state() const { return state_; }

    /// The characters the current keyboard can type; all others are ignored.
    void SetAcceptedCharacters(std::string_view characters);
    /// The user's settings changed: the error mode is taken from them and, during a run, the
    /// layout is recomputed and the metronome restarted.
    void SettingsChanged();

    // Window events.
    /// One character message.
    void OnChar(char code);
    void OnSetFocus();
    void OnKillFocus();
    void OnTimer(int timerId);

    // The engine.
    /// Starts a run of lesson; false (and the run idle) when the lesson has no lines.
    bool BeginLesson(int lesson);
    /// Prepares a run of lesson without touching runActive; false when it has no lines.
    bool StartLesson(int lesson);
    void RecordError(char typed);
    void NextLine();
    void PreviousLine();

    // The run clock.
    void UpdateSpeed();
    void UpdateErrorRate();
    bool LessonPassed() const;
    /// Active milliseconds now, including the time since the last stroke.
    std::int64_t ActiveMilliseconds() const;
    std::int64_t ActiveSeconds() const;
    /// Records the run in the user's results: the attempt with its figures when passed, else
    /// an unqualified attempt if anything was typed. Own-text runs are never recorded.
    void SaveResult(bool passed);

    // Lesson progression.
    /// The last line has been typed; true when a new run goes on at its first line.
    bool EndOfText();
    /// Returns whether Exit was chosen.
    bool EndOfLessonPassed();
    bool EndOfLessonFailed(bool ownText);
    void CourseCompleted();
    void ResetRun();
    void InitialTestChooser();
    void EndInitialTest();

    // Commands of the main window.
    /// A lesson was chosen in the lesson chooser: the run in progress is recorded, the new
    /// one begins.
    bool ChooseLesson(int lesson);
    /// "&End of Test": the test ends as failed.
    void EndOfTestCommand();
    /// Another user logs in or the program closes: the run is recorded as an attempt and ends.
    void AbandonRun();
    /// Another user has logged in: the run is reset and the initial test awaits a new user.
    void UserLoggedIn(std::string userName, bool newUser);

    /// The figures the statistics strip shows, in per cent of the limits, each truncated.
    int SpeedPercent() const;
    int ErrorPercent() const;

  private:
    bool IsAccepted(char c) const { return accepted_.test(static_cast<unsigned char>(c)); }
    const std::string& CurrentLine() const;
    PanelState MakePanelState() const;
    void HandPanelState();
    void DrawCursor();
    void ShowProgressFigures();
    void CorrectWithBackspace();
    void SetMark(int column, char mark);
    void StartMetronomeIfWanted();
    bool BackspaceAwaited() const;

    Services s_;
    PracticeState state_;
    std::bitset<256> accepted_;
    /// The inactivity note is open: the timer keeps ticking inside its modal event loop, and
    /// those ticks must not stack a second note on the first.
    bool inactivityNoteOpen_ = false;
};
