#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

/// A blurred silhouette in one colour, for the soft shadows under drawn shapes.
class SoftShadow final {
  public:
    /// An image of `size` holding `shape` filled with `colour` and blurred by about `radius`
    /// pixels (three box blurs, which come close to a Gaussian).
    static QImage Make(QSize size, const QPainterPath& shape, const QColor& colour, int radius);
};
