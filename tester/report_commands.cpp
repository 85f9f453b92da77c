#include "tester/report_commands.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "tester/result_commands.h"

ReportCommands::ReportCommands(TestData& data, TesterHost& host, ReportOutput& output,
                               MessageSink& messages)
    : data_(data), host_(host), output_(output), messages_(messages) {}

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
    if (!output_.WritePdf(data_, WithPdfExtension(*chosen))) {
        Warn(ResultCommands::kCannotSaveMessage);
    }
}

std::string ReportCommands::WithPdfExtension(const std::string& path) {
    const std::string extension = kPdfExtension;
    if (path.size() >= extension.size()) {
        std::string end = path.substr(path.size() - extension.size());
        std::transform(end.begin(), end.end(), end.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (end == extension) {
            return path;
        }
    }
    return path + extension;
}
