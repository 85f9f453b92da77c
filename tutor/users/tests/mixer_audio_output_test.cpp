#include "tutor/users/mixer_audio_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/testing/temp_dir.h"
#include "tutor/users/midi_port.h"
#include "tutor/users/sound_feedback.h"
#include "tutor/users/tests/wav_test_files.h"
#include "tutor/users/tutor_settings.h"

namespace {

using namespace std::chrono_literals;
using Block = std::vector<std::int16_t>;

/// Records what reaches the MIDI port; opening fails when told.
class RecordingMidiPort final : public MidiPort {
  public:
    bool Open(int device) override {
        std::lock_guard lock(mutex_);
        calls.push_back("open " + std::to_string(device));
        return opens;
    }
    void Send(const MidiMessage& message) override {
        std::lock_guard lock(mutex_);
        calls.push_back("send " + std::to_string(static_cast<int>(message.kind)) + " " +
                        std::to_string(message.channel) + " " + std::to_string(message.data1) +
                        " " + std::to_string(message.data2));
    }
    void Reset() override {
        std::lock_guard lock(mutex_);
        calls.push_back("reset");
    }
    void Close() override {
        std::lock_guard lock(mutex_);
        calls.push_back("close");
    }
    std::vector<std::string> Calls() {
        std::lock_guard lock(mutex_);
        return calls;
    }

    bool opens = true;
    std::vector<std::string> calls;

  private:
    std::mutex mutex_;
};

int Peak(const Block& block) {
    int peak = 0;
    for (std::int16_t sample : block) {
        peak = std::max(peak, std::abs(int{sample}));
    }
    return peak;
}

Block Render(SoundMixer& mixer, std::size_t frames) {
    Block out(frames);
    mixer.Render(out.data(), frames);
    return out;
}

class MixerAudioOutputTest : public testing::Test {
  protected:
    std::string WriteWav(const std::string& name, std::size_t frames, std::int16_t level) {
        WavSpec spec;
        spec.data = Pcm16(Block(frames, level));
        return dir_.Write(name, MakeWav(spec));
    }

    TempDir dir_;
    SoundMixer mixer_;
    RecordingMidiPort port_;
};

TEST_F(MixerAudioOutputTest, AWavIsReadOnceAndPlayedEachTime) {
    MixerAudioOutput output(mixer_, &port_);
    const std::string path = WriteWav("good1.wav", 100, 3000);
    for (int i = 0; i < 3; ++i) {
        output.PlayWav(path, false);
    }
    EXPECT_EQ(output.wavFilesRead(), 1);
    EXPECT_EQ(Render(mixer_, 50)[0], 9000);
}

TEST_F(MixerAudioOutputTest, MissingOrDamagedFilesPlayNothingAndDoNotWait) {
    MixerAudioOutput output(mixer_, &port_, 10s);
    std::string damaged = MakeWav(WavSpec{});
    damaged[17] = 1;  // the fmt chunk runs past the end of the file
    const std::string damagedPath = dir_.Write("bad1.wav", damaged);
    // No pump runs: a wait would last the whole slack.
    const auto started = std::chrono::steady_clock::now();
    output.PlayWav(dir_.File("none.wav"), true);
    output.PlayWav(damagedPath, true);
    output.PlayWav(damagedPath, true);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    EXPECT_EQ(output.wavFilesRead(), 2);
    EXPECT_FALSE(mixer_.Busy());
}

TEST_F(MixerAudioOutputTest, StopWavFadesTheWavThatPlays) {
    MixerAudioOutput output(mixer_, &port_);
    output.PlayWav(WriteWav("long.wav", 44100, 5000), false);
    EXPECT_EQ(Render(mixer_, 100)[99], 5000);
    output.StopWav();
    Render(mixer_, 44100 * SoundMixer::kFadeMs / 1000);
    EXPECT_EQ(Peak(Render(mixer_, 100)), 0);
}

TEST_F(MixerAudioOutputTest, PortOpensAndGetsTheDecodedMessages) {
    MixerAudioOutput output(mixer_, &port_);
    EXPECT_TRUE(output.MidiOpen(-1));
    EXPECT_TRUE(output.midiOnPort());
    output.MidiReset();
    output.MidiShortMessage(0x00000BC0);
    output.MidiShortMessage(0x00323C90);
    output.MidiShortMessage(0x000000F8);  // a system message has no channel: not sent
    output.MidiClose();
    output.MidiShortMessage(0x00323C90);  // after closing: nothing
    EXPECT_EQ(port_.Calls(), (std::vector<std::string>{"open -1", "reset", "send 4 0 11 0",
                                                       "send 1 0 60 50", "close"}));
    EXPECT_FALSE(mixer_.Busy());
}

TEST_F(MixerAudioOutputTest, WithoutAPortTheMetronomeClicksInTheMix) {
    port_.opens = false;
    MixerAudioOutput output(mixer_, &port_);
    EXPECT_TRUE(output.MidiOpen(-1));
    EXPECT_FALSE(output.midiOnPort());
    output.MidiReset();
    output.MidiShortMessage(0x00000BC0);
    EXPECT_FALSE(mixer_.Busy());
    output.MidiShortMessage(0x00323C90);
    const int loud = Peak(Render(mixer_, 2000));
    EXPECT_GT(loud, 1000);
    output.MidiShortMessage(0x000A3C90);  // velocity 10 of 50: a fifth as loud
    EXPECT_NEAR(Peak(Render(mixer_, 2000)), loud / 5, loud / 20);
    output.MidiShortMessage(0x00003C90);  // a note-off: silent
    EXPECT_EQ(Peak(Render(mixer_, 2000)), 0);
    EXPECT_EQ(port_.Calls(), (std::vector<std::string>{"open -1"}));
}

TEST_F(MixerAudioOutputTest, NoMidiAtAllStillClicks) {
    MixerAudioOutput output(mixer_, nullptr);
    EXPECT_TRUE(output.MidiOpen(3));
    output.MidiShortMessage(0x00323C90);
    EXPECT_GT(Peak(Render(mixer_, 2000)), 1000);
}

TEST_F(MixerAudioOutputTest, AnotherDeviceClosesThePortFirst) {
    MixerAudioOutput output(mixer_, &port_);
    TutorSettings settings;
    SoundFeedback feedback(output, "");
    feedback.playMetronomeNote(settings);
    settings.midiDevice = 2;
    feedback.playMetronomeNote(settings);
    const std::vector<std::string> calls = port_.Calls();
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 4, calls.begin() + 6),
              (std::vector<std::string>{"close", "open 2"}));
}

