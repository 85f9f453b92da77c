#include "tutor/users/ui/session_lock_keeper.h"

#include <QTest>

#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/users/session_holder.h"
#include "tutor/users/user_session_lock.h"

namespace {

SessionHolder Computer(const std::string& host) {
    SessionHolder holder;
    holder.host = host;
    holder.machineId = "machine-" + host;
    holder.pid = 1;
    return holder;
}

}  // namespace

class SessionLockKeeperTest : public QObject {
    Q_OBJECT

  private slots:
    void HeartbeatRunsEveryRefreshPeriod() {
        TempDir users;
        FakeClock clock;
        UserSessionLock lock(users.path(), clock, Computer("lab-01"));
        RecordingMessageSink messages;
        SessionLockKeeper keeper(lock, messages);
        QVERIFY(keeper.timer().isActive());
        QCOMPARE(keeper.timer().interval(), 30000);

        QCOMPARE(lock.Acquire("anna").outcome, UserSessionLock::Outcome::Acquired);
        clock.AdvanceMs(UserSessionLock::kRefreshSeconds * 1000);
        keeper.refresh();
        QCOMPARE(UserSessionLock::ReadLockFile(lock.LockPath("anna"))->heartbeat,
                 clock.NowSeconds());
        QVERIFY(messages.messages.empty());
    }

    // This computer slept past the limit and the user went on elsewhere: told once, naming
    // the computer.
    void TakenOverSessionIsToldOnce() {
        TempDir users;
        FakeClock clock;
        UserSessionLock lock(users.path(), clock, Computer("lab-01"));
        UserSessionLock elsewhere(users.path(), clock, Computer("lab-02"));
        RecordingMessageSink messages;
        SessionLockKeeper keeper(lock, messages);
        QCOMPARE(lock.Acquire("anna").outcome, UserSessionLock::Outcome::Acquired);
        clock.AdvanceMs((UserSessionLock::kStaleAfterSeconds + 1) * 1000);
        QCOMPARE(elsewhere.Acquire("anna").outcome, UserSessionLock::Outcome::Acquired);

        keeper.refresh();
        keeper.refresh();
        QCOMPARE(messages.messages.size(), std::size_t{1});
        QCOMPARE(messages.messages[0].caption, std::string("Kelvane"));
        QVERIFY(messages.messages[0].text.find("has been logged in on \"lab-02\"") !=
                std::string::npos);
        QVERIFY(elsewhere.Holds("anna"));
    }
};

QTEST_GUILESS_MAIN(SessionLockKeeperTest)
#include "session_lock_keeper_test.moc"
