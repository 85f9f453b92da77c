// The sheets of the results and of the comparison, and their own pages: Basic Results and
// Select Files.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/memory_settings_store.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tester/basic_results_page_model.h"
#include "tester/path_settings.h"
#include "tester/select_files_page_model.h"
#include "tester/test_data.h"
#include "tester/tester_sheets.h"
#include "tester/tests/scripted_yes_no_question.h"

namespace {

struct Context {
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    PageContext page{data, settings, paths, messages, questions};
};

std::string Describe(ParameterSheetModel& sheet) {
    std::string text = sheet.caption() + ":";
    for (int i = 0; i < sheet.pageCount(); ++i) {
        text.append(" ").append(sheet.page(i).Caption());
        if (sheet.page(i).editable()) {
            text.append("*");
        }
    }
    return text;
}

// Pages marked * are editable.
TEST(ResultsSheetsTest, ShowThePagesOfWhereTheResultsCameFrom) {
    Context c;
    EXPECT_EQ(Describe(*TesterSheets::Results(c.page, ResultsSheet::FinalSummary)),
              "Final Summary: Basic Results Controls Characters Calculation Rules User Info");
    c.data.fromTestDefinition = 1;
    EXPECT_EQ(Describe(*TesterSheets::Results(c.page, ResultsSheet::FinalSummary)),
              "Final Summary: Basic Results Description Controls Characters Calculation Rules "
              "User Info");
    EXPECT_EQ(Describe(*TesterSheets::Results(c.page, ResultsSheet::Comparison)),
              "Final Summary: Basic Results Characters");
    // F6 after a comparison.
    c.data.fromTestDefinition = 0;
    c.data.twoFilesMode = 1;
    EXPECT_EQ(Describe(*TesterSheets::Results(c.page, ResultsSheet::FinalSummary)),
              "Final Summary: Basic Results Characters");
    EXPECT_EQ(Describe(*TesterSheets::SelectComparison(c.page)),
              "Select parameters for comparison: Select Files* Characters*");
}

// 100 correct small letters in 60 seconds: 100 strokes or 20 words a minute.
TEST(BasicResultsPageTest, ShowsTheFiguresInTheStoredUnitAndSwitchesUnits) {
    Context c;
    c.data.typedText = std::string(100, 'a');
    c.data.Assess(c.data.typedText, c.data.typedText);
    c.data.durationSeconds = 60;
    c.data.endTime = 1045213507;  // 02/14/2003 09:05:07 UTC
    // Without the setting the results keep their unit; a stored number that is no unit too.
    c.settings.WriteInt("", "CalculationType", 7);
    BasicResultsPageModel page(c.data, c.settings);
    EXPECT_EQ(page.unit(), TestData::kWordsUnit);
    EXPECT_EQ(page.netSpeed(), "20.00");
    EXPECT_EQ(page.results().totalTime, "00:01:00");
    EXPECT_EQ(page.results().dateOfTest, "02/14/2003");
    EXPECT_EQ(page.results().timeEnded, "09:05:07");
    EXPECT_FALSE(page.ChooseUnit(TestData::kWordsUnit));
    EXPECT_FALSE(page.ChooseUnit(5));
    EXPECT_EQ(c.settings.ReadInt("", "CalculationType", -1), 7);

    EXPECT_TRUE(page.ChooseUnit(TestData::kStrokesUnit));
    EXPECT_EQ(c.settings.ReadInt("", "CalculationType", -1), TestData::kStrokesUnit);
    EXPECT_EQ(c.data.speedUnit, TestData::kStrokesUnit);
    EXPECT_EQ(page.grossStrokes(), "100");
    EXPECT_EQ(page.netSpeed(), "100.00");
    EXPECT_EQ(page.errors(), "0");
    EXPECT_EQ(page.results().errorRate, "0");
    // The next sheet starts with the stored unit.
    EXPECT_EQ(BasicResultsPageModel(c.data, c.settings).unit(), TestData::kStrokesUnit);
}

TEST(BasicResultsPageTest, ANegativeNetSpeedShowsAsItIs) {
    Context c;
    for (int i = 0; i < 30; ++i) {
        c.data.originalText += "xy ";
        c.data.typedText += "ab ";
    }
    c.data.Assess(c.data.originalText, c.data.typedText);
    c.data.durationSeconds = 60;
    c.data.pointsPerError = 50;
    c.settings.WriteInt("", "CalculationType", TestData::kStrokesUnit);
    BasicResultsPageModel page(c.data, c.settings);
    EXPECT_LT(page.results().netSpeed, -100.0f);
    EXPECT_EQ(page.netSpeed()[0], '-');
}

TEST(SelectFilesPageTest, StartsWithTheFilesUsedLastAndStoresReadableOnes) {
    TempDir dir;
    MemoryPathSettings paths;
    const std::string original = dir.Write("\xC5\xBE original.txt", "abc");
    paths.WritePath("", "TwoFilesOriginal", original);
    SelectFilesPageModel page(paths);
    EXPECT_EQ(page.originalPath, original);
    EXPECT_EQ(page.alternativePath, "");
    const std::string message =
        "The program cannot load the text from file. Check the file name, please.";
    EXPECT_EQ(page.CheckConfirm(), (PageProblem{message, SelectFilesPageModel::kAlternativeField}));
    page.originalPath = dir.File("absent.txt");
    page.alternativePath = dir.Write("typed.txt", "abd");
    EXPECT_EQ(page.CheckConfirm(), (PageProblem{message, SelectFilesPageModel::kOriginalField}));
    page.originalPath = original;
    EXPECT_EQ(page.CheckConfirm(), std::nullopt);
    page.Apply();
    EXPECT_EQ(paths.ReadPath("", "TwoFilesOriginal", ""), original);
    EXPECT_EQ(paths.ReadPath("", "TwoFilesUser", ""), dir.File("typed.txt"));
    // "Select File" starts in the folder of the file shown.
    EXPECT_EQ(SelectFilesPageModel::SelectFileInitialName(original), dir.path() + "/*.txt");
    EXPECT_EQ(SelectFilesPageModel::SelectFileInitialName(""), "*.txt");
}

}  // namespace
