#pragma once

#include <cstdint>

class StrokeLog;

/// The figures of one run as the results show them, computed from its stroke log.
struct RunFigures {
    int strokes = 0;
    int errors = 0;
    /// Sum of all delays.
    std::int64_t totalMs = 0;
    /// Strokes per second over the whole run; 0 without time.
    double speedPerSecond = 0.0;
    /// Per cent of the strokes; 0 without strokes.
    double errorRate = 0.0;
    /// The log's limit in strokes per minute, and the same per second.
    int speedLimit = 0;
    double speedLimitPerSecond = 0.0;
    /// Per cent.
    double errorLimit = 0.0;
    int characterCount = 0;
    /// Strokes in per cent of the characters of the text; 0 for a text without characters.
    double copiedPercent = 0.0;

    double speedPerMinute() const { return speedPerSecond * 60.0; }

    static RunFigures FromLog(const StrokeLog& log);
};
