#include "tutor/practice/worker_event.h"

void WorkerEvent::Set() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void WorkerEvent::Reset() {
    std::lock_guard lock(mutex_);
    set_ = false;
}

void WorkerEvent::Pulse() {
    {
        std::lock_guard lock(mutex_);
        ++pulses_;
    }
    changed_.notify_all();
}

bool WorkerEvent::IsSet() const {
    std::lock_guard lock(mutex_);
    return set_;
}

void WorkerEvent::Wait() {
    std::unique_lock lock(mutex_);
    if (set_) {
        return;
    }
    const std::uint64_t pulsesBefore = pulses_;
    ++waiting_;
    waitersChanged_.notify_all();
    changed_.wait(lock, [&] { return set_ || pulses_ != pulsesBefore; });
    --waiting_;
}

bool WorkerEvent::WaitFor(std::chrono::milliseconds timeout, const std::function<bool()>& stop) {
    std::unique_lock lock(mutex_);
    if (set_ || (stop && stop())) {
        return true;
    }
    const std::uint64_t pulsesBefore = pulses_;
    ++waiting_;
    waitersChanged_.notify_all();
    const bool signalled = changed_.wait_for(
        lock, timeout, [&] { return set_ || pulses_ != pulsesBefore || (stop && stop()); });
    --waiting_;
    return signalled;
}

int WorkerEvent::WaitingThreads() const {
    std::lock_guard lock(mutex_);
    return waiting_;
}

void WorkerEvent::AwaitWaitingThreads(int count) const {
    std::unique_lock lock(mutex_);
    waitersChanged_.wait(lock, [&] { return waiting_ >= count; });
}
