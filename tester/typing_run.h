#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tester/key_filter.h"
#include "tester/key_message.h"
#include "tester/tester_sheets.h"

class Clock;
class TypingRunHost;

/// A typing run: Start with its sheet and the Start dialog, the run from the dialog's closing
/// to the time limit or a second F2, Pause, the one-second clock, the keystroke log, and the
/// assessment at the end. The window translates events into these calls and carries out what
/// comes back.
///
/// Idle -> (Start confirmed) waiting with the Start dialog open -> (dialog closed) running,
/// which pause toggles -> (Stop or time limit) results available. A change of the system clock
/// goes from running straight back to idle without results.
class TypingRun {
  public:
    static constexpr const char* kNoEnterMessage =
        "The program will remove all \"Enters\" from the original text, because you cannot use "
        "the Enter key.";
    static constexpr const char* kTimeChangedMessage =
        "The system time has been changed.\n\nTHE TEST CANNOT BE COMPLETED!";
    static constexpr const char* kTimeLimitMessage = "End of time limit!";
    static constexpr const char* kExitQuestion = "Do you really want to exit Morvik?";
    /// The clock may run this many seconds ahead of the last tick before the run counts the
    /// system time as changed.
    static constexpr std::int64_t kTickSlackSeconds = 4;

    /// One key message with what the run decided about it.
    struct KeyOutcome {
        KeystrokeRecord message;
        KeyVerdict verdict;
    };

    TypingRun(const PageContext& context, TypingRunHost& host, Clock& clock);

    /// F2: Stop during a run; otherwise the Start sheet in its plain form.
    void Start();
    /// Start after Load Typing Test: the definition's pages read-only, the typist's editable.
    void StartFromDefinition();
    /// The Start dialog was closed, in whatever way: the run begins.
    void OnStartDialogClosed();
    /// The run timer's tick.
    void OnTimer();
    /// F5.
    void Pause();
    /// Ends the run: the typed text is taken and assessed, and the results follow.
    void Stop();

    /// Every key event of the typing view: its messages, each filtered, logged when the
    /// verdict says so, with any message shown. typedLength: the view's text length, a line
    /// break counting 2.
    std::vector<KeyOutcome> OnKeyEvent(const KeyEvent& event, int typedLength);
    /// Text an input method committed into the typing view.
    std::vector<KeyOutcome> OnCommit(std::u32string_view text, int typedLength);
    /// Appends a record with the time since the last one; nothing during a re-play.
    void LogKey(int message, std::int32_t wParam, std::int32_t lParam);

    /// The main window is being closed: false when the typist keeps it open (asked during a
    /// run). Otherwise the run ends without results and any re-play stops.
    bool ConfirmExit();

    // Enabling and menu texts of the commands.
    bool CanStart() const;
    std::string StartMenuText() const;
    bool CanPause() const;
    std::string PauseMenuText() const;
    bool PauseChecked() const;
    bool CanShowResults() const;

  private:
    void RunStartSheet(bool fromDefinition);
    std::vector<KeyOutcome> Decide(const KeyTranslation& translation, bool shift, bool ctrl,
                                   int typedLength);
    void Show(const std::string& text);
    void EndRun();

    PageContext context_;
    TestData& data_;
    TypingRunHost& host_;
    Clock& clock_;
    std::int64_t lastTick_ = 0;
};
