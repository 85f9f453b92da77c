#pragma once

#include <QFont>

#include <map>

#include "tutor/practice/panel_font_metrics.h"

/// The fonts of the practice panel: the text font ("Courier New" bold, or its metric twin
/// "Liberation Mono") made for a character height, and the font of the key labels ("Arial",
/// or "Liberation Sans").
class PanelFont final : public PanelFontMetrics {
  public:
    /// The bold fixed-pitch text font whose line height (ascent and descent) is at most
    /// fontHeight pixels, as large as it can be.
    static QFont TextFont(int fontHeight);
    /// The label font of pixelSize pixels.
    static QFont LabelFont(int pixelSize);

    /// The width of "A" in TextFont(fontHeight); the height is the character height the font
    /// was made for, the height of a text row.
    Extent MeasureA(int fontHeight) const override;

  private:
    mutable std::map<int, Extent> measured_;
};
