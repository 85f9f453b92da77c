#include "tester/result_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tester/keyboard_type_file.h"
#include "tester/path_settings.h"
#include "tester/select_files_page_model.h"
#include "tester/test_record_file.h"
#include "tester/tests/scripted_answers.h"
#include "tester/tests/scripted_yes_no_question.h"

namespace {

// Answers the dialogs from queues and writes down every call.
class FakeHost final : public TesterHost {
  public:
    std::optional<std::string> AskOpenFileName(const std::string& filter,
                                               const std::string& initialName) override {
        calls.push_back("open " + filter + " " + initialName);
        return NextAnswer(openAnswers);
    }
    std::optional<std::string> AskSaveFileName(const std::string& filter,
                                               const std::string& initialName) override {
        calls.push_back("save " + filter + " " + initialName);
        return NextAnswer(saveAnswers);
    }
    // The comparison sheet: the Select Files page starts with what it shows, gets the two
    // files of the test typed in, and OK is pressed; no files given is Cancel.
    bool RunSheet(ParameterSheetModel& sheet) override {
        calls.push_back("sheet " + sheet.caption());
        auto& files =
            static_cast<SelectFilesPageModel&>(sheet.page(sheet.IndexOf(PageKind::SelectFiles)));
        calls.push_back("compare " + files.originalPath + " | " + files.alternativePath);
        if (!comparison) {
            return false;
        }
        files.originalPath = comparison->first;
        files.alternativePath = comparison->second;
        if (std::optional<ParameterSheetModel::Problem> problem = sheet.Confirm(0)) {
            calls.push_back("refused " + problem->problem.message);
            return false;
        }
        return true;
    }
    void SetWindowTitle(const std::string& title) override { calls.push_back("title " + title); }
    void ShowAllowedKeys(bool arrows, bool enter, bool erase) override {
        calls.push_back(std::string("keys ") + (arrows ? "A" : "-") + (enter ? "E" : "-") +
                        (erase ? "B" : "-"));
    }
    void ShowOriginalText(const std::string& text) override { calls.push_back("original " + text); }
    void ShowTypedText(const std::string& text) override { calls.push_back("typed " + text); }
    void SetBusy(bool busy) override { calls.push_back(busy ? "busy" : "idle"); }
    void ShowAssessedText(const std::string& text) override { calls.push_back("assessed " + text); }
    void ShowResults(ResultsSheet sheet) override {
        calls.push_back(sheet == ResultsSheet::FinalSummary ? "results summary"
                                                            : "results comparison");
    }

    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::optional<std::pair<std::string, std::string>> comparison;
    std::vector<std::string> calls;
};

bool Readable(const std::string& path) {
    TestData read;
    return TestRecordFile::ReadRecords(path, read);
}

class ResultCommandsTest : public testing::Test {
  protected:
    ResultCommandsTest() : commands(context, host) { DataPaths::SetProgramFolder(dir.path()); }

    // A finished run against a text with one wrong letter and a skipped word.
    void FinishRun() {
        data.originalText = "The quick brown fox jumps over the lazy dog.\r\nSecond line.";
        data.typedText = "The quick brpwn jumps over the lazy dog.\r\nSecond line.";
        data.keystrokeLog = {{0, 258, 'T', 1}, {200, 258, 'h', 1}};
        data.durationSeconds = 60;
        data.endTime = 1045213507;
        data.resultsAvailable = 1;
        ASSERT_TRUE(data.Assess(TestData::ExtendOriginal(data.originalText, data.typedText),
                                data.typedText));
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : messages.messages) {
            EXPECT_EQ(message.caption, "Morvik");
            texts.push_back(message.text);
        }
        return texts;
    }

    TempDir dir;
    TestData data;
    FakeHost host;
    RecordingMessageSink messages;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    ScriptedYesNoQuestion questions;
    PageContext context{data, settings, paths, messages, questions};
    ResultCommands commands;
};

