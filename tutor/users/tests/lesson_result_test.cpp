#include "tutor/users/lesson_result.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(LessonResult, TextFormHasEveryFieldFollowedByAColon) {
    LessonResult result;
    result.bestTime = 1700000000;
    result.bestErrorRate = 1.005;
    result.bestSpeed = 143;
    result.activeSeconds = 5000000000LL;
    result.attempts = 7;
    // 1.005 is stored just below itself, so two decimals give 1.00 as printf would.
    EXPECT_EQ(result.toText(), "1700000000:1.00:143:5000000000:7:");
    result.bestErrorRate = 12.345678;
    result.bestTime = -5;
    EXPECT_EQ(result.toText(), "-5:12.35:143:5000000000:7:");
}

struct ParseCase {
    const char* line;
    bool parses;
    LessonResult expected;
};

class LessonResultParse : public testing::TestWithParam<ParseCase> {};

TEST_P(LessonResultParse, ReadsFieldsInTextOrder) {
    const ParseCase& c = GetParam();
    std::optional<LessonResult> result = LessonResult::fromText(c.line);
    ASSERT_EQ(result.has_value(), c.parses) << c.line;
    if (c.parses) {
        EXPECT_EQ(*result, c.expected) << c.line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LessonResultParse,
    testing::Values(ParseCase{"1700000000:1.25:120:300:4:", true, {1700000000, 120, 1.25, 300, 4}},
                    ParseCase{"1:2.5:3:4:5:trailing text", true, {1, 3, 2.5, 4, 5}},
                    // Text that is not a number reads as 0 and the line still counts.
                    ParseCase{"abc:x:120:300:4:", true, {0, 120, 0.0, 300, 4}},
                    ParseCase{"1:2.0:::", false, {}}, ParseCase{"::::", false, {}},
                    ParseCase{":::::", true, {0, 0, 0.0, 0, 0}},
                    // The last field without its colon rejects the line.
                    ParseCase{"1700000000:1.25:120:300:4", false, {}}, ParseCase{"", false, {}},
                    ParseCase{"99999999999999999999:1e400:99999999999:-1:1:",
                              true,
                              {std::numeric_limits<std::int64_t>::max(),
                               std::numeric_limits<std::int32_t>::max(),
                               std::numeric_limits<double>::infinity(), -1, 1}}));

TEST(LessonResult, TextFormReadsBack) {
    LessonResult result{1699999999, 250, 3.75, 86400, 12};
    EXPECT_EQ(LessonResult::fromText(result.toText()), result);
}

TEST(LessonResult, MergeKeepsLowerErrorRateThenHigherSpeed) {
    LessonResult result = LessonResult::empty(100);
    struct Step {
        std::int64_t time;
        double errorRate;
        std::int32_t speed;
        std::int64_t bestTimeAfter;
    };
    const Step steps[] = {
        {200, 2.0, 120, 200},  // the first qualified attempt replaces the empty record
        {300, 2.0, 130, 300},  // same rate, faster
        {400, 1.5, 90, 400},   // lower rate wins even when slower
        {500, 1.5, 90, 400},   // an equal attempt does not
        {600, 1.5, 80, 400},   // same rate, slower
        {700, 1.6, 200, 400},  // higher rate, faster
    };
    for (const Step& step : steps) {
        result.merge(step.time, step.errorRate, step.speed, 10);
        EXPECT_EQ(result.bestTime, step.bestTimeAfter) << "attempt at " << step.time;
    }
    EXPECT_DOUBLE_EQ(result.bestErrorRate, 1.5);
    EXPECT_EQ(result.bestSpeed, 90);
    EXPECT_EQ(result.activeSeconds, 60);
    EXPECT_EQ(result.attempts, 6);
}

TEST(LessonResult, UnqualifiedAttemptCountsTimeButNeverDisplacesTheBest) {
    LessonResult result = LessonResult::empty(100);
    result.merge(200, 1.5, 90, 30);
    result.merge(300, 0.0, 0, 0);
    EXPECT_EQ(result.attempts, 1) << "an attempt of no time is not counted";
    EXPECT_EQ(result.activeSeconds, 30);
    result.merge(400, 0.0, 0, 12);
    EXPECT_EQ(result.attempts, 2);
    EXPECT_EQ(result.activeSeconds, 42);
    EXPECT_EQ(result.bestTime, 200);
    EXPECT_DOUBLE_EQ(result.bestErrorRate, 1.5);
    EXPECT_EQ(result.bestSpeed, 90);
}

TEST(LessonResult, UnqualifiedAttemptFillsAnEmptyRecordWithoutQualifyingIt) {
    LessonResult result = LessonResult::empty(100);
    result.merge(200, 0.0, 0, 12);
    EXPECT_EQ(result.bestTime, 200);
    EXPECT_EQ(result.bestSpeed, 0);
    EXPECT_EQ(ResultRating(result, 2.0), 5);
    // Still unqualified, so the next qualified attempt takes its place.
    result.merge(300, 4.0, 60, 12);
    EXPECT_EQ(result.bestSpeed, 60);
}

TEST(LessonResult, CountersFromAFileDoNotOverflow) {
    LessonResult result;
    result.bestSpeed = 1;
    result.activeSeconds = std::numeric_limits<std::int64_t>::max() - 1;
    result.attempts = std::numeric_limits<std::int32_t>::max();
    result.merge(1, 1.0, 1, 5);
    EXPECT_EQ(result.activeSeconds, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(result.attempts, std::numeric_limits<std::int32_t>::max());
}

struct RatingCase {
    double errorRate;
    std::int32_t speed;
    int rating;
};

class ResultRatingBounds : public testing::TestWithParam<RatingCase> {};

TEST_P(ResultRatingBounds, GradesInFifthsOfTheLimit) {
    LessonResult result{0, GetParam().speed, GetParam().errorRate, 0, 0};
    EXPECT_EQ(ResultRating(result, 2.0), GetParam().rating)
        << "error rate " << GetParam().errorRate << " speed " << GetParam().speed;
}

INSTANTIATE_TEST_SUITE_P(LimitTwo, ResultRatingBounds,
                         testing::Values(RatingCase{0.0, 100, 0}, RatingCase{0.39, 100, 0},
                                         RatingCase{0.40, 100, 1}, RatingCase{0.79, 100, 1},
                                         RatingCase{0.80, 100, 2}, RatingCase{1.20, 100, 3},
                                         RatingCase{1.59, 100, 3}, RatingCase{1.60, 100, 4},
                                         RatingCase{2.0, 100, 4}, RatingCase{5.0, 100, 4},
                                         RatingCase{0.0, 0, 5}, RatingCase{5.0, 0, 5}));

}  // namespace
