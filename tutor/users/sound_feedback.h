#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tutor/users/sound_step.h"

class AudioOutput;
struct TutorSettings;

/// The audible side of practice: the correct-stroke and error sounds of every sound type, the
/// metronome beat on MIDI, and the sound test of the settings. One object for the whole
/// program holds the MIDI output between beats.
class SoundFeedback {
  public:
    static constexpr int kSilence = 8;
    static constexpr std::uint8_t kProgramChange = 0xC0;
    static constexpr std::uint8_t kNoteOn = 0x90;

    /// soundsFolder ends with "/" (or is empty); the output must outlive the object.
    SoundFeedback(AudioOutput& output, std::string soundsFolder);

    /// What a correct stroke plays for a sound type; types outside 0-8 play nothing.
    static std::vector<SoundStep> correctSoundSteps(int soundType);
    /// What an error plays for a sound type.
    static std::vector<SoundStep> errorSoundSteps(int soundType);
    /// The settings' sound test: two correct strokes, an error, two correct strokes, 300 ms
    /// apart.
    static std::vector<SoundStep> testSequenceSteps(int soundType);

    void playCorrectSound(int soundType);
    void playErrorSound(int soundType);
    void playTestSequence(int soundType);
    void play(const std::vector<SoundStep>& steps);

    /// One metronome beat: (re)opens the output when needed, ends the previous note and
    /// sounds the settings' program and note. An output that cannot be opened stays silent and
    /// is tried again at the next beat.
    void playMetronomeNote(const TutorSettings& settings);
    /// Closes the MIDI output (at the end of the program).
    void closeMidi();
    /// Ends the waits of every sound that is playing, and nothing plays any more (at the end
    /// of the program, so that closing never waits for a sound).
    void shutdown();

    bool midiOpen() const { return midiOpen_; }
    int midiOpenDevice() const { return midiDevice_; }

    /// Status in the low byte, the first data byte in the second, the second in the third.
    static constexpr std::uint32_t packShortMessage(std::uint8_t status, std::uint8_t data1,
                                                    std::uint8_t data2) {
        return std::uint32_t{status} | (std::uint32_t{data1} << 8) | (std::uint32_t{data2} << 16);
    }
    /// The program change and note-on of a beat for the settings' MIDI fields. The channel is
    /// taken modulo 16 and the data bytes to their seven bits, so a stray value cannot turn a
    /// data byte into a status byte.
    static std::uint32_t programChangeMessage(const TutorSettings& settings);
    static std::uint32_t noteOnMessage(const TutorSettings& settings);

  private:
    AudioOutput& output_;
    std::string soundsFolder_;
    bool midiOpen_ = false;
    int midiDevice_ = -1;
};

/// Milliseconds between two metronome beats: one beat per expected stroke; a rate below 1
/// counts as 1.
constexpr int MetronomeIntervalMs(int strokesPerMinute) {
    return 60000 / (strokesPerMinute < 1 ? 1 : strokesPerMinute);
}
