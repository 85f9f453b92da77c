#include "tutor/users/login_dialog_model.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "common/compressed_line_file.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/users/password_hash.h"
#include "tutor/users/tests/users_test_support.h"
#include "tutor/users/user_profile.h"
#include "tutor/users/user_session_lock.h"

namespace fs = std::filesystem;

namespace {

class LoginDialogModelTest : public testing::Test {
  protected:
    void AddUser(const TempDir& folder, const std::string& name, const std::string& password,
                 int minutesAgo = 60) {
        CompressedLineFile file;
        for (const std::string& line : DatLines(name, *PasswordHash::Hash(password), {})) {
            file.AddLine(line);
        }
        const std::string path = folder.File(name + ".dat");
        ASSERT_TRUE(file.Write(path));
        fs::last_write_time(path,
                            fs::file_time_type::clock::now() - std::chrono::minutes(minutesAgo));
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.messages) {
            EXPECT_EQ(m.caption, "Kelvane");
            texts.push_back(m.text);
        }
        return texts;
    }

    FakeClock clock;
    TempDir users;
    TempDir media;
    FixedDisketteFolder diskette{media.path()};
    UserProfile profile{clock, users.path(), diskette};
    RecordingMessageSink messages;
    FakeInfoBoxPrompts prompts;
    LoginDialogModel dialog{profile, messages, prompts};
};

TEST_F(LoginDialogModelTest, EmptyUsersFolderGivesAnEmptyListWithoutSelection) {
    dialog.open();
    EXPECT_TRUE(dialog.entries().empty());
    EXPECT_EQ(dialog.selectedIndex(), -1);
    EXPECT_EQ(dialog.nameText(), "");
    EXPECT_FALSE(dialog.repeatVisible());
}

TEST_F(LoginDialogModelTest, OpeningSelectsTheMostRecentUser) {
    AddUser(users, "anna", "aaaa", 30);
    AddUser(users, "bert", "bbbb", 10);
    AddUser(users, "cyril", "cccc", 20);
    dialog.setPasswordText("typed");
    dialog.open();
    ASSERT_EQ(dialog.entries().size(), 3u);
    // Every name went to the top of the list, so the list is the scan reversed.
    std::vector<std::string> reversed(profile.knownUsers().rbegin(), profile.knownUsers().rend());
    EXPECT_EQ(dialog.entries(), reversed);
    ASSERT_GE(dialog.selectedIndex(), 0);
    EXPECT_EQ(dialog.entries()[dialog.selectedIndex()], "bert");
    EXPECT_EQ(dialog.nameText(), "bert");
    EXPECT_EQ(dialog.passwordText(), "");
}

TEST_F(LoginDialogModelTest, DefaultSelectionIsTheFirstEntryStartingWithTheName) {
    AddUser(users, "Jan", "aaaa", 5);
    AddUser(users, "janicka", "bbbb", 50);
    dialog.open();
    ASSERT_GE(dialog.selectedIndex(), 0);
    const std::string& selected = dialog.entries()[dialog.selectedIndex()];
    // Whichever comes first of the entries that begin with "Jan" in any letter case.
    EXPECT_EQ(selected, dialog.entries()[0]);
}

TEST_F(LoginDialogModelTest, SelectingAnEntryFillsTheNameAndHidesTheRepeat) {
    AddUser(users, "anna", "aaaa");
    AddUser(users, "bert", "bbbb");
    dialog.open();
    dialog.setNameText("newbie");
    dialog.setPasswordText("abcdef");
    dialog.ok();
    ASSERT_TRUE(dialog.repeatVisible());
    dialog.setRepeatText("abc");
    dialog.selectEntry(1);
    EXPECT_EQ(dialog.nameText(), dialog.entries()[1]);
    EXPECT_EQ(dialog.passwordText(), "");
    EXPECT_EQ(dialog.repeatText(), "");
    EXPECT_FALSE(dialog.repeatVisible());
    EXPECT_EQ(dialog.focus(), LoginDialogModel::Focus::List);
    dialog.selectEntry(7);  // no such entry
    EXPECT_EQ(dialog.selectedIndex(), 1);
}

TEST_F(LoginDialogModelTest, InputsAreLimitedToTenCharacters) {
    dialog.setNameText("abcdefghijklmno");
    dialog.setPasswordText("0123456789xyz");
    dialog.setRepeatText("0123456789xyz");
    EXPECT_EQ(dialog.nameText(), "abcdefghij");
    EXPECT_EQ(dialog.passwordText(), "0123456789");
    EXPECT_EQ(dialog.repeatText(), "0123456789");
}

