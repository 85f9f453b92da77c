#include "tutor/users/sound_mixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kClickMs = 40;
constexpr double kClickDecayMs = 8.0;
constexpr double kClickAttackMs = 0.5;
constexpr double kClickPeak = 0.5;

}  // namespace

SoundMixer::SoundMixer(int sampleRate)
    : sampleRate_(sampleRate > 0 ? sampleRate : kDefaultSampleRate),
      fadeFrames_(std::max<std::int64_t>(1, std::int64_t{sampleRate_} * kFadeMs / 1000)),
      releaseStep_(1.0 / (sampleRate_ * kReleaseMs / 1000.0)) {}

std::int64_t SoundMixer::FramesOf(int durationMs) const {
    if (durationMs <= 0) {
        return 0;
    }
    return (std::int64_t{durationMs} * sampleRate_ + 500) / 1000;
}

SoundMixer::VoiceHandle SoundMixer::Enqueue(Request request) {
    std::lock_guard lock(mutex_);
    if (shutDown_.load() || request.voice->frames() == 0) {
        request.voice->ended_.store(true, std::memory_order_release);
        return request.voice;
    }
    VoiceHandle handle = request.voice;
    queue_.push_back(std::move(request));
    changed_.notify_all();
    return handle;
}

SoundMixer::VoiceHandle SoundMixer::PlayWav(Samples samples) {
    Request request;
    request.kind = Kind::Wav;
    const auto frames = samples ? static_cast<std::int64_t>(samples->size()) : 0;
    request.voice = std::shared_ptr<Voice>(new Voice(frames));
    request.samples = std::move(samples);
    return Enqueue(std::move(request));
}

void SoundMixer::StopWavs() {
    std::lock_guard lock(mutex_);
    if (shutDown_.load()) {
        return;
    }
    Request request;
    request.stopWavs = true;
    queue_.push_back(std::move(request));
    changed_.notify_all();
}

SoundMixer::VoiceHandle SoundMixer::PlayTone(int frequencyHz, int durationMs) {
    Request request;
    request.kind = Kind::Tone;
    request.voice = std::shared_ptr<Voice>(new Voice(FramesOf(durationMs)));
    request.frequencyHz = std::clamp(frequencyHz, 0, sampleRate_ / 2);
    request.level = kToneLevel;
    return Enqueue(std::move(request));
}

SoundMixer::VoiceHandle SoundMixer::PlayClick(int frequencyHz, double level) {
    Request request;
    request.kind = Kind::Click;
    request.voice = std::shared_ptr<Voice>(new Voice(FramesOf(kClickMs)));
    request.frequencyHz = std::clamp(frequencyHz, 0, sampleRate_ / 2);
    request.level = std::clamp(level, 0.0, 1.0) * kClickPeak;
    return Enqueue(std::move(request));
}

SoundMixer::VoiceHandle SoundMixer::PlaySilence(int durationMs) {
    Request request;
    request.kind = Kind::Silence;
    request.voice = std::shared_ptr<Voice>(new Voice(FramesOf(durationMs)));
    return Enqueue(std::move(request));
}

bool SoundMixer::Wait(const VoiceHandle& voice, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    ++waiting_;
    changed_.notify_all();
    const bool ended = changed_.wait_for(lock, timeout, [&] {
        return voice->ended() || shutDown_.load();
    }) && voice->ended();
    --waiting_;
    return ended;
}

void SoundMixer::Shutdown() {
    std::lock_guard lock(mutex_);
    shutDown_.store(true);
    queue_.clear();
    changed_.notify_all();
}

int SoundMixer::waitingCallers() const {
    std::lock_guard lock(mutex_);
    return waiting_;
}

bool SoundMixer::Busy() const {
    if (!playing_.empty()) {
        return true;
    }
    std::lock_guard lock(mutex_);
    return !queue_.empty();
}

void SoundMixer::WaitForRequest(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] { return !queue_.empty() || shutDown_.load(); });
}

