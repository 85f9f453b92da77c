#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// Turns the lines of a user's own text into lines that can be copied in the practice window.
class OwnTextReader final {
  public:
    /// The longest line the practice window presents.
    static constexpr std::size_t kLineWidth = 70;

    /// Tabs become spaces, runs of spaces shrink (two passes that each halve them), characters
    /// the keyboard cannot type go, empty lines go, and lines longer than kLineWidth are broken
    /// at their last space with the rest carried to the front of the next line. A line whose
    /// first kLineWidth characters hold no space is cut there.
    static void Normalise(std::vector<std::string>& lines, std::string_view acceptedCharacters);

    /// Each pair of adjacent spaces becomes one space, scanning from the left without overlap.
    static void HalveSpaceRuns(std::string& line);

    /// True when path holds ".rtf" in any letter case: such files are read as rich text.
    static bool IsRichTextPath(std::string_view path);
};
