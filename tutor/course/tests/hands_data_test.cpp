#include "tutor/course/hands_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/tests/course_files_support.h"

namespace {

using Lines = std::vector<std::string>;

Lines Groups(int count) {
    Lines lines;
    for (int g = 0; g < count; ++g) {
        lines.push_back(std::to_string(g) + ":10:0:1:0:0:0:");
        lines.push_back(std::to_string(g) + ":20:1:2:0:0:0:");
        lines.push_back("END");
    }
    return lines;
}

}  // namespace

TEST(HandsData, EndClosesGroupsOfStrokePoints) {
    HandsData hands;
    ASSERT_TRUE(
        hands.ParseLines({"finger 0", "100:200:0:1:255:128:0:", "110:210:1:2:1:2:3:", "END", "",
                          "END", "5:6:7:8:300:-4:9:", "END", "1:1:1:1:1:1:1:", "1:1:1:1:1:1:1:"}));
    ASSERT_EQ(hands.GroupCount(), 3);
    ASSERT_EQ(hands.groups()[0].size(), 2u);
    const StrokePoint& first = hands.groups()[0][0];
    EXPECT_EQ(first.x, 100);
    EXPECT_EQ(first.y, 200);
    EXPECT_FALSE(first.Draws());
    EXPECT_EQ(first.thickness, 1);
    EXPECT_EQ(first.color, 0xFF8000u);
    const StrokePoint& second = hands.groups()[0][1];
    EXPECT_TRUE(second.Draws());
    EXPECT_EQ(second.Red(), 1);
    EXPECT_EQ(second.Green(), 2);
    EXPECT_EQ(second.Blue(), 3);
    EXPECT_TRUE(hands.groups()[1].empty());
    // Colours outside a byte are clamped.
    EXPECT_EQ(hands.groups()[2][0].color, 0xFF0009u);
}

TEST(HandsData, TenGroupsAreNeeded) {
    HandsData hands;
    ASSERT_TRUE(hands.ParseLines(Groups(9)));
    EXPECT_FALSE(hands.IsComplete());
    // Points after the last END make no tenth group.
    Lines lines = Groups(9);
    lines.push_back("1:1:1:1:1:1:1:");
    ASSERT_TRUE(hands.ParseLines(lines));
    EXPECT_EQ(hands.GroupCount(), 9);
    ASSERT_TRUE(hands.ParseLines(Groups(10)));
    EXPECT_TRUE(hands.IsComplete());
}

TEST(HandsData, BrokenStrokeLineFailsKeepingTheClosedGroups) {
    Lines lines = Groups(2);
    lines.push_back("1:2:3:");
    lines.push_back("END");
    HandsData hands;
    EXPECT_FALSE(hands.ParseLines(lines));
    EXPECT_EQ(hands.GroupCount(), 2);
    EXPECT_EQ(hands.failedLine(), 7);
}

TEST(HandsData, EndMustStandAlone) {
    HandsData hands;
    ASSERT_TRUE(hands.ParseLines({"1:1:1:1:1:1:1:", "end", "END ", " END"}));
    EXPECT_EQ(hands.GroupCount(), 0);
}

TEST(HandsData, LoadHandsReadsTheConfigFolder) {
    TempDir dir;
    DataPaths::SetProgramFolder(dir.path());
    HandsData hands;
    EXPECT_FALSE(hands.LoadHands());
    WriteLineFile(dir, "config/hands.ddd", Groups(10));
    EXPECT_TRUE(hands.LoadHands());
    EXPECT_EQ(hands.GroupCount(), 10);
}
