#include "tutor/practice/practice_workers.h"

#include "tutor/practice/practice_text_panel.h"
#include "tutor/users/sound_feedback.h"

PracticeWorkers::PracticeWorkers(SoundFeedback& feedback, PracticeTextPanel& panel)
    : feedback_(feedback),
      panel_(panel),
      sound_([this](bool correct) { PlayStroke(correct); }),
      metronome_([this](int flags) { Beat(flags); }) {}

PracticeWorkers::~PracticeWorkers() {
    Stop();
}

void PracticeWorkers::ApplySettings(const TutorSettings& settings) {
    soundType_.store(settings.soundType);
    pendingNote_ = settings;
}

void PracticeWorkers::StartMetronome(int intervalMs, int flags) {
    metronome_.StopMetronome();
    beatingNote_ = pendingNote_;
    metronome_.StartMetronome(intervalMs, flags);
}

void PracticeWorkers::Stop() {
    // A worker in the middle of a waited sound would hold up the end of the program until
    // the sound is over: the sound's wait ends first.
    feedback_.shutdown();
    metronome_.StopMetronome();
    sound_.Stop();
}

void PracticeWorkers::PlayStroke(bool correct) {
    const int type = soundType_.load();
    if (correct) {
        feedback_.playCorrectSound(type);
    } else {
        feedback_.playErrorSound(type);
    }
}

void PracticeWorkers::Beat(int flags) {
    if (flags & 1) {
        panel_.MetronomeTick();
    }
    if (flags & 2) {
        feedback_.playMetronomeNote(beatingNote_);
    }
}
