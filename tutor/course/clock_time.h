#pragma once

#include <cstdint>

/// A time of day as hours, minutes and seconds; the tutor keeps the time limit of a run in
/// this form.
struct ClockTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    std::int64_t TotalSeconds() const {
        return std::int64_t{hours} * 3600 + std::int64_t{minutes} * 60 + seconds;
    }
    /// 00:MM:00 for MM minutes, carried into hours (60 minutes is 01:00:00).
    static constexpr ClockTime FromMinutes(int minutes) {
        return ClockTime{minutes / 60, minutes % 60, 0};
    }

    bool operator==(const ClockTime&) const = default;
};
