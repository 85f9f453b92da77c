#pragma once

#include <cstdint>
#include <optional>
#include <string>

class SettingsStore;

/// A font as the settings keep it: the fields of a Windows font description, every one stored
/// and written back, though the windows use only some. A positive height is the height of the
/// character cell, a negative one the height of the characters themselves (both in pixels).
struct FontDescription {
    std::string faceName = "Arial";
    int height = 21;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 700;
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    int charSet = 238;
    int outPrecision = 3;
    int clipPrecision = 2;
    int quality = 1;
    int pitchAndFamily = 49;

    bool operator==(const FontDescription&) const = default;
};

/// The text font and the colours of the original, typing and assessed-text views, in the
/// settings section "font". Colours are integers with red in the low byte, green in the next
/// and blue in the third; a colour that was never chosen is the desktop's (nothing here).
struct DisplaySettings {
    static constexpr const char* kSection = "font";

    FontDescription font;
    std::optional<std::uint32_t> textColor;
    std::optional<std::uint32_t> backgroundColor;
    std::optional<std::uint32_t> markingColor;

    static DisplaySettings Read(const SettingsStore& settings);
    /// Every field of the font and the text colour (the Font command).
    void WriteFont(SettingsStore& settings) const;
    void WriteBackgroundColor(SettingsStore& settings) const;
    void WriteMarkingColor(SettingsStore& settings) const;

    static constexpr std::uint32_t Rgb(int red, int green, int blue) {
        return static_cast<std::uint32_t>(red & 0xFF) |
               (static_cast<std::uint32_t>(green & 0xFF) << 8) |
               (static_cast<std::uint32_t>(blue & 0xFF) << 16);
    }
    static constexpr int Red(std::uint32_t color) { return static_cast<int>(color & 0xFF); }
    static constexpr int Green(std::uint32_t color) {
        return static_cast<int>((color >> 8) & 0xFF);
    }
    static constexpr int Blue(std::uint32_t color) {
        return static_cast<int>((color >> 16) & 0xFF);
    }

    bool operator==(const DisplaySettings&) const = default;
};
