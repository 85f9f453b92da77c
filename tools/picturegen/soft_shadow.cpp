#include "tools/picturegen/soft_shadow.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

/// One box blur of a row or column of `count` values, `stride` apart, edges clamped.
void BoxPass(std::vector<double>& values, int start, int count, int stride, int radius,
             std::vector<double>& scratch) {
    scratch.resize(static_cast<std::size_t>(count));
    const double norm = 1.0 / (2 * radius + 1);
    auto at = [&](int i) {
        return values[static_cast<std::size_t>(start + std::clamp(i, 0, count - 1) * stride)];
    };
    double sum = 0.0;
    for (int i = -radius; i <= radius; ++i) {
        sum += at(i);
    }
    for (int i = 0; i < count; ++i) {
        scratch[static_cast<std::size_t>(i)] = sum * norm;
        sum += at(i + radius + 1) - at(i - radius);
    }
    for (int i = 0; i < count; ++i) {
        values[static_cast<std::size_t>(start + i * stride)] = scratch[static_cast<std::size_t>(i)];
    }
}

}  // namespace

QImage SoftShadow::Make(QSize size, const QPainterPath& shape, const QColor& colour, int radius) {
    QImage mask(size, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.fillPath(shape, Qt::white);
    }
    const int w = size.width();
    const int h = size.height();
    std::vector<double> alpha(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            alpha[static_cast<std::size_t>(y) * w + x] = line[x] / 255.0;
        }
    }
    const int box = std::max(1, radius / 2);
    std::vector<double> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            BoxPass(alpha, y * w, w, 1, box, scratch);
        }
        for (int x = 0; x < w; ++x) {
            BoxPass(alpha, x, h, w, box, scratch);
        }
    }
    QImage shadow(size, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double a = alpha[static_cast<std::size_t>(y) * w + x] * colour.alpha();
            line[x] = qRgba(colour.red(), colour.green(), colour.blue(),
                            std::clamp(static_cast<int>(std::lround(a)), 0, 255));
        }
    }
    return shadow;
}
