#include "tester/recent_file_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tester/path_settings.h"

namespace {

using Files = std::vector<std::string>;

TEST(RecentFileListTest, KeepsTheLastFourNewestFirstEachOnce) {
    MemoryPathSettings settings;
    RecentFileList list(settings);
    EXPECT_TRUE(list.files().empty());
    for (const char* path : {"/a.mvkt", "/b.2mvk", "/c.mvkt", "/a.mvkt", "/d.mvkt", "/e.2mvk"}) {
        list.Add(path);
    }
    EXPECT_EQ(list.files(), (Files{"/e.2mvk", "/d.mvkt", "/a.mvkt", "/c.mvkt"}));
    list.Add("");
    EXPECT_EQ(list.files().size(), 4u);
}

TEST(RecentFileListTest, SurvivesARestartAsUtf8Paths) {
    MemoryPathSettings settings;
    {
        RecentFileList list(settings);
        list.Add("/home/eva/\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD.mvkt");
        list.Add("/b.2mvk");
    }
    EXPECT_EQ(settings.ReadPath("Recent File List", "File1", ""), "/b.2mvk");
    EXPECT_EQ(settings.ReadPath("Recent File List", "File2", ""),
              "/home/eva/\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD.mvkt");
    RecentFileList again(settings);
    EXPECT_EQ(again.files(),
              (Files{"/b.2mvk", "/home/eva/\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD.mvkt"}));
}

}  // namespace
