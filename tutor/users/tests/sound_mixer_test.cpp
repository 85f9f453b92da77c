#include "tutor/users/sound_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <thread>
#include <vector>

namespace {

using Block = std::vector<std::int16_t>;
using namespace std::chrono_literals;

Block Render(SoundMixer& mixer, std::size_t frames) {
    Block out(frames);
    mixer.Render(out.data(), frames);
    return out;
}

SoundMixer::Samples Constant(std::int16_t value, std::size_t frames) {
    return std::make_shared<std::vector<std::int16_t>>(frames, value);
}

int Peak(const Block& block, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, block.size()); ++i) {
        peak = std::max(peak, std::abs(int{block[i]}));
    }
    return peak;
}

/// Renders one frame at a time until the voice has ended; the number of frames it took.
std::int64_t FramesUntilEnded(SoundMixer& mixer, const SoundMixer::VoiceHandle& voice,
                              Block* output = nullptr) {
    std::int64_t frames = 0;
    while (!voice->ended() && frames < 10 * 44100) {
        std::int16_t sample = 0;
        mixer.Render(&sample, 1);
        if (output != nullptr) {
            output->push_back(sample);
        }
        ++frames;
    }
    return frames;
}

struct ToneCase {
    int frequencyHz;
    int durationMs;
    std::int64_t frames;
};

class ToneLength : public testing::TestWithParam<ToneCase> {};

TEST_P(ToneLength, EndsAfterExactlyItsFrames) {
    const ToneCase& c = GetParam();
    SoundMixer mixer;
    SoundMixer::VoiceHandle tone = mixer.PlayTone(c.frequencyHz, c.durationMs);
    EXPECT_EQ(tone->frames(), c.frames);
    Block out;
    EXPECT_EQ(FramesUntilEnded(mixer, tone, &out), c.frames);
    EXPECT_EQ(tone->startFrame(), 0);
    // Audible through its length, silent after it.
    EXPECT_GT(Peak(out, 0, out.size()), 32768 * SoundMixer::kToneLevel * 0.9);
    EXPECT_EQ(Peak(Render(mixer, 500)), 0);
}

// The speaker sounds of the stroke sounds: 20, 40, 50 and 200 ms.
INSTANTIATE_TEST_SUITE_P(StrokeTones, ToneLength,
                         testing::Values(ToneCase{300, 20, 882}, ToneCase{1000, 40, 1764},
                                         ToneCase{500, 50, 2205}, ToneCase{3000, 200, 8820},
                                         ToneCase{1000, 2, 88}));

TEST(SoundMixer, ToneHasItsFrequencyAndSoftEdges) {
    SoundMixer mixer;
    SoundMixer::VoiceHandle tone = mixer.PlayTone(1000, 200);
    Block out = Render(mixer, 8820);
    ASSERT_TRUE(tone->ended());
    int crossings = 0;
    for (std::size_t i = 1; i < out.size(); ++i) {
        crossings += (out[i - 1] < 0) != (out[i] < 0);
    }
    EXPECT_NEAR(crossings, 400, 4);
    // Rising from silence and falling back to it: no click at either edge.
    EXPECT_LT(std::abs(int{out.front()}), 200);
    EXPECT_LT(std::abs(int{out.back()}), 200);
    EXPECT_LT(Peak(out, 0, 20), Peak(out, 200, 400) / 2);
}

TEST(SoundMixer, ZeroAndNegativeLengthsEndAtOnce) {
    SoundMixer mixer;
    EXPECT_TRUE(mixer.PlayTone(1000, 0)->ended());
    EXPECT_TRUE(mixer.PlaySilence(-5)->ended());
    EXPECT_TRUE(mixer.PlayWav(nullptr)->ended());
    EXPECT_TRUE(mixer.PlayWav(Constant(1, 0))->ended());
    EXPECT_FALSE(mixer.Busy());
}

