#include "tester/replay_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tester/thread_sleeper.h"

namespace {

// What happened during a re-play, in order, written from several threads.
class Trace {
  public:
    void Add(std::string entry) {
        std::lock_guard<std::mutex> lock(mutex_);
        entries_.push_back(std::move(entry));
    }
    // A one-letter tag and its value ("s100", "da"), built by appending: GCC 12 takes
    // "s" + std::string for an overlapping copy (-Wrestrict) once it is inlined here.
    void Add(char tag, std::string_view value) {
        std::string entry(1, tag);
        entry.append(value);
        Add(std::move(entry));
    }
    std::vector<std::string> Entries() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return entries_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> entries_;
};

// Virtual time: every sleep returns at once and is written to the trace ("s100"). The hook
// runs on the worker thread after the sleep with the number of sleeps so far.
class FakeSleeper final : public Sleeper {
  public:
    explicit FakeSleeper(Trace& trace) : trace_(trace) {}

    void SleepMs(int ms) override {
        trace_.Add('s', std::to_string(ms));
        elapsedMs_ += ms;
        const int count = ++sleeps_;
        if (hook) {
            hook(count, ms);
        }
    }

    std::function<void(int count, int ms)> hook;
    std::int64_t elapsedMs() const { return elapsedMs_; }

  private:
    Trace& trace_;
    std::atomic<std::int64_t> elapsedMs_{0};
    std::atomic<int> sleeps_{0};
};

// A view without a thread of its own: posted work runs at once ("d" and the character).
class InlineTarget final : public ReplayTarget {
  public:
    explicit InlineTarget(Trace& trace) : trace_(trace) {}
    void BeginReplay() override { trace_.Add("begin"); }
    void PostToViewThread(std::function<void()> task) override { task(); }
    void ReplayEvent(const KeystrokeRecord& record) override {
        trace_.Add('d', std::string(1, static_cast<char>(record.wParam)));
        if (onEvent) {
            onEvent(record);
        }
    }
    void ReplayEnded() override { trace_.Add("end"); }
    std::function<void(const KeystrokeRecord&)> onEvent;

  private:
    Trace& trace_;
};

// A view on a user-interface thread of its own that runs posted work in order, unless it is
// held busy.
class ViewThreadTarget final : public ReplayTarget {
  public:
    explicit ViewThreadTarget(Trace& trace) : trace_(trace), thread_([this] { Loop(); }) {}
    ~ViewThreadTarget() override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
            busy_ = false;
        }
        wake_.notify_all();
        thread_.join();
    }

    void BeginReplay() override { trace_.Add("begin"); }
    void PostToViewThread(std::function<void()> task) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        wake_.notify_all();
    }
    void ReplayEvent(const KeystrokeRecord& record) override {
        if (std::this_thread::get_id() != thread_.get_id()) {
            trace_.Add("wrong thread");
        }
        trace_.Add('d', std::string(1, static_cast<char>(record.wParam)));
    }
    void ReplayEnded() override {
        if (std::this_thread::get_id() != thread_.get_id()) {
            trace_.Add("wrong thread");
        }
        trace_.Add("end");
    }

    void SetBusy(bool busy) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            busy_ = busy;
        }
        wake_.notify_all();
    }
    // Runs everything posted so far and waits until it is done.
    void Drain() {
        std::unique_lock<std::mutex> lock(mutex_);
        idle_.wait(lock, [this] { return tasks_.empty() && !running_; });
    }
    std::size_t Pending() {
        std::lock_guard<std::mutex> lock(mutex_);
        return tasks_.size();
    }

  private:
    void Loop() {
        std::unique_lock<std::mutex> lock(mutex_);
        while (true) {
            wake_.wait(lock, [this] { return quit_ || (!busy_ && !tasks_.empty()); });
            if (quit_) {
                return;
            }
            std::function<void()> task = std::move(tasks_.front());
            tasks_.pop_front();
            running_ = true;
            lock.unlock();
            task();
            lock.lock();
            running_ = false;
            idle_.notify_all();
        }
    }

    Trace& trace_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::function<void()>> tasks_;
    bool busy_ = false;
    bool quit_ = false;
    bool running_ = false;
    std::thread thread_;
};

