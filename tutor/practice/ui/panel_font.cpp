#include "tutor/practice/ui/panel_font.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

QFont PanelFont::TextFont(int fontHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    fontHeight = std::max(1, fontHeight);
    // Qt sizes a font by its em; the row holds the whole line height, which is larger.
    int pixelSize = fontHeight;
    font.setPixelSize(pixelSize);
    while (pixelSize > 1 && QFontMetrics(font).height() > fontHeight) {
        --pixelSize;
        font.setPixelSize(pixelSize);
    }
    return font;
}

QFont PanelFont::LabelFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

PanelFontMetrics::Extent PanelFont::MeasureA(int fontHeight) const {
    auto found = measured_.find(fontHeight);
    if (found != measured_.end()) {
        return found->second;
    }
    const QFontMetrics metrics(TextFont(fontHeight));
    const Extent extent{std::max(1, metrics.horizontalAdvance(QLatin1Char('A'))),
                        std::max(1, fontHeight)};
    measured_.emplace(fontHeight, extent);
    return extent;
}
