#include "tutor/users/user_profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/compressed_line_file.h"
#include "common/testing/fake_clock.h"
#include "common/testing/temp_dir.h"
#include "tutor/users/password_hash.h"
#include "tutor/users/tests/users_test_support.h"
#include "tutor/users/user_session_lock.h"

namespace fs = std::filesystem;

namespace {

class UserProfileTest : public testing::Test {
  protected:
    std::vector<std::string> ReadLines(const std::string& path) {
        CompressedLineFile file;
        EXPECT_TRUE(file.Read(path)) << path;
        return file.lines();
    }
    void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
        CompressedLineFile file;
        for (const std::string& line : lines) {
            file.AddLine(line);
        }
        ASSERT_TRUE(file.Write(path));
    }
    std::string UsersFolder() const { return users.path() + "/"; }

    FakeClock clock;
    TempDir users;
    TempDir media;
    FixedDisketteFolder diskette{media.path() + "/Ardley"};
    UserProfile profile{clock, users.path(), diskette};
};

// ---- the lines of the ".dat" file ----

struct DatCase {
    const char* description;
    std::vector<std::string> resultLines;
    std::size_t results;
};

class UserProfileDatLines : public testing::TestWithParam<DatCase> {};

TEST_P(UserProfileDatLines, ResultsEndAtTheFirstLineThatIsNotAResult) {
    FakeClock clock;
    FixedDisketteFolder none("");
    UserProfile profile(clock, "/nonexistent", none);
    profile.load("petr", false);  // sets the name; the file is not there
    ASSERT_TRUE(profile.readDatLines(DatLines("petr", "secret", GetParam().resultLines)));
    EXPECT_EQ(profile.resultCount(), GetParam().results) << GetParam().description;
}

INSTANTIATE_TEST_SUITE_P(
    Files, UserProfileDatLines,
    testing::Values(DatCase{"seven lines", {"1:1.0:100:10:1:", "2:2.0:200:20:2:"}, 2},
                    DatCase{"last colon missing on line 6",
                            {"1:1.0:100:10:1:", "2:2.0:200:20:2", "3:3.0:300:30:3:"},
                            1},
                    DatCase{"text instead of numbers", {"x:y:z:w:v:", "1:1.0:100:10:1:"}, 2},
                    DatCase{
                        "empty line ends the list", {"1:1.0:100:10:1:", "", "3:3.0:300:30:3:"}, 1},
                    DatCase{"no results", {}, 0}));

TEST(UserProfileDat, FirstLineMustBeTheNameInAnyLetterCase) {
    FakeClock clock;
    FixedDisketteFolder none("");
    UserProfile profile(clock, "/nonexistent", none);
    profile.load("Petr", false);
    EXPECT_TRUE(profile.readDatLines(DatLines("PETR", "x", {})));
    EXPECT_FALSE(profile.readDatLines(DatLines("Pavel", "x", {"1:1.0:100:10:1:"})));
    EXPECT_FALSE(profile.readDatLines({}));
    EXPECT_EQ(profile.resultCount(), 0u);
}

TEST(UserProfileDat, MissingLinesReadAsEmpty) {
    FakeClock clock;
    FixedDisketteFolder none("");
    UserProfile profile(clock, "/nonexistent", none);
    profile.load("petr", false);
    ASSERT_TRUE(profile.readDatLines({"petr", "pw", "00000405"}));
    EXPECT_EQ(profile.keyboardId(), "00000405");
    EXPECT_EQ(profile.courseName(), "");
    EXPECT_EQ(profile.settingsText(), "");
    profile.readDitLines({"Petr", "Novak"});
    EXPECT_EQ(profile.details().lastName, "Novak");
    EXPECT_EQ(profile.details().country, "");
}

