#include "tutor/users/ui/sound_test_player.h"

#include <QThread>

#include "tutor/users/sound_feedback.h"
#include "tutor/users/tutor_settings.h"

namespace {

// Lives on the player's thread; its signal reaches the player through a queued connection.
class SoundWorker final : public QObject {
    Q_OBJECT

  signals:
    void testFinished();

  public:
    void Finish() { emit testFinished(); }
};

}  // namespace

SoundTestPlayer::SoundTestPlayer(SoundFeedback& sounds, QObject* parent)
    : QObject(parent),
      sounds_(sounds),
      thread_(new QThread),
      worker_(new SoundWorker),
      busy_(std::make_shared<std::atomic<int>>(0)) {
    thread_->setObjectName(QStringLiteral("SoundTest"));
    worker_->moveToThread(thread_);
    connect(static_cast<SoundWorker*>(worker_), &SoundWorker::testFinished, this,
            &SoundTestPlayer::testEnded, Qt::QueuedConnection);
    // The thread and its worker delete themselves once the thread has run out, which may be
    // after the player has gone.
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
    thread_->start();
}

SoundTestPlayer::~SoundTestPlayer() {
    thread_->quit();
}

void SoundTestPlayer::PlayTest(int soundType) {
    busy_->fetch_add(1);
    auto* worker = static_cast<SoundWorker*>(worker_);
    QMetaObject::invokeMethod(
        worker,
        [&sounds = sounds_, busy = busy_, worker, soundType] {
            sounds.playTestSequence(soundType);
            busy->fetch_sub(1);
            worker->Finish();
        },
        Qt::QueuedConnection);
}

bool SoundTestPlayer::PlayBeat(const TutorSettings& settings) {
    int idle = 0;
    if (!busy_->compare_exchange_strong(idle, 1)) {
        return false;
    }
    QMetaObject::invokeMethod(
        worker_,
        [&sounds = sounds_, busy = busy_, settings] {
            sounds.playMetronomeNote(settings);
            busy->fetch_sub(1);
        },
        Qt::QueuedConnection);
    return true;
}

#include "sound_test_player.moc"
