#include "tutor/users/users_folder_setting.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct OptionCase {
    std::string label;
    std::vector<std::string> arguments;
    std::optional<std::string> folder;
    std::vector<std::string> rest;
    bool error;
    friend void PrintTo(const OptionCase& c, std::ostream* os) { *os << c.label; }
};

class UsersFolderOption : public testing::TestWithParam<OptionCase> {};

TEST_P(UsersFolderOption, IsTakenOutOfTheArguments) {
    std::vector<std::string> arguments = GetParam().arguments;
    std::string error;
    EXPECT_EQ(UsersFolderSetting::TakeOption(arguments, error), GetParam().folder);
    EXPECT_EQ(arguments, GetParam().rest);
    EXPECT_EQ(!error.empty(), GetParam().error) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsersFolderOption,
    testing::Values(OptionCase{"BeforeAMode",
                               {"--users-folder", "/srv/class", "--check-data"},
                               "/srv/class",
                               {"--check-data"},
                               false},
                    OptionCase{"WithEqualsBeforeAFile",
                               {"--users-folder=/srv/class", "run.stat"},
                               "/srv/class",
                               {"run.stat"},
                               false},
                    OptionCase{"AfterAMode",
                               {"--report", "run.stat", "--users-folder", "/srv/class"},
                               "/srv/class",
                               {"--report", "run.stat"},
                               false},
                    OptionCase{"Absent", {"run.stat"}, std::nullopt, {"run.stat"}, false},
                    OptionCase{"AfterTheEndOfOptions",
                               {"--", "--users-folder", "x"},
                               std::nullopt,
                               {"--", "--users-folder", "x"},
                               false},
                    OptionCase{"WithoutItsFolder", {"--users-folder"}, std::nullopt, {}, true},
                    OptionCase{"WithAnEmptyFolder", {"--users-folder="}, std::nullopt, {}, true}),
    [](const testing::TestParamInfo<OptionCase>& info) { return info.param.label; });

class UsersFolderDecision : public testing::Test {
  protected:
    std::function<std::string()> Default() {
        return [this] {
            ++defaultAsked;
            return std::string("/home/pupil/.local/share/Kelvane/users");
        };
    }

    TempDir shared;
    int defaultAsked = 0;
};

TEST_F(UsersFolderDecision, OptionWinsOverTheSetting) {
    TempDir other;
    UsersFolderSetting::Choice choice =
        UsersFolderSetting::Decide(shared.path(), other.path(), Default());
    EXPECT_EQ(choice.folder, shared.path() + "/");
    EXPECT_TRUE(choice.named);
    EXPECT_EQ(choice.problem, "");
    EXPECT_EQ(defaultAsked, 0);
}

TEST_F(UsersFolderDecision, SettingNamesTheSharedFolder) {
    UsersFolderSetting::Choice choice =
        UsersFolderSetting::Decide(std::nullopt, shared.path(), Default());
    EXPECT_EQ(choice.folder, shared.path() + "/");
    EXPECT_TRUE(choice.named);
}

TEST_F(UsersFolderDecision, WithoutEitherTheProgramsOwnFolder) {
    UsersFolderSetting::Choice choice = UsersFolderSetting::Decide(std::nullopt, "", Default());
    EXPECT_EQ(choice.folder, "/home/pupil/.local/share/Kelvane/users/");
    EXPECT_FALSE(choice.named);
    EXPECT_EQ(defaultAsked, 1);
}

TEST_F(UsersFolderDecision, RelativeAndHomeFoldersBecomeAbsolute) {
    fs::create_directories(shared.File("class/users"));
    const fs::path before = fs::current_path();
    fs::current_path(shared.path());
    UsersFolderSetting::Choice relative =
        UsersFolderSetting::Decide(std::string("class/./users"), "", Default());
    fs::current_path(before);
    EXPECT_EQ(relative.folder, shared.File("class/users/"));
    EXPECT_EQ(relative.problem, "");

    const char* home = std::getenv("HOME");
    const std::string oldHome = home ? home : "";
    setenv("HOME", shared.path().c_str(), 1);
    UsersFolderSetting::Choice fromHome =
        UsersFolderSetting::Decide(std::nullopt, "~/class/users", Default());
    setenv("HOME", oldHome.c_str(), 1);
    EXPECT_EQ(fromHome.folder, shared.File("class/users/"));
}

// A shared drive that is not connected: the folder is not made in its place, where the
// class's results would go astray.
TEST_F(UsersFolderDecision, MissingNamedFolderIsAProblemAndNotCreated) {
    UsersFolderSetting::Choice choice =
        UsersFolderSetting::Decide(shared.File("mnt/class"), "", Default());
    EXPECT_EQ(choice.problem, "The users folder \"" + shared.File("mnt/class/") +
                                  "\" cannot be found. Check that the shared drive is "
                                  "connected, or name another folder.");
    EXPECT_FALSE(fs::exists(shared.File("mnt")));
}

TEST_F(UsersFolderDecision, NamedFileIsNoFolder) {
    const std::string file = shared.Write("users", "x");
    EXPECT_EQ(UsersFolderSetting::Decide(file, "", Default()).problem,
              "The users folder \"" + file + "/\" is not a folder.");
}

}  // namespace
