#include "tutor/practice/ui/text_panel_setup.h"

#include "tutor/course/ui/appearance_pictures.h"
#include "tutor/practice/ui/text_panel.h"

int TextPanelSetup::ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands) {
    return panel_.ComputeLayout(showStatistics, showKeyboard, showHands, panel_.AvailableHeight());
}

bool TextPanelSetup::LoadAppearance(const std::string& appearance) {
    return panel_.LoadAppearance(appearance);
}

std::string TextPanelSetup::loadedAppearance() const {
    return appearance_.loaded();
}
