#include "tester/ui/c_user_text_view.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "common/code_page.h"

class CUserTextViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void TypingStopsAtTheLimit() {
        CUserTextView view;
        view.show();
        view.setPlainText(QString(CUserTextView::kMaxLength - 2, QLatin1Char('a')));
        view.moveCursor(QTextCursor::End);
        QTest::keyClicks(&view, "xyz");
        QCOMPARE(view.TypedLength(), CUserTextView::kMaxLength);
        QVERIFY(view.toPlainText().endsWith("axy"));
    }

    void LineBreakCountsAsTwoCharacters() {
        CUserTextView view;
        view.show();
        view.setPlainText(QString(CUserTextView::kMaxLength - 1, QLatin1Char('a')));
        view.moveCursor(QTextCursor::End);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.toPlainText().count('\n'), 0);
        QTest::keyClick(&view, Qt::Key_Backspace);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.toPlainText().count('\n'), 1);
        QCOMPARE(view.TypedLength(), CUserTextView::kMaxLength);
    }

    void TypingOverASelectionMayReplaceItAtTheLimit() {
        CUserTextView view;
        view.show();
        view.setPlainText(QString(CUserTextView::kMaxLength, QLatin1Char('a')));
        view.moveCursor(QTextCursor::End);
        view.moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
        QTest::keyClicks(&view, "b");
        QCOMPARE(view.TypedLength(), CUserTextView::kMaxLength);
        QVERIFY(view.toPlainText().endsWith("ab"));
    }

    void EditingKeysStillWorkAtTheLimit() {
        CUserTextView view;
        view.show();
        view.setPlainText(QString(CUserTextView::kMaxLength, QLatin1Char('a')));
        view.moveCursor(QTextCursor::End);
        QTest::keyClick(&view, Qt::Key_Backspace);
        QCOMPARE(view.TypedLength(), CUserTextView::kMaxLength - 1);
    }

    void PasteIsCutToWhatFits() {
        CUserTextView view;
        view.show();
        view.setPlainText(QString(CUserTextView::kMaxLength - 4, QLatin1Char('a')));
        view.moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText("bc\r\ndef");
        view.paste();
        // "bc" and the line break fill the four places; the line break is not split.
        QCOMPARE(view.TypedLength(), CUserTextView::kMaxLength);
        QVERIFY(view.toPlainText().endsWith("abc\n"));

        view.setPlainText(QString(CUserTextView::kMaxLength - 3, QLatin1Char('a')));
        view.moveCursor(QTextCursor::End);
        view.paste();
        QCOMPARE(view.TypedLength(), CUserTextView::kMaxLength - 1);
        QVERIFY(view.toPlainText().endsWith("abc"));
    }

    void TextHasCrLfLineEndsInTheCodePage() {
        CUserTextView view;
        view.setPlainText(QString::fromUtf8("\u0160ot\nx"));
        QCOMPARE(view.Text(), std::string("\x8Aot\r\nx"));
        QCOMPARE(view.TypedLength(), 6);
    }

    void TextStartsAfterTheLeftMargin() {
        CUserTextView view;
        view.resize(300, 200);
        view.show();
        QVERIFY(view.viewport()->geometry().left() >= CUserTextView::kLeftMargin);
        QVERIFY(view.viewport()->geometry().left() < CUserTextView::kLeftMargin + 5);
    }
};

QTEST_MAIN(CUserTextViewTest)
#include "c_user_text_view_test.moc"
