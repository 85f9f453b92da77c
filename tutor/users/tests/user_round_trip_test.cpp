// A whole round as the program goes through it: a new user registers, picks a course, the
// course's lessons and keyboard are loaded, a run is recorded and kept as a results file, the
// program ends; on the next start the user logs in again and finds everything as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/data_paths.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/keyboard.h"
#include "tutor/course/lesson_course.h"
#include "tutor/users/login_dialog_model.h"
#include "tutor/users/stroke_log.h"
#include "tutor/users/tests/users_test_support.h"
#include "tutor/users/tutor_settings.h"
#include "tutor/users/user_profile.h"

namespace {

class UserRoundTrip : public testing::Test {
  protected:
    void SetUp() override {
        DataPaths::SetProgramFolder(program.path());
        WriteLineFile(program.File("lessons/00000405_b.ddd"),
                      {"00000405_b", "Home row", "fj:1:60:2:", "fj jf", "", "Reach",
                       "dk:1:80:1.5:", "dk kd"});
        WriteLineFile(program.File("config/00000405.kdd"),
                      {"00000405", "60:20:1:f:F::3:", "60:36:1:j:J::6:", "60:52:1:d:D::2:",
                       "60:68:1:k:K::7:", "99:60:120: :::4:"});
        WriteLineFile(program.File("config/0405.odd"), {"0405"});
    }

    // Types a line as a user would: every stroke 200 ms after the last, with the given
    // positions mistyped as 'k'.
    static void TypeLine(StrokeLog& log, const std::string& line, std::vector<std::size_t> wrong) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            bool miss = std::find(wrong.begin(), wrong.end(), i) != wrong.end();
            log.Add(line[i], miss ? 'k' : line[i], 200);
        }
    }

    TempDir program;
    TempDir media;
    FixedDisketteFolder diskette{media.path()};
    FakeClock clock;
    RecordingMessageSink messages;
    FakeInfoBoxPrompts prompts;
};

TEST_F(UserRoundTrip, NewUserPracticesAndFindsEverythingAtTheNextLogin) {
    const std::string usersFolder = DataPaths::WritableFolder("users");
    const std::string statPath = program.File("run.stat");
    StrokeLog log(clock);
    TutorSettings settings;
    {
        UserProfile profile(clock, usersFolder, diskette);
        LoginDialogModel login(profile, messages, prompts);
        login.open();
        login.setNameText("Eva");
        login.setPasswordText("tajne");
        login.ok();
        login.setRepeatText("tajne");
        login.ok();
        ASSERT_EQ(login.result(), LoginDialogModel::Result::Ok);
        ASSERT_TRUE(login.newUser());

        // A new user starts with the default settings and then picks a course.
        settings.reset();
        settings.showKeyboard = 1;
        profile.setSettingsText(settings.toText());
        profile.setCourse("00000405", "_b");

        LessonCourse course;
        ASSERT_TRUE(course.Reload(profile.keyboardId(), profile.courseName()));
        ASSERT_EQ(course.LessonCount(), 2);
        Keyboard keyboard;
        ASSERT_TRUE(keyboard.LoadKeyboard(profile.keyboardId()));
        for (char c : course.Line(0, 0)) {
            EXPECT_NE(keyboard.AcceptedCharacters().find(c), std::string::npos) << c;
        }

        // One run of the first lesson with one error in five strokes, a second run better.
        log.Start(0, profile.name(), course.ErrorLimit(0),
                  static_cast<std::int32_t>(course.SpeedLimit(0)),
                  static_cast<std::int32_t>(course.TotalCharacters(0)), course.Title(0));
        TypeLine(log, course.Line(0, 0), {1});
        clock.AdvanceMs(1000);
        profile.setResult(0, clock.NowSeconds(), 20.0, 300, 1);
        ASSERT_TRUE(log.saveStat(statPath));
        clock.AdvanceMs(60000);
        profile.setResult(0, clock.NowSeconds(), 0.0, 280, 1);
        ASSERT_TRUE(profile.saveOnExit());
    }

    // The next start of the program.
    UserProfile profile(clock, usersFolder, diskette);
    LoginDialogModel login(profile, messages, prompts);
    login.open();
    EXPECT_EQ(login.nameText(), "Eva");
    login.setPasswordText("tajne");
    login.ok();
    ASSERT_EQ(login.result(), LoginDialogModel::Result::Ok);
    EXPECT_FALSE(login.newUser());
    EXPECT_EQ(prompts.infos, std::vector<std::string>{LoginDialogModel::kRepeatPassword});

    TutorSettings restored;
    EXPECT_TRUE(restored.fromText(profile.settingsText()));
    EXPECT_EQ(restored, settings);

    LessonCourse course;
    ASSERT_TRUE(course.Reload(profile.keyboardId(), profile.courseName()));
    EXPECT_EQ(course.Title(1), "Reach");
    ASSERT_EQ(profile.resultCount(), 1u);
    const LessonResult& result = profile.result(0);
    EXPECT_EQ(result.bestSpeed, 280);
    EXPECT_DOUBLE_EQ(result.bestErrorRate, 0.0);
    EXPECT_EQ(result.bestTime, 1700000061);
    EXPECT_EQ(result.activeSeconds, 2);
    EXPECT_EQ(result.attempts, 2);
    EXPECT_EQ(profile.rating(0, course.ErrorLimit(0)), 0);
    EXPECT_EQ(profile.rating(1, course.ErrorLimit(1)), 0) << "not reached yet";

    StrokeLog loaded(clock);
    ASSERT_TRUE(loaded.loadStat(statPath));
    EXPECT_EQ(loaded.records(), log.records());
    EXPECT_EQ(loaded.userName(), "Eva");
    EXPECT_EQ(loaded.lessonTitle(), "Home row");
    EXPECT_DOUBLE_EQ(loaded.errorLimit(), 2.0);
    EXPECT_EQ(loaded.speedLimit(), 60);
    EXPECT_EQ(loaded.record(1), (StrokeRecord{200, 'j', 'k'}));
}

}  // namespace
