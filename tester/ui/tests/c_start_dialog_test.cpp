#include "tester/ui/c_start_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tester/ui/tests/screenshots.h"

class CStartDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void ShowsItsNoteAndADefaultStartButton() {
        CStartDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Start"));
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.startButton()->text(), QString("&Start"));
        QVERIFY(dialog.startButton()->isDefault());
        QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0]->text(),
                 QString("Look at the original text.\nCheck the Settings menu, where you can "
                         "change some other parameters.\nIf you are ready, close this dialogue "
                         "and start copying."));
    }

    void ClosingItInAnyWaySaysReadyOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Space on the button") << "space";
        QTest::newRow("Alt+S") << "mnemonic";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("window close") << "close";
    }

    void ClosingItInAnyWaySaysReadyOnce() {
        QFETCH(QString, how);
        QWidget over;
        over.resize(600, 400);
        over.show();
        CStartDialog dialog(&over);
        QSignalSpy ready(&dialog, &CStartDialog::ready);
        for (int round = 1; round <= 2; ++round) {
            dialog.ShowOver(&over);
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.startButton()));
            if (how == "enter") {
                QTest::keyClick(&dialog, Qt::Key_Return);
            } else if (how == "space") {
                QTest::keyClick(dialog.startButton(), Qt::Key_Space);
            } else if (how == "mnemonic") {
                QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
            } else if (how == "escape") {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                dialog.close();
            }
            // Made once and shown again for the next test.
            QTRY_COMPARE(ready.count(), round);
            QVERIFY(!dialog.isVisible());
        }
    }

    void StandsCentredOverItsWidget() {
        QWidget over;
        over.setGeometry(100, 100, 600, 400);
        over.show();
        CStartDialog dialog(&over);
        dialog.ShowOver(&over);
        SaveScreenshot(&dialog, "start-dialog");
        const QPoint centre = over.mapToGlobal(over.rect().center());
        QVERIFY2((dialog.geometry().center() - centre).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2 for %3,%4")
                                .arg(dialog.geometry().center().x())
                                .arg(dialog.geometry().center().y())
                                .arg(centre.x())
                                .arg(centre.y())));
    }
};

QTEST_MAIN(CStartDialogTest)
#include "c_start_dialog_test.moc"
