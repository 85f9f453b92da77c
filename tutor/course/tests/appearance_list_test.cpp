#include "tutor/course/appearance_list.h"

#include <gtest/gtest.h>

#include <string>

#include "common/testing/temp_dir.h"

namespace {

void WriteAppearance(const TempDir& pictures, const std::string& name, int skipped = -1) {
    for (int i = 0; i < AppearanceList::kPictureCount; ++i) {
        if (i != skipped) {
            pictures.Write(name + "/" + std::string(AppearanceList::kPictureFiles[i]), "jpeg");
        }
    }
}

}  // namespace

TEST(AppearanceList, OffersOnlyFoldersWithAllElevenPictures) {
    TempDir pictures;
    WriteAppearance(pictures, "standard");
    WriteAppearance(pictures, "paper");
    WriteAppearance(pictures, "no-background", AppearanceList::kBackground);
    WriteAppearance(pictures, "no-movie8", AppearanceList::kFirstMovie + 7);
    // The settings text keeps the name between colons: such a name could not be stored.
    WriteAppearance(pictures, "a:b");
    pictures.Write("wellcome2.jpg", "jpeg");
    EXPECT_EQ(AppearanceList::Collect(pictures.path()),
              (std::vector<std::string>{"paper", "standard"}));
    EXPECT_TRUE(AppearanceList::IsComplete(pictures.path(), "paper"));
    EXPECT_FALSE(AppearanceList::IsComplete(pictures.path(), "no-movie8"));
    EXPECT_FALSE(AppearanceList::IsComplete(pictures.path(), ""));
    EXPECT_FALSE(AppearanceList::IsComplete(pictures.path(), "../" + pictures.path()));
}

TEST(AppearanceList, MissingPicturesFolderOffersNothing) {
    TempDir pictures;
    EXPECT_TRUE(AppearanceList::Collect(pictures.File("absent")).empty());
}

TEST(AppearanceList, PicturesLoadInTheirFixedOrder) {
    EXPECT_EQ(AppearanceList::kPictureFiles[AppearanceList::kHandsBackground], "HandsBG.jpg");
    EXPECT_EQ(AppearanceList::kPictureFiles[AppearanceList::kStatisticsBackground], "StatBG.jpg");
    EXPECT_EQ(AppearanceList::kPictureFiles[AppearanceList::kFirstMovie], "Movie1.jpg");
    EXPECT_EQ(AppearanceList::kPictureFiles[AppearanceList::kFirstMovie + 7], "Movie8.jpg");
    EXPECT_EQ(AppearanceList::kPictureFiles[AppearanceList::kBackground], "Background.jpg");
    EXPECT_EQ(AppearanceList::PicturePath("/p/pictures/", "paper", "StatBG.jpg"),
              "/p/pictures/paper/StatBG.jpg");
    EXPECT_EQ(AppearanceList::PicturePath("/p/pictures", "paper", "StatBG.jpg"),
              "/p/pictures/paper/StatBG.jpg");
}
