#include "tools/picturegen/hands_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "tools/picturegen/backdrop_painter.h"
#include "tools/picturegen/soft_shadow.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

/// One finger in picture coordinates (mirrored for the right hand while its palm is built).
struct FingerShape {
    QPolygonF polygon;
    double top = 0.0;
    double bottom = 0.0;
    double centreX = 0.0;
};

/// The leftmost and rightmost crossing of the polygon's edges with the line at height y.
std::pair<double, double> SpanAt(const QPolygonF& polygon, double y) {
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    const int n = polygon.size();
    for (int i = 0; i < n; ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % n];
        if (a.y() == b.y() || y < std::min(a.y(), b.y()) || y > std::max(a.y(), b.y())) {
            continue;
        }
        const double x = a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
        left = std::min(left, x);
        right = std::max(right, x);
    }
    if (left > right) {
        const QRectF box = polygon.boundingRect();
        return {box.center().x(), box.center().x()};
    }
    return {left, right};
}

FingerShape MakeFinger(const std::vector<StrokePoint>& group, const QTransform& frame) {
    FingerShape finger;
    for (const StrokePoint& p : group) {
        finger.polygon << frame.map(HandsPainter::ToPicture(p.x, p.y));
    }
    const QRectF box = finger.polygon.boundingRect();
    finger.top = box.top();
    finger.bottom = box.bottom();
    finger.centreX = box.center().x();
    return finger;
}

double Length(const FingerShape& f) {
    return f.bottom - f.top;
}

/// Where the finger meets the palm on the back of the hand: long fingers leave more of
/// themselves free than the short little finger.
double Knuckle(const FingerShape& f) {
    return f.top + 0.70 * Length(f);
}

/// The palm of a hand whose thumb lies to the right of its fingers (the right hand is drawn
/// mirrored). `fingers` run from the little finger to the index finger.
QPainterPath PalmPath(const std::vector<FingerShape>& fingers, const FingerShape& thumb,
                      double bottom) {
    const double below = bottom + 30.0;
    std::vector<double> webs;
    for (std::size_t i = 0; i + 1 < fingers.size(); ++i) {
        const double meanLength = (Length(fingers[i]) + Length(fingers[i + 1])) / 2;
        webs.push_back(std::min(Knuckle(fingers[i]), Knuckle(fingers[i + 1])) - 0.10 * meanLength);
    }
    const FingerShape& little = fingers.front();
    const FingerShape& index = fingers.back();
    const double outerTop = webs.empty() ? Knuckle(little) : webs.front() + 6.0;
    const auto [littleLeft, littleRight] = SpanAt(little.polygon, outerTop);
    const double littleWidth = littleRight - littleLeft;

    QPainterPath palm;
    // The outer edge swells a little below the little finger.
    palm.moveTo(littleLeft - 0.30 * littleWidth, below);
    palm.cubicTo(littleLeft - 0.30 * littleWidth, outerTop + 0.55 * (bottom - outerTop), littleLeft,
                 outerTop + 0.25 * (bottom - outerTop), littleLeft, outerTop - 4.0);
    // The web between neighbouring fingers curves down between them.
    for (std::size_t i = 0; i < webs.size(); ++i) {
        const double w = webs[i];
        const double leftEdge = SpanAt(fingers[i].polygon, w).second;
        const double rightEdge = SpanAt(fingers[i + 1].polygon, w).first;
        const double gap = std::max(2.0, rightEdge - leftEdge);
        const double rise = 0.9 * gap;
        palm.lineTo(leftEdge - 2.0, w - rise);
        palm.cubicTo(leftEdge, w + 0.15 * gap, rightEdge, w + 0.15 * gap, rightEdge + 2.0,
                     w - rise);
    }
    // From the index finger a wide curve runs down to the thumb.
    const double startY = webs.empty() ? Knuckle(index) : webs.back();
    const double indexRight = SpanAt(index.polygon, startY).second;
    const double thumbY = thumb.top + 0.55 * Length(thumb);
    const auto [thumbInner, thumbOuter] = SpanAt(thumb.polygon, thumbY);
    palm.lineTo(indexRight - 2.0, startY - 6.0);
    palm.cubicTo(indexRight + 0.10 * (thumbInner - indexRight), startY + 0.55 * (thumbY - startY),
                 thumbInner - 0.45 * (thumbInner - indexRight), thumbY + 0.10 * (bottom - thumbY),
                 thumbInner + 1.0, thumbY);
    palm.lineTo((thumbInner + thumbOuter) / 2, thumbY);
    palm.lineTo(SpanAt(thumb.polygon, bottom - 0.5).second - 1.0, below);
    palm.closeSubpath();
    return palm;
}

