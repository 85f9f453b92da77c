#pragma once

#include <string>
#include <vector>

/// The appearances the settings offer: the subfolders of the "pictures" folder that hold the
/// whole picture set of an appearance, sorted by name. A name holding ":" is left out, since
/// the settings text ends the name at a colon.
std::vector<std::string> InstalledAppearanceNames(const std::string& picturesFolder);
