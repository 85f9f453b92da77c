#include "tester/typing_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tester/controls_page_model.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"
#include "tester/tests/fake_typing_run_host.h"
#include "tester/tests/scripted_yes_no_question.h"
#include "tester/user_info_page_model.h"

namespace {

constexpr const char* kTimeChanged =
    "The system time has been changed.\n\nTHE TEST CANNOT BE COMPLETED!";

KeyEvent Char(char32_t c, std::uint32_t keycode = 0) {
    KeyEvent event;
    event.key = static_cast<int>(c);
    event.text = std::u32string(1, c);
    event.nativeScanCode = keycode;
    return event;
}

KeyEvent Key(int key, bool release = false) {
    KeyEvent event;
    event.key = key;
    event.release = release;
    return event;
}

class TypingRunTest : public testing::Test {
  protected:
    TypingRunTest() {
        DataPaths::SetProgramFolder(dir.path() + "/");
        DataPaths::SetWritableRoot(dir.path());
        textPath = dir.Write("text/lines.txt", "First line here.\nSecond line.\n");
        paths.WritePath("", "LastFileOriginal", textPath);
        host.answerSheet = [this](ParameterSheetModel& sheet) {
            for (int i = 0; i < sheet.pageCount(); ++i) {
                ParameterPageModel& page = sheet.page(i);
                if (!page.editable()) {
                    continue;
                }
                if (page.kind() == PageKind::UserInfo) {
                    static_cast<UserInfoPageModel&>(page).NicknameLeft("kim");
                }
                if (page.kind() == PageKind::Controls) {
                    auto& controls = static_cast<ControlsPageModel&>(page);
                    controls.timeLimit = std::to_string(minutes);
                    controls.allowEnter = allowEnter;
                    controls.allowArrows = allowArrows;
                }
            }
            return !sheet.Confirm(0).has_value();
        };
    }
    ~TypingRunTest() override { DataPaths::SetWritableRoot(""); }

    // Start confirmed and the Start dialog closed.
    void BeginRun() {
        run.Start();
        ASSERT_EQ(data.startDialogOpen, 1);
        run.OnStartDialogClosed();
        ASSERT_EQ(data.running, 1);
    }
    // The clock and the one-second timer go on together.
    void Seconds(int count) {
        for (int i = 0; i < count; ++i) {
            clock.AdvanceMs(1000);
            if (host.timerOn) {
                run.OnTimer();
            }
        }
    }
    void Type(const KeyEvent& event) {
        for (const TypingRun::KeyOutcome& outcome :
             run.OnKeyEvent(event, static_cast<int>(host.typed.size()))) {
            if (outcome.verdict.action != KeyAction::Pass) {
                continue;
            }
            if (outcome.message.message == KeystrokeRecord::kChar) {
                if (outcome.message.wParam == 8) {
                    if (!host.typed.empty()) {
                        host.typed.pop_back();
                    }
                } else if (outcome.message.wParam == 13) {
                    host.typed += "\r\n";
                } else {
                    host.typed += static_cast<char>(outcome.message.wParam);
                }
            }
        }
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : messages.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    TempDir dir;
    std::string textPath;
    int minutes = 1;
    bool allowEnter = true;
    bool allowArrows = true;
    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    FakeClock clock;
    FakeTypingRunHost host;
    TypingRun run{PageContext{data, settings, paths, messages, questions}, host, clock};
};

TEST_F(TypingRunTest, StartShowsTheSheetThenTheStartDialogOverAnEmptyTypingView) {
    data.testId = "MV-old";
    data.resultsAvailable = 1;
    data.keystrokeLog = {{1, 258, 'x', 1}};
    run.Start();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"sheet Set all these parameters",
                                                    "title Morvik - " + textPath, "typing view",
                                                    "typed ", "original", "start dialog"}));
    EXPECT_EQ(data.originalText, "First line here.\r\nSecond line.");
    EXPECT_EQ(host.original, data.originalText);
    EXPECT_EQ(data.startDialogOpen, 1);
    EXPECT_EQ(data.resultsAvailable, 0);
    EXPECT_EQ(data.running, 0);
    EXPECT_EQ(data.fromTestDefinition, 0);
    EXPECT_EQ(data.testId, "") << "a run from a text file has no identifier";
    EXPECT_TRUE(data.keystrokeLog.empty());
    EXPECT_EQ(data.nickname, "kim");
    EXPECT_FALSE(run.CanStart()) << "F2 waits for the Start dialog";
}

