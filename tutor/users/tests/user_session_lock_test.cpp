#include "tutor/users/user_session_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "common/system_clock.h"
#include "common/testing/fake_clock.h"
#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using Outcome = UserSessionLock::Outcome;

// The computers of a classroom sharing one users folder.
SessionHolder Computer(const std::string& host, std::int64_t pid, const std::string& boot = "b1") {
    SessionHolder holder;
    holder.host = host;
    holder.machineId = "machine-" + host;
    holder.bootId = boot;
    holder.pid = pid;
    return holder;
}

class UserSessionLockTest : public testing::Test {
  protected:
    // Processes of this test's computers that are running; every other pid is gone.
    UserSessionLock::ProcessProbe Alive() {
        return [this](std::int64_t pid) { return alive.count(pid) > 0; };
    }
    std::string Folder() const { return users.path() + "/"; }
    // A lock file as another program writes it.
    void WriteLock(const std::string& name, SessionHolder holder) {
        std::ofstream(users.File(name)) << holder.ToText();
    }

    TempDir users;
    FakeClock clock;
    std::set<std::int64_t> alive{100, 200};
};

TEST_F(UserSessionLockTest, LoginTakesTheLockAndWritesWhoHoldsIt) {
    UserSessionLock lock(Folder(), clock, Computer("lab-01", 100), Alive());
    UserSessionLock::Result result = lock.Acquire("Anna");
    ASSERT_EQ(result.outcome, Outcome::Acquired);
    EXPECT_TRUE(lock.Holds("Anna"));
    EXPECT_EQ(lock.userName(), "Anna");

    std::optional<SessionHolder> written = UserSessionLock::ReadLockFile(users.File("anna.lock"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->host, "lab-01");
    EXPECT_EQ(written->pid, 100);
    EXPECT_EQ(written->since, clock.NowSeconds());
    EXPECT_EQ(written->heartbeat, clock.NowSeconds());
    // Nothing else is left in the folder (no file written aside, no take-over lock).
    EXPECT_EQ(std::distance(fs::directory_iterator(users.path()), fs::directory_iterator()), 1);
}

// The second login of a user who is logged in, wherever, is refused and told where.
struct HeldCase {
    std::string label;
    SessionHolder second;
    std::string typedName;
    friend void PrintTo(const HeldCase& c, std::ostream* os) { *os << c.label; }
};

class UserSessionLockHeld : public UserSessionLockTest,
                            public testing::WithParamInterface<HeldCase> {};

TEST_P(UserSessionLockHeld, SecondLoginIsRefusedNamingTheHolder) {
    UserSessionLock first(Folder(), clock, Computer("lab-01", 100), Alive());
    ASSERT_EQ(first.Acquire("Anna").outcome, Outcome::Acquired);
    clock.AdvanceMs(UserSessionLock::kStaleAfterSeconds * 1000);

    UserSessionLock second(Folder(), clock, GetParam().second, Alive());
    UserSessionLock::Result result = second.Acquire(GetParam().typedName);
    EXPECT_EQ(result.outcome, Outcome::HeldElsewhere);
    EXPECT_EQ(result.holder.host, "lab-01");
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(first.Holds("Anna"));
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, UserSessionLockHeld,
    testing::Values(HeldCase{"OtherComputer", Computer("lab-02", 100), "Anna"},
                    HeldCase{"OtherProgramOfTheSameComputer", Computer("lab-01", 200), "Anna"},
                    HeldCase{"NameInOtherLetterCase", Computer("lab-02", 100), "aNNA"},
                    // Cloned computers may share a name; their machine identities differ.
                    HeldCase{"OtherComputerOfTheSameName",
                             [] {
                                 SessionHolder twin = Computer("lab-01", 300);
                                 twin.machineId = "machine-twin";
                                 return twin;
                             }(),
                             "Anna"}),
    [](const testing::TestParamInfo<HeldCase>& info) { return info.param.label; });

// Locks left behind by sessions that ended without logging out are taken over; live ones
// are not.
struct StaleCase {
    std::string label;
    SessionHolder left;
    std::int64_t ageSeconds;
    Outcome outcome;
    friend void PrintTo(const StaleCase& c, std::ostream* os) { *os << c.label; }
};

class UserSessionLockStale : public UserSessionLockTest,
                             public testing::WithParamInterface<StaleCase> {};

TEST_P(UserSessionLockStale, LeftLockIsTakenOverOnlyWhenItsSessionIsOver) {
    SessionHolder left = GetParam().left;
    left.since = clock.NowSeconds() - 3600;
    left.heartbeat = clock.NowSeconds() - GetParam().ageSeconds;
    WriteLock("anna.lock", left);

    UserSessionLock lock(Folder(), clock, Computer("lab-01", 100), Alive());
    EXPECT_EQ(lock.Acquire("Anna").outcome, GetParam().outcome);
    std::optional<SessionHolder> now = UserSessionLock::ReadLockFile(users.File("anna.lock"));
    ASSERT_TRUE(now);
    EXPECT_EQ(now->host, GetParam().outcome == Outcome::Acquired ? "lab-01" : left.host);
    EXPECT_FALSE(fs::exists(users.File("anna.lock.takeover")));
}

constexpr std::int64_t kStale = UserSessionLock::kStaleAfterSeconds;

INSTANTIATE_TEST_SUITE_P(
    Sessions, UserSessionLockStale,
    testing::Values(StaleCase{"OtherComputerSilentTooLong", Computer("lab-02", 100), kStale + 1,
                              Outcome::Acquired},
                    StaleCase{"OtherComputerJustWithinTheLimit", Computer("lab-02", 100), kStale,
                              Outcome::HeldElsewhere},
                    // Another computer's pid means nothing here.
                    StaleCase{"OtherComputerWithAPidNotRunningHere", Computer("lab-02", 999), 10,
                              Outcome::HeldElsewhere},
                    StaleCase{"ThisComputerProgramGone", Computer("lab-01", 999), 10,
                              Outcome::Acquired},
                    StaleCase{"ThisComputerProgramRunning", Computer("lab-01", 200), 10,
                              Outcome::HeldElsewhere},
                    StaleCase{"ThisComputerBeforeItsRestart", Computer("lab-01", 200, "b0"), 10,
                              Outcome::Acquired},
                    // The pid now belongs to some other program: the session stopped its heartbeat.
                    StaleCase{"ThisComputerPidReusedHeartbeatOld", Computer("lab-01", 200),
                              kStale + 1, Outcome::Acquired}),
    [](const testing::TestParamInfo<StaleCase>& info) { return info.param.label; });

// A file that is no lock file's text (damaged, or being written where the file system has no
// hard links) holds the user while it is young and is taken over when it is old.
TEST_F(UserSessionLockTest, UnreadableLockIsJudgedByItsAge) {
    clock.SetNowSeconds(std::time(nullptr));
    const std::string path = users.Write("anna.lock", "");
    UserSessionLock lock(Folder(), clock, Computer("lab-01", 100), Alive());
    UserSessionLock::Result young = lock.Acquire("Anna");
    EXPECT_EQ(young.outcome, Outcome::HeldElsewhere);
    EXPECT_EQ(young.holder.host, "");

    const timeval old[2] = {{clock.NowSeconds() - kStale - 10, 0},
                            {clock.NowSeconds() - kStale - 10, 0}};
    ASSERT_EQ(utimes(path.c_str(), old), 0);
    EXPECT_EQ(lock.Acquire("Anna").outcome, Outcome::Acquired);
}

TEST_F(UserSessionLockTest, HeartbeatKeepsALongSessionFromBeingTakenOver) {
    UserSessionLock first(Folder(), clock, Computer("lab-01", 100), Alive());
    UserSessionLock second(Folder(), clock, Computer("lab-02", 100), Alive());
    ASSERT_EQ(first.Acquire("Anna").outcome, Outcome::Acquired);
    for (int i = 0; i < 40; ++i) {  // twenty minutes
        clock.AdvanceMs(UserSessionLock::kRefreshSeconds * 1000);
        ASSERT_TRUE(first.Refresh());
        ASSERT_EQ(second.Acquire("Anna").outcome, Outcome::HeldElsewhere) << i;
    }
    // Without a heartbeat the session counts as over.
    clock.AdvanceMs((kStale + 1) * 1000);
    EXPECT_EQ(second.Acquire("Anna").outcome, Outcome::Acquired);
}

// The first computer slept past the limit and its session was taken over: it learns so and
// leaves the new holder's lock alone.
TEST_F(UserSessionLockTest, TakenOverSessionIsLostAndDoesNotRemoveTheNewLock) {
    UserSessionLock first(Folder(), clock, Computer("lab-01", 100), Alive());
    UserSessionLock second(Folder(), clock, Computer("lab-02", 100), Alive());
    ASSERT_EQ(first.Acquire("Anna").outcome, Outcome::Acquired);
    clock.AdvanceMs((kStale + 1) * 1000);
    ASSERT_EQ(second.Acquire("Anna").outcome, Outcome::Acquired);

    EXPECT_FALSE(first.Holds("Anna"));
    EXPECT_FALSE(first.Refresh());
    EXPECT_FALSE(first.held());
    first.Release();
    EXPECT_TRUE(second.Holds("Anna"));
    EXPECT_EQ(UserSessionLock::ReadLockFile(users.File("anna.lock"))->host, "lab-02");
}

// Log in a New User: the new user's lock is taken first, then the old one is freed; a
// refused login keeps the old one.
TEST_F(UserSessionLockTest, OtherUserReplacesTheLockOnlyWhenTaken) {
    WriteLock("bob.lock", [this] {
        SessionHolder bob = Computer("lab-02", 100);
        bob.heartbeat = clock.NowSeconds();
        return bob;
    }());
    UserSessionLock lock(Folder(), clock, Computer("lab-01", 100), Alive());
    ASSERT_EQ(lock.Acquire("Anna").outcome, Outcome::Acquired);

    EXPECT_EQ(lock.Acquire("Bob").outcome, Outcome::HeldElsewhere);
    EXPECT_TRUE(lock.Holds("Anna"));

    ASSERT_EQ(lock.Acquire("Cyril").outcome, Outcome::Acquired);
    EXPECT_TRUE(lock.Holds("Cyril"));
    EXPECT_FALSE(fs::exists(users.File("anna.lock")));

    // The same user again (a new login of the same name) keeps the lock.
    EXPECT_EQ(lock.Acquire("CYRIL").outcome, Outcome::Acquired);
    EXPECT_TRUE(lock.Holds("Cyril"));
}

TEST_F(UserSessionLockTest, EndOfTheProgramReleasesTheLock) {
    {
        UserSessionLock lock(Folder(), clock, Computer("lab-01", 100), Alive());
        ASSERT_EQ(lock.Acquire("Anna").outcome, Outcome::Acquired);
    }
    EXPECT_FALSE(fs::exists(users.File("anna.lock")));
    UserSessionLock other(Folder(), clock, Computer("lab-02", 100), Alive());
    EXPECT_EQ(other.Acquire("Anna").outcome, Outcome::Acquired);
}

// Somebody else taking over right now owns the user for that moment; a take-over lock left
// by a program that ended in the middle does not block anybody.
TEST_F(UserSessionLockTest, TakeOverInProgressElsewhereRefusesAndADeadOneIsCleared) {
    SessionHolder left = Computer("lab-03", 100);
    left.heartbeat = clock.NowSeconds() - kStale - 1;
    WriteLock("anna.lock", left);
    SessionHolder taker = Computer("lab-02", 100);
    taker.heartbeat = clock.NowSeconds();
    WriteLock("anna.lock.takeover", taker);

    UserSessionLock lock(Folder(), clock, Computer("lab-01", 100), Alive());
    UserSessionLock::Result result = lock.Acquire("Anna");
    EXPECT_EQ(result.outcome, Outcome::HeldElsewhere);
    EXPECT_EQ(result.holder.host, "lab-02");

    clock.AdvanceMs((kStale + 1) * 1000);
    EXPECT_EQ(lock.Acquire("Anna").outcome, Outcome::Acquired);
    EXPECT_FALSE(fs::exists(users.File("anna.lock.takeover")));
}

TEST_F(UserSessionLockTest, ReadOnlyUsersFolderNeedsNoLock) {
    ASSERT_EQ(chmod(users.path().c_str(), 0555), 0);
    if (access(users.path().c_str(), W_OK) == 0) {
        chmod(users.path().c_str(), 0755);
        GTEST_SKIP() << "the superuser may write into read-only folders";
    }
    UserSessionLock lock(Folder(), clock, Computer("lab-01", 100), Alive());
    UserSessionLock::Result result = lock.Acquire("Anna");
    chmod(users.path().c_str(), 0755);
    EXPECT_EQ(result.outcome, Outcome::ReadOnlyFolder);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(lock.held());
}

TEST_F(UserSessionLockTest, MissingUsersFolderFailsWithTheReason) {
    UserSessionLock lock(users.File("not/there"), clock, Computer("lab-01", 100), Alive());
    UserSessionLock::Result result = lock.Acquire("Anna");
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_NE(result.error.find("No such file"), std::string::npos) << result.error;
}

// Real programs: several processes of this computer log in as one user at the same moment.
TEST(UserSessionLockProcesses, OfProgramsStartingTogetherExactlyOneLogsIn) {
    TempDir users;
    constexpr int kPrograms = 6;
    int start[2];
    int results[2];
    int finish[2];
    ASSERT_EQ(pipe(start), 0);
    ASSERT_EQ(pipe(results), 0);
    ASSERT_EQ(pipe(finish), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < kPrograms; ++i) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(start[1]);
            close(results[0]);
            close(finish[1]);
            char c;
            // All wait here until the parent lets them go at once.
            while (read(start[0], &c, 1) > 0) {
            }
            SystemClock clock;
            UserSessionLock lock(users.path(), clock, SessionHolder::ThisProcess());
            UserSessionLock::Outcome outcome = lock.Acquire("Anna").outcome;
            char report = outcome == Outcome::Acquired        ? 'A'
                          : outcome == Outcome::HeldElsewhere ? 'H'
                                                              : 'F';
            (void)!write(results[1], &report, 1);
            // The winner keeps its session until every program has tried.
            while (read(finish[0], &c, 1) > 0) {
            }
            _exit(0);
        }
        children.push_back(child);
    }
    close(start[0]);
    close(results[1]);
    close(finish[0]);
    close(start[1]);
    std::string reports;
    char c;
    while (reports.size() < kPrograms && read(results[0], &c, 1) == 1) {
        reports += c;
    }
    close(finish[1]);
    for (pid_t child : children) {
        waitpid(child, nullptr, 0);
    }
    close(results[0]);
    EXPECT_EQ(std::count(reports.begin(), reports.end(), 'A'), 1) << reports;
    EXPECT_EQ(std::count(reports.begin(), reports.end(), 'H'), kPrograms - 1) << reports;
}

// A program that crashed (killed, nothing released) leaves its lock; the next program of this
// computer sees its pid gone and takes the user over at once.
TEST(UserSessionLockProcesses, LockOfACrashedProgramIsTakenOver) {
    TempDir users;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(ready[0]);
        SystemClock clock;
        UserSessionLock lock(users.path(), clock, SessionHolder::ThisProcess());
        char report = lock.Acquire("Anna").outcome == Outcome::Acquired ? 'A' : 'F';
        (void)!write(ready[1], &report, 1);
        pause();  // until killed
        _exit(0);
    }
    close(ready[1]);
    char report = 0;
    ASSERT_EQ(read(ready[0], &report, 1), 1);
    close(ready[0]);
    ASSERT_EQ(report, 'A');

    SystemClock clock;
    UserSessionLock lock(users.path(), clock, SessionHolder::ThisProcess());
    EXPECT_EQ(lock.Acquire("Anna").outcome, Outcome::HeldElsewhere);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(lock.Acquire("Anna").outcome, Outcome::Acquired);
}

}  // namespace
