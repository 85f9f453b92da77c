#include "tutor/users/user_session_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "tutor/users/user_name.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTakeOverSuffix = ".takeover";

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes text into a new file beside path; 0 and its name, or the error.
int WriteAside(const std::string& path, const std::string& text, std::string& temp) {
    temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        return errno;
    }
    // Programs of other accounts sharing the folder read who holds the lock.
    fchmod(fd, 0644);
    bool ok = WriteAll(fd, text) && fsync(fd) == 0;
    int error = ok ? 0 : (errno ? errno : EIO);
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
    }
    return error;
}

// Creates path with text, failing with EEXIST when it exists. The file is written aside and
// hard-linked into place, so nobody ever reads it half-written and exactly one of two
// programs creating it at once succeeds, also on network file systems.
int CreateExclusive(const std::string& path, const std::string& text) {
    std::string temp;
    if (int error = WriteAside(path, text, temp)) {
        return error;
    }
    if (link(temp.c_str(), path.c_str()) == 0) {
        unlink(temp.c_str());
        return 0;
    }
    const int linkError = errno;
    // Over NFS the reply to a link that worked can be lost; the link count tells.
    struct stat info {};
    const bool linked = stat(temp.c_str(), &info) == 0 && info.st_nlink == 2;
    unlink(temp.c_str());
    if (linked) {
        return 0;
    }
    if (linkError != EPERM && linkError != ENOTSUP && linkError != EOPNOTSUPP &&
        linkError != ENOSYS && linkError != EMLINK) {
        return linkError;
    }
    // A file system without hard links (some network shares): exclusive creation, where a
    // reader may meet the file for a moment before its text (ReadLockFile judges such a
    // file by its age).
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return errno;
    }
    bool ok = WriteAll(fd, text) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok) {
        unlink(path.c_str());
        return EIO;
    }
    return 0;
}

// Replaces path with text at once (written aside, renamed over it).
int ReplaceFile(const std::string& path, const std::string& text) {
    std::string temp;
    if (int error = WriteAside(path, text, temp)) {
        return error;
    }
    if (rename(temp.c_str(), path.c_str()) != 0) {
        int error = errno;
        unlink(temp.c_str());
        return error;
    }
    return 0;
}

bool IsReadOnlyError(int error) {
    return error == EACCES || error == EROFS || error == EPERM;
}

}  // namespace

