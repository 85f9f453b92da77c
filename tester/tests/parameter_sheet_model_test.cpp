#include "tester/parameter_sheet_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tester/controls_page_model.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"
#include "tester/tester_sheets.h"
#include "tester/tests/scripted_yes_no_question.h"
#include "tester/user_info_page_model.h"

namespace {

// A page that complains as told and writes down what happens to it.
class ScriptedPage final : public ParameterPageModel {
  public:
    ScriptedPage(std::string name, bool editable, std::vector<std::string>& trace)
        : ParameterPageModel(PageKind::Controls, editable), name_(std::move(name)), trace_(trace) {}
    std::string Caption() const override { return name_; }
    std::optional<PageProblem> CheckLeave() override {
        trace_.push_back("leave " + name_);
        return leaveProblem;
    }
    std::optional<PageProblem> CheckConfirm() override {
        trace_.push_back("confirm " + name_);
        return confirmProblem;
    }
    void Apply() override { trace_.push_back("apply " + name_); }

    std::optional<PageProblem> leaveProblem;
    std::optional<PageProblem> confirmProblem;

  private:
    std::string name_;
    std::vector<std::string>& trace_;
};

class SheetOrderTest : public testing::Test {
  protected:
    SheetOrderTest() : sheet("Sheet") {
        for (auto [name, editable] : {std::pair{"a", true}, {"b", false}, {"c", true}}) {
            auto page = std::make_unique<ScriptedPage>(name, editable, trace);
            pages.push_back(page.get());
            sheet.AddPage(std::move(page));
        }
    }
    std::vector<std::string> trace;
    std::vector<ScriptedPage*> pages;
    ParameterSheetModel sheet;
};

TEST_F(SheetOrderTest, OkChecksThePageInFrontThenEveryPageAndAppliesOnlyEditablePages) {
    EXPECT_FALSE(sheet.Confirm(2).has_value());
    EXPECT_EQ(trace,
              (std::vector<std::string>{"leave c", "leave a", "confirm a", "leave b", "confirm b",
                                        "leave c", "confirm c", "apply a", "apply c"}));
}

TEST_F(SheetOrderTest, TheFirstProblemKeepsTheSheetOnItsPageAndNothingIsApplied) {
    pages[0]->confirmProblem = PageProblem{"first", 1};
    pages[2]->leaveProblem = PageProblem{"third", 3};
    std::optional<ParameterSheetModel::Problem> problem = sheet.Confirm(2);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->page, 2) << "the page in front complains first";
    EXPECT_EQ(problem->problem.message, "third");
    pages[2]->leaveProblem.reset();
    problem = sheet.Confirm(1);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->page, 0);
    EXPECT_EQ(problem->problem, (PageProblem{"first", 1}));
    for (const std::string& step : trace) {
        EXPECT_NE(step.rfind("apply", 0), 0u) << step;
    }
}

TEST_F(SheetOrderTest, LeavingAPageRunsItsLeaveCheckOnly) {
    pages[1]->leaveProblem = PageProblem{"b", 2};
    EXPECT_EQ(sheet.LeavePage(1), (PageProblem{"b", 2}));
    EXPECT_FALSE(sheet.LeavePage(0).has_value());
    EXPECT_FALSE(sheet.LeavePage(7).has_value());
    EXPECT_EQ(trace, (std::vector<std::string>{"leave b", "leave a"}));
}

struct FormCase {
    const char* name;
    int form;  // 0 new test, 1 start, 2 start from a definition
    const char* caption;
    std::vector<std::string> tabs;
    std::vector<bool> editable;
};

class TesterSheetForms : public testing::TestWithParam<FormCase> {};

