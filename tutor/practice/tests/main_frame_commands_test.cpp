#include "tutor/practice/main_frame_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/data_paths.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/keyboard_layout_switcher.h"
#include "tutor/course/own_text_limits.h"
#include "tutor/practice/main_frame_window.h"
#include "tutor/practice/message_questions.h"
#include "tutor/practice/practice_panel_setup.h"
#include "tutor/practice/practice_texts.h"
#include "tutor/practice/stroke_sound_settings.h"
#include "tutor/practice/tests/practice_test_support.h"
#include "tutor/practice/tutor_dialogs.h"
#include "tutor/users/info_box_prompts.h"
#include "tutor/users/login_dialog_model.h"

namespace {

namespace fs = std::filesystem;

using Events = std::vector<std::string>;

// Every fake writes what happens to it into one list, so the tests can check the order in
// which the commands reach the dialogs, the system and the window.

class FakeDialogs final : public TutorDialogs {
  public:
    explicit FakeDialogs(Events& events) : events_(events) {}

    LoginOutcome Login() override {
        events_.push_back("Login");
        LoginOutcome outcome = logins.empty() ? LoginOutcome{} : logins.front();
        if (!logins.empty()) {
            logins.pop_front();
        }
        if (whileLoginOpen) {
            whileLoginOpen();
        }
        return outcome;
    }
    void UserDetails() override { events_.push_back("UserDetails"); }
    int InitialTestWizard(bool atTestPage) override {
        events_.push_back(atTestPage ? "Wizard at test page" : "Wizard");
        if (whileWizardOpen) {
            whileWizardOpen();
        }
        return Take(wizardLessons, -1);
    }
    int ChooseLesson() override {
        events_.push_back("ChooseLesson");
        return Take(chosenLessons, -1);
    }
    std::optional<std::string> ChooseTextFile() override {
        events_.push_back("ChooseTextFile");
        return textFile;
    }
    bool EnterOwnTextLimits(OwnTextLimits& limits) override {
        events_.push_back("EnterOwnTextLimits");
        if (limitsOk) {
            limits.speedLimit = 30.0;
        }
        return limitsOk;
    }
    bool Settings(TutorSettings& settings) override {
        events_.push_back("Settings");
        if (editSettings) {
            editSettings(settings);
        }
        return settingsOk;
    }
    void Results(const StrokeLog& log) override {
        events_.push_back("Results");
        shownRecordCounts.push_back(log.recordCount());
    }
    std::optional<std::string> SaveResultsFile() override {
        events_.push_back("SaveResultsFile");
        return saveFile;
    }
    std::optional<std::string> LoadResultsFile() override {
        events_.push_back("LoadResultsFile");
        return loadFile;
    }

    std::deque<LoginOutcome> logins;
    std::function<void()> whileLoginOpen;
    std::deque<int> wizardLessons;
    std::function<void()> whileWizardOpen;
    std::deque<int> chosenLessons;
    std::optional<std::string> textFile;
    bool limitsOk = true;
    std::function<void(TutorSettings&)> editSettings;
    bool settingsOk = true;
    std::vector<std::size_t> shownRecordCounts;
    std::optional<std::string> saveFile;
    std::optional<std::string> loadFile;

  private:
    static int Take(std::deque<int>& answers, int otherwise) {
        if (answers.empty()) {
            return otherwise;
        }
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    Events& events_;
};

class FakeFrame final : public MainFrameWindow {
  public:
    explicit FakeFrame(Events& events) : events_(events) {}
    void SetNeededPanelHeight(int panelHeight) override { neededHeights.push_back(panelHeight); }
    void CloseWindow() override { events_.push_back("CloseWindow"); }
    void QuitProgram(int exitCode) override {
        events_.push_back("QuitProgram " + std::to_string(exitCode));
    }
    void SavePlacement() override {
        events_.push_back("SavePlacement");
        if (whilePlacementSaved) {
            whilePlacementSaved();
        }
    }
    void RestorePlacement() override { events_.push_back("RestorePlacement"); }
    void ShowStatusText(const std::string& text) override { statusText = text; }

    std::vector<int> neededHeights;
    std::function<void()> whilePlacementSaved;
    std::string statusText;

  private:
    Events& events_;
};

class FakeAnswers final : public MessageQuestions, public InfoBoxPrompts {
  public:
    explicit FakeAnswers(Events& events) : events_(events) {}
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        events_.push_back(caption + ": " + text);
        return Take(yesNo);
    }
    bool AskRetryDiscard(const std::string& caption, const std::string& text) override {
        events_.push_back("Retry? " + caption + ": " + text);
        if (beforeRetryAnswer) {
            beforeRetryAnswer();
        }
        return Take(retry);
    }
    void ShowInfo(const std::string& text) override { events_.push_back("Info: " + text); }
    bool AskYesNo(const std::string& text) override {
        events_.push_back("InfoBox? " + text);
        return Take(infoYesNo);
    }

    std::deque<bool> yesNo;
    std::deque<bool> retry;
    std::deque<bool> infoYesNo;
    std::function<void()> beforeRetryAnswer;