struct NameCase {
    const char* typed;
    const char* shown;
    std::vector<std::string> messages;
    std::vector<std::string> infos;
};

class LoginDialogModelNameRules : public LoginDialogModelTest,
                                  public testing::WithParamInterface<NameCase> {};

TEST_P(LoginDialogModelNameRules, OkRefusesBadNames) {
    dialog.open();
    dialog.setNameText(GetParam().typed);
    dialog.setPasswordText("abcdef");
    dialog.ok();
    EXPECT_EQ(dialog.result(), LoginDialogModel::Result::Open);
    EXPECT_EQ(dialog.nameText(), GetParam().shown);
    EXPECT_EQ(MessageTexts(), GetParam().messages);
    EXPECT_EQ(prompts.infos, GetParam().infos);
    EXPECT_FALSE(dialog.newUser());
    EXPECT_TRUE(profile.knownUsers().empty());
    EXPECT_EQ(dialog.focus(), LoginDialogModel::Focus::Name);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LoginDialogModelNameRules,
    testing::Values(
        NameCase{"a", "a", {}, {"Enter the name, please. (More than one character)"}},
        NameCase{"", "", {}, {"Enter the name, please. (More than one character)"}},
        NameCase{"jan-petr-",
                 "janpetr",
                 {"The name may only consist of letters, numerals and spaces."},
                 {}},
        NameCase{"../x", "x", {"The name may only consist of letters, numerals and spaces."}, {}},
        NameCase{"-", "", {"The name may only consist of letters, numerals and spaces."}, {}}));

TEST_F(LoginDialogModelTest, LeavingTheNameEditCleansIt) {
    dialog.setNameText(
        "\xC8"
        "ada-1");
    EXPECT_FALSE(dialog.leaveNameEdit());
    EXPECT_EQ(dialog.nameText(),
              "\xC8"
              "ada1");
    EXPECT_TRUE(dialog.leaveNameEdit());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{
                                  "The name may only consist of letters, numerals and spaces."});
}

TEST_F(LoginDialogModelTest, CapitalsLogInTheUserStoredInSmallLetters) {
    AddUser(users, "petr", "Heslo");
    dialog.open();
    dialog.setNameText("PETR");
    dialog.setPasswordText("Heslo");
    dialog.ok();
    EXPECT_EQ(dialog.result(), LoginDialogModel::Result::Ok);
    EXPECT_FALSE(dialog.newUser());
    EXPECT_TRUE(prompts.infos.empty());
}

TEST_F(LoginDialogModelTest, PasswordInOtherLetterCaseIsRefused) {
    AddUser(users, "petr", "Heslo");
    dialog.open();
    dialog.setNameText("petr");
    dialog.setPasswordText("heslo");
    dialog.ok();
    EXPECT_EQ(dialog.result(), LoginDialogModel::Result::Open);
    EXPECT_EQ(prompts.infos, std::vector<std::string>{"The wrong password!"});
    EXPECT_EQ(dialog.focus(), LoginDialogModel::Focus::Password);
    EXPECT_TRUE(dialog.nameEnabled());
    EXPECT_FALSE(dialog.newUser());
}

// An earlier version kept the password as typed; one that begins like a hash text is a
// password all the same.
TEST_F(LoginDialogModelTest, PasswordAsTypedThatBeginsLikeAHashLogsIn) {
    WriteLineFile(users.File("petr.dat"), DatLines("petr", "$argon2i$x", {}));
    dialog.open();
    dialog.setNameText("petr");
    dialog.setPasswordText("$argon2i$x");
    dialog.ok();
    EXPECT_EQ(dialog.result(), LoginDialogModel::Result::Ok);
    EXPECT_TRUE(prompts.infos.empty());
    EXPECT_FALSE(dialog.newUser());

    ASSERT_TRUE(profile.saveOnExit());
    CompressedLineFile file;
    ASSERT_TRUE(file.Read(users.File("petr.dat")));
    ASSERT_GE(file.lines().size(), 2u);
    EXPECT_TRUE(PasswordHash::IsHash(file.lines()[1])) << file.lines()[1];
    EXPECT_TRUE(PasswordHash::Verify(file.lines()[1], "$argon2i$x"));
}

struct NewUserCase {
    const char* password;
    const char* repeat;
    bool registered;
    std::vector<std::string> infos;
    bool repeatShown;
};

class LoginDialogNewUser : public LoginDialogModelTest,
                           public testing::WithParamInterface<NewUserCase> {};