TEST(SoundMixer, SilenceTakesItsLengthWithoutSound) {
    SoundMixer mixer;
    SoundMixer::VoiceHandle pause = mixer.PlaySilence(100);
    Block out;
    EXPECT_EQ(FramesUntilEnded(mixer, pause, &out), 4410);
    EXPECT_EQ(Peak(out), 0);
}

TEST(SoundMixer, WavPlaysItsSamplesUnchanged) {
    SoundMixer mixer;
    auto samples = std::make_shared<std::vector<std::int16_t>>();
    for (int i = 0; i < 1000; ++i) {
        samples->push_back(static_cast<std::int16_t>((i * 37) % 20000 - 10000));
    }
    SoundMixer::VoiceHandle wav = mixer.PlayWav(samples);
    Block out = Render(mixer, 1200);
    EXPECT_TRUE(wav->ended());
    EXPECT_EQ(Block(out.begin(), out.begin() + 1000), *samples);
    EXPECT_EQ(Peak(out, 1000), 0);
}

TEST(SoundMixer, RequestsStartAtTheNextBlock) {
    SoundMixer mixer;
    Render(mixer, 300);
    SoundMixer::VoiceHandle wav = mixer.PlayWav(Constant(1000, 10));
    EXPECT_EQ(wav->startFrame(), -1);
    EXPECT_TRUE(mixer.Busy());
    Block out = Render(mixer, 256);
    EXPECT_EQ(wav->startFrame(), 300);
    EXPECT_EQ(mixer.lastOnsetFrame(), 300);
    EXPECT_EQ(out[0], 1000);
    EXPECT_EQ(mixer.renderedFrames(), 556);
    // A pause is no onset.
    mixer.PlaySilence(10);
    Render(mixer, 10);
    EXPECT_EQ(mixer.lastOnsetFrame(), 300);
}

TEST(SoundMixer, StopFadesTheWavOutWithoutAClick) {
    SoundMixer mixer;
    const std::int16_t level = 8000;
    SoundMixer::VoiceHandle wav = mixer.PlayWav(Constant(level, 44100));
    EXPECT_EQ(Render(mixer, 100).back(), level);
    mixer.StopWavs();
    const auto fade = static_cast<std::size_t>(44100 * SoundMixer::kFadeMs / 1000);
    Block out = Render(mixer, fade + 100);
    EXPECT_TRUE(wav->ended());
    // Falling steadily from the level to silence within the fade, in small steps.
    int previous = level;
    for (std::size_t i = 0; i < fade; ++i) {
        EXPECT_LE(out[i], previous) << i;
        EXPECT_LE(previous - out[i], level / static_cast<int>(fade) + 2) << i;
        previous = out[i];
    }
    EXPECT_LT(previous, level / 50);
    EXPECT_EQ(Peak(out, fade), 0);
}

TEST(SoundMixer, StopCutsOnlyTheWavsAskedForBeforeIt) {
    SoundMixer mixer;
    SoundMixer::VoiceHandle old = mixer.PlayWav(Constant(3000, 44100));
    SoundMixer::VoiceHandle tone = mixer.PlayTone(500, 100);
    Render(mixer, 10);
    // The correct-stroke sound: stop what plays, then the next sound at once.
    mixer.StopWavs();
    SoundMixer::VoiceHandle next = mixer.PlayWav(Constant(2000, 44100));
    Render(mixer, 1000);
    EXPECT_TRUE(old->ended());
    EXPECT_FALSE(next->ended());
    EXPECT_FALSE(tone->ended());
    EXPECT_EQ(next->startFrame(), 10);
}

TEST(SoundMixer, VoicesAddUp) {
    SoundMixer mixer;
    mixer.PlayWav(Constant(4000, 100));
    mixer.PlayWav(Constant(-1000, 50));
    mixer.PlayWav(Constant(6000, 100));
    Block out = Render(mixer, 150);
    EXPECT_EQ(out[0], 9000);
    EXPECT_EQ(out[49], 9000);
    EXPECT_EQ(out[50], 10000);
    EXPECT_EQ(out[100], 0);
}