  private:
    static bool Take(std::deque<bool>& answers) {
        if (answers.empty()) {
            return false;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    Events& events_;
};

class FakeLayouts final : public SystemKeyboardLayouts {
  public:
    explicit FakeLayouts(Events& events) : events_(events) {}
    std::string ActiveLayoutName() const override { return active; }
    bool IsAvailable(const std::string& name) const override { return refused.count(name) == 0; }
    bool LoadAndActivate(const std::string& name) override {
        events_.push_back("Layout " + name);
        if (refused.count(name) != 0) {
            return false;
        }
        active = name;
        return true;
    }

    std::string active = "00000407";
    std::set<std::string> refused;

  private:
    Events& events_;
};

/// The panel's layout and pictures: an appearance that is missing gives way to "standard"
/// when that one is there, as the real panel does after telling the user.
class FakePanelSetup final : public PracticePanelSetup {
  public:
    explicit FakePanelSetup(Events& events) : events_(events) {}
    int ComputeLayout(bool showStatistics, bool showKeyboard, bool showHands) override {
        return 100 + (showStatistics ? 1 : 0) + (showKeyboard ? 10 : 0) + (showHands ? 100 : 0);
    }
    bool LoadAppearance(const std::string& name) override {
        events_.push_back("Appearance " + name);
        for (const std::string& candidate : {name, std::string("standard")}) {
            if (missing.count(candidate) == 0) {
                loaded = candidate;
                return true;
            }
        }
        return false;
    }
    std::string loadedAppearance() const override { return loaded; }

    std::set<std::string> missing;
    std::string loaded;

  private:
    Events& events_;
};

class FakeSound final : public StrokeSoundSettings {
  public:
    void ApplySettings(const TutorSettings& settings) override { applied.push_back(settings); }
    std::vector<TutorSettings> applied;
};

/// The small windows are the practice fakes; the user details and the wizard are the
/// dialogs' own, as in the program.
/// The window as the engine sees it is the practice fake, except that its layout is the
/// commands' work, as in the program.
class RoutedWindow final : public PracticeWindow {
  public:
    explicit RoutedWindow(FakePracticeHost& host) : host_(host) {}
    void SetPracticeTimer() override { host_.SetPracticeTimer(); }
    void KillPracticeTimer() override { host_.KillPracticeTimer(); }
    void TakeFocus() override { host_.TakeFocus(); }
    void FocusToTextPanel() override { host_.FocusToTextPanel(); }
    void RepaintWindow() override { host_.RepaintWindow(); }
    void ApplyLayout() override { commands->ApplyLayout(); }
    void EnterInitialTestMenu() override { host_.EnterInitialTestMenu(); }
    void LeaveInitialTestMenu() override { host_.LeaveInitialTestMenu(); }

    MainFrameCommands* commands = nullptr;

  private:
    FakePracticeHost& host_;
};

class RoutedDialogs final : public PracticeDialogs {
  public:
    RoutedDialogs(FakePracticeHost& host, FakeDialogs& dialogs) : host_(host), dialogs_(dialogs) {}
    void NoteBox(const std::string& text) override { host_.NoteBox(text); }
    bool InfoBox(const std::string& text, bool repeatCheckBox) override {
        return host_.InfoBox(text, repeatCheckBox);
    }
    EndOfLessonChoice EndOfLesson(const EndOfLessonDialogModel& model) override {
        return host_.EndOfLesson(model);
    }
    void UserDetails() override { dialogs_.UserDetails(); }
    int InitialTestWizard(bool atTestPage) override {
        return dialogs_.InitialTestWizard(atTestPage);
    }

  private:
    FakePracticeHost& host_;
    FakeDialogs& dialogs_;
};

void WriteLineFile(const std::string& path, const std::vector<std::string>& lines) {
    fs::create_directories(fs::path(path).parent_path());
    CompressedLineFile file;
    for (const std::string& line : lines) {
        file.AddLine(line);
    }
    ASSERT_TRUE(file.Write(path));
}

/// A program folder with one keyboard and its course, a users folder, and the main window's
/// commands over a session whose window, panel and small windows are the practice fakes.
///   course 00000409_a: lesson 0 "Home row" ("abc", "cab"; 120 per minute, 1.5 %),
///                      lesson 1 "Second" ("ab ba"; 60 per minute, 2.0 %)
///   keyboard 00000409: the keys a, b, c, x and the space bar
class CommandsFixture {
  public:
    explicit CommandsFixture(bool newUser = false) {
        DataPaths::SetProgramFolder(folder.path());
        WriteLineFile(folder.File("config/00000409.kdd"),
                      {"00000409", "60:20:1:a:A::0:", "60:36:1:b:B::1:", "60:52:1:c:C::2:",
                       "60:68:1:x:X::3:", "99:60:120: :::4:"});
        WriteLineFile(folder.File("lessons/00000409_a.ddd"),
                      {"00000409_a", "Home row", "abc:1:120:1.5:", "abc", "cab", "", "Second",
                       "ab :1:60:2.0:", "ab ba"});
        fs::create_directories(folder.File("users"));
        profile.load("petr", false);
        profile.setPassword("secret");
        profile.setCourse("00000409", "_a");
        session = std::make_unique<PracticeSession>(
            PracticeSession::Services{clock, course, log, profile, settings, host, window, routed,
                                      host, host},
            "petr", newUser);
        host.Attach(*session);
        commands = std::make_unique<MainFrameCommands>(MainFrameCommands::Services{
            *session, course, log, profile, settings, keyboard, switcher, host, panelSetup, window,
            frame, routed, dialogs, answers, messages, answers, sound});
        window.commands = commands.get();
        // The wizard reads the course it tests on, as the real one does at its test page.
        dialogs.whileWizardOpen = [this] {
            course.Reload(profile.keyboardId(), profile.courseName());
        };
    }

    /// The window is created with a lesson chosen at once.
    void StartWithLesson(int lesson) {
        dialogs.chosenLessons.push_back(lesson);
        commands->Start();
        events.clear();
    }

    const PracticeState& state() const { return session->state(); }
    std::string UserFile() const { return folder.File("users/petr.dat"); }
    std::vector<std::string> UserLines() const {
        CompressedLineFile file;
        if (!file.Read(UserFile())) {
            return {};
        }
        return file.lines();
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : messages.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    TempDir folder;
    Events events;
    FakeClock clock;
    LessonCourse course;
    StrokeLog log{clock};
    FixedDisketteFolder diskette{""};
    UserProfile profile{clock, folder.File("users/"), diskette};
    TutorSettings settings;
    Keyboard keyboard;
    FakeLayouts layouts{events};
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher{layouts, messages};
    FakePanelSetup panelSetup{events};
    FakeFrame frame{events};
    FakeDialogs dialogs{events};
    FakeAnswers answers{events};
    FakeSound sound;
    FakePracticeHost host{clock};
    RoutedWindow window{host};
    RoutedDialogs routed{host, dialogs};
    std::unique_ptr<PracticeSession> session;
    std::unique_ptr<MainFrameCommands> commands;
};

const std::string kLoadQuestion = std::string("InfoBox? ") + MainFrameCommands::kReallySeeResults;

// --- Start ---

TEST(MainFrameStart, KnownUserGetsTheKeyboardThenTheLessonChooser) {
    CommandsFixture f;
    f.dialogs.chosenLessons.push_back(0);
    f.commands->Start();
    EXPECT_EQ(f.events, (Events{"Layout 00000409", "Appearance standard", "ChooseLesson",
                                "Appearance standard"}));
    EXPECT_EQ(f.switcher.userLayout(), "00000407");
    ASSERT_EQ(f.sound.applied.size(), 1u);
    EXPECT_TRUE(f.state().runActive);
    EXPECT_EQ(f.state().lessonIndex, 0);
    EXPECT_EQ(f.host.notes, (std::vector<std::string>{"Note:  Home row"}));
    // The keyboard's characters are the ones the run takes; others leave no trace.
    f.host.Type("aqb");
    EXPECT_EQ(f.state().strokeCount, 2);
    EXPECT_EQ(f.state().errorCount, 0);
    EXPECT_EQ(f.frame.neededHeights, (std::vector<int>{101}));
}

TEST(MainFrameStart, NewUserTakesTheInitialTestBeforeTheKeyboardIsApplied) {
    CommandsFixture f(true);
    f.dialogs.wizardLessons.push_back(1);
    f.commands->Start();
    EXPECT_EQ(f.events, (Events{"UserDetails", "Wizard", "Appearance standard", "Layout 00000409",
                                "Appearance standard"}));
    EXPECT_TRUE(f.state().initialTestRunning);
    EXPECT_TRUE(f.state().runActive);
    EXPECT_TRUE(f.host.testMenu);
    f.host.Type("ab");
    EXPECT_EQ(f.state().strokeCount, 2);
}

TEST(MainFrameStart, NewUserWithoutACourseGetsTheDefaultOne) {
    CommandsFixture f(true);
    // The login's failed reading of the new name left no course; the wizard is cancelled on
    // its first page.
    f.profile.load("nova", false);
    ASSERT_EQ(f.profile.keyboardId(), "");
    f.commands->Start();
    EXPECT_EQ(f.profile.keyboardId(), "00000409");
    EXPECT_EQ(f.profile.courseName(), "_a");
    EXPECT_EQ(f.course.LessonCount(), 2);
    EXPECT_EQ(f.layouts.active, "00000409");
}

// A results file double-clicked in the file manager: shown as when dropped, and no lesson
// chooser in front of it.
TEST(MainFrameStart, FileNamedOnTheCommandLineIsOpenedInsteadOfTheLessonChooser) {
    CommandsFixture f;
    StrokeLog saved(f.clock);
    saved.Start(0, "eva", 1.5, 120, 6, "Home row");
    saved.Add('a', 'a', 300);
    const std::string path = f.folder.File("monday.stat");
    ASSERT_TRUE(saved.saveStat(path));
    f.commands->Start({path});
    EXPECT_EQ(f.events, (Events{"Layout 00000409", "Appearance standard", "Results"}));
    EXPECT_EQ(f.dialogs.shownRecordCounts, (std::vector<std::size_t>{1}));
    EXPECT_FALSE(f.state().runActive);

    // Anything else is refused as a dropped file would be.
    CommandsFixture g;
    g.commands->Start({g.folder.Write("photo.jpg", "x")});
    EXPECT_EQ(g.MessageTexts(), (std::vector<std::string>{MainFrameCommands::kFormatsOnly}));
}

TEST(MainFrameStart, KnownUserWhoCancelsTheChooserStaysIdle) {
    CommandsFixture f;
    f.commands->Start();
    EXPECT_FALSE(f.state().runActive);
    EXPECT_EQ(f.state().lessonIndex, PracticeState::kNoLesson);
    EXPECT_TRUE(f.messages.messages.empty());
}

// --- Each command reaches its dialog or window first ---

struct CommandCase {
    TutorCommand command;
    std::string firstEvent;
};

class EachCommand : public testing::TestWithParam<CommandCase> {};

TEST_P(EachCommand, OpensItsDialogOrActsOnTheWindow) {
    CommandsFixture f;
    f.commands->Start();
    f.events.clear();
    ASSERT_TRUE(f.commands->Run(GetParam().command));
    ASSERT_FALSE(f.events.empty());
    EXPECT_EQ(f.events.front(), GetParam().firstEvent);
}

INSTANTIATE_TEST_SUITE_P(
    MainFrameCommands, EachCommand,
    testing::Values(CommandCase{TutorCommand::LogInNewUser, "SavePlacement"},
                    CommandCase{TutorCommand::ChangeUserDetails, "UserDetails"},
                    CommandCase{TutorCommand::SaveResults, "SaveResultsFile"},
                    CommandCase{TutorCommand::LoadResults, "LoadResultsFile"},
                    CommandCase{TutorCommand::Exit, "CloseWindow"},
                    CommandCase{TutorCommand::ChooseLesson, "ChooseLesson"},
                    CommandCase{TutorCommand::ChooseTextFile, "ChooseTextFile"},
                    CommandCase{TutorCommand::Settings, "Settings"},
                    CommandCase{TutorCommand::Results, "Results"}));

TEST(MainFrameCommands, LessonDescriptionNamesTheMenuPathUntilALessonIsChosen) {
    CommandsFixture f;
    f.commands->Run(TutorCommand::LessonDescription);
    f.StartWithLesson(1);
    f.commands->Run(TutorCommand::LessonDescription);
    EXPECT_EQ(f.host.notes,
              (std::vector<std::string>{
                  "You should choose a lesson first: \"Practice\" -> \"Choose a Lesson\"",
                  "Note:  Second", "Note: \r\nSecond"}));
}

TEST(MainFrameCommands, ChoosingALessonRecordsTheRunInProgressAndBeginsTheNewOne) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.clock.AdvanceMs(2000);
    f.host.Type("a");
    f.dialogs.chosenLessons.push_back(1);
    f.commands->Run(TutorCommand::ChooseLesson);
    EXPECT_EQ(f.state().lessonIndex, 1);
    EXPECT_EQ(f.state().strokeCount, 0);
    ASSERT_EQ(f.profile.resultCount(), 1u);
    EXPECT_EQ(f.profile.result(0).attempts, 1);
    EXPECT_EQ(f.profile.result(0).activeSeconds, 2);
}

TEST(MainFrameCommands, ResultsShowTheLogAndGiveTheFocusBack) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("ab");
    f.host.focus = FakePracticeHost::Focus::Panel;
    f.commands->Run(TutorCommand::Results);
    EXPECT_EQ(f.dialogs.shownRecordCounts, (std::vector<std::size_t>{2}));
    EXPECT_EQ(f.host.focus, FakePracticeHost::Focus::Main);
}

TEST(MainFrameCommands, DisketteCopyTellsToInsertTheMediumAndReportsAFailure) {
    CommandsFixture f;
    f.commands->Run(TutorCommand::SaveUserInfoOnDiskette);
    EXPECT_EQ(f.MessageTexts(), (std::vector<std::string>{LoginDialogModel::kInsertDiskette,
                                                          LoginDialogModel::kDisketteError}));

    TempDir medium;
    FixedDisketteFolder folder(medium.path() + "/Ardley/");
    f.profile.setDisketteFolder(folder);
    f.messages.messages.clear();
    f.commands->Run(TutorCommand::SaveUserInfoOnDiskette);
    EXPECT_EQ(f.MessageTexts(), (std::vector<std::string>{LoginDialogModel::kInsertDiskette}));
    EXPECT_TRUE(fs::exists(medium.File("Ardley/petr.dat")));
    EXPECT_TRUE(fs::exists(f.UserFile()));
}

// --- Save and Load Results ---

TEST(MainFrameCommands, SaveResultsWritesTheLogAndTheRunGoesOn) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("ab");
    f.dialogs.saveFile = f.folder.File("run.stat");
    f.commands->Run(TutorCommand::SaveResults);
    StrokeLog saved(f.clock);
    ASSERT_TRUE(saved.loadStat(f.folder.File("run.stat")));
    EXPECT_EQ(saved.recordCount(), 2u);
    EXPECT_TRUE(f.state().runActive);
    EXPECT_EQ(f.state().column, 2);
}

TEST(MainFrameCommands, SaveResultsThatCannotBeWrittenSaySo) {
    CommandsFixture f;
    f.dialogs.saveFile = f.folder.File("no-such-folder/run.stat");
    f.commands->Run(TutorCommand::SaveResults);
    ASSERT_EQ(f.messages.messages.size(), 1u);
    EXPECT_EQ(f.messages.messages[0].text, "An unknown error occurred while accessing " +
                                               f.folder.File("no-such-folder/run.stat") + ".");
}

TEST(MainFrameCommands, LoadResultsAnsweredNoLeavesTheRunUntouched) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("ab");
    f.answers.infoYesNo.push_back(false);
    f.commands->Run(TutorCommand::LoadResults);
    EXPECT_EQ(f.events, (Events{kLoadQuestion}));
    EXPECT_TRUE(f.state().runActive);
    EXPECT_EQ(f.state().strokeCount, 2);
    EXPECT_EQ(f.profile.resultCount(), 0u);
}

