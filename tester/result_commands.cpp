#include "tester/result_commands.h"

#include <optional>

#include "common/atomic_file_writer.h"
#include "common/data_paths.h"
#include "common/file_error.h"
#include "tester/save_file_choice.h"
#include "tester/select_files_page_model.h"
#include "tester/test_record_file.h"
#include "tester/text_file_reader.h"

ResultCommands::ResultCommands(const PageContext& context, TesterHost& host)
    : context_(context),
      data_(context.data),
      host_(host),
      messages_(context.messages),
      questions_(context.questions) {}

bool ResultCommands::CanLoadResults() const {
    return data_.running == 0 && data_.startDialogOpen == 0 && data_.replayRunning == 0;
}

bool ResultCommands::CanSaveResults() const {
    return data_.resultsAvailable != 0 && data_.twoFilesMode == 0;
}

bool ResultCommands::CanSaveUserText() const {
    return data_.resultsAvailable != 0;
}

bool ResultCommands::CanCompareTwoTextFiles() const {
    return CanLoadResults();
}

std::string ResultCommands::InitialFileName(const std::string& pattern) {
    return DataPaths::DataPath("text", pattern);
}

void ResultCommands::Warn(const std::string& text) {
    messages_.ShowMessage(kProductName, text, MessageSink::Icon::Warning);
}

std::optional<std::string> ResultCommands::SaveResults() {
    if (!CanSaveResults()) {
        return std::nullopt;
    }
    std::optional<std::string> chosen =
        host_.AskSaveFileName(kResultsFilter, InitialFileName("*.2mvk"));
    if (!chosen) {
        return std::nullopt;
    }
    std::optional<std::string> path =
        SaveFileChoice::Confirm(*chosen, TestRecordFile::kResultsExtension, questions_);
    if (path && !TestRecordFile::WriteRecords(data_, *path)) {
        Warn(kCannotSaveMessage);
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> ResultCommands::LoadResults() {
    if (!CanLoadResults()) {
        return std::nullopt;
    }
    std::optional<std::string> chosen =
        host_.AskOpenFileName(kResultsFilter, InitialFileName("*.2mvk"));
    if (chosen && LoadResultsFrom(*chosen)) {
        return chosen;
    }
    return std::nullopt;
}

bool ResultCommands::LoadResultsFrom(const std::string& path) {
    // The file is read into a copy (fields the file lacks keep their current values): a file
    // that cannot be read or assessed leaves the current results, perhaps not yet saved, and
    // the views and the title as they were.
    TestData loaded = data_;
    loaded.fromTestDefinition = 0;
    loaded.Reset();
    try {
        if (!TestRecordFile::ReadRecords(path, loaded)) {
            Warn(kCannotLoadMessage);
            return false;
        }
    } catch (const FileError& error) {
        Warn(error.message());
        return false;
    }
    const std::string original = TestData::ExtendOriginal(loaded.originalText, loaded.typedText);
    if (!TestData::FitsAssessment(original, loaded.typedText)) {
        Warn(TestData::kTooLongMessage);
        return false;
    }

    data_ = std::move(loaded);
    host_.SetWindowTitle(std::string(kProductName) + " - " + path);
    if (data_.fromTestDefinition != 1) {
        data_.testId.clear();
    }
    host_.ShowAllowedKeys(data_.allowArrows != 0, data_.allowEnter != 0, data_.allowBackspace != 0);
    host_.ShowOriginalText(data_.originalText);
    data_.paused = 0;
    data_.running = 0;
    // Loaded results stand as after a run, whatever the previous results came from.
    data_.twoFilesMode = 0;
    data_.resultsAvailable = 1;
    return AssessAndShow(original, ResultsSheet::FinalSummary);
}

bool ResultCommands::AssessAndShow(const std::string& original, ResultsSheet sheet) {
    host_.SetBusy(true);
    const bool assessed = data_.Assess(original, data_.typedText);
    host_.SetBusy(false);
    if (!assessed) {
        data_.resultsAvailable = 0;
        Warn(TestData::kTooLongMessage);
        return false;
    }
    host_.ShowAssessedText(data_.typedText);
    host_.ShowResults(sheet);
    return true;
}

void ResultCommands::SaveUserText() {
    if (!CanSaveUserText()) {
        return;
    }
    std::optional<std::string> path =
        host_.AskSaveFileName(kUserTextFilter, InitialFileName("*.txt"));
    if (path && !AtomicFileWriter::Write(*path, data_.typedText)) {
        Warn(kCannotSaveMessage);
    }
}

void ResultCommands::CompareTwoTextFiles() {
    if (!CanCompareTwoTextFiles()) {
        return;
    }
    // The sheet stores the two paths and applies the Characters page (the worth of the
    // characters of the comparison) when it is confirmed.
    std::unique_ptr<ParameterSheetModel> sheet = TesterSheets::SelectComparison(context_);
    if (!host_.RunSheet(*sheet)) {
        return;
    }
    const auto& files = static_cast<const SelectFilesPageModel&>(
        sheet->page(sheet->IndexOf(PageKind::SelectFiles)));

    // Both files are read before anything changes, so a file that cannot be read (it went
    // since the sheet looked) leaves the current results as they were.
    std::optional<std::string> original = TextFileReader::ReadText(files.originalPath);
    std::optional<std::string> alternative =
        original ? TextFileReader::ReadText(files.alternativePath) : std::nullopt;
    if (!original || !alternative) {
        Warn(kCannotLoadMessage);
        return;
    }
    if (!TestData::FitsAssessment(*original, *alternative)) {
        Warn(TestData::kTooLongMessage);
        return;
    }

    data_.Reset();
    data_.fromTestDefinition = 0;
    host_.ShowAllowedKeys(false, false, false);
    data_.originalText = std::move(*original);
    data_.typedText = std::move(*alternative);
    data_.durationSeconds = 0;
    host_.ShowOriginalText(data_.originalText);
    host_.ShowTypedText(data_.typedText);
    host_.SetWindowTitle(std::string(kProductName) + " - " + files.originalPath + " - " +
                         files.alternativePath);
    data_.twoFilesMode = 1;
    data_.resultsAvailable = 1;
    data_.paused = 0;
    data_.running = 0;
    AssessAndShow(data_.originalText, ResultsSheet::Comparison);
}
