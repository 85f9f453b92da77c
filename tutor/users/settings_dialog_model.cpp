#include "tutor/users/settings_dialog_model.h"

#include <algorithm>

#include "tutor/users/sound_feedback.h"

SettingsDialogModel::SettingsDialogModel(const TutorSettings& settings,
                                         std::vector<std::string> appearanceNames)
    : settings_(settings), appearanceNames_(std::move(appearanceNames)) {
    // An appearance whose pictures have gone would otherwise be replaced by the first name on
    // OK without the user choosing it.
    if (std::find(appearanceNames_.begin(), appearanceNames_.end(), settings_.appearance) ==
        appearanceNames_.end()) {
        appearanceNames_.push_back(settings_.appearance);
    }
}

int SettingsDialogModel::BlinkTick() {
    if (settings_.blinkingCursor != 0 && previewIcon_ == kPreviewCursorShown) {
        previewIcon_ = kPreviewCursorHidden;
    } else {
        previewIcon_ = kPreviewCursorShown;
    }
    return previewIcon_;
}

SettingsDialogModel::SoundTab SettingsDialogModel::SoundTabOf(int soundType) {
    if (soundType >= kWavBase && soundType < kSpeakerBase) {
        return SoundTab::Wav;
    }
    if (soundType >= kSpeakerBase && soundType < kSilenceType) {
        return SoundTab::Speaker;
    }
    return SoundTab::Silence;
}

void SettingsDialogModel::ShowSoundTab(SoundTab tab) {
    switch (tab) {
        case SoundTab::Wav:
            if (SoundTabOf(settings_.soundType) != SoundTab::Wav) {
                settings_.soundType = kWavBase;
            }
            break;
        case SoundTab::Speaker:
            if (SoundTabOf(settings_.soundType) != SoundTab::Speaker) {
                settings_.soundType = kSpeakerBase;
            }
            break;
        case SoundTab::Silence:
            settings_.soundType = kSilenceType;
            break;
    }
}

int SettingsDialogModel::soundEntry() const {
    switch (soundTab()) {
        case SoundTab::Wav:
            return settings_.soundType - kWavBase;
        case SoundTab::Speaker:
            return settings_.soundType - kSpeakerBase;
        case SoundTab::Silence:
            break;
    }
    return -1;
}

void SettingsDialogModel::ChooseSoundEntry(SoundTab tab, int entry) {
    const int count =
        static_cast<int>(tab == SoundTab::Wav ? kWavSounds.size() : kSpeakerSounds.size());
    if (tab == SoundTab::Silence || entry < 0 || entry >= count) {
        return;
    }
    settings_.soundType = (tab == SoundTab::Wav ? kWavBase : kSpeakerBase) + entry;
}

bool SettingsDialogModel::StartSoundTest() {
    if (soundTestRunning_) {
        return false;
    }
    soundTestRunning_ = true;
    return true;
}

void SettingsDialogModel::setMetronomeLine(bool on) {
    settings_.metronomeFlags = on ? (settings_.metronomeFlags | kMetronomeLineBit)
                                  : (settings_.metronomeFlags & ~kMetronomeLineBit);
}

void SettingsDialogModel::setMetronomeSound(bool on) {
    settings_.metronomeFlags = on ? (settings_.metronomeFlags | kMetronomeSoundBit)
                                  : (settings_.metronomeFlags & ~kMetronomeSoundBit);
}

int SettingsDialogModel::sliderPosition() const {
    return std::clamp(settings_.metronomeRate, kRateMinimum, kRateMaximum);
}

int SettingsDialogModel::metronomeTestIntervalMs() const {
    return MetronomeIntervalMs(settings_.metronomeRate);
}

int SettingsDialogModel::appearanceIndex() const {
    const auto found =
        std::find(appearanceNames_.begin(), appearanceNames_.end(), settings_.appearance);
    return static_cast<int>(found - appearanceNames_.begin());
}

void SettingsDialogModel::ChooseAppearance(int index) {
    if (index >= 0 && index < static_cast<int>(appearanceNames_.size())) {
        settings_.appearance = appearanceNames_[static_cast<std::size_t>(index)];
    }
}
