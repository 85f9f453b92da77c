#pragma once

#include "tutor/practice/practice_panel_setup.h"

class AppearancePictures;
class TextPanel;

/// The practice panel's layout and pictures as the main window's commands set them up.
class TextPanelSetup final : public PracticePanelSetup {
  public:
    /// appearance is the one the panel draws from; both must outlive this object.
    TextPanelSetup(TextPanel& panel, const AppearancePictures& appearance)
        : panel_(panel), appearance_(appearance) {}

    /// The font also shrinks until the panel fits the screen.
    int ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands) override;
    bool LoadAppearance(const std::string& appearance) override;
    std::string loadedAppearance() const override;

  private:
    TextPanel& panel_;
    const AppearancePictures& appearance_;
};
