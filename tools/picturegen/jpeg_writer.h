#pragma once

#include <QImage>
#include <string>

/// Writes pictures as baseline JPEG with libjpeg at fixed settings (quality, full colour
/// resolution, optimised Huffman tables, no extra markers), so the same picture always gives
/// the same bytes.
class JpegWriter final {
  public:
    static constexpr int kQuality = 92;

    /// The file contents for the image. Fatal libjpeg errors end the program with libjpeg's
    /// message, which fails the build step as it should.
    static std::string Encode(const QImage& image);
    /// Writes Encode() to path; false when the file cannot be written.
    static bool Write(const QImage& image, const std::string& path);
};
