#pragma once

#include <cstdint>

/// The 40-byte header that describes a device-independent bitmap of 24 bits per pixel.
struct BitmapHeader {
    static constexpr std::uint32_t kNoCompression = 0;

    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = kNoCompression;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;
};