TestData DataWithLog(std::vector<KeystrokeRecord> log) {
    TestData data;
    data.keystrokeLog = std::move(log);
    data.resultsAvailable = 1;
    return data;
}

KeystrokeRecord Key(std::int32_t delayMs, char c) {
    return {delayMs, 258, c, 1};
}

using Entries = std::vector<std::string>;

TEST(ReplayWorkerTest, WorkerWaitsEachDelayInSlicesAndDeliversInOrder) {
    Trace trace;
    FakeSleeper sleeper(trace);
    InlineTarget target(trace);
    TestData data = DataWithLog({Key(250, 'a'), Key(0, 'b'), Key(100, 'c'), Key(99, 'd')});
    ReplayWorker worker(data, target, sleeper);
    worker.Play();
    worker.Join();
    EXPECT_EQ(trace.Entries(), (Entries{"begin", "s100", "s100", "s50", "da", "db", "s100", "dc",
                                        "s99", "dd", "end"}));
    EXPECT_EQ(sleeper.elapsedMs(), 449);
    EXPECT_EQ(data.replayRunning, 0);
    EXPECT_EQ(data.replayPaused, 0);
}

TEST(ReplayWorkerTest, WorkerTakesNegativeDelaysAsNone) {
    Trace trace;
    FakeSleeper sleeper(trace);
    InlineTarget target(trace);
    TestData data = DataWithLog({Key(-250, 'a'), Key(-1, 'b')});
    ReplayWorker worker(data, target, sleeper);
    worker.Play();
    worker.Join();
    EXPECT_EQ(trace.Entries(), (Entries{"begin", "da", "db", "end"}));
}

TEST(ReplayWorkerTest, WorkerStopDuringALongDelayEndsWithinOneSlice) {
    Trace trace;
    FakeSleeper sleeper(trace);
    InlineTarget target(trace);
    TestData data = DataWithLog({Key(60000, 'a'), Key(10, 'b')});
    ReplayWorker worker(data, target, sleeper);
    std::int64_t stoppedAt = -1;
    sleeper.hook = [&](int count, int) {
        if (count == 7) {
            stoppedAt = sleeper.elapsedMs();
            worker.Stop();
        }
    };
    worker.Play();
    worker.Join();
    EXPECT_EQ(stoppedAt, 700);
    EXPECT_LE(sleeper.elapsedMs() - stoppedAt, ReplayWorker::kSliceMs);
    // Nothing delivered, and no end notice: the stop came from the user-interface thread.
    for (const std::string& entry : trace.Entries()) {
        EXPECT_NE(entry[0], 'd');
        EXPECT_NE(entry, "end");
    }
    EXPECT_EQ(data.replayRunning, 0);
}

TEST(ReplayWorkerTest, WorkerPauseTakesEffectAfterTheRunningEventAndResumesWithTheNextDelay) {
    Trace trace;
    FakeSleeper sleeper(trace);
    InlineTarget target(trace);
    TestData data = DataWithLog({Key(200, 'a'), Key(150, 'b')});
    ReplayWorker worker(data, target, sleeper);
    sleeper.hook = [&](int count, int) {
        if (count == 1) {
            worker.Pause();
        } else if (count == 5) {
            worker.Play();  // resume
        }
    };
    worker.Play();
    worker.Join();
    EXPECT_EQ(trace.Entries(), (Entries{"begin", "s100", "s100", "da", "s450", "s450", "s450",
                                        "s100", "s50", "db", "end"}));
}

TEST(ReplayWorkerTest, WorkerEndsWhenAViewCommandClearsTheFlags) {
    Trace trace;
    FakeSleeper sleeper(trace);
    InlineTarget target(trace);
    TestData data = DataWithLog({Key(0, 'a'), Key(0, 'b'), Key(0, 'c')});
    ReplayWorker worker(data, target, sleeper);
    target.onEvent = [&](const KeystrokeRecord& record) {
        if (record.wParam == 'b') {
            data.replayRunning = 0;
            data.replayPaused = 0;
        }
    };
    worker.Play();
    worker.Join();
    EXPECT_EQ(trace.Entries(), (Entries{"begin", "da", "db"}));
}

