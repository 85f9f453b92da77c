#include "tutor/course/first_time_wizard_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/no_system_keyboard_layouts.h"
#include "tutor/course/tests/course_files_support.h"
#include "tutor/course/tests/fake_system_keyboard_layouts.h"

namespace {

using Lines = std::vector<std::string>;
using Page = FirstTimeWizardModel::Page;
using Status = FirstTimeWizardModel::CourseStatus;
using Buttons = FirstTimeWizardModel::Buttons;

std::vector<KeyboardRecord> Keyboards() {
    return KeyboardRecord::ParseList({"00000407:German:0:", "00000409:English (US):0:",
                                      "0000040E:Hungarian:1:", "NUM:Numeric keypad:0:"});
}

std::vector<CourseRecord> Courses() {
    return CourseRecord::ParseList({
        "00000409_a:00000409:Beginner:From the home row:0:",
        "00000409_b:00000409:Advanced:All letters:0:",
        "00000409_c:00000409:Expert:Numbers and signs:1:",
        "0000040E_a:0000040E:Kezdo:Alapsor:0:",
        "0000040E_b:0000040E:Halado:Minden betu:0:",
        "NUM_a:NUM:Digits:The keypad:1:",
    });
}

const std::vector<std::string> kCandidates = {"00000407", "00000409", "0000040E", "NUM"};

std::vector<std::string> Captions(const std::vector<CourseRecord>& levels) {
    std::vector<std::string> captions;
    for (const CourseRecord& level : levels) {
        captions.push_back(level.caption);
    }
    return captions;
}

class FirstTimeWizard : public testing::Test {
  protected:
    void SetUp() override {
        DataPaths::SetProgramFolder(dir.path());
        system.refused.insert("00000407");
    }

    FirstTimeWizardModel Model() { return FirstTimeWizardModel(system, course, "00000409", "_a"); }

    TempDir dir;
    FakeSystemKeyboardLayouts system;
    LessonCourse course;
};

}  // namespace

TEST_F(FirstTimeWizard, OffersRecordsOfCandidatesTheSystemAccepts) {
    FirstTimeWizardModel model = Model();
    EXPECT_EQ(model.FillCoursePage(Keyboards(), Courses(), kCandidates), Status::Ready);
    ASSERT_EQ(model.keyboardEntries().size(), 3u);
    EXPECT_EQ(model.keyboardEntries()[0].caption, "English (US)");
    EXPECT_EQ(model.keyboardEntries()[1].caption, "Hungarian");
    EXPECT_EQ(model.keyboardEntries()[2].caption, "Numeric keypad");
    // Every system layout is asked about, none is switched to; the keypad is no system layout.
    EXPECT_EQ(system.questions, (Lines{"00000407", "00000409", "0000040E"}));
    EXPECT_TRUE(system.requests.empty());
    EXPECT_EQ(system.active, "00000407");
}

TEST_F(FirstTimeWizard, DefaultKeyboardAndLevelAreSelected) {
    FirstTimeWizardModel model = Model();
    model.FillCoursePage(Keyboards(), Courses(), kCandidates);
    EXPECT_EQ(model.selectedKeyboard(), 1);
    // Hungarian has no default level: the last one stays selected.
    EXPECT_EQ(Captions(model.levelEntries()), (Lines{"Kezdo", "Halado"}));
    EXPECT_EQ(model.selectedLevel(), 1);
    EXPECT_EQ(model.description(), "Minden betu");
}

TEST_F(FirstTimeWizard, DefaultLevelWinsOverTheLastOne) {
    FirstTimeWizardModel model = Model();
    model.FillCoursePage(Keyboards(), Courses(), kCandidates);
    model.SelectKeyboard(0);
    EXPECT_EQ(Captions(model.levelEntries()), (Lines{"Beginner", "Advanced", "Expert"}));
    EXPECT_EQ(model.selectedLevel(), 2);
    EXPECT_EQ(model.description(), "Numbers and signs");
    model.SelectLevel(0);
    EXPECT_EQ(model.description(), "From the home row");
}

