#pragma once

#include <QObject>
#include <QTimer>

class MessageSink;
class UserSessionLock;

/// Keeps the program's session lock alive: renews its heartbeat every
/// UserSessionLock::kRefreshSeconds on the UI thread, and tells the user once when the lock
/// turns out to have been taken over (the session then no longer writes the user's files).
class SessionLockKeeper final : public QObject {
    Q_OBJECT

  public:
    /// lock and messages must outlive the keeper.
    SessionLockKeeper(UserSessionLock& lock, MessageSink& messages, QObject* parent = nullptr);

    const QTimer& timer() const { return timer_; }

  public slots:
    /// One heartbeat (the timer's).
    void refresh();

  private:
    UserSessionLock& lock_;
    MessageSink& messages_;
    QTimer timer_;
};
