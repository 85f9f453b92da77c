#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

/// The tutor's small software mixer: WAV sounds, synthesised tones and clicks, and timed
/// silences, mixed into one 16-bit mono stream.
///
/// Any thread may ask for a sound; the request goes into a queue under a short lock and is
/// taken up by the pump, the thread that calls Render for the output stream (or a test that
/// drives it). Nothing but Render advances the mixer's time: a sound has ended when Render has
/// handed over its last frame, so the waits of callers follow the stream's own clock.
///
/// The mix never clips: when the sum of the voices would pass kLimit, the block is turned down
/// as a whole, and the gain recovers over kReleaseMs.
class SoundMixer {
  public:
    static constexpr int kDefaultSampleRate = 44100;
    /// A stopped WAV fades out over this long instead of being cut, which would click.
    static constexpr int kFadeMs = 5;
    /// Tones rise and fall over this long (or a third of a short tone).
    static constexpr int kToneRampMs = 2;
    /// Tones play at -12 dBFS, like the delivered WAVs.
    static constexpr double kToneLevel = 0.25;
    /// The highest sample value the limiter lets through, as a fraction of full scale.
    static constexpr double kLimit = 0.95;
    static constexpr int kReleaseMs = 50;

    /// What a caller holds of a sound it asked for.
    class Voice {
      public:
        /// True once the sound has been rendered to its end (or faded out after a stop).
        bool ended() const { return ended_.load(std::memory_order_acquire); }
        /// The mixer frame of its first sample, -1 until it has started.
        std::int64_t startFrame() const { return startFrame_.load(std::memory_order_acquire); }
        /// Its length in frames.
        std::int64_t frames() const { return frames_; }

      private:
        friend class SoundMixer;
        explicit Voice(std::int64_t frames) : frames_(frames) {}
        std::int64_t frames_;
        std::atomic<bool> ended_{false};
        std::atomic<std::int64_t> startFrame_{-1};
    };
    using VoiceHandle = std::shared_ptr<const Voice>;
    using Samples = std::shared_ptr<const std::vector<std::int16_t>>;

    explicit SoundMixer(int sampleRate = kDefaultSampleRate);
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;

    int sampleRate() const { return sampleRate_; }
    /// Frames in durationMs (rounded to the nearest frame, never negative).
    std::int64_t FramesOf(int durationMs) const;

    // Requests, from any thread. They never wait for the pump. After Shutdown they start
    // nothing and return voices that have already ended.

    /// Plays decoded samples at the mixer's rate.
    VoiceHandle PlayWav(Samples samples);
    /// Fades out every WAV asked for before this call.
    void StopWavs();
    /// A sine tone with soft edges.
    VoiceHandle PlayTone(int frequencyHz, int durationMs);
    /// A short percussive click (a decaying sine), for the metronome without a synthesiser;
    /// level 0 to 1.
    VoiceHandle PlayClick(int frequencyHz, double level);
    /// Plays nothing for durationMs: a pause that passes on the stream's clock.
    VoiceHandle PlaySilence(int durationMs);

    /// Waits until the voice has ended, Shutdown is called or timeout has passed; true when
    /// the voice ended.
    bool Wait(const VoiceHandle& voice, std::chrono::milliseconds timeout);
    /// Ends every wait at once and turns later requests into nothing (closing the program
    /// never waits for a sound).
    void Shutdown();
    bool shutDown() const { return shutDown_.load(); }
    /// How many callers are inside Wait now (lets tests act while a caller waits).
    int waitingCallers() const;

    // The pump's side: one thread at a time.

    /// Mixes the next frames into out (16-bit mono) and advances the mixer's time.
    void Render(std::int16_t* out, std::size_t frames);
    /// True while a voice plays or a request waits to be taken up.
    bool Busy() const;
    /// Blocks until there is a request, Shutdown, or the time-out; lets an idle pump sleep.
    void WaitForRequest(std::chrono::milliseconds timeout);
    /// Frames rendered since the start.
    std::int64_t renderedFrames() const { return renderedFrames_.load(); }
    /// The frame where the latest sound (not a silence) began, -1 before the first: lets a
    /// measurement find the onset of a sound asked for by code it does not hold.
    std::int64_t lastOnsetFrame() const { return lastOnsetFrame_.load(); }

  private:
    enum class Kind { Wav, Tone, Click, Silence };
    struct Request {
        bool stopWavs = false;
        Kind kind = Kind::Silence;
        std::shared_ptr<Voice> voice;
        Samples samples;
        double frequencyHz = 0;
        double level = 0;
    };
    struct Playing {
        Request request;
        std::int64_t position = 0;
        double phase = 0;
        /// Frames left of a fade-out, -1 while none runs.
        std::int64_t fadeLeft = -1;
    };

    VoiceHandle Enqueue(Request request);
    /// Adds the voice to the mix; false once it has ended.
    bool MixVoice(Playing& playing, std::size_t frames);
    double VoiceSample(Playing& playing) const;

    const int sampleRate_;
    const std::int64_t fadeFrames_;
    const double releaseStep_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Request> queue_;
    int waiting_ = 0;
    std::atomic<bool> shutDown_{false};

    // The pump's own state.
    std::vector<Request> taken_;
    std::vector<Playing> playing_;
    std::vector<float> mix_;
    double gain_ = 1.0;
    std::atomic<std::int64_t> renderedFrames_{0};
    std::atomic<std::int64_t> lastOnsetFrame_{-1};
};