TEST(MainFrameCommands, LoadResultsAnsweredYesEndsTheRunEvenWhenTheFileIsNotChosen) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.clock.AdvanceMs(1500);
    f.host.Type("ab");
    f.answers.infoYesNo.push_back(true);
    const int repaints = f.host.repaints;
    f.commands->Run(TutorCommand::LoadResults);
    EXPECT_EQ(f.events, (Events{kLoadQuestion, "LoadResultsFile"}));
    EXPECT_FALSE(f.state().runActive);
    EXPECT_EQ(f.state().lessonIndex, PracticeState::kNoLesson);
    EXPECT_GT(f.host.repaints, repaints);
    ASSERT_EQ(f.profile.resultCount(), 1u);
    EXPECT_EQ(f.profile.result(0).attempts, 1);
    f.host.Type("c");
    EXPECT_EQ(f.state().strokeCount, 0);
}

TEST(MainFrameCommands, LoadResultsShowsTheFileOrSaysItIsDamaged) {
    CommandsFixture f;
    StrokeLog saved(f.clock);
    saved.Start(0, "eva", 1.5, 120, 6, "Home row");
    saved.Add('a', 'a', 300);
    saved.Add('b', 'x', 300);
    saved.Add('c', 'c', 300);
    ASSERT_TRUE(saved.saveStat(f.folder.File("eva.stat")));
    f.folder.Write("bad.stat", "zuv STAT 1.0\r\n");

    f.dialogs.loadFile = f.folder.File("eva.stat");
    f.commands->Run(TutorCommand::LoadResults);
    EXPECT_EQ(f.dialogs.shownRecordCounts, (std::vector<std::size_t>{3}));
    EXPECT_EQ(f.log.userName(), "eva");
    EXPECT_TRUE(f.messages.messages.empty());

    f.dialogs.loadFile = f.folder.File("bad.stat");
    f.commands->Run(TutorCommand::LoadResults);
    EXPECT_EQ(f.dialogs.shownRecordCounts.size(), 1u);
    EXPECT_EQ(f.MessageTexts(), (std::vector<std::string>{MainFrameCommands::kIncorrectFormat}));
}

