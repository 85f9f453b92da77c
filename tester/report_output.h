#pragma once

#include <string>

class TestData;

/// Where the printed report goes: the print dialog and printer, the preview, a PDF file. The
/// Qt layer paints the report; tests record the calls.
class ReportOutput {
  public:
    enum class PrinterChoice {
        Cancelled,
        /// The dialog was closed without a printer to print on.
        NoPrinter,
        Chosen,
    };

    virtual ~ReportOutput() = default;

    /// The print dialog: no page range, no selection.
    virtual PrinterChoice ChoosePrinter() = 0;
    /// Prints the report of data on the printer chosen last; false when it cannot be printed.
    virtual bool PrintOnChosenPrinter(const TestData& data) = 0;
    /// Shows the report in a preview, from which it can be printed.
    virtual void ShowPreview(const TestData& data) = 0;
    /// Writes the report to a PDF file; false when the file cannot be written.
    virtual bool WritePdf(const TestData& data, const std::string& path) = 0;
};
