#pragma once

#include <string>
#include <vector>

#include "tester/assessed_text_layout.h"
#include "tester/char_class.h"

class TestData;

/// The running gross total up to and including a line and the line's errors, in one unit.
struct LineFigures {
    int runningTotal = 0;
    int errors = 0;

    bool operator==(const LineFigures&) const = default;
};

/// The typed text with what the assessment says about each character: what the assessed-text
/// view and the printed report draw. Each character carries its share of the totals of both
/// units, so the figures of any lines add up to the totals of the basic results: the last
/// running total is the gross count, the line errors add up to the number of errors.
struct AssessedText {
    std::string text;
    /// One class per character (Correct where the assessment has none).
    std::vector<CharClass> classes;
    /// Points of each character (strokes unit).
    std::vector<int> points;
    /// 1 for each character, 0 for the LF of a CR LF (words unit: a line break counts once).
    std::vector<int> length;
    /// Counted errors at each position (strokes unit).
    std::vector<int> errors;
    /// Wrong characters at each position (words unit).
    std::vector<int> wrongCharacters;

    /// The mark drawn over a character. A line break is one place: it shows the mark of its
    /// CR, or of its LF when the CR has none, so an LF after a marked CR shows nothing.
    CharClass MarkAt(std::size_t index) const;

    /// The last assessment of data over its typed text.
    static AssessedText From(const TestData& data);

    /// The figures of each line in the unit (TestData::kStrokesUnit or kWordsUnit).
    std::vector<LineFigures> Figures(const std::vector<AssessedLine>& lines, int unit) const;

    /// "%5d": the running total at the left of a line.
    static std::string FormatRunningTotal(int total);
    /// "%3d": the errors at the right of a line.
    static std::string FormatLineErrors(int errors);
};