TEST_F(FirstTimeWizard, WithoutDefaultKeyboardTheFirstIsSelected) {
    FirstTimeWizardModel model = Model();
    model.FillCoursePage(Keyboards(), Courses(), {"NUM", "00000409"});
    EXPECT_EQ(model.selectedKeyboard(), 0);
    EXPECT_EQ(model.keyboardEntries()[0].id, "NUM");
    EXPECT_EQ(Captions(model.levelEntries()), Lines{"Digits"});
}

TEST_F(FirstTimeWizard, KeyboardWithoutLevelsShowsNoDescription) {
    auto keyboards = Keyboards();
    keyboards.push_back(KeyboardRecord{"00000809", "English (UK)", 0, 9});
    FirstTimeWizardModel model = Model();
    model.FillCoursePage(keyboards, Courses(), {"0000040E", "00000809"});
    ASSERT_EQ(model.keyboardEntries().size(), 2u);
    model.SelectKeyboard(1);
    EXPECT_TRUE(model.levelEntries().empty());
    EXPECT_EQ(model.selectedLevel(), -1);
    EXPECT_EQ(model.description(), "");
    // Leaving the page changes only the keyboard.
    model.Show();
    ASSERT_TRUE(model.Next());
    EXPECT_EQ(model.keyboardId(), "00000809");
    EXPECT_EQ(model.courseName(), "_a");
}

TEST_F(FirstTimeWizard, NoAcceptableKeyboardLeavesThePageEmpty) {
    system.refused = {"00000409", "0000040E", "00000407"};
    FirstTimeWizardModel model = Model();
    EXPECT_EQ(model.FillCoursePage(Keyboards(), Courses(), {"00000409", "0000040E"}),
              Status::NoKeyboard);
    model.Show();
    EXPECT_TRUE(model.keyboardEntries().empty());
    EXPECT_EQ(model.CurrentButtons(), Buttons{});
    EXPECT_FALSE(model.Next());
}

TEST_F(FirstTimeWizard, MissingListFilesGiveTheOpeningError) {
    FirstTimeWizardModel model = Model();
    dir.Write("config/keyboards.txt", "00000409:US:1:\n");
    EXPECT_EQ(model.OpenCoursePage(), Status::FilesMissing);
    EXPECT_TRUE(model.keyboardEntries().empty());
    std::filesystem::remove(dir.File("config/keyboards.txt"));
    dir.Write("config/lessons.txt", "00000409_a:00000409:Beginner:x:1:\n");
    EXPECT_EQ(model.OpenCoursePage(), Status::FilesMissing);
}

TEST_F(FirstTimeWizard, OpensFromTheConfigFolder) {
    dir.Write("config/keyboards.txt", "; types\r\n00000409:US:0:\r\nNUM:Keypad:1:\r\n");
    dir.Write("config/lessons.txt",
              "00000409_a:00000409:Beginner:x:1:\r\nNUM_a:NUM:Digits:y:1:\r\n");
    dir.Write("config/00000409.kdd", "");
    dir.Write("config/NUM.kdd", "");
    FirstTimeWizardModel model = Model();
    EXPECT_EQ(model.OpenCoursePage(), Status::Ready);
    ASSERT_EQ(model.keyboardEntries().size(), 2u);
    EXPECT_EQ(model.keyboardEntries()[model.selectedKeyboard()].id, "NUM");
    EXPECT_EQ(model.description(), "y");
}

