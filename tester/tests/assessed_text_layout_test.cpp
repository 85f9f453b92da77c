#include "tester/assessed_text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tester/tests/typed_text_generator.h"

namespace {

// Every character one unit wide, 'm' and 'W' three: widths are easy to count.
double Advance(unsigned char c) {
    return c == 'm' || c == 'W' ? 3.0 : 1.0;
}

std::vector<std::string> LineTexts(const std::string& text, double width) {
    const AssessedTextLayout layout = AssessedTextLayout::Break(text, Advance, width);
    std::vector<std::string> lines;
    for (const AssessedLine& line : layout.lines()) {
        lines.push_back(text.substr(line.begin, line.end - line.begin));
    }
    return lines;
}

struct BreakCase {
    const char* name;
    std::string text;
    double width;
    std::vector<std::string> lines;
};

void PrintTo(const BreakCase& c, std::ostream* out) {
    *out << c.name;
}

class BreakCases : public testing::TestWithParam<BreakCase> {};

TEST_P(BreakCases, BreaksAsExpected) {
    const BreakCase& c = GetParam();
    EXPECT_EQ(LineTexts(c.text, c.width), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BreakCases,
    testing::Values(
        BreakCase{"WordsThatFitStayOnOneLine", "the quick fox", 20, {"the quick fox"}},
        BreakCase{"AWordThatDoesNotFitMovesWhole",
                  "the quick brown fox",
                  10,
                  {"the quick ", "brown fox"}},
        BreakCase{"AWordEndingExactlyAtTheEdgeStays", "abcd efgh", 4, {"abcd ", "efgh"}},
        BreakCase{"OnlyOneSpaceHangs", "abcd  efgh", 4, {"abcd ", " ", "efgh"}},
        BreakCase{"WideLettersTakeTheirRoom", "mm mm", 7, {"mm ", "mm"}},
        BreakCase{"ALongerWordIsCut", "abcdefghij", 4, {"abcd", "efgh", "ij"}},
        BreakCase{
            "ALongerWordAfterAShortOneStartsItsOwnLine", "ab abcdefgh", 4, {"ab ", "abcd", "efgh"}},
        BreakCase{"CrLfEndsALine", "ab\r\ncd", 10, {"ab\r\n", "cd"}},
        BreakCase{"EmptyLinesKeepTheirBreak", "a\r\n\r\nb", 10, {"a\r\n", "\r\n", "b"}},
        BreakCase{"ABreakAtTheEndMakesNoEmptyLine", "a b\r\n", 10, {"a b\r\n"}},
        BreakCase{"ALoneLineFeedOrReturnEndsALine", "a\nb\rc", 10, {"a\n", "b\r", "c"}},
        BreakCase{"ABreakTakesNoRoom", "abcd\r\nef", 4, {"abcd\r\n", "ef"}},
        BreakCase{"NoRoomStillTakesOneCharacterALine", "abc", 0, {"a", "b", "c"}},
        BreakCase{"AnEmptyTextHasNoLines", "", 10, {}}),
    [](const testing::TestParamInfo<BreakCase>& info) { return std::string(info.param.name); });

TEST(AssessedTextLayoutTest, BoxesFollowTheWidthsAndRestartOnEachLine) {
    const std::string text = "am W\r\nxy";
    const AssessedTextLayout layout = AssessedTextLayout::Break(text, Advance, 20);
    ASSERT_EQ(layout.boxes().size(), text.size());
    const std::vector<CharBox> expected = {{0, 1},
                                           {1, 4},
                                           {4, 5},
                                           {5, 8},
                                           // the break sits after "W", one space wide
                                           {8, 9},
                                           {8, 9},
                                           {0, 1},
                                           {1, 2}};
    EXPECT_EQ(layout.boxes(), expected);
}

TEST(AssessedTextLayoutTest, LineOfFindsTheLineOfEveryIndex) {
    const std::string text = "the quick brown fox\r\njumps";
    const AssessedTextLayout layout = AssessedTextLayout::Break(text, Advance, 10);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t line = layout.LineOf(i);
        ASSERT_LT(line, layout.lines().size());
        EXPECT_LE(layout.lines()[line].begin, i);
        EXPECT_LT(i, layout.lines()[line].end);
    }
    EXPECT_EQ(layout.LineOf(text.size()), layout.lines().size());
}

TEST(AssessedTextLayoutTest, RandomTextsKeepEveryIndexAndFitTheirWidth) {
    testing_texts::TextGenerator generator(31);
    for (int round = 0; round < 300; ++round) {
        const std::string text = round % 4 == 0 ? generator.Noise(generator.Below(400))
                                                : generator.Text(1 + generator.Below(150));
        const double width = 1 + generator.Below(60);
        SCOPED_TRACE("round " + std::to_string(round) + " width " + std::to_string(width));
        const AssessedTextLayout layout = AssessedTextLayout::Break(text, Advance, width);
        ASSERT_EQ(layout.boxes().size(), text.size());
        std::size_t next = 0;
        for (const AssessedLine& line : layout.lines()) {
            // The lines follow each other without a gap and none is empty.
            ASSERT_EQ(line.begin, next);
            ASSERT_LT(line.begin, line.end);
            next = line.end;
            for (std::size_t i = line.begin; i < line.end; ++i) {
                const char c = text[i];
                // A line break may only stand at the end of its line.
                if (c == '\r' || c == '\n') {
                    EXPECT_TRUE(i + 1 == line.end ||
                                (c == '\r' && i + 2 == line.end && text[i + 1] == '\n'));
                    continue;
                }
                const CharBox& box = layout.boxes()[i];
                EXPECT_DOUBLE_EQ(box.right - box.left, Advance(static_cast<unsigned char>(c)));
                EXPECT_DOUBLE_EQ(box.left, i == line.begin ? 0.0 : layout.boxes()[i - 1].right);
                // Only a line's first character or its one hanging space goes past the width.
                if (box.right > width) {
                    EXPECT_TRUE(i == line.begin || (c == ' ' && i + 1 == line.end));
                }
            }
        }
        EXPECT_EQ(next, text.size());
    }
}

}  // namespace
