#pragma once

#include <cstdint>

/// The time sources of the programs. Everything timed reads the time through this interface,
/// so tests can drive it (FakeClock) instead of waiting.
class Clock {
  public:
    virtual ~Clock() = default;
    /// Milliseconds of a steady counter; only differences of two readings mean anything.
    virtual std::int64_t TickMs() const = 0;
    /// Calendar time in seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t NowSeconds() const = 0;
};
