#include "common/system_clock.h"

#include <chrono>

namespace {
std::int64_t SteadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

SystemClock::SystemClock() : startNs_(SteadyNs()) {}

std::int64_t SystemClock::TickMs() const {
    return (SteadyNs() - startNs_) / 1000000;
}

std::int64_t SystemClock::NowSeconds() const {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

SystemClock& SystemClock::Instance() {
    static SystemClock clock;
    return clock;
}
