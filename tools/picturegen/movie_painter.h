#pragma once

#include <QImage>
#include <QPainter>

#include "tools/picturegen/appearance_style.h"

/// The progress animation: eight pictures, each one row of twelve square frames side by side
/// (frame k at x = k x height). Pictures 1 to 4 show the typing speed as a gauge whose needle
/// sits in the slow, good, fast or excellent zone, with one to four chevrons running beneath
/// it; pictures 5 to 8 show the error rate as a sky that turns from clear to stormy. Every
/// picture loops: frame 11 leads back into frame 0.
class MoviePainter final {
  public:
    static constexpr int kMovies = 8;
    static constexpr int kFrames = 12;
    static constexpr int kFrameSize = 96;

    /// Picture `movie` (1..8).
    static QImage Paint(int movie, const AppearanceStyle& style);

  private:
    static void PaintGauge(QPainter& painter, int zone, int frame, const AppearanceStyle& style);
    static void PaintSky(QPainter& painter, int level, int frame, const AppearanceStyle& style);
};
