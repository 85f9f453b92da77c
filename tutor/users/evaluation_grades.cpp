#include "tutor/users/evaluation_grades.h"

#include <algorithm>
#include <cmath>

namespace {

int TruncateGrade(double value) {
    if (!(value == value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(std::trunc(value), -1.0e6, 1.0e6));
}

}  // namespace

int EvaluationGrades::SpeedGrade(double speedPerMinute, int speedLimit) {
    if (speedLimit == 0) {
        return 0;
    }
    return std::max(0, 99 - TruncateGrade(100.0 * speedPerMinute / (2.0 * speedLimit)));
}

int EvaluationGrades::ErrorGrade(double errorRate, double errorLimit) {
    if (errorLimit == 0.0) {
        return 0;
    }
    return std::min(99, TruncateGrade(100.0 * errorRate / (2.0 * errorLimit)));
}

int EvaluationGrades::RhythmGrade(const std::vector<StrokeRecord>& records) {
    if (records.empty()) {
        return 0;
    }
    double total = 0.0;
    for (const StrokeRecord& record : records) {
        total += record.delayMs;
    }
    const double mean = total / static_cast<double>(records.size());
    if (mean == 0.0) {
        return 0;
    }
    double squares = 0.0;
    for (const StrokeRecord& record : records) {
        const double d = mean - record.delayMs;
        squares += d * d;
    }
    const double deviation = std::sqrt(squares / static_cast<double>(records.size()));
    return std::clamp(TruncateGrade(100.0 * deviation / mean), 0, 99);
}

EvaluationGrades EvaluationGrades::Of(const RunFigures& figures,
                                      const std::vector<StrokeRecord>& records) {
    EvaluationGrades g;
    g.speed = SpeedGrade(figures.speedPerMinute(), figures.speedLimit);
    g.error = ErrorGrade(figures.errorRate, figures.errorLimit);
    g.rhythm = RhythmGrade(records);
    g.completion = TruncateGrade(figures.copiedPercent);
    return g;
}
