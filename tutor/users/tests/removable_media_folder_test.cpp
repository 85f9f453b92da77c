#include "tutor/users/removable_media_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "common/memory_settings_store.h"
#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

namespace {

TEST(RemovableMediaFolder, FirstWritableMediumHoldsTheFolder) {
    TempDir media;
    TempDir runMedia;
    fs::create_directories(media.File("USB_B"));
    fs::create_directories(media.File("USB_A"));
    media.Write("not_a_medium", "x");
    RemovableMediaFolder folder(nullptr, {media.path(), runMedia.path()});
    EXPECT_EQ(folder.Path(), media.File("USB_A") + "/Ardley/");
}

TEST(RemovableMediaFolder, ReadOnlyMediaAreSkipped) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write anywhere";
    }
    TempDir media;
    TempDir runMedia;
    fs::create_directories(media.File("CDROM"));
    chmod(media.File("CDROM").c_str(), 0555);
    fs::create_directories(runMedia.File("STICK"));
    RemovableMediaFolder folder(nullptr, {media.path(), runMedia.path()});
    EXPECT_EQ(folder.Path(), runMedia.File("STICK") + "/Ardley/");
    chmod(media.File("CDROM").c_str(), 0755);
}

TEST(RemovableMediaFolder, WithoutMediaTheSettingNamesTheFolder) {
    TempDir empty;
    MemorySettingsStore settings;
    RemovableMediaFolder folder(&settings, {empty.File("missing"), empty.path()});
    EXPECT_EQ(folder.Path(), "");
    settings.WriteString(RemovableMediaFolder::kSettingsSection, RemovableMediaFolder::kSettingsKey,
                         "/srv/portable");
    EXPECT_EQ(folder.Path(), "/srv/portable/");
}

}  // namespace
