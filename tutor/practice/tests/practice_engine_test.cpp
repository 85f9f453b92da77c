#include <gtest/gtest.h>

#include <string>

#include "tutor/practice/practice_texts.h"
#include "tutor/practice/tests/practice_test_support.h"

namespace {

constexpr char kMark = PracticeState::kLineEndMark;

std::string Marks(const MarkLine& marks) {
    return std::string(marks.begin(), marks.begin() + 6);
}

class PracticeEngine : public testing::Test, public PracticeFixture {
  protected:
    void Begin(int lesson, ErrorHandlingMode mode) {
        settings.errorMode = static_cast<int>(mode);
        session->SettingsChanged();
        ASSERT_TRUE(session->BeginLesson(lesson));
    }
};

TEST_F(PracticeEngine, CharactersAreIgnoredWhileNoRunIsActive) {
    host.Type("abc");
    EXPECT_EQ(state().strokeCount, 0);
    EXPECT_EQ(log.recordCount(), 0u);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(PracticeEngine, BeginLessonShowsTheNoteStartsTheLogAndTakesTheFocus) {
    clock.AdvanceMs(5000);
    ASSERT_TRUE(session->BeginLesson(0));
    EXPECT_TRUE(state().runActive);
    ASSERT_EQ(host.notes.size(), 1u);
    EXPECT_EQ(host.notes[0], "Note:  Home row");
    EXPECT_EQ(log.lessonIndex(), 0);
    EXPECT_EQ(log.userName(), "petr");
    EXPECT_EQ(log.speedLimit(), 120);
    EXPECT_DOUBLE_EQ(log.errorLimit(), 1.5);
    EXPECT_EQ(log.characterCount(), 6);
    EXPECT_EQ(log.lessonTitle(), "Home row");
    EXPECT_EQ(log.startTime(), clock.NowSeconds());
    EXPECT_EQ(state().lineCount, 2);
    EXPECT_EQ(state().lastStrokeTime, clock.TickMs());
    EXPECT_EQ(host.focus, FakePracticeHost::Focus::Main);
    EXPECT_TRUE(host.timerSet);
    EXPECT_EQ(host.layouts, 1);
}

TEST_F(PracticeEngine, CharacterOutsideTheKeyboardLeavesNoTrace) {
    Begin(0, ErrorHandlingMode::NoLimitation);
    host.Type("a");
    const PanelState before = host.panel;
    const int draws = host.cursorDraws;
    host.Type("q\x01");
    EXPECT_EQ(state().strokeCount, 1);
    EXPECT_EQ(state().column, 1);
    EXPECT_EQ(log.recordCount(), 1u);
    EXPECT_EQ(host.sounds.size(), 1u);
    EXPECT_EQ(host.panel, before);
    EXPECT_EQ(host.cursorDraws, draws);
}

TEST_F(PracticeEngine, EmptyAcceptedCharactersTakeNothing) {
    Begin(0, ErrorHandlingMode::NoLimitation);
    session->SetAcceptedCharacters("");
    host.Type("abc");
    EXPECT_EQ(state().strokeCount, 0);
}

TEST_F(PracticeEngine, StrokesAreLoggedWithDelaysAndAnsweredWithSounds) {
    Begin(0, ErrorHandlingMode::NoLimitation);
    host.Type("a", 300);
    host.Type("x", 450);
    ASSERT_EQ(log.recordCount(), 2u);
    EXPECT_EQ(log.record(0), (StrokeRecord{300, 'a', 'a'}));
    EXPECT_EQ(log.record(1), (StrokeRecord{450, 'b', 'x'}));
    EXPECT_EQ(state().activeTime, 750);
    EXPECT_EQ(host.sounds, (std::vector<SoundRequest>{SoundRequest::Correct, SoundRequest::Error}));
}

TEST_F(PracticeEngine, EnterTypesTheLineEndMark) {
    Begin(1, ErrorHandlingMode::NoLimitation);
    host.Type("ab ba");
    host.endChoices.push_back({false, true});
    host.Type("\r");
    ASSERT_EQ(log.recordCount(), 6u);
    EXPECT_EQ(log.record(5), (StrokeRecord{0, kMark, kMark}));
    EXPECT_EQ(log.lessonIndex(), 1);
}

TEST_F(PracticeEngine, EnterWhereTheTextHasNoMarkIsAWrongStrokeMarkedWithTheMark) {
    Begin(0, ErrorHandlingMode::NoLimitation);
    host.Type("\r");
    EXPECT_EQ(state().errorCount, 1);
    EXPECT_EQ(log.record(0).typed, kMark);
    EXPECT_EQ(state().errorMarks[0], kMark);
}

TEST_F(PracticeEngine, EnterIsIgnoredWhenTheKeyboardHasNoMark) {
    Begin(1, ErrorHandlingMode::NoLimitation);
    session->SetAcceptedCharacters("ab ");
    host.Type("ab ba\r");
    EXPECT_EQ(state().strokeCount, 5);
    EXPECT_EQ(state().column, 5);
}

TEST_F(PracticeEngine, CommaTypesAFullStopOnlyInANumericKeypadCourse) {
    std::vector<std::string> numeric = {"00000409_a", "Numbers", "12.:1:60:2:", "1.2"};
    PracticeFixture keypad(false, {"00000409_NUM", "Numbers", "12.:1:60:2:", "1.2"},
                           "/data/lessons/00000409_NUM.ddd");
    ASSERT_TRUE(keypad.course.IsNumericKeypad());
    keypad.session->SetAcceptedCharacters("12.,");
    ASSERT_TRUE(keypad.session->BeginLesson(0));
    keypad.host.Type("1,");
    EXPECT_EQ(keypad.state().errorCount, 0);
    EXPECT_EQ(keypad.log.record(1), (StrokeRecord{0, '.', '.'}));

    PracticeFixture plain(false, numeric);
    plain.session->SetAcceptedCharacters("12.,");
    ASSERT_TRUE(plain.session->BeginLesson(0));
    plain.host.Type("1,");
    EXPECT_EQ(plain.state().errorCount, 1);
    EXPECT_EQ(plain.log.record(1).typed, ',');
}

TEST_F(PracticeEngine, AWrongBlankIsMarkedAsUnderscoreAnyOtherAsItself) {
    Begin(0, ErrorHandlingMode::NoLimitation);
    host.Type(" x");
    EXPECT_EQ(Marks(state().errorMarks), "_x    ");
}

TEST_F(PracticeEngine, FinishedLineShiftsTheMarksUpAndRepaints) {
    Begin(0, ErrorHandlingMode::NoLimitation);
    const int repaints = host.repaints;
    host.Type("xbc");
    EXPECT_EQ(state().lineIndex, 1);
    EXPECT_EQ(state().column, 0);
    EXPECT_EQ(Marks(state().previousMarks), "x     ");
    EXPECT_EQ(Marks(state().errorMarks), "      ");
    EXPECT_EQ(host.repaints, repaints + 1);
    EXPECT_EQ(host.panel.lineIndex, 1);
    EXPECT_EQ(Marks(host.panel.previousMarks), "x     ");
}

// Error modes, typing "x", "y", then "b" at the start of "abc".
struct ModeCase {
    ErrorHandlingMode mode;
    int strokes;
    int errors;
    int column;
    std::string marks;
    std::vector<SoundRequest> sounds;
};

class ErrorModes : public testing::TestWithParam<ModeCase> {};

TEST_P(ErrorModes, TwoWrongLettersThenTheRightOne) {
    const ModeCase& c = GetParam();
    PracticeFixture f;
    f.settings.errorMode = static_cast<int>(c.mode);
    f.session->SettingsChanged();
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("xyb");
    EXPECT_EQ(f.state().strokeCount, c.strokes);
    EXPECT_EQ(f.state().errorCount, c.errors);
    EXPECT_EQ(f.state().column, c.column);
    EXPECT_EQ(Marks(f.state().errorMarks), c.marks);
    EXPECT_EQ(f.host.sounds, c.sounds);
    EXPECT_EQ(f.log.recordCount(), static_cast<std::size_t>(c.strokes));
}

using S = SoundRequest;
INSTANTIATE_TEST_SUITE_P(
    All, ErrorModes,
    testing::Values(
        // The second wrong letter leaves no trace; b is right at column 1.
        ModeCase{ErrorHandlingMode::PreventDoubleError, 2, 1, 2, "x     ", {S::Error, S::Correct}},
        // Every wrong stroke counts and moves on; b meets "c" and ends the line.
        ModeCase{
            ErrorHandlingMode::NoLimitation, 3, 3, 0, "      ", {S::Error, S::Error, S::Error}},
        // After a wrong stroke only Backspace is taken.
        ModeCase{ErrorHandlingMode::BackspaceRequired, 1, 1, 1, "x     ", {S::Error}},
        // Each error is warned about and counted.
        ModeCase{
            ErrorHandlingMode::WarnEachError, 3, 3, 0, "      ", {S::Error, S::Error, S::Error}}));

TEST_F(PracticeEngine, PreventDoubleErrorCountsAWrongStrokeAfterACorrectOne) {
    Begin(0, ErrorHandlingMode::PreventDoubleError);
    host.Type("xbz");
    EXPECT_EQ(state().strokeCount, 3);
    EXPECT_EQ(state().errorCount, 2);
    EXPECT_EQ(Marks(state().previousMarks), "x z   ");
}

TEST_F(PracticeEngine, BackspaceTakesTheWrongStrokeBack) {
    Begin(0, ErrorHandlingMode::BackspaceRequired);
    host.Type("ax");
    EXPECT_TRUE(host.lastBackspaceAwaited);
    const std::size_t sounds = host.sounds.size();
    const int repaints = host.repaints;
    host.Type("\b");
    EXPECT_EQ(state().column, 1);
    EXPECT_EQ(state().strokeCount, 1);
    EXPECT_EQ(state().errorCount, 0);
    EXPECT_TRUE(state().lastStrokeCorrect);
    EXPECT_EQ(Marks(state().errorMarks), "      ");
    ASSERT_EQ(log.recordCount(), 1u);
    EXPECT_EQ(log.record(0).expected, 'a');
    EXPECT_EQ(host.sounds.size(), sounds);
    EXPECT_EQ(host.repaints, repaints + 1);
    EXPECT_EQ(host.panel.column, 1);
    host.Type("bc");
    EXPECT_EQ(state().lineIndex, 1);
    EXPECT_EQ(state().errorCount, 0);
}

TEST_F(PracticeEngine, BackspaceKeepsTheClockAndItsTimeGoesToTheNextStroke) {
    Begin(0, ErrorHandlingMode::BackspaceRequired);
    host.Type("x", 200);
    clock.AdvanceMs(300);
    host.Type("\b");
    EXPECT_EQ(state().activeTime, 200);
    host.Type("a", 100);
    ASSERT_EQ(log.recordCount(), 1u);
    EXPECT_EQ(log.record(0).delayMs, 400);
    EXPECT_EQ(state().activeTime, 600);
}

TEST_F(PracticeEngine, BackspaceAcrossALineEndRestoresThePreviousLine) {
    Begin(0, ErrorHandlingMode::BackspaceRequired);
    host.Type("abx");
    ASSERT_EQ(state().lineIndex, 1);
    ASSERT_EQ(state().column, 0);
    host.Type("\b");
    EXPECT_EQ(state().lineIndex, 0);
    EXPECT_EQ(state().column, 2);
    EXPECT_EQ(Marks(state().errorMarks), "      ");
    EXPECT_EQ(state().strokeCount, 2);
    host.Type("c");
    EXPECT_EQ(state().lineIndex, 1);
    EXPECT_EQ(Marks(state().previousMarks), "      ");
}

TEST_F(PracticeEngine, PreviousLineBringsBackTheMarksOfTheLinesAbove) {
    PracticeFixture f(false, {"00000409_a", "Lines", "abc:1:60:50:", "ab", "ab", "ab"});
    f.settings.errorMode = static_cast<int>(ErrorHandlingMode::NoLimitation);
    f.session->SettingsChanged();
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type("xbay");
    ASSERT_EQ(f.state().lineIndex, 2);
    EXPECT_EQ(Marks(f.state().previousMarks), " y    ");
    EXPECT_EQ(Marks(f.state().olderMarks), "x     ");
    f.session->PreviousLine();
    EXPECT_EQ(f.state().lineIndex, 1);
    EXPECT_EQ(Marks(f.state().errorMarks), " y    ");
    EXPECT_EQ(Marks(f.state().previousMarks), "x     ");
    EXPECT_EQ(Marks(f.state().olderMarks), "x     ");
}

TEST_F(PracticeEngine, BackspaceWithoutPendingErrorIsAnOrdinaryCharacter) {
    Begin(0, ErrorHandlingMode::BackspaceRequired);
    host.Type("a\b");
    EXPECT_EQ(state().strokeCount, 1);
    session->SetAcceptedCharacters("abc\b");
    host.Type("\b");
    EXPECT_EQ(state().strokeCount, 2);
    EXPECT_EQ(state().errorCount, 1);
    EXPECT_EQ(log.record(1), (StrokeRecord{0, 'b', '\b'}));
}

TEST_F(PracticeEngine, BackspaceInOtherModesTakesNothingBack) {
    Begin(0, ErrorHandlingMode::NoLimitation);
    host.Type("x\b");
    EXPECT_EQ(state().strokeCount, 1);
    EXPECT_EQ(state().errorCount, 1);
    EXPECT_EQ(state().column, 1);
}

TEST_F(PracticeEngine, WarningAppearsBeforeTheStrokeIsCounted) {
    Begin(0, ErrorHandlingMode::WarnEachError);
    host.Type("x");
    ASSERT_EQ(host.infos.size(), 1u);
    EXPECT_EQ(host.infos[0], "You have made an error!");
    EXPECT_TRUE(host.infoCheckBoxes[0]);
    EXPECT_EQ(state().strokeCount, 1);
    EXPECT_EQ(state().errorCount, 1);
}

TEST_F(PracticeEngine, WarnedStrokeIsTimedFromTheRegainedFocus) {
    Begin(0, ErrorHandlingMode::WarnEachError);
    host.Type("a", 500);
    host.dialogMs = 4000;  // the user reads the warning
    host.Type("x", 700);
    ASSERT_EQ(log.recordCount(), 2u);
    EXPECT_EQ(log.record(1).delayMs, 0);
    EXPECT_EQ(state().activeTime, 500);
    EXPECT_EQ(host.focus, FakePracticeHost::Focus::Main);
    EXPECT_TRUE(host.timerSet);
    host.dialogMs = 0;
    host.Type("c", 250);
    EXPECT_EQ(log.record(2).delayMs, 250);
}

TEST_F(PracticeEngine, UncheckingTheWarningSwitchesToPreventDoubleErrorForGood) {
    Begin(0, ErrorHandlingMode::WarnEachError);
    host.repeatChecked = {false};
    host.Type("x");
    EXPECT_EQ(state().errorMode, ErrorHandlingMode::PreventDoubleError);
    EXPECT_EQ(settings.errorMode, 0);
    EXPECT_EQ(profile.settingsText(), settings.toText());
    EXPECT_EQ(state().strokeCount, 1);
    host.Type("y");  // swallowed now: no second warning
    EXPECT_EQ(host.infos.size(), 1u);
    EXPECT_EQ(state().strokeCount, 1);
    Recreate();
    EXPECT_EQ(state().errorMode, ErrorHandlingMode::PreventDoubleError);
}

TEST_F(PracticeEngine, CheckedWarningKeepsTheMode) {
    Begin(0, ErrorHandlingMode::WarnEachError);
    host.repeatChecked = {true};
    host.Type("xy");
    EXPECT_EQ(host.infos.size(), 2u);
    EXPECT_EQ(settings.errorMode, 1);
    EXPECT_TRUE(profile.settingsText().empty());
}

TEST_F(PracticeEngine, RunRepeatedAfterAWrongLastStrokeStartsWithoutPendingError) {
    for (ErrorHandlingMode mode :
         {ErrorHandlingMode::PreventDoubleError, ErrorHandlingMode::WarnEachError,
          ErrorHandlingMode::NoLimitation, ErrorHandlingMode::BackspaceRequired}) {
        SCOPED_TRACE(static_cast<int>(mode));
        PracticeFixture f;
        f.settings.errorMode = static_cast<int>(mode);
        f.session->SettingsChanged();
        ASSERT_TRUE(f.session->BeginLesson(2));
        f.host.Type("cx");  // repeat is the default answer
        ASSERT_EQ(f.host.endDialogs.size(), 1u);
        EXPECT_TRUE(f.state().lastStrokeCorrect);
        EXPECT_EQ(f.state().strokeCount, 0);
        f.host.Type("c");
        EXPECT_EQ(f.state().strokeCount, 1);
        EXPECT_EQ(f.state().column, 1);
    }
}

TEST_F(PracticeEngine, LineLongerThanTheMarksTypesWithoutWritingPastThem) {
    const std::string longLine(75, 'a');
    PracticeFixture f(false, {"00000409_a", "Long", "a:1:60:50:", longLine, "ab"});
    f.settings.errorMode = static_cast<int>(ErrorHandlingMode::BackspaceRequired);
    f.session->SettingsChanged();
    ASSERT_TRUE(f.session->BeginLesson(0));
    f.host.Type(std::string(72, 'a'));
    f.host.Type("x");  // column 72: counted, no mark
    EXPECT_EQ(f.state().errorCount, 1);
    EXPECT_EQ(std::string(f.state().errorMarks.begin(), f.state().errorMarks.end()),
              std::string(70, ' '));
    f.host.Type("\b");
    EXPECT_EQ(f.state().column, 72);
    f.host.Type("aaa");
    EXPECT_EQ(f.state().lineIndex, 1);
    EXPECT_EQ(f.state().column, 0);
    f.host.Type("a");
    EXPECT_EQ(f.host.endDialogs.size(), 0u);
    f.host.Type("b");
    EXPECT_EQ(f.host.endDialogs.size(), 1u);
}

TEST_F(PracticeEngine, LessonWithoutLinesDoesNotStart) {
    PracticeFixture f(false, {"00000409_a", "Empty", "a:1:60:2:"});
    EXPECT_FALSE(f.session->BeginLesson(0));
    EXPECT_FALSE(f.state().runActive);
    EXPECT_EQ(f.state().lessonIndex, -1);
    EXPECT_TRUE(f.host.notes.empty());
}

TEST_F(PracticeEngine, PreviousLineOnTheFirstLineChangesNothing) {
    Begin(0, ErrorHandlingMode::NoLimitation);
    host.Type("x");
    session->PreviousLine();
    EXPECT_EQ(state().lineIndex, 0);
    EXPECT_EQ(Marks(state().errorMarks), "x     ");
}

}  // namespace
