#include "tester/report_commands.h"

#include <optional>

#include "tester/result_commands.h"
#include "tester/save_file_choice.h"

ReportCommands::ReportCommands(TestData& data, TesterHost& host, ReportOutput& output,
                               MessageSink& messages, YesNoQuestion& questions)
    : data_(data), host_(host), output_(output), messages_(messages), questions_(questions) {}

bool ReportCommands::CanPrint() const {
    return data_.resultsAvailable != 0;
}

void ReportCommands::Warn(const std::string& text) {
    messages_.ShowMessage(ResultCommands::kProductName, text, MessageSink::Icon::Warning);
}

void ReportCommands::PrintResults() {
    if (!CanPrint()) {
        return;
    }
    switch (output_.ChoosePrinter()) {
        case ReportOutput::PrinterChoice::Cancelled:
            return;
        case ReportOutput::PrinterChoice::NoPrinter:
            Warn(kNoPrinterMessage);
            return;
        case ReportOutput::PrinterChoice::Chosen:
            if (!output_.PrintOnChosenPrinter(data_)) {
                Warn(kNoPrinterMessage);
            }
            return;
    }
}

void ReportCommands::PrintPreview() {
    if (CanPrint()) {
        output_.ShowPreview(data_);
    }
}

void ReportCommands::PrintToPdf() {
    if (!CanPrint()) {
        return;
    }
    std::optional<std::string> chosen =
        host_.AskSaveFileName(kPdfFilter, ResultCommands::InitialFileName("*.pdf"));
    if (!chosen) {
        return;
    }
    std::optional<std::string> path = SaveFileChoice::Confirm(*chosen, kPdfExtension, questions_);
    if (path && !output_.WritePdf(data_, *path)) {
        Warn(ResultCommands::kCannotSaveMessage);
    }
}
