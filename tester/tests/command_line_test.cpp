#include "tester/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/testing/temp_dir.h"
#include "tester/test_data.h"
#include "tester/test_record_file.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Morvik(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunMorvikCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

class CommandLineTest : public testing::Test {
  protected:
    CommandLineTest() {
        original = dir.Write("original.txt", "The quick brown fox jumps over the lazy dog.\n");
        typed = dir.Write("typed.txt", "The quick brpwn jumps over the lazy dog.\n");
    }
    TempDir dir;
    std::string original;
    std::string typed;
};

TEST_F(CommandLineTest, RecognizesItsModes) {
    EXPECT_TRUE(IsMorvikCommandLine({"--compare", "a", "b"}));
    EXPECT_TRUE(IsMorvikCommandLine({"--assess", "r.2mvk"}));
    EXPECT_TRUE(IsMorvikCommandLine({"--pdf", "r.2mvk", "r.pdf"}));
    EXPECT_FALSE(IsMorvikCommandLine({"test.mvkt"}));
    EXPECT_FALSE(IsMorvikCommandLine({}));
}

TEST_F(CommandLineTest, CompareReportsCountsResultsAndMarks) {
    const Outcome run = Morvik({"--compare", original, typed, "--duration", "60"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // A wrong letter and a skipped word: 2 errors; 1 + 4 wrong characters.
    const std::string expected = "Original: " + original + "\nTyped: " + typed +
                                 "\n"
                                 "Points: 41\n"
                                 "Typed length: 40\n"
                                 "Errors: 2\n"
                                 "Wrong characters: 5\n"
                                 "Total Time: 00:01:00\n"
                                 "Gross Strokes: 40\n"
                                 "Net Speed: 7.00 words/min.\n"
                                 "Error Rate: 12.50 %\n"
                                 "Number of Errors: 5\n"
                                 "Date of Test: 01/01/1970\n"
                                 "Time Ended: 00:00:00\n"
                                 "Error positions: 12 15\n"
                                 "Omitted texts:\n"
                                 "  at 12: \"o\"\n"
                                 "  at 15: \" fox\"\n"
                                 "Marked characters:\n"
                                 "  12 WrongChar 'p'\n"
                                 "  15 OmissionBefore ' '\n";
    EXPECT_EQ(run.out, expected);
}

TEST_F(CommandLineTest, StrokesUnitUsesPointsAndPointsPerError) {
    const Outcome run = Morvik({"--compare", original, typed, "--unit", "strokes",
                                "--points-per-error", "5", "--duration", "30"});
    ASSERT_EQ(run.status, 0) << run.err;
    // (41 - 2 x 5) x 60 / 30
    EXPECT_NE(run.out.find("Net Speed: 62.00 strokes/min.\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Number of Errors: 2\n"), std::string::npos);
}

TEST_F(CommandLineTest, JsonHoldsTheArraysAndEscapedTexts) {
    // Windows-1250: z caron, S caron, s caron.
    const std::string withQuotes = dir.Write("quotes.txt",
                                             "He said \"\x9E"
                                             "aba\" twice, \x8A"
                                             "a\x9A"
                                             "ek.\r\nNext line\r\n"
                                             "and then the story goes on for a while.");
    const std::string skipped = dir.Write("skipped.txt",
                                          "He said \"\x9E"
                                          "aba\" and then the story goes on for a while.");
    const Outcome run = Morvik({"--compare", withQuotes, skipped, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);
    EXPECT_NE(run.out.find("\"original\":\"" + withQuotes + "\""), std::string::npos);
    // The skipped text in UTF-8, its line breaks escaped.
    EXPECT_NE(run.out.find("\"omittedTexts\":[\"twice, \xC5\xA0"
                           "a\xC5\xA1"
                           "ek.\\r\\nNext "
                           "line\\r\\n\"]"),
              std::string::npos)
        << run.out;
    std::string classes = "\"charClasses\":[";
    for (int i = 0; i < 54; ++i) {
        classes += i == 0 ? "" : ",";
        classes += i == 15 ? "6" : "0";
    }
    EXPECT_NE(run.out.find(classes + "]"), std::string::npos) << run.out;
    for (const char* key :
         {"\"errorPositions\":[15]", "\"omittedPositions\":[15]", "\"points\":57",
          "\"typedLength\":54", "\"errorCount\":1", "\"wrongCharCount\":26", "\"netSpeed\":0.00",
          "\"errorRate\":\"48.15\"", "\"grossStrokes\":54", "\"numberOfErrors\":26",
          "\"unit\":\"words\"", "\"totalTime\":\"00:00:00\""}) {
        EXPECT_NE(run.out.find(key), std::string::npos) << key << " in " << run.out;
    }
}

TEST_F(CommandLineTest, JsonStringsEscapeQuotesBackslashesAndControlCharacters) {
    const std::string a =
        dir.Write("a.txt", "one \"two\" \\three\x01\tfour and then the story goes on for a while.");
    const std::string b = dir.Write("b.txt", "one and then the story goes on for a while.");
    const Outcome run = Morvik({"--compare", a, b, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t start = run.out.find("\"omittedTexts\":[\"");
    ASSERT_NE(start, std::string::npos) << run.out;
    const std::string omitted = run.out.substr(start, run.out.find(']', start) - start);
    EXPECT_NE(omitted.find("\\\"two\\\" \\\\three\\u0001\\tfour"), std::string::npos) << omitted;
}

TEST_F(CommandLineTest, AssessExtendsTheOriginalAsLoadResultsDoes) {
    TestData results;
    results.originalText = "Seven swans swim slowly.";
    results.typedText = "Seven swans swim slowly. Seven swans";
    results.durationSeconds = 36;
    results.pointsPerError = 50;
    results.keystrokeLog = {{0, 258, 'S', 1}};
    const std::string path = dir.File("run.2mvk");
    ASSERT_TRUE(TestRecordFile::WriteRecords(results, path));
    const Outcome run = Morvik({"--assess", path, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"results\":\"" + path + "\""), std::string::npos);
    EXPECT_NE(run.out.find("\"errorCount\":0"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"pointsPerError\":50"), std::string::npos);
    EXPECT_NE(run.out.find("\"durationSeconds\":36"), std::string::npos);
    // 36 characters in 36 seconds: 12 words per minute.
    EXPECT_NE(run.out.find("\"netSpeed\":12.00"), std::string::npos) << run.out;
}

TEST_F(CommandLineTest, UnreadableFilesEndWithStatusOne) {
    Outcome run = Morvik({"--compare", original, dir.File("absent.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "morvik: cannot read " + dir.File("absent.txt") + "\n");

    run = Morvik({"--assess", dir.File("absent.2mvk")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "morvik: " + dir.File("absent.2mvk") +
                           ": The program cannot load the text from file. Check the file name, "
                           "please.\n");

    run = Morvik({"--assess", dir.Write("damaged.2mvk", std::string("\x07\x00\x00\x00xx", 6))});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("damaged.2mvk"), std::string::npos) << run.err;
}

TEST_F(CommandLineTest, TextsTooLongForTheAssessmentEndWithStatusOne) {
    const std::string longFile = dir.Write("long.txt", std::string(70000, 'a'));
    const Outcome run = Morvik({"--compare", longFile, typed});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("65535"), std::string::npos);
}

TEST_F(CommandLineTest, MalformedCommandLinesEndWithStatusTwoAndTheUsage) {
    const std::vector<std::vector<std::string>> malformed = {
        {"--compare", "only-one"},
        {"--assess"},
        {"--assess", "a", "b"},
        {"--compare", "a", "b", "--unit", "lines"},
        {"--compare", "a", "b", "--unit"},
        {"--compare", "a", "b", "--points-per-error", "0"},
        {"--compare", "a", "b", "--points-per-error", "x"},
        {"--compare", "a", "b", "--duration", "-5"},
        {"--compare", "a", "b", "--verbose"},
        {"--pdf", "r.2mvk"},
        {"--pdf", "r.2mvk", "r.pdf", "--json"},
        {"--grade", "a"}};
    for (const auto& args : malformed) {
        const Outcome run = Morvik(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

// --pdf with a writer that records what it was given.
class PdfModeTest : public CommandLineTest {
  protected:
    PdfModeTest() {
        TestData run;
        run.originalText = "The quick brown fox jumps over the lazy dog.";
        run.typedText = "The quick brpwn jumps over the lazy dog.";
        run.durationSeconds = 60;
        run.testId = "MV_from_a_plain_text";
        EXPECT_TRUE(TestRecordFile::WriteRecords(run, results));
    }

    Outcome Pdf(std::vector<std::string> args, bool writes = true) {
        const ReportPdfWriter writer = [this, writes](const TestData& data,
                                                      const std::string& path) {
            written.push_back(path + " " + data.typedText + " unit " +
                              std::to_string(data.speedUnit) + " errors " +
                              std::to_string(data.errorCount) + " id \"" + data.testId + "\"");
            return writes;
        };
        std::ostringstream out;
        std::ostringstream err;
        args.insert(args.begin(), "--pdf");
        const int status = RunMorvikCommandLine(args, out, err, writer);
        return {status, out.str(), err.str()};
    }

    std::string results = dir.File("run.2mvk");
    std::vector<std::string> written;
};

TEST_F(PdfModeTest, WritesTheReportOfTheAssessedResults) {
    EXPECT_EQ(Pdf({results, dir.File("run.pdf")}).status, 0);
    EXPECT_EQ(Pdf({"--unit", "strokes", results, dir.File("strokes.pdf")}).status, 0);
    // As Load Results: assessed, and a run not from a test definition has no identifier.
    EXPECT_EQ(written,
              (std::vector<std::string>{
                  dir.File("run.pdf") +
                      " The quick brpwn jumps over the lazy dog. unit 1 errors 2 id \"\"",
                  dir.File("strokes.pdf") +
                      " The quick brpwn jumps over the lazy dog. unit 0 errors 2 id \"\""}));
}

TEST_F(PdfModeTest, FailuresEndWithStatusOneAndTheirMessage) {
    Outcome run = Pdf({dir.File("absent.2mvk"), dir.File("out.pdf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "morvik: " + dir.File("absent.2mvk") +
                           ": The program cannot load the text from file. Check the file name, "
                           "please.\n");
    EXPECT_TRUE(written.empty());

    run = Pdf({results, dir.File("out.pdf")}, false);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "morvik: " + dir.File("out.pdf") +
                           ": Program cannot save data on file. Check filename and permission, "
                           "please.\n");

    // Without the window system's printing the mode is neither offered nor run.
    std::ostringstream usage;
    MorvikCommandLineModes().PrintUsage(usage);
    EXPECT_EQ(usage.str().find("--pdf"), std::string::npos);
    EXPECT_EQ(Morvik({"--pdf", results, dir.File("out.pdf")}).status, 2);
}

}  // namespace
