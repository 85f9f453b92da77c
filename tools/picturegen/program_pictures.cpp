#include "tools/picturegen/program_pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <cmath>

namespace {

// The common palette: slate ink, a teal accent, cool light surfaces.
const QColor kInk(0x2c, 0x3e, 0x50);
const QColor kMuted(0x5e, 0x72, 0x86);
const QColor kAccent(0x2a, 0x9d, 0x8f);
const QColor kAccentLight(0xd4, 0xee, 0xea);
const QColor kSurfaceTop(0xf5, 0xf8, 0xfb);
const QColor kSurfaceBottom(0xe2, 0xe9, 0xf0);
const QColor kKeyFace(0xfd, 0xfe, 0xff);
const QColor kKeyEdge(0xc5, 0xd0, 0xdb);

QFont Font(int pixelSize, QFont::Weight weight) {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Liberation Sans"});
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void FillSurface(QPainter& painter, const QRect& rect) {
    QLinearGradient ground(0, rect.top(), 0, rect.bottom());
    ground.setColorAt(0.0, kSurfaceTop);
    ground.setColorAt(1.0, kSurfaceBottom);
    painter.fillRect(rect, ground);
}

void Text(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
          const QColor& colour, int flags = Qt::AlignCenter) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, flags, text);
}

/// A flat key: a face over a slightly darker lower edge, optionally with a home-row bump.
void Keycap(QPainter& painter, const QRectF& key, const QString& label, bool lit, bool bump) {
    const double r = key.height() * 0.16;
    const double edge = key.height() * 0.09;
    painter.setPen(Qt::NoPen);
    painter.setBrush(lit ? kAccent.darker(125) : kKeyEdge);
    painter.drawRoundedRect(key, r, r);
    painter.setBrush(lit ? kAccent : kKeyFace);
    painter.drawRoundedRect(key.adjusted(0, 0, 0, -edge), r, r);
    if (!label.isEmpty()) {
        Text(painter, key.adjusted(0, 0, 0, -edge), label,
             Font(static_cast<int>(key.height() * 0.40), QFont::DemiBold),
             lit ? QColor(Qt::white) : kInk);
    }
    if (bump) {
        const double w = key.width() * 0.26;
        painter.setPen(QPen(lit ? QColor(Qt::white) : kMuted, key.height() * 0.045, Qt::SolidLine,
                            Qt::RoundCap));
        const double y = key.bottom() - edge - key.height() * 0.17;
        painter.drawLine(QPointF(key.center().x() - w / 2, y),
                         QPointF(key.center().x() + w / 2, y));
    }
}

/// Two rows of a keyboard around the home row; F is lit as the next key to press.
void KeyboardFragment(QPainter& painter, QPointF centre, double key) {
    const double pitch = key * 1.14;
    const double stagger = 0.3 * pitch;
    const double left = centre.x() - (9.0 * pitch + stagger + key) / 2.0;
    const QString upper = "QWERTYUIOP";
    const QString home = "ASDFGHJKL;";
    for (int i = 0; i < 10; ++i) {
        const double x = left + i * pitch;
        Keycap(painter, QRectF(x, centre.y() - pitch, key, key), upper.mid(i, 1), false, false);
        Keycap(painter, QRectF(x + stagger, centre.y(), key, key), home.mid(i, 1), i == 3,
               i == 3 || i == 6);
    }
}

void Wordmark(QPainter& painter, const QRectF& box, int size) {
    Text(painter, box, "Kelvane", Font(size, QFont::Bold), kInk);
}

}  // namespace

QImage ProgramPictures::Welcome() {
    QImage image(600, 520, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    FillSurface(painter, image.rect());
    painter.fillRect(QRectF(0, 0, 600, 8), kAccent);

    Wordmark(painter, QRectF(0, 70, 600, 90), 72);
    Text(painter, QRectF(0, 165, 600, 36), "Touch-typing tutor", Font(24, QFont::Normal), kMuted);
    painter.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(270, 222), QPointF(330, 222));

    KeyboardFragment(painter, QPointF(300, 330), 44);
    Text(painter, QRectF(0, 440, 600, 30), "Eyes on the text, fingers on the home row",
         Font(17, QFont::Normal), kMuted);
    return image;
}

