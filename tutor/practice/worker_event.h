#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

/// An event for the practice workers with manual reset: Set leaves it signalled until Reset,
/// so every wait after it returns at once; Pulse wakes only the threads that are waiting at
/// that moment and leaves it unsignalled, so a pulse that finds nobody waiting is lost.
class WorkerEvent {
  public:
    void Set();
    void Reset();
    void Pulse();
    bool IsSet() const;

    /// Waits until the event is set or pulsed.
    void Wait();
    /// Waits until the event is set or pulsed, or stop() holds, or the time has passed.
    /// stop() is looked at under the event's lock before waiting, so a thread that makes it
    /// true and then pulses always ends the wait. True unless the time ran out.
    bool WaitFor(std::chrono::milliseconds timeout, const std::function<bool()>& stop = {});

    /// How many threads are waiting now.
    int WaitingThreads() const;
    /// Blocks until at least count threads are waiting (lets a test act while a worker waits).
    void AwaitWaitingThreads(int count) const;

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    mutable std::condition_variable waitersChanged_;
    bool set_ = false;
    std::uint64_t pulses_ = 0;
    int waiting_ = 0;
};
