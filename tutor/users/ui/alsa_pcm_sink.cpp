#include "tutor/users/ui/alsa_pcm_sink.h"

#include <alsa/asoundlib.h>

#include <cerrno>
#include <mutex>

namespace {

void Quiet(const char*, int, const char*, int, const char*, ...) {}

// A hand-over that finds no room even after this long drops the rest of its block rather than
// hold the pump (and so the program's closing) on a device that has stopped.
constexpr int kWriteWaitMs = 50;

}  // namespace

void AlsaPcmSink::SilenceAlsaMessages() {
    static std::once_flag once;
    std::call_once(once, [] { snd_lib_error_set_handler(&Quiet); });
}

AlsaPcmSink::AlsaPcmSink(std::string device) : device_(std::move(device)) {}

AlsaPcmSink::~AlsaPcmSink() {
    Close();
}

bool AlsaPcmSink::Open(int sampleRate) {
    SilenceAlsaMessages();
    // Opened without blocking: a blocking open of a busy card waits until it is free, and the
    // pump's thread must always be able to end. Writes then block again, but only ever for a
    // period that has room.
    const int opened =
        snd_pcm_open(&pcm_, device_.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    // Opening parses the library's whole configuration (every file of alsa.conf.d) and keeps
    // the tree for later opens, some hundred kilobytes held for good. The open device needs
    // it no more, a later open parses it again, and an open on another thread (the MIDI
    // port) holds its own reference to the tree, so it is freed at once.
    snd_config_update_free_global();
    if (opened < 0) {
        pcm_ = nullptr;
        return false;
    }
    snd_pcm_nonblock(pcm_, 0);
    // The period is a quarter of the buffer, so a request waits at most about 5 ms for its
    // block and is heard at most kMaxBufferMs after that.
    const unsigned latencyUs = kMaxBufferMs * 1000;
    bool ready = false;
    for (int channels : {1, 2}) {
        if (snd_pcm_set_params(pcm_, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                               static_cast<unsigned>(channels), static_cast<unsigned>(sampleRate),
                               1, latencyUs) == 0) {
            channels_ = channels;
            ready = true;
            break;
        }
    }
    snd_pcm_uframes_t buffer = 0;
    snd_pcm_uframes_t period = 0;
    if (!ready || snd_pcm_get_params(pcm_, &buffer, &period) < 0 || period == 0) {
        Close();
        return false;
    }
    bufferFrames_ = static_cast<int>(buffer);
    periodFrames_ = static_cast<int>(period);
    stereo_.assign(static_cast<std::size_t>(periodFrames_) * 4, '\0');
    return true;
}

bool AlsaPcmSink::Recover(long error) {
    return snd_pcm_recover(pcm_, static_cast<int>(error), 1) == 0;
}

PcmSink::Room AlsaPcmSink::WaitForRoom(int timeoutMs) {
    if (pcm_ == nullptr) {
        return Room::Lost;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        snd_pcm_sframes_t avail = snd_pcm_avail_update(pcm_);
        if (avail < 0) {
            if (!Recover(avail)) {
                return Room::Lost;
            }
            continue;
        }
        if (avail >= periodFrames_) {
            return Room::Ready;
        }
        // A buffer that is not a whole number of periods can stay just short of the start
        // threshold; once no further period fits, the stream must run.
        if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED) {
            snd_pcm_start(pcm_);
        }
        // Before the stream has started (the buffer is not yet full) room is there at once;
        // once it runs, the wait ends when the device has played a period.
        const int waited = snd_pcm_wait(pcm_, timeoutMs);
        if (waited == 0) {
            return Room::TimedOut;
        }
        if (waited < 0 && !Recover(waited)) {
            return Room::Lost;
        }
    }
    return Room::TimedOut;
}

std::int64_t AlsaPcmSink::DelayFrames() {
    snd_pcm_sframes_t delay = 0;
    if (pcm_ == nullptr || snd_pcm_delay(pcm_, &delay) < 0 || delay < 0) {
        return 0;
    }
    return delay;
}

bool AlsaPcmSink::Write(const std::int16_t* samples, int frames) {
    if (pcm_ == nullptr) {
        return false;
    }
    const void* data = samples;
    if (channels_ == 2) {
        if (stereo_.size() < static_cast<std::size_t>(frames) * 4) {
            stereo_.resize(static_cast<std::size_t>(frames) * 4);
        }
        auto* both = reinterpret_cast<std::int16_t*>(stereo_.data());
        for (int i = 0; i < frames; ++i) {
            both[2 * i] = samples[i];
            both[2 * i + 1] = samples[i];
        }
        data = both;
    }
    int left = frames;
    const auto* bytes = static_cast<const char*>(data);
    for (int attempt = 0; left > 0 && attempt < 16; ++attempt) {
        const snd_pcm_sframes_t written =
            snd_pcm_writei(pcm_, bytes, static_cast<snd_pcm_uframes_t>(left));
        if (written == -EAGAIN) {
            if (snd_pcm_wait(pcm_, kWriteWaitMs) == 0) {
                break;
            }
            continue;
        }
        if (written < 0) {
            if (!Recover(written)) {
                return false;
            }
            continue;
        }
        left -= static_cast<int>(written);
        bytes += written * 2 * channels_;
    }
    return true;
}

void AlsaPcmSink::Close() {
    if (pcm_ != nullptr) {
        snd_pcm_drop(pcm_);
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
    }
}
