#include "tester/test_definition_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/time_text.h"
#include "tester/controls_page_model.h"
#include "tester/description_page_model.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"
#include "tester/test_record_file.h"
#include "tester/tests/fake_typing_run_host.h"
#include "tester/tests/scripted_yes_no_question.h"
#include "tester/typing_run.h"
#include "tester/user_info_page_model.h"

namespace {

constexpr const char* kFilter = "MorvikTest file (*.mvkt)|*.mvkt|All files (*.*)|*.*||";

class TestDefinitionCommandsTest : public testing::Test {
  protected:
    TestDefinitionCommandsTest() {
        DataPaths::SetProgramFolder(dir.path() + "/");
        DataPaths::SetWritableRoot(dir.path());
        textPath = dir.Write("text/jf.txt", "jjj fff jf\n");
        paths.WritePath("", "LastFileOriginal", textPath);
        host.answerSheet = [this](ParameterSheetModel& sheet) {
            sheets.push_back(sheet.caption());
            for (int i = 0; i < sheet.pageCount(); ++i) {
                ParameterPageModel& page = sheet.page(i);
                editable.push_back(page.editable());
                if (!page.editable()) {
                    continue;
                }
                if (page.kind() == PageKind::Description) {
                    static_cast<DescriptionPageModel&>(page).testName = "JF drill";
                }
                if (page.kind() == PageKind::UserInfo) {
                    static_cast<UserInfoPageModel&>(page).NicknameLeft(nickname);
                }
            }
            return !sheet.Confirm(0).has_value();
        };
    }
    ~TestDefinitionCommandsTest() override { DataPaths::SetWritableRoot(""); }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : messages.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    // A finished run whose results must survive a wrong file.
    void FinishedRun() {
        data.originalText = "results original";
        data.typedText = "results typed";
        data.resultsAvailable = 1;
        data.keystrokeLog = {{5, 258, 'r', 1}};
        data.testName = "kept";
    }

    TempDir dir;
    std::string textPath;
    std::string nickname = "author";
    std::vector<std::string> sheets;
    std::vector<bool> editable;
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    FakeClock clock;
    FakeTypingRunHost host;
    PageContext context{data, settings, paths, messages, questions};
    TypingRun run{context, host, clock};
    TestDefinitionCommands commands{context, run, host, clock};
};

TEST_F(TestDefinitionCommandsTest, CreateWritesADefinitionWithItsIdentifier) {
    FinishedRun();
    data.durationSeconds = 300;
    host.saveAnswers = {dir.File("text/drill")};
    commands.CreateTypingTest();
    EXPECT_EQ(sheets, (std::vector<std::string>{"Set parameters for the new test"}));
    EXPECT_EQ(host.calls[1], "typed ");
    EXPECT_EQ(host.calls[3], "save " + std::string(kFilter) + " " + dir.path() + "/text/*.mvkt");
    EXPECT_EQ(host.calls.back(), "used " + dir.File("text/drill.mvkt"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(data.resultsAvailable, 0);

    TestData written;
    ASSERT_TRUE(TestRecordFile::ReadRecords(dir.File("text/drill.mvkt"), written));
    EXPECT_EQ(written.fromTestDefinition, 1);
    EXPECT_EQ(written.testName, "JF drill");
    EXPECT_EQ(written.nickname, "author");
    EXPECT_EQ(written.originalText, "jjj fff jf");
    EXPECT_EQ(written.testId,
              "MV" + TimeText::Local(clock.NowSeconds(), "%Y%m%d_%H%M%S") + "_10_44");
    // A definition carries no run.
    EXPECT_EQ(written.typedText, "");
    EXPECT_EQ(written.durationSeconds, 0);
    EXPECT_TRUE(written.keystrokeLog.empty());
}

TEST_F(TestDefinitionCommandsTest, CreateAsksBeforeTheExtensionReplacesAFile) {
    const std::string existing = dir.Write("text/drill.mvkt", "old");
    host.saveAnswers = {dir.File("text/drill")};
    questions.answers = {false};
    commands.CreateTypingTest();
    EXPECT_EQ(questions.asked, (std::vector<std::string>{"Morvik: " + existing +
                                                         " already exists.\nDo you want to "
                                                         "replace it?"}));
    EXPECT_EQ(TempDir::ReadAll(existing), "old");
    host.saveAnswers = {dir.File("text/drill.MVKT")};
    commands.CreateTypingTest();
    EXPECT_TRUE(TestRecordFile::ReadRecords(dir.File("text/drill.MVKT.mvkt"), data));
}

TEST_F(TestDefinitionCommandsTest, CreateReportsAFileThatCannotBeWritten) {
    host.saveAnswers = {dir.File("no/such/folder/x")};
    commands.CreateTypingTest();
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Program cannot save data on file. Check filename and permission, "
                              "please."}));
}

