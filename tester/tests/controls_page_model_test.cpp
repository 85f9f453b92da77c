#include "tester/controls_page_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/temp_dir.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"

namespace {

struct TimeLimitCase {
    const char* typed;
    bool accepted;
};

class ControlsTimeLimit : public testing::TestWithParam<TimeLimitCase> {};

TEST_P(ControlsTimeLimit, OnlyWholeMinutesFrom1To200LeaveThePage) {
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    ControlsPageModel page(data, settings, paths, true);
    page.timeLimit = GetParam().typed;
    std::optional<PageProblem> problem = page.CheckLeave();
    if (GetParam().accepted) {
        EXPECT_FALSE(problem.has_value());
    } else {
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(*problem, (PageProblem{"Please enter an integer between 1 and 200.", 1001}));
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ControlsTimeLimit,
                         testing::Values(TimeLimitCase{"1", true}, TimeLimitCase{"200", true},
                                         TimeLimitCase{" 60 ", true}, TimeLimitCase{"+5", true},
                                         TimeLimitCase{"0", false}, TimeLimitCase{"201", false},
                                         TimeLimitCase{"-5", false}, TimeLimitCase{"", false},
                                         TimeLimitCase{"5 min", false},
                                         TimeLimitCase{"99999999999", false},
                                         TimeLimitCase{"1.5", false}));

class ControlsPageTest : public testing::Test {
  protected:
    TempDir dir;
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
};

TEST_F(ControlsPageTest, EditableFormStartsFromTheSettingsWithTheTestValuesAsDefaults) {
    data.timeLimitMinutes = 3;
    data.allowEnter = 0;
    data.sourceFileName = "/texts/old.txt";
    {
        ControlsPageModel page(data, settings, paths, true);
        EXPECT_EQ(page.timeLimit, "3");
        EXPECT_FALSE(page.allowEnter);
        EXPECT_TRUE(page.allowBackspace);
        EXPECT_EQ(page.fileName, "/texts/old.txt");
        EXPECT_EQ(page.scrollingType, 0);
    }
    settings.WriteInt("", "TimeLimit", 10);
    settings.WriteInt("", "UseEnter", 1);
    settings.WriteInt("", "Backspace", 0);
    settings.WriteInt("", "ScrollingType", 2);
    paths.WritePath("", "LastFileOriginal", "/texts/\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD.txt");
    ControlsPageModel page(data, settings, paths, true);
    EXPECT_EQ(page.timeLimit, "10");
    EXPECT_TRUE(page.allowEnter);
    EXPECT_FALSE(page.allowBackspace);
    EXPECT_EQ(page.scrollingType, 2);
    EXPECT_EQ(page.fileName, "/texts/\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD.txt");
}

TEST_F(ControlsPageTest, ConfirmLoadsTheTextAndApplyWritesTestAndSettings) {
    const std::string path = dir.Write("t\xC3\xA9st.txt", "One\ttwo  three \nfour\n");
    ControlsPageModel page(data, settings, paths, true);
    page.timeLimit = "7";
    page.fileName = path;
    page.allowArrows = false;
    page.allowPause = false;
    page.scrollingType = 1;
    ASSERT_FALSE(page.CheckLeave().has_value());
    ASSERT_FALSE(page.CheckConfirm().has_value());
    EXPECT_EQ(data.originalText, "") << "nothing changes before the sheet applies its pages";
    page.Apply();
    EXPECT_EQ(data.originalText, "One two three\r\nfour");
    EXPECT_EQ(data.sourceFileName, path);
    EXPECT_EQ(data.timeLimitMinutes, 7);
    EXPECT_EQ(data.allowArrows, 0);
    EXPECT_EQ(data.allowPause, 0);
    EXPECT_EQ(data.allowBackspace, 1);
    EXPECT_EQ(data.scrollingType, 1);
    EXPECT_EQ(settings.ReadInt("", "TimeLimit", 0), 7);
    EXPECT_EQ(settings.ReadInt("", "UseArrows", -1), 0);
    EXPECT_EQ(settings.ReadInt("", "AllowPause", -1), 0);
    EXPECT_EQ(settings.ReadInt("", "UseEnter", -1), 1);
    EXPECT_EQ(settings.ReadInt("", "Backspace", -1), 1);
    EXPECT_EQ(settings.ReadInt("", "ScrollingType", -1), 1);
    EXPECT_EQ(paths.ReadPath("", "LastFileOriginal", ""), path) << "the path stays UTF-8";
    EXPECT_FALSE(settings.Contains("", "LastFileOriginal"));
}

TEST_F(ControlsPageTest, ConfirmRefusesAFileThatCannotBeReadOrIsTooLongToAssess) {
    ControlsPageModel page(data, settings, paths, true);
    page.fileName = dir.File("missing.txt");
    EXPECT_EQ(page.CheckConfirm(),
              (PageProblem{"The program cannot load the text from file. Check the file name, "
                           "please.",
                           1006}));
    page.fileName = dir.Write("long.txt", std::string(65536, 'a'));
    EXPECT_EQ(page.CheckConfirm(), (PageProblem{TestData::kTooLongMessage, 1006}));
    page.fileName = dir.Write("limit.txt", std::string(65535, 'a'));
    EXPECT_FALSE(page.CheckConfirm().has_value());
}

TEST_F(ControlsPageTest, ReadOnlyFormShowsTheTestAndChangesNothing) {
    data.timeLimitMinutes = 1;
    data.testId = "MV20030214_090507_1200_3045";
    data.allowBackspace = 0;
    data.scrollingType = 2;
    data.originalText = "kept";
    settings.WriteInt("", "TimeLimit", 30);
    ControlsPageModel page(data, settings, paths, false);
    EXPECT_EQ(page.timeLimit, "1");
    EXPECT_EQ(page.testId, "MV20030214_090507_1200_3045");
    EXPECT_FALSE(page.allowBackspace);
    EXPECT_EQ(page.scrollingType, 2);
    page.timeLimit = "0";
    page.fileName = "/nowhere";
    EXPECT_FALSE(page.CheckLeave().has_value());
    EXPECT_FALSE(page.CheckConfirm().has_value());
    page.Apply();
    EXPECT_EQ(data.originalText, "kept");
    EXPECT_EQ(settings.ReadInt("", "TimeLimit", 0), 30);
}

TEST_F(ControlsPageTest, SelectFileStartsInTheTextFolderBesideTheProgram) {
    DataPaths::SetProgramFolder(dir.path() + "/");
    EXPECT_EQ(ControlsPageModel::SelectFileInitialName(), dir.path() + "/text/*.txt");
}

}  // namespace
