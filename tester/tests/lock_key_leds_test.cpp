#include "tester/lock_key_leds.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/testing/temp_dir.h"

namespace {

using Leds = std::vector<std::pair<std::string, std::string>>;

struct LedCase {
    const char* name;
    Leds leds;  // LED folder and the contents of its "brightness"
    std::optional<bool> caps;
    std::optional<bool> num;
};

}  // namespace

class LockKeyLedsReads : public testing::TestWithParam<LedCase> {};

TEST_P(LockKeyLedsReads, TheKeyboardLeds) {
    TempDir dir;
    for (const auto& [folder, brightness] : GetParam().leds) {
        dir.Write(folder + "/brightness", brightness);
    }
    LockKeyLeds leds(dir.path());
    EXPECT_EQ(leds.CapsLock(), GetParam().caps);
    EXPECT_EQ(leds.NumLock(), GetParam().num);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LockKeyLedsReads,
    testing::Values(
        LedCase{"NoLeds", {}, std::nullopt, std::nullopt},
        LedCase{
            "CapsOnNumOff", {{"input3::capslock", "1\n"}, {"input3::numlock", "0\n"}}, true, false},
        LedCase{"AnyKeyboardCounts",
                {{"input3::capslock", "0\n"}, {"input7::capslock", "255\n"}},
                true,
                std::nullopt},
        LedCase{"OtherLedsAreIgnored",
                {{"input3::scrolllock", "1\n"}, {"phy0-led", "1"}, {"input3::capslockx", "1"}},
                std::nullopt,
                std::nullopt},
        LedCase{"UnreadableValueIsOff", {{"input3::numlock", "x"}}, std::nullopt, false}),
    [](const testing::TestParamInfo<LedCase>& info) { return std::string(info.param.name); });

TEST(LockKeyLeds, MissingFolderGivesNothing) {
    LockKeyLeds leds("/nonexistent/leds/folder");
    EXPECT_EQ(leds.CapsLock(), std::nullopt);
    EXPECT_EQ(leds.NumLock(), std::nullopt);
}
