#include "tutor/users/wav_reader.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The tail of the KSDATAFORMAT_SUBTYPE_PCM GUID after its first two bytes (the format code).
constexpr unsigned char kPcmGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                            0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint32_t Le32(std::string_view bytes, std::size_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

std::uint16_t Le16(std::string_view bytes, std::size_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int blockAlign = 0;
};

bool Refuse(std::string* why, const char* reason) {
    if (why != nullptr) {
        *why = reason;
    }
    return false;
}

bool ReadFormat(std::string_view chunk, Format& format, std::string* why) {
    if (chunk.size() < 16) {
        return Refuse(why, "the fmt chunk is shorter than 16 bytes");
    }
    std::uint16_t tag = Le16(chunk, 0);
    format.channels = Le16(chunk, 2);
    format.rate = static_cast<int>(std::min<std::uint32_t>(Le32(chunk, 4), 1u << 30));
    std::uint32_t byteRate = Le32(chunk, 8);
    format.blockAlign = Le16(chunk, 12);
    format.bits = Le16(chunk, 14);
    if (tag == kFormatExtensible) {
        // cbSize, valid bits, channel mask, then the sub-format GUID.
        if (chunk.size() < 40 || Le16(chunk, 16) < 22) {
            return Refuse(why, "the extensible fmt chunk is too short");
        }
        if (Le16(chunk, 24) != kFormatPcm ||
            std::memcmp(chunk.data() + 26, kPcmGuidTail, sizeof kPcmGuidTail) != 0) {
            return Refuse(why, "the sound is not PCM");
        }
    } else if (tag != kFormatPcm) {
        return Refuse(why, "the sound is not PCM");
    }
    if (format.channels != 1 && format.channels != 2) {
        return Refuse(why, "only mono and stereo sounds are played");
    }
    if (format.bits != 8 && format.bits != 16) {
        return Refuse(why, "only 8-bit and 16-bit samples are played");
    }
    if (format.rate < 4000 || format.rate > 192000) {
        return Refuse(why, "the sample rate is out of range");
    }
    if (format.blockAlign != format.channels * format.bits / 8) {
        return Refuse(why, "the block size does not fit the format");
    }
    if (byteRate != static_cast<std::uint32_t>(format.rate) * format.blockAlign) {
        return Refuse(why, "the byte rate does not fit the format");
    }
    return true;
}

int FrameValue(std::string_view data, const Format& format, std::size_t frame) {
    std::size_t at = frame * static_cast<std::size_t>(format.blockAlign);
    int sum = 0;
    for (int channel = 0; channel < format.channels; ++channel) {
        if (format.bits == 8) {
            sum += (static_cast<unsigned char>(data[at]) - 128) * 256;
            at += 1;
        } else {
            sum += static_cast<std::int16_t>(Le16(data, at));
            at += 2;
        }
    }
    return sum / format.channels;
}

void Decode(std::string_view data, const Format& format, int sampleRate,
            std::vector<std::int16_t>& samples) {
    const std::size_t frames = data.size() / static_cast<std::size_t>(format.blockAlign);
    if (format.rate == sampleRate) {
        samples.resize(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            samples[i] = static_cast<std::int16_t>(FrameValue(data, format, i));
        }
        return;
    }
    const std::size_t outFrames =
        frames == 0 ? 0
                    : std::max<std::size_t>(1, frames * static_cast<std::size_t>(sampleRate) /
                                                   static_cast<std::size_t>(format.rate));
    samples.resize(outFrames);
    const double step = static_cast<double>(format.rate) / sampleRate;
    for (std::size_t i = 0; i < outFrames; ++i) {
        double position = static_cast<double>(i) * step;
        auto left = std::min(static_cast<std::size_t>(position), frames - 1);
        std::size_t right = std::min(left + 1, frames - 1);
        double fraction = position - static_cast<double>(left);
        double value = FrameValue(data, format, left) * (1.0 - fraction) +
                       FrameValue(data, format, right) * fraction;
        samples[i] = static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
    }
}

}  // namespace

bool WavReader::Read(std::string_view bytes, int sampleRate, std::vector<std::int16_t>& samples,
                     std::string* why) {
    samples.clear();
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return Refuse(why, "not a RIFF WAVE file");
    }
    const std::uint64_t riffEnd = std::uint64_t{Le32(bytes, 4)} + 8;
    if (riffEnd > bytes.size()) {
        return Refuse(why, "the RIFF size runs past the end of the file");
    }
    const std::string_view riff = bytes.substr(0, static_cast<std::size_t>(riffEnd));

    Format format;
    bool haveFormat = false;
    std::string_view data;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= riff.size()) {
        const std::string_view id = riff.substr(at, 4);
        const std::uint64_t size = Le32(riff, at + 4);
        if (at + 8 + size > riff.size()) {
            return Refuse(why, "a chunk runs past the end of the RIFF data");
        }
        const std::string_view body = riff.substr(at + 8, static_cast<std::size_t>(size));
        if (id == "fmt ") {
            if (haveFormat) {
                return Refuse(why, "the file has two fmt chunks");
            }
            if (!ReadFormat(body, format, why)) {
                return false;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                return Refuse(why, "the data chunk comes before the fmt chunk");
            }
            if (haveData) {
                return Refuse(why, "the file has two data chunks");
            }
            if (body.size() % static_cast<std::size_t>(format.blockAlign) != 0) {
                return Refuse(why, "the data chunk is not a whole number of frames");
            }
            data = body;
            haveData = true;
        }
        // Chunks are padded to an even size; a writer that leaves out the pad of the last
        // chunk ends the walk here.
        at += 8 + static_cast<std::size_t>(size) + (size & 1);
    }
    if (!haveFormat) {
        return Refuse(why, "the file has no fmt chunk");
    }
    if (!haveData) {
        return Refuse(why, "the file has no data chunk");
    }
    const std::uint64_t frames = data.size() / static_cast<std::size_t>(format.blockAlign);
    if (frames > std::uint64_t{kMaxSeconds} * static_cast<std::uint64_t>(format.rate)) {
        return Refuse(why, "the sound is too long");
    }
    Decode(data, format, sampleRate, samples);
    return true;
}

bool WavReader::ReadFile(const std::string& path, int sampleRate,
                         std::vector<std::int16_t>& samples, std::string* why) {
    samples.clear();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return Refuse(why, "the file cannot be opened");
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxFileBytes) {
        return Refuse(why, "the file is too large for a sound");
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size)) {
        return Refuse(why, "the file cannot be read");
    }
    return Read(bytes, sampleRate, samples, why);
}
