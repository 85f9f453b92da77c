#include "tutor/practice/metronome_worker.h"

#include <chrono>

MetronomeWorker::MetronomeWorker(std::function<void(int flags)> beat) : beat_(std::move(beat)) {}

MetronomeWorker::~MetronomeWorker() {
    StopMetronome();
    // Leaves the event signalled for good, as at the end of the program.
    stop_.Set();
}

void MetronomeWorker::StartMetronome(int intervalMs, int flags) {
    StopMetronome();
    if (flags == 0) {
        return;
    }
    stopRequested_.store(false);
    thread_ =
        std::thread([this, intervalMs, flags] { Run(intervalMs < 1 ? 1 : intervalMs, flags); });
}

void MetronomeWorker::StopMetronome() {
    if (!thread_.joinable()) {
        return;
    }
    // A pulse alone is lost when the thread is between two waits; the flag, looked at under
    // the event's lock before each wait, makes the stop certain.
    stopRequested_.store(true);
    stop_.Pulse();
    thread_.join();
}

void MetronomeWorker::Run(int intervalMs, int flags) {
    const auto interval = std::chrono::milliseconds(intervalMs);
    while (!stopRequested_.load()) {
        if (stop_.WaitFor(interval, [this] { return stopRequested_.load(); })) {
            return;
        }
        beat_(flags);
    }
}
