#pragma once

#include <QImage>

#include "tools/picturegen/appearance_style.h"

/// The quiet surfaces of an appearance: the paper tiled behind the copy text and the band
/// stretched over the statistics strip.
class BackdropPainter final {
  public:
    static constexpr int kTileSize = 256;
    static constexpr int kStripWidth = 1600;
    static constexpr int kStripHeight = 80;

    /// A seamless tile, light and of low contrast.
    static QImage Background(const AppearanceStyle& style);
    /// A wide, low, dark band.
    static QImage StatisticsStrip(const AppearanceStyle& style);
    /// The paper surface at any size; it repeats every kTileSize pixels.
    static QImage PaperSurface(const AppearanceStyle& style, int width, int height);
};
