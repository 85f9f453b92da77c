#include "tutor/users/mixer_audio_output.h"

#include <cmath>
#include <optional>
#include <vector>

#include "tutor/users/midi_message.h"
#include "tutor/users/midi_port.h"
#include "tutor/users/wav_reader.h"

MixerAudioOutput::MixerAudioOutput(SoundMixer& mixer, MidiPort* midi,
                                   std::chrono::milliseconds waitSlack)
    : mixer_(mixer), midi_(midi), waitSlack_(waitSlack) {}

MixerAudioOutput::~MixerAudioOutput() {
    MidiClose();
}

SoundMixer::Samples MixerAudioOutput::Sound(const std::string& path) {
    std::lock_guard lock(wavMutex_);
    auto found = wavs_.find(path);
    if (found != wavs_.end()) {
        return found->second;
    }
    // A file that cannot be played is remembered as such too: the sounds folder does not
    // change while the program runs, and a stroke should not pay for reading it again.
    auto samples = std::make_shared<std::vector<std::int16_t>>();
    ++wavFilesRead_;
    SoundMixer::Samples sound;
    if (WavReader::ReadFile(path, mixer_.sampleRate(), *samples) && !samples->empty()) {
        sound = std::move(samples);
    }
    wavs_.emplace(path, sound);
    return sound;
}

void MixerAudioOutput::WaitFor(const SoundMixer::VoiceHandle& voice) {
    const auto length = std::chrono::milliseconds(voice->frames() * 1000 / mixer_.sampleRate());
    mixer_.Wait(voice, length + waitSlack_);
}

void MixerAudioOutput::PlayWav(const std::string& path, bool wait) {
    SoundMixer::Samples sound = Sound(path);
    if (!sound) {
        return;
    }
    SoundMixer::VoiceHandle voice = mixer_.PlayWav(std::move(sound));
    if (wait) {
        WaitFor(voice);
    }
}

void MixerAudioOutput::StopWav() {
    mixer_.StopWavs();
}

void MixerAudioOutput::Tone(int frequencyHz, int durationMs) {
    WaitFor(mixer_.PlayTone(frequencyHz, durationMs));
}

void MixerAudioOutput::Pause(int durationMs) {
    WaitFor(mixer_.PlaySilence(durationMs));
}

bool MixerAudioOutput::MidiOpen(int device) {
    std::lock_guard lock(midiMutex_);
    if (midiOutput_ == MidiOutput::Port) {
        midi_->Close();
    }
    midiOutput_ = midi_ != nullptr && midi_->Open(device) ? MidiOutput::Port : MidiOutput::Click;
    return true;
}

void MixerAudioOutput::MidiReset() {
    std::lock_guard lock(midiMutex_);
    if (midiOutput_ == MidiOutput::Port) {
        midi_->Reset();
    }
}

int MixerAudioOutput::ClickFrequencyHz(int note) {
    return static_cast<int>(std::lround(440.0 * 4 * std::pow(2.0, (note - 69) / 12.0)));
}

void MixerAudioOutput::MidiShortMessage(std::uint32_t message) {
    const std::optional<MidiMessage> decoded = MidiMessage::Decode(message);
    if (!decoded) {
        return;
    }
    std::lock_guard lock(midiMutex_);
    if (midiOutput_ == MidiOutput::Port) {
        midi_->Send(*decoded);
    } else if (midiOutput_ == MidiOutput::Click && decoded->kind == MidiMessage::Kind::NoteOn) {
        mixer_.PlayClick(ClickFrequencyHz(decoded->data1), decoded->data2 / 127.0);
    }
}

void MixerAudioOutput::MidiClose() {
    std::lock_guard lock(midiMutex_);
    if (midiOutput_ == MidiOutput::Port) {
        midi_->Close();
    }
    midiOutput_ = MidiOutput::Closed;
}

void MixerAudioOutput::Shutdown() {
    mixer_.Shutdown();
}

bool MixerAudioOutput::midiOnPort() const {
    std::lock_guard lock(midiMutex_);
    return midiOutput_ == MidiOutput::Port;
}

int MixerAudioOutput::wavFilesRead() const {
    std::lock_guard lock(wavMutex_);
    return wavFilesRead_;
}
