#include "tester/ui/c_orig_text_view.h"

#include <QTest>
#include <QTextBlock>

#include "common/code_page.h"

class COrigTextViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void LineEndsBecomeLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\nthree")
                               << QStringList{"one", "two", "three"};
        QTest::newRow("empty line kept")
            << QByteArray("one\r\n\r\nthree") << QStringList{"one", "", "three"};
        QTest::newRow("trailing line end") << QByteArray("one\r\n") << QStringList{"one", ""};
        QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("code page letters")
            << QByteArray("\x8A\x9E") << QStringList{QString::fromUtf8("\u0160\u017E")};
    }

    void LineEndsBecomeLines() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, lines);
        COrigTextView view;
        view.SetText(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        QCOMPARE(view.document()->blockCount(), lines.size());
        QStringList shown;
        for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
            shown << block.text();
        }
        QCOMPARE(shown, lines);
    }

    void TextComesBackWithCrLf() {
        COrigTextView view;
        view.SetText("Welcome!\r\nGood luck.");
        QCOMPARE(view.Text(), std::string("Welcome!\r\nGood luck."));
    }

    void TypistCannotChangeIt() {
        COrigTextView view;
        view.show();
        view.SetText("Original");
        view.setFocus();
        QTest::keyClicks(&view, "typed");
        QTest::keyClick(&view, Qt::Key_Backspace);
        QCOMPARE(view.toPlainText(), QString("Original"));
        QVERIFY(view.isReadOnly());
    }
};

QTEST_MAIN(COrigTextViewTest)
#include "c_orig_text_view_test.moc"
