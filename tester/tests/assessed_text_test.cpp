#include "tester/assessed_text.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "tester/test_data.h"
#include "tester/tests/typed_text_generator.h"

namespace {

double UnitAdvance(unsigned char) {
    return 1.0;
}

std::vector<AssessedLine> Lines(const std::string& text, double width) {
    return AssessedTextLayout::Break(text, UnitAdvance, width).lines();
}

TestData Assessed(const std::string& original, const std::string& typed) {
    TestData data;
    data.originalText = original;
    data.typedText = typed;
    EXPECT_TRUE(data.Assess(original, typed));
    return data;
}

TEST(AssessedTextTest, LineFiguresOfAKnownRun) {
    // "ABCD" are four capitals in a row (2+2+2+1 points); one wrong letter in "wrnng".
    const TestData data = Assessed("ABCD one\r\ntwo wrong word", "ABCD one\r\ntwo wrnng word");
    ASSERT_EQ(data.errorCount, 1);
    const AssessedText assessed = AssessedText::From(data);
    const std::vector<AssessedLine> lines = Lines(data.typedText, 40);
    ASSERT_EQ(lines.size(), 2u);
    // Strokes: "ABCD one\r\n" is 7 + 4 + 1 (CR) points, the LF none.
    EXPECT_EQ(assessed.Figures(lines, TestData::kStrokesUnit),
              (std::vector<LineFigures>{{12, 0}, {12 + 14, 1}}));
    // Words: the line break counts once.
    EXPECT_EQ(assessed.Figures(lines, TestData::kWordsUnit),
              (std::vector<LineFigures>{{9, 0}, {9 + 14, 1}}));
}

TEST(AssessedTextTest, OmittedTextCountsWhereItWasSkipped) {
    const TestData data = Assessed("one two three four five", "one two four five");
    const AssessedText assessed = AssessedText::From(data);
    const std::vector<AssessedLine> lines = Lines(data.typedText, 8);
    ASSERT_EQ(lines.size(), 3u);  // "one two ", "four ", "five"
    const std::vector<LineFigures> words = assessed.Figures(lines, TestData::kWordsUnit);
    // "three " is missing before "four": six wrong characters on the second line.
    EXPECT_EQ(words[1].errors, 6);
    EXPECT_EQ(words[0].errors + words[2].errors, 0);
    EXPECT_EQ(assessed.classes[8], CharClass::OmissionBefore);
}

TEST(AssessedTextTest, ClassesCoverTheWholeText) {
    TestData data = Assessed("abc", "abc");
    data.typedText = "abcdef";  // a typed text the assessment has not seen
    const AssessedText assessed = AssessedText::From(data);
    EXPECT_EQ(assessed.classes.size(), 6u);
    EXPECT_EQ(assessed.classes[5], CharClass::Correct);
    EXPECT_EQ(assessed.Figures(Lines(data.typedText, 10), TestData::kWordsUnit).back(),
              (LineFigures{6, 0}));
}

TEST(AssessedTextTest, ALineBreakShowsOneMark) {
    AssessedText assessed;
    assessed.text = "a\r\nb\r\nc\r\nd";
    using C = CharClass;
    assessed.classes = {C::Correct,   C::ExtraChar, C::ExtraChar,   C::Correct,     C::Correct,
                        C::WrongChar, C::Correct,   C::NotAssessed, C::NotAssessed, C::NotAssessed};
    const std::vector<CharClass> expected = {C::Correct, C::ExtraChar,  C::Correct, C::Correct,
                                             C::Correct, C::WrongChar,  C::Correct, C::NotAssessed,
                                             C::Correct, C::NotAssessed};
    for (std::size_t i = 0; i < assessed.text.size(); ++i) {
        EXPECT_EQ(assessed.MarkAt(i), expected[i]) << i;
    }
    EXPECT_EQ(assessed.MarkAt(assessed.text.size()), C::Correct);
}

TEST(AssessedTextTest, NumbersAreFormattedAsBesideTheLines) {
    EXPECT_EQ(AssessedText::FormatRunningTotal(42), "   42");
    EXPECT_EQ(AssessedText::FormatRunningTotal(123456), "123456");
    EXPECT_EQ(AssessedText::FormatLineErrors(7), "  7");
    EXPECT_EQ(AssessedText::FormatLineErrors(0), "  0");
    EXPECT_EQ(AssessedText::FormatLineErrors(1234), "1234");
}

// Whatever the text and the width, the lines add up to the figures of the basic results.
TEST(AssessedTextTest, LineFiguresAddUpToTheBasicResultsInBothUnits) {
    testing_texts::TextGenerator generator(20240611);
    for (int round = 0; round < 400; ++round) {
        const std::string original = generator.Text(1 + generator.Below(120));
        const std::string typed = generator.Variant(original);
        const std::string compared =
            round % 2 == 0 ? TestData::ExtendOriginal(original, typed) : original;
        TestData data;
        data.typedText = typed;
        ASSERT_TRUE(data.Assess(compared, typed));
        SCOPED_TRACE("round " + std::to_string(round) + ": " + typed);
        const AssessedText assessed = AssessedText::From(data);
        const std::vector<AssessedLine> lines = Lines(typed, 1 + generator.Below(70));
        for (int unit : {TestData::kStrokesUnit, TestData::kWordsUnit}) {
            const std::vector<LineFigures> figures = assessed.Figures(lines, unit);
            const BasicResults results = data.ComputeBasicResults(unit);
            ASSERT_EQ(figures.size(), lines.size());
            const int last = figures.empty() ? 0 : figures.back().runningTotal;
            const int errors =
                std::accumulate(figures.begin(), figures.end(), 0,
                                [](int sum, const LineFigures& f) { return sum + f.errors; });
            EXPECT_EQ(last, results.grossStrokes) << "unit " << unit;
            EXPECT_EQ(errors, results.errors) << "unit " << unit;
            for (std::size_t i = 1; i < figures.size(); ++i) {
                EXPECT_GE(figures[i].runningTotal, figures[i - 1].runningTotal);
            }
        }
    }
}

}  // namespace
