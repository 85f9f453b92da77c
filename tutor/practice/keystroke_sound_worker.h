#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include "tutor/practice/sound_request.h"
#include "tutor/practice/worker_event.h"

/// The thread that plays the stroke sounds. A request is written, then the worker is woken by a
/// pulse; a request that comes while a sound is still playing finds the worker busy and is
/// dropped, so typing never waits for sound output.
class KeystrokeSoundWorker final : public SoundRequestSink {
  public:
    /// play is called on the worker's thread with true for the correct-stroke sound and false
    /// for the error sound; it must outlive the worker.
    explicit KeystrokeSoundWorker(std::function<void(bool correct)> play);
    /// Stops the thread.
    ~KeystrokeSoundWorker() override;
    KeystrokeSoundWorker(const KeystrokeSoundWorker&) = delete;
    KeystrokeSoundWorker& operator=(const KeystrokeSoundWorker&) = delete;

    void RequestSound(SoundRequest request) override;
    /// Asks the worker to quit and waits for it; the sound playing is let to finish.
    void Stop();

    /// The worker's event, for observing it.
    const WorkerEvent& event() const { return event_; }

  private:
    void Run();

    std::function<void(bool)> play_;
    std::atomic<SoundRequest> request_{SoundRequest::None};
    WorkerEvent event_;
    std::thread thread_;
};
