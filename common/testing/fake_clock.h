#pragma once

#include <cstdint>

#include "common/clock.h"

/// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
  public:
    std::int64_t TickMs() const override { return tickMs_; }
    std::int64_t NowSeconds() const override { return nowSeconds_; }

    /// Moves both clocks: the tick by ms, the calendar by whole elapsed seconds.
    void AdvanceMs(std::int64_t ms) {
        std::int64_t before = tickMs_ / 1000;
        tickMs_ += ms;
        nowSeconds_ += tickMs_ / 1000 - before;
    }
    void SetNowSeconds(std::int64_t seconds) { nowSeconds_ = seconds; }

  private:
    std::int64_t tickMs_ = 0;
    std::int64_t nowSeconds_ = 1700000000;  // 2023-11-14 22:13:20 UTC
};
