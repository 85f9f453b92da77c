#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Reads RIFF WAVE files into 16-bit mono samples at the mixer's rate.
///
/// Accepted: uncompressed PCM (format 1, or WAVE_FORMAT_EXTENSIBLE whose sub-format is PCM),
/// 8-bit unsigned or 16-bit signed, one or two channels, 4000 to 192000 frames per second.
/// Stereo is mixed down to mono; another rate is converted by linear interpolation, which is
/// plenty for short feedback sounds. Everything else is refused: other formats (float,
/// ADPCM, 24 and 32 bits, more channels) and damaged files (a RIFF size past the end of the
/// file, a chunk that runs past the RIFF end, a short or second "fmt " chunk, "data" before
/// "fmt ", a block size or byte rate that does not fit the format, data that is not a whole
/// number of frames, no "data" at all). Bytes after the RIFF end are ignored.
class WavReader {
  public:
    /// The longest sound taken, in seconds: a feedback sound is short, and this bounds what a
    /// damaged length field could make us allocate.
    static constexpr int kMaxSeconds = 60;
    /// The largest file read: a minute of 16-bit stereo at the highest rate fits.
    static constexpr std::size_t kMaxFileBytes = 64u << 20;

    /// Decodes bytes into mono samples at sampleRate. False, with a reason in why, when the
    /// file is refused; samples are then empty.
    static bool Read(std::string_view bytes, int sampleRate, std::vector<std::int16_t>& samples,
                     std::string* why = nullptr);
    /// Reads and decodes a file; a file that cannot be read, or is larger than kMaxFileBytes,
    /// is refused like a damaged one.
    static bool ReadFile(const std::string& path, int sampleRate,
                         std::vector<std::int16_t>& samples, std::string* why = nullptr);
};
