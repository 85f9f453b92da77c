// Random texts and typed variants of them: whatever the alignment makes of them, the results
// keep their shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tester/test_data.h"
#include "tester/tests/typed_text_generator.h"

namespace {

using testing_texts::TextGenerator;

bool IsKnownClass(CharClass value) {
    switch (value) {
        case CharClass::Correct:
        case CharClass::WrongChar:
        case CharClass::ExtraChar:
        case CharClass::OmissionBefore:
        case CharClass::WrongCharAndOmission:
        case CharClass::NotAssessed:
            return true;
    }
    return false;
}

void ExpectWellFormed(const TestData& data, const std::string& original, const std::string& typed) {
    const Alignment& alignment = data.alignment;
    const Classification& a = data.classification;
    const std::size_t lo = original.size();
    const std::size_t lt = typed.size();
    ASSERT_EQ(alignment.typedMarks.size(), lt);
    ASSERT_EQ(alignment.typedMap.size(), lt);
    ASSERT_EQ(a.charClasses.size(), lt);
    ASSERT_EQ(alignment.originalMarks.size(), lo);
    ASSERT_EQ(alignment.originalMap.size(), lo);
    for (std::uint16_t target : alignment.typedMap) {
        EXPECT_LE(target, lo);
    }
    for (std::uint16_t target : alignment.originalMap) {
        EXPECT_LE(target, lt);
    }
    for (CharClass value : a.charClasses) {
        EXPECT_TRUE(IsKnownClass(value));
    }
    // The unassessed characters are the end of the typed text.
    const auto firstNotAssessed =
        std::find(a.charClasses.begin(), a.charClasses.end(), CharClass::NotAssessed);
    EXPECT_TRUE(std::all_of(firstNotAssessed, a.charClasses.end(),
                            [](CharClass c) { return c == CharClass::NotAssessed; }));

    EXPECT_TRUE(std::is_sorted(a.errorPositions.begin(), a.errorPositions.end()));
    for (std::uint16_t position : a.errorPositions) {
        EXPECT_LT(position, lt);
    }
    ASSERT_EQ(a.omittedTexts.size(), a.omittedPositions.size());
    for (std::size_t i = 0; i < a.omittedTexts.size(); ++i) {
        // Only an omission at which the classification stopped lies past the typed text.
        if (i + 1 < a.omittedTexts.size()) {
            EXPECT_LT(a.omittedPositions[i], lt);
        } else {
            EXPECT_LE(a.omittedPositions[i], lt);
        }
        EXPECT_FALSE(a.omittedTexts[i].empty());
    }

    EXPECT_EQ(data.errorCount, static_cast<int>(a.errorPositions.size()));
    EXPECT_LE(data.errorCount, 3 * static_cast<int>(lt));
    EXPECT_GE(data.points, 0);
    EXPECT_LE(data.points, 4 * static_cast<int>(lt));
    EXPECT_LE(data.typedLength, static_cast<int>(lt));
    EXPECT_GE(data.wrongCharCount, 0);
    EXPECT_LE(data.wrongCharCount, static_cast<int>(lt + lo));
}

TEST(AssessmentPropertyTest, TypedVariantsOfRandomTextsGiveWellFormedResults) {
    TextGenerator generator(20240611);
    for (int round = 0; round < 400; ++round) {
        const std::string original = generator.Text(1 + generator.Below(120));
        const std::string typed = generator.Variant(original);
        const std::string compared =
            round % 2 == 0 ? TestData::ExtendOriginal(original, typed) : original;
        TestData data;
        ASSERT_TRUE(data.Assess(compared, typed));
        SCOPED_TRACE("round " + std::to_string(round) + ": " + typed);
        ExpectWellFormed(data, compared, typed);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(AssessmentPropertyTest, RandomBytesGiveWellFormedResults) {
    TextGenerator generator(77);
    for (int round = 0; round < 300; ++round) {
        const std::string original = generator.Noise(generator.Below(300));
        const std::string typed =
            round % 3 == 0 ? generator.Variant(original) : generator.Noise(generator.Below(300));
        TestData data;
        ASSERT_TRUE(data.Assess(original, typed));
        SCOPED_TRACE("round " + std::to_string(round));
        ExpectWellFormed(data, original, typed);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(AssessmentPropertyTest, IdenticalTextsAndPrefixesHaveNoErrors) {
    TextGenerator generator(5);
    for (int round = 0; round < 200; ++round) {
        const std::string original = generator.Text(1 + generator.Below(200));
        const std::size_t cut = round % 2 == 0
                                    ? original.size()
                                    : 1 + generator.Below(static_cast<int>(original.size()));
        const std::string typed = original.substr(0, cut);
        TestData data;
        ASSERT_TRUE(data.Assess(TestData::ExtendOriginal(original, typed), typed));
        SCOPED_TRACE(typed);
        EXPECT_TRUE(std::all_of(data.classification.charClasses.begin(),
                                data.classification.charClasses.end(),
                                [](CharClass c) { return c == CharClass::Correct; }));
        EXPECT_EQ(data.errorCount, 0);
        EXPECT_EQ(data.wrongCharCount, 0);
        EXPECT_TRUE(data.classification.omittedTexts.empty());
    }
}

TEST(AssessmentPropertyTest, AssessingTwiceGivesTheSameResults) {
    TextGenerator generator(99);
    for (int round = 0; round < 50; ++round) {
        const std::string original = generator.Text(1 + generator.Below(80));
        const std::string typed = generator.Variant(original);
        TestData first;
        TestData second;
        second.Assess("something else entirely", "other typing");
        first.Assess(original, typed);
        second.Assess(original, typed);
        EXPECT_EQ(first.alignment.typedMarks, second.alignment.typedMarks);
        EXPECT_EQ(first.alignment.originalMarks, second.alignment.originalMarks);
        EXPECT_EQ(first.alignment.typedMap, second.alignment.typedMap);
        EXPECT_EQ(first.alignment.originalMap, second.alignment.originalMap);
        EXPECT_EQ(first.classification.charClasses, second.classification.charClasses);
        EXPECT_EQ(first.classification.errorPositions, second.classification.errorPositions);
        EXPECT_EQ(first.classification.omittedTexts, second.classification.omittedTexts);
        EXPECT_EQ(first.points, second.points);
        EXPECT_EQ(first.wrongCharCount, second.wrongCharCount);
    }
}

}  // namespace