TEST_P(LoginDialogNewUser, NeedsTheSamePasswordTwiceOfFourCharacters) {
    dialog.open();
    dialog.setNameText("Eva");
    dialog.setPasswordText(GetParam().password);
    dialog.setRepeatText(GetParam().repeat);
    dialog.ok();
    EXPECT_TRUE(dialog.newUser());
    EXPECT_FALSE(dialog.nameEnabled());
    EXPECT_EQ(prompts.infos, GetParam().infos);
    EXPECT_EQ(dialog.repeatVisible(), GetParam().repeatShown);
    EXPECT_EQ(dialog.result(), GetParam().registered ? LoginDialogModel::Result::Ok
                                                     : LoginDialogModel::Result::Open);
    if (GetParam().repeatShown) {
        EXPECT_EQ(dialog.repeatText(), "");
        EXPECT_EQ(dialog.focus(), LoginDialogModel::Focus::Repeat);
    } else if (!GetParam().registered) {
        EXPECT_EQ(dialog.focus(), LoginDialogModel::Focus::Password);
    }
    EXPECT_EQ(profile.knownUsers().size(), GetParam().registered ? 1u : 0u);
    if (GetParam().registered) {
        EXPECT_TRUE(profile.checkPassword(GetParam().password));
        EXPECT_TRUE(profile.modified());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, LoginDialogNewUser,
    testing::Values(
        NewUserCase{
            "abc", "abc", false, {"The password must be at least four characters long."}, false},
        NewUserCase{
            "ab", "", false, {"The password must be at least four characters long."}, false},
        NewUserCase{"abcd",
                    "",
                    false,
                    {"Welcome, New User! Re-enter the password. It must be checked."},
                    true},
        NewUserCase{"abcdef",
                    "abcdeg",
                    false,
                    {"Welcome, New User! Re-enter the password. It must be checked."},
                    true},
        NewUserCase{"abcdef",
                    "ABCDEF",
                    false,
                    {"Welcome, New User! Re-enter the password. It must be checked."},
                    true},
        NewUserCase{"abcd", "abcd", true, {}, false}));

TEST_F(LoginDialogModelTest, NewUserRegistersOnTheSecondOkAndIsSavedAtTheEnd) {
    dialog.open();
    dialog.setNameText("Eva");
    dialog.setPasswordText("tajne");
    dialog.ok();
    ASSERT_TRUE(dialog.repeatVisible());
    dialog.setRepeatText("tajne");
    dialog.ok();
    ASSERT_EQ(dialog.result(), LoginDialogModel::Result::Ok);
    EXPECT_TRUE(dialog.newUser());
    EXPECT_EQ(profile.name(), "Eva");
    ASSERT_TRUE(profile.saveOnExit());

    UserProfile again(clock, users.path(), diskette);
    LoginDialogModel second(again, messages, prompts);
    second.open();
    EXPECT_EQ(second.nameText(), "Eva");
    second.setPasswordText("tajne");
    second.ok();
    EXPECT_EQ(second.result(), LoginDialogModel::Result::Ok);
    EXPECT_FALSE(second.newUser());
}

TEST_F(LoginDialogModelTest, ExistingUserChosenAfterAnUnknownNameIsNotNew) {
    AddUser(users, "petr", "Heslo");
    dialog.open();
    dialog.setNameText("nobody");
    dialog.setPasswordText("abcdef");
    dialog.ok();
    ASSERT_TRUE(dialog.newUser());
    dialog.selectEntry(0);
    dialog.setPasswordText("Heslo");
    dialog.ok();
    EXPECT_EQ(dialog.result(), LoginDialogModel::Result::Ok);
    EXPECT_FALSE(dialog.newUser()) << "a new user's settings would replace petr's";
}

TEST_F(LoginDialogModelTest, ExitAsksFirst) {
    prompts.answers = {false, true};
    dialog.exit();
    EXPECT_EQ(dialog.result(), LoginDialogModel::Result::Open);
    dialog.exit();
    EXPECT_EQ(dialog.result(), LoginDialogModel::Result::Cancel);
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>(2, "Do you really wish to exit the program?"));
}

