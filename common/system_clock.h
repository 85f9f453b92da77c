#pragma once

#include "common/clock.h"

/// The real clocks: a steady millisecond counter since construction and the system's
/// calendar time.
class SystemClock final : public Clock {
  public:
    SystemClock();
    std::int64_t TickMs() const override;
    std::int64_t NowSeconds() const override;

    /// One program-wide instance.
    static SystemClock& Instance();

  private:
    std::int64_t startNs_;
};
