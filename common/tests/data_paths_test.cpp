#include "common/data_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

TEST(DataPaths, BuildsPathsFromProgramFolderFolderAndFile) {
    DataPaths::SetProgramFolder("/opt/kelvane");
    EXPECT_EQ(DataPaths::ProgramFolder(), "/opt/kelvane/");
    EXPECT_EQ(DataPaths::DataPath("lessons", "00000409_a.ddd"),
              "/opt/kelvane/lessons/00000409_a.ddd");
    EXPECT_EQ(DataPaths::DataPath("", "Kelvane.chm"), "/opt/kelvane/Kelvane.chm");
}

TEST(DataPaths, ExecutableFolderWithDataIsTheProgramFolder) {
    TempDir dir;
    fs::create_directories(dir.File("bin/config"));
    DataPaths::InitForExecutable(dir.File("bin/kelvane"), "Kelvane");
    EXPECT_EQ(DataPaths::ProgramFolder(), dir.File("bin/"));
}

TEST(DataPaths, InstalledProgramFindsTheShareFolder) {
    TempDir dir;
    fs::create_directories(dir.File("usr/bin"));
    DataPaths::InitForExecutable(dir.File("usr/bin/kelvane"), "Kelvane");
    EXPECT_EQ(DataPaths::ProgramFolder(), dir.File("usr/share/kelvane/"));
}

TEST(DataPaths, EnvironmentNamesTheProgramFolder) {
    TempDir dir;
    setenv("KELVANE_DATA_DIR", dir.path().c_str(), 1);
    DataPaths::InitForExecutable("/nowhere/kelvane", "Kelvane");
    unsetenv("KELVANE_DATA_DIR");
    EXPECT_EQ(DataPaths::ProgramFolder(), dir.path() + "/");
}

TEST(DataPaths, WritableDataGoesBesideAWritableProgram) {
    TempDir dir;
    DataPaths::SetWritableRoot("");
    DataPaths::SetProgramFolder(dir.path());
    EXPECT_EQ(DataPaths::WritableFolder("users"), dir.File("users/"));
    EXPECT_TRUE(fs::is_directory(dir.File("users")));
}

TEST(DataPaths, WritableDataGoesToXdgWhenTheProgramFolderIsReadOnly) {
    TempDir dir, xdg;
    // A folder we cannot write: a read-only temporary folder, or for root (who may write
    // anywhere on a writable file system) a folder of a read-only mount.
    std::string readOnly = dir.File("ro");
    fs::create_directories(readOnly);
    chmod(readOnly.c_str(), 0555);
    if (access(readOnly.c_str(), W_OK) == 0) {
        readOnly = "/proc/sys";
        if (access(readOnly.c_str(), W_OK) == 0) {
            GTEST_SKIP() << "no read-only folder available to this user";
        }
    }
    setenv("XDG_DATA_HOME", xdg.path().c_str(), 1);
    DataPaths::InitForExecutable(readOnly + "/kelvane", "Kelvane");
    DataPaths::SetProgramFolder(readOnly);
    DataPaths::SetWritableRoot("");
    EXPECT_EQ(DataPaths::WritableFolder("users"), xdg.File("Kelvane/users/"));
    EXPECT_TRUE(fs::is_directory(xdg.File("Kelvane/users")));
    chmod(dir.File("ro").c_str(), 0755);
}

// An installed share folder belongs to the package: even a user who may write there (root, or
// a prefix in the user's own folders) gets the users folder in the XDG data folder.
TEST(DataPaths, InstalledProgramNeverWritesIntoItsShareFolder) {
    TempDir prefix, xdg;
    fs::create_directories(prefix.File("usr/bin"));
    fs::create_directories(prefix.File("usr/share/kelvane/config"));
    setenv("XDG_DATA_HOME", xdg.path().c_str(), 1);
    DataPaths::SetWritableRoot("");
    DataPaths::InitForExecutable(prefix.File("usr/bin/kelvane"), "Kelvane");
    ASSERT_EQ(DataPaths::ProgramFolder(), prefix.File("usr/share/kelvane/"));
    EXPECT_EQ(DataPaths::WritableFolder("users"), xdg.File("Kelvane/users/"));
    EXPECT_FALSE(fs::exists(prefix.File("usr/share/kelvane/users")));

    // A folder named directly (a portable copy, --check-data FOLDER) is no installed one.
    DataPaths::SetProgramFolder(prefix.File("usr/share/kelvane"));
    EXPECT_EQ(DataPaths::WritableFolder("users"), prefix.File("usr/share/kelvane/users/"));
}
