#pragma once

#include <string>
#include <vector>

struct BasicResults;
class TestData;

/// A text of the printed report at a place on the page: x is its left edge, or its right edge
/// when alignRight; y is the top of its line.
struct ReportText {
    int x = 0;
    int y = 0;
    std::string text;
    bool alignRight = false;

    bool operator==(const ReportText&) const = default;
};

/// Where everything of the printed report goes, in the printer's device units. The character
/// unit is the size of "W" in the report font (cx wide, cy high). Every page has the header
/// box with the results; below it the assessed text, a line every 2 cy, its text from 7 cx on,
/// the running total at its left and the line's errors at its right.
class ReportLayout {
  public:
    /// pageWidth and pageHeight: the printable area.
    ReportLayout(int pageWidth, int pageHeight, int cx, int cy);

    /// At least 1, even on a page too small for the header: the report must come to an end.
    int LinesPerPage() const;
    /// The pages for a text of lineCount lines; an empty text still prints one page.
    int PageCount(int lineCount) const;

    // The header box.
    int BoxLeft() const { return 3 * cx_; }
    int BoxTop() const { return 2 * cy_; }
    int BoxRight() const { return pageWidth_ - 3 * cx_; }
    int BoxBottom() const { return 11 * cy_ - cy_ / 2; }

    // The assessed text.
    int TextLeft() const { return 7 * cx_; }
    /// The width the text is broken to: the page width less 11 characters.
    int TextWidth() const;
    /// The top of the k-th line on a page.
    int LineTop(int k) const { return 11 * cy_ + 2 * cy_ * k; }
    /// The left edge of the running total ("%5d", five characters).
    int TotalLeft() const { return cx_; }
    /// The left edge of the line's errors ("%3d", three characters).
    int ErrorsLeft() const { return pageWidth_ - 3 * cx_; }

    /// The texts of the header box of a page: the web address at the top right, the labels
    /// and values of the results, the typist, the e-mail address and the file identifier.
    std::vector<ReportText> HeaderTexts(const TestData& data, const BasicResults& results,
                                        int pageNumber, const std::string& webAddress) const;

    int pageWidth() const { return pageWidth_; }
    int pageHeight() const { return pageHeight_; }
    int cx() const { return cx_; }
    int cy() const { return cy_; }

  private:
    int pageWidth_;
    int pageHeight_;
    int cx_;
    int cy_;
};
