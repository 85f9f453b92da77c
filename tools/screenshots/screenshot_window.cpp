#include "tools/screenshots/screenshot_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QStyleFactory>
#include <QWidget>

#include <cstdio>

namespace ScreenshotWindow {

void PrepareEnvironment() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The desktop's theme and scaling must not reach the picture.
    qunsetenv("QT_QPA_PLATFORMTHEME");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_STYLE_OVERRIDE");
}

void SetFixedLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
}

bool Save(QWidget& window, const QString& path) {
    window.resize(kWidth, kHeight);
    window.show();
    // Layouts and the first paint run from the event loop.
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
    const QImage image = window.grab().toImage();
    if (image.size() != QSize(kWidth, kHeight)) {
        std::fprintf(stderr, "screenshot: the window is %dx%d instead of %dx%d\n", image.width(),
                     image.height(), kWidth, kHeight);
        return false;
    }
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace ScreenshotWindow
