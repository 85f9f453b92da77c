#include "tester/test_definition_commands.h"

#include <optional>

#include "common/clock.h"
#include "common/file_error.h"
#include "common/message_sink.h"
#include "common/product_version.h"
#include "tester/result_commands.h"
#include "tester/save_file_choice.h"
#include "tester/test_data.h"
#include "tester/test_record_file.h"
#include "tester/typing_run.h"
#include "tester/typing_run_host.h"

TestDefinitionCommands::TestDefinitionCommands(const PageContext& context, TypingRun& run,
                                               TypingRunHost& host, Clock& clock)
    : context_(context), data_(context.data), run_(run), host_(host), clock_(clock) {}

bool TestDefinitionCommands::CanCreateTypingTest() const {
    return data_.running == 0 && data_.startDialogOpen == 0 && data_.replayRunning == 0;
}

bool TestDefinitionCommands::CanLoadTypingTest() const {
    return CanCreateTypingTest();
}

void TestDefinitionCommands::Warn(const std::string& text) {
    context_.messages.ShowMessage(kMorvikName, text, MessageSink::Icon::Warning);
}

void TestDefinitionCommands::CreateTypingTest() {
    if (!CanCreateTypingTest()) {
        return;
    }
    std::unique_ptr<ParameterSheetModel> sheet = TesterSheets::NewTest(context_);
    if (!host_.RunSheet(*sheet)) {
        return;
    }
    data_.Reset();
    data_.fromTestDefinition = 1;
    data_.startDialogOpen = 0;
    data_.resultsAvailable = 0;
    data_.paused = 0;
    // A definition carries no run: the last typist's text and times stay out of it.
    data_.typedText.clear();
    data_.durationSeconds = 0;
    data_.endTime = 0;
    host_.ShowTypedText("");
    host_.ShowOriginalText(data_.originalText);
    data_.testId = TestData::MakeTestId(data_.originalText, clock_.NowSeconds());
    host_.UpdateCommands();

    std::optional<std::string> chosen =
        host_.AskSaveFileName(kTestFilter, ResultCommands::InitialFileName("*.mvkt"));
    if (!chosen) {
        return;
    }
    std::optional<std::string> path =
        SaveFileChoice::Confirm(*chosen, TestRecordFile::kTestExtension, context_.questions);
    if (!path) {
        return;
    }
    if (!TestRecordFile::WriteRecords(data_, *path)) {
        Warn(ResultCommands::kCannotSaveMessage);
        return;
    }
    host_.FileUsed(*path);
}

void TestDefinitionCommands::LoadTypingTest() {
    if (!CanLoadTypingTest()) {
        return;
    }
    if (std::optional<std::string> path =
            host_.AskOpenFileName(kTestFilter, ResultCommands::InitialFileName("*.mvkt"))) {
        LoadTypingTestFrom(*path);
    }
}

bool TestDefinitionCommands::LoadTypingTestFrom(const std::string& path) {
    if (!CanLoadTypingTest()) {
        return false;
    }
    TestData loaded = data_;
    // Only the file may say that it is a definition, and its log is all the log there is.
    loaded.fromTestDefinition = 0;
    loaded.keystrokeLog.clear();
    try {
        if (!TestRecordFile::ReadRecords(path, loaded)) {
            Warn(ResultCommands::kCannotLoadMessage);
            return false;
        }
    } catch (const FileError& error) {
        Warn(error.message());
        return false;
    }
    if (loaded.fromTestDefinition != 1) {
        Warn(kFormatMessage);
        return false;
    }
    if (loaded.originalText.size() > Assessment::kMaxTextLength) {
        Warn(TestData::kTooLongMessage);
        return false;
    }
    data_ = std::move(loaded);
    data_.running = 0;
    data_.paused = 0;
    data_.resultsAvailable = 0;
    host_.SetWindowTitle(std::string(kMorvikName) + " - " + path);
    host_.FileUsed(path);
    host_.UpdateCommands();
    run_.StartFromDefinition();
    return true;
}
