#include "tester/ui/c_main_frame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/ui/about_dialog.h"
#include "common/ui/help_window.h"
#include "common/ui/url_opener.h"
#include "tester/ui/c_orig_text_view.h"
#include "tester/ui/c_result_text_view.h"
#include "tester/ui/c_status_view.h"
#include "tester/ui/c_user_text_view.h"

namespace {

using Pane = CMainFrame::Pane;

// Actions as "text=id" entries, "-" for a separator.
QStringList Describe(const QList<QAction*>& actions) {
    QStringList items;
    for (const QAction* action : actions) {
        items << (action->isSeparator()
                      ? QStringLiteral("-")
                      : action->text() + QLatin1Char('=') + action->data().toString());
    }
    return items;
}

QMenu* TopMenu(CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

QStringList PaneTexts(const CMainFrame& frame) {
    QStringList texts;
    for (int i = 0; i < CMainFrame::kPaneCount; ++i) {
        texts << frame.PaneLabel(static_cast<Pane>(i))->text();
    }
    return texts;
}

}  // namespace

class MorvikMainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        UrlOpener::Replace([](const QUrl&) { return false; });
    }
    void cleanup() { UrlOpener::Replace({}); }

    void MenuBarHoldsSixMenus() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QStringList bar;
        for (const QAction* action : frame.menuBar()->actions()) {
            QVERIFY(action->menu() != nullptr);
            bar << action->text();
        }
        QCOMPARE(bar,
                 (QStringList{"&File", "&Practice", "&View", "&Re-play", "&Settings", "&Help"}));
        QCOMPARE(frame.windowTitle(), QString("Morvik"));
    }

    void MenusListTheirCommandsInOrder_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("File") << "&File"
                              << QStringList{"Create a new Typing &Test=32793",
                                             "&Load Typing Test\tF4=32794",
                                             "-",
                                             "Load &Results=32778",
                                             "&Save Results=32776",
                                             "Save &User Text=32783",
                                             "-",
                                             "&Compare two text files=32782",
                                             "-",
                                             "&Print Results=32775",
                                             "-",
                                             "E&xit=57665"};
        QTest::newRow("Practice") << "&Practice"
                                  << QStringList{"Start\tF2=32773", "Pause On\tF5=32774", "-",
                                                 "Show Results\tF6=32779"};
        QTest::newRow("View") << "&View"
                              << QStringList{"&User Text=32787", "T&ext after Assessment=32788"};
        QTest::newRow("Re-play") << "&Re-play"
                                 << QStringList{"&Play=32786", "P&ause=32789", "&Stop=32790"};
        QTest::newRow("Settings") << "&Settings"
                                  << QStringList{"&Font=32771", "&Background Color=32772",
                                                 "&Marking Color=32784"};
        QTest::newRow("Help") << "&Help"
                              << QStringList{"&Help=57667", "-", "&About Morvik...=57664"};
    }

    void MenusListTheirCommandsInOrder() {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QMenu* found = TopMenu(frame, menu);
        QVERIFY(found != nullptr);
        QCOMPARE(Describe(found->actions()), items);
    }

    void FunctionKeysReachTheirCommands_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("key");
        QTest::newRow("Start") << int(TesterCommand::Start) << "F2";
        QTest::newRow("Load Typing Test") << int(TesterCommand::LoadTypingTest) << "F4";
        QTest::newRow("Pause") << int(TesterCommand::Pause) << "F5";
        QTest::newRow("Show Results") << int(TesterCommand::ShowResults) << "F6";
    }

    void FunctionKeysReachTheirCommands() {
        QFETCH(int, command);
        QFETCH(QString, key);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QCOMPARE(frame.Action(static_cast<TesterCommand>(command))->shortcut(), QKeySequence(key));
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keySequence(&frame, QKeySequence(key));
        QCOMPARE(messages.messages.size(), 1u);
    }

    void ToolbarFollowsTheCommandOrder() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QStringList ids;
        for (const QAction* action : frame.toolBar()->actions()) {
            ids << (action->isSeparator() ? QStringLiteral("-") : action->data().toString());
        }
        QCOMPARE(ids, (QStringList{"32773", "32779", "-", "32778", "32776", "32775", "-", "32774",
                                   "-", "32786", "32789", "32790", "-", "57667"}));
        for (const QAction* action : frame.toolBar()->actions()) {
            QVERIFY(action->isSeparator() || !action->icon().isNull());
            QVERIFY(action->isSeparator() || !action->toolTip().contains('&'));
        }
        QCOMPARE(frame.Action(TesterCommand::Start)->toolTip(), QString("Start (F2)"));
    }

    void CommandsNotBuiltYetSayNotAvailable_data() {
        QTest::addColumn<int>("command");
        for (TesterCommand command :
             {TesterCommand::CreateTypingTest, TesterCommand::LoadTypingTest,
              TesterCommand::LoadResults, TesterCommand::SaveResults, TesterCommand::SaveUserText,
              TesterCommand::CompareTextFiles, TesterCommand::PrintResults, TesterCommand::Start,
              TesterCommand::Pause, TesterCommand::ShowResults, TesterCommand::UserText,
              TesterCommand::TextAfterAssessment, TesterCommand::ReplayPlay,
              TesterCommand::ReplayPause, TesterCommand::ReplayStop, TesterCommand::Font,
              TesterCommand::BackgroundColor, TesterCommand::MarkingColor}) {
            QTest::newRow(QByteArray::number(static_cast<int>(command)).constData())
                << static_cast<int>(command);
        }
    }

    void CommandsNotBuiltYetSayNotAvailable() {
        QFETCH(int, command);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.show();
        frame.Action(static_cast<TesterCommand>(command))->trigger();
        QCOMPARE(messages.messages.size(), 1u);
        QCOMPARE(messages.messages[0].caption, std::string("Morvik"));
        QCOMPARE(messages.messages[0].text, std::string("Not available yet"));
        QVERIFY(frame.isVisible());
        QVERIFY(frame.IsUserTextViewShown());
    }

    void StatusBarHasSevenPanesAndEmptyRunPanes() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.SetLockKeyLeds(LockKeyLeds("/nonexistent"));
        frame.show();
        QCOMPARE(frame.statusBar()->findChildren<QLabel*>().size(), CMainFrame::kPaneCount);
        QCOMPARE(PaneTexts(frame), (QStringList{"Ready", "", "", "", "", "", ""}));
        for (int i = 1; i < CMainFrame::kPaneCount; ++i) {
            QVERIFY(frame.PaneLabel(static_cast<Pane>(i))->x() >
                    frame.PaneLabel(static_cast<Pane>(i - 1))->x());
        }
        QLabel* time = frame.PaneLabel(Pane::Time);
        QVERIFY(time->width() >= time->fontMetrics().horizontalAdvance("---TIME---"));
        QLabel* arrows = frame.PaneLabel(Pane::Arrows);
        QVERIFY(arrows->width() >= arrows->fontMetrics().horizontalAdvance("ARROWS"));
    }

    void RunPanesShowWhatTheRunAllows_data() {
        QTest::addColumn<bool>("arrows");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<bool>("erase");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("all") << true << true << true << QStringList{"ARROWS", "ENTER", "ERASE"};
        QTest::newRow("none") << false << false << false << QStringList{"", "", ""};
        QTest::newRow("enter only") << false << true << false << QStringList{"", "ENTER", ""};
        QTest::newRow("arrows and erase")
            << true << false << true << QStringList{"ARROWS", "", "ERASE"};
    }

    void RunPanesShowWhatTheRunAllows() {
        QFETCH(bool, arrows);
        QFETCH(bool, enter);
        QFETCH(bool, erase);
        QFETCH(QStringList, shown);
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.ShowRunPanes(arrows, enter, erase);
        frame.ShowElapsedTime("00:02:05");
        QCOMPARE(PaneTexts(frame).mid(3), shown + QStringList{"00:02:05"});
        frame.ClearRunPanes();
        QCOMPARE(PaneTexts(frame).mid(3), (QStringList{"", "", "", ""}));
    }

    void LockPanesFollowTheKeyboardLeds() {
        TempDir leds;
        leds.Write("input3::capslock/brightness", "1\n");
        leds.Write("input3::numlock/brightness", "0\n");
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.SetLockKeyLeds(LockKeyLeds(leds.path()));
        QCOMPARE(frame.PaneLabel(Pane::Caps)->text(), QString("CAPS"));
        QCOMPARE(frame.PaneLabel(Pane::Num)->text(), QString(""));
        leds.Write("input3::capslock/brightness", "0\n");
        leds.Write("input3::numlock/brightness", "1\n");
        QTRY_COMPARE(frame.PaneLabel(Pane::Num)->text(), QString("NUM"));
        QCOMPARE(frame.PaneLabel(Pane::Caps)->text(), QString(""));
    }

    void ClientAreaIsAStripAboveTwoTextRows() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QSplitter* outer = frame.outerSplitter();
        QCOMPARE(frame.centralWidget(), outer);
        QCOMPARE(outer->count(), 2);
        QCOMPARE(outer->widget(0), frame.statusView());
        QCOMPARE(outer->widget(1), frame.textSplitter());
        QCOMPARE(frame.statusView()->height(), 5);
        QVERIFY(!outer->handle(1)->isEnabled());
        QSplitter* texts = frame.textSplitter();
        QCOMPARE(texts->count(), 2);
        QCOMPARE(texts->widget(0), frame.origTextView());
        auto* lower = qobject_cast<QStackedWidget*>(texts->widget(1));
        QVERIFY(lower != nullptr);
        QVERIFY(lower->indexOf(frame.userTextView()) >= 0);
        QVERIFY(lower->indexOf(frame.resultTextView()) >= 0);
        QCOMPARE(frame.origTextView()->height(), CMainFrame::OriginalViewHeight(frame.height()));
        QCOMPARE(frame.origTextView()->height(), 350 / 2 - 30);
    }

    void OriginalViewHeightRule_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("expected");
        QTest::newRow("default window") << 350 << 145;
        QTest::newRow("odd height") << 601 << 270;
        QTest::newRow("half exactly 40") << 80 << 10;
        QTest::newRow("half below 40") << 79 << 10;
        QTest::newRow("tiny") << 0 << 10;
    }

    void OriginalViewHeightRule() {
        QFETCH(int, window);
        QFETCH(int, expected);
        QCOMPARE(CMainFrame::OriginalViewHeight(window), expected);
    }

    void OriginalViewGreetsTheTypist() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QStringList lines;
        for (QTextBlock block = frame.origTextView()->document()->begin(); block.isValid();
             block = block.next()) {
            lines << block.text();
        }
        QCOMPARE(lines,
                 (QStringList{"Welcome!", "Let's start practising.",
                              "Open the \"Practice\" menu and click on \"Start (F2)\".",
                              "First of all, select a text file and set parameters.",
                              "Now you may start copying from the upper window.", "Good luck."}));
        QVERIFY(frame.origTextView()->isReadOnly());
        QVERIFY(frame.userTextView()->toPlainText().isEmpty());
    }

    void LowerPaneSwitchesAndMovesTheFocus() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QVERIFY(frame.IsUserTextViewShown());
        frame.ShowResultTextView();
        QVERIFY(!frame.IsUserTextViewShown());
        QVERIFY(frame.resultTextView()->isVisible());
        QVERIFY(!frame.userTextView()->isVisible());
        QTRY_VERIFY(frame.origTextView()->hasFocus());
        frame.ShowUserTextView();
        QVERIFY(frame.userTextView()->isVisible());
        QTRY_VERIFY(frame.userTextView()->hasFocus());
    }

    void PlacementIsRestoredAtStartAndStoredAtExit() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        {
            CMainFrame first(settings, &messages);
            first.show();
            QCOMPARE(first.pos(), QPoint(50, 50));
            QCOMPARE(first.size(), QSize(600, 350));
            first.move(60, 70);
            first.resize(720, 500);
            first.Action(TesterCommand::Exit)->trigger();
            QVERIFY(!first.isVisible());
        }
        QCOMPARE(settings.ReadInt("Window", "mainframe_x", -1), 60);
        QCOMPARE(settings.ReadInt("Window", "mainframe_cx", -1), 720);
        CMainFrame second(settings, &messages);
        second.show();
        QCOMPARE(second.pos(), QPoint(60, 70));
        QCOMPARE(second.size(), QSize(720, 500));
        QVERIFY(messages.messages.empty());
    }

    void HelpAndAboutWork() {
        TempDir folder;
        DataPaths::SetProgramFolder(folder.path());
        folder.Write("help/morvik/index.html",
                     "<html><head><title>Morvik Help</title></head><body>Hi</body></html>");
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        frame.show();
        frame.Action(TesterCommand::Help)->trigger();
        HelpWindow* help = frame.findChild<HelpWindow*>();
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QString("Morvik Help"));

        QString title;
        QTimer::singleShot(0, [&title] {
            auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            QVERIFY(about != nullptr);
            title = about->windowTitle();
            about->accept();
        });
        frame.Action(TesterCommand::About)->trigger();
        QCOMPARE(title, QString("About Morvik"));
        QVERIFY(messages.messages.empty());
    }

    void RemembersTheFileNamedOnTheCommandLine() {
        MemorySettingsStore settings;
        RecordingMessageSink messages;
        CMainFrame frame(settings, &messages);
        QVERIFY(frame.startupFile().empty());
        frame.SetStartupFile("/tmp/results.2mvk");
        QCOMPARE(frame.startupFile(), std::string("/tmp/results.2mvk"));
        QVERIFY(messages.messages.empty());
    }
};

QTEST_MAIN(MorvikMainFrameTest)
#include "c_main_frame_test.moc"
