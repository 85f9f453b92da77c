#pragma once

#include <string>

/// The main window as its commands need it besides the practice engine's PracticeWindow: its
/// size for the practice panel, its placement, closing and the end of the program.
class MainFrameWindow {
  public:
    virtual ~MainFrameWindow() = default;
    /// The practice panel needs this height: the window's minimum height becomes it plus the
    /// frame around the panel (menu and status bar), and a lower window grows to it.
    virtual void SetNeededPanelHeight(int panelHeight) = 0;
    /// Closes the window as its close box does (the close sequence runs).
    virtual void CloseWindow() = 0;
    /// Ends the program with exitCode once control returns to the event loop; the close
    /// sequence does not run again.
    virtual void QuitProgram(int exitCode) = 0;
    /// Stores the window's position and size.
    virtual void SavePlacement() = 0;
    /// Puts the window where its stored placement says.
    virtual void RestorePlacement() = 0;
    /// One line in the status bar (code-page text); empty clears it.
    virtual void ShowStatusText(const std::string& text) = 0;
};