TEST_F(TypingRunTest, ACancelledSheetChangesNothing) {
    host.answerSheet = [](ParameterSheetModel&) { return false; };
    data.resultsAvailable = 1;
    run.Start();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"sheet Set all these parameters"}));
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_EQ(data.startDialogOpen, 0);
}

TEST_F(TypingRunTest, ClosingTheStartDialogStartsTheRun) {
    run.Start();
    host.calls.clear();
    clock.AdvanceMs(2500);
    run.OnStartDialogClosed();
    EXPECT_EQ(data.running, 1);
    EXPECT_EQ(data.startDialogOpen, 0);
    EXPECT_EQ(data.startTime, clock.NowSeconds());
    EXPECT_EQ(data.durationSeconds, 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"keys AEB", "timer on", "run view following"}));
    EXPECT_EQ(host.elapsed, "00:00:00");
    // Closing it once more (a second signal) changes nothing.
    run.OnStartDialogClosed();
    EXPECT_EQ(host.calls.size(), 3u);
    // The first delay counts from the start.
    clock.AdvanceMs(340);
    Type(Char('F'));
    ASSERT_EQ(data.keystrokeLog.size(), 1u);
    EXPECT_EQ(data.keystrokeLog[0], (KeystrokeRecord{340, 258, 'F', 1}));
}

TEST_F(TypingRunTest, WithoutEnterTheOriginalBecomesOneLine) {
    allowEnter = false;
    dir.Write("text/lines.txt", "One  line\nand\r\n\r\nmore \n");
    run.Start();
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "The program will remove all \"Enters\" from the original text, "
                              "because you cannot use the Enter key."}));
    EXPECT_EQ(data.originalText, "One line and more ");
    run.OnStartDialogClosed();
    EXPECT_TRUE(host.Called("keys A-B"));
    // Enter leaves no trace in the text or the log.
    KeyEvent enter = Key(KeyCode::kReturn);
    enter.text = U"\r";
    Type(enter);
    EXPECT_EQ(host.typed, "");
    EXPECT_TRUE(data.keystrokeLog.empty());
}

TEST_F(TypingRunTest, AOneMinuteRunEndsAtTheFirstTickWithSixtySeconds) {
    BeginRun();
    Type(Char('F'));
    Type(Char('i'));
    Seconds(30);
    EXPECT_EQ(host.elapsed, "00:00:30");
    EXPECT_EQ(host.percent, 50);
    Seconds(29);
    EXPECT_EQ(data.running, 1);
    EXPECT_TRUE(messages.messages.empty());
    Seconds(1);
    EXPECT_EQ(data.running, 0);
    EXPECT_EQ(data.durationSeconds, 60);
    EXPECT_EQ(host.percent, 100);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"End of time limit!"}));
    EXPECT_FALSE(host.timerOn);
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_EQ(data.typedText, "Fi");
    EXPECT_EQ(data.endTime, clock.NowSeconds());
    EXPECT_EQ(data.typedLength, 2);
    EXPECT_TRUE(run.CanShowResults());
}

TEST_F(TypingRunTest, StopAssessesTheTypedTextBehindTheBusyIndicator) {
    BeginRun();
    for (char c : std::string("First lime here.")) {
        Type(Char(static_cast<unsigned char>(c)));
    }
    Seconds(12);
    host.calls.clear();
    run.Start();  // F2 during a run
    EXPECT_EQ(host.calls, (std::vector<std::string>{"timer off", "end run view", "busy", "idle",
                                                    "assessed First lime here.", "results"}));
    EXPECT_EQ(data.running, 0);
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_EQ(data.twoFilesMode, 0);
    EXPECT_EQ(data.durationSeconds, 12);
    EXPECT_EQ(data.typedLength, 16);
    EXPECT_EQ(data.errorCount, 1);
    EXPECT_EQ(data.keystrokeLog.size(), 16u);
    EXPECT_EQ(run.StartMenuText(), "Start\tF2");
}

