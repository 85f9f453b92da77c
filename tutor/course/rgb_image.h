#pragma once

#include <cstdint>
#include <vector>

/// Decoded picture: 3 bytes per pixel in the order red, green, blue; rows from top to bottom,
/// packed without fill bytes.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;
};
