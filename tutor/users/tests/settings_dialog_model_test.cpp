#include "tutor/users/settings_dialog_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SoundTab = SettingsDialogModel::SoundTab;

TutorSettings WithSound(int soundType) {
    TutorSettings settings;
    settings.soundType = soundType;
    return settings;
}

struct TabCase {
    int soundType;
    SoundTab openingTab;
    /// The sound type after showing each tab from the opening state.
    int afterWav;
    int afterSpeaker;
    int afterSilence;
};

class SoundTabs : public testing::TestWithParam<TabCase> {};

TEST_P(SoundTabs, OpenOnTheirTypeAndGiveWayToTheTabsFirstEntry) {
    const TabCase& c = GetParam();
    SettingsDialogModel opening(WithSound(c.soundType), {});
    EXPECT_EQ(opening.soundTab(), c.openingTab);
    const std::pair<SoundTab, int> shown[] = {{SoundTab::Wav, c.afterWav},
                                              {SoundTab::Speaker, c.afterSpeaker},
                                              {SoundTab::Silence, c.afterSilence}};
    for (const auto& [tab, expected] : shown) {
        SettingsDialogModel model(WithSound(c.soundType), {});
        model.ShowSoundTab(tab);
        EXPECT_EQ(model.settings().soundType, expected)
            << "type " << c.soundType << ", tab " << static_cast<int>(tab);
        EXPECT_EQ(model.soundTab(), tab);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, SoundTabs,
    testing::Values(TabCase{0, SoundTab::Wav, 0, 4, 8}, TabCase{3, SoundTab::Wav, 3, 4, 8},
                    TabCase{4, SoundTab::Speaker, 0, 4, 8}, TabCase{7, SoundTab::Speaker, 0, 7, 8},
                    TabCase{8, SoundTab::Silence, 0, 4, 8},
                    // Stored values no list holds: the silence tab, the first entry elsewhere.
                    TabCase{9, SoundTab::Silence, 0, 4, 8},
                    TabCase{-1, SoundTab::Silence, 0, 4, 8}));

TEST(SettingsDialogModelTest, LabelsNameTheSoundOfEachTab) {
    EXPECT_STREQ(SettingsDialogModel::SoundLabel(SoundTab::Wav), "The digital sound option.");
    EXPECT_STREQ(SettingsDialogModel::SoundLabel(SoundTab::Speaker),
                 "The speaker has been activated.");
    EXPECT_STREQ(SettingsDialogModel::SoundLabel(SoundTab::Silence), "The computer will be quiet.");
}

TEST(SettingsDialogModelTest, AnEntryIsTheTabsBasePlusItsIndex) {
    SettingsDialogModel model(WithSound(2), {});
    EXPECT_EQ(model.soundEntry(), 2);
    model.ChooseSoundEntry(SoundTab::Speaker, 3);
    EXPECT_EQ(model.settings().soundType, 7);
    EXPECT_EQ(model.soundEntry(), 3);
    model.ChooseSoundEntry(SoundTab::Wav, 1);
    EXPECT_EQ(model.settings().soundType, 1);
    // No entry outside the list, none on the silence tab.
    model.ChooseSoundEntry(SoundTab::Wav, 4);
    model.ChooseSoundEntry(SoundTab::Speaker, -1);
    model.ChooseSoundEntry(SoundTab::Silence, 0);
    EXPECT_EQ(model.settings().soundType, 1);
    model.ShowSoundTab(SoundTab::Silence);
    EXPECT_EQ(model.soundEntry(), -1);
}

TEST(SettingsDialogModelTest, OneSoundTestAtATime) {
    SettingsDialogModel model(TutorSettings{}, {});
    EXPECT_TRUE(model.testButtonEnabled());
    EXPECT_TRUE(model.StartSoundTest());
    EXPECT_FALSE(model.testButtonEnabled());
    EXPECT_FALSE(model.StartSoundTest()) << "a second click while it plays";
    model.SoundTestEnded();
    EXPECT_TRUE(model.testButtonEnabled());
    EXPECT_TRUE(model.StartSoundTest());
}

TEST(SettingsDialogModelTest, BlinkPreviewAlternatesOnlyWhileBlinkingIsOn) {
    SettingsDialogModel model(TutorSettings{}, {});
    std::vector<int> icons;
    for (int i = 0; i < 3; ++i) {
        icons.push_back(model.BlinkTick());
    }
    model.setBlinkingCursor(true);
    for (int i = 0; i < 4; ++i) {
        icons.push_back(model.BlinkTick());
    }
    model.setBlinkingCursor(false);
    icons.push_back(model.BlinkTick());
    EXPECT_EQ(icons, (std::vector<int>{156, 156, 156, 157, 156, 157, 156, 156}));
}

struct FlagCase {
    int flags;
    bool line;
    bool sound;
    bool runsWhenShown;
    int lineRight;
};

class MetronomeFlags : public testing::TestWithParam<FlagCase> {};

TEST_P(MetronomeFlags, BitsDecideTheTestAndItsLine) {
    const FlagCase& c = GetParam();
    TutorSettings settings;
    settings.metronomeFlags = c.flags;
    SettingsDialogModel model(settings, {});
    EXPECT_EQ(model.metronomeLine(), c.line);
    EXPECT_EQ(model.metronomeSound(), c.sound);
    EXPECT_EQ(model.MetronomeTestRuns(true), c.runsWhenShown);
    EXPECT_FALSE(model.MetronomeTestRuns(false)) << "a hidden page never beats";
    EXPECT_EQ(model.testLineRight(), c.lineRight);
}

INSTANTIATE_TEST_SUITE_P(Flags, MetronomeFlags,
                         testing::Values(FlagCase{0, false, false, false, 60},
                                         FlagCase{1, true, false, true, 360},
                                         FlagCase{2, false, true, true, 60},
                                         FlagCase{3, true, true, true, 360}));

TEST(SettingsDialogModelTest, CheckBoxesSetAndClearTheirOwnBitOnly) {
    TutorSettings settings;
    settings.metronomeFlags = 4;  // a bit no page knows stays as it was
    SettingsDialogModel model(settings, {});
    model.setMetronomeSound(true);
    EXPECT_EQ(model.settings().metronomeFlags, 6);
    model.setMetronomeLine(true);
    EXPECT_EQ(model.settings().metronomeFlags, 7);
    model.setMetronomeSound(false);
    EXPECT_EQ(model.settings().metronomeFlags, 5);
    model.setMetronomeLine(false);
    EXPECT_EQ(model.settings().metronomeFlags, 4);
}

struct RateCase {
    int rate;
    int slider;
    int intervalMs;
};

class MetronomeRate : public testing::TestWithParam<RateCase> {};

TEST_P(MetronomeRate, SliderStaysInItsRangeAndTheIntervalNeverDividesByZero) {
    TutorSettings settings;
    settings.metronomeRate = GetParam().rate;
    SettingsDialogModel model(settings, {});
    EXPECT_EQ(model.sliderPosition(), GetParam().slider);
    EXPECT_EQ(model.metronomeTestIntervalMs(), GetParam().intervalMs);
    EXPECT_EQ(model.settings().metronomeRate, GetParam().rate) << "kept until the slider moves";
}

INSTANTIATE_TEST_SUITE_P(Rates, MetronomeRate,
                         testing::Values(RateCase{70, 70, 857}, RateCase{350, 350, 171},
                                         RateCase{20, 20, 3000}, RateCase{0, 20, 60000},
                                         RateCase{-5, 20, 60000}, RateCase{500, 350, 120}));

TEST(SettingsDialogModelTest, AppearanceListHoldsTheCurrentNameSelected) {
    TutorSettings settings;
    settings.appearance = "paper";
    SettingsDialogModel model(settings, {"paper", "standard"});
    EXPECT_EQ(model.appearanceIndex(), 0);
    model.ChooseAppearance(1);
    EXPECT_EQ(model.settings().appearance, "standard");
    model.ChooseAppearance(2);  // no such entry
    EXPECT_EQ(model.settings().appearance, "standard");

    settings.appearance = "winter";  // its pictures have gone
    SettingsDialogModel missing(settings, {"paper", "standard"});
    EXPECT_EQ(missing.appearanceNames(), (std::vector<std::string>{"paper", "standard", "winter"}));
    EXPECT_EQ(missing.appearanceIndex(), 2);
    EXPECT_EQ(missing.settings().appearance, "winter");
}

}  // namespace
