#pragma once

#include <cstdint>

/// One point of a finger outline: move there (pen 0) or draw a line to it (any other pen).
struct StrokePoint {
    int x = 0;
    int y = 0;
    int pen = 0;
    int thickness = 0;
    /// Red, green and blue as 0xRRGGBB.
    std::uint32_t color = 0;

    bool Draws() const { return pen != 0; }
    int Red() const { return static_cast<int>((color >> 16) & 0xFF); }
    int Green() const { return static_cast<int>((color >> 8) & 0xFF); }
    int Blue() const { return static_cast<int>(color & 0xFF); }
};
