#pragma once

// Figures of the latency benchmarks: percentiles of the timed events and the CPU time of the
// timing thread.

#include <time.h>

#include <algorithm>
#include <cstddef>
#include <vector>

/// The value below which the given fraction of the values lies (nearest rank); 0 when there
/// are none.
inline double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<std::size_t>(std::clamp(fraction * static_cast<double>(values.size()) - 1.0,
                                            0.0, static_cast<double>(values.size() - 1)));
    return values[index];
}

/// CPU time of this thread in microseconds: on a shared machine the wall time also holds the
/// waits for a core, which this leaves out.
inline double ThreadCpuMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}
