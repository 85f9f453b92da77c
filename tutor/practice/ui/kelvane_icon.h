#pragma once

#include <QIcon>

class QPainter;

/// Kelvane's program icon: a key cap carrying a "K". One drawing serves the window icon and
/// the desktop's icon files (tools/icongen writes them as PNG and SVG), so they always agree.

/// Paints the icon into the square (0, 0) to (size, size) of painter. The letter is drawn as
/// an outline, so a vector copy of the icon needs no font.
void PaintKelvaneIcon(QPainter& painter, qreal size);

/// The icon at the sizes the desktop asks for.
QIcon KelvaneIcon();
