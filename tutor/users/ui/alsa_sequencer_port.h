#pragma once

#include <string>
#include <vector>

#include "tutor/users/midi_port.h"

struct _snd_seq;

/// The metronome's MIDI output on the ALSA sequencer: a port of our own connected to the
/// synthesiser the device number means, events sent directly (not queued).
class AlsaSequencerPort final : public MidiPort {
  public:
    AlsaSequencerPort() = default;
    ~AlsaSequencerPort() override;
    AlsaSequencerPort(const AlsaSequencerPort&) = delete;
    AlsaSequencerPort& operator=(const AlsaSequencerPort&) = delete;

    bool Open(int device) override;
    void Send(const MidiMessage& message) override;
    void Reset() override;
    void Close() override;

    /// The name of the connected port, empty when closed.
    const std::string& portName() const { return portName_; }

  private:
    std::vector<MidiPortInfo> ListPorts() const;

    _snd_seq* seq_ = nullptr;
    int ownPort_ = -1;
    std::string portName_;
};
