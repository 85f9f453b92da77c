#pragma once

#include <string>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class TestData;

/// The printed report of the results, the same on paper, in the preview and in a PDF: on
/// every page a box with the figures (in the unit in speedUnit), the typist and the file
/// identifier, below it the assessed text in "Courier New" 12 pt with its marks in black, the
/// running totals and the line errors. Everything is measured in the printer's device units
/// from the size of "W" in that font.
class ReportPainter {
  public:
    /// The name of the print job.
    static constexpr const char* kJobName = "Morvik PRN";
    /// The resolution of PDF files and of the preview, a laser printer's: the marks' pen of
    /// 2 device units is then as thin as on paper, not a hairline.
    static constexpr int kPdfResolution = 600;

    /// Paints the whole report on the printer, a new page for every page after the first.
    /// False when the printer cannot be painted on (no device, a file that cannot be
    /// written).
    static bool Print(QPrinter& printer, const TestData& data);

    /// Writes the report as a PDF file; the file appears whole or not at all. False when it
    /// cannot be written.
    static bool WritePdf(const TestData& data, const std::string& path);
};