double SoundMixer::VoiceSample(Playing& playing) const {
    const Request& request = playing.request;
    const std::int64_t length = request.voice->frames();
    const std::int64_t at = playing.position;
    switch (request.kind) {
        case Kind::Wav:
            return (*request.samples)[static_cast<std::size_t>(at)] / 32768.0;
        case Kind::Tone: {
            const std::int64_t ramp =
                std::max<std::int64_t>(1, std::min(FramesOf(kToneRampMs), length / 3));
            const std::int64_t edge = std::min(at, length - 1 - at);
            const double envelope = edge >= ramp ? 1.0 : static_cast<double>(edge) / ramp;
            const double value = std::sin(playing.phase) * request.level * envelope;
            playing.phase += 2 * std::numbers::pi * request.frequencyHz / sampleRate_;
            if (playing.phase > 2 * std::numbers::pi) {
                playing.phase -= 2 * std::numbers::pi;
            }
            return value;
        }
        case Kind::Click: {
            const double ms = at * 1000.0 / sampleRate_;
            const double attack = std::min(1.0, ms / kClickAttackMs);
            // The tail is faded to zero over the last frames, so the click ends silently.
            const double tail = std::min(1.0, static_cast<double>(length - at) / fadeFrames_);
            const double envelope = attack * std::exp(-ms / kClickDecayMs) * tail;
            const double value = std::sin(playing.phase) * request.level * envelope;
            playing.phase += 2 * std::numbers::pi * request.frequencyHz / sampleRate_;
            return value;
        }
        case Kind::Silence:
            return 0.0;
    }
    return 0.0;
}

bool SoundMixer::MixVoice(Playing& playing, std::size_t frames) {
    Voice& voice = *playing.request.voice;
    if (playing.position == 0) {
        voice.startFrame_.store(renderedFrames_.load(), std::memory_order_release);
        if (playing.request.kind != Kind::Silence) {
            lastOnsetFrame_.store(renderedFrames_.load());
        }
    }
    const std::int64_t length = voice.frames();
    for (std::size_t i = 0; i < frames; ++i) {
        if (playing.position >= length || playing.fadeLeft == 0) {
            return false;
        }
        double value = VoiceSample(playing);
        if (playing.fadeLeft > 0) {
            value *= static_cast<double>(playing.fadeLeft) / static_cast<double>(fadeFrames_ + 1);
            --playing.fadeLeft;
        }
        mix_[i] += static_cast<float>(value);
        ++playing.position;
    }
    return playing.position < length && playing.fadeLeft != 0;
}

void SoundMixer::Render(std::int16_t* out, std::size_t frames) {
    {
        std::lock_guard lock(mutex_);
        taken_.swap(queue_);
    }
    for (Request& request : taken_) {
        if (request.stopWavs) {
            for (Playing& playing : playing_) {
                if (playing.request.kind == Kind::Wav && playing.fadeLeft < 0) {
                    playing.fadeLeft = fadeFrames_;
                }
            }
        } else {
            playing_.push_back(Playing{std::move(request)});
        }
    }
    taken_.clear();

    mix_.assign(frames, 0.0f);
    bool anyEnded = false;
    for (auto it = playing_.begin(); it != playing_.end();) {
        if (MixVoice(*it, frames)) {
            ++it;
        } else {
            it->request.voice->ended_.store(true, std::memory_order_release);
            anyEnded = true;
            it = playing_.erase(it);
        }
    }

    // One gain for the block, low enough for its loudest frame: the waves keep their shape
    // (a gain that follows each frame would flatten their crests like clipping does), and the
    // gain creeps back up only as far as the block allows.
    const double limit = kLimit * 32767.0;
    float peak = 0.0f;
    for (float value : mix_) {
        peak = std::max(peak, std::abs(value));
    }
    const double need = peak * 32768.0 > limit ? limit / (peak * 32768.0) : 1.0;
    gain_ = std::min(gain_, need);
    for (std::size_t i = 0; i < frames; ++i) {
        out[i] = static_cast<std::int16_t>(std::lround(mix_[i] * 32768.0 * gain_));
        gain_ = std::min(need, gain_ + releaseStep_);
    }
    renderedFrames_.fetch_add(static_cast<std::int64_t>(frames));

    if (anyEnded) {
        // The lock orders the store of ended_ before a waiter's look at it.
        std::lock_guard lock(mutex_);
        changed_.notify_all();
    }
}
