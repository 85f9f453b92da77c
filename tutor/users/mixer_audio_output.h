#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "tutor/users/audio_output.h"
#include "tutor/users/sound_mixer.h"

class MidiPort;

/// The tutor's sound devices on one software mixer: WAV files are decoded once and kept,
/// speaker tones are synthesised, and the metronome goes to a MIDI port or, where there is
/// none, to a synthesised click in the mix.
///
/// Every call may come from any thread (the sound worker, the metronome worker, the window's
/// thread); they reach the mixer through its request queue. Waits last as long as the sound
/// on the stream's clock; should the stream stall, a wait gives up after the sound's length
/// and waitSlack, so a caller is never held for good.
class MixerAudioOutput final : public AudioOutput {
  public:
    static constexpr std::chrono::milliseconds kDefaultWaitSlack{250};

    /// mixer and midi (nullptr: no MIDI at all) must outlive the object.
    MixerAudioOutput(SoundMixer& mixer, MidiPort* midi,
                     std::chrono::milliseconds waitSlack = kDefaultWaitSlack);
    ~MixerAudioOutput() override;

    void PlayWav(const std::string& path, bool wait) override;
    void StopWav() override;
    void Tone(int frequencyHz, int durationMs) override;
    void Pause(int durationMs) override;

    /// Opens the MIDI port the device number means, else the synthesised click; so it always
    /// succeeds.
    bool MidiOpen(int device) override;
    void MidiReset() override;
    /// Decoded and sent to the port; without one, a note-on sounds a click whose pitch follows
    /// the note (two octaves up, where a click is heard best) and whose level follows the
    /// velocity.
    void MidiShortMessage(std::uint32_t message) override;
    void MidiClose() override;
    void Shutdown() override;

    /// True when the open MIDI output is the port, false when it is the click.
    bool midiOnPort() const;
    /// How many WAV files have been read (for tests of the cache).
    int wavFilesRead() const;

    /// The pitch of the click for a MIDI note.
    static int ClickFrequencyHz(int note);

  private:
    enum class MidiOutput { Closed, Port, Click };

    /// The decoded sound of a file, read at its first use; nullptr when it cannot be played.
    SoundMixer::Samples Sound(const std::string& path);
    void WaitFor(const SoundMixer::VoiceHandle& voice);

    SoundMixer& mixer_;
    MidiPort* midi_;
    const std::chrono::milliseconds waitSlack_;

    mutable std::mutex wavMutex_;
    std::map<std::string, SoundMixer::Samples> wavs_;
    int wavFilesRead_ = 0;

    mutable std::mutex midiMutex_;
    MidiOutput midiOutput_ = MidiOutput::Closed;
};
