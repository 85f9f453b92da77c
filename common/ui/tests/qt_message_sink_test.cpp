#include "common/ui/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "common/code_page.h"

class QtMessageSinkTest : public QObject {
    Q_OBJECT

  private slots:
    void ShowsCaptionTextAndIconModally_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << int(MessageSink::Icon::None) << int(QMessageBox::NoIcon);
        QTest::newRow("information")
            << int(MessageSink::Icon::Information) << int(QMessageBox::Information);
        QTest::newRow("question") << int(MessageSink::Icon::Question) << int(QMessageBox::Question);
        QTest::newRow("warning") << int(MessageSink::Icon::Warning) << int(QMessageBox::Warning);
        QTest::newRow("stop") << int(MessageSink::Icon::Stop) << int(QMessageBox::Critical);
    }

    void ShowsCaptionTextAndIconModally() {
        QFETCH(int, icon);
        QFETCH(int, expected);
        CodePage::SetProgram("1250");
        QString caption;
        QString text;
        int shownIcon = -1;
        // The box is modal: look at it from inside its own event loop, then close it.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            text = box->text();
            shownIcon = box->icon();
            box->accept();
        });
        QtMessageSink sink;
        // "\x8A" is the capital S with caron in Windows-1250.
        sink.ShowMessage("Kelvane", "Error!\r\nThe file \x8A.txt is missing.",
                         static_cast<MessageSink::Icon>(icon));
        QCOMPARE(caption, QString("Kelvane"));
        QCOMPARE(text, QString::fromUtf8("Error!\nThe file \u0160.txt is missing."));
        QCOMPARE(shownIcon, expected);
    }
};

QTEST_MAIN(QtMessageSinkTest)
#include "qt_message_sink_test.moc"
