#include "tutor/users/login_dialog_model.h"

#include "common/message_sink.h"
#include "tutor/users/info_box_prompts.h"
#include "tutor/users/user_name.h"
#include "tutor/users/user_profile.h"

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
    if (profile_.load(nameText_, diskMode_)) {
        if (profile_.checkPassword(passwordText_)) {
            // Someone who first typed an unknown name and then picked an existing user is not
            // a new user: treating them as one would reset their settings.
            newUser_ = false;
            result_ = Result::Ok;
        } else {
            prompts_.ShowInfo(kWrongPassword);
            focus_ = Focus::Password;
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
