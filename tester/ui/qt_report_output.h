#pragma once

#include <functional>
#include <memory>

#include "tester/report_output.h"

class QPrinter;
class QWidget;

/// The printed report through Qt: the print dialog (with Qt's own PDF printer kept), the print
/// preview, and PDF files; ReportPainter paints.
class QtReportOutput final : public ReportOutput {
  public:
    /// How the printer is chosen; the print dialog unless tests give another way. True when
    /// the choice was confirmed.
    using AskPrinter = std::function<bool(QPrinter& printer)>;

    explicit QtReportOutput(QWidget* parent, AskPrinter askPrinter = {});
    ~QtReportOutput() override;

    void SetAskPrinter(AskPrinter askPrinter) { askPrinter_ = std::move(askPrinter); }

    PrinterChoice ChoosePrinter() override;
    bool PrintOnChosenPrinter(const TestData& data) override;
    void ShowPreview(const TestData& data) override;
    bool WritePdf(const TestData& data, const std::string& path) override;

    /// A printer that can take the report: Qt's PDF printer with a file, or a printer of the
    /// system that exists.
    static bool CanPrintOn(const QPrinter& printer);

  private:
    bool ExecPrintDialog(QPrinter& printer);

    QWidget* parent_;
    AskPrinter askPrinter_;
    std::unique_ptr<QPrinter> printer_;
};
