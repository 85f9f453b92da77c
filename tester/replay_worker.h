#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "tester/keystroke_record.h"
#include "tester/replay_target.h"
#include "tester/sleeper.h"
#include "tester/test_data.h"

/// Plays a run's keystroke log back into the typing view at its original speed: a worker
/// thread waits each event's delay and hands the event to the view, which processes it on
/// the user-interface thread while the worker waits for it; at the end of the log it posts
/// the end notice there too. The state lives in the TestData's replayRunning and replayPaused
/// flags, so the view commands that clear them end the re-play as Stop does. All public
/// functions are called on the user-interface thread; the worker must go before the TestData,
/// the target and the sleeper it was given.
class ReplayWorker {
  public:
    /// Delays are waited in slices of this length, checking for a stop before each.
    static constexpr int kSliceMs = 100;
    /// While paused, the worker looks again after this long.
    static constexpr int kPauseStepMs = 450;

    ReplayWorker(TestData& data, ReplayTarget& target, Sleeper& sleeper);
    /// Stops the re-play and waits for the worker to end.
    ~ReplayWorker();
    ReplayWorker(const ReplayWorker&) = delete;
    ReplayWorker& operator=(const ReplayWorker&) = delete;

    /// The log is not empty, results are available, and the re-play is paused or not running.
    static bool CanPlay(const TestData& data);
    static bool CanPause(const TestData& data);
    static bool CanStop(const TestData& data);

    /// Resumes a paused re-play, or starts one from the first event of the keystroke log.
    /// Does nothing when CanPlay is false.
    void Play();
    /// Takes effect once the event whose delay is running has been delivered.
    void Pause();
    /// Ends the re-play; the worker notices within one slice. Does not wait for it.
    void Stop();
    /// Waits until the worker has ended (at the end of the log or after a stop).
    void Join();

  private:
    // One event on its way to the view. Shared with the posted task, which may run after the
    // worker has given up waiting for it (or after the worker is gone).
    struct Delivery {
        std::mutex mutex;
        std::condition_variable done;
        bool delivered = false;
        bool cancelled = false;
    };

    void Run(std::vector<KeystrokeRecord> log);
    bool Deliver(const KeystrokeRecord& record);
    bool Running() const { return data_.replayRunning != 0; }

    TestData& data_;
    ReplayTarget& target_;
    Sleeper& sleeper_;
    std::thread thread_;
    std::mutex pendingMutex_;
    std::shared_ptr<Delivery> pending_;
};
