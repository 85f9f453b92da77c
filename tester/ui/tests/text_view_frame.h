#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QTest>
#include <QtMath>

/// Both text views keep a left margin beside their text. The frame's bottom edge must look the
/// same under that margin as beside the text, also on a screen scaled by two (the view tests
/// run scaled too), where the style's frame is two device pixels wide and the text area covers
/// its inner half. Shows the view and gives the first device row of the bottom edge where the
/// two differ, -1 when they never do (-2 when the view was never shown).
inline int UnevenFrameRow(QAbstractScrollArea& view, int leftMargin) {
    view.resize(300, 120);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) {
        return -2;
    }
    const QImage image = view.grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const int underMargin = qRound(leftMargin / 2.0 * dpr);
    const int besideText = qRound((leftMargin + 50) * dpr);
    for (int y = image.height() - qCeil(4 * dpr); y < image.height(); ++y) {
        if (image.pixelColor(underMargin, y) != image.pixelColor(besideText, y)) {
            return y;
        }
    }
    return -1;
}
