#pragma once

#include <string>

/// One step of a stroke sound: stop the WAV playing, play a WAV file (waiting for its end or
/// not), a speaker tone, or a pause.
struct SoundStep {
    enum class Kind { StopWav, PlayWav, Tone, Pause };

    Kind kind = Kind::Pause;
    /// The WAV file name inside the sounds folder.
    std::string file;
    bool wait = false;
    int frequencyHz = 0;
    int durationMs = 0;

    static SoundStep Stop() { return {Kind::StopWav, {}, false, 0, 0}; }
    static SoundStep Wav(std::string file, bool wait) {
        return {Kind::PlayWav, std::move(file), wait, 0, 0};
    }
    static SoundStep Beep(int frequencyHz, int durationMs) {
        return {Kind::Tone, {}, false, frequencyHz, durationMs};
    }
    static SoundStep Silence(int durationMs) { return {Kind::Pause, {}, false, 0, durationMs}; }

    bool operator==(const SoundStep&) const = default;
};
