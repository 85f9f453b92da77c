#pragma once

#include <QIcon>
#include <QPainter>
#include <QRectF>

#include <functional>

/// An icon drawn by code when a size is asked for, at the device pixels of the screen, so that
/// it is as sharp on a high-density screen as on a plain one and costs nothing before it is
/// shown (no pixmaps made ahead for sizes nobody uses). draw paints into the given square with
/// antialiasing on. The other modes (disabled, active, selected) look as the style makes them
/// from the normal picture, as they do for icons made of pixmaps.
QIcon DrawnIcon(std::function<void(QPainter&, const QRectF&)> draw);
