#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/message_sink.h"
#include "tutor/course/bitmap_image.h"
#include "tutor/course/rgb_image.h"

// Loading of the tutor's JPEG pictures. Failures are shown through the message sink and the
// caller only learns that there is no picture.

/// Pictures above this many pixels are refused as out of memory: the largest screens have
/// about 33 million pixels, and a damaged or hostile header may claim 60000 x 60000.
inline constexpr std::uint64_t kMaxJpegPixels = std::uint64_t{1} << 25;
/// Files above this size are refused as out of memory before they are read.
inline constexpr std::uint64_t kMaxJpegFileBytes = std::uint64_t{256} << 20;
/// Progressive files need a few dozen scans at most; endless scans only burn time.
inline constexpr int kMaxJpegScans = 256;

/// Decodes JPEG data held in memory. Grey pictures come out grey, CMYK pictures are turned
/// into RGB; other colour layouts are refused by the decoder.
std::optional<RgbImage> JpegMemoryToRgb(std::span<const std::uint8_t> data, MessageSink& messages);

/// The bytes of a JPEG file, not decoded; nothing (after the message) when the file cannot be
/// read or exceeds kMaxJpegFileBytes.
std::optional<std::vector<std::uint8_t>> ReadJpegFile(const std::string& path,
                                                      MessageSink& messages);

/// Reads and decodes a JPEG file.
std::optional<RgbImage> JpegFileToRgb(const std::string& path, MessageSink& messages);

/// The same pixels as a 24-bit bitmap (blue, green, red; bottom-up rows aligned to 4 bytes).
BitmapImage RgbToBitmap(const RgbImage& image);

/// Fills bitmap from a JPEG file; false (and bitmap unchanged) when there is no picture.
bool LoadJpegBitmap(const std::string& path, BitmapImage& bitmap, MessageSink& messages);
