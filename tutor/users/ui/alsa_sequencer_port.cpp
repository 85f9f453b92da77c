#include "tutor/users/ui/alsa_sequencer_port.h"

#include <alsa/asoundlib.h>

#include <optional>

#include "tutor/users/ui/alsa_pcm_sink.h"

namespace {

constexpr unsigned kSynthesizerTypes = SND_SEQ_PORT_TYPE_SYNTH | SND_SEQ_PORT_TYPE_DIRECT_SAMPLE |
                                       SND_SEQ_PORT_TYPE_SAMPLE | SND_SEQ_PORT_TYPE_SYNTHESIZER;
constexpr unsigned kPassOnTypes = SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_HARDWARE |
                                  SND_SEQ_PORT_TYPE_PORT | SND_SEQ_PORT_TYPE_APPLICATION;
constexpr unsigned kWriteCaps = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
// Controllers 64 (sustain pedal) and 123 (all notes off).
constexpr unsigned kSustain = 64;
constexpr unsigned kAllNotesOff = 123;

}  // namespace

AlsaSequencerPort::~AlsaSequencerPort() {
    Close();
}

std::vector<MidiPortInfo> AlsaSequencerPort::ListPorts() const {
    std::vector<MidiPortInfo> ports;
    snd_seq_client_info_t* client = nullptr;
    snd_seq_port_info_t* port = nullptr;
    snd_seq_client_info_malloc(&client);
    snd_seq_port_info_malloc(&port);
    const int self = snd_seq_client_id(seq_);
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(seq_, client) >= 0) {
        const int id = snd_seq_client_info_get_client(client);
        if (id == SND_SEQ_CLIENT_SYSTEM || id == self) {
            continue;
        }
        snd_seq_port_info_set_client(port, id);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(seq_, port) >= 0) {
            const unsigned type = snd_seq_port_info_get_type(port);
            const unsigned caps = snd_seq_port_info_get_capability(port);
            MidiPortInfo info;
            info.client = id;
            info.port = snd_seq_port_info_get_port(port);
            info.name = snd_seq_port_info_get_name(port);
            info.synthesizer = (type & kSynthesizerTypes) != 0;
            info.passesOn = (type & kPassOnTypes) != 0;
            info.writable =
                (caps & kWriteCaps) == kWriteCaps && (caps & SND_SEQ_PORT_CAP_NO_EXPORT) == 0;
            ports.push_back(std::move(info));
        }
    }
    snd_seq_port_info_free(port);
    snd_seq_client_info_free(client);
    return ports;
}

bool AlsaSequencerPort::Open(int device) {
    Close();
    AlsaPcmSink::SilenceAlsaMessages();
    // Non-blocking: a synthesiser that stops reading loses beats instead of holding the
    // metronome's thread.
    if (snd_seq_open(&seq_, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0) {
        seq_ = nullptr;
        return false;
    }
    snd_seq_set_client_name(seq_, "Kelvane");
    ownPort_ = snd_seq_create_simple_port(
        seq_, "Metronome", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
        SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    const std::vector<MidiPortInfo> ports = ListPorts();
    const std::optional<std::size_t> chosen = ChooseMidiPort(ports, device);
    if (ownPort_ < 0 || !chosen ||
        snd_seq_connect_to(seq_, ownPort_, ports[*chosen].client, ports[*chosen].port) < 0) {
        Close();
        return false;
    }
    portName_ = ports[*chosen].name;
    return true;
}

void AlsaSequencerPort::Send(const MidiMessage& message) {
    if (seq_ == nullptr) {
        return;
    }
    snd_seq_event_t event;
    snd_seq_ev_clear(&event);
    snd_seq_ev_set_source(&event, ownPort_);
    snd_seq_ev_set_subs(&event);
    snd_seq_ev_set_direct(&event);
    const auto channel = static_cast<unsigned char>(message.channel);
    switch (message.kind) {
        case MidiMessage::Kind::NoteOff:
            snd_seq_ev_set_noteoff(&event, channel, message.data1, message.data2);
            break;
        case MidiMessage::Kind::NoteOn:
            snd_seq_ev_set_noteon(&event, channel, message.data1, message.data2);
            break;
        case MidiMessage::Kind::KeyPressure:
            snd_seq_ev_set_keypress(&event, channel, message.data1, message.data2);
            break;
        case MidiMessage::Kind::Controller:
            snd_seq_ev_set_controller(&event, channel, message.data1, message.data2);
            break;
        case MidiMessage::Kind::ProgramChange:
            snd_seq_ev_set_pgmchange(&event, channel, message.data1);
            break;
        case MidiMessage::Kind::ChannelPressure:
            snd_seq_ev_set_chanpress(&event, channel, message.data2);
            break;
        case MidiMessage::Kind::PitchBend:
            snd_seq_ev_set_pitchbend(&event, channel, message.data2 - 8192);
            break;
    }
    snd_seq_event_output_direct(seq_, &event);
}

void AlsaSequencerPort::Reset() {
    for (int channel = 0; channel < 16; ++channel) {
        Send({MidiMessage::Kind::Controller, channel, kSustain, 0});
        Send({MidiMessage::Kind::Controller, channel, kAllNotesOff, 0});
    }
}

void AlsaSequencerPort::Close() {
    if (seq_ != nullptr) {
        snd_seq_close(seq_);
        seq_ = nullptr;
    }
    ownPort_ = -1;
    portName_.clear();
}
