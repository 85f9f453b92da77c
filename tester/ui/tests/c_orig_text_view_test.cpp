#include "tester/ui/c_orig_text_view.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <string>

#include "common/code_page.h"
#include "tester/ui/tests/screenshots.h"
#include "tester/ui/tests/text_view_frame.h"

class COrigTextViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void FrameEdgeIsEvenUnderTheMargin() {
        COrigTextView view;
        QCOMPARE(UnevenFrameRow(view, COrigTextView::kLeftMargin), -1);
    }

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

    void PageKeysOutsideARunMoveAThirdAtOnce() {
        COrigTextView view;
        view.resize(300, 180);
        view.SetText(ManyLines(100));
        view.show();
        QScrollBar* bar = view.verticalScrollBar();
        const int third = std::max(1, bar->pageStep() / 3);
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(bar->value(), third);
        view.RequestScroll(ScrollRequest::Down, false);
        QCOMPARE(bar->value(), 2 * third);
        QTest::keyClick(&view, Qt::Key_PageUp);
        QTest::keyClick(&view, Qt::Key_PageUp);
        QTest::keyClick(&view, Qt::Key_PageUp);
        QCOMPARE(bar->value(), 0);
    }

    void DuringARunPageKeysScrollSmoothlyAndASecondRequestStops() {
        COrigTextView view;
        view.resize(300, 180);
        view.SetText(ManyLines(100));
        view.show();
        QScrollBar* bar = view.verticalScrollBar();
        const int twoThirds = std::max(1, bar->pageStep() * 2 / 3);
        view.RequestScroll(ScrollRequest::Down, true);
        QVERIFY(view.IsScrollingSmoothly());
        QCOMPARE(bar->value(), 0);
        QTRY_VERIFY(!view.IsScrollingSmoothly());
        QCOMPARE(bar->value(), twoThirds);
        view.RequestScroll(ScrollRequest::Up, true);
        QTRY_VERIFY(bar->value() < twoThirds);
        view.RequestScroll(ScrollRequest::Down, true);
        QVERIFY(!view.IsScrollingSmoothly());
        const int stopped = bar->value();
        QTest::qWait(3 * OriginalScroller::kStepMs);
        QCOMPARE(bar->value(), stopped);
        QVERIFY(stopped > 0);
    }

    void TheFollowerBringsTheTypistsLineIntoSight() {
        COrigTextView view;
        view.resize(300, 120);
        const std::string text = ManyLines(60);
        view.SetText(text);
        view.show();
        std::string typed;
        view.StartFollowing([&typed] { return typed; });
        QVERIFY(view.IsFollowing());
        QScrollBar* bar = view.verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        // Typed up to line 40, in steps, as a typist gets there.
        for (int line = 0; line <= 40; line += 4) {
            typed = text.substr(0, text.find("line " + std::to_string(line) + " ") + 9);
            view.FollowTypist();
        }
        const int top = bar->value();
        QVERIFY(top > 30);
        QVERIFY(top <= 40);
        QVERIFY(40 < top + bar->pageStep());
        // On its timer too.
        typed = text.substr(0, text.find("line 50 ") + 9);
        QTRY_VERIFY(bar->value() > top);
        view.StopFollowing();
        QVERIFY(!view.IsFollowing());
    }

    void TheBusyIndicatorShowsAtOnceAndChangesColour() {
        COrigTextView view;
        view.resize(400, 200);
        view.SetText("Some text");
        view.SetColors(Qt::black, Qt::white, Qt::red);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage plain = view.viewport()->grab().toImage();
        view.SetBusy(true);
        QVERIFY(view.IsBusy());
        const QImage busy = view.viewport()->grab().toImage();
        SaveScreenshot(&view, "busy-indicator");
        QVERIFY(busy != plain);
        QCOMPARE(view.busyPhase(), 0);
        QTRY_COMPARE(view.busyPhase(), 1);
        view.SetBusy(false);
        QVERIFY(!view.IsBusy());
        QCOMPARE(view.viewport()->grab().toImage(), plain);
    }

  private:
    static std::string ManyLines(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "line " + std::to_string(i) + " of the original\r\n";
        }
        return text;
    }
};

QTEST_MAIN(COrigTextViewTest)
#include "c_orig_text_view_test.moc"
