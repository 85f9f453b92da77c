#include "tester/test_data.h"

#include <algorithm>

#include "common/text_number.h"
#include "common/time_text.h"
#include "tester/keyboard_type.h"
#include "tester/scoring.h"

namespace {

// The comparison original is a little longer than the typed text, so that even the last typed
// characters have original text to be aligned with.
constexpr double kExtensionMargin = 1.02;

bool IsSeparator(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

}  // namespace

TestData::TestData() {
    const KeyboardType defaults = KeyboardType::BuiltInDefault();
    keyboardTypeName = defaults.name;
    chars1 = defaults.chars1;
    chars2 = defaults.chars2;
    chars3 = defaults.chars3;
    chars4 = defaults.chars4;
}

void TestData::Reset() {
    runValid = 1;
    testId = kNoTestId;
    replayRunning = 0;
    replayPaused = 0;
    points = 0;
    typedLength = 0;
    errorCount = 0;
    wrongCharCount = 0;
    speedUnit = kWordsUnit;
    keystrokeLog.clear();
}

std::string TestData::MakeTestId(std::string_view text, std::int64_t nowSeconds) {
    const auto js = std::count(text.begin(), text.end(), 'j');
    const auto fs = std::count(text.begin(), text.end(), 'f');
    return "MV" + TimeText::Local(nowSeconds, "%Y%m%d_%H%M%S") + "_" +
           FormatInt(static_cast<std::int64_t>(text.size())) + "_" + FormatInt(js) + FormatInt(fs);
}

std::string TestData::ExtendOriginal(std::string_view original, std::string_view typed) {
    if (original.empty()) {
        return std::string(original);
    }
    const auto copies =
        static_cast<std::size_t>(static_cast<double>(typed.size()) * kExtensionMargin /
                                 static_cast<double>(original.size()));
    const bool joined = IsSeparator(original.back());
    std::string extended(original);
    extended.reserve(original.size() + copies * (original.size() + 1));
    for (std::size_t i = 0; i < copies; ++i) {
        if (!joined) {
            extended += ' ';
        }
        extended += original;
    }
    return extended;
}

bool TestData::FitsAssessment(std::string_view original, std::string_view typed) {
    return original.size() <= Assessment::kMaxTextLength &&
           typed.size() <= Assessment::kMaxTextLength;
}

bool TestData::Assess(std::string_view original, std::string_view typed) {
    ClearAssessment();
    if (!FitsAssessment(original, typed)) {
        return false;
    }
    alignment = Assessment::Align(original, typed);
    classification = Assessment::Classify(original, typed, alignment);
    points = CountPoints(typed, classification.charClasses, chars2, chars3, chars4);
    typedLength = TypedLength(typed);
    errorCount = static_cast<int>(classification.errorPositions.size());
    wrongCharCount =
        CountWrongCharacters(typed, classification.omittedTexts, classification.omittedPositions,
                             classification.charClasses);
    return true;
}

void TestData::ClearAssessment() {
    alignment = {};
    classification = {};
    points = 0;
    typedLength = 0;
    errorCount = 0;
    wrongCharCount = 0;
}

BasicResults TestData::ComputeBasicResults(int unit) {
    speedUnit = unit;
    BasicResults results;
    results.unit = unit;
    results.totalTime = TimeText::Span(durationSeconds);
    const bool words = unit == kWordsUnit;
    const int gross = words ? typedLength : points;
    const int errors = words ? wrongCharCount : errorCount;
    results.grossStrokes = gross;
    results.errors = errors;
    results.errorRate =
        (errors > 0 && gross > 0)
            ? FormatFixed(static_cast<double>(errors) * 100.0 / static_cast<double>(gross), 2)
            : "0";
    if (durationSeconds > 0) {
        // Five characters make a word: words per minute = characters x 60 / 5 / seconds.
        const double net =
            words ? static_cast<double>(gross - errors) * 12.0
                  : (static_cast<double>(gross) - static_cast<double>(errors) * pointsPerError) *
                        60.0;
        results.netSpeed = static_cast<float>(net / static_cast<double>(durationSeconds));
    }
    results.dateOfTest = TimeText::Local(endTime, "%m/%d/%Y");
    results.timeEnded = TimeText::Local(endTime, "%H:%M:%S");
    return results;
}
