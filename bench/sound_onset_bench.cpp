// Keystroke to sound onset on the real output: the practice engine's request wakes the
// keystroke-sound worker, which plays the correct-stroke sound through the Linux output; the
// onset is the moment the sound's first sample was handed to the stream plus the latency the
// stream reported then. Goal: 30 ms at the 99th percentile. Needs a sound device; on a machine
// without one, start a PulseAudio server with a null sink first (ALSA's default device then goes
// to it), as one command:
//   pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-native-protocol-unix
//   --load="module-null-sink sink_name=null" &
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/latency.h"
#include "tutor/practice/keystroke_sound_worker.h"
#include "tutor/users/sound_feedback.h"
#include "tutor/users/ui/linux_audio_output.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

void BM_KeystrokeToSoundOnset(benchmark::State& state) {
    LinuxAudioOutput output;
    const Clock::time_point opening = Clock::now();
    while (!output.pump().onDevice() && Clock::now() - opening < std::chrono::seconds(3)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!output.pump().onDevice()) {
        state.SkipWithError("no sound device (start a PulseAudio null sink, see the top)");
        return;
    }
    // The first periods fill the stream's buffer at once; the stream is running when it asks
    // for more. A PulseAudio null sink that sat idle takes up to two seconds to start a new
    // stream (its idle block is that long): that start is reported apart, not as an onset.
    const std::int64_t filled = output.mixer().renderedFrames();
    while (output.mixer().renderedFrames() == filled &&
           Clock::now() - opening < std::chrono::seconds(10)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double streamStartMs = Ms(Clock::now() - opening);
    SoundFeedback feedback(output, std::string(KELVANE_BIN_DIR) + "/sounds/");
    KeystrokeSoundWorker worker([&feedback](bool correct) {
        if (correct) {
            feedback.playCorrectSound(0);
        }
    });
    const SoundMixer& mixer = output.mixer();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> gapUs(40000, 60000);
    std::vector<double> onsets;
    std::vector<double> handOvers;
    std::vector<double> latencies;
    for (auto _ : state) {
        // Typing pace, at a random phase of the stream's period.
        std::this_thread::sleep_for(std::chrono::microseconds(gapUs(random)));
        worker.event().AwaitWaitingThreads(1);
        const std::int64_t before = mixer.lastOnsetFrame();
        const Clock::time_point stroke = Clock::now();
        worker.RequestSound(SoundRequest::Correct);
        std::optional<AudioPump::HandOver> handOver;
        std::int64_t frame = -1;
        // Generous: on a loaded machine the sound server itself may stall now and then, and
        // such a stroke counts with its real onset.
        while (!handOver && Clock::now() - stroke < std::chrono::seconds(5)) {
            frame = mixer.lastOnsetFrame();
            if (frame != before) {
                handOver = output.pump().HandOverOf(frame);
            }
            if (!handOver) {
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
        }
        if (!handOver) {
            state.SkipWithError("the sound never reached the stream");
            return;
        }
        const std::optional<Clock::time_point> heard = output.pump().HeardAt(frame);
        const double onset = Ms(*heard - stroke);
        onsets.push_back(onset);
        handOvers.push_back(Ms(handOver->time - stroke));
        latencies.push_back(Ms(*heard - handOver->time));
        state.SetIterationTime(onset / 1000.0);
    }
    state.counters["onset_p50_ms"] = Percentile(onsets, 0.5);
    state.counters["onset_p99_ms"] = Percentile(onsets, 0.99);
    state.counters["onset_max_ms"] = Percentile(onsets, 1.0);
    state.counters["onsets_over_30ms"] = static_cast<double>(
        std::count_if(onsets.begin(), onsets.end(), [](double ms) { return ms > 30.0; }));
    state.counters["handover_p99_ms"] = Percentile(handOvers, 0.99);
    state.counters["stream_latency_p50_ms"] = Percentile(latencies, 0.5);
    state.counters["stream_latency_max_ms"] = Percentile(latencies, 1.0);
    state.counters["stream_start_ms"] = streamStartMs;
    state.counters["period_ms"] = output.pump().devicePeriodFrames() * 1000.0 / 44100.0;
}
BENCHMARK(BM_KeystrokeToSoundOnset)
    ->UseManualTime()
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
