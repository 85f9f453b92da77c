#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// A mono 16-bit PCM WAV file: the canonical 44-byte RIFF header followed by the samples.
class WavFile final {
  public:
    /// The complete file contents for the samples (each in [-1, 1], rounded to 16 bits).
    static std::string Encode(const std::vector<double>& samples, std::uint32_t sampleRate);
    /// Writes Encode() to path; false when the file cannot be written.
    static bool Write(const std::string& path, const std::vector<double>& samples,
                      std::uint32_t sampleRate);
};
