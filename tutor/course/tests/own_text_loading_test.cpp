#include "tutor/course/own_text_loading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/own_text_limits_dialog.h"

namespace {

class AnsweringLimitsDialog final : public OwnTextLimitsDialog {
  public:
    explicit AnsweringLimitsDialog(bool ok) : ok_(ok) {}
    bool Run(OwnTextLimits&) override { return ok_; }

  private:
    bool ok_;
};

struct LoadCase {
    const char* what;
    const char* file;
    const char* contents;  // nullptr: the file does not exist
    bool ok;
    OwnTextOutcome expected;
};

class LoadOwnTextFileTest : public testing::TestWithParam<LoadCase> {
  protected:
    TempDir dir;
    LessonCourse course;
    RecordingMessageSink messages;
};

TEST_P(LoadOwnTextFileTest, ReportsOnlyAFileThatCannotBeRead) {
    const LoadCase& c = GetParam();
    const std::string path =
        c.contents != nullptr ? dir.Write(c.file, c.contents) : dir.File(c.file);
    AnsweringLimitsDialog dialog(c.ok);
    EXPECT_EQ(LoadOwnTextFile(course, path, dialog, "abcdefghijklmnopqrstuvwxyz ", messages),
              c.expected);
    if (c.expected == OwnTextOutcome::Refused) {
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].caption, "Kelvane");
        EXPECT_EQ(messages.messages[0].text,
                  "This file has an incorrect format or it has been corrupted.");
    } else {
        EXPECT_TRUE(messages.messages.empty());
    }
    if (c.expected == OwnTextOutcome::Loaded) {
        ASSERT_EQ(course.ownLines().size(), 1u);
        EXPECT_NE(course.ownLines()[0].find("some words"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadOwnTextFileTest,
    testing::Values(LoadCase{"plain text", "mine.txt", "some words\n", true,
                             OwnTextOutcome::Loaded},
                    LoadCase{"rich text", "mine.rtf", "{\\rtf1\\ansi some words\\par}", true,
                             OwnTextOutcome::Loaded},
                    LoadCase{"back leaves quietly", "mine.txt", "some words\n", false,
                             OwnTextOutcome::Cancelled},
                    LoadCase{"back before a missing file", "gone.txt", nullptr, false,
                             OwnTextOutcome::Cancelled},
                    LoadCase{"a plain file that does not open", "gone.txt", nullptr, true,
                             OwnTextOutcome::Refused},
                    LoadCase{"a rich-text file that does not open", "gone.rtf", nullptr, true,
                             OwnTextOutcome::Refused},
                    LoadCase{"a rich-text file that breaks off", "broken.rtf",
                             "{\\rtf1\\ansi some\\par ", true, OwnTextOutcome::Refused}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::to_string(info.index); });

}  // namespace
