#include "tutor/users/midi_message.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "tutor/users/sound_feedback.h"
#include "tutor/users/tutor_settings.h"

namespace {

using Kind = MidiMessage::Kind;

struct DecodeCase {
    std::uint32_t packed;
    std::optional<MidiMessage> expected;
};

class MidiDecode : public testing::TestWithParam<DecodeCase> {};

TEST_P(MidiDecode, GivesTheChannelMessage) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(MidiMessage::Decode(c.packed), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ShortMessages, MidiDecode,
    testing::Values(
        // The metronome's two messages with the default settings.
        DecodeCase{0x00000BC0, MidiMessage{Kind::ProgramChange, 0, 11, 0}},
        DecodeCase{0x00323C90, MidiMessage{Kind::NoteOn, 0, 60, 50}},
        DecodeCase{0x007F7F9F, MidiMessage{Kind::NoteOn, 15, 127, 127}},
        // A note-on without velocity ends the note.
        DecodeCase{0x00003C93, MidiMessage{Kind::NoteOff, 3, 60, 0}},
        DecodeCase{0x00403C80, MidiMessage{Kind::NoteOff, 0, 60, 64}},
        DecodeCase{0x00202AA1, MidiMessage{Kind::KeyPressure, 1, 42, 32}},
        DecodeCase{0x00007BB5, MidiMessage{Kind::Controller, 5, 123, 0}},
        // A program change has one data byte; a stray second one is ignored.
        DecodeCase{0x00FF05C2, MidiMessage{Kind::ProgramChange, 2, 5, 0}},
        DecodeCase{0x000064D4, MidiMessage{Kind::ChannelPressure, 4, 0, 100}},
        // Pitch bend: least significant seven bits first; 0x2000 is the centre.
        DecodeCase{0x004000E0, MidiMessage{Kind::PitchBend, 0, 0, 8192}},
        DecodeCase{0x007F7FE6, MidiMessage{Kind::PitchBend, 6, 0, 16383}},
        // Data bytes keep their seven bits, the top byte of the word is not looked at.
        DecodeCase{0xFFB2BC90, MidiMessage{Kind::NoteOn, 0, 60, 50}},
        // No status byte, or a system message: nothing to send.
        DecodeCase{0x00323C10, std::nullopt}, DecodeCase{0x00000000, std::nullopt},
        DecodeCase{0x000000F8, std::nullopt}, DecodeCase{0x000000FF, std::nullopt}));

TEST(MidiDecode, TheMetronomeMessagesOfAnyChannelDecodeToTheirSettings) {
    TutorSettings settings;
    for (int channel = 0; channel < 16; ++channel) {
        settings.midiChannel = static_cast<std::uint8_t>(channel);
        settings.midiProgram = 100 + channel % 20;
        settings.midiNote = 30 + channel;
        settings.midiVelocity = static_cast<std::uint8_t>(1 + channel * 8);
        EXPECT_EQ(MidiMessage::Decode(SoundFeedback::programChangeMessage(settings)),
                  (MidiMessage{Kind::ProgramChange, channel, settings.midiProgram, 0}));
        EXPECT_EQ(MidiMessage::Decode(SoundFeedback::noteOnMessage(settings)),
                  (MidiMessage{Kind::NoteOn, channel, settings.midiNote, settings.midiVelocity}));
    }
}

MidiPortInfo Port(const char* name, bool synthesizer, bool passesOn, bool writable = true) {
    MidiPortInfo info;
    info.name = name;
    info.synthesizer = synthesizer;
    info.passesOn = passesOn;
    info.writable = writable;
    return info;
}

struct ChooseCase {
    const char* name;
    std::vector<MidiPortInfo> ports;
    int device;
    std::optional<std::size_t> chosen;
};

class MidiPortChoice : public testing::TestWithParam<ChooseCase> {};

TEST_P(MidiPortChoice, PicksThePortOfTheDeviceNumber) {
    const ChooseCase& c = GetParam();
    EXPECT_EQ(ChooseMidiPort(c.ports, c.device), c.chosen);
}

const std::vector<MidiPortInfo> kPorts = {
    Port("Midi Through Port-0", false, true), Port("Read-only keyboard", false, true, false),
    Port("FLUID Synth", true, false),         Port("USB MIDI out", false, true),
    Port("Timidity port 0", true, false),     Port("Capture only", true, false, false),
};

INSTANTIATE_TEST_SUITE_P(Ports, MidiPortChoice,
                         testing::Values(ChooseCase{"DefaultIsTheFirstSynthesizer", kPorts, -1, 2},
                                         ChooseCase{"NumbersCountWritableOutputs0", kPorts, 0, 0},
                                         ChooseCase{"NumbersCountWritableOutputs1", kPorts, 1, 2},
                                         ChooseCase{"NumbersCountWritableOutputs3", kPorts, 3, 4},
                                         ChooseCase{"NumberPastTheLast", kPorts, 4, std::nullopt},
                                         ChooseCase{"NoSynthesizer",
                                                    {Port("Midi Through Port-0", false, true),
                                                     Port("Read-only synth", true, false, false)},
                                                    -1,
                                                    std::nullopt},
                                         ChooseCase{"NoPorts", {}, -1, std::nullopt},
                                         ChooseCase{"OtherDefaultNumbers", kPorts, -2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