bool UserSessionLock::ProcessExists(std::int64_t pid) {
    if (pid <= 0) {
        return false;
    }
    // EPERM: the process exists but belongs to another account.
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

UserSessionLock::UserSessionLock(std::string usersFolder, const Clock& clock, SessionHolder self,
                                 ProcessProbe processExists)
    : folder_(WithSlash(std::move(usersFolder))),
      clock_(clock),
      self_(std::move(self)),
      processExists_(std::move(processExists)) {}

UserSessionLock::~UserSessionLock() {
    Release();
}

std::string UserSessionLock::LockPath(std::string_view userName) const {
    return folder_ + UserName::FileName(UserName::FoldCase(userName), kExtension);
}

bool UserSessionLock::IsStale(const SessionHolder& holder) const {
    const bool old = clock_.NowSeconds() - holder.heartbeat > kStaleAfterSeconds;
    if (holder.SameComputer(self_)) {
        const bool restartedSince =
            !holder.bootId.empty() && !self_.bootId.empty() && holder.bootId != self_.bootId;
        return restartedSince || !processExists_(holder.pid) || old;
    }
    return old;
}

std::optional<SessionHolder> UserSessionLock::ReadLockFile(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string text;
    if (in) {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (std::optional<SessionHolder> holder = SessionHolder::FromText(text)) {
        return holder;
    }
    SessionHolder unknown;
    unknown.heartbeat = info.st_mtim.tv_sec;
    return unknown;
}

std::vector<UserSessionLock::Entry> UserSessionLock::ListLocks(const std::string& usersFolder) {
    std::vector<Entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(usersFolder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= kExtension.size() ||
            std::string_view(name).substr(name.size() - kExtension.size()) != kExtension) {
            continue;
        }
        if (std::optional<SessionHolder> holder = ReadLockFile(it->path().string())) {
            entries.push_back({name, *holder});
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.fileName < b.fileName; });
    return entries;
}

SessionHolder UserSessionLock::Stamped() const {
    SessionHolder mine = self_;
    mine.since = clock_.NowSeconds();
    mine.heartbeat = mine.since;
    return mine;
}

bool UserSessionLock::IsMine(const std::optional<SessionHolder>& holder) const {
    return holder && holder->SameProcess(self_) && holder->since == since_;
}

UserSessionLock::Result UserSessionLock::Acquire(std::string_view userName) {
    Result result;
    if (!UserName::IsSafe(userName)) {
        result.error = "not a name of a file in the users folder";
        return result;
    }
    const std::string path = LockPath(userName);
    if (held_ && path == path_ && Refresh()) {
        result.outcome = Outcome::Acquired;
        result.holder = self_;
        return result;
    }
    // A lock that changes hands between reading and taking it is looked at again; a few
    // rounds settle it.
    Step step = Step::Retry;
    for (int round = 0; round < 4 && step == Step::Retry; ++round) {
        step = TryAcquire(path, result);
    }
    if (step == Step::Retry) {
        result.outcome = Outcome::Failed;
        result.error = "the lock file keeps changing";
    }
    if (result.outcome == Outcome::Acquired) {
        if (held_ && path_ != path) {
            Release();
        }
        held_ = true;
        path_ = path;
        userName_ = std::string(userName);
        since_ = result.holder.since;
    }
    return result;
}

UserSessionLock::Step UserSessionLock::TryAcquire(const std::string& path, Result& result) {
    const SessionHolder mine = Stamped();
    int error = CreateExclusive(path, mine.ToText());
    if (error == 0) {
        result = {Outcome::Acquired, mine, {}};
        return Step::Done;
    }
    if (error != EEXIST) {
        result = {IsReadOnlyError(error) ? Outcome::ReadOnlyFolder : Outcome::Failed,
                  {},
                  std::strerror(error)};
        return Step::Done;
    }
    std::optional<SessionHolder> current = ReadLockFile(path);
    if (!current) {
        return Step::Retry;  // released meanwhile
    }
    if (current->SameProcess(self_)) {
        // Ours from an earlier login of this program: renewed.
        error = ReplaceFile(path, mine.ToText());
        result = error == 0 ? Result{Outcome::Acquired, mine, {}}
                            : Result{Outcome::Failed, {}, std::strerror(error)};
        return Step::Done;
    }
    if (!IsStale(*current)) {
        result = {Outcome::HeldElsewhere, *current, {}};
        return Step::Done;
    }
    return TakeOver(path, *current, result);
}

UserSessionLock::Step UserSessionLock::TakeOver(const std::string& path, const SessionHolder& stale,
                                                Result& result) {
    const std::string guard = path + std::string(kTakeOverSuffix);
    const SessionHolder mine = Stamped();
    int error = CreateExclusive(guard, mine.ToText());
    if (error == EEXIST) {
        std::optional<SessionHolder> taker = ReadLockFile(guard);
        if (taker && !IsStale(*taker)) {
            // Another program is taking the user over this moment.
            result = {Outcome::HeldElsewhere, *taker, {}};
            return Step::Done;
        }
        // A program that ended in the middle of taking over.
        unlink(guard.c_str());
        return Step::Retry;
    }
    if (error != 0) {
        result = {IsReadOnlyError(error) ? Outcome::ReadOnlyFolder : Outcome::Failed,
                  {},
                  std::strerror(error)};
        return Step::Done;
    }
    // Only this program takes over now, and only the lock it judged stale.
    Step step = Step::Retry;
    std::optional<SessionHolder> current = ReadLockFile(path);
    if (current && *current == stale) {
        if (unlink(path.c_str()) != 0 && errno != ENOENT) {
            result = {Outcome::Failed, {}, std::strerror(errno)};
            step = Step::Done;
        } else if ((error = CreateExclusive(path, mine.ToText())) == 0) {
            result = {Outcome::Acquired, mine, {}};
            step = Step::Done;
        } else if (error != EEXIST) {
            result = {Outcome::Failed, {}, std::strerror(error)};
            step = Step::Done;
        }
    }
    unlink(guard.c_str());
    return step;
}

bool UserSessionLock::Refresh() {
    if (!held_) {
        return false;
    }
    if (!IsMine(ReadLockFile(path_))) {
        held_ = false;
        return false;
    }
    SessionHolder mine = self_;
    mine.since = since_;
    mine.heartbeat = clock_.NowSeconds();
    // A write that fails (the network away for a moment) leaves the lock this program's; the
    // next refresh tries again.
    ReplaceFile(path_, mine.ToText());
    return true;
}

bool UserSessionLock::Holds(std::string_view userName) const {
    return held_ && LockPath(userName) == path_ && IsMine(ReadLockFile(path_));
}

void UserSessionLock::Release() {
    if (held_ && IsMine(ReadLockFile(path_))) {
        unlink(path_.c_str());
    }
    held_ = false;
    userName_.clear();
}
