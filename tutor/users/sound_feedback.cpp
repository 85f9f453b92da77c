#include "tutor/users/sound_feedback.h"

#include "tutor/users/audio_output.h"
#include "tutor/users/tutor_settings.h"

namespace {

std::string WavName(const char* stem, int soundType) {
    return std::string(stem) + std::to_string(soundType + 1) + ".wav";
}

}  // namespace

SoundFeedback::SoundFeedback(AudioOutput& output, std::string soundsFolder)
    : output_(output), soundsFolder_(std::move(soundsFolder)) {}

std::vector<SoundStep> SoundFeedback::correctSoundSteps(int soundType) {
    if (soundType >= 0 && soundType <= 3) {
        // The correct-stroke WAV plays in the background and is cut off by the next sound, so
        // a fast typist is never held up.
        return {SoundStep::Stop(), SoundStep::Wav(WavName("good", soundType), false)};
    }
    if (soundType == 7) {
        return {SoundStep::Beep(500, 50)};
    }
    return {};
}

std::vector<SoundStep> SoundFeedback::errorSoundSteps(int soundType) {
    switch (soundType) {
        case 0:
        case 1:
        case 2:
        case 3:
            return {SoundStep::Stop(), SoundStep::Wav(WavName("bad", soundType), true)};
        case 4:
            return {SoundStep::Beep(300, 20), SoundStep::Beep(1000, 40)};
        case 5: {
            std::vector<SoundStep> steps;
            for (int i = 0; i < 3; ++i) {
                steps.push_back(SoundStep::Beep(300, 20));
                steps.push_back(SoundStep::Beep(1000, 40));
            }
            return steps;
        }
        case 6:
            return {SoundStep::Beep(3000, 200), SoundStep::Beep(1000, 40)};
        case 7:
            return {SoundStep::Beep(3000, 200), SoundStep::Silence(100), SoundStep::Beep(3000, 200),
                    SoundStep::Silence(100), SoundStep::Beep(3000, 200)};
        default:
            return {};
    }
}

std::vector<SoundStep> SoundFeedback::testSequenceSteps(int soundType) {
    const std::vector<SoundStep> correct = correctSoundSteps(soundType);
    const std::vector<SoundStep> error = errorSoundSteps(soundType);
    std::vector<SoundStep> steps;
    const std::vector<SoundStep>* order[] = {&correct, &correct, &error, &correct, &correct};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        if (i > 0) {
            steps.push_back(SoundStep::Silence(300));
        }
        steps.insert(steps.end(), order[i]->begin(), order[i]->end());
    }
    return steps;
}

void SoundFeedback::play(const std::vector<SoundStep>& steps) {
    for (const SoundStep& step : steps) {
        switch (step.kind) {
            case SoundStep::Kind::StopWav:
                output_.StopWav();
                break;
            case SoundStep::Kind::PlayWav:
                output_.PlayWav(soundsFolder_ + step.file, step.wait);
                break;
            case SoundStep::Kind::Tone:
                output_.Tone(step.frequencyHz, step.durationMs);
                break;
            case SoundStep::Kind::Pause:
                output_.Pause(step.durationMs);
                break;
        }
    }
}

void SoundFeedback::playCorrectSound(int soundType) {
    play(correctSoundSteps(soundType));
}

void SoundFeedback::playErrorSound(int soundType) {
    play(errorSoundSteps(soundType));
}

void SoundFeedback::playTestSequence(int soundType) {
    play(testSequenceSteps(soundType));
}

std::uint32_t SoundFeedback::programChangeMessage(const TutorSettings& settings) {
    return packShortMessage(
        static_cast<std::uint8_t>(kProgramChange | (settings.midiChannel & 0x0F)),
        static_cast<std::uint8_t>(settings.midiProgram & 0x7F), 0);
}

std::uint32_t SoundFeedback::noteOnMessage(const TutorSettings& settings) {
    return packShortMessage(static_cast<std::uint8_t>(kNoteOn | (settings.midiChannel & 0x0F)),
                            static_cast<std::uint8_t>(settings.midiNote & 0x7F),
                            static_cast<std::uint8_t>(settings.midiVelocity & 0x7F));
}

void SoundFeedback::playMetronomeNote(const TutorSettings& settings) {
    if (midiOpen_ && midiDevice_ != settings.midiDevice) {
        closeMidi();
    }
    if (!midiOpen_) {
        if (!output_.MidiOpen(settings.midiDevice)) {
            return;
        }
        midiOpen_ = true;
        midiDevice_ = settings.midiDevice;
    }
    // The reset ends the previous beat's note; no note-off is sent.
    output_.MidiReset();
    output_.MidiShortMessage(programChangeMessage(settings));
    output_.MidiShortMessage(noteOnMessage(settings));
}

void SoundFeedback::closeMidi() {
    if (midiOpen_) {
        output_.MidiClose();
        midiOpen_ = false;
    }
}

void SoundFeedback::shutdown() {
    output_.Shutdown();
}
