#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/product_version.h"

class InfoBoxPrompts;
class MessageSink;
class UserProfile;
struct SessionHolder;

/// What the login dialog ("Identify yourself") knows and decides: the list of known users and
/// its default entry, the name and password fields, the checks of OK (name rules, password,
/// registration of a new user with a repeated password), Exit and the switch to the users on
/// the diskette folder. The dialog window shows this state and forwards the user's actions.
class LoginDialogModel {
  public:
    enum class Result { Open, Ok, Cancel };
    enum class Focus { Name, Password, Repeat, List };

    /// Both edits and the repeat field take at most this many characters.
    static constexpr std::size_t kMaxInputLength = 10;
    /// Shorter names are refused.
    static constexpr std::size_t kMinNameLength = 2;
    /// A new password must be at least this long.
    static constexpr std::size_t kMinPasswordLength = 4;

    static constexpr const char* kCaption = kKelvaneName;
    static constexpr const char* kIntroduction =
        "Enter your name and password.\nIn case this is your first try, the program will "
        "register you automatically. Use standard characters.";
    static constexpr const char* kBadNameCharacters =
        "The name may only consist of letters, numerals and spaces.";
    static constexpr const char* kNameTooShort =
        "Enter the name, please. (More than one character)";
    static constexpr const char* kWrongPassword = "The wrong password!";
    static constexpr const char* kPasswordTooShort =
        "The password must be at least four characters long.";
    static constexpr const char* kRepeatPassword =
        "Welcome, New User! Re-enter the password. It must be checked.";
    static constexpr const char* kReallyExit = "Do you really wish to exit the program?";
    static constexpr const char* kInsertDiskette = "Insert a diskette and press the button.";
    static constexpr const char* kTitle = "Identify yourself";
    static constexpr const char* kNameLabel = "Name:";
    static constexpr const char* kPasswordLabel = "Password:";
    static constexpr const char* kRepeatLabel = "Password again:";
    static constexpr const char* kOkButton = "&OK";
    static constexpr const char* kExitButton = "E&xit";
    /// Followed by two spaces and the diskette folder in parentheses.
    static constexpr const char* kDisketteButton = "Load the user file from a diskette";
    /// The picture in the folder "pictures".
    static constexpr const char* kPicture = "Login.jpg";
    static constexpr const char* kDisketteError =
        "Error!\nThe program is unable to load data from a diskette.";

    /// The session lock's answers (a users folder shared by several computers).
    /// loggedInElsewhereText names the user and where the user is logged in.
    static std::string loggedInElsewhereText(std::string_view name, const SessionHolder& holder,
                                             bool thisComputer);
    static std::string readOnlyUsersFolderText(std::string_view folder);
    static std::string unusableUsersFolderText(std::string_view folder, std::string_view error);
    /// When a session learns that its lock was taken over (holder: the new one).
    static std::string sessionTakenOverText(std::string_view name, const SessionHolder& holder);

    /// The profile, messages and prompts must outlive the dialog.
    LoginDialogModel(UserProfile& profile, MessageSink& messages, InfoBoxPrompts& prompts);

    /// Fills the list from the users folder and selects the most recent user.
    void open();

    /// The user edits a field; longer texts are cut to kMaxInputLength.
    void setNameText(std::string_view text);
    void setPasswordText(std::string_view text);
    void setRepeatText(std::string_view text);
    /// A click on a list entry: its name goes into the name field, the passwords are cleared.
    void selectEntry(int index);
    /// The name field loses the focus: characters other than letters, digits and spaces are
    /// removed with a message. False when anything was removed.
    bool leaveNameEdit();
    void ok();
    /// Asks whether to end the program; Yes closes the dialog with Cancel.
    void exit();
    /// Switches to the users of the diskette folder, or back to the users folder when there
    /// are none.
    void loadFromDiskette();

    const std::vector<std::string>& entries() const { return entries_; }
    /// -1 when no entry is selected.
    int selectedIndex() const { return selectedIndex_; }
    const std::string& nameText() const { return nameText_; }
    const std::string& passwordText() const { return passwordText_; }
    const std::string& repeatText() const { return repeatText_; }
    /// The "Password again:" label and field.
    bool repeatVisible() const { return repeatVisible_; }
    bool nameEnabled() const { return nameEnabled_; }
    /// Where the keyboard focus belongs after the last selection or OK: the list after a
    /// selection, the field to mend after a refusal.
    Focus focus() const { return focus_; }
    Result result() const { return result_; }
    /// The user was registered (the caller resets the settings and runs the course choice).
    bool newUser() const { return newUser_; }
    bool diskMode() const { return diskMode_; }
    /// The folder "Load from diskette" reads, empty without a medium (a file path, UTF-8).
    std::string disketteFolder() const;

  private:
    void fillList();
    /// Takes the session lock of the typed name when the profile has a session lock; false
    /// (with a message) when the user is logged in elsewhere or the folder cannot be used.
    bool takeSessionLock();

    UserProfile& profile_;
    MessageSink& messages_;
    InfoBoxPrompts& prompts_;

    std::vector<std::string> entries_;
    int selectedIndex_ = -1;
    std::string nameText_;
    std::string passwordText_;
    std::string repeatText_;
    bool repeatVisible_ = false;
    bool nameEnabled_ = true;
    Focus focus_ = Focus::Name;
    Result result_ = Result::Open;
    bool newUser_ = false;
    bool diskMode_ = false;
};
