#pragma once

#include "tutor/users/midi_message.h"

/// A MIDI output of the system (the sequencer on Linux); tests record the calls.
class MidiPort {
  public:
    virtual ~MidiPort() = default;
    /// Connects to the port the device number means (ChooseMidiPort); false when there is
    /// none or the system has no MIDI.
    virtual bool Open(int device) = 0;
    /// Sends one message at once.
    virtual void Send(const MidiMessage& message) = 0;
    /// Ends every sounding note on every channel.
    virtual void Reset() = 0;
    virtual void Close() = 0;
};
