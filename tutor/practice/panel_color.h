#pragma once

/// A colour of the practice panel.
struct PanelColor {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const PanelColor&) const = default;

    static constexpr PanelColor White() { return {255, 255, 255}; }
    static constexpr PanelColor Black() { return {0, 0, 0}; }
    /// Typed text and the previous line.
    static constexpr PanelColor Grey() { return {100, 100, 100}; }
    /// Error marks, and a bar beyond its limit.
    static constexpr PanelColor Red() { return {200, 20, 20}; }
    /// The active time over the statistics background.
    static constexpr PanelColor LightGrey() { return {220, 220, 220}; }
    /// A bar within its limit: light enough for its black label.
    static constexpr PanelColor BarGrey() { return {160, 160, 160}; }
};
