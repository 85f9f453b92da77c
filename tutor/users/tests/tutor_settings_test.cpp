#include "tutor/users/tutor_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(TutorSettings, DefaultsGiveTheTextForm) {
    EXPECT_EQ(TutorSettings().toText(), "!0:2:0:0:0:0:1:0:70:standard:");
}

TEST(TutorSettings, FullTextFormSetsEveryFieldInTextOrder) {
    TutorSettings settings;
    EXPECT_TRUE(settings.fromText("!1:0:5:3:1:1:0:3:120:standard:"));
    EXPECT_EQ(settings.blinkingCursor, 1);
    EXPECT_EQ(settings.cursorShape, 0);
    EXPECT_EQ(settings.soundType, 5);
    EXPECT_EQ(settings.errorMode, 3);
    EXPECT_EQ(settings.showKeyboard, 1);
    EXPECT_EQ(settings.showHands, 1);
    EXPECT_EQ(settings.showStatistics, 0);
    EXPECT_EQ(settings.metronomeFlags, 3);
    EXPECT_EQ(settings.metronomeRate, 120);
    EXPECT_EQ(settings.appearance, "standard");
    EXPECT_EQ(settings.toText(), "!1:0:5:3:1:1:0:3:120:standard:");
}

TEST(TutorSettings, TruncatedTextChangesTheFieldsBeforeTheBreak) {
    TutorSettings settings;
    settings.soundType = 7;
    settings.metronomeRate = 200;
    settings.appearance = "wood";
    EXPECT_FALSE(settings.fromText("!1:0:5"));
    TutorSettings expected;
    expected.blinkingCursor = 1;
    expected.cursorShape = 0;
    expected.soundType = 7;
    expected.metronomeRate = 200;
    expected.appearance = "wood";
    EXPECT_EQ(settings, expected);
}

TEST(TutorSettings, AppearanceWithoutColonIsNotRead) {
    TutorSettings settings;
    settings.appearance = "wood";
    EXPECT_FALSE(settings.fromText("!1:1:1:1:1:1:1:1:99:classic"));
    EXPECT_EQ(settings.metronomeRate, 99);
    EXPECT_EQ(settings.appearance, "wood");
}

class TutorSettingsRefusedText : public testing::TestWithParam<const char*> {};

TEST_P(TutorSettingsRefusedText, ChangesNothing) {
    TutorSettings settings;
    settings.errorMode = 2;
    settings.appearance = "wood";
    const TutorSettings before = settings;
    EXPECT_FALSE(settings.fromText(GetParam()));
    EXPECT_EQ(settings, before);
}

INSTANTIATE_TEST_SUITE_P(Texts, TutorSettingsRefusedText,
                         testing::Values("", "1:0:5:3:1:1:0:3:120:standard:",
                                         " !1:0:5:3:1:1:0:3:120:standard:", "!"));

TEST(TutorSettings, ResetAndAssignLeaveTheMidiFields) {
    TutorSettings settings;
    settings.fromText("!1:0:5:3:1:1:0:3:120:glass:");
    settings.midiDevice = 2;
    settings.midiChannel = 9;
    settings.midiVelocity = 100;
    settings.midiNote = 76;
    settings.midiProgram = 115;
    TutorSettings copy = settings;

    settings.reset();
    EXPECT_EQ(settings.toText(), "!0:2:0:0:0:0:1:0:70:standard:");
    EXPECT_EQ(settings.midiDevice, 2);
    EXPECT_EQ(settings.midiChannel, 9);
    EXPECT_EQ(settings.midiNote, 76);

    TutorSettings other;
    other.assign(copy);
    EXPECT_EQ(other.toText(), "!1:0:5:3:1:1:0:3:120:glass:");
    EXPECT_EQ(other.midiDevice, -1);
    EXPECT_EQ(other.midiChannel, 0);
    EXPECT_EQ(other.midiVelocity, 50);
    EXPECT_EQ(other.midiNote, 60);
    EXPECT_EQ(other.midiProgram, 11);
}

TEST(TutorSettings, NonNumericFieldsReadAsZero) {
    TutorSettings settings;
    EXPECT_TRUE(settings.fromText("!x:2y::::::: 45:my look:"));
    EXPECT_EQ(settings.blinkingCursor, 0);
    EXPECT_EQ(settings.cursorShape, 2);
    EXPECT_EQ(settings.showStatistics, 0);
    EXPECT_EQ(settings.metronomeRate, 45);
    EXPECT_EQ(settings.appearance, "my look");
}

}  // namespace
