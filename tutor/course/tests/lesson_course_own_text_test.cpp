#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/file_error.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/own_text_limits_dialog.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kAccepted = "abcdefghijklmnopqrstuvwxyz ";

// Answers like a person at the dialog: optionally types entries, then OK or Back.
class ScriptedLimitsDialog final : public OwnTextLimitsDialog {
  public:
    ScriptedLimitsDialog(LessonCourse& course, bool ok) : course_(course), ok_(ok) {}

    bool Run(OwnTextLimits& limits) override {
        ++runs;
        timeLimitWhileOpen = course_.TimeLimit();
        speedWhileOpen = course_.ownSpeedLimit();
        shownSpeed = limits.SpeedText();
        if (entries) {
            EXPECT_FALSE(limits.TakeEntries(entries->speed, entries->error, entries->minutes));
        }
        return ok_;
    }

    struct Entries {
        std::string speed, error, minutes;
    };
    std::optional<Entries> entries;
    int runs = 0;
    ClockTime timeLimitWhileOpen;
    double speedWhileOpen = 0;
    std::string shownSpeed;

  private:
    LessonCourse& course_;
    bool ok_;
};

class LoadOwnText : public testing::Test {
  protected:
    TempDir dir;
    LessonCourse course;
};

}  // namespace

TEST_F(LoadOwnText, BackLeavesDefaultLimitsAndTheOldText) {
    course.SetOwnLines({"old text"});
    course.SetOwnLimits(300.0, 5.0, ClockTime{2, 0, 0});
    std::string path = dir.Write("text.txt", "new text\n");
    ScriptedLimitsDialog dialog(course, false);
    dialog.entries = ScriptedLimitsDialog::Entries{"500", "3", "45"};

    EXPECT_FALSE(course.LoadOwnText(path, dialog, kAccepted));

    EXPECT_EQ(dialog.runs, 1);
    EXPECT_DOUBLE_EQ(course.ownSpeedLimit(), 120.0);
    EXPECT_DOUBLE_EQ(course.ownErrorLimit(), 1.0);
    EXPECT_EQ(course.TimeLimit(), (ClockTime{0, 30, 0}));
    EXPECT_EQ(course.ownLines(), Lines{"old text"});
}

TEST_F(LoadOwnText, DialogOpensWithDefaultsAlreadyInTheCourse) {
    std::string path = dir.Write("text.txt", "abc\n");
    ScriptedLimitsDialog dialog(course, true);
    ASSERT_TRUE(course.LoadOwnText(path, dialog, kAccepted));
    EXPECT_EQ(dialog.timeLimitWhileOpen, (ClockTime{0, 30, 0}));
    EXPECT_DOUBLE_EQ(dialog.speedWhileOpen, 120.0);
    EXPECT_EQ(dialog.shownSpeed, "120");
}

TEST_F(LoadOwnText, OkTakesTheEnteredLimits) {
    std::string path = dir.Write("text.txt", "abc\n");
    ScriptedLimitsDialog dialog(course, true);
    dialog.entries = ScriptedLimitsDialog::Entries{"250", "2.5", "60"};
    ASSERT_TRUE(course.LoadOwnText(path, dialog, kAccepted));
    EXPECT_DOUBLE_EQ(course.SpeedLimit(LessonCourse::OwnTextLesson), 250.0);
    EXPECT_DOUBLE_EQ(course.ErrorLimit(LessonCourse::OwnTextLesson), 2.5);
    EXPECT_EQ(course.TimeLimit(), (ClockTime{1, 0, 0}));
}

TEST_F(LoadOwnText, PlainFileIsReadLineByLineAndNormalised) {
    std::string path = dir.Write("text.txt", "first\tline\r\n\r\nSECOND?  line\r\nlast   one");
    ScriptedLimitsDialog dialog(course, true);
    ASSERT_TRUE(course.LoadOwnText(path, dialog, kAccepted));
    EXPECT_EQ(course.ownLines(), (Lines{"first line", " line", "last one"}));
    EXPECT_EQ(course.LineCount(LessonCourse::OwnTextLesson), 3);
}

