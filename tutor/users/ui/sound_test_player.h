#pragma once

#include <QObject>

#include <atomic>
#include <memory>

class QThread;
class SoundFeedback;
struct TutorSettings;

/// Plays the settings' sound test and metronome test beats on a thread of its own, so that the
/// window never waits for a sound. One sound at a time: a beat asked for while another sound
/// plays is dropped. When the player goes, a sound that is playing ends by itself; nothing
/// waits for it.
class SoundTestPlayer final : public QObject {
    Q_OBJECT

  public:
    /// sounds must live until the end of the program.
    explicit SoundTestPlayer(SoundFeedback& sounds, QObject* parent = nullptr);
    ~SoundTestPlayer() override;

    /// Starts the test sequence of soundType; testEnded follows on this object's thread.
    void PlayTest(int soundType);
    /// One metronome beat with the settings' MIDI fields; false when dropped.
    bool PlayBeat(const TutorSettings& settings);

  signals:
    void testEnded();

  private:
    SoundFeedback& sounds_;
    QThread* thread_;
    QObject* worker_;
    /// Sounds asked for and not yet ended.
    std::shared_ptr<std::atomic<int>> busy_;
};
