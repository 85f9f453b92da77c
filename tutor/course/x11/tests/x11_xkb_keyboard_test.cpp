// Runs on the private X display that scripts/xvfb_run_test.sh starts (ctest label "xvfb"): the
// tests configure the keyboard with setxkbmap, which must never happen to a user's desktop.
#include "tutor/course/x11/x11_xkb_keyboard.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "common/testing/recording_message_sink.h"
#include "tutor/course/keyboard_layout_switcher.h"
#include "tutor/course/xkb_keyboard_layouts.h"

// Last: Xlib defines macros (None, Success, Bool) that other headers use as names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace {

// A second connection sees what the server holds, not what ours believes.
int LockedGroupSeenByAnotherClient() {
    Display* other = XOpenDisplay(nullptr);
    if (other == nullptr) {
        return -2;
    }
    XkbStateRec state{};
    const int group =
        XkbGetState(other, XkbUseCoreKbd, &state) == Success ? state.locked_group : -1;
    XCloseDisplay(other);
    return group;
}

class X11Xkb : public testing::Test {
  protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        const char* privateDisplay = std::getenv("KELVANE_XVFB_DISPLAY");
        ASSERT_TRUE(display != nullptr && privateDisplay != nullptr &&
                    std::string(display) == privateDisplay)
            << "run through scripts/xvfb_run_test.sh: these tests reconfigure the keyboard";
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr);
        auto keyboard = X11XkbKeyboard::Open(display_);
        ASSERT_NE(keyboard, nullptr) << "the X server has no XKB extension";
        keyboard_ = keyboard.get();
        layouts_ = std::make_unique<XkbKeyboardLayouts>(std::move(keyboard));
    }

    void TearDown() override {
        layouts_.reset();
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }

    // Configures the keyboard as a user would, with the first group locked (a new keymap may
    // keep the group locked before).
    void Configure(const std::string& arguments) {
        ASSERT_EQ(std::system(("setxkbmap " + arguments).c_str()), 0) << arguments;
        ASSERT_TRUE(XkbLockGroup(display_, XkbUseCoreKbd, 0));
        XSync(display_, False);
        ASSERT_EQ(LockedGroupSeenByAnotherClient(), 0);
    }

    Display* display_ = nullptr;
    X11XkbKeyboard* keyboard_ = nullptr;
    std::unique_ptr<XkbKeyboardLayouts> layouts_;
};

TEST_F(X11Xkb, RulesNamesListTheConfiguredLayouts) {
    Configure("-layout us,de -variant ,nodeadkeys");
    const std::string names = keyboard_->RulesNames();
    EXPECT_NE(names.find(std::string("us,de\0,nodeadkeys\0", 18)), std::string::npos) << names;
}

TEST_F(X11Xkb, CourseLayoutIsLockedAndTheUsersOwnRestored) {
    Configure("-layout us,de");
    ASSERT_EQ(keyboard_->LockedGroup(), 0);
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher(*layouts_, messages);
    switcher.RememberUserLayout();
    EXPECT_EQ(switcher.userLayout(), "00000409");

    EXPECT_TRUE(switcher.ActivateLayout("00000407"));
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 1);
    EXPECT_EQ(layouts_->ActiveLayoutName(), "00000407");

    EXPECT_TRUE(switcher.RestoreUserLayout());
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 0);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(switcher.statusText(), "");
}

TEST_F(X11Xkb, LayoutThatIsNotConfiguredLeavesTheSystemAlone) {
    Configure("-layout us,de");
    ASSERT_TRUE(layouts_->LoadAndActivate("00000407"));
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher(*layouts_, messages);
    // X has a French layout, so its courses can be chosen; the switch itself is refused.
    EXPECT_TRUE(layouts_->IsAvailable("0000040C"));
    EXPECT_FALSE(switcher.ActivateLayout("0000040C"));
    EXPECT_EQ(switcher.statusText(), KeyboardLayoutSwitcher::kCannotSwitchMessage);
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 1);
    // setxkbmap was not run again: the configuration is the user's.
    EXPECT_NE(keyboard_->RulesNames().find("us,de"), std::string::npos);
}

TEST_F(X11Xkb, AskingAboutLayoutsLocksNothing) {
    Configure("-layout us,de,ru");
    ASSERT_TRUE(layouts_->LoadAndActivate("ru"));
    for (const char* available : {"00000409", "00000407", "0000040C", "ru"}) {
        EXPECT_TRUE(layouts_->IsAvailable(available)) << available;
    }
    EXPECT_FALSE(layouts_->IsAvailable("hu"));
    EXPECT_FALSE(layouts_->IsAvailable("0000040E"));
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 2);
}

TEST_F(X11Xkb, LayoutWithoutIdentifierIsNamedByXkbAndAcceptedBack) {
    Configure("-layout us,ru");
    ASSERT_TRUE(XkbLockGroup(display_, XkbUseCoreKbd, 1));
    EXPECT_EQ(layouts_->ActiveLayoutName(), "ru");
    ASSERT_TRUE(layouts_->LoadAndActivate("00000409"));
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 0);
    EXPECT_TRUE(layouts_->LoadAndActivate("ru"));
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 1);
}

TEST_F(X11Xkb, PlainLayoutIsPreferredAndTheVariantKeepsItsXkbName) {
    Configure("-layout de,de -variant nodeadkeys,");
    EXPECT_EQ(layouts_->ActiveLayoutName(), "de(nodeadkeys)");
    ASSERT_TRUE(layouts_->LoadAndActivate("00000407"));
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 1);
    ASSERT_TRUE(layouts_->LoadAndActivate("de(nodeadkeys)"));
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 0);
}

TEST_F(X11Xkb, ConfigurationChangedWhileRunningIsSeen) {
    Configure("-layout us");
    EXPECT_FALSE(layouts_->LoadAndActivate("00000405"));
    Configure("-layout us,cz");
    EXPECT_TRUE(layouts_->LoadAndActivate("00000405"));
    EXPECT_EQ(LockedGroupSeenByAnotherClient(), 1);
}

}  // namespace
