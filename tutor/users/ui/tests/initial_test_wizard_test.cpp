#include "tutor/users/ui/initial_test_wizard.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/code_page.h"
#include "common/data_paths.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/lesson_course.h"
#include "tutor/course/no_system_keyboard_layouts.h"
#include "tutor/users/user_profile.h"

class InitialTestWizardTest : public QObject {
    Q_OBJECT

  private slots:
    void TheCourseChosenIsStoredAtOnceAndStaysAfterCancel_data() {
        QTest::addColumn<bool>("leaveFirstPage");
        QTest::addColumn<QString>("keyboardId");
        QTest::addColumn<bool>("modified");
        QTest::newRow("next, then cancel") << true << "00000407" << true;
        QTest::newRow("cancel on the first page") << false << "00000409" << false;
    }

    void TheCourseChosenIsStoredAtOnceAndStaysAfterCancel() {
        QFETCH(bool, leaveFirstPage);
        QFETCH(QString, keyboardId);
        QFETCH(bool, modified);
        CodePage::SetProgram("1250");
        TempDir dir;
        DataPaths::SetProgramFolder(dir.path() + "/");
        dir.Write("config/keyboards.txt", "00000407:German:0:\r\n00000409:English:1:\r\n");
        dir.Write("config/lessons.txt",
                  "00000407_a:00000407:Anfaenger:x:1:\r\n00000409_a:00000409:Beginner:y:1:\r\n");
        dir.Write("config/00000407.kdd", "");
        dir.Write("config/00000409.kdd", "");
        FakeClock clock;
        FixedDisketteFolder diskette{""};
        UserProfile profile(clock, dir.path(), diskette);
        profile.load("eva", false);
        profile.setCourse("00000409", "_a");
        QVERIFY(profile.save(dir.path() + "/eva", true));
        LessonCourse course;
        NoSystemKeyboardLayouts layouts;
        RecordingMessageSink messages;

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
        const FirstTimeWizardOutcome outcome =
            RunInitialTestWizard(nullptr, profile, course, layouts, messages, false);
        QVERIFY(!outcome.finished);
        QCOMPARE(outcome.chosenLesson, -1);
        QCOMPARE(outcome.courseChanged, leaveFirstPage);
        QCOMPARE(QString::fromStdString(profile.keyboardId()), keyboardId);
        QCOMPARE(profile.courseName(), std::string("_a"));
        QCOMPARE(profile.modified(), modified);
    }
};

QTEST_MAIN(InitialTestWizardTest)
#include "initial_test_wizard_test.moc"
