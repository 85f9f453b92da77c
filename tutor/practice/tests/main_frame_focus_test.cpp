#include "tutor/practice/main_frame_focus.h"

#include <gtest/gtest.h>

#include "tutor/practice/tests/practice_test_support.h"

namespace {

/// The main window as the focus sees it: taking the focus and passing it to the panel go
/// through the focus, as in the program; the practice timer is a flag.
class FocusWindow final : public PracticeWindow {
  public:
    void SetPracticeTimer() override {
        timerSet = true;
        ++timerStarts;
    }
    void KillPracticeTimer() override { timerSet = false; }
    void TakeFocus() override { focus->Take(); }
    void FocusToTextPanel() override { focus->ToPanel(); }
    void RepaintWindow() override {}
    void ApplyLayout() override {}
    void EnterInitialTestMenu() override {}
    void LeaveInitialTestMenu() override {}

    MainFrameFocus* focus = nullptr;
    bool timerSet = false;
    int timerStarts = 0;
};

class FocusFixture {
  public:
    FocusFixture() {
        window.focus = &focus;
        session.SetAcceptedCharacters("abcx");
    }

    PracticeFixture base;
    FocusWindow window;
    PracticeSession session{
        PracticeSession::Services{base.clock, base.course, base.log, base.profile, base.settings,
                                  base.host, window, base.host, base.host, base.host},
        "petr", false};
    MainFrameFocus focus{session};
};

TEST(MainFrameFocus, IdleWindowPassesTheFocusToItsPanel) {
    FocusFixture f;
    f.focus.Activated();
    EXPECT_FALSE(f.focus.mainHasFocus());
    EXPECT_FALSE(f.window.timerSet);
}

TEST(MainFrameFocus, BeginningALessonGivesTheMainWindowTheFocusAndStartsTheTimer) {
    FocusFixture f;
    f.focus.Activated();
    ASSERT_TRUE(f.session.BeginLesson(0));
    EXPECT_TRUE(f.focus.mainHasFocus());
    EXPECT_TRUE(f.window.timerSet);
    f.focus.Deactivated();
    EXPECT_FALSE(f.window.timerSet);
    f.focus.Activated();
    EXPECT_TRUE(f.window.timerSet);
    EXPECT_EQ(f.window.timerStarts, 2);
}

TEST(MainFrameFocus, ModalWindowStopsTheTimerAtOnceAndLateActivationsChangeNothing) {
    FocusFixture f;
    f.focus.Activated();
    ASSERT_TRUE(f.session.BeginLesson(0));
    f.focus.ModalOpened();
    EXPECT_FALSE(f.window.timerSet);
    // The desktop reports the main window inactive while the modal window is open, and
    // active again only after it has closed.
    f.focus.Deactivated();
    f.focus.Activated();
    EXPECT_FALSE(f.window.timerSet);
    f.focus.ModalClosed();
    EXPECT_TRUE(f.window.timerSet);
    f.focus.Activated();
    EXPECT_EQ(f.window.timerStarts, 2);
}

TEST(MainFrameFocus, NestedModalWindowsGiveTheFocusBackWhenTheLastCloses) {
    FocusFixture f;
    f.focus.Activated();
    ASSERT_TRUE(f.session.BeginLesson(0));
    f.focus.ModalOpened();
    f.focus.ModalOpened();
    f.focus.ModalClosed();
    EXPECT_FALSE(f.window.timerSet);
    EXPECT_TRUE(f.focus.modalOpen());
    f.focus.ModalClosed();
    EXPECT_TRUE(f.window.timerSet);
    // A close without an open is not counted.
    f.focus.ModalClosed();
    EXPECT_FALSE(f.focus.modalOpen());
    EXPECT_TRUE(f.focus.mainHasFocus());
}

TEST(MainFrameFocus, ModalWindowOfAnInactiveWindowGivesNoFocusOnClosing) {
    FocusFixture f;
    f.focus.Activated();
    ASSERT_TRUE(f.session.BeginLesson(0));
    f.focus.Deactivated();
    f.focus.ModalOpened();
    f.focus.ModalClosed();
    EXPECT_FALSE(f.window.timerSet);
    EXPECT_FALSE(f.focus.mainHasFocus());
}

TEST(MainFrameFocus, FocusTakenWhileAModalWindowIsOpenArrivesWhenItCloses) {
    FocusFixture f;
    f.focus.ModalOpened();
    ASSERT_TRUE(f.session.BeginLesson(0));
    EXPECT_FALSE(f.window.timerSet);
    f.focus.ModalClosed();
    EXPECT_TRUE(f.window.timerSet);
}

TEST(MainFrameFocus, FocusTakenRightAfterAModalWindowClosedNeedsNoActivation) {
    FocusFixture f;
    f.focus.Activated();
    // The lesson's note opens and closes before the run begins; the desktop has not yet
    // reported the main window active again when the run takes the focus.
    f.focus.ModalOpened();
    f.focus.Deactivated();
    f.focus.ModalClosed();
    ASSERT_TRUE(f.session.BeginLesson(0));
    EXPECT_TRUE(f.window.timerSet);
    f.focus.Activated();
    EXPECT_EQ(f.window.timerStarts, 1);
}

TEST(MainFrameFocus, FocusTakenByAnInactiveWindowComesWithItsActivation) {
    FocusFixture f;
    ASSERT_TRUE(f.session.BeginLesson(0));
    EXPECT_FALSE(f.window.timerSet);
    EXPECT_FALSE(f.focus.windowActive());
    f.focus.Activated();
    EXPECT_TRUE(f.window.timerSet);
}

TEST(MainFrameFocus, TimeWithAModalWindowOpenIsNoTypingTime) {
    FocusFixture f;
    f.focus.Activated();
    ASSERT_TRUE(f.session.BeginLesson(0));
    f.base.clock.AdvanceMs(500);
    f.focus.ModalOpened();
    f.base.clock.AdvanceMs(4000);
    f.focus.ModalClosed();
    f.base.clock.AdvanceMs(300);
    f.session.OnChar('a');
    ASSERT_EQ(f.base.log.recordCount(), 1u);
    EXPECT_EQ(f.base.log.record(0).delayMs, 300);
}

}  // namespace
