#include "tutor/users/recent_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/memory_settings_store.h"
#include "common/testing/temp_dir.h"

namespace {

TEST(RecentFolderTest, RemembersTheFolderOfTheChosenFile) {
    TempDir dir;
    const std::string folder = dir.path() + "/V\xC3\xBDsledky 100%";
    std::filesystem::create_directories(folder);
    MemorySettingsStore settings;
    RecentFolder recent(settings, "Results", "Folder");
    EXPECT_EQ(recent.Folder("/home"), "/home") << "nothing stored yet";
    recent.RememberFileFolder(folder + "/run.stat");
    EXPECT_EQ(recent.Folder("/home"), folder);
    // Kept as ASCII, so the code page of the store cannot change it.
    const std::string stored = settings.ReadString("Results", "Folder", "");
    EXPECT_EQ(stored.find('\xC3'), std::string::npos);
    EXPECT_NE(stored.find("%C3%BD"), std::string::npos);
    EXPECT_NE(stored.find("%25"), std::string::npos);
}

TEST(RecentFolderTest, AFolderThatHasGoneGivesTheFallback) {
    TempDir dir;
    MemorySettingsStore settings;
    RecentFolder recent(settings, "Results", "Folder");
    recent.RememberFileFolder(dir.path() + "/gone/run.stat");
    EXPECT_EQ(recent.Folder("/fallback"), "/fallback");
}

TEST(RecentFolderTest, DecodingUndoesEncodingAndKeepsBrokenEscapes) {
    for (const std::string& path :
         {std::string("/a b/%41"), std::string("/\x01\x7F\xFF/x"), std::string("plain")}) {
        EXPECT_EQ(RecentFolder::Decode(RecentFolder::Encode(path)), path);
    }
    EXPECT_EQ(RecentFolder::Decode("/x%4"), "/x%4");
    EXPECT_EQ(RecentFolder::Decode("/x%G1"), "/x%G1");
    EXPECT_EQ(RecentFolder::Decode("%41%62"), "Ab");
}

}  // namespace
