#include "tester/report_commands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tester/tests/scripted_yes_no_question.h"

namespace {

// Only the save dialog is asked for; everything else would be a mistake.
class SaveDialogHost final : public TesterHost {
  public:
    std::optional<std::string> AskOpenFileName(const std::string&, const std::string&) override {
        ADD_FAILURE() << "open dialog";
        return std::nullopt;
    }
    std::optional<std::string> AskSaveFileName(const std::string& filter,
                                               const std::string& initialName) override {
        asked.push_back(filter + " " + initialName);
        return answer;
    }
    bool RunSheet(ParameterSheetModel&) override {
        ADD_FAILURE() << "sheet";
        return false;
    }
    void SetWindowTitle(const std::string&) override { ADD_FAILURE() << "title"; }
    void ShowAllowedKeys(bool, bool, bool) override { ADD_FAILURE() << "keys"; }
    void ShowOriginalText(const std::string&) override { ADD_FAILURE() << "original"; }
    void ShowTypedText(const std::string&) override { ADD_FAILURE() << "typed"; }
    void SetBusy(bool) override { ADD_FAILURE() << "busy"; }
    void ShowAssessedText(const std::string&) override { ADD_FAILURE() << "assessed"; }
    void ShowResults(ResultsSheet) override { ADD_FAILURE() << "results"; }

    std::optional<std::string> answer;
    std::vector<std::string> asked;
};

class RecordingOutput final : public ReportOutput {
  public:
    PrinterChoice ChoosePrinter() override {
        calls.push_back("choose");
        return choice;
    }
    bool PrintOnChosenPrinter(const TestData& data) override {
        calls.push_back("print " + data.typedText);
        return prints;
    }
    void ShowPreview(const TestData& data) override {
        calls.push_back("preview " + data.typedText);
    }
    bool WritePdf(const TestData& data, const std::string& path) override {
        calls.push_back("pdf " + path + " " + data.typedText);
        return prints;
    }

    PrinterChoice choice = PrinterChoice::Chosen;
    bool prints = true;
    std::vector<std::string> calls;
};

class ReportCommandsTest : public testing::Test {
  protected:
    ReportCommandsTest() : commands(data, host, output, messages, questions) {
        DataPaths::SetProgramFolder(dir.path());
        data.typedText = "typed";
        data.resultsAvailable = 1;
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
    SaveDialogHost host;
    RecordingOutput output;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    ReportCommands commands;
};

TEST_F(ReportCommandsTest, AllThreeNeedResults) {
    data.resultsAvailable = 0;
    EXPECT_FALSE(commands.CanPrint());
    commands.PrintResults();
    commands.PrintPreview();
    commands.PrintToPdf();
    EXPECT_TRUE(output.calls.empty());
    EXPECT_TRUE(host.asked.empty());
    data.resultsAvailable = 1;
    EXPECT_TRUE(commands.CanPrint());
}

TEST_F(ReportCommandsTest, PrintResultsPrintsOnTheChosenPrinterOrSaysThereIsNone) {
    commands.PrintResults();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"choose", "print typed"}));
    EXPECT_TRUE(messages.messages.empty());

    output.calls.clear();
    output.choice = ReportOutput::PrinterChoice::Cancelled;
    commands.PrintResults();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"choose"}));
    EXPECT_TRUE(messages.messages.empty());

    output.calls.clear();
    output.choice = ReportOutput::PrinterChoice::NoPrinter;
    commands.PrintResults();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"choose"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{"No printer selected!"});

    // A printer that refuses the job once chosen is no printer either.
    messages.messages.clear();
    output.choice = ReportOutput::PrinterChoice::Chosen;
    output.prints = false;
    commands.PrintResults();
    EXPECT_EQ(Messages(), std::vector<std::string>{"No printer selected!"});
}

TEST_F(ReportCommandsTest, PrintPreviewShowsTheReport) {
    commands.PrintPreview();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"preview typed"}));
}

TEST_F(ReportCommandsTest, PrintToPdfAsksForAFileInTheTextFolder) {
    host.answer = dir.File("report");
    commands.PrintToPdf();
    EXPECT_EQ(host.asked,
              (std::vector<std::string>{"PDF file (*.pdf)|*.pdf|All files (*.*)|*.*|| " +
                                        dir.path() + "/text/*.pdf"}));
    EXPECT_EQ(output.calls, (std::vector<std::string>{"pdf " + dir.File("report.pdf") + " typed"}));

    output.calls.clear();
    host.answer = std::nullopt;
    commands.PrintToPdf();
    EXPECT_TRUE(output.calls.empty());

    host.answer = dir.File("report.pdf");
    output.prints = false;
    commands.PrintToPdf();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"pdf " + dir.File("report.pdf") + " typed"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Program cannot save data on file. Check "
                                                   "filename and permission, please."});
}

TEST_F(ReportCommandsTest, PrintToPdfAsksBeforeTheExtensionMakesTheNameOfAnExistingFile) {
    const std::string existing = dir.Write("report.pdf", "kept");
    host.answer = dir.File("report");
    questions.answers = {false, true};
    commands.PrintToPdf();
    EXPECT_TRUE(output.calls.empty());
    commands.PrintToPdf();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"pdf " + existing + " typed"}));
    EXPECT_EQ(questions.asked, std::vector<std::string>(2, "Morvik: " + existing +
                                                               " already exists.\nDo you want to "
                                                               "replace it?"));
    // As with the other files, the extension is compared as it is written.
    output.calls.clear();
    host.answer = dir.File("kim.PDF");
    commands.PrintToPdf();
    EXPECT_EQ(output.calls,
              (std::vector<std::string>{"pdf " + dir.File("kim.PDF.pdf") + " typed"}));
}

}  // namespace
