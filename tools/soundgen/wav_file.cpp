#include "tools/soundgen/wav_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

std::string WavFile::Encode(const std::vector<double>& samples, std::uint32_t sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBits = 16;
    constexpr std::uint32_t kBlockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLe(out, 36 + dataBytes, 4);
    out += "WAVE";
    out += "fmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, kChannels, 2);
    PutLe(out, sampleRate, 4);
    PutLe(out, sampleRate * kBlockAlign, 4);
    PutLe(out, kBlockAlign, 2);
    PutLe(out, kBits, 2);
    out += "data";
    PutLe(out, dataBytes, 4);
    for (double s : samples) {
        const double scaled = std::clamp(s, -1.0, 1.0) * 32767.0;
        const auto value = static_cast<std::int16_t>(std::lround(scaled));
        PutLe(out, static_cast<std::uint16_t>(value), 2);
    }
    return out;
}

bool WavFile::Write(const std::string& path, const std::vector<double>& samples,
                    std::uint32_t sampleRate) {
    const std::string bytes = Encode(samples, sampleRate);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
