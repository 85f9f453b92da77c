#include "tools/picturegen/movie_painter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// Everything is laid out on a 96 x 96 grid and scaled to the frame size.
constexpr double kGrid = 96.0;
const QPointF kDiscCentre(48.0, 49.0);
constexpr double kDiscRadius = 43.0;

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

/// A position that swings around its middle and is back after the twelve frames.
double Swing(int frame, double cycles, double phase = 0.0) {
    return std::sin(2.0 * kPi * (cycles * frame / 12.0 + phase));
}

QPainterPath Disc() {
    QPainterPath disc;
    disc.addEllipse(kDiscCentre, kDiscRadius, kDiscRadius);
    return disc;
}

void PaintRim(QPainter& painter, const AppearanceStyle& style) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(style.inked ? style.ink : style.rim, style.inked ? 1.6 : 1.4));
    painter.drawPath(Disc());
}

QPointF OnArc(QPointF centre, double radius, double degrees) {
    const double r = degrees * kPi / 180.0;
    return {centre.x() + radius * std::cos(r), centre.y() - radius * std::sin(r)};
}

// Gauge geometry: 240 degrees from lower left (210) clockwise to lower right (-30).
const QPointF kGaugeCentre(48.0, 51.0);
constexpr double kGaugeRadius = 29.0;
double GaugeAngle(double value) {
    return 210.0 - 240.0 * value;
}

void ArcStroke(QPainter& painter, double from, double to, const QPen& pen) {
    const QRectF box(kGaugeCentre.x() - kGaugeRadius, kGaugeCentre.y() - kGaugeRadius,
                     2 * kGaugeRadius, 2 * kGaugeRadius);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(box, static_cast<int>(std::lround(from * 16)),
                    static_cast<int>(std::lround((to - from) * 16)));
}

