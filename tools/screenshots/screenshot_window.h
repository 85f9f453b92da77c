#pragma once

#include <QString>

class QWidget;

/// What the screenshot tools share: the application object on the offscreen platform with a
/// fixed style and font (so a screenshot does not depend on the desktop it is made on), and
/// the picture of a shown window as PNG.
namespace ScreenshotWindow {

/// The size of every screenshot: 16:9, as software centres show them.
inline constexpr int kWidth = 1024;
inline constexpr int kHeight = 576;

/// Before the QApplication exists: the offscreen platform, no settings of the desktop.
void PrepareEnvironment();
/// After it exists: the Fusion style and the "DejaVu Sans" font.
void SetFixedLook();
/// Shows window at the screenshot size, lets it lay itself out and paint, and writes what it
/// shows to path. False (with a message on standard error) when the file is not written.
bool Save(QWidget& window, const QString& path);

}  // namespace ScreenshotWindow