TEST(UserProfileDat, LinesHoldLoginCourseSettingsAndResults) {
    FakeClock clock;
    FixedDisketteFolder none("");
    UserProfile profile(clock, "/nonexistent", none);
    profile.load("Jana", false);
    profile.setCourse("00000405", "_b");
    profile.setSettingsText("!0:2:0:0:0:0:1:0:70:standard:");
    profile.setResult(0, 1700000100, 1.25, 140, 95);
    std::vector<std::string> lines = profile.toDatLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Jana");
    EXPECT_EQ(lines[2], "00000405");
    EXPECT_EQ(lines[3], "_b");
    EXPECT_EQ(lines[4], "!0:2:0:0:0:0:1:0:70:standard:");
    EXPECT_EQ(lines[5], "1700000100:1.25:140:95:1:");
}

// ---- results ----

TEST_F(UserProfileTest, DefaultsOfANewProfile) {
    EXPECT_EQ(profile.keyboardId(), "00000409");
    EXPECT_EQ(profile.courseName(), "_a");
    EXPECT_EQ(profile.password(), "");
    EXPECT_FALSE(profile.modified());
    EXPECT_FALSE(profile.fromDiskette());
    EXPECT_EQ(profile.defaultUserIndex(), -1);
}

TEST_F(UserProfileTest, SetResultPastTheEndAppendsOnlyOneEmptyRecord) {
    profile.setResult(0, 500, 2.0, 120, 60);
    EXPECT_TRUE(profile.modified());
    ASSERT_EQ(profile.resultCount(), 1u);
    EXPECT_EQ(profile.result(0).bestSpeed, 120);

    clock.SetNowSeconds(1800000000);
    profile.setResult(5, 600, 1.0, 200, 60);
    ASSERT_EQ(profile.resultCount(), 2u);
    EXPECT_EQ(profile.result(1), LessonResult::empty(1800000000)) << "nothing merged into it";

    profile.setResult(1, 700, 1.0, 200, 60);
    EXPECT_EQ(profile.result(1).bestTime, 700);
    EXPECT_EQ(profile.result(1).attempts, 1);

    profile.setResult(-1, 800, 1.0, 200, 60);
    EXPECT_EQ(profile.resultCount(), 2u);
}

TEST_F(UserProfileTest, EmptyResultsUnlockLessons) {
    profile.addEmptyResults(3);
    EXPECT_TRUE(profile.modified());
    ASSERT_EQ(profile.resultCount(), 3u);
    EXPECT_EQ(profile.result(2).bestTime, clock.NowSeconds());
    EXPECT_EQ(profile.rating(2, 2.0), 5);
}

TEST_F(UserProfileTest, RatingOutsideTheListIsZero) {
    profile.setResult(0, 500, 1.7, 120, 60);
    EXPECT_EQ(profile.rating(0, 2.0), 4);
    EXPECT_EQ(profile.rating(1, 2.0), 0);
    EXPECT_EQ(profile.rating(-1, 2.0), 0);
}

// ---- files ----

TEST_F(UserProfileTest, SavedUserLoadsBack) {
    profile.load("Jana", false);
    profile.setPassword("tajne123");
    profile.setCourse("00000405", "_b");
    profile.setSettingsText("!1:0:5:3:1:1:0:3:120:standard:");
    profile.setDetails({"Jana", "Nov\xE1kov\xE1", "1.1.1990", "jana@example.org", "Brno", "CZ"});
    profile.setResult(0, 1700000100, 1.25, 140, 95);
    profile.setResult(1, 1700000200, 0.5, 90, 40);
    ASSERT_TRUE(profile.save(profile.userPath("Jana"), false));
    EXPECT_FALSE(profile.modified());
    EXPECT_TRUE(fs::exists(users.File("Jana.dat")));
    EXPECT_TRUE(fs::exists(users.File("Jana.dit")));
    EXPECT_EQ(ReadLines(users.File("Jana.dit"))[1], "Nov\xE1kov\xE1");

    UserProfile other(clock, users.path(), diskette);
    ASSERT_TRUE(other.scanUserFiles(UsersFolder()));
    ASSERT_TRUE(other.load("jana", false));
    EXPECT_EQ(other.name(), "jana");
    EXPECT_TRUE(other.checkPassword("tajne123"));
    EXPECT_EQ(other.keyboardId(), "00000405");
    EXPECT_EQ(other.courseName(), "_b");
    EXPECT_EQ(other.settingsText(), "!1:0:5:3:1:1:0:3:120:standard:");
    EXPECT_EQ(other.details(), profile.details());
    EXPECT_EQ(other.results(), profile.results());
    EXPECT_FALSE(other.modified());
}

