#include "tools/picturegen/backdrop_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "tools/picturegen/tile_noise.h"
#include "tools/soundgen/seeded_random.h"

namespace {

int Channel(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

QColor Shifted(const QColor& base, double delta) {
    return QColor(Channel(base.red() + delta), Channel(base.green() + delta),
                  Channel(base.blue() + delta));
}

QColor Mixed(const QColor& a, const QColor& b, double t) {
    return QColor(Channel(a.red() + (b.red() - a.red()) * t),
                  Channel(a.green() + (b.green() - a.green()) * t),
                  Channel(a.blue() + (b.blue() - a.blue()) * t));
}

/// Short, slightly bent fibres; each is drawn once per neighbouring tile so that those that
/// cross an edge continue on the other side.
void DrawFibres(QPainter& painter, const AppearanceStyle& style, int tile) {
    SeededRandom random(0x70617065ULL);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < style.paperFibres; ++i) {
        const double x = (random.Bipolar() + 1.0) * 0.5 * tile;
        const double y = (random.Bipolar() + 1.0) * 0.5 * tile;
        const double angle = random.Bipolar() * 3.14159265358979;
        const double length = 10.0 + (random.Bipolar() + 1.0) * 14.0;
        const double bend = random.Bipolar() * 5.0;
        const double dx = std::cos(angle) * length;
        const double dy = std::sin(angle) * length;
        const bool light = random.Bipolar() > 0.4;
        QPainterPath path({x, y});
        path.quadTo(x + dx / 2 - dy / length * bend, y + dy / 2 + dx / length * bend, x + dx,
                    y + dy);
        QColor colour = light ? QColor(255, 255, 255, 70) : style.fibre;
        painter.setPen(QPen(colour, 0.8, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        for (int ox = -1; ox <= 1; ++ox) {
            for (int oy = -1; oy <= 1; ++oy) {
                painter.drawPath(path.translated(ox * tile, oy * tile));
            }
        }
    }
}

}  // namespace

QImage BackdropPainter::PaperSurface(const AppearanceStyle& style, int width, int height) {
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    const TileNoise cloud(0x636C6F75ULL, 3, 3);
    const TileNoise grain(0x67726169ULL, 64, 2);
    for (int y = 0; y < kTileSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < kTileSize; ++x) {
            const double u = static_cast<double>(x) / kTileSize;
            const double v = static_cast<double>(y) / kTileSize;
            const double delta =
                style.paperCloud * cloud.At(u, v) + style.paperGrain * grain.At(u, v);
            line[x] = Shifted(style.paper, delta).rgb();
        }
    }
    if (style.paperFibres > 0) {
        QPainter painter(&tile);
        DrawFibres(painter, style, kTileSize);
    }
    if (width == kTileSize && height == kTileSize) {
        return tile;
    }
    QImage surface(width, height, QImage::Format_RGB32);
    QPainter painter(&surface);
    painter.fillRect(surface.rect(), QBrush(tile));
    return surface;
}

QImage BackdropPainter::Background(const AppearanceStyle& style) {
    return PaperSurface(style, kTileSize, kTileSize);
}

QImage BackdropPainter::StatisticsStrip(const AppearanceStyle& style) {
    QImage strip(kStripWidth, kStripHeight, QImage::Format_RGB32);
    // Long horizontal streaks: brushed metal for the flat look, wood grain for the warm one.
    const TileNoise streaks(0x73747269ULL, 4, 4);
    for (int y = 0; y < kStripHeight; ++y) {
        const double v = static_cast<double>(y) / (kStripHeight - 1);
        const QColor base = Mixed(style.stripTop, style.stripBottom, v);
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < kStripWidth; ++x) {
            const double u = static_cast<double>(x) / kStripWidth;
            line[x] = Shifted(base, style.stripGrain * streaks.At(u, v * 3.0)).rgb();
        }
    }
    QPainter painter(&strip);
    painter.fillRect(0, 0, kStripWidth, 1, style.stripHighlight);
    painter.fillRect(0, kStripHeight - 2, kStripWidth, 2, style.stripEdge);
    return strip;
}