std::string RandomBytes(std::size_t count) {
    std::mt19937 engine(7);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        bytes += static_cast<char>(engine() & 0xFF);
    }
    return bytes;
}

// A results file of another run, whole, for the damaged variants.
std::string GoodResultsFileBytes(const TempDir& dir, const char* firstLine) {
    CompressedLineFile file;
    for (const char* line : {firstLine, "1690000000", "Petr", "2", "Numbers", "1.500", "140", "30",
                             "250:1:", "300:2:3:", "280:3:"}) {
        file.AddLine(line);
    }
    const std::string path = dir.File("source.stat");
    EXPECT_TRUE(file.Write(path));
    return TempDir::ReadAll(path);
}

struct DamageCase {
    const char* name;
    /// The file's bytes; nothing for a file that is not there.
    std::optional<std::string> (*bytes)(const TempDir&);
};

class DamagedResultsFile : public testing::TestWithParam<DamageCase> {};

// A refused file keeps the run that is in the log: no results dialog, one message.
TEST_P(DamagedResultsFile, IsRefusedAndChangesNothing) {
    CommandsFixture f;
    f.log.Start(4, "petr", 2.0, 120, 50, "Home row");
    f.log.Add('a', 'a', 200);
    f.log.Add('s', 'd', 300);
    const std::vector<std::string> before = f.log.toLines();
    const std::optional<std::string> bytes = GetParam().bytes(f.folder);
    f.dialogs.loadFile =
        bytes ? f.folder.Write("damaged.stat", *bytes) : f.folder.File("gone.stat");
    f.commands->Run(TutorCommand::LoadResults);
    EXPECT_EQ(f.MessageTexts(), (std::vector<std::string>{MainFrameCommands::kIncorrectFormat}));
    EXPECT_EQ(f.messages.messages[0].caption, "Kelvane");
    EXPECT_TRUE(f.dialogs.shownRecordCounts.empty()) << "no results dialog";
    EXPECT_EQ(f.log.toLines(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedResultsFile,
    testing::Values(
        DamageCase{"RandomBytes",
                   [](const TempDir&) -> std::optional<std::string> { return RandomBytes(600); }},
        DamageCase{"Empty", [](const TempDir&) -> std::optional<std::string> { return ""; }},
        DamageCase{"Truncated",
                   [](const TempDir& d) -> std::optional<std::string> {
                       const std::string whole = GoodResultsFileBytes(d, "zuv STAT 1.0");
                       return whole.substr(0, whole.size() / 2);
                   }},
        DamageCase{"WrongFirstLine",
                   [](const TempDir& d) -> std::optional<std::string> {
                       return GoodResultsFileBytes(d, "zuv stat 1.0");
                   }},
        DamageCase{"AnotherProgramsFile",
                   [](const TempDir& d) -> std::optional<std::string> {
                       return GoodResultsFileBytes(d, "zuv MVK 1.0");
                   }},
        DamageCase{"Missing",
                   [](const TempDir&) -> std::optional<std::string> { return std::nullopt; }}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

// --- Own text ---

TEST(MainFrameCommands, ChosenTextFileRunsAsOwnTextWithTheEnteredLimits) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("a");
    f.dialogs.textFile = f.folder.Write("story.txt", "cab ab\r\nxq\r\n");
    f.commands->Run(TutorCommand::ChooseTextFile);
    EXPECT_EQ(f.events, (Events{"ChooseTextFile", "EnterOwnTextLimits", "Appearance standard"}));
    EXPECT_EQ(f.state().lessonIndex, LessonCourse::OwnTextLesson);
    EXPECT_TRUE(f.state().runActive);
    EXPECT_EQ(f.state().speedLimit, 30);
    // Characters the keyboard cannot type are gone from the text.
    EXPECT_EQ(f.course.Line(LessonCourse::OwnTextLesson, 1).find('q'), std::string::npos);
    // The lesson run it replaced was recorded.
    ASSERT_EQ(f.profile.resultCount(), 1u);
    EXPECT_EQ(f.profile.result(0).attempts, 0);
}

TEST(MainFrameCommands, BackInTheLimitsDialogEndsTheCommandQuietly) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("a");
    f.dialogs.textFile = f.folder.Write("story.txt", "cab\r\n");
    f.dialogs.limitsOk = false;
    f.commands->Run(TutorCommand::ChooseTextFile);
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(f.state().lessonIndex, 0);
    EXPECT_EQ(f.state().strokeCount, 1);
    EXPECT_EQ(f.profile.resultCount(), 0u);
}

TEST(MainFrameCommands, TextFileThatCannotBeReadIsReportedAndTheLessonGoesOn) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("a");
    f.dialogs.textFile = f.folder.File("missing.txt");
    f.commands->Run(TutorCommand::ChooseTextFile);
    EXPECT_EQ(f.MessageTexts(), (std::vector<std::string>{MainFrameCommands::kIncorrectFormat}));
    EXPECT_EQ(f.state().lessonIndex, 0);
    EXPECT_TRUE(f.state().runActive);
    EXPECT_EQ(f.state().strokeCount, 1);
}

TEST(MainFrameCommands, EmptyTextFileCannotBeginARun) {
    CommandsFixture f;
    f.dialogs.textFile = f.folder.Write("empty.txt", "");
    f.commands->Run(TutorCommand::ChooseTextFile);
    EXPECT_EQ(f.MessageTexts(), (std::vector<std::string>{MainFrameCommands::kLessonNotStarted}));
    EXPECT_FALSE(f.state().runActive);
}

// --- Settings ---

TEST(MainFrameCommands, SettingsTakenAreStoredAndApplied) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.dialogs.editSettings = [](TutorSettings& s) {
        s.showKeyboard = 1;
        s.errorMode = static_cast<int>(ErrorHandlingMode::NoLimitation);
        s.appearance = "paper";
    };
    f.commands->Run(TutorCommand::Settings);
    EXPECT_EQ(f.profile.settingsText(), "!0:2:0:2:1:0:1:0:70:paper:");
    EXPECT_EQ(f.state().errorMode, ErrorHandlingMode::NoLimitation);
    EXPECT_EQ(f.panelSetup.loaded, "paper");
    EXPECT_EQ(f.sound.applied.back().appearance, "paper");
    EXPECT_EQ(f.frame.neededHeights.back(), 111);
    EXPECT_EQ(f.layouts.active, "00000409");
}

