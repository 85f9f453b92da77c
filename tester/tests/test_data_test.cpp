#include "tester/test_data.h"

#include <gtest/gtest.h>

#include <string>

#include "tester/keyboard_type.h"

namespace {

TEST(TestDataTest, StartsWithItsDefaults) {
    const TestData data;
    EXPECT_EQ(data.running, 0);
    EXPECT_EQ(data.resultsAvailable, 0);
    EXPECT_EQ(data.replayRunning, 0);
    EXPECT_EQ(data.allowBackspace, 1);
    EXPECT_EQ(data.allowArrows, 1);
    EXPECT_EQ(data.allowEnter, 1);
    EXPECT_EQ(data.allowPause, 1);
    EXPECT_EQ(data.pointsPerError, 10);
    EXPECT_EQ(data.timeLimitMinutes, 5);
    EXPECT_EQ(data.scrollingType, 0);
    EXPECT_EQ(data.languageId, 1033);
    EXPECT_EQ(data.level, 5);
    EXPECT_EQ(data.runValid, 1);
    EXPECT_EQ(data.speedUnit, TestData::kWordsUnit);
    EXPECT_EQ(data.keyboardTypeName, "default");
    EXPECT_EQ(data.chars2, KeyboardType::BuiltInDefault().chars2);
    EXPECT_EQ(data.testId, "");
}

TEST(TestDataTest, ResetClearsResultsLogAndReplayOnly) {
    TestData data;
    data.runValid = 0;
    data.testId = "MV1";
    data.replayRunning = 1;
    data.replayPaused = 1;
    data.points = 1;
    data.typedLength = 2;
    data.errorCount = 3;
    data.wrongCharCount = 4;
    data.speedUnit = TestData::kStrokesUnit;
    data.keystrokeLog = {{5, 258, 'a', 0}};
    data.originalText = "kept";
    data.typedText = "kept too";
    data.durationSeconds = 60;
    data.resultsAvailable = 1;
    data.fromTestDefinition = 1;
    data.Reset();
    EXPECT_EQ(data.runValid, 1);
    EXPECT_EQ(data.testId, "-111");
    EXPECT_EQ(data.replayRunning, 0);
    EXPECT_EQ(data.replayPaused, 0);
    EXPECT_EQ(data.points + data.typedLength + data.errorCount + data.wrongCharCount, 0);
    EXPECT_EQ(data.speedUnit, TestData::kWordsUnit);
    EXPECT_TRUE(data.keystrokeLog.empty());
    EXPECT_EQ(data.originalText, "kept");
    EXPECT_EQ(data.typedText, "kept too");
    EXPECT_EQ(data.durationSeconds, 60);
    EXPECT_EQ(data.resultsAvailable, 1);
    EXPECT_EQ(data.fromTestDefinition, 1);
}

TEST(TestDataTest, TestIdCarriesTimeLengthAndLetterCounts) {
    std::string text = std::string(30, 'j') + std::string(45, 'f');
    text += std::string(1200 - text.size(), 'x');
    // 2003-02-14 09:05:07 in the UTC zone of the test programs.
    EXPECT_EQ(TestData::MakeTestId(text, 1045213507), "MV20030214_090507_1200_3045");
    EXPECT_EQ(TestData::MakeTestId("", 0), "MV19700101_000000_0_00");
}

struct ExtendCase {
    const char* name;
    const char* original;
    std::size_t typedLength;
    const char* extended;
};

void PrintTo(const ExtendCase& c, std::ostream* out) {
    *out << c.name;
}

class ExtendCases : public testing::TestWithParam<ExtendCase> {};

TEST_P(ExtendCases, RepeatsTheOriginalBeyondTheTypedLength) {
    const ExtendCase& c = GetParam();
    const std::string typed(c.typedLength, 'a');
    const std::string extended = TestData::ExtendOriginal(c.original, typed);
    EXPECT_EQ(extended, c.extended);
    if (!std::string(c.original).empty()) {
        EXPECT_GT(static_cast<double>(extended.size()), 1.02 * static_cast<double>(c.typedLength));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExtendCases,
    testing::Values(ExtendCase{"EmptyOriginalStaysEmpty", "", 50, ""},
                    ExtendCase{"ShortTypingKeepsTheOriginal", "abcde", 4, "abcde"},
                    // 5 x 1.02 / 5 = 1.02: one more copy.
                    ExtendCase{"TypingTheWholeTextAddsACopy", "abcde", 5, "abcde abcde"},
                    // 10 x 1.02 / 4 = 2.55: two more copies, no added space.
                    ExtendCase{"SpaceAtTheEndJoinsTheCopies", "abc ", 10, "abc abc abc "},
                    ExtendCase{"LineBreakAtTheEndJoinsTheCopies", "ab\r\n", 4, "ab\r\nab\r\n"},
                    // 3 x 1.02 / 3 = 1.02: a lone CR joins like a line break, a tab does not.
                    ExtendCase{"CarriageReturnAtTheEndJoinsTheCopies", "ab\r", 3, "ab\rab\r"},
                    ExtendCase{"TabAtTheEndIsNoSeparator", "ab\t", 3, "ab\t ab\t"},
                    // 100 x 1.02 / 51 = 2 exactly: two more copies.
                    ExtendCase{"MarginReachingACopyExactly",
                               "01234567890123456789012345678901234567890123456789"
                               "0",
                               100,
                               "01234567890123456789012345678901234567890123456789"
                               "0 01234567890123456789012345678901234567890123456789"
                               "0 01234567890123456789012345678901234567890123456789"
                               "0"},
                    // 49 x 1.02 / 50 = 0.9996.
                    ExtendCase{"JustBelowTheMargin",
                               "0123456789012345678901234567890123456789012345678"
                               "9",
                               49, "01234567890123456789012345678901234567890123456789"}),
    [](const testing::TestParamInfo<ExtendCase>& info) { return std::string(info.param.name); });

TEST(TestDataTest, CopyKeepsTheSharedFlags) {
    TestData data;
    data.replayRunning = 1;
    const TestData copy = data;
    EXPECT_EQ(copy.replayRunning, 1);
    EXPECT_EQ(copy.replayPaused, 0);
}

}  // namespace
