#pragma once

#include <vector>

#include "tutor/users/run_figures.h"
#include "tutor/users/stroke_log.h"

/// The grades 0 to 99 that choose the sentences of the written evaluation: how far the speed
/// stayed from twice the limit, how near the errors came to twice theirs, how uneven the
/// rhythm was, and how much of the text was copied.
struct EvaluationGrades {
    int speed = 0;
    int error = 0;
    int rhythm = 0;
    int completion = 0;

    static EvaluationGrades Of(const RunFigures& figures, const std::vector<StrokeRecord>& records);
    static int SpeedGrade(double speedPerMinute, int speedLimit);
    static int ErrorGrade(double errorRate, double errorLimit);
    /// The standard deviation of the delays in per cent of their mean.
    static int RhythmGrade(const std::vector<StrokeRecord>& records);

    bool operator==(const EvaluationGrades&) const = default;
};