void Chevron(QPainter& painter, double x, double y, const QColor& colour) {
    QPainterPath path;
    path.moveTo(x - 3.0, y - 5.0);
    path.lineTo(x + 2.5, y);
    path.lineTo(x - 3.0, y + 5.0);
    painter.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void Sparkle(QPainter& painter, QPointF centre, double size, const QColor& colour,
             const AppearanceStyle& style) {
    QPainterPath star;
    star.moveTo(centre.x(), centre.y() - size);
    star.quadTo(centre, QPointF(centre.x() + size, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() + size));
    star.quadTo(centre, QPointF(centre.x() - size, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() - size));
    painter.setPen(style.inked ? QPen(style.ink, 0.9) : Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(star);
}

/// A flat cloud: a rounded base with three domes.
QPainterPath CloudShape(QPointF centre, double scale) {
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    const double s = scale;
    cloud.addRoundedRect(QRectF(centre.x() - 16 * s, centre.y() - 2 * s, 32 * s, 10 * s), 5 * s,
                         5 * s);
    cloud.addEllipse(QPointF(centre.x() - 8 * s, centre.y() - 1 * s), 7 * s, 7 * s);
    cloud.addEllipse(QPointF(centre.x() + 2 * s, centre.y() - 5 * s), 9.5 * s, 9.5 * s);
    cloud.addEllipse(QPointF(centre.x() + 11 * s, centre.y() + 1 * s), 6 * s, 6 * s);
    return cloud.simplified();
}

void DrawCloud(QPainter& painter, QPointF centre, double scale, const QColor& colour,
               const AppearanceStyle& style) {
    painter.setPen(style.inked ? QPen(style.ink, 1.1) : Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(CloudShape(centre, scale));
}

void DrawSun(QPainter& painter, QPointF centre, double radius, int frame,
             const AppearanceStyle& style) {
    // Eight rays turn by one eighth of a turn over the twelve frames, so the loop is seamless.
    const double turn = 45.0 * frame / 12.0;
    painter.setPen(QPen(style.sun, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = (turn + 45.0 * i) * kPi / 180.0;
        const QPointF dir(std::cos(a), std::sin(a));
        painter.drawLine(centre + dir * (radius + 3.0), centre + dir * (radius + 7.0));
    }
    painter.setPen(style.inked ? QPen(style.ink, 1.1) : Qt::NoPen);
    painter.setBrush(style.sun);
    painter.drawEllipse(centre, radius, radius);
}

void DrawRain(QPainter& painter, int drops, double top, double bottom, double slant, int frame,
              double speed, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    const double span = bottom - top;
    for (int i = 0; i < drops; ++i) {
        // Fixed, evenly scattered columns; each drop falls `speed` spans per loop.
        const double x = 10.0 + std::fmod(i * 37.3, 76.0);
        const double start = std::fmod(i * 0.618033988749895, 1.0);
        const double y = top + std::fmod(start + speed * frame / 12.0, 1.0) * span;
        painter.drawLine(QPointF(x + slant * (y - top) / span, y),
                         QPointF(x + slant * (y - top) / span - slant * 0.12, y + 7.0));
    }
}

void DrawBolt(QPainter& painter, const AppearanceStyle& style) {
    QPolygonF bolt;
    bolt << QPointF(53, 42) << QPointF(41, 64) << QPointF(50, 64) << QPointF(44, 84)
         << QPointF(62, 57) << QPointF(53, 57) << QPointF(60, 42);
    painter.setPen(style.inked ? QPen(style.ink, 1.1) : Qt::NoPen);
    painter.setBrush(style.bolt);
    painter.drawPolygon(bolt);
}

}  // namespace

QImage MoviePainter::Paint(int movie, const AppearanceStyle& style) {
    QImage strip(kFrames * kFrameSize, kFrameSize, QImage::Format_RGB32);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int frame = 0; frame < kFrames; ++frame) {
        painter.save();
        painter.translate(frame * kFrameSize, 0);
        painter.setClipRect(0, 0, kFrameSize, kFrameSize);
        painter.scale(kFrameSize / kGrid, kFrameSize / kGrid);
        // The frame sits on the statistics strip, so it carries the strip's own shading.
        QLinearGradient ground(0, 0, 0, kGrid);
        ground.setColorAt(0.0, style.stripTop);
        ground.setColorAt(1.0, style.stripBottom);
        painter.fillRect(QRectF(0, 0, kGrid, kGrid), ground);
        if (movie <= 4) {
            PaintGauge(painter, movie - 1, frame, style);
        } else {
            PaintSky(painter, movie - 5, frame, style);
        }
        painter.restore();
    }
    return strip;
}

void MoviePainter::PaintGauge(QPainter& painter, int zone, int frame,
                              const AppearanceStyle& style) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.dialFace);
    painter.drawPath(Disc());
    PaintRim(painter, style);

    // The needle rests in its zone and trembles the more, the faster the typing.
    const double rest = 0.125 + 0.25 * zone;
    const double cycles[4] = {1.0, 2.0, 3.0, 4.0};
    const double amplitude[4] = {0.035, 0.04, 0.045, 0.03};
    const double value = rest + amplitude[zone] * Swing(frame, cycles[zone]);

    const QPen track(style.dialTrack, 7.0, Qt::SolidLine, Qt::FlatCap);
    ArcStroke(painter, GaugeAngle(1.0), GaugeAngle(0.0), track);
    // The zones, faint, so the scale reads at a glance.
    for (int z = 0; z < 4; ++z) {
        const double from = GaugeAngle(0.25 * (z + 1)) + 1.5;
        const double to = GaugeAngle(0.25 * z) - 1.5;
        ArcStroke(painter, from, to,
                  QPen(WithAlpha(style.zone[z], 70), 7.0, Qt::SolidLine, Qt::FlatCap));
    }
    ArcStroke(painter, GaugeAngle(value), GaugeAngle(0.0),
              QPen(style.zone[zone], 7.0, Qt::SolidLine, Qt::FlatCap));
    // Ticks between the zones.
    painter.setPen(QPen(style.inked ? style.ink : style.dialFace, 1.6));
    for (int z = 1; z < 4; ++z) {
        const double a = GaugeAngle(0.25 * z);
        painter.drawLine(OnArc(kGaugeCentre, kGaugeRadius - 4.5, a),
                         OnArc(kGaugeCentre, kGaugeRadius + 4.5, a));
    }

    // Needle: a slim wedge from the hub.
    const double a = GaugeAngle(value) * kPi / 180.0;
    const QPointF dir(std::cos(a), -std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    QPolygonF needle;
    needle << kGaugeCentre + side * 3.0 << kGaugeCentre + dir * (kGaugeRadius - 6.0) + side * 0.7
           << kGaugeCentre + dir * (kGaugeRadius - 6.0) - side * 0.7 << kGaugeCentre - side * 3.0
           << kGaugeCentre - dir * 5.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.needle);
    painter.drawPolygon(needle);
    painter.drawEllipse(kGaugeCentre, 5.0, 5.0);
    painter.setBrush(style.zone[zone]);
    painter.drawEllipse(kGaugeCentre, 2.2, 2.2);

    // One to four chevrons under the gauge; a bright pulse runs through them.
    const int count = zone + 1;
    const double spacing = 9.0;
    const double firstX = 48.0 - spacing * (count - 1) / 2.0;
    for (int i = 0; i < count; ++i) {
        const double pulse =
            0.5 + 0.5 * Swing(frame, cycles[zone], -static_cast<double>(i) / (count + 1));
        const QColor colour = Mix(WithAlpha(style.zone[zone], 90), style.zone[zone], pulse);
        Chevron(painter, firstX + spacing * i, 79.0, colour);
    }

    if (zone == 3) {
        const double twinkle = 0.5 + 0.5 * Swing(frame, 2.0);
        Sparkle(painter, QPointF(72.0, 22.0), 3.0 + 3.5 * twinkle,
                Mix(style.zone[3], style.needle, 0.5), style);
        Sparkle(painter, QPointF(24.0, 22.0), 3.0 + 3.5 * (1.0 - twinkle),
                Mix(style.zone[3], style.needle, 0.5), style);
    }
}