TEST(MainFrameCommands, SettingsCancelledChangeNothing) {
    CommandsFixture f;
    const std::string before = f.profile.settingsText();
    f.dialogs.editSettings = [](TutorSettings& s) { s.showHands = 1; };
    f.dialogs.settingsOk = false;
    f.commands->Run(TutorCommand::Settings);
    EXPECT_EQ(f.settings.showHands, 0);
    EXPECT_EQ(f.profile.settingsText(), before);
    EXPECT_TRUE(f.sound.applied.empty());
}

TEST(MainFrameCommands, StandardAppearanceStandingInIsTakenIntoTheSettings) {
    CommandsFixture f;
    f.panelSetup.missing.insert("paper");
    f.settings.appearance = "paper";
    f.commands->ApplyKeyboard();
    EXPECT_EQ(f.panelSetup.loaded, "standard");
    EXPECT_EQ(f.settings.appearance, "standard");
    EXPECT_FALSE(f.commands->finished());
}

TEST(MainFrameCommands, NoAppearanceAtAllEndsWithCode3AfterRestoringAndSaving) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("ab");
    f.panelSetup.missing = {"standard"};
    f.panelSetup.loaded.clear();
    f.commands->ApplyLayout();
    // The panel has told the user already.
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(f.events,
              (Events{"Appearance standard", "Layout 00000407", "SavePlacement", "QuitProgram 3"}));
    EXPECT_TRUE(f.commands->finished());
    EXPECT_FALSE(f.state().runActive);
    // The user's run is in their file.
    ASSERT_GE(f.UserLines().size(), 6u);
    EXPECT_EQ(f.UserLines()[0], "petr");
    // Nothing is done twice when the window then goes.
    f.commands->Close();
    EXPECT_EQ(f.events.back(), "QuitProgram 3");
    EXPECT_FALSE(f.commands->Run(TutorCommand::ChooseLesson));
}