TEST_P(TesterSheetForms, HoldTheirPagesInOrderAndForm) {
    const FormCase& c = GetParam();
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    PageContext context{data, settings, paths, messages, questions};
    std::unique_ptr<ParameterSheetModel> sheet =
        c.form == 0 ? TesterSheets::NewTest(context) : TesterSheets::Start(context, c.form == 2);
    EXPECT_EQ(sheet->caption(), c.caption);
    std::vector<std::string> tabs;
    std::vector<bool> editable;
    for (int i = 0; i < sheet->pageCount(); ++i) {
        tabs.push_back(sheet->page(i).Caption());
        editable.push_back(sheet->page(i).editable());
    }
    EXPECT_EQ(tabs, c.tabs);
    EXPECT_EQ(editable, c.editable);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TesterSheetForms,
    testing::Values(FormCase{"NewTest",
                             0,
                             "Set parameters for the new test",
                             {"Description", "Controls", "Characters", "Calculation Rules",
                              "Author Info"},
                             {true, true, true, true, true}},
                    FormCase{"Start",
                             1,
                             "Set all these parameters",
                             {"Controls", "Characters", "Calculation Rules", "User Info"},
                             {true, true, true, true}},
                    FormCase{"StartFromDefinition",
                             2,
                             "Set all these parameters",
                             {"Description", "Author Info", "Controls", "Characters",
                              "Calculation Rules", "User Info"},
                             {false, false, false, false, false, true}}),
    [](const testing::TestParamInfo<FormCase>& info) { return std::string(info.param.name); });

class StartSheetTest : public testing::Test {
  protected:
    void SetUp() override {
        DataPaths::SetProgramFolder(dir.path() + "/");
        DataPaths::SetWritableRoot(dir.path());
    }
    void TearDown() override { DataPaths::SetWritableRoot(""); }
    TempDir dir;
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    PageContext context{data, settings, paths, messages, questions};
};

TEST_F(StartSheetTest, AnUnreadableTextComesBeforeAMissingNicknameAndNothingChanges) {
    std::unique_ptr<ParameterSheetModel> sheet = TesterSheets::Start(context, false);
    auto& controls = static_cast<ControlsPageModel&>(sheet->page(0));
    controls.fileName = dir.File("none.txt");
    controls.timeLimit = "2";
    std::optional<ParameterSheetModel::Problem> problem = sheet->Confirm(3);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->page, 0);
    EXPECT_EQ(problem->problem.field, ControlsPageModel::kFileNameField);

    controls.fileName = dir.Write("text/a.txt", "Text to copy.\n");
    problem = sheet->Confirm(0);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->page, 3);
    EXPECT_EQ(problem->problem, (PageProblem{"Enter Nickname, please.", 4601}));
    EXPECT_EQ(data.timeLimitMinutes, 5);
    EXPECT_EQ(data.originalText, "");
    EXPECT_FALSE(settings.Contains("", "TimeLimit"));

    static_cast<UserInfoPageModel&>(sheet->page(3)).NicknameLeft("kim");
    EXPECT_FALSE(sheet->Confirm(3).has_value());
    EXPECT_EQ(data.originalText, "Text to copy.");
    EXPECT_EQ(data.timeLimitMinutes, 2);
    EXPECT_EQ(data.nickname, "kim");
    EXPECT_EQ(settings.ReadString("", "DefaultUser", ""), "kim_USER");
}

TEST_F(StartSheetTest, TheDefinitionFormChangesOnlyTheTypist) {
    data.originalText = "Definition text";
    data.timeLimitMinutes = 1;
    data.nickname = "author";
    data.testId = "MV1";
    std::unique_ptr<ParameterSheetModel> sheet = TesterSheets::Start(context, true);
    auto& user = static_cast<UserInfoPageModel&>(sheet->page(5));
    user.NicknameLeft("typist");
    EXPECT_FALSE(sheet->Confirm(0).has_value());
    EXPECT_EQ(data.originalText, "Definition text");
    EXPECT_EQ(data.timeLimitMinutes, 1);
    EXPECT_EQ(data.nickname, "typist");
    EXPECT_FALSE(settings.Contains("", "TimeLimit"));
}

}  // namespace
