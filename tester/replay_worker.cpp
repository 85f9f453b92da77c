#include "tester/replay_worker.h"

#include <chrono>
#include <utility>

ReplayWorker::ReplayWorker(TestData& data, ReplayTarget& target, Sleeper& sleeper)
    : data_(data), target_(target), sleeper_(sleeper) {}

ReplayWorker::~ReplayWorker() {
    Stop();
    Join();
}

bool ReplayWorker::CanPlay(const TestData& data) {
    return !data.keystrokeLog.empty() && data.resultsAvailable != 0 &&
           (data.replayPaused != 0 || data.replayRunning == 0);
}

bool ReplayWorker::CanPause(const TestData& data) {
    return data.replayRunning != 0 && data.replayPaused == 0;
}

bool ReplayWorker::CanStop(const TestData& data) {
    return data.replayRunning != 0;
}

void ReplayWorker::Play() {
    if (!CanPlay(data_)) {
        return;
    }
    if (data_.replayPaused != 0) {
        data_.replayPaused = 0;
        return;
    }
    // A worker that was stopped a moment ago ends within one slice; it must be gone before the
    // flags are set again, or it would carry on.
    Join();
    data_.replayRunning = 1;
    target_.BeginReplay();
    // The worker plays a copy, so nothing that replaces the log meanwhile can pull the
    // events from under it.
    thread_ = std::thread(&ReplayWorker::Run, this, data_.keystrokeLog);
}

void ReplayWorker::Pause() {
    if (CanPause(data_)) {
        data_.replayPaused = 1;
    }
}

void ReplayWorker::Stop() {
    data_.replayPaused = 0;
    data_.replayRunning = 0;
    std::shared_ptr<Delivery> pending;
    {
        std::lock_guard<std::mutex> lock(pendingMutex_);
        pending = pending_;
    }
    if (pending) {
        std::lock_guard<std::mutex> lock(pending->mutex);
        pending->cancelled = true;
        pending->done.notify_all();
    }
}

void ReplayWorker::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ReplayWorker::Run(std::vector<KeystrokeRecord> log) {
    for (const KeystrokeRecord& record : log) {
        const int delay = record.delayMs > 0 ? record.delayMs : 0;
        for (int slice = 0; slice < delay / kSliceMs; ++slice) {
            if (!Running()) {
                return;
            }
            sleeper_.SleepMs(kSliceMs);
        }
        if (delay % kSliceMs > 0) {
            sleeper_.SleepMs(delay % kSliceMs);
        }
        if (!Deliver(record)) {
            return;
        }
        while (data_.replayPaused != 0 && Running()) {
            sleeper_.SleepMs(kPauseStepMs);
        }
        if (!Running()) {
            return;
        }
    }
    data_.replayRunning = 0;
    data_.replayPaused = 0;
    ReplayTarget* target = &target_;
    target_.PostToViewThread([target] { target->ReplayEnded(); });
}

bool ReplayWorker::Deliver(const KeystrokeRecord& record) {
    auto delivery = std::make_shared<Delivery>();
    {
        std::lock_guard<std::mutex> lock(pendingMutex_);
        pending_ = delivery;
    }
    ReplayTarget* target = &target_;
    target_.PostToViewThread([delivery, target, record] {
        {
            // A worker that gave up waiting (the re-play was stopped) may be gone with its
            // view: the event is dropped.
            std::lock_guard<std::mutex> lock(delivery->mutex);
            if (delivery->cancelled) {
                return;
            }
        }
        // Without the lock: processing the event may stop the re-play.
        target->ReplayEvent(record);
        std::lock_guard<std::mutex> lock(delivery->mutex);
        delivery->delivered = true;
        delivery->done.notify_all();
    });

    // The user-interface thread may clear the flags without calling Stop (the view commands
    // do), so the wait looks at them now and then.
    bool delivered = false;
    {
        std::unique_lock<std::mutex> lock(delivery->mutex);
        while (!delivery->delivered && !delivery->cancelled && Running()) {
            delivery->done.wait_for(lock, std::chrono::milliseconds(kSliceMs));
        }
        delivered = delivery->delivered;
        delivery->cancelled = !delivered;
    }
    std::lock_guard<std::mutex> lock(pendingMutex_);
    pending_.reset();
    return delivered;
}
