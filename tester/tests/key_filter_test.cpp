#include "tester/key_filter.h"

#include <gtest/gtest.h>

#include <string>

#include "tester/test_data.h"

namespace {

enum class State { Idle, StartDialog, Running, Paused, Replay };

enum Allowed {
    kNone = 0,
    kArrows = 1,
    kEnter = 2,
    kBackspace = 4,
    kAll = kArrows | kEnter | kBackspace,
};

constexpr int kDown = 256;
constexpr int kUp = 257;
constexpr int kChar = 258;
constexpr int kShift = 1;
constexpr int kCtrl = 2;

struct FilterCase {
    const char* name;
    State state;
    int allowed;
    int message;
    int wParam;
    int held;  // kShift, kCtrl
    KeyAction action;
    bool log;
    ScrollRequest scroll = ScrollRequest::None;
    const char* shown = "";
    bool beep = false;
    int scrollingType = 0;
    int typedLength = 0;
};

TestData DataFor(const FilterCase& c) {
    TestData data;
    data.running = c.state == State::Running || c.state == State::Paused ? 1 : 0;
    data.paused = c.state == State::Paused ? 1 : 0;
    data.startDialogOpen = c.state == State::StartDialog ? 1 : 0;
    data.replayRunning = c.state == State::Replay ? 1 : 0;
    data.allowArrows = (c.allowed & kArrows) != 0 ? 1 : 0;
    data.allowEnter = (c.allowed & kEnter) != 0 ? 1 : 0;
    data.allowBackspace = (c.allowed & kBackspace) != 0 ? 1 : 0;
    data.scrollingType = c.scrollingType;
    return data;
}

class KeyFilterTable : public testing::TestWithParam<FilterCase> {};

TEST_P(KeyFilterTable, DecidesWhatTheViewDoesAndWhatIsLogged) {
    const FilterCase& c = GetParam();
    KeyContext context;
    context.shift = (c.held & kShift) != 0;
    context.ctrl = (c.held & kCtrl) != 0;
    context.typedLength = c.typedLength;
    KeyVerdict verdict =
        KeyFilter::Filter(DataFor(c), KeystrokeRecord{0, c.message, c.wParam, 1}, context);
    KeyVerdict expected;
    expected.action = c.action;
    expected.log = c.log;
    expected.scroll = c.scroll;
    expected.message = c.shown;
    expected.beep = c.beep;
    EXPECT_EQ(verdict, expected);
}

constexpr const char* kPaused =
    "The program has stopped the timer. To resume, you have to activate typing by pressing F5.";
constexpr const char* kStartOpen =
    "You have to close the Start dialogue window, before you can start  typing!";
constexpr const char* kNotRunning = "Open the \"Practice\" menu and click on \"Start (F2)\".";

using A = KeyAction;
using S = ScrollRequest;
constexpr int kLeft = 0x25;
constexpr int kHome = 0x24;
constexpr int kDownArrow = 0x28;
constexpr int kDelete = 0x2E;
constexpr int kPgUp = 0x21;
constexpr int kPgDn = 0x22;

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyFilterTable,
    testing::Values(
        // Characters during a run are typed and logged; outside it they are explained.
        FilterCase{"LetterRunning", State::Running, kAll, kChar, 'a', 0, A::Pass, true},
        FilterCase{"LetterPaused", State::Paused, kAll, kChar, 'a', 0, A::Drop, false, S::None,
                   kPaused},
        FilterCase{"LetterStartDialog", State::StartDialog, kAll, kChar, 'a', 0, A::Drop, false,
                   S::None, kStartOpen},
        FilterCase{"LetterIdle", State::Idle, kAll, kChar, 'a', 0, A::Drop, false, S::None,
                   kNotRunning},
        FilterCase{"BackspaceIdle", State::Idle, kAll, kChar, 8, 0, A::Drop, false, S::None,
                   kNotRunning},
        FilterCase{"BackspaceAllowed", State::Running, kAll, kChar, 8, 0, A::Pass, true},
        FilterCase{"BackspaceNotAllowed", State::Running, kArrows | kEnter, kChar, 8, 0, A::Drop,
                   false},
        FilterCase{"EnterAllowed", State::Running, kAll, kChar, 13, 0, A::Pass, true},
        FilterCase{"EnterNotAllowed", State::Running, kArrows | kBackspace, kChar, 13, 0, A::Drop,
                   false},
        FilterCase{"TabAutomatic", State::Running, kAll, kChar, 9, 0, A::Drop, false},
        FilterCase{"TabScrollsInModeTwo", State::Running, kAll, kChar, 9, 0, A::Drop, false,
                   S::Down, "", false, 2},
        // The limit: 10240 characters, a line break counting two.
        FilterCase{"LastCharacterFits", State::Running, kAll, kChar, 'x', 0, A::Pass, true, S::None,
                   "", false, 0, 10239},
        FilterCase{"CharacterAtTheLimit", State::Running, kAll, kChar, 'x', 0, A::Drop, false,
                   S::None, "", true, 0, 10240},
        FilterCase{"LineBreakNeedsTwo", State::Running, kAll, kChar, 13, 0, A::Drop, false, S::None,
                   "", true, 0, 10239},
        FilterCase{"LineBreakFits", State::Running, kAll, kChar, 13, 0, A::Pass, true, S::None, "",
                   false, 0, 10238},
        FilterCase{"BackspaceAtTheLimit", State::Running, kAll, kChar, 8, 0, A::Pass, true, S::None,
                   "", false, 0, 10240},
        // Cursor keys: logged while running when allowed, swallowed when not; never with Shift
        // (selection) or Ctrl (word jumps).
        FilterCase{"ArrowDownAllowed", State::Running, kAll, kDown, kLeft, 0, A::Pass, true},
        FilterCase{"ArrowUpAllowed", State::Running, kAll, kUp, kLeft, 0, A::Pass, true},
        FilterCase{"ArrowNotAllowed", State::Running, kEnter | kBackspace, kDown, kHome, 0,
                   A::Neutralise, false},
        FilterCase{"ArrowIdle", State::Idle, kNone, kDown, kDownArrow, 0, A::Pass, false},
        FilterCase{"ShiftArrow", State::Running, kAll, kDown, kLeft, kShift, A::Drop, false},
        FilterCase{"CtrlArrow", State::Running, kAll, kDown, 0x27, kCtrl, A::Neutralise, false},
        FilterCase{"ShiftArrowIdle", State::Idle, kAll, kDown, kLeft, kShift, A::Drop, false},
        FilterCase{"DeleteAllowed", State::Running, kAll, kDown, kDelete, 0, A::Pass, true},
        FilterCase{"DeleteNotAllowed", State::Running, kArrows, kDown, kDelete, 0, A::Drop, false},
        FilterCase{"DeleteIdle", State::Idle, kNone, kDown, kDelete, 0, A::Pass, false},
        FilterCase{"CtrlDelete", State::Running, kAll, kDown, kDelete, kCtrl, A::Neutralise, false},
        // The page keys scroll the original on their press only.
        FilterCase{"PageUpPress", State::Running, kAll, kDown, kPgUp, 0, A::Drop, false, S::Up},
        FilterCase{"PageDownPress", State::Idle, kAll, kDown, kPgDn, 0, A::Drop, false, S::Down},
        FilterCase{"PageDownRelease", State::Running, kAll, kUp, kPgDn, 0, A::Drop, false},
        // Other keys pass unlogged: their characters are what counts.
        FilterCase{"LetterKeyDown", State::Running, kAll, kDown, 'A', 0, A::Pass, false},
        FilterCase{"BackspaceKeyDown", State::Running, kNone, kDown, 8, 0, A::Pass, false},
        // A re-play types by itself: the keyboard has no say and nothing is logged.
        FilterCase{"LetterDuringReplay", State::Replay, kAll, kChar, 'a', 0, A::Drop, false},
        FilterCase{"ArrowDuringReplay", State::Replay, kAll, kDown, kLeft, 0, A::Drop, false},
        FilterCase{"PageKeyDuringReplay", State::Replay, kAll, kDown, kPgUp, 0, A::Drop, false}),
    [](const testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

TEST(KeyFilterTest, ACharacterTheCodePageLacksIsRefusedWithABeepDuringARun) {
    TestData data;
    data.running = 1;
    KeyContext context;
    context.unmappable = true;
    KeyVerdict verdict = KeyFilter::Filter(data, KeystrokeRecord{0, 258, 0, 0}, context);
    EXPECT_EQ(verdict.action, KeyAction::Drop);
    EXPECT_TRUE(verdict.beep);
    EXPECT_FALSE(verdict.log);
    data.running = 0;
    verdict = KeyFilter::Filter(data, KeystrokeRecord{0, 258, 0, 0}, context);
    EXPECT_FALSE(verdict.beep);
    EXPECT_EQ(verdict.message, kNotRunning);
}

}  // namespace
