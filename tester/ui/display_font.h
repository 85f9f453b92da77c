#pragma once

#include <QColor>
#include <QFont>

#include <cstdint>
#include <optional>

#include "tester/display_settings.h"

/// The stored font description and colours as Qt's font and colours.
struct DisplayFont {
    /// The font of a description. A positive height is the cell height (ascent and descent
    /// together), a negative one the pixel size of the characters.
    static QFont ToFont(const FontDescription& description);
    /// The description with the face, size, weight and effects of font; the fields Qt has no
    /// word for keep their values. The size is written as a character height (negative).
    static FontDescription FromFont(const QFont& font, FontDescription description);

    static QColor ToColor(std::uint32_t color);
    static std::uint32_t FromColor(const QColor& color);
    /// A stored colour, or the fallback (a colour of the desktop's palette).
    static QColor ToColor(std::optional<std::uint32_t> color, const QColor& fallback);
};
