#include "tester/ui/qt_report_output.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "tester/ui/report_painter.h"

QtReportOutput::QtReportOutput(QWidget* parent, AskPrinter askPrinter)
    : parent_(parent), askPrinter_(std::move(askPrinter)) {}

QtReportOutput::~QtReportOutput() = default;

bool QtReportOutput::ExecPrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    // The whole report is printed: no page range, no selection, no current page.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtReportOutput::CanPrintOn(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return !printer.outputFileName().isEmpty();
    }
    return printer.isValid() && !printer.printerName().isEmpty();
}

ReportOutput::PrinterChoice QtReportOutput::ChoosePrinter() {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const bool confirmed = askPrinter_ ? askPrinter_(*printer_) : ExecPrintDialog(*printer_);
    if (!confirmed) {
        return PrinterChoice::Cancelled;
    }
    return CanPrintOn(*printer_) ? PrinterChoice::Chosen : PrinterChoice::NoPrinter;
}

bool QtReportOutput::PrintOnChosenPrinter(const TestData& data) {
    return printer_ != nullptr && ReportPainter::Print(*printer_, data);
}

void QtReportOutput::ShowPreview(const TestData& data) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(ReportPainter::kPdfResolution);
    QPrintPreviewDialog preview(&printer, parent_);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&data](QPrinter* target) { ReportPainter::Print(*target, data); });
    preview.exec();
}

bool QtReportOutput::WritePdf(const TestData& data, const std::string& path) {
    return ReportPainter::WritePdf(data, path);
}
