#include "tutor/users/report_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/testing/fake_clock.h"
#include "common/testing/temp_dir.h"
#include "tutor/users/evaluation_texts.h"
#include "tutor/users/random_source.h"
#include "tutor/users/results_dialog_model.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/tests/users_test_support.h"

namespace {

class ReportCommand : public testing::Test {
  protected:
    void SetUp() override {
        log.Start(2, "Petr", 2.0, 120, 10, "Third");
        const std::vector<StrokeRecord> strokes = {
            {500, 'a', 'a'}, {500, 'b', 'v'}, {500, ' ', ' '},       {500, 'a', 's'},
            {500, '"', '"'}, {500, 'b', 'b'}, {500, '\xE9', '\xE9'}, {500, 'a', 'a'}};
        for (const StrokeRecord& r : strokes) {
            log.Add(r.expected, r.typed, r.delayMs);
        }
        statPath = folder.File("run.stat");
        ASSERT_TRUE(log.saveStat(statPath));
        WriteLineFile(folder.File("textinfo.ddd"),
                      {":end", "#0", "Keep going.", "", ":faults", "#4", "Wrong:", "", ":name",
                       "#9", "(name)", ""});
    }
    int Run(std::vector<std::string> args, const std::string& textInfo) {
        out.str("");
        err.str("");
        return RunReport(args, textInfo, out, err);
    }

    TempDir folder;
    FakeClock clock;
    StrokeLog log{clock};
    std::string statPath;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ReportCommand, PrintsFiguresGradesCharactersAndEvaluation) {
    ASSERT_EQ(Run({statPath}, folder.File("textinfo.ddd")), 0);
    const std::string text = out.str();
    EXPECT_NE(text.find("Name:\t\tPetr\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Lesson:\t\t3.  Third\n"), std::string::npos);
    EXPECT_NE(text.find("Limit: 120.00\tNow: 120.00"), std::string::npos);
    EXPECT_NE(text.find("Limit: 2.00%\tNow: 25.00%"), std::string::npos);
    EXPECT_NE(text.find("Total Time 00:00:04"), std::string::npos);
    EXPECT_NE(text.find("Copied: 80.0%"), std::string::npos);
    EXPECT_NE(text.find("Errors: 2"), std::string::npos);
    EXPECT_NE(text.find("speed 49, errors 99, rhythm 0, completion 80"), std::string::npos);
    EXPECT_NE(text.find("Space"), std::string::npos);
    // The code-page character is printed as UTF-8.
    EXPECT_NE(text.find("\xC3\xA9"), std::string::npos);
    EXPECT_NE(text.find("Petr. \nWrong: a, b.\nKeep going. \n"), std::string::npos) << text;
    EXPECT_TRUE(err.str().empty());
}

TEST_F(ReportCommand, JsonHoldsTheFiguresAndCharacters) {
    ASSERT_EQ(Run({statPath, "--json"}, folder.File("textinfo.ddd")), 0);
    const std::string json = out.str();
    for (const char* part :
         {"{\"strokes\":8,\"errors\":2,\"totalMs\":4000,\"speedPerMinute\":120.00,",
          "\"errorRate\":25.00,\"copiedPercent\":80.0,\"speedLimit\":120,\"errorLimit\":2.000,",
          "\"speedGrade\":49,\"errorGrade\":99,\"rhythmGrade\":0,\"completion\":80,",
          "{\"char\":97,\"strokes\":3,\"errors\":1,\"wrong\":[115],\"averageDelayMs\":500,"
          "\"errorClass\":4,\"speedClass\":2}",
          "{\"char\":98,\"strokes\":2,\"errors\":1,\"wrong\":[118],", "{\"char\":34,",
          "{\"char\":233,", "\"evaluation\":\"Petr. \\nWrong: a, b.\\nKeep going. \\n\"",
          "\"evaluationAvailable\":true}\n"}) {
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    }
}

TEST_F(ReportCommand, OutputIsTheSameEachTime) {
    WriteLineFile(folder.File("random.ddd"),
                  {":r", "#0", "One.", "Two.", "Three.", "Four.", "Five.", "Six.", ""});
    ASSERT_EQ(Run({statPath}, folder.File("random.ddd")), 0);
    const std::string first = out.str();
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(Run({statPath}, folder.File("random.ddd")), 0);
        EXPECT_EQ(out.str(), first);
    }
}