struct HandShape {
    QPainterPath silhouette;
    QPainterPath palm;
    std::vector<FingerShape> fingers;  // in picture coordinates, thumb included
    std::vector<bool> isThumb;
};

/// Builds one hand from its five groups: `thumbGroup` and the four finger groups. `mirrored`
/// hands have their thumb on the left and are built in a flipped frame.
HandShape BuildHand(const HandsData& outline, int firstGroup, int thumbGroup, bool mirrored) {
    const QTransform frame =
        mirrored ? QTransform(-1, 0, 0, 1, HandsPainter::kWidth, 0) : QTransform();
    std::vector<FingerShape> fingers;
    for (int g = firstGroup; g < firstGroup + 5; ++g) {
        if (g != thumbGroup) {
            fingers.push_back(MakeFinger(outline.groups()[static_cast<std::size_t>(g)], frame));
        }
    }
    std::sort(fingers.begin(), fingers.end(),
              [](const FingerShape& a, const FingerShape& b) { return a.centreX < b.centreX; });
    const FingerShape thumb =
        MakeFinger(outline.groups()[static_cast<std::size_t>(thumbGroup)], frame);

    HandShape hand;
    hand.palm = frame.map(PalmPath(fingers, thumb, HandsPainter::kHeight));
    hand.silhouette = hand.palm;
    for (int g = firstGroup; g < firstGroup + 5; ++g) {
        FingerShape f = MakeFinger(outline.groups()[static_cast<std::size_t>(g)], QTransform());
        QPainterPath path;
        path.addPolygon(f.polygon);
        path.closeSubpath();
        hand.silhouette = hand.silhouette.united(path);
        hand.fingers.push_back(std::move(f));
        hand.isThumb.push_back(g == thumbGroup);
    }
    hand.silhouette = hand.silhouette.simplified();
    return hand;
}

QColor Lighter(const QColor& c, double t) {
    return QColor::fromRgbF(c.redF() + (1 - c.redF()) * t, c.greenF() + (1 - c.greenF()) * t,
                            c.blueF() + (1 - c.blueF()) * t);
}

/// Roundness across the finger, fading out where the finger joins the palm.
void ShadeFinger(QPainter& painter, const FingerShape& finger, const QPainterPath& palm,
                 const AppearanceStyle& style) {
    const QRectF box = finger.polygon.boundingRect().adjusted(-4, -4, 4, 4);
    QImage layer(box.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(-box.topLeft());
        const double midY = finger.top + 0.35 * Length(finger);
        const auto [left, right] = SpanAt(finger.polygon, midY);
        QLinearGradient across(left, 0, right, 0);
        QColor edge = style.skinShade;
        QColor clear = style.skinShade;
        clear.setAlpha(0);
        QColor shine = Lighter(style.skin, 0.35);
        shine.setAlpha(140);
        QColor noShine = shine;
        noShine.setAlpha(0);
        across.setColorAt(0.0, edge);
        across.setColorAt(0.30, clear);
        across.setColorAt(0.42, noShine);
        across.setColorAt(0.55, shine);
        across.setColorAt(0.68, noShine);
        across.setColorAt(0.78, clear);
        across.setColorAt(1.0, edge);
        QPainterPath shape;
        shape.addPolygon(finger.polygon);
        p.fillPath(shape.subtracted(palm), across);

        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        const double fadeEnd = Knuckle(finger) - 0.05 * Length(finger);
        QLinearGradient fade(0, fadeEnd - 0.25 * Length(finger), 0, fadeEnd);
        fade.setColorAt(0.0, QColor(0, 0, 0, 255));
        fade.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(box, fade);
    }
    painter.drawImage(box.topLeft(), layer);
}

