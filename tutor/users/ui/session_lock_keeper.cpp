#include "tutor/users/ui/session_lock_keeper.h"

#include <string>

#include "common/message_sink.h"
#include "tutor/users/login_dialog_model.h"
#include "tutor/users/user_session_lock.h"

SessionLockKeeper::SessionLockKeeper(UserSessionLock& lock, MessageSink& messages, QObject* parent)
    : QObject(parent), lock_(lock), messages_(messages) {
    timer_.setInterval(static_cast<int>(UserSessionLock::kRefreshSeconds * 1000));
    connect(&timer_, &QTimer::timeout, this, &SessionLockKeeper::refresh);
    timer_.start();
}

void SessionLockKeeper::refresh() {
    if (!lock_.held()) {
        return;  // nobody logged in, or already told
    }
    if (lock_.Refresh()) {
        return;
    }
    const std::string name = lock_.userName();
    const std::optional<SessionHolder> holder = UserSessionLock::ReadLockFile(lock_.LockPath(name));
    messages_.ShowMessage(
        LoginDialogModel::kCaption,
        LoginDialogModel::sessionTakenOverText(name, holder.value_or(SessionHolder{})),
        MessageSink::Icon::Stop);
}
