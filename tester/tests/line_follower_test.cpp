#include "tester/line_follower.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr const char* kOriginal =
    "The quick brown fox jumps over the lazy dog.\r\n"
    "A second line of the text follows here.\r\n"
    "The third line ends the quick text.";

// A typed text and where the typist then is: just behind marker in the original (nothing:
// the follower stays where it was).
struct FollowStep {
    std::string typed;
    const char* marker;
};

struct FollowCase {
    const char* name;
    std::vector<FollowStep> steps;
};

std::optional<std::size_t> End(const char* marker) {
    if (marker == nullptr) {
        return std::nullopt;
    }
    const std::string original = kOriginal;
    const std::size_t at = original.find(marker);
    EXPECT_NE(at, std::string::npos) << marker;
    return at + std::string(marker).size();
}

class LineFollowerSteps : public testing::TestWithParam<FollowCase> {};

TEST_P(LineFollowerSteps, FindsTheTypistForwardOnly) {
    LineFollower follower;
    for (const FollowStep& step : GetParam().steps) {
        EXPECT_EQ(follower.Follow(kOriginal, step.typed), End(step.marker)) << step.typed;
    }
}

const std::string kLine1 = "The quick brown fox jumps over the lazy dog.\r\n";
const std::string kLine2 = "A second line of the text follows here.\r\n";

INSTANTIATE_TEST_SUITE_P(
    Steps, LineFollowerSteps,
    testing::Values(
        FollowCase{"TooLittleTyped", {{"The", nullptr}}},
        FollowCase{"StandingStill", {{"The quick", "The quick"}, {"The quick", nullptr}}},
        FollowCase{"IntoTheSecondLine",
                   {{"The quick brown", "The quick brown"}, {kLine1 + "A second", "A second"}}},
        // "the quick" comes again in the last line, where the typist then is.
        FollowCase{"LaterCopiesOnceTheTypistGetsThere",
                   {{kLine1 + kLine2 + "The third line", "The third line"},
                    {kLine1 + kLine2 + "The third line ends the quick", "ends the quick"}}},
        // A typing error inside the longer tails: a shorter one still finds the place.
        FollowCase{"ErrorBeforeTheLastWord", {{"The quick brown fox jumpz over", "jumps over"}}},
        // An error in the very last characters finds nothing until more is typed.
        FollowCase{"ErrorAtTheEnd", {{"The quick brown fox jumpz", nullptr}}},
        // A tail found only far beyond what was typed is not the typist.
        FollowCase{"TooFarAhead", {{"The third line ends", nullptr}}},
        // Corrections shrink the text; the place never moves back.
        FollowCase{"NeverBackwards",
                   {{"The quick brown fox jumps", "fox jumps"}, {"The quick", nullptr}}}),
    [](const testing::TestParamInfo<FollowCase>& info) { return std::string(info.param.name); });

TEST(LineFollowerTest, ResetStartsFromTheBeginning) {
    LineFollower follower;
    EXPECT_EQ(follower.Follow(kOriginal, "The quick brown fox"), 19u);
    follower.Reset();
    EXPECT_EQ(follower.lastFound(), 0u);
    EXPECT_EQ(follower.Follow(kOriginal, "The quick"), 9u);
}

TEST(LineFollowerTest, DisplayPositionsCountEachLineBreakOnce) {
    const std::string text = "ab\r\ncd\r\nef";
    EXPECT_EQ(LineFollower::DisplayPosition(text, 0), 0u);
    EXPECT_EQ(LineFollower::DisplayPosition(text, 2), 2u);
    EXPECT_EQ(LineFollower::DisplayPosition(text, 4), 3u);
    EXPECT_EQ(LineFollower::DisplayPosition(text, 9), 7u);
    EXPECT_EQ(LineFollower::DisplayPosition(text, 99), 8u);
}

}  // namespace