TEST_F(UserProfileTest, PasswordIsStoredAsASaltedHash) {
    profile.load("Jana", false);
    profile.setPassword("tajne123");
    ASSERT_TRUE(profile.save(profile.userPath("Jana"), false));
    std::vector<std::string> lines = ReadLines(users.File("Jana.dat"));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("$argon2", 0), 0u) << lines[1];
    EXPECT_EQ(lines[1].find("tajne123"), std::string::npos);
}

struct AsTypedCase {
    const char* password;
    const char* wrong;
};

void PrintTo(const AsTypedCase& c, std::ostream* out) {
    *out << c.password;
}

class PasswordAsTypedFromAnOlderFile : public UserProfileTest,
                                       public testing::WithParamInterface<AsTypedCase> {};

// Earlier versions kept any password as typed, also one that begins like a hash text: its owner
// still logs in with it.
TEST_P(PasswordAsTypedFromAnOlderFile, OpensAndIsHashedAtTheNextSave) {
    const std::string password = GetParam().password;
    WriteLines(users.File("petr.dat"), DatLines("petr", password, {"1:1.0:100:10:1:"}));
    ASSERT_TRUE(profile.scanUserFiles(UsersFolder()));
    ASSERT_TRUE(profile.load("PETR", false));
    EXPECT_TRUE(profile.checkPassword(password));
    EXPECT_FALSE(profile.checkPassword(GetParam().wrong));
    EXPECT_TRUE(profile.modified()) << "so that the save without force rewrites it";

    ASSERT_TRUE(profile.saveOnExit());
    std::vector<std::string> lines = ReadLines(users.File("petr.dat"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_NE(lines[1], password);
    EXPECT_TRUE(PasswordHash::IsHash(lines[1]));
    EXPECT_TRUE(PasswordHash::Verify(lines[1], password));
    EXPECT_FALSE(PasswordHash::Verify(lines[1], GetParam().wrong));
    EXPECT_FALSE(fs::exists(users.File("PETR.dat"))) << "the existing file is reused";
}

INSTANTIATE_TEST_SUITE_P(Passwords, PasswordAsTypedFromAnOlderFile,
                         testing::Values(AsTypedCase{"Heslo", "heslo"},
                                         AsTypedCase{"$argon2id$x", "$argon2id$"},
                                         AsTypedCase{"$argon2i$v=19$m=8,t=3,p=1$", "$argon2i$"}));

TEST_F(UserProfileTest, SaveWithoutChangesWritesNothing) {
    WriteLines(users.File("petr.dat"), DatLines("petr", *PasswordHash::Hash("Heslo"), {}));
    ASSERT_TRUE(profile.scanUserFiles(UsersFolder()));
    ASSERT_TRUE(profile.load("petr", false));
    fs::remove(users.File("petr.dat"));
    EXPECT_TRUE(profile.save(profile.userPath("petr"), false));
    EXPECT_FALSE(fs::exists(users.File("petr.dat")));
    EXPECT_TRUE(profile.save(profile.userPath("petr"), true));
    EXPECT_TRUE(fs::exists(users.File("petr.dat")));
}

TEST_F(UserProfileTest, FailedWriteKeepsTheChangesMarked) {
    profile.load("petr", false);
    profile.setPassword("Heslo");
    EXPECT_FALSE(profile.save(users.File("missing/folder/petr"), false));
    EXPECT_TRUE(profile.modified());
    EXPECT_TRUE(profile.save(profile.userPath("petr"), false));
    EXPECT_FALSE(profile.modified());
}

TEST_F(UserProfileTest, BadResultLineIsDroppedAtTheNextSave) {
    WriteLines(users.File("petr.dat"),
               DatLines("petr", "Heslo", {"1:1.0:100:10:1:", "2:2.0:200:20:2", "3:3.0:300:30:3:"}));
    ASSERT_TRUE(profile.scanUserFiles(UsersFolder()));
    ASSERT_TRUE(profile.load("petr", false));
    ASSERT_TRUE(profile.save(profile.userPath("petr"), true));
    EXPECT_EQ(ReadLines(users.File("petr.dat")).size(), 6u);
}

struct FailedLoadCase {
    const char* description;
    const char* typedName;
    std::vector<std::string> datLines;  // empty: no file
};

class UserProfileFailedLoad : public UserProfileTest,
                              public testing::WithParamInterface<FailedLoadCase> {};

TEST_P(UserProfileFailedLoad, LeavesTheNameAndEmptyFields) {
    profile.setSettingsText("!1:");
    profile.setResult(0, 1, 1.0, 1, 1);
    profile.setDetails({"a", "b", "c", "d", "e", "f"});
    if (!GetParam().datLines.empty()) {
        WriteLines(users.File("petr.dat"), GetParam().datLines);
    }
    profile.scanUserFiles(UsersFolder());
    EXPECT_FALSE(profile.load(GetParam().typedName, false)) << GetParam().description;
    EXPECT_EQ(profile.name(), GetParam().typedName);
    EXPECT_EQ(profile.resultCount(), 0u);
    EXPECT_EQ(profile.keyboardId(), "");
    EXPECT_EQ(profile.courseName(), "");
    EXPECT_EQ(profile.settingsText(), "");
    EXPECT_EQ(profile.password(), "");
    EXPECT_EQ(profile.details(), UserProfile::Details{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserProfileFailedLoad,
    testing::Values(FailedLoadCase{"no file", "petr", {}},
                    FailedLoadCase{"not a known user", "pavel", DatLines("petr", "x", {})},
                    FailedLoadCase{"file of another user", "petr", DatLines("pavel", "x", {})},
                    FailedLoadCase{"name leading out of the folder", "../petr",
                                   DatLines("../petr", "x", {})},
                    FailedLoadCase{"name with a slash", "a/petr", DatLines("a/petr", "x", {})}));

TEST_F(UserProfileTest, KnownUserWithoutAFileIsNotLoaded) {
    profile.addKnownUser("ghost");
    EXPECT_FALSE(profile.load("ghost", false));
}

TEST_F(UserProfileTest, UnreadableDetailsAreNotAnError) {
    WriteLines(users.File("petr.dat"), DatLines("petr", "x", {}));
    users.Write("petr.dit", "\x01\x02garbage that no container holds");
    ASSERT_TRUE(profile.scanUserFiles(UsersFolder()));
    EXPECT_TRUE(profile.load("petr", false));
    EXPECT_EQ(profile.details(), UserProfile::Details{});
}

TEST_F(UserProfileTest, DamagedUserFileIsKeptAsideBeforeItIsReplaced) {
    const std::string garbage = "\x01\x02garbage that no container holds";
    users.Write("petr.dat", garbage);
    ASSERT_TRUE(profile.scanUserFiles(UsersFolder()));
    EXPECT_FALSE(profile.load("petr", false));
    EXPECT_EQ(TempDir::ReadAll(users.File("petr.dat.damaged")), garbage);
}

TEST_F(UserProfileTest, UnsafeNamesAreNeverWritten) {
    TempDir outside;
    UserProfile inner(clock, outside.path() + "/users", diskette);
    fs::create_directories(outside.File("users"));
    inner.load("../escaped", false);
    inner.setPassword("Heslo");
    EXPECT_EQ(inner.userPath("../escaped"), "");
    EXPECT_FALSE(inner.save(inner.usersFolder() + "../escaped", true));
    EXPECT_FALSE(fs::exists(outside.File("escaped.dat")));
    EXPECT_TRUE(inner.modified());
}

// ---- the folder scan ----

TEST_F(UserProfileTest, ScanListsUsersAndPicksTheNewestFile) {
    const auto base = fs::file_time_type::clock::now() - std::chrono::hours(1);
    struct File {
        const char* name;
        int minutes;
    };
    for (const File& f : {File{"anna.dat", 10}, File{"bert.dat", 30}, File{"cyril.dat", 30},
                          File{"dana.dat", 20}}) {
        users.Write(f.name, "x");
        fs::last_write_time(users.File(f.name), base + std::chrono::minutes(f.minutes));
    }
    users.Write("notes.txt", "x");
    users.Write("eva.dit", "x");
    fs::create_directories(users.File("folder.dat"));
    ASSERT_TRUE(profile.scanUserFiles(UsersFolder()));

    std::vector<std::string> sorted = profile.knownUsers();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"anna", "bert", "cyril", "dana"}));
    // bert and cyril are equally new: the one listed first stays the choice.
    ASSERT_GE(profile.defaultUserIndex(), 0);
    const std::string chosen = profile.knownUsers()[profile.defaultUserIndex()];
    EXPECT_TRUE(chosen == "bert" || chosen == "cyril") << chosen;
    auto position = [&](const std::string& name) {
        return std::find(profile.knownUsers().begin(), profile.knownUsers().end(), name) -
               profile.knownUsers().begin();
    };
    EXPECT_EQ(profile.defaultUserIndex(), std::min(position("bert"), position("cyril")));
}

TEST_F(UserProfileTest, ScanTakesTheNameUpToTheFirstDot) {
    users.Write("jan.novak.dat", "x");
    users.Write(".dat", "x");
    users.Write(
        "\xC4\x8C"
        "ada.dat",
        "x");
    ASSERT_TRUE(profile.scanUserFiles(UsersFolder()));
    std::vector<std::string> sorted = profile.knownUsers();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{".dat", "jan",
                                                "\xC8"
                                                "ada"}));
}