TEST_F(LoginDialogModelTest, DisketteModeListsAndLoadsTheUsersOfTheDiskette) {
    AddUser(users, "local", "aaaa");
    AddUser(media, "traveller", "bbbb");
    dialog.open();
    dialog.loadFromDiskette();
    EXPECT_TRUE(dialog.diskMode());
    EXPECT_EQ(dialog.entries(), std::vector<std::string>{"traveller"});
    EXPECT_EQ(dialog.nameText(), "traveller");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Insert a diskette and press the button."});

    dialog.setPasswordText("bbbb");
    dialog.ok();
    EXPECT_EQ(dialog.result(), LoginDialogModel::Result::Ok);
    EXPECT_TRUE(profile.fromDiskette());
    EXPECT_TRUE(fs::exists(users.File("traveller.dat")));
}

TEST_F(LoginDialogModelTest, DisketteWithoutUsersFallsBackToTheUsersFolder) {
    AddUser(users, "local", "aaaa");
    dialog.open();
    dialog.setPasswordText("typed");
    dialog.loadFromDiskette();
    EXPECT_FALSE(dialog.diskMode());
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                  "Insert a diskette and press the button.",
                                  "Error!\nThe program is unable to load data from a diskette."}));
    EXPECT_EQ(dialog.entries(), std::vector<std::string>{"local"});
    EXPECT_EQ(dialog.nameText(), "local");
    EXPECT_EQ(dialog.passwordText(), "");
}

TEST_F(LoginDialogModelTest, MissingMediumIsADisketteError) {
    FixedDisketteFolder none("");
    profile.setDisketteFolder(none);
    dialog.open();
    dialog.loadFromDiskette();
    EXPECT_FALSE(dialog.diskMode());
    EXPECT_EQ(MessageTexts().size(), 2u);
}

// Two tutors on one shared users folder, as in a classroom: each has its profile, its session
// lock and its login dialog.
class SharedUsersFolderTest : public testing::Test {
  protected:
    struct Tutor {
        Tutor(const std::string& host, SharedUsersFolderTest& room)
            : lock(room.users.path(), room.clock, Computer(host),
                   [](std::int64_t) { return true; }),
              profile(room.clock, room.users.path(), room.diskette),
              dialog(profile, messages, prompts) {
            profile.setSessionLock(&lock);
            dialog.open();
        }
        void LogIn(const std::string& name, const std::string& password) {
            dialog.setNameText(name);
            dialog.setPasswordText(password);
            dialog.setRepeatText(password);
            dialog.ok();
        }

        UserSessionLock lock;
        UserProfile profile;
        RecordingMessageSink messages;
        FakeInfoBoxPrompts prompts;
        LoginDialogModel dialog;
    };

    static SessionHolder Computer(const std::string& host) {
        SessionHolder holder;
        holder.host = host;
        holder.machineId = "machine-" + host;
        holder.bootId = "boot";
        holder.pid = 100;
        return holder;
    }
    void AddUser(const TempDir& folder, const std::string& name, const std::string& password) {
        WriteLineFile(folder.File(name + ".dat"),
                      DatLines(name, *PasswordHash::Hash(password), {"1700000000:2.50:180:60:1:"}));
    }

    FakeClock clock;
    TempDir users;
    TempDir media;
    FixedDisketteFolder diskette{media.path()};
};

TEST_F(SharedUsersFolderTest, SecondLoginOfAUserIsRefusedNamingTheComputer) {
    AddUser(users, "anna", "aaaa");
    Tutor first("lab-01", *this);
    Tutor second("lab-02", *this);
    first.LogIn("anna", "aaaa");
    ASSERT_EQ(first.dialog.result(), LoginDialogModel::Result::Ok);

    second.LogIn("Anna", "aaaa");
    EXPECT_EQ(second.dialog.result(), LoginDialogModel::Result::Open);
    EXPECT_EQ(second.dialog.focus(), LoginDialogModel::Focus::Name);
    ASSERT_EQ(second.messages.messages.size(), 1u);
    EXPECT_EQ(second.messages.messages[0].caption, "Kelvane");
    EXPECT_EQ(second.messages.messages[0].text,
              "The user \"Anna\" is already logged in on the computer \"lab-01\".\nA user can "
              "work in one place at a time, so that no results are overwritten: log out there "
              "first.\n(A computer switched off without logging out frees the user after 3 "
              "minutes.)");
    // The refused program has not read the user.
    EXPECT_EQ(second.profile.resultCount(), 0u);

    // Once the first program has ended, the user may log in on the second.
    first.lock.Release();
    second.LogIn("Anna", "aaaa");
    EXPECT_EQ(second.dialog.result(), LoginDialogModel::Result::Ok);
    EXPECT_EQ(second.profile.resultCount(), 1u);
}

