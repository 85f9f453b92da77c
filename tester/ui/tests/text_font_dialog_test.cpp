#include "tester/ui/text_font_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QTest>

class TextFontDialogTest : public QObject {
    Q_OBJECT

  private:
    static QFont Arial() {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(19);
        font.setBold(true);
        return font;
    }

  private slots:
    void ChosenByKeysAlone() {
        TextFontDialog dialog(Arial(), Qt::black);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const auto keys = [](QKeyCombination combination) {
            QTest::keyClick(QApplication::focusWidget(), combination.key(),
                            combination.keyboardModifiers());
        };
        keys(Qt::ALT | Qt::Key_S);
        QCOMPARE(QApplication::focusWidget(), dialog.sizeBox());
        keys(Qt::CTRL | Qt::Key_A);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("30"));
        keys(Qt::ALT | Qt::Key_B);
        QTRY_VERIFY(!dialog.boldBox()->isChecked());
        keys(Qt::ALT | Qt::Key_K);
        QTRY_VERIFY(dialog.strikeOutBox()->isChecked());
        keys(Qt::ALT | Qt::Key_U);
        QTRY_VERIFY(dialog.underlineBox()->isChecked());
        keys(Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QFont chosen = dialog.font();
        QCOMPARE(chosen.pixelSize(), 30);
        QVERIFY(!chosen.bold());
        QVERIFY(chosen.strikeOut());
        QVERIFY(chosen.underline());
        QVERIFY(!chosen.italic());
    }
};

QTEST_MAIN(TextFontDialogTest)
#include "text_font_dialog_test.moc"
