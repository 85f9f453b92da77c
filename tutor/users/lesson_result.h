#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// The best attempt at one lesson, with the time spent on it and the number of attempts. The
/// results history of a user holds one per lesson reached.
struct LessonResult {
    /// Seconds since 1970-01-01 00:00 UTC of the best attempt (creation time of a new record).
    std::int64_t bestTime = 0;
    /// Strokes per minute of the best attempt; 0 = no qualified attempt yet.
    std::int32_t bestSpeed = 0;
    /// Per cent.
    double bestErrorRate = 0.0;
    std::int64_t activeSeconds = 0;
    /// Attempts whose active time was above zero.
    std::int32_t attempts = 0;

    /// A new record: created at now, nothing practised.
    static LessonResult empty(std::int64_t now);

    /// "bestTime:bestErrorRate:bestSpeed:activeSeconds:attempts:" with the rate to two
    /// decimals, independent of the process locale.
    std::string toText() const;
    /// Nothing when any field lacks its closing colon. Text that is not a number reads as 0.
    static std::optional<LessonResult> fromText(std::string_view line);

    /// Takes an attempt into the record: a lower error rate wins, at an equal rate the higher
    /// speed; an attempt of speed 0 never displaces a stored qualified one. The time always
    /// counts, and the attempt counts when it took any time.
    void merge(std::int64_t time, double errorRate, std::int32_t speed,
               std::int64_t activeSecondsOfAttempt);

    bool operator==(const LessonResult&) const = default;
};

/// The grade 0 (best) to 4 of a record's error rate against the lesson's error limit, in
/// fifths of the limit; 5 when no qualified attempt is stored.
int ResultRating(const LessonResult& result, double errorLimit);
