// The sheets of the results and of the comparison, and their own pages: Basic Results and
// Select Files.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/data_paths.h"
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

struct ResultsSheetCase {
    const char* name;
    int fromTestDefinition;
    int twoFilesMode;
    ResultsSheet kind;
    std::vector<std::string> tabs;
};

void PrintTo(const ResultsSheetCase& c, std::ostream* out) {
    *out << c.name;
}

class ResultsSheetForms : public testing::TestWithParam<ResultsSheetCase> {};

TEST_P(ResultsSheetForms, ShowTheirPagesReadOnly) {
    const ResultsSheetCase& c = GetParam();
    TestData data;
    data.fromTestDefinition = c.fromTestDefinition;
    data.twoFilesMode = c.twoFilesMode;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    PageContext context{data, settings, paths, messages, questions};
    std::unique_ptr<ParameterSheetModel> sheet = TesterSheets::Results(context, c.kind);
    EXPECT_EQ(sheet->caption(), "Final Summary");
    std::vector<std::string> tabs;
    for (int i = 0; i < sheet->pageCount(); ++i) {
        tabs.push_back(sheet->page(i).Caption());
        EXPECT_FALSE(sheet->page(i).editable()) << sheet->page(i).Caption();
    }
    EXPECT_EQ(tabs, c.tabs);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ResultsSheetForms,
    testing::Values(
        ResultsSheetCase{
            "PlainRun",
            0,
            0,
            ResultsSheet::FinalSummary,
            {"Basic Results", "Controls", "Characters", "Calculation Rules", "User Info"}},
        ResultsSheetCase{"RunFromADefinition",
                         1,
                         0,
                         ResultsSheet::FinalSummary,
                         {"Basic Results", "Description", "Controls", "Characters",
                          "Calculation Rules", "User Info"}},
        ResultsSheetCase{
            "Comparison", 0, 1, ResultsSheet::Comparison, {"Basic Results", "Characters"}},
        // F6 after a comparison.
        ResultsSheetCase{"ShowResultsOfAComparison",
                         0,
                         1,
                         ResultsSheet::FinalSummary,
                         {"Basic Results", "Characters"}}),
    [](const testing::TestParamInfo<ResultsSheetCase>& info) {
        return std::string(info.param.name);
    });

TEST(ComparisonSheetTest, SelectsTheFilesAndTheEditableCharacters) {
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    PageContext context{data, settings, paths, messages, questions};
    std::unique_ptr<ParameterSheetModel> sheet = TesterSheets::SelectComparison(context);
    EXPECT_EQ(sheet->caption(), "Select parameters for comparison");
    ASSERT_EQ(sheet->pageCount(), 2);
    EXPECT_EQ(sheet->page(0).Caption(), "Select Files");
    EXPECT_EQ(sheet->page(1).Caption(), "Characters");
    EXPECT_TRUE(sheet->page(0).editable());
    EXPECT_TRUE(sheet->page(1).editable());
}

class BasicResultsPageTest : public testing::Test {
  protected:
    // 100 correct small letters in 60 seconds.
    BasicResultsPageTest() {
        data.typedText = std::string(100, 'a');
        data.Assess(data.typedText, data.typedText);
        data.durationSeconds = 60;
        data.endTime = 1045213507;  // 02/14/2003 09:05:07 UTC
    }
    TestData data;
    MemorySettingsStore settings;
};

TEST_F(BasicResultsPageTest, ShowsTheFiguresInTheStoredUnit) {
    settings.WriteInt("", "CalculationType", TestData::kStrokesUnit);
    BasicResultsPageModel page(data, settings);
    EXPECT_EQ(page.Caption(), "Basic Results");
    EXPECT_EQ(page.unit(), TestData::kStrokesUnit);
    EXPECT_EQ(data.speedUnit, TestData::kStrokesUnit);
    EXPECT_EQ(page.results().totalTime, "00:01:00");
    EXPECT_EQ(page.grossStrokes(), "100");
    EXPECT_EQ(page.netSpeed(), "100.00");
    EXPECT_EQ(page.results().errorRate, "0");
    EXPECT_EQ(page.errors(), "0");
    EXPECT_EQ(page.results().dateOfTest, "02/14/2003");
    EXPECT_EQ(page.results().timeEnded, "09:05:07");
}

