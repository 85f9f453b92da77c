#pragma once

#include <cstdint>
#include <string>

#include "tutor/users/audio_output.h"
#include "tutor/users/audio_pump.h"
#include "tutor/users/mixer_audio_output.h"
#include "tutor/users/sound_mixer.h"
#include "tutor/users/ui/alsa_sequencer_port.h"

/// The tutor's sound on Linux: one persistent ALSA stream opened at start on the pump's own
/// thread, the mixer under it, and the metronome on the ALSA sequencer's first synthesiser
/// (or a click in the mix). The program creates one and hands it to its sound routines; every
/// call may come from any thread and none touches a Qt object.
class LinuxAudioOutput final : public AudioOutput {
  public:
    /// pcmDevice: the ALSA PCM to play on; a device that does not open means silence.
    explicit LinuxAudioOutput(const std::string& pcmDevice = "default");
    /// Ends every wait and stops the stream at once, whatever is playing.
    ~LinuxAudioOutput() override;

    void PlayWav(const std::string& path, bool wait) override { output_.PlayWav(path, wait); }
    void StopWav() override { output_.StopWav(); }
    void Tone(int frequencyHz, int durationMs) override { output_.Tone(frequencyHz, durationMs); }
    void Pause(int durationMs) override { output_.Pause(durationMs); }
    bool MidiOpen(int device) override { return output_.MidiOpen(device); }
    void MidiReset() override { output_.MidiReset(); }
    void MidiShortMessage(std::uint32_t message) override { output_.MidiShortMessage(message); }
    void MidiClose() override { output_.MidiClose(); }
    void Shutdown() override { output_.Shutdown(); }

    // For measuring and testing.
    SoundMixer& mixer() { return mixer_; }
    const AudioPump& pump() const { return pump_; }
    const MixerAudioOutput& output() const { return output_; }

  private:
    SoundMixer mixer_;
    AlsaSequencerPort midi_;
    MixerAudioOutput output_;
    /// Last: its thread starts when everything it uses exists, and stops first.
    AudioPump pump_;
};
