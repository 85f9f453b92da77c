#include "tester/ui/c_user_text_view.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

#include <vector>

#include "common/code_page.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"
#include "tester/tests/fake_typing_run_host.h"
#include "tester/tests/scripted_yes_no_question.h"
#include "tester/typing_run.h"
#include "tester/ui/tests/text_view_frame.h"

namespace {

// A typing view in a running test, with its run and what the run writes down.
struct RunningView {
    RunningView() {
        CodePage::SetProgram("1250");
        data.running = 1;
        view.SetRun(&run);
        view.resize(400, 200);
        view.show();
        view.setFocus();
    }

    std::vector<KeystrokeRecord> Log() const { return data.keystrokeLog; }

    TestData data;
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    FakeClock clock;
    FakeTypingRunHost host;
    TypingRun run{PageContext{data, settings, paths, messages, questions}, host, clock};
    CUserTextView view;
};

using Records = std::vector<KeystrokeRecord>;

// Keys that QTest cannot name: a press with the character as its text, and the release.
void TypeCharacters(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace

class CUserTextViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { CodePage::SetProgram("1250"); }

    void FrameEdgeIsEvenUnderTheMargin() {
        CUserTextView view;
        QCOMPARE(UnevenFrameRow(view, CUserTextView::kLeftMargin), -1);
    }

    void KeysTypeAndAreLogged() {
        RunningView v;
        v.clock.AdvanceMs(40);
        QTest::keyClicks(&v.view, "Ab");
        v.clock.AdvanceMs(100);
        QTest::keyClick(&v.view, Qt::Key_Return);
        QTest::keyClicks(&v.view, "x");
        QTest::keyClick(&v.view, Qt::Key_Backspace);
        QTest::keyClick(&v.view, Qt::Key_Left);
        QTest::keyClick(&v.view, Qt::Key_Delete);
        QCOMPARE(v.view.toPlainText(), QString("Ab"));
        QCOMPARE(v.view.Text(), std::string("Ab"));
        QCOMPARE(v.Log(), (Records{{40, 258, 'A', 1},
                                   {0, 258, 'b', 1},
                                   {100, 258, 13, 1},
                                   {0, 258, 'x', 1},
                                   {0, 258, 8, 1},
                                   {0, 256, 0x25, 0x014B0001},
                                   {0, 257, 0x25, static_cast<std::int32_t>(0xC14B0001u)},
                                   {0, 256, 0x2E, 0x01530001},
                                   {0, 257, 0x2E, static_cast<std::int32_t>(0xC1530001u)}}));
    }

    void CodePageLettersAreTheirBytes() {
        RunningView v;
        TypeCharacters(&v.view, QString::fromUtf8("\u0161\u010D"));
        QCOMPARE(v.view.Text(), std::string("\x9A\xE8"));
        QCOMPARE(v.Log(), (Records{{0, 258, 0x9A, 1}, {0, 258, 0xE8, 1}}));
    }

    void ACharacterTheCodePageLacksIsNeitherTypedNorLogged() {
        RunningView v;
        TypeCharacters(&v.view, QString::fromUtf8("a\u03B1b"));
        QCOMPARE(v.view.toPlainText(), QString("ab"));
        QCOMPARE(v.Log().size(), 2u);
    }

    void PastingDraggingAndOtherEditingChangeNothing() {
        RunningView v;
        QTest::keyClicks(&v.view, "one two");
        const Records typed = v.Log();
        QApplication::clipboard()->setText("pasted");
        QApplication::clipboard()->setText("selected", QClipboard::Selection);
        QTest::keyClick(&v.view, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&v.view, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(&v.view, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&v.view, Qt::Key_Backspace, Qt::ControlModifier);
        QTest::keyClick(&v.view, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(&v.view, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(&v.view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&v.view, Qt::Key_Delete);
        QTest::mouseClick(v.view.viewport(), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
        v.view.paste();
        QMimeData mime;
        mime.setText("dropped");
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(v.view.viewport(), &drop);
        QCOMPARE(v.view.toPlainText(), QString("one two"));
        // Only Delete at the end of the text was a key of the typing.
        QCOMPARE(v.Log().size(), typed.size() + 2);
        QVERIFY(!v.view.textCursor().hasSelection());
    }

    void AClickTakesTheFocusButLeavesTheCaret() {
        RunningView v;
        QWidget other;
        auto* layout = new QVBoxLayout(&other);
        auto* edit = new QLineEdit(&other);
        layout->addWidget(edit);
        other.show();
        QTest::keyClicks(&v.view, "abc def");
        const int caret = v.view.textCursor().position();
        QTest::mouseClick(v.view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QTest::mouseDClick(v.view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(v.view.textCursor().position(), caret);
        QVERIFY(!v.view.textCursor().hasSelection());
    }

    void TabStaysInTheView() {
        RunningView v;
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* before = new QLineEdit(&window);
        auto* view = new CUserTextView(&window);
        auto* after = new QLineEdit(&window);
        layout->addWidget(before);
        layout->addWidget(view);
        layout->addWidget(after);
        view->SetRun(&v.run);
        v.data.scrollingType = 2;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        view->setFocus();
        std::vector<ScrollRequest> requests;
        connect(view, &CUserTextView::scrollRequested, this,
                [&requests](ScrollRequest request) { requests.push_back(request); });
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClick(view, Qt::Key_PageUp);
        QVERIFY(view->hasFocus());
        QCOMPARE(view->toPlainText(), QString());
        QCOMPARE(requests, (std::vector<ScrollRequest>{ScrollRequest::Down, ScrollRequest::Up}));
    }

    void TheLimitRefusesCharactersWithoutLoggingThem() {
        RunningView v;
        v.view.SetText(std::string(CUserTextView::kMaxLength - 3, 'a') + "\r\n");
        QCOMPARE(v.view.TypedLength(), CUserTextView::kMaxLength - 1);
        QTest::keyClicks(&v.view, "xyz");
        QTest::keyClick(&v.view, Qt::Key_Return);
        QCOMPARE(v.view.TypedLength(), CUserTextView::kMaxLength);
        QVERIFY(v.view.toPlainText().endsWith("\nx"));
        QCOMPARE(v.Log(), (Records{{0, 258, 'x', 1}}));
        // Taking back makes room again; a line break needs two places.
        QTest::keyClick(&v.view, Qt::Key_Backspace);
        QTest::keyClick(&v.view, Qt::Key_Return);
        QCOMPARE(v.view.TypedLength(), CUserTextView::kMaxLength - 1);
        // The line break goes as a whole and comes back.
        QTest::keyClick(&v.view, Qt::Key_Backspace);
        QCOMPARE(v.view.TypedLength(), CUserTextView::kMaxLength - 3);
        QTest::keyClick(&v.view, Qt::Key_Return);
        QCOMPARE(v.view.TypedLength(), CUserTextView::kMaxLength - 1);
    }

    void InputMethodCommitsAreTypedAndLogged() {
        RunningView v;
        QInputMethodEvent preedit(QStringLiteral("\u02C7"), {});
        QApplication::sendEvent(&v.view, &preedit);
        QCOMPARE(v.view.toPlainText(), QString());
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("\u010D"));
        QApplication::sendEvent(&v.view, &commit);
        QCOMPARE(v.view.Text(), std::string("\xE8"));
        QCOMPARE(v.Log(), (Records{{0, 258, 0xE8, 1}}));
    }

    void ApplyMessageCarriesOutLoggedMessages_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QList<int>>("messages");  // message, wParam pairs
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("characters") << "" << 0 << QList<int>{258, 'h', 258, 'i'} << "hi" << 2;
        QTest::newRow("code page byte")
            << "" << 0 << QList<int>{258, 0x9E} << QString::fromUtf8("\u017E") << 1;
        QTest::newRow("backspace") << "abc" << 3 << QList<int>{258, 8} << "ab" << 2;
        QTest::newRow("backspace at the start") << "abc" << 0 << QList<int>{258, 8} << "abc" << 0;
        QTest::newRow("backspace joins lines")
            << "ab\ncd" << 3 << QList<int>{258, 8} << "abcd" << 2;
        QTest::newRow("enter") << "ab" << 1 << QList<int>{258, 13} << "a\nb" << 2;
        QTest::newRow("tab types nothing") << "ab" << 1 << QList<int>{258, 9} << "ab" << 1;
        QTest::newRow("left right")
            << "abc" << 3 << QList<int>{256, 0x25, 256, 0x25, 256, 0x27} << "abc" << 2;
        QTest::newRow("home end") << "ab\ncd" << 4 << QList<int>{256, 0x24, 257, 0x24} << "ab\ncd"
                                  << 3;
        QTest::newRow("end") << "ab\ncd" << 3 << QList<int>{256, 0x23} << "ab\ncd" << 5;
        QTest::newRow("up down") << "ab\ncd" << 4 << QList<int>{256, 0x26} << "ab\ncd" << 1;
        QTest::newRow("down") << "ab\ncd" << 1 << QList<int>{256, 0x28} << "ab\ncd" << 4;
        QTest::newRow("delete") << "abc" << 1 << QList<int>{256, 0x2E} << "ac" << 1;
        QTest::newRow("delete line break") << "ab\ncd" << 2 << QList<int>{256, 0x2E} << "abcd" << 2;
        QTest::newRow("key up does nothing")
            << "abc" << 1 << QList<int>{257, 0x2E, 257, 0x25} << "abc" << 1;
        QTest::newRow("type in the middle") << "ac" << 1 << QList<int>{258, 'b'} << "abc" << 2;
    }

    void ApplyMessageCarriesOutLoggedMessages() {
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(QList<int>, messages);
        QFETCH(QString, text);
        QFETCH(int, caretAfter);
        CUserTextView view;
        view.resize(400, 200);
        view.show();
        view.setPlainText(start);
        QTextCursor cursor = view.textCursor();
        cursor.setPosition(caret);
        view.setTextCursor(cursor);
        for (qsizetype i = 0; i + 1 < messages.size(); i += 2) {
            view.ApplyMessage(messages[i], messages[i + 1], 1);
        }
        QCOMPARE(view.toPlainText(), text);
        QCOMPARE(view.textCursor().position(), caretAfter);
    }

    void TextHasCrLfLineEndsInTheCodePage() {
        CUserTextView view;
        view.SetText("\x8Aot\r\nx");
        QCOMPARE(view.toPlainText(), QString::fromUtf8("\u0160ot\nx"));
        QCOMPARE(view.Text(), std::string("\x8Aot\r\nx"));
        QCOMPARE(view.TypedLength(), 6);
        QCOMPARE(view.textCursor().position(), 5);
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
