#pragma once

#include <string>

#include "common/message_sink.h"
#include "tester/report_output.h"
#include "tester/test_data.h"
#include "tester/tester_host.h"

class YesNoQuestion;

/// Print Results, Print Preview and Print to PDF: the printed report of the current results
/// on a printer chosen in the print dialog, in a preview, or in a PDF file. All three work
/// when results are available.
class ReportCommands {
  public:
    static constexpr const char* kNoPrinterMessage = "No printer selected!";
    static constexpr const char* kPdfFilter = "PDF file (*.pdf)|*.pdf|All files (*.*)|*.*||";
    static constexpr const char* kPdfExtension = ".pdf";

    ReportCommands(TestData& data, TesterHost& host, ReportOutput& output, MessageSink& messages,
                   YesNoQuestion& questions);

    bool CanPrint() const;

    void PrintResults();
    void PrintPreview();
    /// The save dialog's name gets ".pdf" as Save Results gets its extension, asking before
    /// the name with it replaces a file.
    void PrintToPdf();

  private:
    void Warn(const std::string& text);

    TestData& data_;
    TesterHost& host_;
    ReportOutput& output_;
    MessageSink& messages_;
    YesNoQuestion& questions_;
};
