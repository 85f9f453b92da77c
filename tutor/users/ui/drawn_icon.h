#pragma once

#include <QIcon>
#include <QPainter>
#include <QRectF>

#include <functional>

/// An icon drawn by code at whatever pixel size it is asked for, so that it is as sharp on a
/// high-density screen as on a plain one. draw paints into the given square; disabled icons
/// are drawn faded.
QIcon DrawnIcon(std::function<void(QPainter&, const QRectF&)> draw);