// The sound worker, the metronome worker and the window's thread call at once; the test is the
// pump.

void AwaitWaiting(const SoundMixer& mixer, int count) {
    while (mixer.waitingCallers() < count) {
        std::this_thread::yield();
    }
}

TEST_F(MixerAudioOutputTest, ThreadOfAToneWaitsForItsLengthOnThePump) {
    MixerAudioOutput output(mixer_, &port_, 60s);
    std::atomic<bool> returned{false};
    std::thread caller([&] {
        output.Tone(3000, 200);
        returned.store(true);
    });
    AwaitWaiting(mixer_, 1);
    Render(mixer_, 8819);
    std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(returned.load());
    Render(mixer_, 1);
    caller.join();
}

TEST_F(MixerAudioOutputTest, ThreadOfAPauseAndAWaitedWavWaitOnThePump) {
    MixerAudioOutput output(mixer_, &port_, 60s);
    const std::string path = WriteWav("bad1.wav", 1000, 2000);
    std::atomic<int> step{0};
    std::thread caller([&] {
        output.Pause(100);
        step.store(1);
        output.PlayWav(path, true);
        step.store(2);
    });
    AwaitWaiting(mixer_, 1);
    Render(mixer_, 4409);
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(step.load(), 0);
    Render(mixer_, 1);
    while (step.load() < 1 || mixer_.waitingCallers() < 1) {
        std::this_thread::yield();
    }
    Block out = Render(mixer_, 999);
    EXPECT_EQ(out[0], 2000);
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(step.load(), 1);
    Render(mixer_, 1);
    caller.join();
    EXPECT_EQ(step.load(), 2);
}

TEST_F(MixerAudioOutputTest, ThreadWaitGivesUpWhenTheStreamStalls) {
    MixerAudioOutput output(mixer_, &port_, 20ms);
    const auto started = std::chrono::steady_clock::now();
    output.Tone(1000, 40);  // nobody renders
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, 60ms);
    EXPECT_LT(waited, 10s);
}

TEST_F(MixerAudioOutputTest, ThreadOfAWaitedSoundIsReleasedByShutdown) {
    MixerAudioOutput output(mixer_, &port_, 60s);
    std::thread caller([&] { output.Tone(440, 10000); });
    AwaitWaiting(mixer_, 1);
    output.Shutdown();
    caller.join();
    // Later sounds do not wait at all.
    output.Pause(10000);
    output.PlayWav(WriteWav("later.wav", 441000, 1), true);
}

TEST_F(MixerAudioOutputTest, WorkerThreadsSoundAndBeatTogether) {
    port_.opens = false;
    MixerAudioOutput output(mixer_, &port_, 60s);
    const std::string good = WriteWav("good1.wav", 300, 1000);
    const std::string bad = WriteWav("bad1.wav", 600, -1000);
    SoundFeedback feedback(output, "");
    std::atomic<int> finished{0};
    std::thread soundWorker([&] {
        for (int i = 0; i < 30; ++i) {
            if (i % 5 == 0) {
                output.StopWav();
                output.PlayWav(bad, true);
            } else {
                output.StopWav();
                output.PlayWav(good, false);
            }
        }
        finished.fetch_add(1);
    });
    std::thread metronomeWorker([&] {
        TutorSettings settings;
        for (int i = 0; i < 30; ++i) {
            settings.midiDevice = i % 7 == 0 ? 1 : -1;
            feedback.playMetronomeNote(settings);
        }
        finished.fetch_add(1);
    });
    std::thread windowThread([&] {
        for (int i = 0; i < 5; ++i) {
            output.Tone(500, 5);
        }
        finished.fetch_add(1);
    });
    Block block(128);
    while (finished.load() < 3) {
        mixer_.Render(block.data(), block.size());
        EXPECT_LE(Peak(block), 32767);
        std::this_thread::yield();
    }
    soundWorker.join();
    metronomeWorker.join();
    windowThread.join();
    EXPECT_EQ(output.wavFilesRead(), 2);
}

}  // namespace
