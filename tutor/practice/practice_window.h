#pragma once

/// The main window as the practice engine needs it: its focus, its practice timer, its layout
/// and the menu of the initial test. Focus changes come back to the engine as
/// PracticeSession::OnSetFocus / OnKillFocus, as a modal window's opening and closing do.
class PracticeWindow {
  public:
    /// Identifier and period of the practice timer, whose ticks go to PracticeSession::OnTimer.
    static constexpr int kPracticeTimerId = 275;
    static constexpr int kPracticeTimerMs = 400;

    virtual ~PracticeWindow() = default;
    virtual void SetPracticeTimer() = 0;
    virtual void KillPracticeTimer() = 0;
    /// Gives the main window the keyboard focus (nothing when it has it).
    virtual void TakeFocus() = 0;
    /// Passes the keyboard focus to the text panel (while no run is active).
    virtual void FocusToTextPanel() = 0;
    /// Invalidates, erases and repaints the whole window at once.
    virtual void RepaintWindow() = 0;
    /// Computes the layout for the current settings and applies the window size it needs.
    virtual void ApplyLayout() = 0;
    /// Greys every menu and puts "&End of Test" in front of the menu bar.
    virtual void EnterInitialTestMenu() = 0;
    /// Removes "&End of Test" and enables the menus again.
    virtual void LeaveInitialTestMenu() = 0;
};
