#include "tester/ui/c_main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>

#include "common/data_paths.h"
#include "common/memory_settings_store.h"
#include "common/testing/fake_clock.h"
#include "common/testing/recording_message_sink.h"
#include "common/testing/temp_dir.h"
#include "common/ui/about_dialog.h"
#include "common/ui/help_window.h"
#include "common/ui/url_opener.h"
#include "tester/path_settings.h"
#include "tester/test_data.h"
#include "tester/test_record_file.h"
#include "tester/tests/scripted_yes_no_question.h"
#include "tester/ui/c_orig_text_view.h"
#include "tester/ui/c_parameter_sheet.h"
#include "tester/ui/c_result_text_view.h"
#include "tester/ui/c_start_dialog.h"
#include "tester/ui/c_status_view.h"
#include "tester/ui/c_user_text_view.h"
#include "tester/ui/tester_services.h"
#include "tester/ui/tests/screenshots.h"
#include "tester/ui/tests/scripted_file_dialogs.h"
#include "tester/ui/tests/when_modal.h"
#include "tester/ui/text_font_dialog.h"

namespace {

using Pane = CMainFrame::Pane;

// Everything the window works with, in memory, and dialogs the test answers.
struct Services {
    TesterServices Get() { return {settings, paths, clock, data, &messages, &questions, &dialogs}; }
    MemorySettingsStore settings;
    MemoryPathSettings paths;
    FakeClock clock;
    TestData data;
    RecordingMessageSink messages;
    ScriptedYesNoQuestion questions;
    ScriptedFileDialogs dialogs;
};

// A program folder with a text, a typist the settings know and a one-minute limit: F2 and Enter
// in the sheet start a test.
struct RunServices : Services {
    RunServices() {
        DataPaths::SetProgramFolder(program.path() + "/");
        DataPaths::SetWritableRoot(program.path());
        textPath = program.Write("text/a.txt", "Abc def.\nGhi.\n");
        paths.WritePath("", "LastFileOriginal", textPath);
        settings.WriteString("", "DefaultUser", "kim_USER");
        settings.WriteString("kim_USER", "NickName", "kim");
        settings.WriteInt("", "TimeLimit", 1);
    }
    ~RunServices() { DataPaths::SetWritableRoot(""); }