TEST_F(UserProfileTest, EmptyOrMissingFolderHasNoUsers) {
    profile.addKnownUser("old");
    EXPECT_FALSE(profile.scanUserFiles(UsersFolder()));
    EXPECT_TRUE(profile.knownUsers().empty());
    EXPECT_EQ(profile.defaultUserIndex(), -1);
    EXPECT_FALSE(profile.scanUserFiles(users.File("missing")));
}

TEST_F(UserProfileTest, FileNameInOtherLetterCaseIsFoundAndKept) {
    // "ČERNÝ" registered in capitals; the name typed in small letters finds the same file.
    WriteLines(users.File("\xC4\x8C"
                          "ERN\xC3\x9D.dat"),
               DatLines("\xC8"
                        "ERN\xDD",
                        "x", {}));
    ASSERT_TRUE(profile.scanUserFiles(UsersFolder()));
    ASSERT_TRUE(
        profile.load("\xE8"
                     "ern\xFD",
                     false));
    profile.setResult(0, 1, 1.0, 100, 10);
    ASSERT_TRUE(profile.saveOnExit());
    EXPECT_FALSE(
        fs::exists(users.File("\xC4\x8D"
                              "ern\xC3\xBD.dat")));
    EXPECT_TRUE(
        fs::exists(users.File("\xC4\x8C"
                              "ERN\xC3\x9D.dit")));
    EXPECT_EQ(ReadLines(users.File("\xC4\x8C"
                                   "ERN\xC3\x9D.dat"))
                  .size(),
              6u);
}

