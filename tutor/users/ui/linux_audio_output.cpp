#include "tutor/users/ui/linux_audio_output.h"

#include <memory>

#include "tutor/users/ui/alsa_pcm_sink.h"

LinuxAudioOutput::LinuxAudioOutput(const std::string& pcmDevice)
    : output_(mixer_, &midi_), pump_(mixer_, std::make_unique<AlsaPcmSink>(pcmDevice)) {}

LinuxAudioOutput::~LinuxAudioOutput() {
    output_.Shutdown();
    pump_.Stop();
}
