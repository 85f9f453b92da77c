#pragma once

#include <string>

#include "tester/tester_host.h"

/// The tester's window as a typing run and the test-definition commands see it, besides what
/// the results commands use.
class TypingRunHost : public TesterHost {
  public:
    /// The lower pane shows the typing view.
    virtual void ShowTypingView() = 0;
    /// Shows the Start dialog over the typing view and gives it the focus. Closing it in any
    /// way calls TypingRun::OnStartDialogClosed.
    virtual void ShowStartDialog() = 0;
    /// The typing view's text: code-page bytes with CR LF line breaks.
    virtual std::string TypedText() = 0;
    /// The one-second run timer, whose ticks call TypingRun::OnTimer.
    virtual void StartRunTimer() = 0;
    virtual void StopRunTimer() = 0;
    /// The elapsed time in its status pane and the time bar of the status view (per cent of
    /// the limit); an empty time empties the pane and the bar.
    virtual void ShowElapsed(const std::string& time, int percent) = 0;
    /// The run begins: the focus goes to the typing view, which alone takes the keyboard from
    /// now on; with follow the original view follows the typist.
    virtual void BeginRunView(bool follow) = 0;
    /// The run has ended: the original view stops following and scrolling smoothly.
    virtual void EndRunView() = 0;
    /// The state behind the commands changed: their enabling and menu texts.
    virtual void UpdateCommands() = 0;
    /// A test or results file was opened or written (the list of recent files).
    virtual void FileUsed(const std::string& path) = 0;
};