void DrawNail(QPainter& painter, const FingerShape& finger, const AppearanceStyle& style) {
    const double near = finger.top + 0.12 * Length(finger);
    const double far = finger.top + 0.45 * Length(finger);
    const auto [nearLeft, nearRight] = SpanAt(finger.polygon, near);
    const auto [farLeft, farRight] = SpanAt(finger.polygon, far);
    const QPointF nearCentre((nearLeft + nearRight) / 2, near);
    const QPointF farCentre((farLeft + farRight) / 2, far);
    const double width = nearRight - nearLeft;
    if (width < 6.0) {
        return;
    }
    const double angle =
        std::atan2(nearCentre.x() - farCentre.x(), farCentre.y() - nearCentre.y()) * 180.0 / kPi;
    const double nailWidth = 0.56 * width;
    const double nailLength = 0.72 * width;
    const double topGap = 0.10 * width;
    // Measured from the tip along the finger's axis.
    const QPointF tip =
        nearCentre + (nearCentre - farCentre) * ((near - finger.top) / (far - near));
    painter.save();
    painter.translate(tip);
    painter.rotate(angle);
    QPainterPath nail;
    nail.addRoundedRect(QRectF(-nailWidth / 2, topGap, nailWidth, nailLength), nailWidth * 0.42,
                        nailWidth * 0.42);
    QColor rim = style.inked ? style.outline : style.skinShade;
    painter.setPen(QPen(rim, style.inked ? 1.4 : 1.2));
    painter.setBrush(style.nail);
    painter.drawPath(nail);
    painter.restore();
}

/// A faint crease where the middle joint bends.
void DrawCrease(QPainter& painter, const FingerShape& finger, const AppearanceStyle& style) {
    const double y = finger.top + 0.40 * Length(finger);
    const auto [left, right] = SpanAt(finger.polygon, y);
    const double width = right - left;
    if (width < 8.0) {
        return;
    }
    QColor colour = style.inked ? style.outline : style.skinShade.darker(112);
    colour.setAlpha(style.inked ? 110 : 120);
    painter.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath crease;
    crease.moveTo(left + 0.28 * width, y);
    crease.quadTo(left + 0.5 * width, y + 0.10 * width, right - 0.28 * width, y);
    painter.drawPath(crease);
}

}  // namespace

QImage HandsPainter::Paint(const HandsData& outline, const AppearanceStyle& style) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        if (style.handsOnPaper) {
            painter.drawImage(0, 0, BackdropPainter::PaperSurface(style, kWidth, kHeight));
        }
        QLinearGradient ground(0, 0, 0, kHeight);
        QColor top = style.handsTop;
        QColor bottom = style.handsBottom;
        if (style.handsOnPaper) {
            top.setAlpha(150);
            bottom.setAlpha(200);
        }
        ground.setColorAt(0.0, top);
        ground.setColorAt(1.0, bottom);
        painter.fillRect(image.rect(), ground);
    }

    const HandShape hands[2] = {BuildHand(outline, 0, 4, false), BuildHand(outline, 5, 5, true)};

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath both = hands[0].silhouette.united(hands[1].silhouette);
    painter.drawImage(QPointF(6, 7), SoftShadow::Make(image.size(), both, style.shadow, 12));

    for (const HandShape& hand : hands) {
        painter.fillPath(hand.silhouette, style.skin);
        for (std::size_t i = 0; i < hand.fingers.size(); ++i) {
            ShadeFinger(painter, hand.fingers[i], hand.palm, style);
        }
        for (std::size_t i = 0; i < hand.fingers.size(); ++i) {
            if (!hand.isThumb[i]) {
                DrawCrease(painter, hand.fingers[i], style);
            }
            DrawNail(painter, hand.fingers[i], style);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(style.outline, style.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(hand.silhouette);
    }
    return image;
}
