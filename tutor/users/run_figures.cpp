#include "tutor/users/run_figures.h"

#include "tutor/users/stroke_log.h"

RunFigures RunFigures::FromLog(const StrokeLog& log) {
    RunFigures f;
    for (const StrokeRecord& record : log.records()) {
        ++f.strokes;
        if (record.typed != record.expected) {
            ++f.errors;
        }
        f.totalMs += record.delayMs;
    }
    if (f.totalMs > 0) {
        f.speedPerSecond = f.strokes / (static_cast<double>(f.totalMs) / 1000.0);
    }
    if (f.strokes > 0) {
        f.errorRate = f.errors * 100.0 / f.strokes;
    }
    f.speedLimit = log.speedLimit();
    f.speedLimitPerSecond = log.speedLimit() / 60.0;
    f.errorLimit = log.errorLimit();
    f.characterCount = log.characterCount();
    if (f.characterCount > 0) {
        f.copiedPercent = f.strokes * 100.0 / f.characterCount;
    }
    return f;
}