    TempDir program;
    std::string textPath;
};

void Activate(QWidget& window) {
    // The offscreen platform gives the activation back to a window only when asked.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// F2, Enter in the sheet: the Start dialog opens.
void OpenStartDialog(CMainFrame& frame) {
    Activate(frame);
    WhenModal<CParameterSheet>([](CParameterSheet* sheet) {
        // Enter where the sheet has its focus (the first field), as a typist presses it.
        if (QTest::qWaitForWindowActive(sheet)) {
            QWidget* focus = sheet->focusWidget();
            QTest::keyClick(focus != nullptr ? focus : sheet, Qt::Key_Return);
        }
        if (sheet->isVisible()) {
            // Not confirmed: close it, so that the test fails instead of waiting forever.
            sheet->reject();
        }
    });
    QTest::keyClick(frame.userTextView(), Qt::Key_F2);
    QTRY_VERIFY(frame.startDialog()->isVisible());
}

void TypeSlowly(CMainFrame& frame, FakeClock& clock, const QString& text) {
    for (QChar c : text) {
        clock.AdvanceMs(150);
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(frame.userTextView(), Qt::Key_Return);
        } else if (c == QLatin1Char('\b')) {
            QTest::keyClick(frame.userTextView(), Qt::Key_Backspace);
        } else {
            QTest::keyClicks(frame.userTextView(), QString(c));
        }
    }
}

void Ticks(CMainFrame& frame, FakeClock& clock, int seconds) {
    for (int i = 0; i < seconds; ++i) {
        clock.AdvanceMs(1000);
        if (frame.IsRunTimerActive()) {
            frame.OnRunTimer();
        }
    }
}

QStringList VisibleTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        if (action->isVisible() && !action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

QStringList RecentTexts(const CMainFrame& frame) {
    const std::vector<QAction*> actions = frame.RecentFileActions();
    return VisibleTexts(QList<QAction*>(actions.begin(), actions.end()));
}

// Actions as "text=id" entries, "-" for a separator.
QStringList Describe(const QList<QAction*>& actions) {
    QStringList items;
    for (const QAction* action : actions) {
        if (!action->isVisible()) {
            continue;
        }
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
        Services s;
        CMainFrame frame(s.Get());
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
                                             "Print Pre&view=32795",
                                             "Print to P&DF...=32796",
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
        Services s;
        CMainFrame frame(s.Get());
        QMenu* found = TopMenu(frame, menu);
        QVERIFY(found != nullptr);
        QCOMPARE(Describe(found->actions()), items);
    }

    void FunctionKeysCarryTheirKeys_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("key");
        QTest::newRow("Start") << int(TesterCommand::Start) << "F2";
        QTest::newRow("Load Typing Test") << int(TesterCommand::LoadTypingTest) << "F4";
        QTest::newRow("Pause") << int(TesterCommand::Pause) << "F5";
        QTest::newRow("Show Results") << int(TesterCommand::ShowResults) << "F6";
    }

    void FunctionKeysCarryTheirKeys() {
        QFETCH(int, command);
        QFETCH(QString, key);
        Services s;
        CMainFrame frame(s.Get());
        QCOMPARE(frame.Action(static_cast<TesterCommand>(command))->shortcut(), QKeySequence(key));
    }

    void F2OpensTheStartSheetAndF4TheTestFileDialog() {
        Services s;
        CMainFrame frame(s.Get());
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QString caption;
        WhenModal<CParameterSheet>([&caption](CParameterSheet* sheet) {
            caption = sheet->windowTitle();
            sheet->reject();
        });
        QTest::keyClick(frame.userTextView(), Qt::Key_F2);
        QCOMPARE(caption, QString("Set all these parameters"));
        QCOMPARE(s.data.startDialogOpen, 0);
        // The offscreen platform gives the activation back only when asked.
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(frame.userTextView(), Qt::Key_F4);
        QCOMPARE(s.dialogs.asked.size(), 1u);
        QVERIFY(
            QString::fromStdString(s.dialogs.asked[0]).startsWith("open MorvikTest file (*.mvkt)"));
        // Nothing to pause and no results yet: F5 and F6 do nothing.
        QTest::keyClick(frame.userTextView(), Qt::Key_F5);
        QTest::keyClick(frame.userTextView(), Qt::Key_F6);
        QVERIFY(s.messages.messages.empty());
        QCOMPARE(s.data.paused, 0);
    }

    void ToolbarFollowsTheCommandOrder() {
        Services s;
        CMainFrame frame(s.Get());
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

    void CommandsThatNeedResultsDoNothingWithoutThem_data() {
        QTest::addColumn<int>("command");
        for (TesterCommand command :
             {TesterCommand::SaveResults, TesterCommand::SaveUserText, TesterCommand::PrintResults,
              TesterCommand::PrintPreview, TesterCommand::PrintToPdf, TesterCommand::ShowResults,
              TesterCommand::UserText, TesterCommand::TextAfterAssessment,
              TesterCommand::ReplayPlay, TesterCommand::ReplayPause, TesterCommand::ReplayStop}) {
            QTest::newRow(QByteArray::number(static_cast<int>(command)).constData())
                << static_cast<int>(command);
        }
    }

    void CommandsThatNeedResultsDoNothingWithoutThem() {
        QFETCH(int, command);
        Services s;
        CMainFrame frame(s.Get());
        frame.show();
        QVERIFY(!frame.Action(static_cast<TesterCommand>(command))->isEnabled());
        // Even when carried out (a key the menu did not stop): no dialog, no message.
        frame.OnCommand(static_cast<TesterCommand>(command));
        QVERIFY(s.messages.messages.empty());
        QVERIFY(s.dialogs.asked.empty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(frame.IsUserTextViewShown());
        QCOMPARE(s.data.replayRunning, 0);
    }

    void CommandsAreEnabledByTheState() {
        Services s;
        CMainFrame frame(s.Get());
        QStringList enabled;
        for (QAction* action : frame.findChildren<QAction*>()) {
            if (action->isEnabled() && action->data().isValid() && action->data().toInt() != 0) {
                enabled << action->data().toString();
            }
        }
        enabled.sort();
        // At the start: the test commands, loading and comparing, settings and help.
        QCOMPARE(enabled, (QStringList{"32771", "32772", "32773", "32778", "32782", "32784",
                                       "32793", "32794", "57664", "57665", "57667"}));
    }

    void StatusBarHasSevenPanesAndEmptyRunPanes() {
        Services s;
        CMainFrame frame(s.Get());
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
        Services s;
        CMainFrame frame(s.Get());
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
        Services s;
        CMainFrame frame(s.Get());
        frame.SetLockKeyLeds(LockKeyLeds(leds.path()));
        QCOMPARE(frame.PaneLabel(Pane::Caps)->text(), QString("CAPS"));
        QCOMPARE(frame.PaneLabel(Pane::Num)->text(), QString(""));
        leds.Write("input3::capslock/brightness", "0\n");
        leds.Write("input3::numlock/brightness", "1\n");
        QTRY_COMPARE(frame.PaneLabel(Pane::Num)->text(), QString("NUM"));
        QCOMPARE(frame.PaneLabel(Pane::Caps)->text(), QString(""));
    }

    void ClientAreaIsAStripAboveTwoTextRows() {
        Services s;
        CMainFrame frame(s.Get());
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
        Services s;
        CMainFrame frame(s.Get());
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
        Services s;
        CMainFrame frame(s.Get());
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
        QCOMPARE(frame.focusWidget(), frame.userTextView());
        QTRY_VERIFY(frame.isActiveWindow());
    }

    void PlacementIsRestoredAtStartAndStoredAtExit() {
        Services s;
        {
            CMainFrame first(s.Get());
            first.show();
            QCOMPARE(first.pos(), QPoint(50, 50));
            QCOMPARE(first.size(), QSize(600, 350));
            first.move(60, 70);
            first.resize(720, 500);
            first.Action(TesterCommand::Exit)->trigger();
            QVERIFY(!first.isVisible());
        }
        QCOMPARE(s.settings.ReadInt("Window", "mainframe_x", -1), 60);
        QCOMPARE(s.settings.ReadInt("Window", "mainframe_cx", -1), 720);
        CMainFrame second(s.Get());
        second.show();
        QCOMPARE(second.pos(), QPoint(60, 70));
        QCOMPARE(second.size(), QSize(720, 500));
        QVERIFY(s.messages.messages.empty());
        QVERIFY2(s.questions.asked.empty(), "no question outside a run");
    }

    void HelpAndAboutWork() {
        TempDir folder;
        DataPaths::SetProgramFolder(folder.path());
        folder.Write("help/morvik/index.html",
                     "<html><head><title>Morvik Help</title></head><body>Hi</body></html>");
        Services s;
        CMainFrame frame(s.Get());
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
        QVERIFY(s.messages.messages.empty());
    }

    void AWholeRunFromTheKeyboard() {
        RunServices s;
        CMainFrame frame(s.Get());
        frame.SetLockKeyLeds(LockKeyLeds("/nonexistent"));
        frame.show();
        OpenStartDialog(frame);
        CStartDialog* start = frame.startDialog();
        QCOMPARE(start->windowTitle(), QString("Start"));
        QVERIFY(start->startButton()->isDefault());
        QCOMPARE(start->startButton()->text(), QString("&Start"));
        const QPoint centre =
            frame.userTextView()->mapToGlobal(frame.userTextView()->rect().center());
        QVERIFY((start->geometry().center() - centre).manhattanLength() < 4);
        QCOMPARE(frame.windowTitle(), QString::fromStdString("Morvik - " + s.textPath));
        QVERIFY(!frame.Action(TesterCommand::Start)->isEnabled());
        QVERIFY(!frame.Action(TesterCommand::LoadTypingTest)->isEnabled());
        QCOMPARE(frame.origTextView()->toPlainText(), QString("Abc def.\nGhi."));
        QTest::keyClicks(frame.userTextView(), "x");
        QCOMPARE(s.messages.messages.back().text,
                 std::string("You have to close the Start dialogue window, before you can start  "
                             "typing!"));

        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(s.data.running, 1);
        QVERIFY(!start->isVisible());
        QCOMPARE(PaneTexts(frame).mid(3), (QStringList{"ARROWS", "ENTER", "ERASE", "00:00:00"}));
        QCOMPARE(frame.Action(TesterCommand::Start)->text(), QString("Stop\tF2"));
        QVERIFY(frame.Action(TesterCommand::Start)->isEnabled());
        QVERIFY(frame.Action(TesterCommand::Pause)->isEnabled());
        QVERIFY(frame.IsRunTimerActive());
        QCOMPARE(frame.origTextView()->focusPolicy(), Qt::NoFocus);

        TypeSlowly(frame, s.clock, "Abx\bc def.\nGh");
        SaveScreenshot(&frame, "frame-running");
        QCOMPARE(frame.userTextView()->toPlainText(), QString("Abc def.\nGh"));
        Ticks(frame, s.clock, 2);
        // 13 keys 150 ms apart and two seconds.
        QCOMPARE(frame.PaneLabel(Pane::Time)->text(), QString("00:00:03"));
        QCOMPARE(frame.statusView()->percent(), 3 * 100 / 60);

        Activate(frame);
        QTest::keyClick(frame.userTextView(), Qt::Key_F5);
        QCOMPARE(frame.Action(TesterCommand::Pause)->text(), QString("Pause Off\tF5"));
        QVERIFY(frame.Action(TesterCommand::Pause)->isChecked());
        QVERIFY(!frame.IsRunTimerActive());
        QTest::keyClicks(frame.userTextView(), "q");
        QCOMPARE(frame.userTextView()->toPlainText(), QString("Abc def.\nGh"));
        QTest::keyClick(frame.userTextView(), Qt::Key_F5);
        QCOMPARE(frame.Action(TesterCommand::Pause)->text(), QString("Pause On\tF5"));
        QVERIFY(!frame.Action(TesterCommand::Pause)->isChecked());
        TypeSlowly(frame, s.clock, "i.");

        // The results follow the run: "Final Summary", then the assessed text.
        QString summary;
        WhenModal<CParameterSheet>([&summary](CParameterSheet* sheet) {
            summary = sheet->windowTitle();
            sheet->reject();
        });
        QTest::keyClick(frame.userTextView(), Qt::Key_F2);
        QCOMPARE(summary, QString("Final Summary"));
        QVERIFY(!frame.IsUserTextViewShown());
        QCOMPARE(s.data.running, 0);
        QCOMPARE(s.data.resultsAvailable, 1);
        QCOMPARE(s.data.typedText, std::string("Abc def.\r\nGhi."));
        QCOMPARE(s.data.typedLength, 13);
        QCOMPARE(s.data.errorCount, 0);
        QVERIFY(!frame.IsRunTimerActive());
        QCOMPARE(frame.Action(TesterCommand::Start)->text(), QString("Start\tF2"));
        QVERIFY(frame.Action(TesterCommand::SaveResults)->isEnabled());
        QVERIFY(frame.Action(TesterCommand::ShowResults)->isEnabled());
        QCOMPARE(frame.origTextView()->focusPolicy(), Qt::StrongFocus);
        // The log: a character message per key that typed, Backspace and Enter included.
        QString logged;
        for (const KeystrokeRecord& record : s.data.keystrokeLog) {
            QCOMPARE(record.message, 258);
            logged += QChar(record.wParam);
        }
        QCOMPARE(logged, QString("Abx\bc def.\rGhi."));
        QCOMPARE(s.data.keystrokeLog[1].delayMs, 150);

        s.dialogs.saveAnswers = {s.program.File("run")};
        frame.Action(TesterCommand::SaveResults)->trigger();
        TestData saved;
        QVERIFY(TestRecordFile::ReadRecords(s.program.File("run.2mvk"), saved));
        QCOMPARE(saved.typedText, s.data.typedText);
        QCOMPARE(saved.keystrokeLog, s.data.keystrokeLog);
        QCOMPARE(RecentTexts(frame),
                 QStringList{QString::fromStdString("&1 " + s.program.File("run.2mvk"))});
    }

    void ClosingTheStartDialogInAnyWayStartsTheRun_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("button") << "button";
        QTest::newRow("window close") << "close";
    }

    void ClosingTheStartDialogInAnyWayStartsTheRun() {
        QFETCH(QString, how);
        RunServices s;
        CMainFrame frame(s.Get());
        frame.show();
        OpenStartDialog(frame);
        CStartDialog* start = frame.startDialog();
        QVERIFY(QTest::qWaitForWindowActive(start));
        if (how == "enter") {
            QTest::keyClick(start, Qt::Key_Return);
        } else if (how == "escape") {
            QTest::keyClick(start, Qt::Key_Escape);
        } else if (how == "button") {
            QTest::mouseClick(start->startButton(), Qt::LeftButton);
        } else {
            start->close();
        }
        QCOMPARE(s.data.running, 1);
        QCOMPARE(s.data.startDialogOpen, 0);
        QVERIFY(!start->isVisible());
        QCOMPARE(frame.focusWidget(), frame.userTextView());
        QTRY_VERIFY(frame.isActiveWindow());
    }

    void ExitAsksDuringARun() {
        RunServices s;
        CMainFrame frame(s.Get());
        frame.show();
        OpenStartDialog(frame);
        QTest::keyClick(frame.startDialog(), Qt::Key_Return);
        s.questions.answers = {false, true};
        QVERIFY(!frame.close());
        QVERIFY(frame.isVisible());
        QVERIFY(frame.IsRunTimerActive());
        QVERIFY(frame.close());
        QVERIFY(!frame.isVisible());
        QVERIFY(!frame.IsRunTimerActive());
        QVERIFY(!frame.origTextView()->IsFollowing());
        QCOMPARE(s.questions.asked,
                 (std::vector<std::string>(2, "Morvik: Do you really want to exit Morvik?")));
        QCOMPARE(s.settings.ReadInt("Window", "mainframe_cx", -1), frame.width());
    }

    void ATestFileOnTheCommandLineStartsAsATest() {
        RunServices s;
        TestData definition;
        definition.fromTestDefinition = 1;
        definition.originalText = "Definition text.";
        definition.testName = "Drill";
        definition.testId = "MV20240102_030405_16_00";
        const std::string path = s.program.File("text/drill.mvkt");
        QVERIFY(TestRecordFile::WriteRecords(definition, path));
        CMainFrame frame(s.Get());
        frame.SetStartupFile(path);
        QStringList tabs;
        WhenModal<CParameterSheet>([&tabs](CParameterSheet* sheet) {
            for (int i = 0; i < sheet->tabs()->count(); ++i) {
                tabs << sheet->tabs()->tabText(i);
            }
            sheet->accept();
        });
        frame.show();
        QTRY_VERIFY(frame.startDialog()->isVisible());
        QCOMPARE(tabs, (QStringList{"Description", "Author Info", "Controls", "Characters",
                                    "Calculation Rules", "User Info"}));
        QCOMPARE(frame.windowTitle(), QString::fromStdString("Morvik - " + path));
        QCOMPARE(frame.origTextView()->toPlainText(), QString("Definition text."));
        QCOMPARE(s.data.testId, definition.testId);
        QCOMPARE(RecentTexts(frame), QStringList{QString::fromStdString("&1 " + path)});
    }

    void RecentFilesAreListedAndOpened() {
        RunServices s;
        s.paths.WritePath("Recent File List", "File1", s.program.File("a&b.mvkt"));
        s.paths.WritePath("Recent File List", "File2", s.program.File("old.2mvk"));
        CMainFrame frame(s.Get());
        QMenu* file = TopMenu(frame, "&File");
        QStringList texts = VisibleTexts(file->actions());
        QCOMPARE(
            texts.mid(texts.size() - 3),
            (QStringList{QString::fromStdString("&1 " + s.program.File("a&&b.mvkt")),
                         QString::fromStdString("&2 " + s.program.File("old.2mvk")), "E&xit"}));
        frame.show();
        frame.RecentFileActions()[0]->trigger();
        QCOMPARE(s.messages.messages.back().text,
                 std::string("The program cannot load the text from file. Check the file name, "
                             "please."));
    }

    void FontAndColoursAreChosenAppliedAndStored() {
        RunServices s;
        CMainFrame frame(s.Get());
        frame.show();
        QCOMPARE(frame.userTextView()->font().family(), QString("Arial"));
        QVERIFY(frame.userTextView()->font().bold());
        WhenModal<TextFontDialog>([](TextFontDialog* dialog) {
            SaveScreenshot(dialog, "font-dialog");
            dialog->sizeBox()->setValue(30);
            dialog->boldBox()->setChecked(false);
            dialog->strikeOutBox()->setChecked(true);
            dialog->setColor(QColor(0, 0, 255));
            dialog->accept();
        });
        frame.Action(TesterCommand::Font)->trigger();
        QCOMPARE(s.settings.ReadInt("font", "Height", 0), -30);
        QCOMPARE(s.settings.ReadInt("font", "Wight", 0), 400);
        QCOMPARE(s.settings.ReadInt("font", "StrikeOut", 0), 1);
        QCOMPARE(s.settings.ReadInt("font", "fontcolor", 0), 0xFF0000);
        QCOMPARE(s.settings.ReadInt("font", "CharSet", 0), 238);
        QCOMPARE(frame.userTextView()->font().pixelSize(), 30);
        QCOMPARE(frame.origTextView()->font().pixelSize(), 30);
        QCOMPARE(frame.userTextView()->palette().color(QPalette::Text), QColor(0, 0, 255));

        WhenModal<QColorDialog>([](QColorDialog* dialog) {
            dialog->setCurrentColor(QColor(255, 255, 224));
            dialog->accept();
        });
        frame.Action(TesterCommand::BackgroundColor)->trigger();
        QCOMPARE(s.settings.ReadInt("font", "backgcolor", 0), 0xE0FFFF);
        QCOMPARE(frame.userTextView()->palette().color(QPalette::Base), QColor(255, 255, 224));
        QCOMPARE(frame.origTextView()->palette().color(QPalette::Base), QColor(255, 255, 224));

        QString title;
        WhenModal<QColorDialog>([&title](QColorDialog* dialog) {
            title = dialog->windowTitle();
            dialog->setCurrentColor(QColor(200, 0, 0));
            dialog->accept();
        });
        frame.Action(TesterCommand::MarkingColor)->trigger();
        QCOMPARE(title, QString("Select a color to mark errors and cursor position"));
        SaveScreenshot(&frame, "frame-colours");
        QCOMPARE(s.settings.ReadInt("font", "errorcolor", 0), 200);

        // A restart comes back with all of it.
        CMainFrame again(s.Get());
        QCOMPARE(again.userTextView()->font().pixelSize(), 30);
        QVERIFY(again.userTextView()->font().strikeOut());
        QCOMPARE(again.userTextView()->palette().color(QPalette::Base), QColor(255, 255, 224));
    }

    void RemembersTheFileNamedOnTheCommandLine() {
        Services s;
        CMainFrame frame(s.Get());
        QVERIFY(frame.startupFile().empty());
        frame.SetStartupFile("/tmp/results.2mvk");
        QCOMPARE(frame.startupFile(), std::string("/tmp/results.2mvk"));
        QVERIFY(s.messages.messages.empty());
    }
};

QTEST_MAIN(MorvikMainFrameTest)
#include "c_main_frame_test.moc"
