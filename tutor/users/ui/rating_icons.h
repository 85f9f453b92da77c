#pragma once

#include <QIcon>

/// The small pictures of a result's rating, drawn in code: 0 a white disc, 1 a light smiling
/// face, 2 a grey neutral face, 3 a dark frowning face, 4 a black disc, 5 a red equals sign
/// (not yet practised). Each is 16 x 16 and stays sharp on screens of higher density.
class RatingIcons {
  public:
    RatingIcons() = delete;

    static constexpr int kSize = 16;
    static constexpr int kCount = 6;

    /// A null icon outside 0 to 5. Each call draws the icon anew: keep it while it is needed.
    static QIcon Icon(int image);
    /// The picture drawn at the given device pixel ratio.
    static QPixmap Pixmap(int image, qreal devicePixelRatio);
};