void MoviePainter::PaintSky(QPainter& painter, int level, int frame, const AppearanceStyle& style) {
    const bool flash = level == 3 && (frame == 3 || frame == 4 || frame == 9);
    painter.save();
    painter.setClipPath(Disc(), Qt::IntersectClip);

    QColor top, bottom;
    switch (level) {
        case 0:
            top = style.clearSkyTop;
            bottom = style.clearSkyBottom;
            break;
        case 1:
            top = Mix(style.clearSkyTop, style.greySkyTop, 0.45);
            bottom = Mix(style.clearSkyBottom, style.greySkyBottom, 0.45);
            break;
        case 2:
            top = style.greySkyTop;
            bottom = style.greySkyBottom;
            break;
        default:
            top = style.stormSkyTop;
            bottom = style.stormSkyBottom;
            break;
    }
    if (flash) {
        top = Mix(top, style.greySkyBottom, frame == 4 ? 0.3 : 0.55);
        bottom = Mix(bottom, style.greySkyBottom, frame == 4 ? 0.3 : 0.55);
    }
    QLinearGradient sky(0, kDiscCentre.y() - kDiscRadius, 0, kDiscCentre.y() + kDiscRadius);
    sky.setColorAt(0.0, top);
    sky.setColorAt(1.0, bottom);
    painter.fillRect(QRectF(0, 0, kGrid, kGrid), sky);

    switch (level) {
        case 0:
            DrawSun(painter, QPointF(60.0, 36.0), 11.0, frame, style);
            DrawCloud(painter, QPointF(34.0 + 4.0 * Swing(frame, 1.0), 62.0), 0.9, style.cloudLight,
                      style);
            break;
        case 1:
            DrawSun(painter, QPointF(60.0, 34.0), 10.0, frame, style);
            DrawCloud(painter, QPointF(66.0 + 3.0 * Swing(frame, 1.0, 0.25), 44.0), 1.05,
                      style.cloudLight, style);
            DrawCloud(painter, QPointF(30.0 + 4.0 * Swing(frame, 1.0), 60.0), 1.0, style.cloudGrey,
                      style);
            break;
        case 2:
            DrawRain(painter, 12, 44.0, 92.0, -4.0, frame, 2.0,
                     Mix(style.rain, style.cloudDark, 0.75), 1.8);
            DrawCloud(painter, QPointF(32.0 + 2.5 * Swing(frame, 1.0), 30.0), 1.15, style.cloudGrey,
                      style);
            DrawCloud(painter, QPointF(64.0 - 2.5 * Swing(frame, 1.0), 38.0), 1.2,
                      Mix(style.cloudGrey, style.cloudDark, 0.35), style);
            break;
        default:
            DrawRain(painter, 16, 40.0, 94.0, -9.0, frame, 3.0, style.rain, 1.8);
            if (frame == 3 || frame == 9) {
                DrawBolt(painter, style);
            }
            DrawCloud(painter, QPointF(30.0 + 2.0 * Swing(frame, 2.0), 30.0), 1.25, style.cloudDark,
                      style);
            DrawCloud(painter, QPointF(66.0 - 2.0 * Swing(frame, 2.0), 34.0), 1.3,
                      Mix(style.cloudDark, style.stormSkyTop, 0.4), style);
            break;
    }
    painter.restore();
    PaintRim(painter, style);
}
