#pragma once

#include <cstdint>
#include <string>

/// The sound devices of the tutor as its sound routines use them: WAV files, the speaker and a
/// MIDI output. The program implements it on the platform's audio; tests record the calls.
class AudioOutput {
  public:
    virtual ~AudioOutput() = default;

    /// Plays a WAV file; with wait the call returns when it has ended, otherwise at once. A
    /// missing file plays nothing.
    virtual void PlayWav(const std::string& path, bool wait) = 0;
    /// Cuts off the WAV that is playing, if any.
    virtual void StopWav() = 0;
    /// A tone on the speaker; returns when it has ended.
    virtual void Tone(int frequencyHz, int durationMs) = 0;
    /// Silence between two tones; returns when it has passed.
    virtual void Pause(int durationMs) = 0;

    /// Opens MIDI output device (-1 = the system's default output); false when it cannot.
    virtual bool MidiOpen(int device) = 0;
    /// Ends every sounding note of the open output.
    virtual void MidiReset() = 0;
    /// Sends a packed short message: status in the low byte, then the two data bytes.
    virtual void MidiShortMessage(std::uint32_t message) = 0;
    virtual void MidiClose() = 0;

    /// Ends the waits of every caller at once and plays nothing more: closing the program
    /// never waits for a sound. The program's own output needs it; a recorder need not care.
    virtual void Shutdown() {}
};