// --- Log in a New User ---

TEST(MainFrameCommands, LoginExitEndsWithCode3AfterRestoringTheLayoutAndSaving) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("ab");
    bool savedBeforeLogin = false;
    f.dialogs.whileLoginOpen = [&] { savedBeforeLogin = fs::exists(f.UserFile()); };
    f.commands->Run(TutorCommand::LogInNewUser);
    EXPECT_TRUE(savedBeforeLogin);
    EXPECT_EQ(f.events, (Events{"SavePlacement", "Login", "Layout 00000407", "SavePlacement",
                                "QuitProgram 3"}));
    EXPECT_EQ(f.layouts.active, "00000407");
    EXPECT_TRUE(f.commands->finished());
}

TEST(MainFrameCommands, NewUserAfterLoginGetsDefaultSettingsAndTheInitialTest) {
    CommandsFixture f;
    f.settings.showHands = 1;
    f.StartWithLesson(0);
    f.dialogs.logins.push_back({true, true});
    f.dialogs.whileLoginOpen = [&] {
        f.profile.load("nova", false);
        f.profile.setPassword("abcd");
        f.profile.setCourse("00000409", "_a");
    };
    f.dialogs.wizardLessons.push_back(1);
    f.commands->Run(TutorCommand::LogInNewUser);
    EXPECT_EQ(f.events,
              (Events{"SavePlacement", "Login", "RestorePlacement", "UserDetails", "Wizard",
                      "Appearance standard", "Layout 00000409", "Appearance standard"}));
    EXPECT_EQ(f.settings.showHands, 0);
    EXPECT_EQ(f.profile.settingsText(), "!0:2:0:0:0:0:1:0:70:standard:");
    EXPECT_EQ(f.state().userName, "nova");
    EXPECT_TRUE(f.state().initialTestRunning);
    EXPECT_TRUE(f.state().runActive);
    EXPECT_EQ(f.state().lessonIndex, 1);
}

TEST(MainFrameCommands, KnownUserAfterLoginGetsTheirSettingsAndNoTest) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.dialogs.logins.push_back({true, false});
    f.dialogs.whileLoginOpen = [&] {
        f.profile.load("eva", false);
        f.profile.setCourse("00000409", "_a");
        f.profile.setSettingsText("!1:0:5:2:1:1:0");  // cut short at the statistics
    };
    f.commands->Run(TutorCommand::LogInNewUser);
    EXPECT_EQ(f.settings.blinkingCursor, 1);
    EXPECT_EQ(f.settings.showHands, 1);
    EXPECT_EQ(f.settings.metronomeRate, 70);
    EXPECT_EQ(f.state().errorMode, ErrorHandlingMode::NoLimitation);
    EXPECT_FALSE(f.state().initialTestRunning);
    EXPECT_FALSE(f.state().runActive);
    EXPECT_EQ(f.state().userName, "eva");
    EXPECT_GT(f.host.windowRepaints, 0);
}

TEST(MainFrameCommands, FailedUserSaveBeforeLoginOffersRetryAndDiscard) {
    CommandsFixture f;
    f.commands->Start();
    f.events.clear();
    fs::remove_all(f.folder.File("users"));
    f.answers.retry = {true, false};
    f.commands->Run(TutorCommand::LogInNewUser);
    const std::string question = "Retry? Kelvane: An unknown error occurred while accessing " +
                                 f.folder.File("users/petr.dat") + ".";
    EXPECT_EQ(f.events, (Events{question, question, "SavePlacement", "Login", "Layout 00000407",
                                question, "SavePlacement", "QuitProgram 3"}));
}

