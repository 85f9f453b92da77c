#include "tutor/course/xkb_keyboard_layouts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/testing/recording_message_sink.h"
#include "tutor/course/keyboard_layout_switcher.h"

namespace {

using namespace std::string_literals;

/// An X keyboard in memory: the rules names as configured, the locked group, and every lock
/// asked for.
class FakeXkbKeyboard final : public XkbKeyboard {
  public:
    std::string RulesNames() const override { return rulesNames; }
    int LockedGroup() const override { return locked; }
    bool LockGroup(int group) override {
        locks.push_back(group);
        if (refuseLocks) {
            return false;
        }
        locked = group;
        return true;
    }

    std::string rulesNames = "evdev\0pc105\0us,de\0\0\0"s;
    int locked = 0;
    bool refuseLocks = false;
    std::vector<int> locks;
};

class XkbLayouts : public testing::Test {
  protected:
    XkbLayouts() {
        auto owned = std::make_unique<FakeXkbKeyboard>();
        keyboard = owned.get();
        layouts = std::make_unique<XkbKeyboardLayouts>(std::move(owned));
    }

    FakeXkbKeyboard* keyboard;
    std::unique_ptr<XkbKeyboardLayouts> layouts;
};

TEST_F(XkbLayouts, ActiveLayoutIsNamedByTheLockedGroup) {
    EXPECT_EQ(layouts->ActiveLayoutName(), "00000409");
    keyboard->locked = 1;
    EXPECT_EQ(layouts->ActiveLayoutName(), "00000407");
    keyboard->rulesNames = "evdev\0pc105\0us,ru\0\0\0"s;
    EXPECT_EQ(layouts->ActiveLayoutName(), "ru");
    keyboard->locked = -1;
    EXPECT_EQ(layouts->ActiveLayoutName(), "");
}

TEST_F(XkbLayouts, ConfiguredLayoutIsActivatedByLockingItsGroup) {
    EXPECT_TRUE(layouts->LoadAndActivate("00000407"));
    EXPECT_EQ(keyboard->locks, std::vector<int>{1});
    EXPECT_EQ(layouts->ActiveLayoutName(), "00000407");
    // Already active: nothing to ask the server.
    EXPECT_TRUE(layouts->LoadAndActivate("00000407"));
    EXPECT_EQ(keyboard->locks, std::vector<int>{1});
}

TEST_F(XkbLayouts, LayoutThatIsNotConfiguredIsRefusedAndNothingChanges) {
    for (const std::string name : {"0000040C", "0000040E", "NUM", "fr", "de(nodeadkeys)"}) {
        EXPECT_FALSE(layouts->LoadAndActivate(name)) << name;
    }
    EXPECT_TRUE(keyboard->locks.empty());
    EXPECT_EQ(keyboard->locked, 0);
}

// The wizard offers the courses of every keyboard type X has a layout for; one the user has
// not configured is refused at the switch, with the hint to install it.
TEST_F(XkbLayouts, AvailableAreTheConfiguredLayoutsAndTheKeyboardTypesOfOurCourses) {
    keyboard->rulesNames = "evdev\0pc105\0us,ru\0\0\0"s;
    for (const std::string name :
         {"00000409", "00000407", "00000405", "0000040C", "00000809", "0000040c", "ru", "us"}) {
        EXPECT_TRUE(layouts->IsAvailable(name)) << name;
    }
    for (const std::string name : {"0000040E", "NUM", "hu", "de", "us(intl)"}) {
        EXPECT_FALSE(layouts->IsAvailable(name)) << name;
    }
    EXPECT_TRUE(keyboard->locks.empty());
    EXPECT_EQ(keyboard->locked, 0);
}

TEST_F(XkbLayouts, ServerThatKeepsTheOldGroupIsARefusal) {
    keyboard->refuseLocks = true;
    EXPECT_FALSE(layouts->LoadAndActivate("00000407"));
    EXPECT_EQ(layouts->ActiveLayoutName(), "00000409");
}

TEST_F(XkbLayouts, ConfigurationChangedWhileRunningIsSeen) {
    EXPECT_FALSE(layouts->LoadAndActivate("0000040C"));
    keyboard->rulesNames = "evdev\0pc105\0us,fr\0\0\0"s;
    EXPECT_TRUE(layouts->LoadAndActivate("0000040C"));
    EXPECT_EQ(keyboard->locked, 1);
}

TEST_F(XkbLayouts, WithoutRulesNamesNothingCanBeSwitchedAndNoNameIsKnown) {
    keyboard->rulesNames.clear();
    EXPECT_EQ(layouts->ActiveLayoutName(), "");
    EXPECT_FALSE(layouts->LoadAndActivate("00000409"));
    // Going back to a layout that had no name asks for nothing.
    EXPECT_TRUE(layouts->LoadAndActivate(""));
    EXPECT_TRUE(keyboard->locks.empty());
}

// The whole road of a practice: the user's own layout is taken, the course's switched to, and
// the user's own given back at close, under both kinds of names.
TEST_F(XkbLayouts, SwitcherRestoresTheUsersOwnGroup) {
    for (const std::string layoutsList : {"ru,de,us", "de(neo),de,us"}) {
        keyboard->rulesNames = "evdev\0pc105\0"s + layoutsList + "\0\0\0"s;
        keyboard->locked = 0;
        RecordingMessageSink messages;
        KeyboardLayoutSwitcher switcher(*layouts, messages);
        switcher.RememberUserLayout();
        EXPECT_TRUE(switcher.ActivateLayout("00000409"));
        EXPECT_EQ(keyboard->locked, 2) << layoutsList;
        EXPECT_TRUE(switcher.ActivateLayout("00000407"));
        EXPECT_EQ(keyboard->locked, 1) << layoutsList;
        EXPECT_TRUE(switcher.RestoreUserLayout());
        EXPECT_EQ(keyboard->locked, 0) << layoutsList;
        EXPECT_TRUE(messages.messages.empty());
    }
}

}  // namespace
