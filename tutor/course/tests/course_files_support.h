#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/testing/temp_dir.h"

/// Writes lines as a line container file at folder/relativePath (folders created) and
/// returns the full path.
std::string WriteLineFile(const TempDir& folder, std::string_view relativePath,
                          const std::vector<std::string>& lines);

/// A small layout in the ".kdd" line form. Key indices:
///  0 "a" (finger 0)   1 "s" (1)   2 "j" (6)   3 "k" (7)
///  4 ";" Shift ":" written as 0xB6 (finger 9)   5 "1" Shift "!" (finger 0)
///  6 "e" AltGr "\x80" (finger 2)   7 "Shift" (finger 0)   8 "Shift" (finger 9)
///  9 "Alt" (finger 3)   10 "Alt" (finger 6)   11 "Bck" (finger 9)   12 "Tab" (finger 0)
///  13 "Cabs" (finger 0)   14 "Enter" (finger 9)   15 " " (finger 4)   16 "^" (finger 8, dead key)
std::vector<std::string> SmallLayoutLines(std::string identification);

/// Key index constants of SmallLayoutLines.
namespace small_layout {
inline constexpr int kA = 0, kS = 1, kJ = 2, kK = 3, kSemicolon = 4, kOne = 5, kE = 6,
                     kLeftShift = 7, kRightShift = 8, kLeftAlt = 9, kRightAlt = 10, kBackspace = 11,
                     kTab = 12, kCapsLock = 13, kEnter = 14, kSpace = 15, kCircumflex = 16;
}  // namespace small_layout
