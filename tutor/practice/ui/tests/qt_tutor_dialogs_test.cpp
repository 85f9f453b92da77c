#include "tutor/practice/ui/qt_tutor_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <string>

#include "common/code_page.h"
#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/ui/qt_text.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/no_system_keyboard_layouts.h"
#include "tutor/users/audio_output.h"
#include "tutor/users/info_box_prompts.h"
#include "tutor/users/random_source.h"
#include "tutor/users/sound_feedback.h"
#include "tutor/users/user_profile.h"

namespace {

class SilentOutput final : public AudioOutput {
  public:
    void PlayWav(const std::string&, bool) override {}
    void StopWav() override {}
    void Tone(int, int) override {}
    void Pause(int) override {}
    bool MidiOpen(int) override { return false; }
    void MidiReset() override {}
    void MidiShortMessage(std::uint32_t) override {}
    void MidiClose() override {}
};

class NoPrompts final : public InfoBoxPrompts {
  public:
    void ShowInfo(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

/// A program folder with two keyboards and their courses, and the dialogs over a known user.
struct Fixture {
    Fixture() {
        CodePage::SetProgram("1250");
        DataPaths::SetProgramFolder(dir.path() + "/");
        dir.Write("config/keyboards.txt", "00000407:German:0:\r\n00000409:English:1:\r\n");
        dir.Write("config/lessons.txt",
                  "00000407_a:00000407:Anfaenger:x:1:\r\n00000409_a:00000409:Beginner:y:1:\r\n");
        dir.Write("config/00000407.kdd", "");
        dir.Write("config/00000409.kdd", "");
        profile.load("eva", false);
        profile.setCourse("00000409", "_a");
    }

    TempDir dir;
    FakeClock clock;
    FixedDisketteFolder diskette{""};
    UserProfile profile{clock, dir.path(), diskette};
    LessonCourse course;
    NoSystemKeyboardLayouts layouts;
    MemorySettingsStore settings;
    RecordingMessageSink messages;
    NoPrompts prompts;
    SilentOutput output;
    SoundFeedback sounds{output, ""};
    SeededRandomSource random{1};
    QtTutorDialogs dialogs{QtTutorDialogs::Services{
        profile, course, layouts, settings, clock, messages, prompts, sounds, random,
        dir.path() + "/pictures/", dir.path() + "/config/textinfo.ddd"}};
};

/// Answers the file dialog that opens next: notes the folder it shows, then chooses name.
void AnswerFileDialog(const QString& name, QString* folder) {
    QTimer::singleShot(0, [name, folder] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        *folder = dialog->directory().absolutePath();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
}

}  // namespace

class QtTutorDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    // A keyboard type handed over by the wizard is applied before the wizard's answer reaches
    // the caller, so a test lesson runs on the keyboard it was chosen for.
    void WizardCourseChangeIsAppliedAtOnce_data() {
        QTest::addColumn<bool>("leaveFirstPage");
        QTest::addColumn<int>("applied");
        QTest::addColumn<QString>("keyboardSeen");
        QTest::newRow("next, then cancel") << true << 1 << "00000407";
        QTest::newRow("cancel on the first page") << false << 0 << "";
    }

    void WizardCourseChangeIsAppliedAtOnce() {
        QFETCH(bool, leaveFirstPage);
        QFETCH(int, applied);
        QFETCH(QString, keyboardSeen);
        Fixture f;
        int calls = 0;
        QString seen;
        f.dialogs.SetCourseChangedHandler([&] {
            ++calls;
            seen = QString::fromStdString(f.profile.keyboardId());
        });
        QTimer::singleShot(0, [leaveFirstPage] {
            QWidget* wizard = QApplication::activeModalWidget();
            QVERIFY(wizard != nullptr);
            auto* next = wizard->findChild<QPushButton*>("next");
            QTRY_VERIFY(next->isVisible());
            if (leaveFirstPage) {
                QTest::keyClick(wizard->findChild<QComboBox*>("keyboards"), Qt::Key_Up);
                QTest::mouseClick(next, Qt::LeftButton);
            }
            QTest::mouseClick(wizard->findChild<QPushButton*>("cancel"), Qt::LeftButton);
        });
        QCOMPARE(f.dialogs.InitialTestWizard(false), -1);
        QCOMPARE(calls, applied);
        QCOMPARE(seen, keyboardSeen);
    }

    // "Choose a Text File" opens in the "text" folder, later where the last text came from.
    void TextFileDialogOpensWhereTheLastTextWas() {
        Fixture f;
        f.dir.Write("text/story.txt", "A story.\r\n");
        f.dir.Write("mine/notes.txt", "Notes.\r\n");
        QString folder;
        AnswerFileDialog(PathToQString(f.dir.File("mine/notes.txt")), &folder);
        QCOMPARE(f.dialogs.ChooseTextFile(),
                 std::optional<std::string>(f.dir.File("mine/notes.txt")));
        QCOMPARE(folder, PathToQString(f.dir.File("text")));
        AnswerFileDialog(QStringLiteral("notes.txt"), &folder);
        QCOMPARE(f.dialogs.ChooseTextFile(),
                 std::optional<std::string>(f.dir.File("mine/notes.txt")));
        QCOMPARE(folder, PathToQString(f.dir.File("mine")));
    }
};

QTEST_MAIN(QtTutorDialogsTest)
#include "qt_tutor_dialogs_test.moc"