TEST_F(ReportCommand, WithoutEvaluationTextsSaysSoAndGoesOn) {
    ASSERT_EQ(Run({statPath}, folder.File("missing.ddd")), 0);
    EXPECT_NE(out.str().find("The evaluation texts cannot be read"), std::string::npos);
    EXPECT_NE(out.str().find("Typing Speed"), std::string::npos);
    ASSERT_EQ(Run({"--json", statPath}, folder.File("missing.ddd")), 0);
    EXPECT_NE(out.str().find("\"evaluation\":\"\",\"evaluationAvailable\":false}"),
              std::string::npos);
}

TEST_F(ReportCommand, RefusesAFileThatIsNoResultsFile) {
    WriteLineFile(folder.File("wrong.stat"), {"zuv stat 1.0", "0"});
    folder.Write("garbage.stat", "garbage");
    for (const std::string& path :
         {folder.File("wrong.stat"), folder.File("garbage.stat"), folder.File("none.stat")}) {
        EXPECT_EQ(Run({path}, folder.File("textinfo.ddd")), 1) << path;
        EXPECT_EQ(err.str(), "This file has an incorrect format or it has been corrupted.\n");
        EXPECT_TRUE(out.str().empty());
    }
}

TEST_F(ReportCommand, WrongArgumentsShowTheUsage) {
    EXPECT_EQ(Run({}, ""), 2);
    EXPECT_EQ(Run({"--xml", statPath}, ""), 2);
    EXPECT_EQ(Run({statPath, statPath}, ""), 2);
    EXPECT_NE(err.str().find("--report RUN.stat [--json]"), std::string::npos);
}

TEST(ResultsDialogModelTest, NoStrokesShowTypingWellAndAnOwnTextHeader) {
    FakeClock clock;
    StrokeLog log(clock);
    log.Start(StrokeLog::kOwnTextLesson, "Eva", 1.0, 100, 50, "ignored");
    SeededRandomSource random(1);
    const ResultsDialogModel model(log, EvaluationTexts(), random);
    EXPECT_EQ(model.header(),
              "Date:\t\t14.11.2023\r\n\r\nName:\t\tEva\r\n\r\nLesson:\t\tCopying a text file of "
              "your own.\r\n\r\n");
    ASSERT_EQ(model.errorRows().size(), 1u);
    EXPECT_EQ(model.errorRows()[0].character, "You are typing well.");
    EXPECT_EQ(model.errorRows()[0].image, 5);
    ASSERT_EQ(model.speedRows().size(), 1u);
    EXPECT_EQ(model.speedRows()[0].image, 5);
    EXPECT_EQ(model.totalTimeText(), "00:00:00");
    EXPECT_EQ(model.speedLimitText(), "100.00");
    EXPECT_EQ(model.evaluation(), "");
}

TEST(ResultsDialogModelTest, OnlyARunWithStrokesIsEvaluated) {
    const EvaluationTexts texts =
        EvaluationTexts::FromLines({":end", "#0", "Keep going.", "", ":name", "#9", "(name)", ""});
    FakeClock clock;
    StrokeLog log(clock);
    log.Start(0, "Eva", 2.0, 100, 50, "First");
    SeededRandomSource random(1);
    EXPECT_EQ(ResultsDialogModel(log, texts, random).evaluation(), "");
    log.Add('a', 'a', 300);
    EXPECT_EQ(ResultsDialogModel(log, texts, random).evaluation(), "Eva. \r\nKeep going. \r\n");
}

TEST(ResultsDialogModelTest, RowsCarryTheClassesAndTheCopiedText) {
    FakeClock clock;
    StrokeLog log(clock);
    log.Start(0, "Eva", 1.0, 120, 4, "First");
    log.Add('a', 'a', 250);
    log.Add(' ', 'q', 900);
    log.Add('a', 'a', 0);
    SeededRandomSource random(1);
    const ResultsDialogModel model(log, EvaluationTexts(), random);
    EXPECT_EQ(model.copiedText(), "a a");
    ASSERT_EQ(model.errorRows().size(), 2u);
    EXPECT_EQ(model.errorRows()[1].character, "Space");
    EXPECT_EQ(model.errorRows()[1].errors, "q");
    EXPECT_EQ(model.errorRows()[1].image, 4);
    EXPECT_EQ(model.speedRows()[0].delaySeconds, "0.125");
    EXPECT_EQ(model.speedRows()[0].image, 0);
    EXPECT_EQ(model.speedRows()[1].image, 4);
    EXPECT_EQ(model.header().find("Lesson:\t\t1.  First"), 35u);
}

}  // namespace
