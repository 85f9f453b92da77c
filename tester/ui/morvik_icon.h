#pragma once

#include <QIcon>

class QPainter;

/// Morvik's program icon: a stopwatch. One drawing serves the window icon and the desktop's
/// icon files (tools/icongen writes them as PNG and SVG), so they always agree.

/// Paints the icon into the square (0, 0) to (size, size) of painter.
void PaintMorvikIcon(QPainter& painter, qreal size);

/// The icon at the sizes the desktop asks for.
QIcon MorvikIcon();