SoundMixer::Samples Sine(double amplitude, double frequencyHz, std::size_t frames) {
    auto samples = std::make_shared<std::vector<std::int16_t>>();
    for (std::size_t i = 0; i < frames; ++i) {
        samples->push_back(static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2 * std::numbers::pi * frequencyHz * i / 44100.0))));
    }
    return samples;
}

TEST(SoundMixer, LoudMixIsTurnedDownNotClipped) {
    SoundMixer mixer;
    std::vector<double> sum(4410, 0.0);
    for (int i = 0; i < 8; ++i) {
        SoundMixer::Samples wav = Sine(20000, 200 + 150 * i, 4410);
        mixer.PlayWav(wav);
        for (std::size_t f = 0; f < sum.size(); ++f) {
            sum[f] += (*wav)[f];
        }
    }
    Block out = Render(mixer, 4410);
    const long limit = std::lround(SoundMixer::kLimit * 32767);
    EXPECT_LE(Peak(out), limit);
    EXPECT_GE(Peak(out), limit - 2);
    // Every frame is the plain sum scaled by one factor: the waves keep their shape.
    const double factor = limit / *std::max_element(sum.begin(), sum.end(), [](double a, double b) {
                              return std::abs(a) < std::abs(b);
                          });
    for (std::size_t f = 0; f < out.size(); ++f) {
        EXPECT_NEAR(out[f], sum[f] * std::abs(factor), 1.5) << f;
    }
}

TEST(SoundMixer, LoudVoicesAndTonesTogetherStayBelowTheLimit) {
    SoundMixer mixer;
    for (int i = 0; i < 8; ++i) {
        mixer.PlayWav(Constant(i % 2 ? 20000 : -24000, 4410));
        mixer.PlayTone(300 + 700 * i, 100);
    }
    const long limit = std::lround(SoundMixer::kLimit * 32767);
    for (int block = 0; block < 20; ++block) {
        EXPECT_LE(Peak(Render(mixer, 256)), limit);
    }
}

TEST(SoundMixer, GainRecoversAfterALoudMix) {
    SoundMixer mixer;
    for (int i = 0; i < 4; ++i) {
        mixer.PlayWav(Constant(30000, 441));
    }
    Render(mixer, 441);
    // Right after the loud part the gain is still low; after the release time it is whole.
    mixer.PlayWav(Constant(5000, 10));
    EXPECT_LT(Render(mixer, 10)[0], 5000);
    Render(mixer, 44100 * SoundMixer::kReleaseMs / 1000);
    mixer.PlayWav(Constant(5000, 10));
    EXPECT_EQ(Render(mixer, 10)[0], 5000);
}

TEST(SoundMixer, ClickDecaysToSilence) {
    SoundMixer mixer;
    SoundMixer::VoiceHandle click = mixer.PlayClick(1046, 1.0);
    Block out;
    const std::int64_t frames = FramesUntilEnded(mixer, click, &out);
    EXPECT_EQ(frames, 1764);
    const std::size_t ms = 441 / 10;
    EXPECT_GT(Peak(out, 0, 5 * ms), 32768 * 0.3);
    EXPECT_LT(Peak(out, 30 * ms), Peak(out, 0, 5 * ms) / 20);
    EXPECT_LT(std::abs(int{out.back()}), 50);
    SoundMixer quiet;
    quiet.PlayClick(1046, 0.25);
    EXPECT_LT(Peak(Render(quiet, 1764)), Peak(out) / 3);
}

TEST(SoundMixer, ShutdownEndsWaitsAndIgnoresLaterRequests) {
    SoundMixer mixer;
    SoundMixer::VoiceHandle playing = mixer.PlayTone(440, 1000);
    Render(mixer, 100);
    mixer.Shutdown();
    EXPECT_TRUE(mixer.shutDown());
    EXPECT_FALSE(mixer.Wait(playing, 10s));
    SoundMixer::VoiceHandle later = mixer.PlayWav(Constant(1000, 1000));
    EXPECT_TRUE(later->ended());
    EXPECT_TRUE(mixer.Wait(later, 10s));
}