QImage ProgramPictures::IdleScreen() {
    QImage image(1280, 800, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    FillSurface(painter, image.rect());
    // A soft light behind the name.
    QRadialGradient glow(QPointF(640, 330), 560);
    glow.setColorAt(0.0, QColor(255, 255, 255, 200));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);

    Text(painter, QRectF(0, 150, 1280, 50), "Welcome to", Font(34, QFont::Normal), kMuted);
    Wordmark(painter, QRectF(0, 195, 1280, 150), 120);
    painter.setPen(QPen(kAccent, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(600, 372), QPointF(680, 372));

    KeyboardFragment(painter, QPointF(640, 470), 52);

    // Where to begin, in a quiet pill.
    const QString hint = QString("Practice  ") + QChar(0x2192) + QString("  Choose a Lesson");
    const QFont hintFont = Font(30, QFont::DemiBold);
    const double hintWidth = QFontMetricsF(hintFont).horizontalAdvance(hint) + 80.0;
    Text(painter, QRectF(0, 592, 1280, 36), "To begin, open", Font(22, QFont::Normal), kMuted);
    const QRectF pill(640 - hintWidth / 2, 636, hintWidth, 68);
    painter.setPen(QPen(kAccent, 2));
    painter.setBrush(kAccentLight);
    painter.drawRoundedRect(pill, 34, 34);
    Text(painter, pill, hint, hintFont, kInk);
    return image;
}

QImage ProgramPictures::SmallWindow() {
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    FillSurface(painter, image.rect());

    const QRectF window(26, 18, 268, 204);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 28));
    painter.drawRoundedRect(window.translated(3, 4), 8, 8);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(kKeyEdge, 1));
    painter.drawRoundedRect(window, 8, 8);
    // Title bar.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe9, 0xee, 0xf3));
    QPainterPath title;
    title.addRoundedRect(QRectF(window.left(), window.top(), window.width(), 20), 8, 8);
    title.addRect(QRectF(window.left(), window.top() + 10, window.width(), 10));
    painter.drawPath(title.simplified());
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(i == 0 ? QColor(0xe0, 0x8a, 0x7a) : kKeyEdge);
        painter.drawEllipse(QPointF(window.right() - 12 - 12 * i, window.top() + 10), 3.5, 3.5);
    }
    // Statistics strip with its gauge and two bars.
    const QRectF strip(window.left() + 1, window.top() + 20, window.width() - 2, 24);
    painter.fillRect(strip, QColor(0x34, 0x49, 0x5e));
    painter.setBrush(QColor(0x86, 0xc9, 0x7d));
    painter.drawEllipse(QPointF(strip.left() + 12, strip.center().y()), 7, 7);
    painter.fillRect(QRectF(strip.left() + 70, strip.top() + 8, 60, 8), Qt::white);
    painter.fillRect(QRectF(strip.left() + 70, strip.top() + 8, 38, 8), QColor(0xa0, 0xa8, 0xb0));
    painter.fillRect(QRectF(strip.left() + 140, strip.top() + 8, 60, 8), Qt::white);
    painter.fillRect(QRectF(strip.left() + 140, strip.top() + 8, 12, 8), QColor(0xa0, 0xa8, 0xb0));
    // Text lines: one typed, one being typed, two to come.
    const double textLeft = window.left() + 10;
    const double widths[4] = {200, 170, 220, 190};
    for (int i = 0; i < 4; ++i) {
        const double y = strip.bottom() + 10 + i * 11;
        painter.fillRect(QRectF(textLeft, y, widths[i], 4),
                         i == 0 ? QColor(0xb0, 0xb8, 0xc0) : kInk);
        if (i == 1) {
            painter.fillRect(QRectF(textLeft, y, 70, 4), QColor(0xb0, 0xb8, 0xc0));
            painter.fillRect(QRectF(textLeft + 72, y - 2, 2, 8), kAccent);
        }
    }
    // Keyboard: three rows of keys and the space bar; F is lit.
    const double keysTop = strip.bottom() + 56;
    const double keysLeft = window.left() + (window.width() - (12 * 18.0 + 10.0)) / 2.0;
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i < 12; ++i) {
            painter.setBrush(row == 2 && i == 3 ? kAccent : QColor(0xe6, 0xeb, 0xf0));
            painter.drawRoundedRect(
                QRectF(keysLeft + row * 5 + i * 18.0, keysTop + row * 15, 15, 12), 2.5, 2.5);
        }
    }
    painter.setBrush(QColor(0xe6, 0xeb, 0xf0));
    painter.drawRoundedRect(QRectF(window.center().x() - 50, keysTop + 45, 100, 12), 2.5, 2.5);
    // Hands.
    painter.setBrush(QColor(0xf1, 0xcd, 0xab));
    for (int hand = 0; hand < 2; ++hand) {
        const double cx = window.left() + window.width() / 2 + (hand == 0 ? -48 : 48);
        painter.drawRoundedRect(QRectF(cx - 22, window.bottom() - 14, 44, 14), 5, 5);
        for (int f = 0; f < 4; ++f) {
            const double fx = cx + (hand == 0 ? -20 + f * 10 : 20 - f * 10) - 3.5;
            const double h = f == 0 ? 12 : (f == 2 ? 19 : 16);
            painter.drawRoundedRect(QRectF(fx, window.bottom() - 12 - h, 8, h + 4), 4, 4);
        }
    }
    return image;
}

