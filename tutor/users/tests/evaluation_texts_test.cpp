#include "tutor/users/evaluation_texts.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/testing/temp_dir.h"
#include "tutor/users/random_source.h"
#include "tutor/users/tests/users_test_support.h"

namespace {

/// Hands out the numbers given, then 0; records the ranges asked for.
class ScriptedRandom final : public RandomSource {
  public:
    int Next(int maxInclusive) override {
        ranges.push_back(maxInclusive);
        if (numbers.empty()) {
            return 0;
        }
        const int n = numbers.front();
        numbers.pop_front();
        return n;
    }
    std::deque<int> numbers;
    std::vector<int> ranges;
};

using Lines = std::vector<std::string>;

/// closing (random) <- tail (previous grade) <- error (kind 3, two texts) <- speed (kind 1,
/// two texts) <- name.
Lines SmallFile() {
    return {
        ":closing",    "#0", "Bye.",       "See you.", "",           ":closing",    "#0",
        "Unused.",     "",   ":tail",      "#2",       "Tail low",   "Tail high",   "",
        ":tail",       "#2", "Other tail", "",         ":err",       "#3",          "and clean.",
        "and sloppy.", "",   ":err",       "#3",       "but clean.", "but sloppy.", "",
        ":speed",      "#1", "Fast,",      "Slow,",    "",           ":name",       "#9",
        "(the name)",  ""};
}

EvaluationTexts::Inputs Inputs(int speed, int error) {
    EvaluationTexts::Inputs in;
    in.grades = {speed, error, 0, 100};
    in.userName = "Petr";
    return in;
}

TEST(EvaluationTextsParse, ReadsLabelsKindsAndTexts) {
    const EvaluationTexts texts = EvaluationTexts::FromLines(SmallFile());
    ASSERT_EQ(texts.groups().size(), 8u);
    EXPECT_EQ(texts.groups()[0].label, "closing");
    EXPECT_EQ(texts.groups()[0].kind, 0);
    EXPECT_EQ(texts.groups()[0].texts, (Lines{"Bye.", "See you."}));
    EXPECT_EQ(texts.groups()[7].kind, 9);
    EXPECT_EQ(texts.groups()[4].texts, (Lines{"and clean.", "and sloppy."}));
}

TEST(EvaluationTextsParse, IgnoresLinesBeforeTheFirstLabelAndCarriageReturns) {
    const EvaluationTexts texts =
        EvaluationTexts::FromLines({"stray", "", ":a\r", "#5\r", "One\r", "", "stray after"});
    ASSERT_EQ(texts.groups().size(), 1u);
    EXPECT_EQ(texts.groups()[0].label, "a");
    EXPECT_EQ(texts.groups()[0].kind, 5);
    EXPECT_EQ(texts.groups()[0].texts, Lines{"One"});
}

struct IndexCase {
    int grade;
    int count;
    int index;
};
class TextIndex : public testing::TestWithParam<IndexCase> {};
TEST_P(TextIndex, SplitsTheGradesEvenly) {
    EXPECT_EQ(EvaluationTexts::TextIndex(GetParam().grade, GetParam().count), GetParam().index);
}
INSTANTIATE_TEST_SUITE_P(Table, TextIndex,
                         testing::Values(IndexCase{0, 4, 0}, IndexCase{24, 4, 0},
                                         IndexCase{25, 4, 1}, IndexCase{99, 4, 3},
                                         IndexCase{100, 4, 3}, IndexCase{33, 3, 0},
                                         IndexCase{34, 3, 1}, IndexCase{99, 3, 2},
                                         IndexCase{50, 1, 0}, IndexCase{-5, 2, 0},
                                         IndexCase{7, 0, 0}));

TEST(EvaluationTextsCompose, FollowsTheChosenTextToTheGroupOfTheSameIndex) {
    const EvaluationTexts texts = EvaluationTexts::FromLines(SmallFile());
    ScriptedRandom random;
    random.numbers = {60};
    // Slow (speed grade 70: second text) leads to the second error group; error grade 20
    // picks "but clean." and leads to the first tail group, whose previous grade 20 picks
    // "Tail low"; it leads to the first closing group, where 60 picks "See you.".
    EXPECT_EQ(texts.Compose(Inputs(70, 20), random),
              "Petr. \r\nSlow, but clean. \r\nTail low See you. \r\n");
    EXPECT_EQ(random.ranges, std::vector<int>{98});
}

TEST(EvaluationTextsCompose, FastAndSloppy) {
    const EvaluationTexts texts = EvaluationTexts::FromLines(SmallFile());
    ScriptedRandom random;
    EXPECT_EQ(texts.Compose(Inputs(10, 80), random),
              "Petr. \r\nFast, and sloppy. \r\nOther tail Bye. \r\n");
}

TEST(EvaluationTextsCompose, ListGroupsAppendTheirListOrAreLeftOut) {
    const Lines lines = {":slow",       "#6", "Slow ones:", "",   ":faults",   "#4",
                         "Wrong ones:", "",   ":whole",     "#8", "All done.", ""};
    const EvaluationTexts texts = EvaluationTexts::FromLines(lines);
    ScriptedRandom random;
    EvaluationTexts::Inputs in = Inputs(0, 0);
    in.wrongCharacters = "a, Space";
    EXPECT_EQ(texts.Compose(in, random), "All done. \r\nWrong ones: a, Space.\r\n");
    in.grades.completion = 99;
    in.wrongCharacters.clear();
    in.slowCharacters = "k";
    EXPECT_EQ(texts.Compose(in, random), "Slow ones: k.\r\n");
}

TEST(EvaluationTextsCompose, CompletionBetweenEightyAndHundredCountsAsEighty) {
    const Lines lines = {":c", "#7", "Little.", "Some.", "Much.", "Nearly all.", "All.", ""};
    const EvaluationTexts texts = EvaluationTexts::FromLines(lines);
    ScriptedRandom random;
    EvaluationTexts::Inputs in = Inputs(0, 0);
    for (const auto& [completion, text] : std::vector<std::pair<int, std::string>>{
             {79, "Nearly all."}, {81, "All."}, {99, "All."}, {100, "All."}, {20, "Some."}}) {
        in.grades.completion = completion;
        EXPECT_EQ(texts.Compose(in, random), text + " \r\n") << completion;
    }
}

TEST(EvaluationTextsCompose, TextsPastTheGroupsOfTheLabelBeforeLeadToItsLastGroup) {
    const Lines lines = {":a", "#3", "A0.", "",   ":a", "#3", "A1.", "",
                         ":b", "#1", "B0",  "B1", "B2", "B3", ""};
    const EvaluationTexts texts = EvaluationTexts::FromLines(lines);
    ScriptedRandom random;
    EXPECT_EQ(texts.Compose(Inputs(99, 0), random), "B3 A1. \r\n");
    EXPECT_EQ(texts.Compose(Inputs(0, 0), random), "B0 A0. \r\n");
}

TEST(EvaluationTextsCompose, OddGroupsNeitherCrashNorLeadAstray) {
    // A label without texts, a kind outside the known ones (random), a negative kind.
    const Lines lines = {":a", "#3", "A0.", "A1.", "",    ":b", "#42",
                         "B0", "B1", "",    ":c",  "#-7", "",   ":d"};
    const EvaluationTexts texts = EvaluationTexts::FromLines(lines);
    ASSERT_EQ(texts.groups().size(), 4u);
    ScriptedRandom random;
    random.numbers = {10, 20, 70};
    // d and c add nothing; b takes a random grade (70: "B1") and leads to a's first group.
    EXPECT_EQ(texts.Compose(Inputs(0, 99), random), "B1 A1. \r\n");
    EXPECT_EQ(random.ranges, (std::vector<int>{98, 98, 98}));
}

TEST(EvaluationTextsCompose, EmptyTextsComposeNothing) {
    ScriptedRandom random;
    EXPECT_EQ(EvaluationTexts().Compose(Inputs(0, 0), random), "");
}

TEST(EvaluationTextsCompose, SameSeedSameEvaluation) {
    const EvaluationTexts texts = EvaluationTexts::FromLines(SmallFile());
    std::string first;
    for (int i = 0; i < 2; ++i) {
        SeededRandomSource random(SeededRandomSource::SeedFrom("results file bytes"));
        const std::string text = texts.Compose(Inputs(50, 50), random);
        if (i == 0) {
            first = text;
        } else {
            EXPECT_EQ(text, first);
        }
    }
    SeededRandomSource random(1);
    for (int i = 0; i < 1000; ++i) {
        const int n = random.Next(98);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 98);
    }
}

