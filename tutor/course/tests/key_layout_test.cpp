#include "tutor/course/key_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/data_paths.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/tests/course_files_support.h"

namespace {

using Lines = std::vector<std::string>;
namespace k = small_layout;

const std::string kPath = "/p/config/00000409.kdd";

}  // namespace

TEST(KeyLayout, ReadsEveryFieldOfAKeyLine) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines({"00000409", "60:20:-2:e:E:\x80:2:"}, kPath));
    ASSERT_EQ(layout.keys().size(), 1u);
    const KeyDef& key = layout.keys()[0];
    EXPECT_EQ(key.row, 60);
    EXPECT_EQ(key.column, 20);
    EXPECT_EQ(key.size, -2);
    EXPECT_EQ(key.label, "e");
    EXPECT_EQ(key.shifted, 'E');
    EXPECT_EQ(key.altGr, '\x80');
    EXPECT_EQ(key.finger, 2);
}

TEST(KeyLayout, ShiftFieldStandInBecomesColon) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines(SmallLayoutLines("00000409"), kPath));
    EXPECT_EQ(layout.keys()[k::kSemicolon].shifted, ':');
    EXPECT_EQ(layout.keys()[k::kSemicolon].label, ";");
}

TEST(KeyLayout, CharacterFieldsTakeTheirFirstCharacterAndEmptyMeansNone) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines({"", "0:0:1:ab:XY:::", "0:0:1:Enter:::x:"}, kPath));
    EXPECT_EQ(layout.keys()[0].shifted, 'X');
    EXPECT_EQ(layout.keys()[0].altGr, 0);
    EXPECT_EQ(layout.keys()[0].finger, 0);
    EXPECT_EQ(layout.keys()[1].shifted, 0);
    EXPECT_EQ(layout.keys()[1].finger, 0);
}

TEST(KeyLayout, SpecialKeysAreFoundByLabelAndFinger) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines(SmallLayoutLines("00000409"), kPath));
    EXPECT_EQ(layout.keys().size(), 17u);
    EXPECT_EQ(layout.leftShift(), k::kLeftShift);
    EXPECT_EQ(layout.rightShift(), k::kRightShift);
    EXPECT_EQ(layout.leftAlt(), k::kLeftAlt);
    EXPECT_EQ(layout.rightAlt(), k::kRightAlt);
    EXPECT_EQ(layout.tabKey(), k::kTab);
    EXPECT_EQ(layout.backspaceKey(), k::kBackspace);
    EXPECT_EQ(layout.capsLockKey(), k::kCapsLock);
}

TEST(KeyLayout, LastKeyWithASpecialLabelWinsAndMissingOnesAreNone) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines(
        {"", "0:0:1:Tab:::0:", "0:0:1:Shift:::-1:", "0:0:1:Tab:::0:", "0:0:1:tab:::0:"}, kPath));
    EXPECT_EQ(layout.tabKey(), 2);
    // A Shift without a finger of the left hand is the right Shift.
    EXPECT_EQ(layout.rightShift(), 1);
    EXPECT_EQ(layout.leftShift(), -1);
    EXPECT_EQ(layout.backspaceKey(), -1);
    EXPECT_EQ(layout.capsLockKey(), -1);
    EXPECT_EQ(layout.leftAlt(), -1);
}

TEST(KeyLayout, LinesWithoutColonAreNoKeys) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines({"", "comment", "0:0:1:a:::0:", "", "x"}, kPath));
    EXPECT_EQ(layout.keys().size(), 1u);
}

struct BrokenLineCase {
    const char* line;
};

class KeyLayoutBrokenLine : public testing::TestWithParam<BrokenLineCase> {};

TEST_P(KeyLayoutBrokenLine, EndsReadingWithFailureKeepingKeysBefore) {
    KeyLayout layout;
    EXPECT_FALSE(layout.ParseLines(
        {"", "0:0:1:a:::0:", "0:16:1:s:::1:", GetParam().line, "0:32:1:d:::2:"}, kPath));
    ASSERT_EQ(layout.keys().size(), 2u);
    EXPECT_EQ(layout.keys()[1].label, "s");
    EXPECT_EQ(layout.failedLine(), 4);
}

INSTANTIATE_TEST_SUITE_P(Lines, KeyLayoutBrokenLine,
                         testing::Values(BrokenLineCase{"0:32:1:d:::2"}, BrokenLineCase{":"},
                                         BrokenLineCase{"1:2:3:Shift:"},
                                         BrokenLineCase{"0:32:1:d::"}));

TEST(KeyLayout, ForeignFileReadsNoKeys) {
    KeyLayout layout;
    EXPECT_FALSE(layout.ParseLines(SmallLayoutLines("00000407"), kPath));
    EXPECT_TRUE(layout.keys().empty());
    EXPECT_EQ(layout.failedLine(), 1);
    EXPECT_EQ(layout.leftShift(), -1);
}

TEST(KeyLayout, ReloadingForgetsTheSpecialKeysOfTheLastLayout) {
    KeyLayout layout;
    ASSERT_TRUE(layout.ParseLines(SmallLayoutLines(""), kPath));
    ASSERT_TRUE(layout.ParseLines({"", "0:0:1:a:::0:"}, kPath));
    EXPECT_EQ(layout.keys().size(), 1u);
    EXPECT_EQ(layout.rightAlt(), -1);
    EXPECT_EQ(layout.backspaceKey(), -1);
}

TEST(KeyLayout, LoadReadsTheLayoutFileOfTheConfigFolder) {
    TempDir dir;
    DataPaths::SetProgramFolder(dir.path());
    WriteLineFile(dir, "config/00000409.kdd", SmallLayoutLines("00000409"));
    KeyLayout layout;
    EXPECT_TRUE(layout.Load("00000409"));
    EXPECT_EQ(layout.name(), "00000409");
    EXPECT_EQ(layout.keys().size(), 17u);
    EXPECT_FALSE(layout.Load("0000040E"));
    EXPECT_TRUE(layout.keys().empty());
    EXPECT_EQ(layout.name(), "0000040E");
}
