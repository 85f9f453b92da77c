#include "tutor/users/stroke_log.h"

#include <gtest/gtest.h>

#include "common/compressed_line_file.h"
#include "common/testing/fake_clock.h"
#include "common/testing/temp_dir.h"

namespace {

constexpr char kStandIn = static_cast<char>(0xB6);

class StrokeLogTest : public testing::Test {
  protected:
    FakeClock clock;
    StrokeLog log{clock};
};

TEST_F(StrokeLogTest, StartReplacesTheHeaderAndDropsTheStrokes) {
    EXPECT_EQ(log.lessonIndex(), -1);
    EXPECT_EQ(log.startTime(), clock.NowSeconds());
    log.Add('a', 'a', 100);
    clock.AdvanceMs(60000);
    log.Start(4, "petr", 2.5, 120, 300, "Lesson five");
    EXPECT_EQ(log.recordCount(), 0u);
    EXPECT_EQ(log.lessonIndex(), 4);
    EXPECT_EQ(log.userName(), "petr");
    EXPECT_DOUBLE_EQ(log.errorLimit(), 2.5);
    EXPECT_EQ(log.speedLimit(), 120);
    EXPECT_EQ(log.characterCount(), 300);
    EXPECT_EQ(log.lessonTitle(), "Lesson five");
    EXPECT_EQ(log.startTime(), 1700000060);
}

TEST_F(StrokeLogTest, RemoveLastTakesBackOnlyTheLastStroke) {
    log.Add('a', 'a', 100);
    log.Add('b', 'v', 150);
    log.RemoveLast();
    ASSERT_EQ(log.recordCount(), 1u);
    EXPECT_EQ(log.record(0), (StrokeRecord{100, 'a', 'a'}));
    log.RemoveLast();
    log.RemoveLast();  // nothing left to take back
    EXPECT_EQ(log.recordCount(), 0u);
}

struct RecordCase {
    StrokeRecord record;
    std::string text;
};

class StrokeRecordText : public testing::TestWithParam<RecordCase> {};

TEST_P(StrokeRecordText, WritesAndReadsBack) {
    const RecordCase& c = GetParam();
    EXPECT_EQ(StrokeLog::recordToText(c.record), c.text);
    StrokeRecord back{-1, 'x', 'y'};
    ASSERT_TRUE(StrokeLog::recordFromText(c.text, back));
    EXPECT_EQ(back, c.record);
}

INSTANTIATE_TEST_SUITE_P(
    Records, StrokeRecordText,
    testing::Values(RecordCase{{250, 'a', 'a'}, "250:a:"}, RecordCase{{31, 'f', 'g'}, "31:f:g:"},
                    RecordCase{{0, ' ', ' '}, "0: :"},
                    RecordCase{{120, ':', 'a'}, std::string("120:") + kStandIn + ":a:"},
                    RecordCase{{120, 'a', ':'}, std::string("120:a:") + kStandIn + ":"},
                    RecordCase{{5, ':', ':'}, std::string("5:") + kStandIn + ":"},
                    RecordCase{{7, static_cast<char>(0xA4), static_cast<char>(0xE8)},
                               "7:\xA4:\xE8:"},
                    RecordCase{{-3, 'a', '\0'}, "-3:a::"}, RecordCase{{9, '\0', '\0'}, "9::"}));

struct ReadCase {
    const char* text;
    bool parses;
    StrokeRecord record;
};

class StrokeRecordRead : public testing::TestWithParam<ReadCase> {};

TEST_P(StrokeRecordRead, FollowsTheFieldRules) {
    StrokeRecord record{-1, 'x', 'y'};
    EXPECT_EQ(StrokeLog::recordFromText(GetParam().text, record), GetParam().parses)
        << GetParam().text;
    if (GetParam().parses) {
        EXPECT_EQ(record, GetParam().record) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, StrokeRecordRead,
                         testing::Values(ReadCase{"", false, {}}, ReadCase{"250", false, {}},
                                         ReadCase{"250:", false, {}}, ReadCase{"250:a", false, {}},
                                         ReadCase{"250:a:b", true, {250, 'a', 'a'}},
                                         ReadCase{"250:ab:cd:", true, {250, 'a', 'c'}},
                                         ReadCase{" 12ms:a:", true, {12, 'a', 'a'}}));

TEST_F(StrokeLogTest, LinesHoldTheHeaderThenOneStrokePerLine) {
    log.Start(2, "Jana", 2.0, 95, 180, "Home row");
    log.Add('f', 'f', 0);
    log.Add(':', 'a', 410);
    std::vector<std::string> expected = {
        "zuv STAT 1.0", "1700000000", "Jana", "2",    "Home row",
        "2.000",        "95",         "180",  "0:f:", std::string("410:") + kStandIn + ":a:"};
    EXPECT_EQ(log.toLines(), expected);
}

TEST_F(StrokeLogTest, LinesReadBackIntoAnotherLog) {
    log.Start(StrokeLog::kOwnTextLesson, "Jana", 0.125, 60, 2, "my.txt");
    log.Add(':', 'a', 410);
    log.Add('b', 'b', 90);
    StrokeLog other(clock);
    ASSERT_TRUE(other.fromLines(log.toLines()));
    EXPECT_EQ(other.records(), log.records());
    EXPECT_EQ(other.lessonIndex(), StrokeLog::kOwnTextLesson);
    EXPECT_EQ(other.userName(), "Jana");
    EXPECT_DOUBLE_EQ(other.errorLimit(), 0.125);
    EXPECT_EQ(other.speedLimit(), 60);
    EXPECT_EQ(other.characterCount(), 2);
    EXPECT_EQ(other.lessonTitle(), "my.txt");
    EXPECT_EQ(other.startTime(), log.startTime());
}

class StrokeLogWrongMagic : public testing::TestWithParam<const char*> {};

TEST_P(StrokeLogWrongMagic, IsRefusedWithTheLogUnchanged) {
    FakeClock clock;
    StrokeLog log(clock);
    log.Start(3, "Jana", 1.5, 140, 30, "Home row");
    log.Add('a', 'b', 120);
    const std::vector<std::string> before = log.toLines();
    EXPECT_FALSE(log.fromLines({GetParam(), "1", "x", "0", "t", "1.0", "1", "1", "5:a:"}));
    EXPECT_EQ(log.toLines(), before);

    TempDir dir;
    CompressedLineFile file;
    for (const char* line : {GetParam(), "1", "x", "0", "t", "1.0", "1", "1", "5:a:"}) {
        file.AddLine(line);
    }
    const std::string path = dir.File("other.stat");
    ASSERT_TRUE(file.Write(path));
    EXPECT_FALSE(log.loadStat(path));
    EXPECT_EQ(log.toLines(), before);
}

INSTANTIATE_TEST_SUITE_P(FirstLines, StrokeLogWrongMagic,
                         testing::Values("zuv stat 1.0", "ZUV STAT 1.0", "zuv STAT 1.0 ", "",
                                         "zuv STAT 1.1"));

TEST_F(StrokeLogTest, HeaderNumbersReadByTheLeadingDigitsRule) {
    ASSERT_TRUE(log.fromLines({"zuv STAT 1.0", "  1690000000 s", "", "x7", "", "2,5", "-40.9"}));
    EXPECT_EQ(log.startTime(), 1690000000);
    EXPECT_EQ(log.lessonIndex(), 0);
    EXPECT_DOUBLE_EQ(log.errorLimit(), 2.0);
    EXPECT_EQ(log.speedLimit(), -40);
    EXPECT_EQ(log.characterCount(), 0) << "a missing line reads as empty";
    EXPECT_EQ(log.recordCount(), 0u);
}

TEST_F(StrokeLogTest, StrokesEndAtTheFirstLineThatIsNotAStroke) {
    ASSERT_TRUE(log.fromLines({"zuv STAT 1.0", "0", "u", "1", "t", "1.0", "60", "9",
                               "10:a:", "20:b:c:", "30:c", "40:d:"}));
    ASSERT_EQ(log.recordCount(), 2u);
    EXPECT_EQ(log.record(1), (StrokeRecord{20, 'b', 'c'}));
}

TEST_F(StrokeLogTest, ResultsFileReadsBack) {
    TempDir dir;
    log.Start(7, "Petr", 1.5, 140, 3, "Numbers");
    log.Add('1', '1', 300);
    log.Add(':', ':', 200);
    log.Add('3', '4', 250);
    const std::string path = dir.File("run.stat");
    ASSERT_TRUE(log.saveStat(path));

    CompressedLineFile file;
    ASSERT_TRUE(file.Read(path));
    EXPECT_EQ(file.lines(), log.toLines());

    StrokeLog other(clock);
    ASSERT_TRUE(other.loadStat(path));
    EXPECT_EQ(other.records(), log.records());
    EXPECT_EQ(other.lessonTitle(), "Numbers");
}

TEST_F(StrokeLogTest, UnreadableResultsFileLeavesTheLogAsItWas) {
    TempDir dir;
    log.Start(3, "Petr", 1.5, 140, 3, "Numbers");
    log.Add('1', '1', 300);
    EXPECT_FALSE(log.loadStat(dir.File("missing.stat")));
    EXPECT_FALSE(
        log.loadStat(dir.Write("garbage.stat", std::string("\x01\x02\x03 not a container", 20))));
    EXPECT_EQ(log.recordCount(), 1u);
    EXPECT_EQ(log.lessonIndex(), 3);
}

TEST_F(StrokeLogTest, ResultsFileInAFolderThatDoesNotExistIsNotWritten) {
    TempDir dir;
    EXPECT_FALSE(log.saveStat(dir.File("no/such/folder/run.stat")));
}

}  // namespace
