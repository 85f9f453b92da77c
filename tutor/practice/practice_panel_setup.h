#pragma once

#include <string>

/// What the main window sets up on its practice panel besides the engine's drawing calls: its
/// layout for the parts shown, and the pictures of the user's appearance.
class PracticePanelSetup {
  public:
    virtual ~PracticePanelSetup() = default;
    /// Lays the panel out for the parts shown (the text font fitted to the panel and the
    /// screen); returns the panel height it needs.
    virtual int ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands) = 0;
    /// Loads the pictures of appearance; when they cannot be loaded the user is told and the
    /// standard appearance is loaded instead. False when no appearance could be loaded at
    /// all: the program cannot go on.
    virtual bool LoadAppearance(const std::string& appearance) = 0;
    /// The appearance whose pictures are loaded; empty when none is.
    virtual std::string loadedAppearance() const = 0;
};