TEST_F(LoadOwnText, NewTextReplacesTheOldOne) {
    course.SetOwnLines({"old", "lines"});
    std::string path = dir.Write("text.txt", "new\n");
    ScriptedLimitsDialog dialog(course, true);
    ASSERT_TRUE(course.LoadOwnText(path, dialog, kAccepted));
    EXPECT_EQ(course.ownLines(), Lines{"new"});
}

TEST_F(LoadOwnText, MissingPlainFileFailsWithNoLines) {
    course.SetOwnLines({"old"});
    ScriptedLimitsDialog dialog(course, true);
    EXPECT_FALSE(course.LoadOwnText(dir.File("missing.txt"), dialog, kAccepted));
    EXPECT_TRUE(course.ownLines().empty());
}

TEST_F(LoadOwnText, Utf8TextKeepsItsAccentedLetters) {
    // "dé čaj" in UTF-8; é and č become single bytes of the code page (1250).
    std::string path = dir.Write("text.txt",
                                 "d\xC3\xA9 \xC4\x8D"
                                 "aj\n");
    ScriptedLimitsDialog dialog(course, true);
    ASSERT_TRUE(course.LoadOwnText(path, dialog, kAccepted + "\xE9\xE8"));
    EXPECT_EQ(course.ownLines(), Lines{"d\xE9 \xE8"
                                       "aj"});
}

TEST_F(LoadOwnText, TextTheKeyboardCannotTypeLeavesNoLines) {
    std::string path = dir.Write("text.txt", "ABC\n123\n");
    ScriptedLimitsDialog dialog(course, true);
    EXPECT_TRUE(course.LoadOwnText(path, dialog, kAccepted));
    EXPECT_TRUE(course.ownLines().empty());
    EXPECT_TRUE(course.LoadOwnText(path, dialog, ""));
    EXPECT_TRUE(course.ownLines().empty());
}

TEST_F(LoadOwnText, RichTextIsExtractedAndNormalised) {
    std::string path =
        dir.Write("story.RTF",
                  "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 the  quick\\tab fox\\par "
                  "JUMPS over\\par}");
    ScriptedLimitsDialog dialog(course, true);
    ASSERT_TRUE(course.LoadOwnText(path, dialog, kAccepted));
    // Spaces are joined before untypable characters go, so the gap left by "JUMPS" stays.
    EXPECT_EQ(course.ownLines(), (Lines{" the quick fox", "  over"}));
}

TEST_F(LoadOwnText, RtfAnywhereInThePathMeansRichText) {
    std::string path = dir.Write("story.rtf.txt", "{\\rtf1\\ansi plain words\\par}");
    ScriptedLimitsDialog dialog(course, true);
    ASSERT_TRUE(course.LoadOwnText(path, dialog, kAccepted));
    EXPECT_EQ(course.ownLines(), Lines{" plain words"});
}

TEST_F(LoadOwnText, MissingRichTextFileEndsTheCommandWithItsFileError) {
    course.SetOwnLines({"old"});
    ScriptedLimitsDialog dialog(course, true);
    try {
        course.LoadOwnText(dir.File("missing.rtf"), dialog, kAccepted);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.kind(), FileError::Kind::NotFound);
    }
    EXPECT_TRUE(course.ownLines().empty());
}

TEST_F(LoadOwnText, MalformedRichTextKeepsTheLinesBeforeTheErrorAsExtracted) {
    // The group is never closed: the reader fails at the end of the document.
    std::string path = dir.Write("broken.rtf", "{\\rtf1\\ansi FIRST\\tab  line\\par second\\par ");
    ScriptedLimitsDialog dialog(course, true);
    EXPECT_THROW(course.LoadOwnText(path, dialog, kAccepted), FileError);
    ASSERT_FALSE(course.ownLines().empty());
    // Not normalised: capitals and the tab are still there.
    EXPECT_NE(course.ownLines()[0].find("FIRST"), std::string::npos);
    EXPECT_DOUBLE_EQ(course.ownSpeedLimit(), 120.0);
}
