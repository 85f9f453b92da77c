#include "tutor/users/lesson_result.h"

#include <limits>

#include "common/colon_field_reader.h"
#include "common/text_number.h"

namespace {

// Counters read from files may hold anything; they must not overflow.
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<std::int64_t>::max()
                     : std::numeric_limits<std::int64_t>::min();
    }
    return sum;
}

}  // namespace

LessonResult LessonResult::empty(std::int64_t now) {
    LessonResult result;
    result.bestTime = now;
    return result;
}

std::string LessonResult::toText() const {
    std::string text = FormatInt(bestTime);
    text += ':';
    text += FormatFixed(bestErrorRate, 2);
    text += ':';
    text += FormatInt(bestSpeed);
    text += ':';
    text += FormatInt(activeSeconds);
    text += ':';
    text += FormatInt(attempts);
    text += ':';
    return text;
}

std::optional<LessonResult> LessonResult::fromText(std::string_view line) {
    ColonFieldReader reader(line);
    LessonResult result;
    if (reader.NextInt64(result.bestTime) && reader.NextReal(result.bestErrorRate) &&
        reader.NextInt(result.bestSpeed) && reader.NextInt64(result.activeSeconds) &&
        reader.NextInt(result.attempts)) {
        return result;
    }
    return std::nullopt;
}

void LessonResult::merge(std::int64_t time, double errorRate, std::int32_t speed,
                         std::int64_t activeSecondsOfAttempt) {
    bool better = (speed != 0 && errorRate < bestErrorRate) || bestSpeed == 0 ||
                  (errorRate == bestErrorRate && speed > bestSpeed);
    if (better) {
        bestTime = time;
        bestErrorRate = errorRate;
        bestSpeed = speed;
    }
    activeSeconds = SaturatingAdd(activeSeconds, activeSecondsOfAttempt);
    if (activeSecondsOfAttempt > 0 && attempts < std::numeric_limits<std::int32_t>::max()) {
        ++attempts;
    }
}

int ResultRating(const LessonResult& result, double errorLimit) {
    if (result.bestSpeed == 0) {
        return 5;
    }
    const double rate = result.bestErrorRate;
    constexpr double kFactors[] = {0.2, 0.4, 0.6, 0.8};
    for (int grade = 0; grade < 4; ++grade) {
        if (rate < kFactors[grade] * errorLimit) {
            return grade;
        }
    }
    return 4;
}
