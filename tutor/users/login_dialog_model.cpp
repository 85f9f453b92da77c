#include "tutor/users/login_dialog_model.h"

#include "common/code_page.h"
#include "common/message_sink.h"
#include "tutor/users/info_box_prompts.h"
#include "tutor/users/session_holder.h"
#include "tutor/users/user_name.h"
#include "tutor/users/user_profile.h"
#include "tutor/users/user_session_lock.h"

namespace {

std::string Limited(std::string_view text) {
    return std::string(text.substr(0, LoginDialogModel::kMaxInputLength));
}

}  // namespace

LoginDialogModel::LoginDialogModel(UserProfile& profile, MessageSink& messages,
                                   InfoBoxPrompts& prompts)
    : profile_(profile), messages_(messages), prompts_(prompts) {}

void LoginDialogModel::open() {
    repeatVisible_ = false;
    profile_.scanUserFiles(profile_.usersFolder());
    fillList();
}

void LoginDialogModel::fillList() {
    // Each name goes to the top of the list, so the list shows the scan in reverse.
    entries_.assign(profile_.knownUsers().rbegin(), profile_.knownUsers().rend());
    selectedIndex_ = -1;
    const int defaultIndex = profile_.defaultUserIndex();
    if (defaultIndex >= 0 &&
        static_cast<std::size_t>(defaultIndex) < profile_.knownUsers().size()) {
        const std::string& wanted = profile_.knownUsers()[static_cast<std::size_t>(defaultIndex)];
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (UserName::StartsWithIgnoringCase(entries_[i], wanted)) {
                selectedIndex_ = static_cast<int>(i);
                break;
            }
        }
    }
    nameText_ = selectedIndex_ >= 0 ? Limited(entries_[static_cast<std::size_t>(selectedIndex_)])
                                    : std::string();
    passwordText_.clear();
}

void LoginDialogModel::setNameText(std::string_view text) {
    nameText_ = Limited(text);
}

void LoginDialogModel::setPasswordText(std::string_view text) {
    passwordText_ = Limited(text);
}

void LoginDialogModel::setRepeatText(std::string_view text) {
    repeatText_ = Limited(text);
}

void LoginDialogModel::selectEntry(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) {
        return;
    }
    selectedIndex_ = index;
    nameText_ = Limited(entries_[static_cast<std::size_t>(index)]);
    passwordText_.clear();
    repeatText_.clear();
    repeatVisible_ = false;
    focus_ = Focus::List;
}

bool LoginDialogModel::leaveNameEdit() {
    std::string cleaned = UserName::Clean(nameText_);
    if (cleaned == nameText_) {
        return true;
    }
    nameText_ = cleaned;
    messages_.ShowMessage(kCaption, kBadNameCharacters, MessageSink::Icon::Warning);
    return false;
}

void LoginDialogModel::ok() {
    // After a refusal the focus goes to the field to mend.
    if (!leaveNameEdit()) {
        focus_ = Focus::Name;
        return;
    }
    if (nameText_.size() < kMinNameLength) {
        prompts_.ShowInfo(kNameTooShort);
        focus_ = Focus::Name;
        return;
    }
    // Before anything of the user is read or copied into the users folder.
    if (!takeSessionLock()) {
        return;
    }
    if (profile_.load(nameText_, diskMode_)) {
        if (profile_.checkPassword(passwordText_)) {
            // Someone who first typed an unknown name and then picked an existing user is not
            // a new user: treating them as one would reset their settings.
            newUser_ = false;
            result_ = Result::Ok;
        } else {
            prompts_.ShowInfo(kWrongPassword);
            focus_ = Focus::Password;
            if (UserSessionLock* lock = profile_.sessionLock()) {
                lock->Release();
            }
        }
        return;
    }
    nameEnabled_ = false;
    newUser_ = true;
    if (passwordText_ == repeatText_ && repeatText_.size() >= kMinPasswordLength) {
        profile_.setPassword(passwordText_);
        profile_.addKnownUser(nameText_);
        result_ = Result::Ok;
        return;
    }
    if (passwordText_.size() < kMinPasswordLength) {
        prompts_.ShowInfo(kPasswordTooShort);
        focus_ = Focus::Password;
        return;
    }
    prompts_.ShowInfo(kRepeatPassword);
    repeatVisible_ = true;
    repeatText_.clear();
    focus_ = Focus::Repeat;
}

