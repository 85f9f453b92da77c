#pragma once

#include <string>

#include "tutor/users/pcm_sink.h"

struct _snd_pcm;

/// The ALSA playback device under the audio pump: 16-bit mono (stereo when the device takes no
/// mono) with a buffer of at most kMaxBufferMs, so a sound is heard soon after it is handed
/// over.
class AlsaPcmSink final : public PcmSink {
  public:
    static constexpr int kMaxBufferMs = 20;

    /// device: an ALSA PCM name ("default" is the desktop's sound server or the first card).
    explicit AlsaPcmSink(std::string device = "default");
    ~AlsaPcmSink() override;
    AlsaPcmSink(const AlsaPcmSink&) = delete;
    AlsaPcmSink& operator=(const AlsaPcmSink&) = delete;

    bool Open(int sampleRate) override;
    int periodFrames() const override { return periodFrames_; }
    Room WaitForRoom(int timeoutMs) override;
    std::int64_t DelayFrames() override;
    bool Write(const std::int16_t* samples, int frames) override;
    void Close() override;

    int bufferFrames() const { return bufferFrames_; }

    /// ALSA prints its complaints to stderr; a machine without sound must stay quiet. Once for
    /// the process, before the first ALSA call of any thread.
    static void SilenceAlsaMessages();

  private:
    bool Recover(long error);

    std::string device_;
    _snd_pcm* pcm_ = nullptr;
    int channels_ = 1;
    int periodFrames_ = 0;
    int bufferFrames_ = 0;
    std::string stereo_;
};
