#include "tutor/users/results_series.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

int Truncate(double value) {
    if (!(value == value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(std::trunc(value), -2.0e9, 2.0e9));
}

}  // namespace

ResultsSeries ResultsSeries::Build(const std::vector<StrokeRecord>& records, int speedLimit,
                                   double errorLimit) {
    ResultsSeries s;
    const int speedLimitLine = Truncate(speedLimit / 60.0 * 1000.0);
    s.averageSpeed.setColour(50, 50, 50);
    s.averageSpeed.setTitles("Average Typing Speed - >", "Time - >");
    s.averageSpeed.setLimit(speedLimitLine, Diagram::kQualifiedAbove);
    s.currentSpeed.setColour(255, 100, 100);
    s.currentSpeed.setTitles("Current Typing Speed ->", "Time - >");
    s.currentSpeed.setLimit(speedLimitLine, Diagram::kQualifiedAbove);
    s.errors.setColour(100, 100, 255);
    s.errors.setTitles("Average Error Rate - >", "Time - >");
    s.errors.setLimit(Truncate(errorLimit * 100.0), Diagram::kQualifiedBelow);

    std::array<std::int64_t, kRingSize> ring{};
    std::int64_t elapsed = 0;
    std::int64_t wrong = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const StrokeRecord& record = records[i];
        elapsed += record.delayMs;
        ring[i % kRingSize] = record.delayMs;
        if (record.typed != record.expected) {
            ++wrong;
        }
        if (elapsed <= 0) {
            continue;
        }
        const int x = Truncate(static_cast<double>(elapsed));
        const double strokes = static_cast<double>(i + 1);
        const int average = Truncate(1000.0 * strokes / (static_cast<double>(elapsed) / 1000.0));
        s.averageSpeed.addPoint(x, average);
        if (i < kRingSize) {
            s.currentSpeed.addPoint(x, average);
        } else {
            std::int64_t last = 0;
            for (std::int64_t delay : ring) {
                last += delay;
            }
            if (last > 0) {
                s.currentSpeed.addPoint(
                    x, Truncate(1000.0 * kRingSize / (static_cast<double>(last) / 1000.0)));
            }
        }
        s.errors.addPoint(x, Truncate(10000.0 * static_cast<double>(wrong) / strokes));
    }
    return s;
}
