#include "tutor/course/ui/qt_own_text_limits_dialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "common/code_page.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "tutor/course/lesson_course.h"

namespace {

QLineEdit* Edit(QWidget* dialog, const char* name) {
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

// Replaces an entry as a person does: select it all and type over it.
void Retype(QWidget* dialog, const char* name, const QString& text) {
    QLineEdit* edit = Edit(dialog, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Runs the dialog modally while script works it from inside its event loop.
bool RunScripted(QtOwnTextLimitsDialog& dialog, OwnTextLimits& limits,
                 std::function<void()> script) {
    QTimer::singleShot(0, &dialog, [&dialog, script] {
        dialog.activateWindow();
        // Mnemonics reach only the active window.
        if (QTest::qWaitForWindowActive(&dialog)) {
            script();
        }
        // A script that leaves the dialog open ends it with Back.
        if (dialog.isVisible()) {
            dialog.reject();
        }
    });
    return dialog.Run(limits);
}

}  // namespace

class QtOwnTextLimitsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void OpensWithTheLimitsAndTheFocusOnTheSpeed() {
        RecordingMessageSink messages;
        QtOwnTextLimitsDialog dialog(messages);
        OwnTextLimits limits;
        QStringList shown;
        QString focus;
        RunScripted(dialog, limits, [&] {
            shown << Edit(&dialog, "speed")->text() << Edit(&dialog, "error")->text()
                  << Edit(&dialog, "minutes")->text();
            focus = dialog.focusWidget()->objectName();
        });
        QCOMPARE(dialog.windowTitle(), QString("Enter the Limit"));
        QCOMPARE(shown, (QStringList{"120", "1", "30"}));
        QCOMPARE(focus, QString("speed"));
    }

    void EachWrongEntryIsNamedAndFocused_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("error limit no number") << "120"
                                               << "abc"
                                               << "30"
                                               << "Please enter a number."
                                               << "error";
        QTest::newRow("error limit below 0.1") << "120"
                                               << "0.05"
                                               << "30"
                                               << "Please enter a number between 0.1 and 10."
                                               << "error";
        QTest::newRow("error limit above 10") << "120"
                                              << "10.5"
                                              << "30"
                                              << "Please enter a number between 0.1 and 10."
                                              << "error";
        QTest::newRow("the error limit is checked before the speed") << "5"
                                                                     << "x"
                                                                     << "99"
                                                                     << "Please enter a number."
                                                                     << "error";
        QTest::newRow("speed limit empty") << ""
                                           << "1"
                                           << "30"
                                           << "Please enter a number."
                                           << "speed";
        QTest::newRow("speed limit below 20") << "19.9"
                                              << "1"
                                              << "30"
                                              << "Please enter a number between 20 and 999."
                                              << "speed";
        QTest::newRow("speed limit above 999") << "1000"
                                               << "1"
                                               << "30"
                                               << "Please enter a number between 20 and 999."
                                               << "speed";
        QTest::newRow("the speed is checked before the time")
            << "1000"
            << "1"
            << "0"
            << "Please enter a number between 20 and 999."
            << "speed";
        QTest::newRow("time limit not whole") << "120"
                                              << "1"
                                              << "2.5"
                                              << "Please enter an integer."
                                              << "minutes";
        QTest::newRow("time limit 0") << "120"
                                      << "1"
                                      << "0"
                                      << "Please enter an integer between 1 and 60."
                                      << "minutes";
        QTest::newRow("time limit 61") << "120"
                                       << "1"
                                       << "61"
                                       << "Please enter an integer between 1 and 60."
                                       << "minutes";
    }

    void EachWrongEntryIsNamedAndFocused() {
        QFETCH(QString, speed);
        QFETCH(QString, error);
        QFETCH(QString, minutes);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        RecordingMessageSink messages;
        QtOwnTextLimitsDialog dialog(messages);
        OwnTextLimits limits;
        QString focused;
        QString selected;
        bool stillOpen = false;
        const bool ok = RunScripted(dialog, limits, [&] {
            Retype(&dialog, "speed", speed);
            Retype(&dialog, "error", error);
            Retype(&dialog, "minutes", minutes);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
            stillOpen = dialog.isVisible();
            focused = dialog.focusWidget()->objectName();
            selected = static_cast<QLineEdit*>(dialog.focusWidget())->selectedText();
        });
        QVERIFY(!ok);
        QVERIFY(stillOpen);
        QCOMPARE(messages.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(messages.messages[0].caption), QString("Kelvane"));
        QCOMPARE(QString::fromStdString(messages.messages[0].text), message);
        QCOMPARE(focused, focus);
        QCOMPARE(selected, Edit(&dialog, focus.toLatin1().constData())->text());
        // Nothing was taken over.
        QCOMPARE(limits.speedLimit, 120.0);
        QCOMPARE(limits.errorLimit, 1.0);
        QCOMPARE(limits.minutes, 30);
    }

    void OkTakesTheEntries() {
        RecordingMessageSink messages;
        QtOwnTextLimitsDialog dialog(messages);
        OwnTextLimits limits;
        const bool ok = RunScripted(dialog, limits, [&] {
            Retype(&dialog, "speed", "200");
            Retype(&dialog, "error", "2.5");
            Retype(&dialog, "minutes", "45");
            QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        QVERIFY(ok);
        QVERIFY(messages.messages.empty());
        QCOMPARE(limits.speedLimit, 200.0);
        QCOMPARE(limits.errorLimit, 2.5);
        QCOMPARE(limits.minutes, 45);
    }

    void BackKeepsTheLimits_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("Alt+B") << false;
    }

    void BackKeepsTheLimits() {
        QFETCH(bool, escape);
        RecordingMessageSink messages;
        QtOwnTextLimitsDialog dialog(messages);
        OwnTextLimits limits;
        bool closedByKey = false;
        const bool ok = RunScripted(dialog, limits, [&] {
            Retype(&dialog, "speed", "300");
            if (escape) {
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
            } else {
                QTest::keyClick(dialog.focusWidget(), Qt::Key_B, Qt::AltModifier);
                QTRY_VERIFY(!dialog.isVisible());
            }
            closedByKey = !dialog.isVisible();
        });
        QVERIFY(!ok);
        QVERIFY(closedByKey);
        QCOMPARE(limits.speedLimit, 120.0);
        QVERIFY(messages.messages.empty());
    }

    void TabFollowsTheReadingOrder() {
        RecordingMessageSink messages;
        QtOwnTextLimitsDialog dialog(messages);
        OwnTextLimits limits;
        QStringList seen;
        RunScripted(dialog, limits, [&] {
            seen << dialog.focusWidget()->objectName();
            for (int i = 0; i < 5; ++i) {
                QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
                seen << dialog.focusWidget()->objectName();
            }
        });
        QCOMPARE(seen, (QStringList{"speed", "error", "minutes", "ok", "back", "speed"}));
    }

    void AnOwnTextLoadsWithTheLimitsEntered() {
        TempDir dir;
        const std::string path = dir.Write("mine.txt", "some words\r\nand more\r\n");
        RecordingMessageSink messages;
        QtOwnTextLimitsDialog dialog(messages);
        LessonCourse course;
        QTimer::singleShot(0, &dialog, [&dialog] {
            Retype(&dialog, "minutes", "45");
            Retype(&dialog, "speed", "150");
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        });
        QVERIFY(course.LoadOwnText(path, dialog, "abcdefghijklmnopqrstuvwxyz "));
        QCOMPARE(course.ownLines(), (std::vector<std::string>{"some words", "and more"}));
        QCOMPARE(course.ownSpeedLimit(), 150.0);
        QCOMPARE(course.TimeLimit().TotalSeconds(), std::int64_t{45 * 60});
        QVERIFY(messages.messages.empty());
    }
};

QTEST_MAIN(QtOwnTextLimitsDialogTest)
#include "qt_own_text_limits_dialog_test.moc"
