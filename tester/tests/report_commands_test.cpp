#include "tester/report_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tester/tests/fake_typing_run_host.h"
#include "tester/tests/scripted_yes_no_question.h"

namespace {

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

    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& message : messages.messages) {
            texts.push_back(message.caption + ": " + message.text);
        }
        messages.messages.clear();
        return texts;
    }

    TempDir dir;
    TestData data;
    FakeTypingRunHost host;
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
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(ReportCommandsTest, PrintResultsPrintsOnTheChosenPrinterOrSaysThereIsNone) {
    using Choice = ReportOutput::PrinterChoice;
    // (choice, the printer takes the job) -> what happens
    const std::vector<std::tuple<Choice, bool, std::vector<std::string>, std::vector<std::string>>>
        cases = {
            {Choice::Chosen, true, {"choose", "print typed"}, {}},
            {Choice::Cancelled, true, {"choose"}, {}},
            {Choice::NoPrinter, true, {"choose"}, {"Morvik: No printer selected!"}},
            {Choice::Chosen, false, {"choose", "print typed"}, {"Morvik: No printer selected!"}}};
    for (const auto& [choice, prints, calls, shown] : cases) {
        output.calls.clear();
        output.choice = choice;
        output.prints = prints;
        commands.PrintResults();
        EXPECT_EQ(output.calls, calls);
        EXPECT_EQ(Messages(), shown);
    }
    commands.PrintPreview();
    EXPECT_EQ(output.calls.back(), "preview typed");
}

TEST_F(ReportCommandsTest, PrintToPdfWritesTheFileChosenInTheTextFolder) {
    host.saveAnswers = {dir.File("report"), dir.File("kim.PDF")};
    commands.PrintToPdf();
    commands.PrintToPdf();
    // The extension is compared as written, as for the other files.
    EXPECT_EQ(output.calls,
              (std::vector<std::string>{"pdf " + dir.File("report.pdf") + " typed",
                                        "pdf " + dir.File("kim.PDF.pdf") + " typed"}));
    EXPECT_EQ(host.calls[0],
              "save PDF file (*.pdf)|*.pdf|All files (*.*)|*.*|| " + dir.path() + "/text/*.pdf");

    output.calls.clear();
    commands.PrintToPdf();  // cancelled
    EXPECT_TRUE(output.calls.empty());
    host.saveAnswers = {dir.File("report.pdf")};
    output.prints = false;
    commands.PrintToPdf();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Morvik: Program cannot save data on file. "
                                                   "Check filename and permission, please."});
}

TEST_F(ReportCommandsTest, PrintToPdfAsksBeforeTheExtensionMakesTheNameOfAnExistingFile) {
    const std::string existing = dir.Write("report.pdf", "kept");
    host.saveAnswers = {dir.File("report"), dir.File("report")};
    questions.answers = {false, true};
    commands.PrintToPdf();
    EXPECT_TRUE(output.calls.empty());
    commands.PrintToPdf();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"pdf " + existing + " typed"}));
    EXPECT_EQ(questions.asked.size(), 2u);
}

}  // namespace