TEST(MainFrameCommands, RetryAfterTheFolderIsBackSavesTheUser) {
    CommandsFixture f;
    fs::remove_all(f.folder.File("users"));
    f.answers.retry = {true};
    f.answers.beforeRetryAnswer = [&] { fs::create_directories(f.folder.File("users")); };
    f.commands->Close();
    EXPECT_EQ(f.UserLines().at(0), "petr");
    EXPECT_FALSE(f.profile.modified());
}

// --- The initial test ---

TEST(MainFrameCommands, DuringTheInitialTestOnlyEndOfTestCanBeUsed) {
    CommandsFixture f(true);
    EXPECT_TRUE(f.commands->IsEnabled(TutorCommand::EndOfTest));
    f.dialogs.wizardLessons = {1, -1};
    f.commands->Start();
    f.events.clear();
    for (TutorCommand command :
         {TutorCommand::LogInNewUser, TutorCommand::ChangeUserDetails, TutorCommand::SaveResults,
          TutorCommand::LoadResults, TutorCommand::SaveUserInfoOnDiskette, TutorCommand::Exit,
          TutorCommand::ChooseLesson, TutorCommand::ChooseTextFile, TutorCommand::Settings,
          TutorCommand::Results, TutorCommand::LessonDescription}) {
        EXPECT_FALSE(f.commands->IsEnabled(command));
        EXPECT_FALSE(f.commands->Run(command));
    }
    EXPECT_TRUE(f.events.empty());
    // "&End of Test" fails the test and leads back to the wizard's lesson page.
    f.host.Type("abc");
    EXPECT_TRUE(f.commands->Run(TutorCommand::EndOfTest));
    EXPECT_EQ(f.host.infos, (std::vector<std::string>{PracticeTexts::kTestFailed}));
    EXPECT_EQ(f.events, (Events{"UserDetails", "Wizard at test page"}));
    EXPECT_FALSE(f.state().initialTestRunning);
    EXPECT_FALSE(f.host.testMenu);
    EXPECT_TRUE(f.commands->IsEnabled(TutorCommand::ChooseLesson));
    EXPECT_FALSE(f.commands->IsEnabled(TutorCommand::EndOfTest));
}

// --- Dropped files ---

struct DropCase {
    std::string path;
    MainFrameCommands::DroppedFile kind;
};

class DroppedFileNames : public testing::TestWithParam<DropCase> {};

