#include "tester/display_settings.h"

#include "common/settings_store.h"

namespace {

constexpr const char* kFontColor = "fontcolor";
constexpr const char* kBackgroundColor = "backgcolor";
constexpr const char* kErrorColor = "errorcolor";

// The integer fields of the font and their keys ("Wight" is the key the weight has always had).
struct IntField {
    const char* key;
    int FontDescription::*field;
};

constexpr IntField kIntFields[] = {
    {"Wight", &FontDescription::weight},
    {"CharSet", &FontDescription::charSet},
    {"Height", &FontDescription::height},
    {"Width", &FontDescription::width},
    {"Italic", &FontDescription::italic},
    {"Escapement", &FontDescription::escapement},
    {"Orientation", &FontDescription::orientation},
    {"Underline", &FontDescription::underline},
    {"StrikeOut", &FontDescription::strikeOut},
    {"ClipPrecision", &FontDescription::clipPrecision},
    {"PitchAndFamily", &FontDescription::pitchAndFamily},
    {"OutPrecision", &FontDescription::outPrecision},
    {"Quality", &FontDescription::quality},
};

std::optional<std::uint32_t> ReadColor(const SettingsStore& settings, const char* key) {
    if (!settings.Contains(DisplaySettings::kSection, key)) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(settings.ReadInt(DisplaySettings::kSection, key, 0)) &
           0xFFFFFFu;
}

void WriteColor(SettingsStore& settings, const char* key, std::optional<std::uint32_t> color) {
    if (color) {
        settings.WriteInt(DisplaySettings::kSection, key, static_cast<int>(*color & 0xFFFFFFu));
    }
}

}  // namespace

DisplaySettings DisplaySettings::Read(const SettingsStore& settings) {
    DisplaySettings display;
    FontDescription& font = display.font;
    font.faceName = settings.ReadString(kSection, "name", font.faceName);
    for (const IntField& field : kIntFields) {
        font.*field.field = settings.ReadInt(kSection, field.key, font.*field.field);
    }
    display.textColor = ReadColor(settings, kFontColor);
    display.backgroundColor = ReadColor(settings, kBackgroundColor);
    display.markingColor = ReadColor(settings, kErrorColor);
    return display;
}

void DisplaySettings::WriteFont(SettingsStore& settings) const {
    settings.WriteString(kSection, "name", font.faceName);
    for (const IntField& field : kIntFields) {
        settings.WriteInt(kSection, field.key, font.*field.field);
    }
    WriteColor(settings, kFontColor, textColor);
}

void DisplaySettings::WriteBackgroundColor(SettingsStore& settings) const {
    WriteColor(settings, kBackgroundColor, backgroundColor);
}

void DisplaySettings::WriteMarkingColor(SettingsStore& settings) const {
    WriteColor(settings, kErrorColor, markingColor);
}