TEST_F(FirstTimeWizard, WithoutSystemLayoutsEveryKeyboardWithALayoutFileIsOffered) {
    dir.Write("config/keyboards.txt", "00000407:DE:0:\n00000409:US:0:\n0000040E:HU:0:\n");
    dir.Write("config/lessons.txt", "00000409_a:00000409:Beginner:x:1:\n");
    dir.Write("config/00000407.kdd", "");
    dir.Write("config/0000040E.kdd", "");
    NoSystemKeyboardLayouts none;
    FirstTimeWizardModel model(none, course, "00000409", "_a");
    EXPECT_EQ(model.OpenCoursePage(), Status::Ready);
    ASSERT_EQ(model.keyboardEntries().size(), 2u);
    EXPECT_EQ(model.keyboardEntries()[0].caption, "DE");
    EXPECT_EQ(model.keyboardEntries()[1].caption, "HU");
}

TEST_F(FirstTimeWizard, CandidatesAreLayoutFileNamesUpToTheFirstDot) {
    dir.Write("config/00000409.kdd", "");
    dir.Write("config/0000040E.old.kdd", "");
    dir.Write("config/NUM.kdd", "");
    dir.Write("config/0409.odd", "");
    dir.Write("config/00000407.kdd.bak", "");
    std::filesystem::create_directories(dir.File("config/folder.kdd"));
    EXPECT_EQ(FirstTimeWizardModel::KeyboardCandidates(DataPaths::DataPath("config", "")),
              (Lines{"00000409", "0000040E", "NUM"}));
    EXPECT_TRUE(FirstTimeWizardModel::KeyboardCandidates(dir.File("missing/")).empty());
}

TEST_F(FirstTimeWizard, LeavingTheCoursePageChoosesKeyboardAndCourseName) {
    FirstTimeWizardModel model = Model();
    model.FillCoursePage(Keyboards(), Courses(), kCandidates);
    model.Show();
    EXPECT_EQ(model.page(), Page::Course);
    EXPECT_EQ(model.CurrentButtons(), (Buttons{false, true, false, false}));
    model.SelectKeyboard(0);
    model.SelectLevel(1);
    EXPECT_FALSE(model.courseLeft());
    ASSERT_TRUE(model.Next());
    EXPECT_TRUE(model.courseLeft());
    EXPECT_EQ(model.keyboardId(), "00000409");
    EXPECT_EQ(model.courseName(), "_b");
    EXPECT_EQ(model.page(), Page::Start);
    // Cancelling now keeps the choice: nothing takes it back.
    EXPECT_EQ(model.ChosenLesson(), -1);
}

TEST_F(FirstTimeWizard, StartAndFingeringPagesOfferFinishUntilTheirBoxLeadsOn) {
    FirstTimeWizardModel model = Model();
    model.FillCoursePage(Keyboards(), Courses(), kCandidates);
    model.Show();
    ASSERT_TRUE(model.Next());
    EXPECT_EQ(model.CurrentButtons(), (Buttons{true, false, true, false}));
    EXPECT_FALSE(model.Next());
    model.SetQualifyTicked(true);
    EXPECT_EQ(model.CurrentButtons(), (Buttons{true, true, false, false}));
    ASSERT_TRUE(model.Next());
    EXPECT_EQ(model.page(), Page::Fingering);
    EXPECT_TRUE(model.fingeringTicked());
    EXPECT_FALSE(model.FingeringHintsVisible());
    EXPECT_EQ(model.CurrentButtons(), (Buttons{true, true, false, false}));
    model.SetFingeringTicked(false);
    EXPECT_TRUE(model.FingeringHintsVisible());
    EXPECT_EQ(model.CurrentButtons(), (Buttons{true, false, true, false}));
    EXPECT_TRUE(model.CanFinish());
    EXPECT_EQ(model.ChosenLesson(), -1);
    ASSERT_TRUE(model.Back());
    ASSERT_TRUE(model.Back());
    EXPECT_EQ(model.page(), Page::Course);
    EXPECT_FALSE(model.Back());
}