TEST_F(ResultCommandsTest, SaveResultsAddsTheExtensionOnlyWhenItIsMissing) {
    FinishRun();
    host.saveAnswers = {dir.File("run"), dir.File("other.2mvk")};
    commands.SaveResults();
    commands.SaveResults();
    EXPECT_TRUE(Readable(dir.File("run.2mvk")));
    EXPECT_TRUE(Readable(dir.File("other.2mvk")));
    EXPECT_FALSE(Readable(dir.File("other.2mvk.2mvk")));
    EXPECT_EQ(host.calls[0], "save Morvik file (*.2mvk)|*.2mvk|All files (*.*)|*.*|| " +
                                 dir.path() + "/text/*.2mvk");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ResultCommandsTest, SaveResultsAsksBeforeTheExtensionMakesTheNameOfAnExistingFile) {
    FinishRun();
    const std::string existing = dir.Write("run.2mvk", "kept");
    host.saveAnswers = {dir.File("run"), dir.File("run"), existing};
    questions.answers = {false, true};
    commands.SaveResults();
    EXPECT_EQ(TempDir::ReadAll(existing), "kept");
    commands.SaveResults();
    EXPECT_TRUE(Readable(existing));
    // The dialog itself asked about a name chosen with its extension.
    commands.SaveResults();
    EXPECT_EQ(questions.asked,
              std::vector<std::string>(
                  2, "Morvik: " + existing + " already exists.\nDo you want to replace it?"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ResultCommandsTest, SaveResultsReportsAFileThatCannotBeWritten) {
    FinishRun();
    host.saveAnswers = {dir.File("missing/folder/run")};
    commands.SaveResults();
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Program cannot save data on file. Check filename and permission, "
                              "please."});
}

TEST_F(ResultCommandsTest, SavedResultsLoadBackWithTheSameCountsAndMarks) {
    FinishRun();
    const TestData finished = data;
    host.saveAnswers = {dir.File("run")};
    commands.SaveResults();

    data = TestData();
    data.twoFilesMode = 1;
    host.calls.clear();
    host.openAnswers = {dir.File("run.2mvk")};
    commands.LoadResults();

    EXPECT_EQ(data.points, finished.points);
    EXPECT_EQ(data.typedLength, finished.typedLength);
    EXPECT_EQ(data.errorCount, finished.errorCount);
    EXPECT_EQ(data.wrongCharCount, finished.wrongCharCount);
    EXPECT_EQ(data.classification.charClasses, finished.classification.charClasses);
    EXPECT_EQ(data.classification.errorPositions, finished.classification.errorPositions);
    EXPECT_EQ(data.classification.omittedTexts, finished.classification.omittedTexts);
    EXPECT_FLOAT_EQ(data.ComputeBasicResults(TestData::kWordsUnit).netSpeed,
                    TestData(finished).ComputeBasicResults(TestData::kWordsUnit).netSpeed);
    EXPECT_EQ(data.keystrokeLog, finished.keystrokeLog);
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_EQ(data.twoFilesMode, 0);
    EXPECT_EQ(data.running, 0);
    const std::string path = dir.File("run.2mvk");
    EXPECT_EQ(
        host.calls,
        (std::vector<std::string>{
            "open Morvik file (*.2mvk)|*.2mvk|All files (*.*)|*.*|| " + dir.path() + "/text/*.2mvk",
            "title Morvik - " + path, "keys AEB", "original " + finished.originalText, "busy",
            "idle", "assessed " + finished.typedText, "results summary"}));
}

TEST_F(ResultCommandsTest, LoadedResultsKeepTheTestIdOnlyWhenTheyCameFromATestDefinition) {
    for (int fromDefinition : {0, 1}) {
        TestData run;
        run.fromTestDefinition = fromDefinition;
        run.testId = "MV20030214_090507_1200_3045";
        run.originalText = run.typedText = "abc";
        const std::string path = dir.File("id" + std::to_string(fromDefinition) + ".2mvk");
        ASSERT_TRUE(TestRecordFile::WriteRecords(run, path));
        ASSERT_TRUE(commands.LoadResultsFrom(path));
        EXPECT_EQ(data.testId, fromDefinition == 1 ? run.testId : "");
    }
}

