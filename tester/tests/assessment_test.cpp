#include "tester/assessment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tester/test_data.h"

namespace {

// One letter per typed character: . correct, W wrong, X extra, O omission before,
// 7 wrong and omission, N not assessed.
std::string ClassPicture(const Classification& classification) {
    std::string picture;
    for (CharClass value : classification.charClasses) {
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
    TestData data;
    ASSERT_TRUE(data.Assess(c.original, c.typed));
    const Classification& result = data.classification;
    EXPECT_EQ(ClassPicture(result), c.classes);
    EXPECT_EQ(result.errorPositions, c.errors);
    EXPECT_EQ(result.omittedTexts, c.omitted);
    EXPECT_EQ(result.omittedPositions, c.omittedAt);
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
                    AssessCase{"EmptyTypedText", "The quick brown fox", "", "", {}, {}, {}},
                    // Everything typed lies beyond an empty original: extra characters, the
                    // unfinished end of the text.
                    AssessCase{"EmptyOriginal", "", "abc", "NNN", {}, {}, {}},
                    // A doubled letter in front of the end does not hide the earlier errors:
                    // the last "t" is typed beyond the original, an extra character at the
                    // unfinished end, and the swapped "eh" still counts.
                    AssessCase{"TypingBeyondTheOriginalKeepsEarlierErrors",
                               "the cat sat",
                               "teh cat satt",
                               ".WW........N",
                               {1},
                               {"he"},
                               {1}}),
    [](const testing::TestParamInfo<AssessCase>& info) { return std::string(info.param.name); });

// Texts where two searches would both find a match, so that the order of the searches shows.
INSTANTIATE_TEST_SUITE_P(
    SearchOrder, AssessCases,
    testing::Values(
        // Both shifts by one match; near the last match the typed side is tried first, so the
        // typed space is extra rather than the original "a" skipped.
        AssessCase{"NearbyExtraTypedBeforeOmittedOriginal",
                   "a a a a a a a a a a ",
                   " a a a a a a a a a a",
                   "X...................",
                   {0},
                   {},
                   {}},
        // Blocks of twelve: the original is A B C D, the typed text C B' A D'. Nothing lies
        // within a window of the start; the first ring finds C 24 places on in the original
        // before A 24 places on in the typed text, so A and B are skipped before C. The rest
        // is all wrong and, having no correct separator, is left unassessed.
        AssessCase{"FarOmittedOriginalBeforeExtraTyped",
                   "abcdefghijkl"
                   "mnopqrstuvwx"
                   "ABCDE FGHIJK"
                   "LMNOPQRSTUVW",
                   "ABCDE FGHIJK"
                   "0123456789!?"
                   "abcdefghijkl"
                   "yz#$%&*+-=<>",
                   "O..........."
                   "NNNNNNNNNNNN"
                   "NNNNNNNNNNNN"
                   "NNNNNNNNNNNN",
                   {0},
                   {"abcdefghijklmnopqrstuvwx"},
                   {0}},
        // Everything is left over after the main pass. The window of 2 finds nothing near the
        // start of the region, so the cursors move on from the last pair tried, (3, 3), and
        // leave the region: the closing " a" of both texts is never paired. Only the "b"
        // compared in place agrees, and the rest, all wrong, is left unassessed.
        AssessCase{"FailedRegionSearchMovesOnFromTheLastPairTried",
                   "bb a",
                   "aba  a",
                   "NNNNNN",
                   {},
                   {"b"},
                   {0}},
        // The window of 3 pairs "b b" at the end, and the typed space after it maps right
        // behind the original. The window of 2 then pairs "ab" at the start; a match re-maps
        // only the left-over characters directly behind it, so the last typed space keeps its
        // map: typed beyond the original, it is an extra character, and as the end of the text
        // it is left unassessed.
        AssessCase{"MatchRemapsOnlyTheLeftOversDirectlyBehindIt",
                   "aabab b",
                   "abb b ",
                   "O.O..N",
                   {0},
                   {"a", "a"},
                   {0, 2}}),
    [](const testing::TestParamInfo<AssessCase>& info) { return std::string(info.param.name); });

TEST(AssessmentTest, MatchingInPlaceLeavesTheLastTypedCharacterAlone) {
    // "ab" is matched with the window of 2; "Xd" and "cd" are left over. Compared in place, the
    // runs stop before the last position of each text, so "d" stays unmatched although it
    // agrees with the original.
    const Alignment alignment = Assessment::Align("abcd", "abXd");
    EXPECT_EQ(alignment.typedMarks,
              (std::vector<MatchMark>{MatchMark::Matched, MatchMark::Matched, MatchMark::Unmatched,
                                      MatchMark::Unmatched}));
    EXPECT_EQ(ClassPicture(Assessment::Classify("abcd", "abXd", alignment)), "..NN");
}

TEST(AssessmentTest, TypingPastTheEndIsComparedWithTheRepeatedText) {
    const std::string original = "Seven swans swim slowly.";
    const std::string typed = "Seven swans swim slowly. Seven swans";
    TestData data;
    ASSERT_TRUE(data.Assess(TestData::ExtendOriginal(original, typed), typed));
    EXPECT_EQ(ClassPicture(data.classification), std::string(typed.size(), '.'));
    EXPECT_TRUE(data.classification.errorPositions.empty());
}

TEST(AssessmentTest, ArraysHaveTheLengthsOfTheirTexts) {
    TestData data;
    ASSERT_TRUE(data.Assess("original text here", "typed"));
    EXPECT_EQ(data.alignment.typedMarks.size(), 5u);
    EXPECT_EQ(data.alignment.typedMap.size(), 5u);
    EXPECT_EQ(data.classification.charClasses.size(), 5u);
    EXPECT_EQ(data.alignment.originalMarks.size(), 18u);
    EXPECT_EQ(data.alignment.originalMap.size(), 18u);
}

TEST(AssessmentTest, AssessReplacesTheResultsOfTheAssessmentBefore) {
    TestData data;
    ASSERT_TRUE(data.Assess("the quick brown fox", "the brown fox"));
    ASSERT_FALSE(data.classification.omittedTexts.empty());
    ASSERT_TRUE(data.Assess("abc", "abc"));
    EXPECT_TRUE(data.classification.omittedTexts.empty());
    EXPECT_TRUE(data.classification.errorPositions.empty());
    EXPECT_EQ(data.classification.charClasses.size(), 3u);
    EXPECT_EQ(data.alignment.originalMarks, std::vector<MatchMark>(3, MatchMark::Matched));
}

// Classification of alignments written by hand. Every position starts unvisited and mapped to 0;
// the steps pair stretches of both texts or leave stretches over with the map a search would
// have given them (typed left-overs point at an original position, original ones at a typed
// position).
struct AlignStep {
    enum class Kind { Pairs, TypedLeftOver, OriginalLeftOver } kind;
    int original;
    int typed;
    int count;
    int map;
};

AlignStep Pairs(int original, int typed, int count) {
    return {AlignStep::Kind::Pairs, original, typed, count, 0};
}

AlignStep TypedLeftOver(int typed, int count, int map) {
    return {AlignStep::Kind::TypedLeftOver, 0, typed, count, map};
}

AlignStep OriginalLeftOver(int original, int count, int map) {
    return {AlignStep::Kind::OriginalLeftOver, original, 0, count, map};
}

Alignment HandAlignment(std::size_t originalLength, std::size_t typedLength,
                        const std::vector<AlignStep>& steps) {
    Alignment alignment;
    alignment.typedMarks.assign(typedLength, MatchMark::Unvisited);
    alignment.typedMap.assign(typedLength, 0);
    alignment.originalMarks.assign(originalLength, MatchMark::Unvisited);
    alignment.originalMap.assign(originalLength, 0);
    for (const AlignStep& step : steps) {
        for (int i = 0; i < step.count; ++i) {
            const auto o = static_cast<std::size_t>(step.original + i);
            const auto t = static_cast<std::size_t>(step.typed + i);
            switch (step.kind) {
                case AlignStep::Kind::Pairs:
                    alignment.typedMarks.at(t) = MatchMark::Matched;
                    alignment.originalMarks.at(o) = MatchMark::Matched;
                    alignment.typedMap.at(t) = static_cast<std::uint16_t>(o);
                    alignment.originalMap.at(o) = static_cast<std::uint16_t>(t);
                    break;
                case AlignStep::Kind::TypedLeftOver:
                    alignment.typedMarks.at(t) = MatchMark::Unmatched;
                    alignment.typedMap.at(t) = static_cast<std::uint16_t>(step.map);
                    break;
                case AlignStep::Kind::OriginalLeftOver:
                    alignment.originalMarks.at(o) = MatchMark::Unmatched;
                    alignment.originalMap.at(o) = static_cast<std::uint16_t>(step.map);
                    break;
            }
        }
    }
    return alignment;
}

struct ClassifyCase {
    const char* name;
    const char* original;
    const char* typed;
    std::vector<AlignStep> alignment;
    const char* classes;
    std::vector<std::uint16_t> errors;
    std::vector<std::string> omitted;
    std::vector<std::uint16_t> omittedAt;
};

void PrintTo(const ClassifyCase& c, std::ostream* out) {
    *out << c.name;
}

class ClassifyCases : public testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyCases, ClassifiesTheAlignment) {
    const ClassifyCase& c = GetParam();
    const std::string original = c.original;
    const std::string typed = c.typed;
    const Classification result = Assessment::Classify(
        original, typed, HandAlignment(original.size(), typed.size(), c.alignment));
    EXPECT_EQ(ClassPicture(result), c.classes);
    EXPECT_EQ(result.errorPositions, c.errors);
    EXPECT_EQ(result.omittedTexts, c.omitted);
    EXPECT_EQ(result.omittedPositions, c.omittedAt);
}

