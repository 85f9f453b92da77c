#include "tutor/users/users_folder_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "common/testing/fake_clock.h"
#include "common/testing/temp_dir.h"
#include "tutor/users/session_holder.h"
#include "tutor/users/tests/users_test_support.h"
#include "tutor/users/user_session_lock.h"

namespace {

class UsersFolderCheckTest : public testing::Test {
  protected:
    void AddUser(const std::string& fileName, const std::string& name) {
        WriteLineFile(users.File(fileName + ".dat"), DatLines(name, "hash", {}));
        WriteLineFile(users.File(fileName + ".dit"), {"Anna", "Novak"});
    }
    // A session of another computer, its last heartbeat secondsAgo.
    void AddSession(const std::string& fileName, const std::string& host, std::int64_t secondsAgo) {
        SessionHolder holder;
        holder.host = host;
        holder.machineId = "machine-" + host;
        holder.pid = 4321;
        holder.since = clock.NowSeconds() - 3600;
        holder.heartbeat = clock.NowSeconds() - secondsAgo;
        std::ofstream(users.File(fileName)) << holder.ToText();
    }
    int Check() {
        output.str("");
        return RunCheckUsersFolder(users.path(), clock, output);
    }

    TempDir users;
    FakeClock clock;
    std::ostringstream output;
};

TEST_F(UsersFolderCheckTest, HealthyFolderListsWhoIsLoggedInWhere) {
    AddUser("anna", "anna");
    AddUser("Bob", "bob");
    AddSession("anna.lock", "lab-07", 20);
    AddSession("bob.lock", "lab-02", UserSessionLock::kStaleAfterSeconds + 60);
    ASSERT_EQ(Check(), 0) << output.str();
    const std::string root = users.path() + "/";
    EXPECT_EQ(output.str(),
              root +
                  "anna.lock: logged in on \"lab-07\" since 21:13  14 November, 2023, last "
                  "sign of life 20 seconds ago\n" +
                  root +
                  "bob.lock: left behind by \"lab-02\" (taken over at the next login)\n"
                  "Users folder check passed: " +
                  root + ", 2 users, 1 logged in.\n");
}

TEST_F(UsersFolderCheckTest, EveryUnusableUserFileIsAProblem) {
    AddUser("anna", "anna");
    AddUser("cyril", "petr");                    // the file of another user
    users.Write("dora.dat", "not a line file");  // damaged
    AddUser("emil", "emil");
    users.Write("emil.dit", "garbage!");
    EXPECT_EQ(Check(), 1);
    const std::string root = users.path() + "/";
    EXPECT_EQ(output.str(), root + "cyril.dat: names the user \"petr\", not \"cyril\"\n" + root +
                                "dora.dat: is damaged\n" + root + "emil.dit: is damaged\n" +
                                "3 problems found in the users folder " + root + "\n");
}

TEST_F(UsersFolderCheckTest, MissingFolderIsAProblem) {
    EXPECT_EQ(RunCheckUsersFolder(users.File("not-mounted"), clock, output), 1);
    EXPECT_NE(output.str().find("not-mounted/: no such folder"), std::string::npos) << output.str();
}

TEST_F(UsersFolderCheckTest, ReadOnlyFolderIsAProblem) {
    AddUser("anna", "anna");
    chmod(users.path().c_str(), 0555);
    if (access(users.path().c_str(), W_OK) == 0) {
        chmod(users.path().c_str(), 0755);
        GTEST_SKIP() << "the superuser may write into read-only folders";
    }
    const int result = Check();
    chmod(users.path().c_str(), 0755);
    EXPECT_EQ(result, 1);
    EXPECT_NE(output.str().find(": cannot be written"), std::string::npos) << output.str();
}

}  // namespace