// A file that cannot be read, a damaged one, and one too long to assess: each shows its
// message and leaves the current results, which may not have been saved yet, as they were.
TEST_F(ResultCommandsTest, LoadResultsThatFailKeepThePreviousResults) {
    TestData tooLong;
    tooLong.originalText = std::string(70000, 'a');
    tooLong.typedText = "aaa";
    ASSERT_TRUE(TestRecordFile::WriteRecords(tooLong, dir.File("long.2mvk")));
    const std::string damaged =
        dir.Write("damaged.2mvk", std::string("\x05\x00\x00\x00garbage", 11));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {dir.File("absent.2mvk"),
         "The program cannot load the text from file. Check the file name, please."},
        {damaged, ""},
        {dir.File("long.2mvk"), TestData::kTooLongMessage}};
    for (const auto& [path, message] : cases) {
        SCOPED_TRACE(path);
        data = TestData();
        FinishRun();
        data.testId = "MV_kept";
        data.twoFilesMode = 1;
        const TestData before = data;
        messages.messages.clear();
        host.calls.clear();
        host.openAnswers = {path};
        commands.LoadResults();

        ASSERT_EQ(messages.messages.size(), 1u);
        if (message.empty()) {
            EXPECT_NE(messages.messages[0].text.find("damaged.2mvk"), std::string::npos);
        } else {
            EXPECT_EQ(messages.messages[0].text, message);
        }
        // Only the dialog was asked: no title, no views, no results sheet.
        EXPECT_EQ(host.calls.size(), 1u);
        EXPECT_EQ(data.resultsAvailable, 1);
        EXPECT_EQ(data.twoFilesMode, 1);
        EXPECT_EQ(data.testId, "MV_kept");
        EXPECT_EQ(data.originalText, before.originalText);
        EXPECT_EQ(data.typedText, before.typedText);
        EXPECT_EQ(data.keystrokeLog, before.keystrokeLog);
        EXPECT_EQ(data.errorCount, before.errorCount);
        EXPECT_EQ(data.classification.charClasses, before.classification.charClasses);
    }
}

TEST_F(ResultCommandsTest, FieldsMissingFromTheFileKeepTheirValues) {
    data.nickname = "kim";
    data.pointsPerError = 50;
    // A results file with the typed text only (record 8).
    const std::string path = dir.Write(
        "partial.2mvk", CompressedLineFile::Encode({"8:>>>><<>>>", "typed", ">>>><<>>>"}));
    ASSERT_TRUE(commands.LoadResultsFrom(path));
    EXPECT_EQ(data.typedText, "typed");
    EXPECT_EQ(data.nickname, "kim");
    EXPECT_EQ(data.pointsPerError, 50);
    EXPECT_EQ(data.resultsAvailable, 1);
}

TEST_F(ResultCommandsTest, SaveUserTextWritesTheTypedBytesAsTheyAre) {
    FinishRun();
    data.typedText = "line one\r\nline two \x9E\x8A";
    host.saveAnswers = {dir.File("typed.dat")};
    commands.SaveUserText();
    EXPECT_EQ(TempDir::ReadAll(dir.File("typed.dat")), data.typedText);
    EXPECT_EQ(host.calls[0],
              "save Text file (*.txt)|*.txt|All files (*.*)|*.*||\n " + dir.path() + "/text/*.txt");

    host.saveAnswers = {dir.File("no/folder/typed.txt")};
    commands.SaveUserText();
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Program cannot save data on file. Check filename and permission, "
                              "please."});
}

TEST_F(ResultCommandsTest, ComparisonTakesBothFilesAsTheyAre) {
    const std::string original = dir.Write("original.txt", "Tab\there  and\r\nthere \r\n");
    const std::string alternative = dir.Write("typed.txt", "Tab\there  and\r\nthere \r\n");
    paths.WritePath("", "TwoFilesOriginal", "last original");
    paths.WritePath("", "TwoFilesUser", "last typed");
    // The Characters page of the sheet applies the table the "keyboard" setting names.
    KeyboardType chosen = KeyboardType::BuiltInDefault();
    chosen.name = "chosen";
    chosen.chars2 = "T";
    dir.Write("charconfig/.keep", "");
    ASSERT_TRUE(KeyboardTypeFile::Write(chosen, dir.File("charconfig/chosen.nchrs")));
    settings.WriteString("", "keyboard", "chosen");
    host.comparison = {original, alternative};
    data.durationSeconds = 300;
    commands.CompareTwoTextFiles();

    EXPECT_EQ(data.originalText, "Tab\there  and\r\nthere ");
    EXPECT_EQ(data.typedText, data.originalText);
    EXPECT_EQ(data.errorCount, 0);
    EXPECT_EQ(data.durationSeconds, 0);
    EXPECT_EQ(data.twoFilesMode, 1);
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_EQ(data.keyboardTypeName, "chosen");
    EXPECT_EQ(data.chars2, "T");
    EXPECT_EQ(data.ComputeBasicResults(TestData::kWordsUnit).netSpeed, 0.0f);
    EXPECT_EQ(paths.ReadPath("", "TwoFilesOriginal", ""), original);
    EXPECT_EQ(paths.ReadPath("", "TwoFilesUser", ""), alternative);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{
                  "sheet Select parameters for comparison", "compare last original | last typed",
                  "keys ---", "original " + data.originalText, "typed " + data.typedText,
                  "title Morvik - " + original + " - " + alternative, "busy", "idle",
                  "assessed " + data.typedText, "results comparison"}));
    EXPECT_FALSE(commands.CanSaveResults());
    EXPECT_TRUE(commands.CanSaveUserText());
}

