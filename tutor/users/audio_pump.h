#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class PcmSink;
class SoundMixer;

/// The thread of the one persistent output stream: it opens the device, then hands the mixer's
/// frames over a period at a time, rendering each period just before it fits into the device's
/// buffer so that a request waits at most one period. Without a device (none at start, or lost
/// while playing) it renders the same frames on the steady clock and drops them: the program
/// is silent, says nothing, and every wait lasts as long as with sound. An idle pump without a
/// device sleeps until the next request.
class AudioPump {
  public:
    /// The period rendered at a time when there is no device (5.8 ms at 44.1 kHz).
    static constexpr int kSilentPeriodFrames = 256;

    /// When a rendered block was handed over: its first mixer frame, the steady time of the
    /// hand-over and the stream's latency at that moment.
    struct HandOver {
        std::int64_t firstFrame = -1;
        int frames = 0;
        std::chrono::steady_clock::time_point time;
        std::int64_t delayFrames = 0;
    };

    /// Starts the thread; sink may be nullptr (no device). mixer must outlive the pump.
    AudioPump(SoundMixer& mixer, std::unique_ptr<PcmSink> sink);
    /// Stops the thread without waiting for any sound.
    ~AudioPump();
    AudioPump(const AudioPump&) = delete;
    AudioPump& operator=(const AudioPump&) = delete;

    void Stop();
    /// True while the device plays; false before it has opened and without one.
    bool onDevice() const { return onDevice_.load(); }
    /// The period in frames of the device, 0 before it has opened.
    int devicePeriodFrames() const { return devicePeriod_.load(); }

    /// When the frame of the mixer will be heard: the hand-over of its block plus the
    /// stream's latency then. Nothing when the block is not among the last ones handed over.
    std::optional<std::chrono::steady_clock::time_point> HeardAt(std::int64_t frame) const;
    /// The hand-over of the block that held the frame, if it is among the last ones.
    std::optional<HandOver> HandOverOf(std::int64_t frame) const;

  private:
    void Run();
    void RunOnDevice();
    void RunSilently();
    void Record(const HandOver& handOver);

    SoundMixer& mixer_;
    std::unique_ptr<PcmSink> sink_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> onDevice_{false};
    std::atomic<int> devicePeriod_{0};

    mutable std::mutex handOverMutex_;
    // The last hand-overs: with the smallest device periods about three seconds, so a reader
    // who asks late, on a busy machine, still finds the frame it waited for.
    std::array<HandOver, 1024> handOvers_{};
    std::size_t nextHandOver_ = 0;

    std::thread thread_;
};
