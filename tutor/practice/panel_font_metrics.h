#pragma once

/// Measures the text font of the practice panel: the extent of the letter "A" when the font is
/// made for a character height. The window implements it with its real font; tests use fixed
/// proportions.
class PanelFontMetrics {
  public:
    struct Extent {
        int width = 0;
        int height = 0;
    };

    virtual ~PanelFontMetrics() = default;
    /// The extent of "A" in the text font made for fontHeight pixels (1 or more).
    virtual Extent MeasureA(int fontHeight) const = 0;
};