// Two pupils registering the same new name at the same moment: the second is refused even
// though the first has not saved anything yet.
TEST_F(SharedUsersFolderTest, NewNameRegisteredElsewhereIsRefused) {
    Tutor first("lab-01", *this);
    Tutor second("lab-02", *this);
    first.LogIn("zoe", "zzzz");
    ASSERT_EQ(first.dialog.result(), LoginDialogModel::Result::Ok);
    ASSERT_TRUE(first.dialog.newUser());

    second.LogIn("zoe", "yyyy");
    EXPECT_EQ(second.dialog.result(), LoginDialogModel::Result::Open);
    EXPECT_FALSE(second.dialog.newUser());
    EXPECT_NE(second.messages.messages.at(0).text.find("\"lab-01\""), std::string::npos);
}

// A wrong password does not keep the user from logging in elsewhere.
TEST_F(SharedUsersFolderTest, WrongPasswordLeavesTheUserFree) {
    AddUser(users, "anna", "aaaa");
    Tutor first("lab-01", *this);
    Tutor second("lab-02", *this);
    first.LogIn("anna", "wrong");
    ASSERT_EQ(first.dialog.result(), LoginDialogModel::Result::Open);
    EXPECT_FALSE(first.lock.held());

    second.LogIn("anna", "aaaa");
    EXPECT_EQ(second.dialog.result(), LoginDialogModel::Result::Ok);
}

// The diskette copy of a user logged in elsewhere must not replace the files that session is
// working on.
TEST_F(SharedUsersFolderTest, DisketteCopyOfAUserLoggedInElsewhereIsNotCopiedIn) {
    AddUser(users, "anna", "aaaa");
    WriteLineFile(media.File("anna.dat"), DatLines("anna", *PasswordHash::Hash("aaaa"), {}));
    const std::string before = TempDir::ReadAll(users.File("anna.dat"));
    Tutor first("lab-01", *this);
    Tutor second("lab-02", *this);
    first.LogIn("anna", "aaaa");
    ASSERT_EQ(first.dialog.result(), LoginDialogModel::Result::Ok);

    second.dialog.loadFromDiskette();
    ASSERT_TRUE(second.dialog.diskMode());
    second.LogIn("anna", "aaaa");
    EXPECT_EQ(second.dialog.result(), LoginDialogModel::Result::Open);
    EXPECT_EQ(TempDir::ReadAll(users.File("anna.dat")), before);
}

TEST_F(SharedUsersFolderTest, ReadOnlyUsersFolderLogsInWithAWarning) {
    AddUser(users, "anna", "aaaa");
    Tutor tutor("lab-01", *this);
    fs::permissions(users.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (access(users.path().c_str(), W_OK) == 0) {
        fs::permissions(users.path(), fs::perms::owner_all);
        GTEST_SKIP() << "the superuser may write into read-only folders";
    }
    tutor.LogIn("anna", "aaaa");
    fs::permissions(users.path(), fs::perms::owner_all);
    EXPECT_EQ(tutor.dialog.result(), LoginDialogModel::Result::Ok);
    ASSERT_EQ(tutor.messages.messages.size(), 1u);
    EXPECT_EQ(tutor.messages.messages[0].text,
              "The users folder \"" + users.path() +
                  "/\" cannot be written.\nYou can practise, but your results will not be saved.");
}

TEST_F(SharedUsersFolderTest, MissingUsersFolderRefusesTheLogin) {
    Tutor tutor("lab-01", *this);
    fs::remove_all(users.path());
    tutor.LogIn("anna", "aaaa");
    EXPECT_EQ(tutor.dialog.result(), LoginDialogModel::Result::Open);
    ASSERT_EQ(tutor.messages.messages.size(), 1u);
    EXPECT_EQ(tutor.messages.messages[0].text.rfind(
                  "The users folder \"" + users.path() + "/\" cannot be used (No such file", 0),
              0u)
        << tutor.messages.messages[0].text;
    fs::create_directories(users.path());
}

TEST(LoginSessionTexts, NameWhereTheUserIsLoggedIn) {
    SessionHolder holder;
    holder.host = "lab-01";
    EXPECT_NE(LoginDialogModel::loggedInElsewhereText("anna", holder, true)
                  .find("is already logged in on this computer (\"lab-01\"), in another "
                        "Kelvane window."),
              std::string::npos);
    holder.host.clear();
    EXPECT_NE(LoginDialogModel::loggedInElsewhereText("anna", holder, false)
                  .find("is already logged in on another computer."),
              std::string::npos);
}

}  // namespace
