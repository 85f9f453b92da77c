#include "tutor/course/keyboard_layout_switcher.h"

#include <gtest/gtest.h>

#include "common/testing/recording_message_sink.h"
#include "tutor/course/no_system_keyboard_layouts.h"
#include "tutor/course/tests/fake_system_keyboard_layouts.h"

TEST(KeyboardLayoutSwitcher, SwitchesToTheCourseLayoutAndBackToTheUsersOwn) {
    FakeSystemKeyboardLayouts system("00000405");
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher(system, messages);
    switcher.RememberUserLayout();
    EXPECT_TRUE(switcher.ActivateLayout("00000409"));
    EXPECT_EQ(system.active, "00000409");
    EXPECT_TRUE(switcher.RestoreUserLayout());
    EXPECT_EQ(system.active, "00000405");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(KeyboardLayoutSwitcher, NumericKeypadNeverSwitches) {
    FakeSystemKeyboardLayouts system("00000405");
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher(system, messages);
    EXPECT_TRUE(switcher.ActivateLayout("NUM"));
    EXPECT_TRUE(system.requests.empty());
    EXPECT_EQ(system.active, "00000405");
}

TEST(KeyboardLayoutSwitcher, RefusedCourseLayoutIsOneStatusLineAndTheOldOneStays) {
    FakeSystemKeyboardLayouts system("00000405");
    system.refused.insert("0000040E");
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher(system, messages);
    EXPECT_FALSE(switcher.ActivateLayout("0000040E"));
    EXPECT_EQ(system.active, "00000405");
    EXPECT_EQ(switcher.statusText(),
              "The current user cannot switch over to the required keyboard type. You have to "
              "install the new keyboard type on your system first.");
    // No box to click away at every login.
    EXPECT_TRUE(messages.messages.empty());
}

TEST(KeyboardLayoutSwitcher, NextSwitchThatNeedsNoRefusalClearsTheStatusLine) {
    FakeSystemKeyboardLayouts system("00000405");
    system.refused.insert("0000040E");
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher(system, messages);
    for (const std::string next : {"00000409", "NUM"}) {
        ASSERT_FALSE(switcher.ActivateLayout("0000040E"));
        ASSERT_FALSE(switcher.statusText().empty());
        EXPECT_TRUE(switcher.ActivateLayout(next));
        EXPECT_EQ(switcher.statusText(), "") << next;
    }
}

TEST(KeyboardLayoutSwitcher, RefusedRestoreNamesTheUsersLayout) {
    FakeSystemKeyboardLayouts system("00000405");
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher(system, messages);
    switcher.RememberUserLayout();
    system.refused.insert("00000405");
    EXPECT_FALSE(switcher.RestoreUserLayout());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "The program cannot load the original keyboard settings. ==>00000405");
}

TEST(KeyboardLayoutSwitcher, WithoutSystemLayoutsEverythingSucceedsSilently) {
    NoSystemKeyboardLayouts system;
    RecordingMessageSink messages;
    KeyboardLayoutSwitcher switcher(system, messages);
    switcher.RememberUserLayout();
    EXPECT_TRUE(switcher.ActivateLayout("00000409"));
    EXPECT_TRUE(switcher.RestoreUserLayout());
    EXPECT_TRUE(messages.messages.empty());
}