TEST(ReplayWorkerTest, WorkerDeliversEveryEventOnTheViewThread) {
    Trace trace;
    FakeSleeper sleeper(trace);
    ViewThreadTarget target(trace);
    TestData data = DataWithLog({Key(120, 'x'), Key(5, 'y'), Key(0, 'z')});
    {
        ReplayWorker worker(data, target, sleeper);
        worker.Play();
        worker.Join();
        // The end notice is posted like the events: it runs when the view thread gets to it.
        target.Drain();
    }
    EXPECT_EQ(trace.Entries(), (Entries{"begin", "s100", "s20", "dx", "s5", "dy", "dz", "end"}));
    EXPECT_EQ(data.replayRunning, 0);
}

TEST(ReplayWorkerTest, WorkerStoppedWhileTheViewIsBusyEndsAndDropsTheEvent) {
    Trace trace;
    FakeSleeper sleeper(trace);
    ViewThreadTarget target(trace);
    target.SetBusy(true);
    TestData data = DataWithLog({Key(0, 'a'), Key(0, 'b')});
    {
        ReplayWorker worker(data, target, sleeper);
        worker.Play();
        while (target.Pending() == 0) {
            std::this_thread::yield();
        }
        worker.Stop();
        worker.Join();
        target.SetBusy(false);
        target.Drain();
    }
    EXPECT_EQ(trace.Entries(), (Entries{"begin"}));
}

TEST(ReplayWorkerTest, WorkerCanPlayAgainRightAfterAStop) {
    Trace trace;
    FakeSleeper sleeper(trace);
    InlineTarget target(trace);
    TestData data = DataWithLog({Key(300, 'a')});
    ReplayWorker worker(data, target, sleeper);
    std::mutex mutex;
    std::condition_variable changed;
    bool stopped = false;
    sleeper.hook = [&](int count, int) {
        if (count == 1) {
            worker.Stop();
            std::lock_guard<std::mutex> lock(mutex);
            stopped = true;
            changed.notify_all();
        }
    };
    worker.Play();
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return stopped; });
    }
    // The first worker may still be in its slice: it has to end before the second starts.
    worker.Play();
    worker.Join();
    EXPECT_EQ(trace.Entries(),
              (Entries{"begin", "s100", "begin", "s100", "s100", "s100", "da", "end"}));
}

TEST(ReplayWorkerTest, CommandsAreEnabledByTheReplayState) {
    TestData data = DataWithLog({Key(0, 'a')});
    EXPECT_TRUE(ReplayWorker::CanPlay(data));
    EXPECT_FALSE(ReplayWorker::CanPause(data));
    EXPECT_FALSE(ReplayWorker::CanStop(data));
    data.replayRunning = 1;
    EXPECT_FALSE(ReplayWorker::CanPlay(data));
    EXPECT_TRUE(ReplayWorker::CanPause(data));
    EXPECT_TRUE(ReplayWorker::CanStop(data));
    data.replayPaused = 1;
    EXPECT_TRUE(ReplayWorker::CanPlay(data));
    EXPECT_FALSE(ReplayWorker::CanPause(data));
    data = DataWithLog({});
    EXPECT_FALSE(ReplayWorker::CanPlay(data));
    data = DataWithLog({Key(0, 'a')});
    data.resultsAvailable = 0;
    EXPECT_FALSE(ReplayWorker::CanPlay(data));
}

TEST(ReplayWorkerTest, PlayWithoutAnEnabledCommandStartsNothing) {
    Trace trace;
    FakeSleeper sleeper(trace);
    InlineTarget target(trace);
    TestData data = DataWithLog({});
    ReplayWorker worker(data, target, sleeper);
    worker.Play();
    worker.Join();
    EXPECT_TRUE(trace.Entries().empty());
    EXPECT_EQ(data.replayRunning, 0);
}

TEST(ReplayWorkerTest, WorkerWithRealSleepsIsStoppedByDestruction) {
    Trace trace;
    ThreadSleeper sleeper;
    ViewThreadTarget target(trace);
    TestData data = DataWithLog({Key(2, 'a'), Key(3, 'b'), Key(600000, 'c')});
    {
        ReplayWorker worker(data, target, sleeper);
        worker.Play();
        while (trace.Entries().size() < 3) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    EXPECT_EQ(trace.Entries(), (Entries{"begin", "da", "db"}));
    EXPECT_EQ(data.replayRunning, 0);
}

}  // namespace