INSTANTIATE_TEST_SUITE_P(
    HandAlignments, ClassifyCases,
    testing::Values(
        // The wrong run "xyz" stands for "b c": the error at 1 and, at the correct "d" after the
        // run, one error for each of the two words the run covers.
        ClassifyCase{
            "WrongRunOverTwoWordsCountsInEach",
            "ab cd e",
            "axyzd e",
            {Pairs(0, 0, 1), TypedLeftOver(1, 3, 1), OriginalLeftOver(1, 3, 1), Pairs(4, 4, 3)},
            ".WWW...",
            {1, 3, 3},
            {"b c"},
            {1}},
        // The same run followed by a typed space: only one error where the run ends.
        ClassifyCase{
            "WrongRunBeforeASpaceCountsOnce",
            "ab c e",
            "axyz e",
            {Pairs(0, 0, 1), TypedLeftOver(1, 3, 1), OriginalLeftOver(1, 3, 1), Pairs(4, 4, 2)},
            ".WWW..",
            {1, 3},
            {"b c"},
            {1}},
        // One wrong character for a line break: CR LF is one character, so the wrong one
        // covers it, and the end of the run adds no error.
        ClassifyCase{
            "WrongCharacterForALineBreak",
            "a\r\nb c",
            "axb c",
            {Pairs(0, 0, 1), TypedLeftOver(1, 1, 1), OriginalLeftOver(1, 2, 1), Pairs(3, 2, 3)},
            ".W...",
            {1},
            {"\r\n"},
            {1}},
        // The same for two spaces: the wrong character covers less than was skipped, and the
        // end of the run starts with a separator, which counts a second error at 1.
        ClassifyCase{
            "WrongCharacterForTwoSpaces",
            "a  b c",
            "axb c",
            {Pairs(0, 0, 1), TypedLeftOver(1, 1, 1), OriginalLeftOver(1, 2, 1), Pairs(3, 2, 3)},
            ".7...",
            {1, 1},
            {"  "},
            {1}},
        // A wrong character 5 places after an error in the same word is near and not counted;
        // 6 places after it counts.
        ClassifyCase{
            "WrongCharacterFivePlacesOn",
            "abcdefghij kl",
            "axcdefxhij kl",
            {Pairs(0, 0, 1), TypedLeftOver(1, 1, 1), OriginalLeftOver(1, 1, 1), Pairs(2, 2, 4),
             TypedLeftOver(6, 1, 6), OriginalLeftOver(6, 1, 6), Pairs(7, 7, 6)},
            ".W....W......",
            {1},
            {"b", "g"},
            {1, 6}},
        ClassifyCase{
            "WrongCharacterSixPlacesOn",
            "abcdefghij kl",
            "axcdefgxij kl",
            {Pairs(0, 0, 1), TypedLeftOver(1, 1, 1), OriginalLeftOver(1, 1, 1), Pairs(2, 2, 5),
             TypedLeftOver(7, 1, 7), OriginalLeftOver(7, 1, 7), Pairs(8, 8, 5)},
            ".W.....W.....",
            {1, 7},
            {"b", "h"},
            {1, 7}},
        // A near wrong character typed for the space itself: the original from the last error
        // up to and including it holds the separator, so it counts.
        ClassifyCase{
            "NearWrongCharacterForTheSpace",
            "abc def gh",
            "axczdef gh",
            {Pairs(0, 0, 1), TypedLeftOver(1, 1, 1), OriginalLeftOver(1, 1, 1), Pairs(2, 2, 1),
             TypedLeftOver(3, 1, 3), OriginalLeftOver(3, 1, 3), Pairs(4, 4, 6)},
            ".W.W......",
            {1, 3},
            {"b", " "},
            {1, 3}},
        // A near omission just before the space: the original up to, not including, the
        // omission's own character holds no separator, so it does not count.
        ClassifyCase{"NearOmissionBeforeTheSpace",
                     "abcd ef gh",
                     "axc ef gh",
                     {Pairs(0, 0, 1), TypedLeftOver(1, 1, 1), OriginalLeftOver(1, 1, 1),
                      Pairs(2, 2, 1), OriginalLeftOver(3, 1, 3), Pairs(4, 3, 6)},
                     ".W.O.....",
                     {1},
                     {"b", "d"},
                     {1, 3}},
        // Extra characters near a wrong one in the same word add no error; mapped behind the
        // next space of the original they do.
        ClassifyCase{"NearExtraCharactersInTheSameWord",
                     "abc de",
                     "axcyy de",
                     {Pairs(0, 0, 1), TypedLeftOver(1, 1, 1), OriginalLeftOver(1, 1, 1),
                      Pairs(2, 2, 1), TypedLeftOver(3, 2, 3), Pairs(3, 5, 3)},
                     ".W.XX...",
                     {1},
                     {"b"},
                     {1}},
        ClassifyCase{"NearExtraCharactersInTheNextWord",
                     "abc de",
                     "axcyy de",
                     {Pairs(0, 0, 1), TypedLeftOver(1, 1, 1), OriginalLeftOver(1, 1, 1),
                      Pairs(2, 2, 1), TypedLeftOver(3, 2, 4), Pairs(3, 5, 3)},
                     ".W.XX...",
                     {1, 3},
                     {"b"},
                     {1}},
        // A run of extra characters counts once, and the character after it is not examined:
        // the wrong "z" adds no error.
        ClassifyCase{"CharacterAfterExtraRunIsNotExamined",
                     "abcdefg ij",
                     "abcXXzefg ij",
                     {Pairs(0, 0, 3), TypedLeftOver(3, 2, 2), TypedLeftOver(5, 1, 3),
                      OriginalLeftOver(3, 1, 5), Pairs(4, 6, 6)},
                     "...XXW......",
                     {3},
                     {"d"},
                     {5}},
        // A space typed last does not end the unfinished word before it.
        ClassifyCase{
            "TrailingSpaceDoesNotEndTheUnfinishedWord",
            "ab cd ",
            "ab cx ",
            {Pairs(0, 0, 4), TypedLeftOver(4, 1, 4), OriginalLeftOver(4, 1, 4), Pairs(5, 5, 1)},
            "....NN",
            {},
            {"d"},
            {4}},
        // At the correct "a" after the wrong "x", the left-over original under "x" runs to the
        // end of the original. The end is an answer the counting rules expect (b <= LO), so
        // no error is added there and the wrong "z" further on is counted as well.
        ClassifyCase{"LeftOverRunToTheEndStillCountsLaterErrors",
                     "ab cd ef gh",
                     "xab cd ez g",
                     {TypedLeftOver(0, 1, 10), OriginalLeftOver(10, 1, 0), Pairs(0, 1, 7),
                      TypedLeftOver(8, 1, 7), OriginalLeftOver(7, 1, 8), Pairs(8, 9, 2)},
                     "W.......W..",
                     {0, 8},
                     {"f"},
                     {8}},
        // The skipped "b" was left over behind the end of the typed text: the omission is
        // listed there, and the classification stops, so nothing is cut off or counted.
        ClassifyCase{"OmissionPastTheTypedTextStopsTheClassification",
                     "q abc",
                     "z ac",
                     {TypedLeftOver(0, 1, 0), OriginalLeftOver(0, 1, 0), Pairs(1, 1, 2),
                      OriginalLeftOver(3, 1, 4), Pairs(4, 3, 1)},
                     "W...",
                     {},
                     {"q", "b"},
                     {0, 4}}),
    [](const testing::TestParamInfo<ClassifyCase>& info) { return std::string(info.param.name); });

TEST(AssessmentTest, ShortArraysEndTheClassificationWhereTheyEnd) {
    const std::string original = "a c";
    const std::string typed = "x c";
    Alignment alignment =
        HandAlignment(original.size(), typed.size(),
                      {TypedLeftOver(0, 1, 0), OriginalLeftOver(0, 1, 0), Pairs(1, 1, 2)});
    Classification result = Assessment::Classify(original, typed, alignment);
    EXPECT_EQ(ClassPicture(result), "W..");
    EXPECT_EQ(result.errorPositions, std::vector<std::uint16_t>{0});

    // Without the map of the last typed character the first two are classified, then nothing.
    alignment.typedMap.pop_back();
    result = Assessment::Classify(original, typed, alignment);
    EXPECT_EQ(ClassPicture(result), "W..");
    EXPECT_TRUE(result.errorPositions.empty());
    EXPECT_EQ(result.omittedTexts, std::vector<std::string>{"a"});
}

}  // namespace
