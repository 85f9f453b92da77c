#pragma once

#include <vector>

#include "tutor/users/diagram.h"
#include "tutor/users/stroke_log.h"

/// The three diagrams of the results: the average speed since the start, the speed over the
/// last 15 strokes and the average error rate, each over the elapsed time in milliseconds.
/// Points at an elapsed time of 0 have no speed and are left out of all three.
struct ResultsSeries {
    static constexpr int kRingSize = 15;

    Diagram averageSpeed;
    Diagram currentSpeed;
    Diagram errors;

    /// speedLimit in strokes per minute, errorLimit in per cent.
    static ResultsSeries Build(const std::vector<StrokeRecord>& records, int speedLimit,
                               double errorLimit);
};
