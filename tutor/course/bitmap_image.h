#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tutor/course/bitmap_header.h"

/// A 24-bit device-independent bitmap: pixels as blue, green, red; rows from bottom to top,
/// each padded with zero bytes to a multiple of 4 bytes.
struct BitmapImage {
    BitmapHeader header;
    std::vector<std::uint8_t> bits;

    /// Bytes of one row including its fill bytes.
    static constexpr std::size_t RowSize(std::int32_t width) {
        return ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
    }
};