bool LoginDialogModel::takeSessionLock() {
    UserSessionLock* lock = profile_.sessionLock();
    if (lock == nullptr) {
        return true;
    }
    const UserSessionLock::Result result = lock->Acquire(nameText_);
    switch (result.outcome) {
        case UserSessionLock::Outcome::Acquired:
            return true;
        case UserSessionLock::Outcome::ReadOnlyFolder:
            // Nothing can be written there, so nothing can be overwritten either.
            messages_.ShowMessage(kCaption, readOnlyUsersFolderText(lock->usersFolder()),
                                  MessageSink::Icon::Warning);
            return true;
        case UserSessionLock::Outcome::HeldElsewhere:
            messages_.ShowMessage(
                kCaption,
                loggedInElsewhereText(nameText_, result.holder,
                                      result.holder.SameComputer(SessionHolder::ThisProcess())),
                MessageSink::Icon::Stop);
            break;
        case UserSessionLock::Outcome::Failed:
            messages_.ShowMessage(kCaption,
                                  unusableUsersFolderText(lock->usersFolder(), result.error),
                                  MessageSink::Icon::Stop);
            break;
    }
    focus_ = Focus::Name;
    return false;
}

std::string LoginDialogModel::loggedInElsewhereText(std::string_view name,
                                                    const SessionHolder& holder,
                                                    bool thisComputer) {
    const std::string host = CodePage::Program().FromUtf8(holder.host);
    std::string where;
    if (host.empty()) {
        where = "on another computer";
    } else if (thisComputer) {
        where = "on this computer (\"" + host + "\"), in another Kelvane window";
    } else {
        where = "on the computer \"" + host + "\"";
    }
    return "The user \"" + std::string(name) + "\" is already logged in " + where +
           ".\nA user can work in one place at a time, so that no results are overwritten: "
           "log out there first.\n(A computer switched off without logging out frees the user "
           "after " +
           std::to_string(UserSessionLock::kStaleAfterSeconds / 60) + " minutes.)";
}

std::string LoginDialogModel::readOnlyUsersFolderText(std::string_view folder) {
    return "The users folder \"" + CodePage::Program().FromUtf8(folder) +
           "\" cannot be written.\nYou can practise, but your results will not be saved.";
}

std::string LoginDialogModel::unusableUsersFolderText(std::string_view folder,
                                                      std::string_view error) {
    return "The users folder \"" + CodePage::Program().FromUtf8(folder) + "\" cannot be used (" +
           std::string(error) + ").\nAsk the person who looks after the computers to check it.";
}

std::string LoginDialogModel::sessionTakenOverText(std::string_view name,
                                                   const SessionHolder& holder) {
    const std::string host = CodePage::Program().FromUtf8(holder.host);
    const std::string where = host.empty() ? "on another computer" : "on \"" + host + "\"";
    return "The user \"" + std::string(name) + "\" has been logged in " + where +
           " while this computer was out of touch with the users folder.\nNothing of this "
           "session is saved any more. Close Kelvane here and go on there.";
}

void LoginDialogModel::exit() {
    if (prompts_.AskYesNo(kReallyExit)) {
        result_ = Result::Cancel;
    }
}

std::string LoginDialogModel::disketteFolder() const {
    return profile_.disketteFolder();
}

void LoginDialogModel::loadFromDiskette() {
    messages_.ShowMessage(kCaption, kInsertDiskette, MessageSink::Icon::Information);
    const std::string folder = profile_.disketteFolder();
    if (!folder.empty() && profile_.scanUserFiles(folder)) {
        diskMode_ = true;
    } else {
        messages_.ShowMessage(kCaption, kDisketteError, MessageSink::Icon::Stop);
        profile_.scanUserFiles(profile_.usersFolder());
    }
    fillList();
}
