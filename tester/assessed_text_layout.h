#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

/// One display line of the assessed text: the typed characters [begin, end). A line that a
/// line break ends holds the CR and LF of that break.
struct AssessedLine {
    std::size_t begin = 0;
    std::size_t end = 0;

    bool operator==(const AssessedLine&) const = default;
};

/// Where a character stands on its line: its left and right edge, measured from the line's
/// start.
struct CharBox {
    double left = 0.0;
    double right = 0.0;

    bool operator==(const CharBox&) const = default;
};

/// The typed text broken into lines that fit a width, with every character keeping its index
/// in the text, so that the marks of the assessment land on the characters they belong to.
///
/// A line takes as many whole words as fit; a word longer than a whole line is cut where the
/// line is full. A space that no longer fits stays at the end of its line, so that the next
/// line starts with the word after it. CR LF (or a lone CR or LF) ends a line; the break takes
/// no room, and its box is the width of a space right after the line's last character, where
/// a mark on the break is drawn. Every line holds at least one character.
class AssessedTextLayout {
  public:
    /// The width of one code-page character in the text font.
    using Advance = std::function<double(unsigned char)>;

    AssessedTextLayout() = default;

    static AssessedTextLayout Break(std::string_view text, const Advance& advance, double width);

    const std::vector<AssessedLine>& lines() const { return lines_; }
    /// One box per character of the text.
    const std::vector<CharBox>& boxes() const { return boxes_; }
    /// The index of the line that holds a character (lines().size() past the text).
    std::size_t LineOf(std::size_t index) const;

  private:
    std::vector<AssessedLine> lines_;
    std::vector<CharBox> boxes_;
};