TEST_P(DroppedFileNames, AreClassifiedByTheirName) {
    EXPECT_EQ(MainFrameCommands::ClassifyDroppedFile(GetParam().path), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    MainFrameCommands, DroppedFileNames,
    testing::Values(DropCase{"/home/eva/run.stat", MainFrameCommands::DroppedFile::Results},
                    DropCase{"/home/eva/RUN.STAT.txt", MainFrameCommands::DroppedFile::Results},
                    DropCase{"/home/eva/x.Stat.rtf", MainFrameCommands::DroppedFile::Results},
                    DropCase{"/home/eva/Story.TXT", MainFrameCommands::DroppedFile::Text},
                    DropCase{"/home/eva/story.rtf.bak", MainFrameCommands::DroppedFile::Text},
                    DropCase{"/home/eva/runs.stat/story.txt", MainFrameCommands::DroppedFile::Text},
                    DropCase{"/home/eva/notes.txt.d/photo.jpg",
                             MainFrameCommands::DroppedFile::Other},
                    DropCase{"/home/eva/statistics", MainFrameCommands::DroppedFile::Other}));

TEST(MainFrameDrops, ResultsNamedLikeATextAreShownAsResults) {
    CommandsFixture f;
    StrokeLog saved(f.clock);
    saved.Start(0, "eva", 1.5, 120, 6, "Home row");
    saved.Add('a', 'a', 300);
    const std::string path = f.folder.File("RUN.STAT.txt");
    ASSERT_TRUE(saved.saveStat(path));
    f.StartWithLesson(0);
    f.host.Type("ab");
    f.answers.infoYesNo.push_back(true);
    f.commands->DropFiles({path});
    EXPECT_EQ(f.events, (Events{kLoadQuestion, "Results"}));
    EXPECT_EQ(f.dialogs.shownRecordCounts, (std::vector<std::size_t>{1}));
    EXPECT_FALSE(f.state().runActive);
    EXPECT_EQ(f.profile.resultCount(), 1u);
}

TEST(MainFrameDrops, EachResultsFileIsShownUntilOneIsDamaged) {
    CommandsFixture f;
    StrokeLog saved(f.clock);
    saved.Start(0, "eva", 1.5, 120, 6, "Home row");
    saved.Add('a', 'a', 300);
    ASSERT_TRUE(saved.saveStat(f.folder.File("one.stat")));
    saved.Add('b', 'b', 300);
    ASSERT_TRUE(saved.saveStat(f.folder.File("two.stat")));
    f.folder.Write("bad.stat", "damaged");
    f.commands->DropFiles({f.folder.File("one.stat"), f.folder.File("two.stat"),
                           f.folder.File("bad.stat"), f.folder.File("one.stat")});
    EXPECT_EQ(f.dialogs.shownRecordCounts, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(f.MessageTexts(), (std::vector<std::string>{MainFrameCommands::kIncorrectFormat}));
}

TEST(MainFrameDrops, TextDroppedDuringARunAsksFirst) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.host.Type("a");
    const std::string path = f.folder.Write("story.txt", "abc\r\n");
    f.answers.infoYesNo = {false, true};
    f.commands->DropFiles({path});
    EXPECT_EQ(f.state().lessonIndex, 0);
    f.commands->DropFiles({path});
    EXPECT_EQ(f.events, (Events{"InfoBox? Copying a text file of your own.",
                                "InfoBox? Copying a text file of your own.", "EnterOwnTextLimits",
                                "Appearance standard"}));
    EXPECT_EQ(f.state().lessonIndex, LessonCourse::OwnTextLesson);
}

TEST(MainFrameDrops, LongPathIsTakenWhole) {
    CommandsFixture f;
    const std::string folder = "a-folder-with-a-rather-long-name-to-make-the-path-long/";
    std::string relative;
    for (int i = 0; i < 5; ++i) {
        relative += folder;
    }
    relative += "story.txt";
    const std::string path = f.folder.Write(relative, "cab\r\n");
    ASSERT_GT(path.size(), 250u);
    f.commands->Start();
    f.commands->DropFiles({path});
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(f.state().lessonIndex, LessonCourse::OwnTextLesson);
    EXPECT_EQ(f.course.Line(LessonCourse::OwnTextLesson, 0), "cab");
}

TEST(MainFrameDrops, OtherFormatsAreRefusedWithTheListOfFormats) {
    CommandsFixture f;
    f.StartWithLesson(0);
    f.commands->DropFiles({f.folder.Write("photo.jpg", "x")});
    EXPECT_EQ(f.MessageTexts(),
              (std::vector<std::string>{"The program works with these formats only: TXT, RTF "
                                        "and STAT"}));
    EXPECT_TRUE(f.state().runActive);
}

TEST(MainFrameDrops, NothingIsTakenDuringTheInitialTest) {
    CommandsFixture f(true);
    f.dialogs.wizardLessons.push_back(1);
    f.commands->Start();
    f.events.clear();
    StrokeLog saved(f.clock);
    ASSERT_TRUE(saved.saveStat(f.folder.File("run.stat")));
    EXPECT_FALSE(f.commands->AcceptsDrops());
    f.commands->DropFiles({f.folder.File("run.stat")});
    f.commands->DropFiles({f.folder.Write("story.txt", "ab ba\r\n")});
    EXPECT_TRUE(f.events.empty());
    EXPECT_TRUE(f.host.testMenu);
    EXPECT_EQ(f.state().lessonIndex, 1);
    // The test then ends as usual, unlocking the lessons up to the tested one.
    f.host.Type("ab ba", 100);
    EXPECT_EQ(f.host.infos, (std::vector<std::string>{PracticeTexts::kTestPassed}));
    EXPECT_EQ(f.profile.resultCount(), 2u);
    EXPECT_TRUE(f.commands->AcceptsDrops());
}

// --- Sizing and closing ---

TEST(MainFrameCommands, SizeChangesLayTheWindowOutAgainOnlyDuringARun) {
    CommandsFixture f;
    f.commands->SizeChanged();
    EXPECT_TRUE(f.frame.neededHeights.empty());
    f.StartWithLesson(0);
    f.settings.showHands = 1;
    f.commands->SizeChanged();
    EXPECT_EQ(f.frame.neededHeights, (std::vector<int>{101, 201}));
}

TEST(MainFrameCommands, CloseRestoresTheLayoutRecordsTheRunOffersTheDisketteAndSaves) {
    CommandsFixture f;
    TempDir medium;
    FixedDisketteFolder folder(medium.path() + "/Ardley/");
    f.profile.setDisketteFolder(folder);
    f.StartWithLesson(0);
    f.clock.AdvanceMs(3000);
    f.host.Type("ab");
    // As after a login from the medium.
    f.profile.copyFromDiskette("petr");
    f.answers.yesNo.push_back(true);
    std::vector<std::string> linesWhenPlaced;
    f.frame.whilePlacementSaved = [&] { linesWhenPlaced = f.UserLines(); };
    f.commands->Close();
    EXPECT_EQ(f.events, (Events{"Layout 00000407",
                                "Kelvane: Do you want to save your user settings on a diskette?",
                                "SavePlacement"}));
    EXPECT_EQ(f.MessageTexts(), (std::vector<std::string>{LoginDialogModel::kInsertDiskette}));
    EXPECT_TRUE(fs::exists(medium.File("Ardley/petr.dat")));
    ASSERT_EQ(linesWhenPlaced.size(), 6u);
    EXPECT_EQ(linesWhenPlaced[5].substr(linesWhenPlaced[5].size() - 5), ":3:1:");
    EXPECT_FALSE(f.state().runActive);
    EXPECT_TRUE(f.commands->finished());
    EXPECT_FALSE(f.commands->AcceptsDrops());
}

TEST(MainFrameCommands, CloseAsksNothingForAUserOfThisComputer) {
    CommandsFixture f;
    f.commands->Start();
    f.events.clear();
    f.commands->Close();
    EXPECT_EQ(f.events, (Events{"Layout 00000407", "SavePlacement"}));
    EXPECT_TRUE(fs::exists(f.UserFile()));
}

TEST(MainFrameCommands, RefusedLayoutIsALineInTheStatusBar) {
    CommandsFixture f;
    f.layouts.refused.insert("00000409");
    f.commands->Start();
    EXPECT_EQ(f.frame.statusText, KeyboardLayoutSwitcher::kCannotSwitchMessage);
    EXPECT_TRUE(f.messages.messages.empty());
    f.layouts.refused.clear();
    f.commands->ApplyKeyboard();
    EXPECT_EQ(f.frame.statusText, "");
}

TEST(MainFrameCommands, CloseWhenTheOriginalLayoutCannotComeBackSaysWhich) {
    CommandsFixture f;
    f.commands->Start();
    f.layouts.refused.insert("00000407");
    f.commands->Close();
    EXPECT_EQ(f.MessageTexts(),
              (std::vector<std::string>{
                  "The program cannot load the original keyboard settings. ==>00000407"}));
    EXPECT_TRUE(fs::exists(f.UserFile()));
}

}  // namespace
