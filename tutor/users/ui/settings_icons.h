#pragma once

#include <QIcon>

/// The pictures of the settings sheet, drawn in code: the three cursor shapes beside their
/// buttons (153 rectangle, 154 axe, 155 pointer), the blinking preview with the cursor (156)
/// and without it (157), the sound card (158) and the computer's speaker (159). Any other
/// number gives a null icon.
QIcon SettingsIcon(int number);
