#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include "tutor/practice/metronome_control.h"
#include "tutor/practice/worker_event.h"

/// The metronome thread: it waits on its stop event for one interval at a time and beats each
/// time the interval passes without a signal. Starting a new metronome first ends the running
/// one, so at most one beats.
class MetronomeWorker final : public MetronomeControl {
  public:
    /// Called on the worker's thread at each beat with the metronome's flags (bit 0 the line,
    /// bit 1 the sound); must outlive the worker.
    explicit MetronomeWorker(std::function<void(int flags)> beat);
    ~MetronomeWorker() override;
    MetronomeWorker(const MetronomeWorker&) = delete;
    MetronomeWorker& operator=(const MetronomeWorker&) = delete;

    void StartMetronome(int intervalMs, int flags) override;
    /// Pulses the stop event and waits until the thread has ended.
    void StopMetronome() override;
    bool running() const { return thread_.joinable(); }

    /// The stop event, for observing the worker.
    const WorkerEvent& stopEvent() const { return stop_; }

  private:
    void Run(int intervalMs, int flags);

    std::function<void(int)> beat_;
    WorkerEvent stop_;
    std::atomic<bool> stopRequested_{false};
    std::thread thread_;
};