TEST_F(BasicResultsPageTest, WithoutASettingTheResultsKeepTheirUnit) {
    data.speedUnit = TestData::kWordsUnit;
    BasicResultsPageModel page(data, settings);
    EXPECT_EQ(page.unit(), TestData::kWordsUnit);
    EXPECT_EQ(page.netSpeed(), "20.00");
    // Neither a number that is no unit.
    settings.WriteInt("", "CalculationType", 7);
    EXPECT_EQ(BasicResultsPageModel(data, settings).unit(), TestData::kWordsUnit);
}

TEST_F(BasicResultsPageTest, ChoosingTheOtherUnitStoresItAndComputesAgain) {
    BasicResultsPageModel page(data, settings);
    ASSERT_EQ(page.unit(), TestData::kWordsUnit);
    EXPECT_FALSE(page.ChooseUnit(TestData::kWordsUnit));
    EXPECT_FALSE(settings.Contains("", "CalculationType"));

    EXPECT_TRUE(page.ChooseUnit(TestData::kStrokesUnit));
    EXPECT_EQ(settings.ReadInt("", "CalculationType", -1), TestData::kStrokesUnit);
    EXPECT_EQ(page.netSpeed(), "100.00");
    EXPECT_EQ(data.speedUnit, TestData::kStrokesUnit);

    EXPECT_TRUE(page.ChooseUnit(TestData::kWordsUnit));
    EXPECT_EQ(settings.ReadInt("", "CalculationType", -1), TestData::kWordsUnit);
    EXPECT_EQ(page.netSpeed(), "20.00");
    EXPECT_FALSE(page.ChooseUnit(5));
}

TEST_F(BasicResultsPageTest, ANegativeNetSpeedShowsAsItIs) {
    // Every word wrong: more points lost than typed.
    std::string original;
    data.typedText.clear();
    for (int i = 0; i < 30; ++i) {
        original += "xy ";
        data.typedText += "ab ";
    }
    data.Assess(original, data.typedText);
    ASSERT_GT(data.errorCount, 10);
    data.pointsPerError = 50;
    settings.WriteInt("", "CalculationType", TestData::kStrokesUnit);
    BasicResultsPageModel page(data, settings);
    EXPECT_LT(page.results().netSpeed, 0.0f);
    EXPECT_EQ(page.netSpeed()[0], '-');
}

class SelectFilesPageTest : public testing::Test {
  protected:
    TempDir dir;
    MemoryPathSettings paths;
};

TEST_F(SelectFilesPageTest, StartsWithTheFilesUsedLastAndStoresTheNewOnes) {
    const std::string original = dir.Write("\xC5\xBE original.txt", "abc");
    const std::string typed = dir.Write("typed.txt", "abd");
    paths.WritePath("", "TwoFilesOriginal", original);
    SelectFilesPageModel page(paths);
    EXPECT_EQ(page.Caption(), "Select Files");
    EXPECT_EQ(page.originalPath, original);
    EXPECT_EQ(page.alternativePath, "");
    page.alternativePath = typed;
    EXPECT_EQ(page.CheckConfirm(), std::nullopt);
    page.Apply();
    EXPECT_EQ(paths.ReadPath("", "TwoFilesOriginal", ""), original);
    EXPECT_EQ(paths.ReadPath("", "TwoFilesUser", ""), typed);
}

TEST_F(SelectFilesPageTest, AFileThatCannotBeReadKeepsTheSheetOnItsField) {
    SelectFilesPageModel page(paths);
    const std::string message =
        "The program cannot load the text from file. Check the file name, please.";
    page.originalPath = dir.File("absent.txt");
    page.alternativePath = dir.Write("typed.txt", "abd");
    EXPECT_EQ(page.CheckConfirm(), (PageProblem{message, SelectFilesPageModel::kOriginalField}));
    page.originalPath = page.alternativePath;
    page.alternativePath = "";
    EXPECT_EQ(page.CheckConfirm(), (PageProblem{message, SelectFilesPageModel::kAlternativeField}));
}

TEST(SelectFilesInitialNameTest, StartsInTheFolderOfTheFileShown) {
    EXPECT_EQ(SelectFilesPageModel::SelectFileInitialName("/home/kim/texts/a.txt"),
              "/home/kim/texts/*.txt");
    EXPECT_EQ(SelectFilesPageModel::SelectFileInitialName(""), "*.txt");
    EXPECT_EQ(SelectFilesPageModel::SelectFileInitialName("a.txt"), "*.txt");
}

}  // namespace
