#include "tester/assessment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tester/test_data.h"

namespace {

// One letter per typed character: . correct, W wrong, X extra, O omission before,
// 7 wrong and omission, N not assessed.
std::string ClassPicture(const Assessment& assessment) {
    std::string picture;
    for (CharClass value : assessment.charClasses) {
        switch (value) {
            case CharClass::Correct:
                picture += '.';
                break;
            case CharClass::WrongChar:
                picture += 'W';
                break;
            case CharClass::ExtraChar:
                picture += 'X';
                break;
            case CharClass::OmissionBefore:
                picture += 'O';
                break;
            case CharClass::WrongCharAndOmission:
                picture += '7';
                break;
            case CharClass::NotAssessed:
                picture += 'N';
                break;
        }
    }
    return picture;
}

struct AssessCase {
    const char* name;
    const char* original;
    const char* typed;
    const char* classes;
    std::vector<std::uint16_t> errors;
    std::vector<std::string> omitted;
    std::vector<std::uint16_t> omittedAt;
};

void PrintTo(const AssessCase& c, std::ostream* out) {
    *out << c.name;
}

class AssessCases : public testing::TestWithParam<AssessCase> {};

TEST_P(AssessCases, ClassifiesAndCountsErrors) {
    const AssessCase& c = GetParam();
    Assessment assessment;
    assessment.Run(c.original, c.typed);
    EXPECT_EQ(ClassPicture(assessment), c.classes);
    EXPECT_EQ(assessment.errorPositions, c.errors);
    EXPECT_EQ(assessment.omittedTexts, c.omitted);
    EXPECT_EQ(assessment.omittedPositions, c.omittedAt);
}

// Typed positions are counted from 0. The original text under a wrong run is listed among the
// omitted texts too, at the run's first position.
INSTANTIATE_TEST_SUITE_P(
    Texts, AssessCases,
    testing::Values(AssessCase{"IdenticalTexts",
                               "The quick brown fox jumps over the lazy dog.",
                               "The quick brown fox jumps over the lazy dog.",
                               "............................................",
                               {},
                               {},
                               {}},
                    AssessCase{"IdenticalLines",
                               "One line\r\nand another.",
                               "One line\r\nand another.",
                               "......................",
                               {},
                               {},
                               {}},
                    AssessCase{"OneWrongLetter",
                               "The quick brown fox jumps",
                               "The quick brpwn fox jumps",
                               "............W............",
                               {12},
                               {"o"},
                               {12}},
                    AssessCase{"TwoWrongLettersInOneWord",
                               "The quick brown fox jumps",
                               "The quick brpen fox jumps",
                               "............WW...........",
                               {12},
                               {"ow"},
                               {12}},
                    AssessCase{"TwoWrongLettersInTwoNearWords",
                               "The quick brown fox jumps",
                               "The quick browb fix jumps",
                               "..............W..W.......",
                               {14, 17},
                               {"n", "o"},
                               {14, 17}},
                    AssessCase{"DoubledLetter",
                               "The quick brown fox jumps",
                               "The quick broown fox jumps",
                               ".............X............",
                               {13},
                               {},
                               {}},
                    AssessCase{"SkippedWord",
                               "the quick brown fox",
                               "the brown fox",
                               "...O.........",
                               {3},
                               {" quick"},
                               {3}},
                    AssessCase{"SkippedWordInALongerText",
                               "The quick brown fox jumps over the lazy dog",
                               "The quick brown jumps over the lazy dog",
                               "................O......................",
                               {16},
                               {"fox "},
                               {16}},
                    AssessCase{"ExtraWordIsOneError",
                               "The quick brown fox jumps over the lazy dog",
                               "The quick brown fox fox jumps over the lazy dog",
                               "....................XXXX.......................",
                               {20},
                               {},
                               {}},
                    AssessCase{"WrongLettersInTwoFarWords",
                               "The quick brown fox jumps over the lazy dog",
                               "The quixk brxwn fox jumps over the lazy dog",
                               ".......W....W..............................",
                               {7, 12},
                               {"c", "o"},
                               {7, 12}},
                    AssessCase{"WrongSpaceBetweenWords",
                               "The quick brown fox jumps over the lazy dog",
                               "The quickxbrown fox jumps over the lazy dog",
                               ".........W.................................",
                               {9},
                               {" "},
                               {9}},
                    AssessCase{"SpaceTypedForLineBreak",
                               "First line of text.\r\nSecond line here.",
                               "First line of text. Second line here.",
                               "...................W.................",
                               {19},
                               {"\r\n"},
                               {19}},
                    // Three original characters under two wrong ones: the first is marked as
                    // covering an omission. The near error at 9 lies in the next word, and the end
                    // of the run touches both words, so 9 is counted twice.
                    AssessCase{"ShortWrongRunOverAWordBoundary",
                               "The quick brown fox jumps over the lazy dog",
                               "The quicxxrown fox jumps over the lazy dog",
                               "........7W................................",
                               {8, 9, 9},
                               {"k b"},
                               {8}},
                    // Seven letters typed for three: the four beyond the replaced text are extra.
                    AssessCase{"LongWrongRunEndsInExtraCharacters",
                               "The quick brown fox jumps over the lazy dog",
                               "The quick bzzzzzzzn fox jumps over the lazy dog",
                               "...........WWWXXXX.............................",
                               {11},
                               {"row"},
                               {11}},
                    AssessCase{"UnfinishedLastWord",
                               "The quick brown fox jumps",
                               "The quick brown fox jxm",
                               ".....................NN",
                               {},
                               {},
                               {}},
                    AssessCase{"EmptyTypedText", "The quick brown fox", "", "", {}, {}, {}}),
    [](const testing::TestParamInfo<AssessCase>& info) { return std::string(info.param.name); });

// A map value one past the end of the original has no mark to look at: the classification stops
// there, the characters from there on keep the class they started with (correct), the unfinished
// end is not cut off and no error is counted.
INSTANTIATE_TEST_SUITE_P(
    ClassificationStops, AssessCases,
    testing::Values(
        // Nothing is aligned, so the first typed character keeps the map value 0, which lies
        // past the empty original.
        AssessCase{"EmptyOriginal", "", "abc", "...", {}, {}, {}},
        // The main pass finds no window of 3 and gives everything up. The window of 2 then pairs
        // "a " with the original's "a " one place further on; the typed character after that
        // match maps to the end of the match, one past the original. The leading space becomes
        // an omission before the first character, and the classification stops at the last one.
        AssessCase{"UnmatchedCharacterMappedPastTheOriginal", " a ", "a  ", "O..", {}, {" "}, {0}}),
    [](const testing::TestParamInfo<AssessCase>& info) { return std::string(info.param.name); });

TEST(AssessmentTest, TypingPastTheEndIsComparedWithTheRepeatedText) {
    const std::string original = "Seven swans swim slowly.";
    const std::string typed = "Seven swans swim slowly. Seven swans";
    Assessment assessment;
    assessment.Run(TestData::ExtendOriginal(original, typed), typed);
    EXPECT_EQ(ClassPicture(assessment), std::string(typed.size(), '.'));
    EXPECT_TRUE(assessment.errorPositions.empty());
}

TEST(AssessmentTest, ArraysHaveTheLengthsOfTheirTexts) {
    Assessment assessment;
    assessment.Run("original text here", "typed");
    EXPECT_EQ(assessment.typedMarks.size(), 5u);
    EXPECT_EQ(assessment.typedMap.size(), 5u);
    EXPECT_EQ(assessment.charClasses.size(), 5u);
    EXPECT_EQ(assessment.originalMarks.size(), 18u);
    EXPECT_EQ(assessment.originalMap.size(), 18u);
}

TEST(AssessmentTest, RunReplacesTheResultsOfTheRunBefore) {
    Assessment assessment;
    assessment.Run("the quick brown fox", "the brown fox");
    ASSERT_FALSE(assessment.omittedTexts.empty());
    assessment.Run("abc", "abc");
    EXPECT_TRUE(assessment.omittedTexts.empty());
    EXPECT_TRUE(assessment.errorPositions.empty());
    EXPECT_EQ(assessment.charClasses.size(), 3u);
}

}  // namespace
