#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// One channel message of a packed MIDI short message, as the metronome sends them: the
/// status byte in the low byte, the first data byte in the second, the second in the third.
struct MidiMessage {
    enum class Kind {
        NoteOff,
        NoteOn,
        KeyPressure,
        Controller,
        ProgramChange,
        ChannelPressure,
        PitchBend,
    };

    Kind kind = Kind::NoteOff;
    int channel = 0;
    /// Note, controller or program number; 0 where the kind has none.
    int data1 = 0;
    /// Velocity, pressure or controller value; the pitch bend as 0 to 16383 (8192 centre).
    int data2 = 0;

    bool operator==(const MidiMessage&) const = default;

    /// The message a packed short message carries. A note-on with velocity 0 is a note-off,
    /// as MIDI has it; data bytes keep their seven bits. Nothing for system messages and a
    /// missing status byte (running status has no earlier message here to run on).
    static std::optional<MidiMessage> Decode(std::uint32_t packed);
};

/// An output port of the system's MIDI sequencer, as the port chooser sees it.
struct MidiPortInfo {
    int client = 0;
    int port = 0;
    std::string name;
    /// A synthesiser (hardware, software or sample player) that sounds what it gets.
    bool synthesizer = false;
    /// A port that passes MIDI on to a cable or another program (hardware MIDI out, a "Midi
    /// Through" port).
    bool passesOn = false;
    /// Other programs may write to it.
    bool writable = false;
};

/// The port a MIDI device number means: -1 (the system's default) is the first writable
/// synthesiser; 0, 1, ... count the writable synthesisers and other writable ports in the
/// order given. Nothing when there is no such port.
std::optional<std::size_t> ChooseMidiPort(const std::vector<MidiPortInfo>& ports, int device);
