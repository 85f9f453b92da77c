#include "tutor/practice/practice_workers.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "tutor/practice/practice_text_panel.h"
#include "tutor/users/audio_output.h"
#include "tutor/users/sound_feedback.h"

namespace {

/// Records audio calls and metronome lines from any thread; a test waits for a count.
class ThreadSafeRecorder final : public AudioOutput, public PracticeTextPanel {
  public:
    void PlayWav(const std::string& path, bool) override { Record("wav " + path); }
    void StopWav() override {}
    void Tone(int hz, int) override { Record("tone " + std::to_string(hz)); }
    void Pause(int) override {}
    bool MidiOpen(int) override { return true; }
    void MidiReset() override {}
    void MidiShortMessage(std::uint32_t message) override {
        Record("midi " + std::to_string(message));
    }
    void MidiClose() override {}

    void SetText(const PanelState&) override {}
    void Repaint() override {}
    void DrawCursor(const PanelState&, bool, int, bool) override {}
    void ShowProgress(std::int64_t, int, int) override {}
    void NextMovieFrame() override {}
    void MetronomeTick() override { Record("line"); }

    void AwaitCalls(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return calls_.size() >= count; });
    }
    std::vector<std::string> calls() {
        std::lock_guard lock(mutex_);
        return calls_;
    }

  private:
    void Record(std::string call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
        changed_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> calls_;
};

TEST(PracticeWorkersThread, StrokeSoundsFollowTheCurrentSoundType) {
    ThreadSafeRecorder recorder;
    SoundFeedback feedback(recorder, "s/");
    PracticeWorkers workers(feedback, recorder);
    TutorSettings settings;
    settings.soundType = 1;
    workers.ApplySettings(settings);
    workers.soundWorker().event().AwaitWaitingThreads(1);
    workers.RequestSound(SoundRequest::Correct);
    recorder.AwaitCalls(1);
    settings.soundType = 6;
    workers.ApplySettings(settings);
    workers.soundWorker().event().AwaitWaitingThreads(1);
    workers.RequestSound(SoundRequest::Error);
    recorder.AwaitCalls(3);
    workers.Stop();
    EXPECT_EQ(recorder.calls(),
              (std::vector<std::string>{"wav s/good2.wav", "tone 3000", "tone 1000"}));
}

TEST(PracticeWorkersThread, MetronomeFlashesTheLineAndPlaysTheNoteOfItsStart) {
    ThreadSafeRecorder recorder;
    SoundFeedback feedback(recorder, "");
    PracticeWorkers workers(feedback, recorder);
    TutorSettings settings;
    settings.midiNote = 72;
    workers.ApplySettings(settings);
    workers.StartMetronome(1, 3);
    settings.midiNote = 40;  // applies only to the next start
    workers.ApplySettings(settings);
    recorder.AwaitCalls(6);
    workers.StopMetronome();
    const std::vector<std::string> calls = recorder.calls();
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[0], "line");
    EXPECT_EQ(calls[1], "midi " + std::to_string(0x0BC0));
    EXPECT_EQ(calls[2], "midi " + std::to_string(0x00324890));  // note 72
    EXPECT_EQ(calls[3], "line");
}

TEST(PracticeWorkersThread, StopEndsBothThreads) {
    ThreadSafeRecorder recorder;
    SoundFeedback feedback(recorder, "");
    PracticeWorkers workers(feedback, recorder);
    workers.StartMetronome(60000, 1);
    workers.metronomeWorker().stopEvent().AwaitWaitingThreads(1);
    workers.Stop();
    EXPECT_FALSE(workers.metronomeWorker().running());
    workers.RequestSound(SoundRequest::Error);  // nobody plays it any more
    EXPECT_TRUE(recorder.calls().empty());
}

/// An error sound that lasts until the output is shut down, as a long sound on a device would.
class EndlessWavOutput final : public AudioOutput {
  public:
    void PlayWav(const std::string&, bool wait) override {
        std::unique_lock lock(mutex_);
        playing_ = true;
        changed_.notify_all();
        if (wait) {
            changed_.wait(lock, [&] { return shutDown_; });
        }
    }
    void StopWav() override {}
    void Tone(int, int) override {}
    void Pause(int) override {}
    bool MidiOpen(int) override { return true; }
    void MidiReset() override {}
    void MidiShortMessage(std::uint32_t) override {}
    void MidiClose() override {}
    void Shutdown() override {
        std::lock_guard lock(mutex_);
        shutDown_ = true;
        changed_.notify_all();
    }

    void AwaitPlaying() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return playing_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool playing_ = false;
    bool shutDown_ = false;
};

TEST(PracticeWorkersThread, StopCutsOffTheSoundThatIsPlaying) {
    EndlessWavOutput output;
    ThreadSafeRecorder panel;
    SoundFeedback feedback(output, "");
    PracticeWorkers workers(feedback, panel);
    workers.soundWorker().event().AwaitWaitingThreads(1);
    workers.RequestSound(SoundRequest::Error);
    output.AwaitPlaying();
    // Without the cut-off this never returns and the test runs into its time limit.
    workers.Stop();
    workers.RequestSound(SoundRequest::Error);
}

}  // namespace
