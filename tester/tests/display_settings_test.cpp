#include "tester/display_settings.h"

#include <gtest/gtest.h>

#include "common/memory_settings_store.h"

namespace {

TEST(DisplaySettingsTest, AFirstStartHasBoldArialAndTheDesktopColours) {
    MemorySettingsStore settings;
    DisplaySettings display = DisplaySettings::Read(settings);
    EXPECT_EQ(display.font, FontDescription{});
    EXPECT_EQ(display.font.faceName, "Arial");
    EXPECT_EQ(display.font.height, 21);
    EXPECT_EQ(display.font.weight, 700);
    EXPECT_EQ(display.font.charSet, 238);
    EXPECT_FALSE(display.textColor);
    EXPECT_FALSE(display.backgroundColor);
    EXPECT_FALSE(display.markingColor);
}

TEST(DisplaySettingsTest, EveryFontFieldIsWrittenAndReadBackUnderItsKey) {
    MemorySettingsStore settings;
    DisplaySettings display;
    display.font = {"Liberation Serif", -17, 3, 900, 450, 400, 1, 1, 1, 0, 7, 1, 5, 18};
    display.textColor = DisplaySettings::Rgb(0x12, 0x34, 0x56);
    display.WriteFont(settings);
    EXPECT_EQ(settings.ReadInt("font", "Wight", 0), 400);
    EXPECT_EQ(settings.ReadInt("font", "Height", 0), -17);
    EXPECT_EQ(settings.ReadString("font", "name", ""), "Liberation Serif");
    EXPECT_EQ(settings.ReadInt("font", "fontcolor", 0), 0x563412) << "red in the low byte";
    for (const char* key :
         {"CharSet", "Width", "Italic", "Escapement", "Orientation", "Underline", "StrikeOut",
          "ClipPrecision", "PitchAndFamily", "OutPrecision", "Quality"}) {
        EXPECT_TRUE(settings.Contains("font", key)) << key;
    }
    EXPECT_FALSE(settings.Contains("font", "backgcolor"));
    EXPECT_EQ(DisplaySettings::Read(settings), display);
}

TEST(DisplaySettingsTest, ColoursAreWrittenOneByOne) {
    MemorySettingsStore settings;
    DisplaySettings display;
    display.backgroundColor = DisplaySettings::Rgb(255, 255, 224);
    display.markingColor = DisplaySettings::Rgb(255, 0, 0);
    display.WriteBackgroundColor(settings);
    EXPECT_EQ(settings.ReadInt("font", "backgcolor", 0), 0xE0FFFF);
    EXPECT_FALSE(settings.Contains("font", "errorcolor"));
    display.WriteMarkingColor(settings);
    EXPECT_EQ(settings.ReadInt("font", "errorcolor", 0), 0x0000FF);
    DisplaySettings read = DisplaySettings::Read(settings);
    EXPECT_EQ(DisplaySettings::Red(*read.markingColor), 255);
    EXPECT_EQ(DisplaySettings::Blue(*read.backgroundColor), 224);
    EXPECT_EQ(DisplaySettings::Green(*read.backgroundColor), 255);
    EXPECT_FALSE(read.textColor);
}

}  // namespace