TEST_F(TypingRunTest, APauseDoesNotShortenTheTimeAndTheNextDelayCountsFromTheResume) {
    BeginRun();
    Seconds(20);
    clock.AdvanceMs(300);
    Type(Char('F'));
    run.Pause();
    EXPECT_TRUE(run.PauseChecked());
    EXPECT_EQ(run.PauseMenuText(), "Pause Off\tF5");
    EXPECT_FALSE(host.timerOn);
    Type(Char('i'));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"The program has stopped the timer. To resume, you have to "
                                        "activate typing by pressing F5."}));
    EXPECT_EQ(host.typed, "F");
    clock.AdvanceMs(30000);
    run.Pause();
    EXPECT_FALSE(run.PauseChecked());
    EXPECT_TRUE(host.timerOn);
    clock.AdvanceMs(150);
    Type(Char('i'));
    ASSERT_EQ(data.keystrokeLog.size(), 2u);
    EXPECT_EQ(data.keystrokeLog[1].delayMs, 150);
    Seconds(39);
    EXPECT_EQ(data.running, 1) << "20 s before and 39 s after the pause";
    Seconds(1);
    EXPECT_EQ(data.running, 0);
    EXPECT_EQ(data.durationSeconds, 60);
}

TEST_F(TypingRunTest, PauseNeedsARunThatAllowsIt) {
    run.Pause();
    EXPECT_EQ(data.paused, 0);
    BeginRun();
    data.allowPause = 0;
    EXPECT_FALSE(run.CanPause());
    run.Pause();
    EXPECT_EQ(data.paused, 0);
    EXPECT_TRUE(host.timerOn);
}

struct ClockJump {
    const char* name;
    std::int64_t jumpSeconds;
    bool aborts;
};

class TypingRunClockJump : public TypingRunTest, public testing::WithParamInterface<ClockJump> {};

TEST_P(TypingRunClockJump, ASystemClockSetBackOrFarForwardAbortsTheRun) {
    BeginRun();
    Type(Char('F'));
    Seconds(10);
    clock.SetNowSeconds(clock.NowSeconds() + GetParam().jumpSeconds - 1);
    clock.AdvanceMs(1000);
    run.OnTimer();
    if (!GetParam().aborts) {
        EXPECT_EQ(data.running, 1);
        EXPECT_TRUE(messages.messages.empty());
        return;
    }
    EXPECT_EQ(Messages(), (std::vector<std::string>{kTimeChanged}));
    EXPECT_EQ(data.running, 0);
    EXPECT_EQ(data.resultsAvailable, 0);
    EXPECT_EQ(data.runValid, 1) << "Reset follows the mark";
    EXPECT_TRUE(data.keystrokeLog.empty());
    EXPECT_FALSE(host.timerOn);
    EXPECT_TRUE(host.Called("end run view"));
    EXPECT_FALSE(host.Called("results"));
}

INSTANTIATE_TEST_SUITE_P(
    Jumps, TypingRunClockJump,
    testing::Values(ClockJump{"Normal", 1, false}, ClockJump{"FourSecondsLate", 4, false},
                    ClockJump{"FiveSecondsAhead", 5, true}, ClockJump{"AnHourAhead", 3600, true},
                    ClockJump{"Back", -2, true}),
    [](const testing::TestParamInfo<ClockJump>& info) { return std::string(info.param.name); });

TEST_F(TypingRunTest, TheLogHoldsCharactersCursorKeysAndDeleteWithTheirDelays) {
    BeginRun();
    clock.AdvanceMs(100);
    Type(Char('a', 38));
    clock.AdvanceMs(120);
    KeyEvent left = Key(KeyCode::kLeft);
    left.nativeScanCode = 113;
    Type(left);
    clock.AdvanceMs(80);
    left.release = true;
    Type(left);
    KeyEvent backspace = Key(KeyCode::kBackspace);
    backspace.text = U"\b";
    clock.AdvanceMs(60);
    Type(backspace);
    KeyEvent shiftLeft = Key(KeyCode::kLeft);
    shiftLeft.modifiers = KeyCode::kShiftModifier;
    Type(shiftLeft);
    KeyEvent pageDown = Key(KeyCode::kPageDown);
    std::vector<TypingRun::KeyOutcome> outcomes = run.OnKeyEvent(pageDown, 0);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].verdict.scroll, ScrollRequest::Down);
    EXPECT_EQ(data.keystrokeLog, (std::vector<KeystrokeRecord>{{100, 258, 'a', 1966081},
                                                               {120, 256, 0x25, 21692417},
                                                               {80, 257, 0x25, -1052049407},
                                                               {60, 258, 8, 1}}));
}

