#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "tutor/practice/keystroke_sound_worker.h"
#include "tutor/practice/metronome_worker.h"
#include "tutor/practice/worker_event.h"

namespace {

using namespace std::chrono_literals;

/// A gate a worker's callback blocks on until the test opens it, and a count of the calls
/// the test can wait for.
class Gate {
  public:
    void Open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    void PassThrough() {
        std::unique_lock lock(mutex_);
        ++arrived_;
        changed_.notify_all();
        changed_.wait(lock, [&] { return open_; });
    }
    void AwaitArrivals(int count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return arrived_ >= count; });
    }
    int arrived() {
        std::lock_guard lock(mutex_);
        return arrived_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
    int arrived_ = 0;
};

TEST(WorkerEventThread, PulseWakesTheWaitingThreadAndLeavesTheEventUnsignalled) {
    WorkerEvent event;
    std::thread waiter([&] { event.Wait(); });
    event.AwaitWaitingThreads(1);
    event.Pulse();
    waiter.join();
    EXPECT_FALSE(event.IsSet());
    EXPECT_EQ(event.WaitingThreads(), 0);
}

TEST(WorkerEventThread, PulseWithNobodyWaitingIsLost) {
    WorkerEvent event;
    event.Pulse();
    EXPECT_FALSE(event.WaitFor(1ms));
}

TEST(WorkerEventThread, SetStaysSignalledForEveryLaterWait) {
    WorkerEvent event;
    event.Set();
    EXPECT_TRUE(event.WaitFor(0ms));
    EXPECT_TRUE(event.WaitFor(0ms));
    std::thread late([&] { event.Wait(); });
    late.join();
    event.Reset();
    EXPECT_FALSE(event.WaitFor(1ms));
}

TEST(WorkerEventThread, StopConditionEndsTheWaitEvenWhenItsPulseCameEarly) {
    WorkerEvent event;
    std::atomic<bool> stop{true};
    event.Pulse();  // before the wait: lost, but the condition holds
    EXPECT_TRUE(event.WaitFor(std::chrono::hours(1), [&] { return stop.load(); }));
}

TEST(KeystrokeSoundWorkerThread, PlaysTheSoundOfEachRequestItIsWaitingFor) {
    std::mutex mutex;
    std::condition_variable played;
    std::vector<bool> sounds;
    KeystrokeSoundWorker worker([&](bool correct) {
        std::lock_guard lock(mutex);
        sounds.push_back(correct);
        played.notify_all();
    });
    for (SoundRequest request : {SoundRequest::Correct, SoundRequest::Error}) {
        worker.event().AwaitWaitingThreads(1);
        const std::size_t before = [&] {
            std::lock_guard lock(mutex);
            return sounds.size();
        }();
        worker.RequestSound(request);
        std::unique_lock lock(mutex);
        played.wait(lock, [&] { return sounds.size() > before; });
    }
    worker.Stop();
    EXPECT_EQ(sounds, (std::vector<bool>{true, false}));
}

TEST(KeystrokeSoundWorkerThread, RequestWhileASoundPlaysIsDropped) {
    Gate gate;
    std::atomic<int> errors{0};
    KeystrokeSoundWorker worker([&](bool correct) {
        if (!correct) {
            ++errors;
        }
        gate.PassThrough();
    });
    worker.event().AwaitWaitingThreads(1);
    worker.RequestSound(SoundRequest::Correct);
    gate.AwaitArrivals(1);  // the worker is busy playing
    worker.RequestSound(SoundRequest::Error);
    worker.RequestSound(SoundRequest::Error);
    gate.Open();
    worker.event().AwaitWaitingThreads(1);  // back to waiting, nothing left to play
    worker.Stop();
    EXPECT_EQ(gate.arrived(), 1);
    EXPECT_EQ(errors.load(), 0);
}

TEST(KeystrokeSoundWorkerThread, StopEndsTheThreadAlsoWhileItPlays) {
    Gate gate;
    KeystrokeSoundWorker worker([&](bool) { gate.PassThrough(); });
    worker.event().AwaitWaitingThreads(1);
    worker.RequestSound(SoundRequest::Error);
    gate.AwaitArrivals(1);
    std::thread stopper([&] { worker.Stop(); });
    gate.Open();
    stopper.join();
    worker.RequestSound(SoundRequest::Correct);  // after the end: ignored
    EXPECT_EQ(gate.arrived(), 1);
}

TEST(KeystrokeSoundWorkerThread, DestructorStopsAWaitingWorker) {
    std::atomic<int> calls{0};
    {
        KeystrokeSoundWorker worker([&](bool) { ++calls; });
        worker.event().AwaitWaitingThreads(1);
    }
    EXPECT_EQ(calls.load(), 0);
}

/// Counts the beats and their flags; the test waits for a number of beats.
class BeatCounter {
  public:
    void Beat(int flags) {
        std::lock_guard lock(mutex_);
        flags_.push_back(flags);
        changed_.notify_all();
    }
    void AwaitBeats(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return flags_.size() >= count; });
    }
    std::vector<int> flags() {
        std::lock_guard lock(mutex_);
        return flags_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<int> flags_;
};

TEST(MetronomeWorkerThread, BeatsEachIntervalUntilStopped) {
    BeatCounter counter;
    MetronomeWorker worker([&](int flags) { counter.Beat(flags); });
    worker.StartMetronome(1, 3);
    counter.AwaitBeats(3);
    worker.StopMetronome();
    EXPECT_FALSE(worker.running());
    const std::vector<int> flags = counter.flags();
    ASSERT_GE(flags.size(), 3u);
    for (int f : flags) {
        EXPECT_EQ(f, 3);
    }
    const std::size_t afterStop = flags.size();
    EXPECT_EQ(counter.flags().size(), afterStop);
}

TEST(MetronomeWorkerThread, StopEndsAWorkerWaitingAFullMinute) {
    BeatCounter counter;
    MetronomeWorker worker([&](int flags) { counter.Beat(flags); });
    worker.StartMetronome(60000, 1);
    worker.stopEvent().AwaitWaitingThreads(1);
    const auto before = std::chrono::steady_clock::now();
    worker.StopMetronome();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 30s);
    EXPECT_TRUE(counter.flags().empty());
}

TEST(MetronomeWorkerThread, StopRightAfterStartIsNeverLost) {
    BeatCounter counter;
    MetronomeWorker worker([&](int flags) { counter.Beat(flags); });
    for (int i = 0; i < 50; ++i) {
        worker.StartMetronome(60000, 1);
        worker.StopMetronome();  // often before the thread has begun to wait
    }
    EXPECT_TRUE(counter.flags().empty());
    EXPECT_FALSE(worker.running());
}

TEST(MetronomeWorkerThread, NewStartReplacesTheRunningWorker) {
    BeatCounter counter;
    MetronomeWorker worker([&](int flags) { counter.Beat(flags); });
    worker.StartMetronome(60000, 1);
    worker.stopEvent().AwaitWaitingThreads(1);
    worker.StartMetronome(1, 2);
    counter.AwaitBeats(2);
    worker.StopMetronome();
    EXPECT_EQ(worker.stopEvent().WaitingThreads(), 0);
    for (int f : counter.flags()) {
        EXPECT_EQ(f, 2);  // the first worker never beat
    }
}

TEST(MetronomeWorkerThread, NoFlagsStartNoWorker) {
    MetronomeWorker worker([](int) {});
    worker.StartMetronome(10, 0);
    EXPECT_FALSE(worker.running());
}

}  // namespace
