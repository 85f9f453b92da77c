#include "tutor/course/keyboard_record.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

TEST(KeyboardRecord, ReadsRecordsAndSkipsOnlyLeadingSemicolonComments) {
    auto records = KeyboardRecord::ParseList({"; keyboards", "00000409:English (US):1:",
                                              "0000040E:Hungarian; 101 keys:0:", "NUM:Keypad:"});
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].id, "00000409");
    EXPECT_EQ(records[0].caption, "English (US)");
    EXPECT_EQ(records[0].isDefault, 1);
    EXPECT_EQ(records[0].line, 2);
    EXPECT_EQ(records[1].caption, "Hungarian; 101 keys");
    EXPECT_EQ(records[1].isDefault, 0);
    EXPECT_EQ(records[2].id, "NUM");
}

TEST(KeyboardRecord, MissingIntegerKeepsThePreviousRecordsValueAndMissingTextIsEmpty) {
    auto records = KeyboardRecord::ParseList({"A:a:", "B:b:1:", "C:c:", "D", "E:e:0:", "F:"});
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[0].isDefault, 0);
    EXPECT_EQ(records[2].isDefault, 1);
    EXPECT_EQ(records[3].id, "");
    EXPECT_EQ(records[3].isDefault, 1);
    EXPECT_EQ(records[4].isDefault, 0);
    EXPECT_EQ(records[5].caption, "");
}

TEST(KeyboardRecord, EmptyLineIsARecord) {
    auto records = KeyboardRecord::ParseList({"A:a:1:", "", "B:b:0:"});
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].id, "");
    EXPECT_EQ(records[1].isDefault, 1);
}

TEST(KeyboardRecord, ReadsThePlainFile) {
    TempDir dir;
    std::vector<KeyboardRecord> records;
    EXPECT_FALSE(KeyboardRecord::ReadFile(dir.File("keyboards.txt"), records));
    std::string path = dir.Write("keyboards.txt", ";c\r\n00000409:US:1:\r\nNUM:Keypad:0:\r\n");
    ASSERT_TRUE(KeyboardRecord::ReadFile(path, records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].caption, "Keypad");
}