QImage ProgramPictures::Silent() {
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    FillSurface(painter, image.rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(QPointF(160, 120), 92, 92);

    // Loudspeaker.
    QPolygonF cone;
    cone << QPointF(116, 102) << QPointF(134, 102) << QPointF(162, 78) << QPointF(162, 162)
         << QPointF(134, 138) << QPointF(116, 138);
    painter.setBrush(kInk);
    QPainterPath speaker;
    speaker.addPolygon(cone);
    speaker.closeSubpath();
    painter.drawPath(speaker);
    // Sound waves, faded: they are not heard.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QColor wave = kMuted;
        wave.setAlpha(70 - 18 * i);
        painter.setPen(QPen(wave, 5, Qt::SolidLine, Qt::RoundCap));
        const double r = 22 + 15 * i;
        painter.drawArc(QRectF(160 - r, 120 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    // A calm "off" mark, set apart from the speaker by a light margin.
    painter.setPen(QPen(QColor(0xf5, 0xf8, 0xfb), 17, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(112, 176), QPointF(214, 66));
    painter.setPen(QPen(kAccent, 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(112, 176), QPointF(214, 66));
    return image;
}

QImage ProgramPictures::Login() {
    QImage image(300, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    FillSurface(painter, image.rect());

    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccentLight);
    painter.drawEllipse(QPointF(150, 120), 82, 82);
    // A person: head and shoulders, clipped to the circle.
    painter.save();
    QPainterPath circle;
    circle.addEllipse(QPointF(150, 120), 82, 82);
    painter.setClipPath(circle);
    painter.setBrush(kAccent);
    painter.drawEllipse(QPointF(150, 98), 30, 30);
    painter.drawEllipse(QPointF(150, 205), 62, 68);
    painter.restore();

    // The password, typed as dots on four keys.
    for (int i = 0; i < 4; ++i) {
        const QRectF key(78 + i * 38, 222, 32, 32);
        Keycap(painter, key, QString(), false, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kInk);
        painter.drawEllipse(QPointF(key.center().x(), key.center().y() - 1.5), 4.5, 4.5);
    }
    return image;
}
