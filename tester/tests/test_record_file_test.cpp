#include "tester/test_record_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/file_error.h"
#include "common/testing/temp_dir.h"
#include "tester/test_records.h"

namespace {

TestData SampleResults() {
    TestData data;
    data.originalText = "Line one: colons stay\r\nline two";
    data.typedText = "Line one: colons stay\r\nline tvo";
    data.keystrokeLog = {{0, 258, 'L', 1}, {180, 256, 39, 0x014D0001}};
    data.durationSeconds = 61;
    data.endTime = 1045213507;
    data.testName = "name: with colon";
    data.nickname = "kaja";
    data.testId = "MV20030214_090507_1200_3045";
    data.fromTestDefinition = 1;
    return data;
}

TEST(TestRecordFileTest, FileWrittenAndReadBackHasTheSameRecords) {
    TempDir dir;
    const std::string path = dir.File("run.2mvk");
    const TestData written = SampleResults();
    ASSERT_TRUE(TestRecordFile::WriteRecords(written, path));

    TestData read;
    ASSERT_TRUE(TestRecordFile::ReadRecords(path, read));
    EXPECT_EQ(read.originalText, written.originalText);
    EXPECT_EQ(read.typedText, written.typedText);
    EXPECT_EQ(read.keystrokeLog, written.keystrokeLog);
    EXPECT_EQ(read.durationSeconds, 61);
    EXPECT_EQ(read.endTime, written.endTime);
    EXPECT_EQ(read.testName, written.testName);
    EXPECT_EQ(read.testId, written.testId);
    EXPECT_EQ(read.fromTestDefinition, 1);
    EXPECT_EQ(read.sourceFileName, path);

    // The file is the record lines in the line container.
    std::vector<std::string> lines;
    CompressedLineFile::Decode(TempDir::ReadAll(path), path, lines);
    EXPECT_EQ(lines, TestRecords::Lines(written));
}

TEST(TestRecordFileTest, MissingFileIsAFailureThatChangesNothing) {
    TempDir dir;
    TestData data;
    data.testName = "kept";
    EXPECT_FALSE(TestRecordFile::ReadRecords(dir.File("absent.2mvk"), data));
    EXPECT_FALSE(TestRecordFile::ReadRecords(dir.path(), data));
    EXPECT_EQ(data.testName, "kept");
    EXPECT_EQ(data.sourceFileName, "");
}

TEST(TestRecordFileTest, FileInAMissingFolderCannotBeWritten) {
    TempDir dir;
    EXPECT_FALSE(TestRecordFile::WriteRecords(SampleResults(), dir.File("no/such/run.2mvk")));
}

TEST(TestRecordFileTest, DamagedFileKeepsTheRecordsBeforeTheDamage) {
    TestData written = SampleResults();
    // A long typed text puts the later records into later blocks.
    written.typedText.clear();
    for (int i = 0; i < 400; ++i) {
        written.typedText += "typed line number " + std::to_string(i) + "\r\n";
    }
    written.level = 9;
    std::vector<std::string> lines = TestRecords::Lines(written);
    const std::string file = CompressedLineFile::Encode(lines);
    const std::string damaged = file.substr(0, file.size() - 40);

    TempDir dir;
    const std::string path = dir.Write("damaged.2mvk", damaged);
    TestData read;
    EXPECT_THROW(TestRecordFile::ReadRecords(path, read), FileError);
    EXPECT_EQ(read.originalText, written.originalText);
    EXPECT_EQ(read.level, 5);
    EXPECT_EQ(read.sourceFileName, path);

    TestData fromMemory;
    EXPECT_THROW(TestRecordFile::ReadRecordsFromMemory(damaged, "damaged.2mvk", fromMemory),
                 FileError);
    EXPECT_EQ(fromMemory.originalText, written.originalText);
}

TEST(TestRecordFileTest, ExtensionIsAddedUnlessTheNameEndsWithItExactly) {
    EXPECT_EQ(TestRecordFile::WithExtension("test", ".mvkt"), "test.mvkt");
    EXPECT_EQ(TestRecordFile::WithExtension("test.mvkt", ".mvkt"), "test.mvkt");
    EXPECT_EQ(TestRecordFile::WithExtension("test.MVKT", ".mvkt"), "test.MVKT.mvkt");
    EXPECT_EQ(TestRecordFile::WithExtension("run", ".2mvk"), "run.2mvk");
    EXPECT_EQ(TestRecordFile::WithExtension("run.2mvk", ".2mvk"), "run.2mvk");
    EXPECT_EQ(TestRecordFile::WithExtension("/tmp/a.mvkt", ".2mvk"), "/tmp/a.mvkt.2mvk");
}

}  // namespace