TEST(EvaluationTextsLoad, ReadsTheContainerFileAndRefusesAMissingOne) {
    TempDir folder;
    WriteLineFile(folder.File("textinfo.ddd"), SmallFile());
    EvaluationTexts texts;
    ASSERT_TRUE(texts.Load(folder.File("textinfo.ddd")));
    EXPECT_EQ(texts.groups().size(), 8u);
    EXPECT_FALSE(texts.Load(folder.File("missing.ddd")));
    folder.Write("damaged.ddd", "not a container at all");
    EXPECT_FALSE(texts.Load(folder.File("damaged.ddd")));
}

/// The lines of the delivered evaluation texts, as written in their source file.
Lines DeliveredTextLines() {
    std::ifstream in(std::string(KELVANE_SOURCE_DIR) + "/data/config/textinfo.ddd.txt");
    Lines lines;
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

TEST(DeliveredEvaluationTexts, ComposeAFullEvaluationOfAGoodCompleteRun) {
    const EvaluationTexts texts = EvaluationTexts::FromLines(DeliveredTextLines());
    ASSERT_FALSE(texts.empty());
    EvaluationTexts::Inputs in;
    in.grades = {10, 20, 5, 100};  // fast, few errors, even, complete
    in.userName = "Petr";
    in.wrongCharacters = "k, Space";
    ScriptedRandom random;
    const std::string text = texts.Compose(in, random);
    // The opening greets the user by name on the first line.
    EXPECT_LT(text.find(", Petr. \r\n"), text.find("You typed")) << text;
    EXPECT_NE(text.find("You typed far faster than this lesson asks, and you made hardly any "
                        "mistakes. That is excellent work."),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("k, Space."), std::string::npos) << text;
    EXPECT_NE(text.find("Your rhythm was very even"), std::string::npos) << text;
    EXPECT_NE(text.find("You finished the whole text."), std::string::npos) << text;
    EXPECT_EQ(text.find("slowed you down"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(DeliveredEvaluationTexts, IncompleteSlowRunAsksToReachTheEnd) {
    const EvaluationTexts texts = EvaluationTexts::FromLines(DeliveredTextLines());
    EvaluationTexts::Inputs in;
    in.grades = {90, 95, 80, 40};
    in.userName = "Eva";
    in.slowCharacters = "q";
    ScriptedRandom random;
    const std::string text = texts.Compose(in, random);
    EXPECT_NE(text.find("You typed at less than half the speed"), std::string::npos) << text;
    EXPECT_NE(text.find("q."), std::string::npos) << text;
    EXPECT_NE(text.find("You copied less than half of the text."), std::string::npos) << text;
    EXPECT_EQ(text.find("You finished the whole text."), std::string::npos) << text;
    EXPECT_EQ(text.find("went wrong"), std::string::npos) << text;
}

}  // namespace
