#pragma once

class PracticeSession;

/// Who has the keyboard focus as the practice engine counts it: the main window itself (the
/// practice timer runs, typing time counts) or something else (its text panel, a modal window,
/// another program). The window reports its activation changes and every modal window's
/// opening and closing; the engine hears OnSetFocus and OnKillFocus once per change. A modal
/// window reports synchronously, so the engine stops at the moment the window opens and goes
/// on at the moment it closes; the activation changes the desktop reports later for the same
/// window are then no changes any more.
class MainFrameFocus {
  public:
    /// The session must outlive the object.
    explicit MainFrameFocus(PracticeSession& session) : session_(session) {}

    /// The main window became the active window.
    void Activated();
    /// The main window is no longer the active window.
    void Deactivated();
    /// A modal window opened (nested ones count).
    void ModalOpened();
    /// A modal window closed; when the last one closes the main window gets the focus back if
    /// it had it before the first opened.
    void ModalClosed();
    /// The main window takes the focus: at once when it is the active window (also when a
    /// modal window has just given the activation back), else when it becomes active.
    void Take();
    /// The focus goes to the text panel inside the main window.
    void ToPanel();

    bool mainHasFocus() const { return mainHasFocus_; }
    bool modalOpen() const { return modalDepth_ > 0; }
    /// Whether the main window is the active window, counting a modal window's return of the
    /// activation at once.
    bool windowActive() const { return windowActive_; }

  private:
    void Set();
    void Kill();

    PracticeSession& session_;
    bool mainHasFocus_ = false;
    bool windowActive_ = false;
    int modalDepth_ = 0;
    bool focusBeforeModal_ = false;
    bool activeBeforeModal_ = false;
};
