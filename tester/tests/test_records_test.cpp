#include "tester/test_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tester/test_data.h"

namespace {

// Every field that the records store, with values unlike the defaults.
TestData FilledTestData() {
    TestData data;
    data.allowBackspace = 0;
    data.allowArrows = 0;
    data.allowEnter = 0;
    data.allowPause = 0;
    data.pointsPerError = 50;
    data.timeLimitMinutes = 200;
    data.scrollingType = 2;
    data.originalText = "First line\r\n\r\nThird line after an empty one\r\n  indented";
    data.typedText = "First lime\r\n";
    data.testName = "Speed test: level 3";
    data.description = "Two lines\r\nof description";
    data.languageId = 1029;
    data.level = 9;
    data.fromTestDefinition = 1;
    data.endTime = 1045213507;
    data.durationSeconds = 5000000000LL;
    data.keyboardTypeName = "Czech: QWERTZ";
    data.chars1 = "abc";
    data.chars2 = "ABC:";
    data.chars3 = "\xEF\x9D";
    data.chars4 = "";
    data.nickname = "kaja";
    data.firstName = "Karel";
    data.middleName = "J.";
    data.lastName = "Nov\xE1k";
    data.email = "karel@example.org";
    data.city = "Brno";
    data.country = "Czech Republic";
    data.dateOfBirth = "01/02/1990";
    data.testId = "MV20030214_090507_1200_3045";
    data.keystrokeLog = {{0, 258, 'F', 1},
                         {153, 256, 37, 0x014B0001},
                         {12, 257, 37, static_cast<std::int32_t>(0xC14B0001)},
                         {-5, 258, 8, 0x000E0001}};
    return data;
}

void ExpectSameStoredFields(const TestData& a, const TestData& b) {
    EXPECT_EQ(a.allowBackspace, b.allowBackspace);
    EXPECT_EQ(a.allowArrows, b.allowArrows);
    EXPECT_EQ(a.allowEnter, b.allowEnter);
    EXPECT_EQ(a.allowPause, b.allowPause);
    EXPECT_EQ(a.pointsPerError, b.pointsPerError);
    EXPECT_EQ(a.timeLimitMinutes, b.timeLimitMinutes);
    EXPECT_EQ(a.scrollingType, b.scrollingType);
    EXPECT_EQ(a.originalText, b.originalText);
    EXPECT_EQ(a.typedText, b.typedText);
    EXPECT_EQ(a.testName, b.testName);
    EXPECT_EQ(a.description, b.description);
    EXPECT_EQ(a.languageId, b.languageId);
    EXPECT_EQ(a.level, b.level);
    EXPECT_EQ(a.fromTestDefinition, b.fromTestDefinition);
    EXPECT_EQ(a.endTime, b.endTime);
    EXPECT_EQ(a.durationSeconds, b.durationSeconds);
    EXPECT_EQ(a.keyboardTypeName, b.keyboardTypeName);
    EXPECT_EQ(a.chars1, b.chars1);
    EXPECT_EQ(a.chars2, b.chars2);
    EXPECT_EQ(a.chars3, b.chars3);
    EXPECT_EQ(a.chars4, b.chars4);
    EXPECT_EQ(a.nickname, b.nickname);
    EXPECT_EQ(a.firstName, b.firstName);
    EXPECT_EQ(a.middleName, b.middleName);
    EXPECT_EQ(a.lastName, b.lastName);
    EXPECT_EQ(a.email, b.email);
    EXPECT_EQ(a.city, b.city);
    EXPECT_EQ(a.country, b.country);
    EXPECT_EQ(a.dateOfBirth, b.dateOfBirth);
    EXPECT_EQ(a.testId, b.testId);
    EXPECT_EQ(a.keystrokeLog, b.keystrokeLog);
}

TEST(TestRecordsTest, LinesReadBackGiveTheSameFields) {
    const TestData written = FilledTestData();
    TestData read;
    TestRecords::Apply(TestRecords::Lines(written), read);
    ExpectSameStoredFields(written, read);
}

TEST(TestRecordsTest, DefaultsReadBackUnchanged) {
    const TestData written;
    TestData read = FilledTestData();
    read.keystrokeLog.clear();
    TestRecords::Apply(TestRecords::Lines(written), read);
    ExpectSameStoredFields(written, read);
}

TEST(TestRecordsTest, RecordsComeInTheirFixedOrder) {
    std::vector<int> order;
    bool inBlock = false;
    for (const std::string& line : TestRecords::Lines(FilledTestData())) {
        if (inBlock) {
            inBlock = line != TestRecords::kBlockMarker;
            continue;
        }
        order.push_back(std::stoi(line));
        inBlock = line.ends_with(std::string(":") + TestRecords::kBlockMarker);
    }
    EXPECT_EQ(order,
              (std::vector<int>{1,  2,  3,  4,  5,  6,  7,  8,  24, 9,  29, 30, 31, 28, 10, 11,
                                12, 13, 15, 16, 17, 18, 32, 19, 20, 21, 22, 23, 25, 26, 27}));
}

TEST(TestRecordsTest, LinesHaveTheirExactFormats) {
    const std::vector<std::string> lines = TestRecords::Lines(FilledTestData());
    const std::vector<std::string> head(lines.begin(), lines.begin() + 24);
    EXPECT_EQ(head, (std::vector<std::string>{"1:0",
                                              "2:0",
                                              "3:0",
                                              "4:0",
                                              "5:200",
                                              "6:2",
                                              "7:>>>><<>>>",
                                              "First line",
                                              "",
                                              "Third line after an empty one",
                                              "  indented",
                                              ">>>><<>>>",
                                              "8:>>>><<>>>",
                                              "First lime",
                                              "",
                                              ">>>><<>>>",
                                              "24:>>>><<>>>",
                                              "0:258:70:1:",
                                              "153:256:37:21692417:",
                                              "12:257:37:-1052049407:",
                                              "-5:258:8:917505:",
                                              ">>>><<>>>",
                                              "9:5000000000",
                                              "29:1029"}));
    EXPECT_EQ(lines.back(), ">>>><<>>>");
    EXPECT_EQ(lines[lines.size() - 5], "26:Speed test: level 3");
}

TEST(TestRecordsTest, EmptyTextIsAnOpeningLineDirectlyFollowedByTheMarker) {
    TestData data;
    const std::vector<std::string> lines = TestRecords::Lines(data);
    ASSERT_EQ(lines[6], "7:>>>><<>>>");
    EXPECT_EQ(lines[7], ">>>><<>>>");
    data.originalText = "kept";
    TestRecords::Apply({"7:>>>><<>>>", ">>>><<>>>"}, data);
    EXPECT_EQ(data.originalText, "");
}

TEST(TestRecordsTest, ValueWithColonsIsReadWhole) {
    TestData data;
    TestRecords::Apply({"26:Test: one: two", "23:MV:1", "16:"}, data);
    EXPECT_EQ(data.testName, "Test: one: two");
    EXPECT_EQ(data.testId, "MV:1");
    EXPECT_EQ(data.nickname, "");
}

TEST(TestRecordsTest, MarkerLineInsideATextCutsItShort) {
    TestData written;
    written.originalText = "before\r\n>>>><<>>>\r\nafter";
    TestData read;
    TestRecords::Apply(TestRecords::Lines(written), read);
    EXPECT_EQ(read.originalText, "before");
}

TEST(TestRecordsTest, UnknownMissingAndMalformedRecordsAreIgnored) {
    TestData data;
    data.testName = "unchanged";
    TestRecords::Apply(
        {"14:ignored", "99:ignored", "no colon here", ":5", "x:7", "5:12abc", "30:level", "29:-7"},
        data);
    EXPECT_EQ(data.testName, "unchanged");
    EXPECT_EQ(data.timeLimitMinutes, 12);
    EXPECT_EQ(data.level, 0);
    EXPECT_EQ(data.languageId, -7);
    EXPECT_EQ(data.pointsPerError, 10);
}

TEST(TestRecordsTest, BlockIsReadOnlyAfterTheExactMarker) {
    TestData data;
    TestRecords::Apply({"7:>>>><<>>> ", "5:3", ">>>><<>>>", "8:>>>><<>>>", "typed", ">>>><<>>>"},
                       data);
    EXPECT_EQ(data.originalText, "");
    EXPECT_EQ(data.timeLimitMinutes, 3);
    EXPECT_EQ(data.typedText, "typed");
}

TEST(TestRecordsTest, UnterminatedBlockTakesTheRestOfTheLines) {
    TestData data;
    TestRecords::Apply({"27:>>>><<>>>", "line one", "5:7"}, data);
    EXPECT_EQ(data.description, "line one\r\n5:7");
    EXPECT_EQ(data.timeLimitMinutes, 5);
}

TEST(TestRecordsTest, KeystrokeBlockAppendsToTheLog) {
    TestData data;
    data.keystrokeLog = {{1, 258, 'a', 0}};
    TestRecords::Apply({"24:>>>><<>>>", "10:258:98:3:", "20:256:46", "", ">>>><<>>>", "3:0"}, data);
    EXPECT_EQ(data.keystrokeLog,
              (std::vector<KeystrokeRecord>{
                  {1, 258, 'a', 0}, {10, 258, 'b', 3}, {20, 256, 46, 0}, {0, 0, 0, 0}}));
    EXPECT_EQ(data.allowEnter, 0);
}

TEST(TestRecordsTest, BareLineFeedInATextComesBackAsALineBreak) {
    TestData written;
    written.typedText = "one\ntwo\rthree";
    TestData read;
    TestRecords::Apply(TestRecords::Lines(written), read);
    EXPECT_EQ(read.typedText, "one\r\ntwo\rthree");
}

TEST(TestRecordsTest, LineBreaksCannotForgeRecordsFromSingleLineValues) {
    TestData written;
    written.nickname = "eve\r\n31:1";
    const std::vector<std::string> lines = TestRecords::Lines(written);
    TestData read;
    TestRecords::Apply(lines, read);
    EXPECT_EQ(read.nickname, "eve31:1");
    EXPECT_EQ(read.fromTestDefinition, 0);
}

}  // namespace