// ---- the diskette folder ----

TEST_F(UserProfileTest, UserTravelsThroughTheDisketteFolder) {
    profile.load("Jana", false);
    profile.setPassword("tajne123");
    profile.setResult(0, 1700000100, 1.25, 140, 95);
    ASSERT_TRUE(profile.saveToDiskette("Jana"));
    EXPECT_FALSE(profile.fromDiskette());
    EXPECT_TRUE(fs::exists(media.File("Ardley/Jana.dat")));
    EXPECT_TRUE(fs::exists(media.File("Ardley/Jana.dit")));
    EXPECT_TRUE(fs::exists(users.File("Jana.dat")));

    // On another computer: the users folder is empty, the diskette folder holds Jana.
    TempDir otherUsers;
    UserProfile other(clock, otherUsers.path(), diskette);
    ASSERT_TRUE(other.scanUserFiles(other.disketteFolder()));
    ASSERT_TRUE(other.load("JANA", true));
    EXPECT_TRUE(other.fromDiskette());
    EXPECT_TRUE(other.checkPassword("tajne123"));
    EXPECT_EQ(other.results(), profile.results());
    EXPECT_TRUE(fs::exists(otherUsers.File("Jana.dat"))) << "copied into the users folder";
    EXPECT_TRUE(fs::exists(otherUsers.File("Jana.dit")));
}

