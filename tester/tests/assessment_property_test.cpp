// Random texts and typed variants of them: whatever the alignment makes of them, the results
// keep their shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tester/test_data.h"

namespace {

const std::vector<std::string> kWords = {
    "the", "quick", "brown", "fox",    "jumps",     "over",     "lazy",        "dog",
    "a",   "in",    "of",    "typing", "text",      "Morvik",   "keys",        "and",
    "to",  "speed", "error", "word",   "\xE8\x61s", "\x9Akola", "mo\x9En\xE9", "kd\xFD\x9E",
    "I",   "was",   "is",    "on",     "at",        "it"};

class TextGenerator {
  public:
    explicit TextGenerator(unsigned seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string Text(int words) {
        std::string text;
        for (int i = 0; i < words; ++i) {
            if (i > 0) {
                text += Below(12) == 0 ? "\r\n" : " ";
            }
            text += kWords[Below(static_cast<int>(kWords.size()))];
            if (Below(8) == 0) {
                text += Below(2) == 0 ? "," : ".";
            }
        }
        return text;
    }

    // Bytes of every value, NUL and line breaks included.
    std::string Noise(int length) {
        std::string text;
        for (int i = 0; i < length; ++i) {
            text += static_cast<char>(Below(256));
        }
        return text;
    }

    std::string Variant(const std::string& original) {
        std::string typed = original;
        const int edits = Below(8);
        for (int i = 0; i < edits && !typed.empty(); ++i) {
            const int at = Below(static_cast<int>(typed.size()));
            switch (Below(6)) {
                case 0:  // wrong letter
                    typed[at] = static_cast<char>('a' + Below(26));
                    break;
                case 1:  // doubled letter
                    typed.insert(typed.begin() + at, typed[at]);
                    break;
                case 2: {  // omitted word
                    const std::size_t end = typed.find(' ', at);
                    typed.erase(at, end == std::string::npos ? std::string::npos : end - at + 1);
                    break;
                }
                case 3:  // extra word
                    typed.insert(at, kWords[Below(static_cast<int>(kWords.size()))] + " ");
                    break;
                case 4:  // transposed letters
                    if (at + 1 < static_cast<int>(typed.size())) {
                        std::swap(typed[at], typed[at + 1]);
                    }
                    break;
                default:  // the typist stopped early
                    typed.resize(at);
                    break;
            }
        }
        return typed;
    }

  private:
    std::mt19937 random_;
};

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
