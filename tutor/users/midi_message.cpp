#include "tutor/users/midi_message.h"

std::optional<MidiMessage> MidiMessage::Decode(std::uint32_t packed) {
    const int status = static_cast<int>(packed & 0xFF);
    const int data1 = static_cast<int>((packed >> 8) & 0x7F);
    const int data2 = static_cast<int>((packed >> 16) & 0x7F);
    if (status < 0x80 || status >= 0xF0) {
        return std::nullopt;
    }
    MidiMessage message;
    message.channel = status & 0x0F;
    message.data1 = data1;
    message.data2 = data2;
    switch (status & 0xF0) {
        case 0x80:
            message.kind = Kind::NoteOff;
            break;
        case 0x90:
            message.kind = data2 == 0 ? Kind::NoteOff : Kind::NoteOn;
            break;
        case 0xA0:
            message.kind = Kind::KeyPressure;
            break;
        case 0xB0:
            message.kind = Kind::Controller;
            break;
        case 0xC0:
            message.kind = Kind::ProgramChange;
            message.data2 = 0;
            break;
        case 0xD0:
            message.kind = Kind::ChannelPressure;
            message.data2 = data1;
            message.data1 = 0;
            break;
        default:  // 0xE0
            message.kind = Kind::PitchBend;
            message.data1 = 0;
            message.data2 = data1 | (data2 << 7);
            break;
    }
    return message;
}

std::optional<std::size_t> ChooseMidiPort(const std::vector<MidiPortInfo>& ports, int device) {
    int counted = 0;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const MidiPortInfo& port = ports[i];
        if (!port.writable) {
            continue;
        }
        if (device < 0) {
            if (port.synthesizer) {
                return i;
            }
            continue;
        }
        if ((port.synthesizer || port.passesOn) && counted++ == device) {
            return i;
        }
    }
    return std::nullopt;
}