class FirstTimeWizardTestPage : public FirstTimeWizard {
  protected:
    void SetUp() override {
        FirstTimeWizard::SetUp();
        WriteLineFile(dir, "lessons/00000409_b.ddd",
                      {"00000409_b", "One", "fj:0:64:0.8:", "fj", "", "Two", "dk:0:68:1:", "dk", "",
                       "Three", "sl:1:72.5:1.25:", "sl"});
        WriteLineFile(
            dir, "lessons/0000040E_a.ddd",
            {"0000040E_a", "Egy", "asdf:1:100:2:", "asdf", "", "Ketto", "jkl:1::", "jkl"});
    }

    void GoToTestPage(FirstTimeWizardModel& model, int keyboard, int level) {
        model.FillCoursePage(Keyboards(), Courses(), kCandidates);
        model.Show();
        model.SelectKeyboard(keyboard);
        model.SelectLevel(level);
        ASSERT_TRUE(model.Next());
        model.SetQualifyTicked(true);
        ASSERT_TRUE(model.Next());
        ASSERT_TRUE(model.Next());
        ASSERT_EQ(model.page(), Page::TestLesson);
    }
};

TEST_F(FirstTimeWizardTestPage, RowsCollectTheCharactersUpToEachTestableLesson) {
    FirstTimeWizardModel model = Model();
    GoToTestPage(model, 0, 1);
    EXPECT_TRUE(course.loaded());
    EXPECT_EQ(model.testRows(), (std::vector<WizardTestRow>{{"fjdksl", "1.25", "72.50", 2}}));
    EXPECT_EQ(model.CurrentButtons(), (Buttons{true, false, false, false}));
    model.SelectTestRow(0);
    EXPECT_EQ(model.ChosenLesson(), 2);
    EXPECT_EQ(model.CurrentButtons(), (Buttons{true, false, true, true}));
    ASSERT_TRUE(model.Back());
    EXPECT_EQ(model.ChosenLesson(), -1);
}

TEST_F(FirstTimeWizardTestPage, GoingBackForAnotherCourseRebuildsTheRows) {
    FirstTimeWizardModel model = Model();
    GoToTestPage(model, 0, 1);
    model.SelectTestRow(0);
    ASSERT_TRUE(model.Back());
    ASSERT_TRUE(model.Back());
    ASSERT_TRUE(model.Back());
    model.SelectKeyboard(1);
    model.SelectLevel(0);
    ASSERT_TRUE(model.Next());
    ASSERT_TRUE(model.Next());
    ASSERT_TRUE(model.Next());
    EXPECT_EQ(model.keyboardId(), "0000040E");
    EXPECT_EQ(model.testRows(), (std::vector<WizardTestRow>{{"asdf", "2.00", "100.00", 0},
                                                            {"asdfjkl", "0.80", "0.00", 1}}));
    EXPECT_EQ(model.ChosenLesson(), -1);
    EXPECT_EQ(model.selectedRow(), -1);
}

TEST_F(FirstTimeWizardTestPage, OpeningAtTheTestPageUsesTheUsersCourse) {
    FirstTimeWizardModel model(system, course, "0000040E", "_a");
    model.Show(true);
    EXPECT_EQ(model.page(), Page::TestLesson);
    EXPECT_EQ(model.testRows().size(), 2u);
    model.SelectTestRow(1);
    EXPECT_EQ(model.ChosenLesson(), 1);
    model.SelectTestRow(5);
    EXPECT_EQ(model.ChosenLesson(), 1);
    model.Show(true);
    EXPECT_EQ(model.ChosenLesson(), -1);
}

TEST_F(FirstTimeWizardTestPage, CourseWithoutTestableLessonsOffersNoTest) {
    WriteLineFile(dir, "lessons/00000409_a.ddd", {"", "One", "fj:0:64:0.8:", "fj"});
    FirstTimeWizardModel model = Model();
    GoToTestPage(model, 0, 0);
    EXPECT_TRUE(model.testRows().empty());
    model.SelectTestRow(0);
    EXPECT_FALSE(model.CanFinish());
    EXPECT_EQ(model.ChosenLesson(), -1);
}

