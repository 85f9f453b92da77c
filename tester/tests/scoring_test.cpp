#include "tester/scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tester/keyboard_type.h"
#include "tester/test_data.h"

namespace {

constexpr CharClass C = CharClass::Correct;
constexpr CharClass W = CharClass::WrongChar;
constexpr CharClass X = CharClass::ExtraChar;
constexpr CharClass O = CharClass::OmissionBefore;
constexpr CharClass S = CharClass::WrongCharAndOmission;
constexpr CharClass N = CharClass::NotAssessed;

std::vector<CharClass> AllCorrect(const std::string& text) {
    return std::vector<CharClass>(text.size(), C);
}

struct PointsCase {
    const char* name;
    std::string typed;
    std::vector<CharClass> classes;  // empty: all correct
    int points;
};

void PrintTo(const PointsCase& c, std::ostream* out) {
    *out << c.name;
}

class PointsCases : public testing::TestWithParam<PointsCase> {};

TEST_P(PointsCases, WeighsTheAssessedCharacters) {
    const PointsCase& c = GetParam();
    const KeyboardType table = KeyboardType::BuiltInDefault();
    const std::vector<CharClass> classes = c.classes.empty() ? AllCorrect(c.typed) : c.classes;
    EXPECT_EQ(CountPoints(c.typed, classes, table.chars2, table.chars3, table.chars4), c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PointsCases,
    testing::Values(
        PointsCase{"LowerCaseLettersAreWorthOne", std::string(100, 'a'), {}, 100},
        PointsCase{"TwelveCapitalsCountThreeFullThenOneEach", "ABCDEFGHIJKL", {}, 15},
        PointsCase{"FiveCapitals", "ABCDE", {}, 8},
        PointsCase{"DigitsAndCapitalsShareTheTwoPointRun", "A1B2C", {}, 8},
        PointsCase{"AnotherCharacterBreaksTheRun", "ABCaDEF", {}, 13},
        PointsCase{"ThreeAndFourPointLetters", "\xEF\xCF\xE1", {}, 3 + 4 + 1},
        PointsCase{"ExtraAndUnassessedCharactersAreSkipped", "abXYZ", {C, C, X, N, N}, 2},
        PointsCase{"SkippedCharactersDoNotBreakTheRun", "ABCxDE", {C, C, C, X, C, C}, 8},
        PointsCase{"LineFeedIsSkippedCarriageReturnCounts", "AB\r\nCD", {}, 2 + 2 + 1 + 2 + 2},
        PointsCase{"WrongCharactersStillCount", "Ab", {W, W}, 3},
        PointsCase{"ShortClassArrayLimitsTheCount", "abcdef", {C, C}, 2}),
    [](const testing::TestParamInfo<PointsCase>& info) { return std::string(info.param.name); });

TEST(ScoringTest, EmptySetsNeverMatch) {
    EXPECT_EQ(CountPoints("AB", AllCorrect("AB"), "", "", ""), 2);
    EXPECT_EQ(CountPoints(std::string("a\0b", 3), AllCorrect("abc"), "", "", ""), 3);
}

TEST(ScoringTest, WrongCharactersCountOmittedTextsAtTheirPositions) {
    const std::string typed = "abcdefg";
    const std::vector<CharClass> classes = {C, O, S, W, X, N, C};
    const std::vector<std::string> omitted = {"four", "xy", "three", "zz"};
    const std::vector<std::uint16_t> at = {1, 1, 2, 6};
    // 4 + 2 at the omission, 5 - 1 at the wrong run with omission, 1 each for W, X, N;
    // an omission at a correct character adds nothing.
    EXPECT_EQ(CountWrongCharacters(typed, omitted, at, classes), 6 + 4 + 3);
}

TEST(ScoringTest, WrongCharactersStopAtTheShorterArray) {
    EXPECT_EQ(CountWrongCharacters("abc", {}, {}, {W}), 1);
    EXPECT_EQ(CountWrongCharacters("a", {}, {}, {W, W, W}), 1);
}

TEST(ScoringTest, TypedLengthCountsALineBreakAsOneCharacter) {
    EXPECT_EQ(TypedLength(""), 0);
    EXPECT_EQ(TypedLength("a\r\nb"), 3);
    EXPECT_EQ(TypedLength("\r\n\r\n"), 2);
    EXPECT_EQ(TypedLength("a\rb\nc"), 5);
    EXPECT_EQ(TypedLength("\r\r\n"), 2);
}

struct BasicCase {
    const char* name;
    int unit;
    int points;
    int typedLength;
    int errorCount;
    int wrongCharCount;
    int pointsPerError;
    std::int64_t duration;
    int gross;
    int errors;
    const char* errorRate;
    float netSpeed;
};

void PrintTo(const BasicCase& c, std::ostream* out) {
    *out << c.name;
}

class BasicResultsCases : public testing::TestWithParam<BasicCase> {};

TEST_P(BasicResultsCases, ComputesGrossErrorsRateAndSpeed) {
    const BasicCase& c = GetParam();
    TestData data;
    data.points = c.points;
    data.typedLength = c.typedLength;
    data.errorCount = c.errorCount;
    data.wrongCharCount = c.wrongCharCount;
    data.pointsPerError = c.pointsPerError;
    data.durationSeconds = c.duration;
    data.speedUnit = 1 - c.unit;
    const BasicResults results = data.ComputeBasicResults(c.unit);
    EXPECT_EQ(data.speedUnit, c.unit);
    EXPECT_EQ(results.grossStrokes, c.gross);
    EXPECT_EQ(results.errors, c.errors);
    EXPECT_EQ(results.errorRate, c.errorRate);
    EXPECT_FLOAT_EQ(results.netSpeed, c.netSpeed);
}

INSTANTIATE_TEST_SUITE_P(
    Units, BasicResultsCases,
    testing::Values(
        // 100 correct letters in a minute.
        BasicCase{"HundredLettersAsStrokes", 0, 100, 100, 0, 0, 10, 60, 100, 0, "0", 100.0f},
        BasicCase{"HundredLettersAsWords", 1, 100, 100, 0, 0, 10, 60, 100, 0, "0", 20.0f},
        BasicCase{"TenErrorsAtTenPoints", 0, 300, 280, 10, 12, 10, 60, 300, 10, "3.33", 200.0f},
        BasicCase{"WrongCharactersAsWords", 1, 300, 280, 10, 12, 10, 60, 280, 12, "4.29", 53.6f},
        BasicCase{"NothingTyped", 0, 0, 0, 0, 0, 10, 60, 0, 0, "0", 0.0f},
        BasicCase{"ZeroDurationGivesNoSpeed", 1, 50, 50, 1, 2, 10, 0, 50, 2, "4.00", 0.0f},
        BasicCase{"ErrorsBeyondTheGrossGiveANegativeSpeed", 0, 20, 20, 5, 5, 10, 60, 20, 5, "25.00",
                  -30.0f},
        BasicCase{"MoreWrongCharactersThanTyped", 1, 10, 10, 3, 15, 10, 30, 10, 15, "150.00",
                  -2.0f}),
    [](const testing::TestParamInfo<BasicCase>& info) { return std::string(info.param.name); });

TEST(ScoringTest, BasicResultsShowTimeAndDateOfTheRun) {
    TestData data;
    data.durationSeconds = 125;
    data.endTime = 1045213507;
    const BasicResults results = data.ComputeBasicResults(TestData::kWordsUnit);
    EXPECT_EQ(results.totalTime, "00:02:05");
    EXPECT_EQ(results.dateOfTest, "02/14/2003");
    EXPECT_EQ(results.timeEnded, "09:05:07");
}

TEST(ScoringTest, AssessStoresTheCountsOfTheTypedText) {
    TestData data;
    // The capital is worth 2, the other 15 characters 1 each (LF is not counted); the line
    // break counts once in the length.
    ASSERT_TRUE(data.Assess("Hello world\r\nnext", "Hello world\r\nnext"));
    EXPECT_EQ(data.points, 2 + 15);
    EXPECT_EQ(data.typedLength, 16);
    EXPECT_EQ(data.errorCount, 0);
    EXPECT_EQ(data.wrongCharCount, 0);
}

TEST(ScoringTest, AssessRefusesTextsBeyondSixteenBitPositions) {
    TestData data;
    data.points = 7;
    const std::string longText(Assessment::kMaxTextLength + 1, 'a');
    EXPECT_FALSE(data.Assess(longText, "a"));
    EXPECT_FALSE(data.Assess("a", longText));
    EXPECT_EQ(data.points, 0);
    EXPECT_TRUE(data.classification.charClasses.empty());
    const std::string longest(Assessment::kMaxTextLength, 'a');
    EXPECT_TRUE(data.Assess(longest, "aaaa"));
    EXPECT_EQ(data.alignment.originalMarks.size(), Assessment::kMaxTextLength);
}

}  // namespace