TEST_F(UserProfileTest, CopyFromDisketteOverwritesTheLocalFiles) {
    fs::create_directories(media.File("Ardley"));
    WriteLines(media.File("Ardley/petr.dat"), DatLines("petr", "x", {"1:1.0:100:10:1:"}));
    WriteLines(users.File("PETR.dat"), DatLines("PETR", "x", {}));
    EXPECT_TRUE(profile.copyFromDiskette("Petr"));
    EXPECT_TRUE(profile.fromDiskette());
    EXPECT_EQ(ReadLines(users.File("PETR.dat")).size(), 6u);
    EXPECT_FALSE(profile.copyFromDiskette("nobody"));
}

TEST_F(UserProfileTest, WithoutAMediumTheDisketteCommandsFail) {
    FixedDisketteFolder none("");
    profile.setDisketteFolder(none);
    profile.load("Jana", false);
    profile.setPassword("tajne123");
    EXPECT_FALSE(profile.saveToDiskette("Jana"));
    EXPECT_TRUE(fs::exists(users.File("Jana.dat"))) << "the local save still happens";
    EXPECT_FALSE(profile.copyFromDiskette("Jana"));
}

// A session whose lock was taken over (its computer slept past the limit while another took
// the user) must not overwrite the files of the new session; the diskette still gets them.
TEST_F(UserProfileTest, SessionThatLostItsLockNoLongerWritesTheUsersFiles) {
    SessionHolder first;
    first.host = "lab-01";
    first.machineId = "m1";
    first.pid = 1;
    SessionHolder second = first;
    second.host = "lab-02";
    second.machineId = "m2";
    UserSessionLock firstLock(users.path(), clock, first);
    UserSessionLock secondLock(users.path(), clock, second);
    profile.setSessionLock(&firstLock);
    ASSERT_EQ(firstLock.Acquire("anna").outcome, UserSessionLock::Outcome::Acquired);
    profile.load("anna", false);
    profile.setPassword("aaaa");
    ASSERT_TRUE(profile.save(profile.userPath("anna"), true));

    clock.AdvanceMs((UserSessionLock::kStaleAfterSeconds + 1) * 1000);
    ASSERT_EQ(secondLock.Acquire("anna").outcome, UserSessionLock::Outcome::Acquired);
    const std::string written = TempDir::ReadAll(users.File("anna.dat"));
    profile.setResult(0, clock.NowSeconds(), 1.0, 200, 60);
    EXPECT_FALSE(profile.save(profile.userPath("anna"), true));
    EXPECT_TRUE(profile.modified());
    EXPECT_EQ(TempDir::ReadAll(users.File("anna.dat")), written);

    EXPECT_TRUE(profile.saveToDiskette("anna"));
    EXPECT_TRUE(fs::exists(media.File("Ardley/anna.dat")));
}

}  // namespace
