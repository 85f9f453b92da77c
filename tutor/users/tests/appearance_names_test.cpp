#include "tutor/users/appearance_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/testing/temp_dir.h"

namespace {

void WriteSet(const TempDir& dir, const std::string& name, bool complete) {
    std::vector<std::string> files = {"HandsBG.jpg", "StatBG.jpg", "Background.jpg"};
    for (int i = 1; i <= 8; ++i) {
        files.push_back("Movie" + std::to_string(i) + ".jpg");
    }
    if (!complete) {
        files.pop_back();
    }
    for (const std::string& file : files) {
        dir.Write(name + "/" + file, "jpg");
    }
}

TEST(AppearanceNamesTest, OffersCompleteSetsSortedByName) {
    TempDir dir;
    WriteSet(dir, "standard", true);
    WriteSet(dir, "paper", true);
    WriteSet(dir, "broken", false);
    WriteSet(dir, "a:b", true);
    dir.Write("Login.jpg", "jpg");
    EXPECT_EQ(InstalledAppearanceNames(dir.path()),
              (std::vector<std::string>{"paper", "standard"}));
    EXPECT_TRUE(InstalledAppearanceNames(dir.File("missing")).empty());
}

}  // namespace