TEST(SoundMixer, WaitGivesUpAfterItsTimeout) {
    SoundMixer mixer;
    SoundMixer::VoiceHandle tone = mixer.PlayTone(440, 20);
    EXPECT_FALSE(mixer.Wait(tone, 5ms));
}

// Callers wait on other threads while the test drives the pump.

void AwaitWaiting(const SoundMixer& mixer, int count) {
    while (mixer.waitingCallers() < count) {
        std::this_thread::yield();
    }
}

TEST(SoundMixerThreads, WaitingCallerIsReleasedWhenTheLastFrameIsRendered) {
    SoundMixer mixer;
    SoundMixer::VoiceHandle tone = mixer.PlayTone(1000, 40);
    std::atomic<bool> returned{false};
    bool ended = false;
    std::thread caller([&] {
        ended = mixer.Wait(tone, 60s);
        returned.store(true);
    });
    AwaitWaiting(mixer, 1);
    Render(mixer, 1763);
    std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(returned.load());
    EXPECT_EQ(mixer.waitingCallers(), 1);
    Render(mixer, 1);
    caller.join();
    EXPECT_TRUE(ended);
}

TEST(SoundMixerThreads, StopReleasesTheCallerOfAWaitedWavAfterTheFade) {
    SoundMixer mixer;
    SoundMixer::VoiceHandle wav = mixer.PlayWav(Constant(1000, 441000));
    std::thread caller([&] { EXPECT_TRUE(mixer.Wait(wav, 60s)); });
    AwaitWaiting(mixer, 1);
    Render(mixer, 1000);
    mixer.StopWavs();
    Render(mixer, 44100 * SoundMixer::kFadeMs / 1000 + 1);
    caller.join();
}

TEST(SoundMixerThreads, ShutdownReleasesEveryWaitingCaller) {
    SoundMixer mixer;
    std::vector<std::thread> callers;
    for (int i = 0; i < 3; ++i) {
        callers.emplace_back([&mixer] {
            SoundMixer::VoiceHandle tone = mixer.PlayTone(440, 5000);
            EXPECT_FALSE(mixer.Wait(tone, 60s));
        });
    }
    AwaitWaiting(mixer, 3);
    mixer.Shutdown();
    for (std::thread& caller : callers) {
        caller.join();
    }
}

TEST(SoundMixerThreads, RequestsFromManyThreadsAllPlayToTheirEnd) {
    SoundMixer mixer;
    std::atomic<int> finished{0};
    std::vector<std::thread> callers;
    for (int t = 0; t < 4; ++t) {
        callers.emplace_back([&, t] {
            for (int i = 0; i < 20; ++i) {
                if (i % 3 == 0) {
                    mixer.StopWavs();
                }
                SoundMixer::VoiceHandle voice =
                    i % 2 ? mixer.PlayTone(200 + t * 100, 2) : mixer.PlaySilence(3);
                EXPECT_TRUE(mixer.Wait(voice, 60s));
            }
            finished.fetch_add(1);
        });
    }
    std::vector<std::int16_t> block(64);
    while (finished.load() < 4) {
        mixer.Render(block.data(), block.size());
        std::this_thread::yield();
    }
    for (std::thread& caller : callers) {
        caller.join();
    }
    EXPECT_FALSE(mixer.Busy());
}

TEST(SoundMixerThreads, IdlePumpWakesForARequest) {
    SoundMixer mixer;
    std::atomic<bool> woke{false};
    std::thread pump([&] {
        mixer.WaitForRequest(60s);
        woke.store(true);
    });
    std::this_thread::sleep_for(5ms);
    EXPECT_FALSE(woke.load());
    mixer.PlayTone(440, 10);
    pump.join();
    EXPECT_TRUE(mixer.Busy());
}

}  // namespace