// Paths are UTF-8 from the dialog to the settings and the title; the code page of the texts
// would turn "ž" into two other letters.
TEST_F(ResultCommandsTest, ComparisonKeepsPathsAsTheyAre) {
    const std::string original = dir.Write("\xC5\xBE-original.txt", "abc");
    const std::string alternative = dir.Write("\xC5\xBE-typed.txt", "abd");
    host.comparison = {original, alternative};
    commands.CompareTwoTextFiles();
    EXPECT_EQ(paths.ReadPath("", "TwoFilesOriginal", ""), original);
    EXPECT_EQ(paths.ReadPath("", "TwoFilesUser", ""), alternative);
    EXPECT_FALSE(settings.Contains("", "TwoFilesOriginal"));
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(),
                        "title Morvik - " + original + " - " + alternative),
              host.calls.end());
    EXPECT_EQ(data.typedText, "abd");
}

TEST_F(ResultCommandsTest, ComparisonIsNotExtended) {
    const std::string original = dir.Write("original.txt", "abc def");
    const std::string alternative = dir.Write("typed.txt", "abc def abc def");
    host.comparison = {original, alternative};
    commands.CompareTwoTextFiles();
    EXPECT_EQ(data.alignment.originalMarks.size(), 7u);
    EXPECT_EQ(data.classification.charClasses[7], CharClass::NotAssessed);
}

TEST_F(ResultCommandsTest, ComparisonWithAnUnreadableFileChangesNothing) {
    FinishRun();
    const TestData before = data;
    host.comparison = {dir.Write("original.txt", "abc"), dir.File("absent.txt")};
    commands.CompareTwoTextFiles();
    // The sheet refused OK and stayed open; here that is the end of it.
    EXPECT_EQ(host.calls.back(),
              "refused The program cannot load the text from file. Check the file name, please.");
    EXPECT_EQ(data.typedText, before.typedText);
    EXPECT_EQ(data.keystrokeLog, before.keystrokeLog);
    EXPECT_EQ(data.twoFilesMode, 0);
    EXPECT_EQ(paths.ReadPath("", "TwoFilesUser", "none"), "none");
}

TEST_F(ResultCommandsTest, ComparisonOfTextsTooLongToAssessChangesNothing) {
    FinishRun();
    const TestData before = data;
    host.comparison = {dir.Write("original.txt", std::string(70000, 'a')),
                       dir.Write("typed.txt", "aaa")};
    commands.CompareTwoTextFiles();
    EXPECT_EQ(Messages(), std::vector<std::string>{TestData::kTooLongMessage});
    EXPECT_EQ(data.typedText, before.typedText);
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_EQ(data.twoFilesMode, 0);
}

TEST_F(ResultCommandsTest, CancelledDialogsDoNothing) {
    FinishRun();
    commands.SaveResults();
    commands.LoadResults();
    commands.SaveUserText();
    commands.CompareTwoTextFiles();
    // Three dialogs, and the comparison sheet with what it showed.
    EXPECT_EQ(host.calls.size(), 5u);
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_FALSE(data.keystrokeLog.empty());
}

TEST_F(ResultCommandsTest, CommandsAreEnabledByTheTesterState) {
    EXPECT_TRUE(commands.CanLoadResults());
    EXPECT_TRUE(commands.CanCompareTwoTextFiles());
    EXPECT_FALSE(commands.CanSaveResults());
    EXPECT_FALSE(commands.CanSaveUserText());
    data.resultsAvailable = 1;
    EXPECT_TRUE(commands.CanSaveResults());
    for (int TestData::*flag : {&TestData::running, &TestData::startDialogOpen}) {
        data.*flag = 1;
        EXPECT_FALSE(commands.CanLoadResults());
        EXPECT_FALSE(commands.CanCompareTwoTextFiles());
        data.*flag = 0;
    }
    data.replayRunning = 1;
    EXPECT_FALSE(commands.CanLoadResults());
}

}  // namespace
