#include "tutor/users/audio_pump.h"

#include "tutor/users/pcm_sink.h"
#include "tutor/users/sound_mixer.h"

namespace {

constexpr int kRoomTimeoutMs = 50;
constexpr std::chrono::milliseconds kIdleWait{200};

}  // namespace

AudioPump::AudioPump(SoundMixer& mixer, std::unique_ptr<PcmSink> sink)
    : mixer_(mixer), sink_(std::move(sink)), thread_([this] { Run(); }) {}

AudioPump::~AudioPump() {
    Stop();
}

void AudioPump::Stop() {
    stop_.store(true);
    // Wakes an idle silent pump at once.
    mixer_.Shutdown();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void AudioPump::Run() {
    if (sink_ && sink_->Open(mixer_.sampleRate())) {
        RunOnDevice();
        sink_->Close();
    }
    RunSilently();
}

void AudioPump::RunOnDevice() {
    const int period = sink_->periodFrames();
    if (period <= 0) {
        return;
    }
    devicePeriod_.store(period);
    onDevice_.store(true);
    std::vector<std::int16_t> block(static_cast<std::size_t>(period));
    while (!stop_.load()) {
        const PcmSink::Room room = sink_->WaitForRoom(kRoomTimeoutMs);
        if (room == PcmSink::Room::TimedOut) {
            continue;
        }
        if (room == PcmSink::Room::Lost) {
            break;
        }
        HandOver handOver;
        handOver.firstFrame = mixer_.renderedFrames();
        handOver.frames = period;
        mixer_.Render(block.data(), block.size());
        handOver.delayFrames = sink_->DelayFrames();
        handOver.time = std::chrono::steady_clock::now();
        if (!sink_->Write(block.data(), period)) {
            break;
        }
        Record(handOver);
    }
    onDevice_.store(false);
}

void AudioPump::RunSilently() {
    std::vector<std::int16_t> block(kSilentPeriodFrames);
    const auto period = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(static_cast<double>(kSilentPeriodFrames) /
                                      mixer_.sampleRate()));
    auto next = std::chrono::steady_clock::now();
    while (!stop_.load()) {
        if (!mixer_.Busy()) {
            mixer_.WaitForRequest(kIdleWait);
            next = std::chrono::steady_clock::now();
            continue;
        }
        // A block is rendered when its time has passed, so a sound ends for its waiting
        // caller no earlier than it would have been heard to end.
        next += period;
        std::this_thread::sleep_until(next);
        HandOver handOver;
        handOver.firstFrame = mixer_.renderedFrames();
        handOver.frames = kSilentPeriodFrames;
        mixer_.Render(block.data(), block.size());
        handOver.time = std::chrono::steady_clock::now();
        Record(handOver);
    }
}

void AudioPump::Record(const HandOver& handOver) {
    std::lock_guard lock(handOverMutex_);
    handOvers_[nextHandOver_] = handOver;
    nextHandOver_ = (nextHandOver_ + 1) % handOvers_.size();
}

std::optional<AudioPump::HandOver> AudioPump::HandOverOf(std::int64_t frame) const {
    std::lock_guard lock(handOverMutex_);
    for (const HandOver& handOver : handOvers_) {
        if (handOver.firstFrame >= 0 && frame >= handOver.firstFrame &&
            frame < handOver.firstFrame + handOver.frames) {
            return handOver;
        }
    }
    return std::nullopt;
}

std::optional<std::chrono::steady_clock::time_point> AudioPump::HeardAt(std::int64_t frame) const {
    const std::optional<HandOver> handOver = HandOverOf(frame);
    if (!handOver) {
        return std::nullopt;
    }
    const std::int64_t ahead = handOver->delayFrames + (frame - handOver->firstFrame);
    return handOver->time +
           std::chrono::duration_cast<std::chrono::steady_clock::duration>(
               std::chrono::duration<double>(static_cast<double>(ahead) / mixer_.sampleRate()));
}
