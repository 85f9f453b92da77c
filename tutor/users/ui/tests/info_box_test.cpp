#include "tutor/users/ui/info_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

/// Runs action on the modal window once it is open.
void WhenOpen(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* window = QApplication::activeModalWidget();
        QVERIFY(window != nullptr);
        action(window);
    });
}

}  // namespace

class InfoBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void NoticeShowsItsTextWithOkOnly() {
        InfoBox box("Line one\r\nLine two", InfoBox::Form::Notice, false);
        box.show();
        QCOMPARE(box.windowTitle(), QString("Info"));
        QCOMPARE(box.textLabel()->text(), QString("Line one\nLine two"));
        QVERIFY(box.okButton()->isVisible());
        QVERIFY(!box.yesButton()->isVisible());
        QVERIFY(!box.noButton()->isVisible());
        QVERIFY(!box.repeatBox()->isVisible());
        QVERIFY(box.repeatChecked());
    }

    void QuestionShowsYesAndNoOnly() {
        InfoBox box("Really?", InfoBox::Form::Question, false);
        box.show();
        QVERIFY(box.yesButton()->isVisible());
        QVERIFY(box.noButton()->isVisible());
        QVERIFY(!box.okButton()->isVisible());
        QVERIFY(!box.repeatBox()->isVisible());
    }

    void QuestionIsAnsweredByKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Enter is Yes") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape is No") << int(Qt::Key_Escape) << false;
    }

    void QuestionIsAnsweredByKeys() {
        QFETCH(int, key);
        QFETCH(bool, answer);
        WhenOpen([key](QWidget* window) { QTest::keyClick(window, Qt::Key(key)); });
        QCOMPARE(InfoBox::AskYesNo("Do you really wish to exit the program?", nullptr), answer);
    }

    void TabReachesNoAndSpacePressesIt() {
        WhenOpen([](QWidget* window) {
            auto* yes = window->findChild<QPushButton*>("yes");
            auto* no = window->findChild<QPushButton*>("no");
            QTRY_VERIFY(yes->hasFocus() || no->hasFocus());
            if (yes->hasFocus()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QVERIFY(no->hasFocus());
            QTest::keyClick(no, Qt::Key_Space);
        });
        QVERIFY(!InfoBox::AskYesNo("Really?", nullptr));
    }

    void NoticeClosesWithEnter() {
        WhenOpen([](QWidget* window) { QTest::keyClick(window, Qt::Key_Return); });
        InfoBox::ShowNotice("The wrong password!", nullptr);
    }

    void RepeatBoxIsCheckedAndCanBeClearedByKeys() {
        InfoBox box("You have made an error!", InfoBox::Form::Notice, true);
        WhenOpen([&box](QWidget* window) {
            QCOMPARE(window, &box);
            QVERIFY(box.repeatBox()->isVisible());
            QVERIFY(box.repeatBox()->isChecked());
            box.repeatBox()->setFocus();
            QTest::keyClick(box.repeatBox(), Qt::Key_Space);
            QTest::keyClick(window, Qt::Key_Return);
        });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(!box.repeatChecked());
    }
};

QTEST_MAIN(InfoBoxTest)
#include "info_box_test.moc"
