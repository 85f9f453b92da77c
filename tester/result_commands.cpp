#include "tester/result_commands.h"

#include <optional>

#include "common/atomic_file_writer.h"
#include "common/data_paths.h"
#include "common/file_error.h"
#include "tester/save_file_choice.h"
#include "tester/test_record_file.h"
#include "tester/text_file_reader.h"

ResultCommands::ResultCommands(TestData& data, TesterHost& host, MessageSink& messages,
                               SettingsStore& settings, YesNoQuestion& questions)
    : data_(data), host_(host), messages_(messages), settings_(settings), questions_(questions) {}

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

void ResultCommands::LoadResults() {
    if (!CanLoadResults()) {
        return;
    }
    std::optional<std::string> chosen =
        host_.AskOpenFileName(kResultsFilter, InitialFileName("*.2mvk"));
    if (chosen) {
        LoadResultsFrom(*chosen);
    }
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
    std::optional<ComparisonChoice> choice =
        host_.AskComparisonFiles(settings_.ReadString("", kTwoFilesOriginalKey, ""),
                                 settings_.ReadString("", kTwoFilesUserKey, ""));
    if (!choice) {
        return;
    }
    settings_.WriteString("", kTwoFilesOriginalKey, choice->originalPath);
    settings_.WriteString("", kTwoFilesUserKey, choice->alternativePath);

    // Both files are read before anything changes, so a file that cannot be read leaves the
    // current results as they were.
    std::optional<std::string> original = TextFileReader::ReadText(choice->originalPath);
    std::optional<std::string> alternative =
        original ? TextFileReader::ReadText(choice->alternativePath) : std::nullopt;
    if (!original || !alternative) {
        Warn(kCannotLoadMessage);
        return;
    }

    data_.Reset();
    data_.fromTestDefinition = 0;
    host_.ShowAllowedKeys(false, false, false);
    if (choice->keyboard) {
        data_.keyboardTypeName = choice->keyboard->name;
        data_.chars1 = choice->keyboard->chars1;
        data_.chars2 = choice->keyboard->chars2;
        data_.chars3 = choice->keyboard->chars3;
        data_.chars4 = choice->keyboard->chars4;
    }
    data_.originalText = std::move(*original);
    data_.typedText = std::move(*alternative);
    data_.durationSeconds = 0;
    host_.ShowOriginalText(data_.originalText);
    host_.ShowTypedText(data_.typedText);
    host_.SetWindowTitle(std::string(kProductName) + " - " + choice->originalPath + " - " +
                         choice->alternativePath);
    data_.twoFilesMode = 1;
    data_.resultsAvailable = 1;
    data_.paused = 0;
    data_.running = 0;
    AssessAndShow(data_.originalText, ResultsSheet::Comparison);
}
