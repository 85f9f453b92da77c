#include "tutor/users/audio_pump.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "tutor/users/mixer_audio_output.h"
#include "tutor/users/pcm_sink.h"
#include "tutor/users/sound_mixer.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

/// A device that plays in real time: room for a period comes once the period before has had
/// its time. It keeps what it was given and can be told to fail.
class FakeSink final : public PcmSink {
  public:
    struct Shared {
        std::mutex mutex;
        std::vector<std::int16_t> written;
        std::atomic<bool> opens{true};
        std::atomic<int> writesBeforeLoss{-1};
        std::atomic<bool> closed{false};
        std::atomic<std::int64_t> delay{0};
    };

    explicit FakeSink(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

    bool Open(int sampleRate) override {
        rate_ = sampleRate;
        next_ = Clock::now();
        return shared_->opens.load();
    }
    int periodFrames() const override { return 128; }
    Room WaitForRoom(int timeoutMs) override {
        if (Clock::now() + std::chrono::milliseconds(timeoutMs) < next_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
            return Room::TimedOut;
        }
        std::this_thread::sleep_until(next_);
        return Room::Ready;
    }
    std::int64_t DelayFrames() override { return shared_->delay.load(); }
    bool Write(const std::int16_t* samples, int frames) override {
        if (shared_->writesBeforeLoss.load() == 0) {
            return false;
        }
        shared_->writesBeforeLoss.fetch_sub(1);
        next_ += std::chrono::microseconds(std::int64_t{frames} * 1000000 / rate_);
        std::lock_guard lock(shared_->mutex);
        shared_->written.insert(shared_->written.end(), samples, samples + frames);
        return true;
    }
    void Close() override { shared_->closed.store(true); }

  private:
    std::shared_ptr<Shared> shared_;
    int rate_ = 44100;
    Clock::time_point next_;
};

std::unique_ptr<PcmSink> Sink(const std::shared_ptr<FakeSink::Shared>& shared) {
    return std::make_unique<FakeSink>(shared);
}

bool Contains(const std::vector<std::int16_t>& haystack, const std::vector<std::int16_t>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

TEST(AudioPumpThread, HandsTheMixOverToTheDevice) {
    auto shared = std::make_shared<FakeSink::Shared>();
    SoundMixer mixer;
    AudioPump pump(mixer, Sink(shared));
    std::vector<std::int16_t> sound;
    for (int i = 0; i < 300; ++i) {
        sound.push_back(static_cast<std::int16_t>(i * 10 + 1));
    }
    SoundMixer::VoiceHandle voice =
        mixer.PlayWav(std::make_shared<std::vector<std::int16_t>>(sound));
    EXPECT_TRUE(mixer.Wait(voice, 10s));
    while (!pump.onDevice()) {
        std::this_thread::yield();
    }
    EXPECT_EQ(pump.devicePeriodFrames(), 128);
    pump.Stop();
    std::lock_guard lock(shared->mutex);
    EXPECT_TRUE(Contains(shared->written, sound));
    EXPECT_TRUE(shared->closed.load());
}

TEST(AudioPumpThread, TellsWhenAFrameIsHeard) {
    auto shared = std::make_shared<FakeSink::Shared>();
    shared->delay.store(441);  // 10 ms already queued in the device
    SoundMixer mixer;
    AudioPump pump(mixer, Sink(shared));
    const Clock::time_point asked = Clock::now();
    SoundMixer::VoiceHandle voice = mixer.PlayTone(1000, 20);
    ASSERT_TRUE(mixer.Wait(voice, 10s));
    // A caller is released when the last frame is rendered; its hand-over is noted just after.
    const std::int64_t last = voice->startFrame() + 881;
    for (int i = 0; i < 1000 && !pump.HandOverOf(last); ++i) {
        std::this_thread::sleep_for(1ms);
    }
    for (std::int64_t frame : {voice->startFrame(), last}) {
        const std::optional<AudioPump::HandOver> handOver = pump.HandOverOf(frame);
        ASSERT_TRUE(handOver.has_value()) << frame;
        EXPECT_LE(handOver->firstFrame, frame);
        EXPECT_GT(handOver->firstFrame + handOver->frames, frame);
        EXPECT_EQ(handOver->delayFrames, 441);
        // Heard after the frames queued before its block and those before it in the block.
        const double ahead = static_cast<double>(441 + frame - handOver->firstFrame) / 44100;
        const std::optional<Clock::time_point> heard = pump.HeardAt(frame);
        ASSERT_TRUE(heard.has_value());
        EXPECT_NEAR(std::chrono::duration<double>(*heard - handOver->time).count(), ahead, 1e-6);
        EXPECT_GE(*heard - asked, 10ms);
    }
    EXPECT_FALSE(pump.HeardAt(mixer.renderedFrames() + 100000).has_value());
}

struct SilentCase {
    const char* name;
    bool opens;
    int writesBeforeLoss;
};

class AudioPumpThreadWithoutDevice : public testing::TestWithParam<SilentCase> {};

// No device at start, or a device lost while playing: the program goes on silently and a
// waited sound still lasts its length.
TEST_P(AudioPumpThreadWithoutDevice, KeepsTheTimingOfWaits) {
    auto shared = std::make_shared<FakeSink::Shared>();
    shared->opens.store(GetParam().opens);
    shared->writesBeforeLoss.store(GetParam().writesBeforeLoss);
    SoundMixer mixer;
    AudioPump pump(mixer, Sink(shared));
    MixerAudioOutput output(mixer, nullptr, 10s);
    std::this_thread::sleep_for(20ms);
    const Clock::time_point started = Clock::now();
    output.Tone(1000, 100);
    output.Pause(50);
    const auto waited = Clock::now() - started;
    EXPECT_GE(waited, 150ms);
    EXPECT_LT(waited, 5s);
    EXPECT_FALSE(pump.onDevice());
}

INSTANTIATE_TEST_SUITE_P(Cases, AudioPumpThreadWithoutDevice,
                         testing::Values(SilentCase{"NoDevice", false, -1},
                                         SilentCase{"DeviceLost", true, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AudioPumpThread, NoSinkAtAllIsSilentToo) {
    SoundMixer mixer;
    AudioPump pump(mixer, nullptr);
    MixerAudioOutput output(mixer, nullptr, 10s);
    const Clock::time_point started = Clock::now();
    output.Tone(440, 60);
    EXPECT_GE(Clock::now() - started, 60ms);
}

TEST(AudioPumpThread, StoppingDoesNotWaitForASound) {
    for (bool device : {true, false}) {
        auto shared = std::make_shared<FakeSink::Shared>();
        shared->opens.store(device);
        SoundMixer mixer;
        auto pump = std::make_unique<AudioPump>(mixer, Sink(shared));
        MixerAudioOutput output(mixer, nullptr, 60s);
        std::thread caller([&] { output.Tone(440, 30000); });
        while (mixer.waitingCallers() < 1) {
            std::this_thread::yield();
        }
        const Clock::time_point stopping = Clock::now();
        pump.reset();
        caller.join();
        EXPECT_LT(Clock::now() - stopping, 5s);
    }
}

}  // namespace
