#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "tutor/users/session_holder.h"

/// The session lock of a user in the users folder: while a program has a user logged in it
/// holds the file <name>.lock (the name in small letters) in the users folder, so that a
/// second program, on this computer or another one sharing the folder, refuses the same user
/// instead of letting two sessions overwrite each other's results.
///
/// The lock is advisory: a file holding who has it (SessionHolder) and a heartbeat the holder
/// refreshes every kRefreshSeconds. A lock left behind is stale and is taken over:
///  - of this computer: the computer was restarted since, its program is gone, or its
///    heartbeat is older than kStaleAfterSeconds (the pid is now another program's);
///  - of another computer: its heartbeat is older than kStaleAfterSeconds (the computer was
///    switched off or lost the network without logging out).
/// The file appears complete or not at all (written aside, then hard-linked into place, so
/// exactly one of two programs creating it at once succeeds); a stale lock is taken over under
/// a second lock file, so two programs taking it over at once cannot both win.
///
/// The computers sharing a folder must agree on the time within a few minutes: heartbeats are
/// compared with the reader's clock.
class UserSessionLock {
  public:
    static constexpr std::string_view kExtension = ".lock";
    /// The holder's heartbeat period.
    static constexpr std::int64_t kRefreshSeconds = 30;
    /// A heartbeat older than this is a session that ended without logging out.
    static constexpr std::int64_t kStaleAfterSeconds = 180;

    enum class Outcome {
        Acquired,
        /// Another live session holds the user: holder says where.
        HeldElsewhere,
        /// The folder cannot be written by this user, so neither can the user's files: no
        /// lock is needed to keep them from being overwritten.
        ReadOnlyFolder,
        /// The folder could not be used (error says why).
        Failed,
    };

    struct Result {
        Outcome outcome = Outcome::Failed;
        SessionHolder holder;
        std::string error;
    };

    /// Whether a process of this computer exists.
    using ProcessProbe = std::function<bool(std::int64_t pid)>;
    static bool ProcessExists(std::int64_t pid);

    /// usersFolder holds the users' files and their locks; clock must outlive the lock. self
    /// is this program (SessionHolder::ThisProcess(); tests give others).
    UserSessionLock(std::string usersFolder, const Clock& clock, SessionHolder self,
                    ProcessProbe processExists = ProcessExists);
    /// Releases the lock held.
    ~UserSessionLock();
    UserSessionLock(const UserSessionLock&) = delete;
    UserSessionLock& operator=(const UserSessionLock&) = delete;

    /// Takes the lock of userName (code-page text). Holding it already just refreshes it.
    /// When it is taken, the lock of the user held before is released; otherwise nothing
    /// changes.
    Result Acquire(std::string_view userName);
    /// Renews the heartbeat; call it every kRefreshSeconds. False when the lock is no longer
    /// this program's (taken over while this computer slept, or removed): the session must
    /// not write the user's files any more.
    bool Refresh();
    /// Whether the lock of userName is held and its file is still this program's.
    bool Holds(std::string_view userName) const;
    /// Removes the lock file when it is still this program's.
    void Release();

    bool held() const { return held_; }
    /// The user whose lock is held, as given to Acquire.
    const std::string& userName() const { return userName_; }
    const std::string& usersFolder() const { return folder_; }

    /// The lock file of a user.
    std::string LockPath(std::string_view userName) const;
    /// Whether a session is over, judged at the clock's time.
    bool IsStale(const SessionHolder& holder) const;

    /// The holder written in a lock file. A file that does not read as one (damaged, being
    /// written, or not readable for this user) gives a holder with no name whose heartbeat is
    /// the file's time of change; nothing when there is no file.
    static std::optional<SessionHolder> ReadLockFile(const std::string& path);

    /// The lock files of a folder with their holders, sorted by file name (for the data
    /// check).
    struct Entry {
        std::string fileName;
        SessionHolder holder;
    };
    static std::vector<Entry> ListLocks(const std::string& usersFolder);

  private:
    enum class Step { Done, Retry };
    Step TryAcquire(const std::string& path, Result& result);
    Step TakeOver(const std::string& path, const SessionHolder& stale, Result& result);
    SessionHolder Stamped() const;
    bool IsMine(const std::optional<SessionHolder>& holder) const;

    std::string folder_;
    const Clock& clock_;
    SessionHolder self_;
    ProcessProbe processExists_;

    bool held_ = false;
    std::string userName_;
    std::string path_;
    std::int64_t since_ = 0;
};