TEST_F(TestDefinitionCommandsTest, LoadTakesADefinitionAndStartsItsSheet) {
    host.saveAnswers = {dir.File("text/drill")};
    commands.CreateTypingTest();
    const std::string definitionId = data.testId;
    FinishedRun();
    sheets.clear();
    editable.clear();
    nickname = "typist";
    host.openAnswers = {dir.File("text/drill.mvkt")};
    commands.LoadTypingTest();
    EXPECT_EQ(sheets, (std::vector<std::string>{"Set all these parameters"}));
    EXPECT_EQ(editable, (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(host.title, "Morvik - " + dir.File("text/drill.mvkt"));
    EXPECT_TRUE(host.Called("used " + dir.File("text/drill.mvkt")));
    EXPECT_EQ(data.originalText, "jjj fff jf");
    EXPECT_EQ(data.testName, "JF drill");
    EXPECT_EQ(data.testId, definitionId) << "a definition's run keeps its identifier";
    EXPECT_EQ(data.fromTestDefinition, 1);
    EXPECT_EQ(data.nickname, "typist");
    EXPECT_EQ(data.startDialogOpen, 1);
    EXPECT_EQ(data.resultsAvailable, 0);
    EXPECT_TRUE(data.keystrokeLog.empty());
}

TEST_F(TestDefinitionCommandsTest, AResultsFileLeavesTheCurrentResultsAsTheyWere) {
    TestData results;
    results.originalText = "from results";
    results.fromTestDefinition = 0;
    ASSERT_TRUE(TestRecordFile::WriteRecords(results, dir.File("run.2mvk")));
    FinishedRun();
    data.fromTestDefinition = 1;  // the current test came from a definition
    const TestData before = data;
    EXPECT_FALSE(commands.LoadTypingTestFrom(dir.File("run.2mvk")));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"The format of MVKT file is not correct. Do "
                                                    "you have the correct version of Morvik?"}));
    EXPECT_EQ(data.originalText, before.originalText);
    EXPECT_EQ(data.typedText, before.typedText);
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_EQ(data.keystrokeLog, before.keystrokeLog);
    EXPECT_TRUE(sheets.empty());
}

TEST_F(TestDefinitionCommandsTest, UnreadableDamagedOrTooLongFilesAreRefused) {
    FinishedRun();
    EXPECT_FALSE(commands.LoadTypingTestFrom(dir.File("missing.mvkt")));
    dir.Write("damaged.mvkt", std::string("\x09\x00\x00\x00zz", 6));
    EXPECT_FALSE(commands.LoadTypingTestFrom(dir.File("damaged.mvkt")));
    TestData huge;
    huge.fromTestDefinition = 1;
    huge.originalText = std::string(65536, 'x');
    ASSERT_TRUE(TestRecordFile::WriteRecords(huge, dir.File("huge.mvkt")));
    EXPECT_FALSE(commands.LoadTypingTestFrom(dir.File("huge.mvkt")));
    std::vector<std::string> texts = Messages();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "The program cannot load the text from file. Check the file name, please.");
    EXPECT_EQ(texts[2], TestData::kTooLongMessage);
    EXPECT_EQ(data.originalText, "results original");
    EXPECT_EQ(data.resultsAvailable, 1);
}

TEST_F(TestDefinitionCommandsTest, NeitherCommandDuringARunTheStartDialogOrARePlay) {
    for (int TestData::*flag : {&TestData::running, &TestData::startDialogOpen}) {
        TestData state;
        state.*flag = 1;
        data = state;
        EXPECT_FALSE(commands.CanCreateTypingTest());
        EXPECT_FALSE(commands.CanLoadTypingTest());
    }
    data = TestData();
    data.replayRunning = 1;
    EXPECT_FALSE(commands.CanLoadTypingTest());
    commands.CreateTypingTest();
    EXPECT_TRUE(sheets.empty());
    data.replayRunning = 0;
    EXPECT_TRUE(commands.CanCreateTypingTest());
}

}  // namespace
