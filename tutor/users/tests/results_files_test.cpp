#include "tutor/users/results_files.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/compressed_line_file.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/users/stroke_log.h"

namespace {

struct ExtensionCase {
    const char* chosen;
    const char* saved;
};

class StatExtension : public testing::TestWithParam<ExtensionCase> {};

TEST_P(StatExtension, IsAddedOnlyToANameWithoutOne) {
    EXPECT_EQ(ResultsFiles::WithStatExtension(GetParam().chosen), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Names, StatExtension,
    testing::Values(ExtensionCase{"/home/jana/run", "/home/jana/run.stat"},
                    ExtensionCase{"/home/jana/run.stat", "/home/jana/run.stat"},
                    ExtensionCase{"/home/jana/run.STAT", "/home/jana/run.STAT"},
                    ExtensionCase{"/home/jana/run.txt", "/home/jana/run.txt"},
                    ExtensionCase{"/home/jana/run.", "/home/jana/run.stat"},
                    ExtensionCase{"/home/jana/.run", "/home/jana/.run.stat"},
                    ExtensionCase{"/home/v1.2/run", "/home/v1.2/run.stat"},
                    ExtensionCase{"/home/jana/p\xC5\x99\xC3\xADklad",
                                  "/home/jana/p\xC5\x99\xC3\xADklad.stat"}));

class ResultsFilesTest : public testing::Test {
  protected:
    ResultsFilesTest() {
        log.Start(4, "Jana", 2.0, 120, 50, "Home row");
        log.Add('a', 'a', 200);
        log.Add('s', 'd', 300);
    }

    FakeClock clock;
    StrokeLog log{clock};
    RecordingMessageSink messages;
    std::vector<std::vector<std::string>> shown;
    ResultsFiles files{log, messages,
                       [this](const StrokeLog& shownLog) { shown.push_back(shownLog.toLines()); }};
    TempDir dir;
};

TEST_F(ResultsFilesTest, SavedRunOpensAgainInTheResultsDialog) {
    ASSERT_TRUE(files.Save(dir.File("lesson five")));
    const std::vector<std::string> saved = log.toLines();
    log.Start(0, "Other", 1.0, 60, 10, "Other");
    EXPECT_TRUE(files.Open(dir.File("lesson five.stat")));
    EXPECT_EQ(log.toLines(), saved);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], saved);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ResultsFilesTest, FailedSaveNamesTheFile) {
    const std::string path = dir.File("no such folder/run");
    EXPECT_FALSE(files.Save(path));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Kelvane");
    EXPECT_EQ(messages.messages[0].text,
              "An unknown error occurred while accessing " + path + ".stat.");
    EXPECT_EQ(messages.messages[0].icon, MessageSink::Icon::Warning);
}

std::string RandomBytes(std::size_t count) {
    std::mt19937 engine(7);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        bytes += static_cast<char>(engine() & 0xFF);
    }
    return bytes;
}

// A results file of another run, whole, for the damaged variants.
std::string GoodFileBytes(const TempDir& dir, const char* firstLine) {
    CompressedLineFile file;
    for (const char* line : {firstLine, "1690000000", "Petr", "2", "Numbers", "1.500", "140", "30",
                             "250:1:", "300:2:3:", "280:3:"}) {
        file.AddLine(line);
    }
    const std::string path = dir.File("source.stat");
    EXPECT_TRUE(file.Write(path));
    return TempDir::ReadAll(path);
}

struct DamageCase {
    const char* name;
    std::string (*bytes)(const TempDir&);
};

class DamagedResultsFile : public ResultsFilesTest,
                           public testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedResultsFile, IsRefusedAndChangesNothing) {
    const std::vector<std::string> before = log.toLines();
    const std::string path = dir.Write("damaged.stat", GetParam().bytes(dir));
    EXPECT_FALSE(files.Open(path));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Kelvane");
    EXPECT_EQ(messages.messages[0].text,
              "This file has an incorrect format or it has been corrupted.");
    EXPECT_TRUE(shown.empty()) << "no results dialog";
    EXPECT_EQ(log.toLines(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedResultsFile,
    testing::Values(DamageCase{"RandomBytes", [](const TempDir&) { return RandomBytes(600); }},
                    DamageCase{"Empty", [](const TempDir&) { return std::string(); }},
                    DamageCase{"Truncated",
                               [](const TempDir& d) {
                                   const std::string whole = GoodFileBytes(d, "zuv STAT 1.0");
                                   return whole.substr(0, whole.size() / 2);
                               }},
                    DamageCase{"WrongFirstLine",
                               [](const TempDir& d) { return GoodFileBytes(d, "zuv stat 1.0"); }},
                    DamageCase{"AnotherProgramsFile",
                               [](const TempDir& d) { return GoodFileBytes(d, "zuv MVK 1.0"); }}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST_F(ResultsFilesTest, MissingFileIsRefusedLikeADamagedOne) {
    EXPECT_FALSE(files.Open(dir.File("missing.stat")));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(log.recordCount(), 2u);
}

}  // namespace