TEST_F(TypingRunTest, NothingIsLoggedDuringARePlay) {
    BeginRun();
    data.replayRunning = 1;
    run.LogKey(258, 'x', 1);
    Type(Char('x'));
    EXPECT_TRUE(data.keystrokeLog.empty());
    data.replayRunning = 0;
    run.LogKey(258, 'x', 1);
    EXPECT_EQ(data.keystrokeLog.size(), 1u);
}

TEST_F(TypingRunTest, ExitAsksOnlyDuringARun) {
    EXPECT_TRUE(run.ConfirmExit());
    EXPECT_TRUE(questions.asked.empty());
    BeginRun();
    questions.answers = {false, true};
    EXPECT_FALSE(run.ConfirmExit());
    EXPECT_EQ(data.running, 1);
    EXPECT_TRUE(host.timerOn);
    EXPECT_TRUE(run.ConfirmExit());
    EXPECT_EQ(questions.asked,
              (std::vector<std::string>(2, "Morvik: Do you really want to exit Morvik?")));
    EXPECT_EQ(data.running, 0);
    EXPECT_FALSE(host.timerOn);
}

struct CommandStateCase {
    const char* name;
    int running, paused, startDialogOpen, replayRunning, resultsAvailable, allowPause;
    bool canStart;
    const char* startText;
    bool canPause;
    const char* pauseText;
    bool canShowResults;
};

class TypingRunCommands : public testing::TestWithParam<CommandStateCase> {};

TEST_P(TypingRunCommands, FollowTheState) {
    const CommandStateCase& c = GetParam();
    TestData data;
    data.running = c.running;
    data.paused = c.paused;
    data.startDialogOpen = c.startDialogOpen;
    data.replayRunning = c.replayRunning;
    data.resultsAvailable = c.resultsAvailable;
    data.allowPause = c.allowPause;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    FakeClock clock;
    FakeTypingRunHost host;
    TypingRun run(PageContext{data, settings, paths, messages, questions}, host, clock);
    EXPECT_EQ(run.CanStart(), c.canStart);
    EXPECT_EQ(run.StartMenuText(), c.startText);
    EXPECT_EQ(run.CanPause(), c.canPause);
    EXPECT_EQ(run.PauseMenuText(), c.pauseText);
    EXPECT_EQ(run.PauseChecked(), c.paused != 0);
    EXPECT_EQ(run.CanShowResults(), c.canShowResults);
}

INSTANTIATE_TEST_SUITE_P(
    States, TypingRunCommands,
    testing::Values(CommandStateCase{"Idle", 0, 0, 0, 0, 0, 1, true, "Start\tF2", false,
                                     "Pause On\tF5", false},
                    CommandStateCase{"WithResults", 0, 0, 0, 0, 1, 1, true, "Start\tF2", false,
                                     "Pause On\tF5", true},
                    CommandStateCase{"StartDialog", 0, 0, 1, 0, 0, 1, false, "Start\tF2", false,
                                     "Pause On\tF5", false},
                    CommandStateCase{"Running", 1, 0, 0, 0, 0, 1, true, "Stop\tF2", true,
                                     "Pause On\tF5", false},
                    CommandStateCase{"Paused", 1, 1, 0, 0, 0, 1, true, "Stop\tF2", true,
                                     "Pause Off\tF5", false},
                    CommandStateCase{"RunningWithoutPause", 1, 0, 0, 0, 0, 0, true, "Stop\tF2",
                                     false, "Pause On\tF5", false},
                    CommandStateCase{"Replay", 0, 0, 0, 1, 1, 1, false, "Start\tF2", false,
                                     "Pause On\tF5", true}),
    [](const testing::TestParamInfo<CommandStateCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