TEST_F(FirstTimeWizardTestPage, MissingCourseFileGivesNoRows) {
    FirstTimeWizardModel model(system, course, "00000409", "_z");
    model.Show(true);
    EXPECT_TRUE(model.testRows().empty());
    EXPECT_FALSE(course.loaded());
}

TEST_F(FirstTimeWizardTestPage, ReopenedAfterAFailedTestTheCoursePageShowsTheUsersCourse) {
    // Without this the defaults (Hungarian, "Halado") would be preselected and Next would
    // quietly switch the user's course.
    FirstTimeWizardModel model(system, course, "00000409", "_a");
    model.Show(true);
    ASSERT_TRUE(model.Back());
    ASSERT_TRUE(model.Back());
    ASSERT_TRUE(model.Back());
    ASSERT_EQ(model.FillCoursePage(Keyboards(), Courses(), kCandidates), Status::Ready);
    EXPECT_EQ(model.keyboardEntries()[model.selectedKeyboard()].id, "00000409");
    EXPECT_EQ(Captions(model.levelEntries()), (Lines{"Beginner", "Advanced", "Expert"}));
    EXPECT_EQ(model.selectedLevel(), 0);
    EXPECT_EQ(model.description(), "From the home row");
    ASSERT_TRUE(model.Next());
    EXPECT_EQ(model.keyboardId(), "00000409");
    EXPECT_EQ(model.courseName(), "_a");
}

TEST_F(FirstTimeWizardTestPage, ReopenedWithACourseNoLongerOfferedTheDefaultsStay) {
    struct Case {
        const char* keyboardId;
        const char* courseName;
        const char* keyboard;
        const char* level;
    };
    for (const Case& c : {Case{"00000407", "_a", "0000040E", "Halado"},
                          Case{"00000409", "_q", "00000409", "Expert"}}) {
        FirstTimeWizardModel model(system, course, c.keyboardId, c.courseName);
        model.Show(true);
        model.FillCoursePage(Keyboards(), Courses(), kCandidates);
        EXPECT_EQ(model.keyboardEntries()[model.selectedKeyboard()].id, c.keyboard)
            << c.keyboardId << c.courseName;
        EXPECT_EQ(model.levelEntries()[model.selectedLevel()].caption, c.level)
            << c.keyboardId << c.courseName;
    }
}

TEST_F(FirstTimeWizard, AFirstShowingPreselectsTheDefaultsNotTheUsersCourse) {
    FirstTimeWizardModel model(system, course, "00000409", "_a");
    model.Show();
    model.FillCoursePage(Keyboards(), Courses(), kCandidates);
    EXPECT_EQ(model.keyboardEntries()[model.selectedKeyboard()].id, "0000040E");
}

TEST_F(FirstTimeWizard, EveryLeavingOfTheCoursePageHandsTheCourseOverAtOnce) {
    FirstTimeWizardModel model = Model();
    std::vector<std::string> chosen;
    model.SetCourseChosen([&](const std::string& keyboardId, const std::string& courseName) {
        chosen.push_back(keyboardId + courseName);
    });
    model.FillCoursePage(Keyboards(), Courses(), kCandidates);
    model.Show();
    model.SelectKeyboard(0);
    model.SelectLevel(1);
    EXPECT_TRUE(chosen.empty());
    ASSERT_TRUE(model.Next());
    EXPECT_EQ(chosen, Lines{"00000409_b"});
    // Going back and on again hands the new choice over; the other pages hand nothing.
    model.SetQualifyTicked(true);
    ASSERT_TRUE(model.Next());
    ASSERT_TRUE(model.Back());
    ASSERT_TRUE(model.Back());
    EXPECT_EQ(chosen.size(), 1u);
    model.SelectKeyboard(2);
    ASSERT_TRUE(model.Next());
    EXPECT_EQ(chosen, (Lines{"00000409_b", "NUM_a"}));
}
