#pragma once

#include <atomic>

#include "tutor/practice/keystroke_sound_worker.h"
#include "tutor/practice/metronome_control.h"
#include "tutor/practice/metronome_worker.h"
#include "tutor/practice/sound_request.h"
#include "tutor/practice/stroke_sound_settings.h"
#include "tutor/users/tutor_settings.h"

class PracticeTextPanel;
class SoundFeedback;

/// The two worker threads of the main window wired to the practice: the keystroke-sound worker
/// plays the stroke sounds of the current sound type, the metronome flashes the panel's
/// metronome line and plays the metronome note. What the threads read is either atomic or
/// written only while no metronome thread runs. Both threads end when the object goes.
class PracticeWorkers final : public SoundRequestSink,
                              public MetronomeControl,
                              public StrokeSoundSettings {
  public:
    /// feedback and panel must outlive the object; their calls come from the worker threads,
    /// so they must allow being called from a thread other than the window's.
    PracticeWorkers(SoundFeedback& feedback, PracticeTextPanel& panel);
    ~PracticeWorkers() override;
    PracticeWorkers(const PracticeWorkers&) = delete;
    PracticeWorkers& operator=(const PracticeWorkers&) = delete;

    /// Takes the sound type and the metronome note of the settings; a running metronome keeps
    /// its note until it is started again.
    void ApplySettings(const TutorSettings& settings) override;

    void RequestSound(SoundRequest request) override { sound_.RequestSound(request); }
    void StartMetronome(int intervalMs, int flags) override;
    void StopMetronome() override { metronome_.StopMetronome(); }
    /// Ends both threads at the end of the program, at once: a sound that is playing is cut
    /// off, and the sound output plays nothing more.
    void Stop();

    const KeystrokeSoundWorker& soundWorker() const { return sound_; }
    const MetronomeWorker& metronomeWorker() const { return metronome_; }

  private:
    void PlayStroke(bool correct);
    void Beat(int flags);

    SoundFeedback& feedback_;
    PracticeTextPanel& panel_;
    std::atomic<int> soundType_{0};
    TutorSettings pendingNote_;
    /// Read by the metronome thread; written only while none runs.
    TutorSettings beatingNote_;
    KeystrokeSoundWorker sound_;
    MetronomeWorker metronome_;
};
