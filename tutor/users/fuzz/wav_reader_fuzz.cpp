// Feeds arbitrary bytes to the WAV reader: nothing may crash, a refused file leaves no samples,
// and a sound that was read stays within the length limit and plays through the mixer to its
// end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tutor/users/sound_mixer.h"
#include "tutor/users/wav_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto samples = std::make_shared<std::vector<std::int16_t>>();
    std::string why;
    if (!WavReader::Read(bytes, SoundMixer::kDefaultSampleRate, *samples, &why)) {
        if (!samples->empty() || why.empty()) {
            std::abort();
        }
        return 0;
    }
    if (samples->size() >
        std::size_t{WavReader::kMaxSeconds} * SoundMixer::kDefaultSampleRate + 1) {
        std::abort();
    }
    if (samples->size() > 44100) {
        return 0;  // long sounds are read; mixing them adds nothing but time
    }
    SoundMixer mixer;
    SoundMixer::VoiceHandle voice = mixer.PlayWav(samples);
    mixer.StopWavs();
    std::vector<std::int16_t> block(512);
    for (int i = 0; i < 4 && !voice->ended(); ++i) {
        mixer.Render(block.data(), block.size());
    }
    if (!voice->ended()) {
        std::abort();  // a stopped sound fades out within a few milliseconds
    }
    return 0;
}
