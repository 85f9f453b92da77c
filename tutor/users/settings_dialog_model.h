#pragma once

#include <array>
#include <string>
#include <vector>

#include "tutor/users/tutor_settings.h"

/// The settings sheet over a copy of the user's TutorSettings: what each page shows, what a
/// control changes in the copy, and when the previews run. The sheet copies the controls in
/// and out; the caller takes settings() on OK and drops the model on Cancel.
class SettingsDialogModel {
  public:
    static constexpr const char* kCaption = "Settings";
    /// The pages in the order of their tabs.
    enum class Page {
        Cursor = 0,
        Sounds = 1,
        Editor = 2,
        Metronome = 3,
        Appearance = 4,
        Errors = 5
    };
    static constexpr std::array<const char*, 6> kPageTitles = {
        "Cursor", "Sounds", "Editor", "Metronome", "Appearance", "Error Handling"};

    /// The tabs of the Sounds page.
    enum class SoundTab { Wav = 0, Speaker = 1, Silence = 2 };
    static constexpr std::array<const char*, 3> kSoundTabTitles = {"WAV Files", "Speaker",
                                                                   "Silence"};
    /// The label above the sound tabs, one per tab.
    static constexpr std::array<const char*, 3> kSoundTabLabels = {
        "The digital sound option.", "The speaker has been activated.",
        "The computer will be quiet."};
    static constexpr std::array<const char*, 4> kWavSounds = {"Default", "Duck", "Typewriter",
                                                              "Bubble"};
    static constexpr std::array<const char*, 4> kSpeakerSounds = {
        "Errors Only", "Error, Intermittent Sound", "Prehistorical Computer", "Overbeep"};
    /// The first sound type of each tab.
    static constexpr int kWavBase = 0;
    static constexpr int kSpeakerBase = 4;
    static constexpr int kSilenceType = 8;

    /// The cursor preview: icon 156 shows the cursor, icon 157 the blink without it.
    static constexpr int kPreviewCursorShown = 156;
    static constexpr int kPreviewCursorHidden = 157;
    static constexpr int kBlinkIntervalMs = 300;

    /// The metronome rate slider.
    static constexpr int kRateMinimum = 20;
    static constexpr int kRateMaximum = 350;
    static constexpr int kRateTick = 10;
    /// The metronome test line in page pixels: 3 pixels wide, grey, taken away after 30 ms.
    static constexpr int kTestLineLeft = 30;
    static constexpr int kTestLineY = 220;
    static constexpr int kTestLineLongRight = 360;
    static constexpr int kTestLineShortRight = 60;
    static constexpr int kTestLineWidth = 3;
    static constexpr int kTestLineGrey = 100;
    static constexpr int kTestLineShowMs = 30;
    static constexpr int kMetronomeLineBit = 1;
    static constexpr int kMetronomeSoundBit = 2;

    /// names: the appearances the program offers.
    SettingsDialogModel(const TutorSettings& settings, std::vector<std::string> appearanceNames);

    /// The edited copy.
    const TutorSettings& settings() const { return settings_; }

    // Cursor.
    void setCursorShape(int shape) { settings_.cursorShape = shape; }
    void setBlinkingCursor(bool on) { settings_.blinkingCursor = on ? 1 : 0; }
    /// The preview icon after one more blink period: while blinking is on it alternates
    /// between the two icons, otherwise it shows the cursor.
    int BlinkTick();
    int previewIcon() const { return previewIcon_; }

    // Sounds.
    /// The tab that shows a sound type: 0-3 WAV, 4-7 speaker, anything else silence.
    static SoundTab SoundTabOf(int soundType);
    SoundTab soundTab() const { return SoundTabOf(settings_.soundType); }
    /// The label of a tab.
    static const char* SoundLabel(SoundTab tab) { return kSoundTabLabels[static_cast<int>(tab)]; }
    /// Showing a tab: a sound type of another tab gives way to the tab's first entry.
    void ShowSoundTab(SoundTab tab);
    /// The list entry of the current sound type on its tab; -1 on the silence tab.
    int soundEntry() const;
    /// Choosing an entry of the list on tab.
    void ChooseSoundEntry(SoundTab tab, int entry);

    /// The sound test plays one sequence at a time; "&Test" waits for its end.
    bool StartSoundTest();
    void SoundTestEnded() { soundTestRunning_ = false; }
    bool soundTestRunning() const { return soundTestRunning_; }
    bool testButtonEnabled() const { return !soundTestRunning_; }

    // Editor.
    void setShowStatistics(bool on) { settings_.showStatistics = on ? 1 : 0; }
    void setShowKeyboard(bool on) { settings_.showKeyboard = on ? 1 : 0; }
    void setShowHands(bool on) { settings_.showHands = on ? 1 : 0; }

    // Metronome.
    bool metronomeLine() const { return (settings_.metronomeFlags & kMetronomeLineBit) != 0; }
    bool metronomeSound() const { return (settings_.metronomeFlags & kMetronomeSoundBit) != 0; }
    void setMetronomeLine(bool on);
    void setMetronomeSound(bool on);
    /// Where the slider stands for the stored rate (a rate outside the slider's range is kept
    /// until the slider moves).
    int sliderPosition() const;
    /// The slider moved.
    void setMetronomeRate(int rate) { settings_.metronomeRate = rate; }
    /// Whether the metronome test beats while its page is shown.
    bool MetronomeTestRuns(bool pageVisible) const {
        return pageVisible && settings_.metronomeFlags != 0;
    }
    int metronomeTestIntervalMs() const;
    /// The right end of the test line: long with the line on, short for the sound alone.
    int testLineRight() const { return metronomeLine() ? kTestLineLongRight : kTestLineShortRight; }

    // Appearance.
    /// The names offered, the current appearance among them even when the program did not
    /// find it, so that OK never changes it unasked.
    const std::vector<std::string>& appearanceNames() const { return appearanceNames_; }
    /// The index of the current appearance in the list.
    int appearanceIndex() const;
    void ChooseAppearance(int index);

    // Error handling.
    void setErrorMode(int mode) { settings_.errorMode = mode; }

  private:
    TutorSettings settings_;
    std::vector<std::string> appearanceNames_;
    int previewIcon_ = kPreviewCursorShown;
    bool soundTestRunning_ = false;
};
