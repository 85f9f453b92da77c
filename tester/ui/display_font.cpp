#include "tester/ui/display_font.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

#include "common/ui/qt_text.h"

QFont DisplayFont::ToFont(const FontDescription& description) {
    QFont font(ToQString(description.faceName));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(static_cast<QFont::Weight>(
        std::clamp(description.weight == 0 ? 400 : description.weight, 1, 1000)));
    font.setItalic(description.italic != 0);
    font.setUnderline(description.underline != 0);
    font.setStrikeOut(description.strikeOut != 0);
    const int height = description.height == 0 ? 16 : description.height;
    if (height < 0) {
        font.setPixelSize(-height);
        return font;
    }
    // The cell height: find the pixel size whose ascent and descent make it.
    font.setPixelSize(height);
    const int cell = QFontMetrics(font).height();
    if (cell > 0 && cell != height) {
        font.setPixelSize(std::max(
            1, static_cast<int>(std::lround(static_cast<double>(height) * height / cell))));
    }
    return font;
}

FontDescription DisplayFont::FromFont(const QFont& font, FontDescription description) {
    description.faceName = FromQString(font.family());
    int pixels = font.pixelSize();
    if (pixels <= 0) {
        // Points at the logical 96 dots per inch of the screen.
        pixels = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    }
    description.height = -std::max(1, pixels);
    description.weight = font.weight();
    description.italic = font.italic() ? 1 : 0;
    description.underline = font.underline() ? 1 : 0;
    description.strikeOut = font.strikeOut() ? 1 : 0;
    return description;
}

QColor DisplayFont::ToColor(std::uint32_t color) {
    return QColor(DisplaySettings::Red(color), DisplaySettings::Green(color),
                  DisplaySettings::Blue(color));
}

std::uint32_t DisplayFont::FromColor(const QColor& color) {
    return DisplaySettings::Rgb(color.red(), color.green(), color.blue());
}

QColor DisplayFont::ToColor(std::optional<std::uint32_t> color, const QColor& fallback) {
    return color ? ToColor(*color) : fallback;
}
