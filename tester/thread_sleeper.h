#pragma once

#include "tester/sleeper.h"

/// Sleeps the calling thread.
class ThreadSleeper final : public Sleeper {
  public:
    void SleepMs(int ms) override;
};
