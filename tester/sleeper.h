#pragma once

/// How a worker waits. The programs sleep for real (ThreadSleeper); tests use a sleeper that
/// only counts the time, so a re-play of minutes runs in microseconds.
class Sleeper {
  public:
    virtual ~Sleeper() = default;
    /// Waits about ms milliseconds on the calling thread.
    virtual void SleepMs(int ms) = 0;
};
